// quorvel-cli alarms add (the real program, from the build) meeting a clock
// that is ending: this test holds the session's clock, as a clock does from
// the moment its window has gone until its process ends, and lets it go a
// second later.
// ctest: RUN_SERIAL (holds the session's clock and uses the program's registry key)
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "alarms/alarm_codec.h"
#include "harness/registry.h"
#include "platform/session_instance.h"

namespace quorvel {
namespace {

using namespace testing_support;

// The build puts the tool into src\cli beside the test programs.
std::wstring CliPath() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring exe = path;
    return exe.substr(0, exe.find_last_of(L'\\') + 1) + L"src\\cli\\quorvel-cli.exe";
}

// The add waits for the ending clock and then stores the alarm itself: exit 0,
// where it once gave up with "the running Quorvel did not take the alarm".
TEST(AlarmsAddCli, AnAddThatMeetsAnEndingClockStoresTheAlarmOnceItHasEnded) {
    CleanRegistry clean;
    ASSERT_TRUE(Plant(kSettingsPath, {Dword(L"WinLeft", 7)}));  // a clock has run here before
    auto ending = std::make_unique<SessionInstance>();
    ASSERT_TRUE(ending->First());

    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    const KernelHandle nul(CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = nul.Get();
    std::wstring command = L"\"" + CliPath() + L"\" alarms add --name Late --in 1h";
    PROCESS_INFORMATION started{};
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr,
                               &startup, &started))
        << "cannot start " << std::string(command.begin(), command.end());
    const KernelHandle process(started.hProcess);
    CloseHandle(started.hThread);

    EXPECT_EQ(WaitForSingleObject(process.Get(), 1000), static_cast<DWORD>(WAIT_TIMEOUT)) << "it did not wait";
    ending.reset();
    ASSERT_EQ(WaitForSingleObject(process.Get(), 15000), static_cast<DWORD>(WAIT_OBJECT_0));
    DWORD code = 1;
    GetExitCodeProcess(process.Get(), &code);
    EXPECT_EQ(code, 0u);
    const auto stored = Find(kSettingsPath, L"Alarms");
    ASSERT_TRUE(stored) << "nothing stored";
    AlarmList list;
    DecodeAlarms(stored->bytes, list);
    ASSERT_EQ(list.Count(), 1u);
    EXPECT_EQ(list[0].name, "Late");
}

}  // namespace
}  // namespace quorvel
