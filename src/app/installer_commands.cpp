#include "app/installer_commands.h"

#include <windows.h>

#include "core/stored_values.h"
#include "core/wide.h"
#include "platform/registry_key.h"
#include "platform/session_instance.h"
#include "ui/message_box.h"

namespace quorvel {
namespace {

// Long enough for a clock that is starting to show its window, and for one
// that is saving to end.
constexpr DWORD kCloseWaitMs = 10000;

}  // namespace

InstallerCommand ParseInstallerCommand(const wchar_t* commandLine) {
    return ReadStartArguments(Narrow(commandLine ? commandLine : L"")).command;
}

int RefuseUnknownArgument(const wchar_t* commandLine) {
    const StartArguments arguments = ReadStartArguments(Narrow(commandLine ? commandLine : L""));
    ui::ShowMessageBox(nullptr, UnknownArgumentMessage(arguments.unknown), ui::ApplicationTitle(),
                       MB_OK | MB_ICONERROR);
    return kExitUnknownArgument;
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
