#include "app/installer_commands.h"

#include <windows.h>

#include <string_view>

#include "core/stored_values.h"
#include "platform/registry_key.h"
#include "platform/session_instance.h"

namespace quorvel {
namespace {

// Long enough for a clock that is starting to show its window, and for one
// that is saving to end.
constexpr DWORD kCloseWaitMs = 10000;

bool SameArgument(std::wstring_view given, const wchar_t* name) {
    return CompareStringOrdinal(given.data(), static_cast<int>(given.size()), name, -1, TRUE) == CSTR_EQUAL;
}

}  // namespace

InstallerCommand ParseInstallerCommand(const wchar_t* commandLine) {
    std::wstring_view arguments = commandLine ? commandLine : L"";
    while (!arguments.empty() && arguments.front() == L' ') arguments.remove_prefix(1);
    while (!arguments.empty() && arguments.back() == L' ') arguments.remove_suffix(1);
    if (SameArgument(arguments, L"/close")) return InstallerCommand::Close;
    if (SameArgument(arguments, L"/close-for-update")) return InstallerCommand::CloseForUpdate;
    if (SameArgument(arguments, L"/start-after-update")) return InstallerCommand::StartAfterUpdate;
    return InstallerCommand::None;
}

int CloseClockForInstaller(bool reopenAfterUpdate) {
    const ClockClosing closing = CloseRunningClock(kCloseWaitMs);
    if (closing == ClockClosing::StillRunning) return 1;
    // Written after the clock's own last save, which knows nothing of it.
    if (closing == ClockClosing::Closed && reopenAfterUpdate) {
        try {
            if (const RegistryKey key = RegistryKey::Open(kSettingsKey, true)) key.Write(kStartAfterUpdateValue, true);
        } catch (const RegistryError&) {
            // Without the mark the update still goes on; the clock then starts at the next sign-in.
        }
    }
    return 0;
}

bool TakeStartAfterUpdateMark() {
    const RegistryKey key = RegistryKey::Open(kSettingsKey, false);
    return key && key.Delete(kStartAfterUpdateValue.name);
}

}  // namespace quorvel
