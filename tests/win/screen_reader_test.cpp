// What a screen reader finds: another program asks for the clock window's
// client object and reads a clock named Quorvel whose value is the time on the
// face, while the window's title stays "Quorvel"; a change of the time is
// announced once a minute at most. The editor's and the settings' boxes each
// come just after their label, which the system's own objects name them after.
#include <windows.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/clock_window.h"
#include "app/program.h"
#include "core/clock.h"
#include "core/date_time.h"
#include "core/wide.h"
#include "harness/alarm_windows.h"
#include "harness/answers.h"
#include "harness/pump.h"
#include "harness/registry.h"
#include "ui/controls/control.h"
#include "windows/alarm_editor/alarm_editor.h"
#include "windows/settings/settings_window.h"

namespace quorvel {
namespace {

using namespace std::chrono_literals;

const DateTime kTenFiveSeven = *EncodeDateTime({2026, 12, 7, 10, 5, 7, 0});
constexpr DateTime kSecond = 1.0 / 86400;

// What accessible_reader.exe (beside this program) printed for `window`,
// pumping this thread's messages meanwhile: the reader's calls come in through them.
std::string ReadFromAnotherProgram(HWND window) {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring command = self;
    command = command.substr(0, command.find_last_of(L"\\/") + 1) + L"accessible_reader.exe";
    command = L"\"" + command + L"\" " + std::to_wstring(reinterpret_cast<INT_PTR>(window));
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return "no pipe";
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{sizeof startup};
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                                        nullptr, &startup, &process);
    CloseHandle(writeEnd);
    if (!started) {
        CloseHandle(readEnd);
        return "not started";
    }
    const auto deadline = GetTickCount64() + 20000;
    while (GetTickCount64() < deadline &&
           MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 100, QS_ALLINPUT) != WAIT_OBJECT_0) {
        testing_support::PumpPending();
    }
    std::string output;
    char buffer[512];
    DWORD got = 0;
    while (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0 &&
           ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        for (DWORD i = 0; i < got; ++i)
            if (buffer[i] != '\r') output += buffer[i];  // its standard output is in text mode
    }
    CloseHandle(readEnd);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return output;
}

// Defined here: the import library hands IID_IAccessible over as a code thunk.
constexpr IID kAccessibleId = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

// The name the system's default object gives a control, as a reader asks for it.
std::string AccessibleName(HWND control) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), kAccessibleId,
                                          reinterpret_cast<void**>(&object))) ||
        !object) {
        return "(no object)";
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    const std::string result = SUCCEEDED(object->get_accName(self, &name)) && name ? Narrow(name) : "(no name)";
    SysFreeString(name);
    object->Release();
    return result;
}

int valueChanges = 0;
HWND watched = nullptr;

void CALLBACK OnValueChange(HWINEVENTHOOK, DWORD, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
    if (hwnd == watched && object == OBJID_CLIENT && child == CHILDID_SELF) ++valueChanges;
}

class AccessibleClockTest : public testing_support::AnsweredTest {
protected:
    void SetUp() override {
        SetClock(kTenFiveSeven);
        clock.Create();
        clock.Tick();
    }
    void TearDown() override {
        clock.Destroy();
        testing_support::PumpPending();
        ResetClock();
    }
    testing_support::CleanRegistry registry;
    ClockWindow clock;
};

TEST_F(AccessibleClockTest, AnotherProgramReadsAClockWithTheShownTime) {
    ASSERT_EQ(clock.Label(FaceLabel::Text).Caption(), "10:05:07");
    EXPECT_EQ(ReadFromAnotherProgram(clock.Handle()), "role=61\nname=Quorvel\nvalue=10:05:07\ntitle=Quorvel\n")
        << "61 is ROLE_SYSTEM_CLOCK";
    // The next read finds the time the face shows then.
    SetClock(kTenFiveSeven + 2 * kSecond);
    clock.Tick();
    EXPECT_EQ(ReadFromAnotherProgram(clock.Handle()), "role=61\nname=Quorvel\nvalue=10:05:09\ntitle=Quorvel\n");
}

TEST_F(AccessibleClockTest, TheTimeIsAnnouncedOnceAMinuteAtMost) {
    watched = clock.Handle();
    valueChanges = 0;
    const HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_VALUECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr,
                                               OnValueChange, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    // Two and a half minutes of ticks, four a second: a new text every second,
    // after the set-up's tick told the first.
    for (int quarter = 1; quarter <= 600; ++quarter) {
        SetClock(kTenFiveSeven + quarter * kSecond / 4);
        clock.Tick();
        testing_support::PumpPending();
    }
    testing_support::PumpFor(200ms);
    UnhookWinEvent(hook);
    // A minute after that one, and a minute later again.
    EXPECT_EQ(valueChanges, 2);
}

// The label a reader names a box after: the static text made just before it,
// as Windows' default objects look for it.
std::string LabelBefore(HWND box) {
    const HWND before = GetWindow(box, GW_HWNDPREV);
    wchar_t cls[32] = {};
    GetClassNameW(before, cls, 32);
    return lstrcmpiW(cls, L"Static") == 0 ? ui::WindowText(before) : "(no label)";
}

// Every edit box and combo box of the editor and the settings comes just after
// its label; Wine's default object for an edit box reads it as Windows' does.
TEST(ScreenReader, EveryBoxIsNamedAfterItsLabel) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    testing_support::CleanRegistry registry;
    std::vector<std::string> labels;
    std::string nameBoxName;
    AlarmEditor editor;
    AlarmFields alarm = NewAlarmFields(Now());
    testing_support::ModalSteps steps;
    steps.Then([&] {
        for (const int id : {AlarmEditor::kNameBox, AlarmEditor::kRepeatList, AlarmEditor::kSnoozeList,
                             AlarmEditor::kIfMissedList}) {
            labels.push_back(LabelBefore(GetDlgItem(editor.Handle(), id)));
        }
        nameBoxName = AccessibleName(GetDlgItem(editor.Handle(), AlarmEditor::kNameBox));
        PostMessageW(editor.Handle(), WM_CLOSE, 0, 0);
    });
    editor.EditAlarm(alarm);
    editor.Destroy();
    Program program;
    program.Start();
    SettingsWindow& settings = program.Windows().Settings();
    for (const auto id : {SettingsWindow::kTimeFormatBox, SettingsWindow::kLanguageBox})
        labels.push_back(LabelBefore(settings.Control(id)));
    program.Clock().Destroy();
    EXPECT_EQ(labels, (std::vector<std::string>{"Name:", "Repeat:", "Snooze:", "If missed:", "Time format:",
                                                "Language:"}));
    EXPECT_EQ(nameBoxName, "Name:");
    CoUninitialize();
}

}  // namespace
}  // namespace quorvel
