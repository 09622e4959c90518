// The clock beside other programs, in-process under Wine, with a program of
// our own standing in for the others (harness/desktop_stand_in.cpp): a
// full-screen window has the clock step aside and its end brings the clock
// back without the keyboard; reminders wait for it without taking the
// foreground, or show over it; the shell's verdict counts; top-most is kept;
// click-through and the shortcut as the window shows them; the new settings
// stored exactly as read.
// ctest: RUN_SERIAL (full-screen windows, the foreground, the program's registry key)
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>

#include "app/program.h"
#include "core/clock.h"
#include "harness/answers.h"
#include "harness/pump.h"
#include "harness/registry.h"
#include "platform/shell.h"
#include "windows/reminder/reminder_windows.h"
#include "windows/settings/settings_window.h"

namespace quorvel {
namespace {

using namespace std::chrono_literals;
using testing_support::PumpFor;
using testing_support::PumpUntil;

// Another program's window: the stand-in started with `args`, ended with the object.
class StandIn {
public:
    explicit StandIn(const std::wstring& args) {
        wchar_t path[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, path, MAX_PATH);
        std::wstring exe = path;
        exe = exe.substr(0, exe.find_last_of(L'\\') + 1) + L"desktop_stand_in.exe";
        std::wstring command = L"\"" + exe + L"\" " + args;
        STARTUPINFOW startup{sizeof startup};
        if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &process_)) {
            return;
        }
        const std::wstring title = L"Stand-in " + args.substr(0, args.find(L' '));
        PumpUntil([&] { return (window_ = FindWindowW(L"QuorvelTestStandIn", title.c_str())) && IsWindowVisible(window_); },
                  10s);
    }
    ~StandIn() {
        if (window_) PostMessageW(window_, WM_CLOSE, 0, 0);
        if (process_.hProcess && WaitForSingleObject(process_.hProcess, 5000) != WAIT_OBJECT_0) {
            TerminateProcess(process_.hProcess, 1);
        }
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
    }
    StandIn(const StandIn&) = delete;
    StandIn& operator=(const StandIn&) = delete;
    HWND Window() const { return window_; }

private:
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
};

bool TopMost(HWND hwnd) { return (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

bool Above(HWND upper, HWND lower) {
    for (HWND w = GetWindow(lower, GW_HWNDPREV); w; w = GetWindow(w, GW_HWNDPREV)) {
        if (w == upper) return true;
    }
    return false;
}

class Desktop : public testing_support::AnsweredTest {
protected:
    void TearDown() override {
        OverrideShellState(std::nullopt);
        program.reset();
        testing_support::PumpPending();
    }
    void Start() {
        program.emplace();
        program->Start();
    }
    HWND Clock() { return program->Clock().Handle(); }
    bool ClockShown() { return IsWindowVisible(Clock()) != FALSE; }
    void AddDueReminder(const std::string& text) {
        AlarmFields due = NewAlarmFields(Now());
        due.name = text;
        due.reminder = text;
        due.dateTime = Now();
        program->Book().Add(due);
        program->Clock().Tick();
    }
    std::optional<std::uint32_t> Stored(const wchar_t* name) {
        const auto value = testing_support::Find(testing_support::kSettingsPath, name);
        if (!value || value->type != REG_DWORD || value->bytes.size() != 4) return std::nullopt;
        return value->bytes[0] | value->bytes[1] << 8 | value->bytes[2] << 16 | std::uint32_t(value->bytes[3]) << 24;
    }

    testing_support::CleanRegistry clean;
    std::optional<Program> program;
};

TEST_F(Desktop, StepsAsideForAFullScreenWindowAndComesBackWithoutTheKeyboard) {
    Start();
    ASSERT_TRUE(ClockShown());
    {
        StandIn full(L"fullscreen");
        ASSERT_TRUE(full.Window());
        EXPECT_TRUE(PumpUntil([&] { return !ClockShown(); }, 1500ms));
        EXPECT_FALSE(TopMost(Clock()));
        program->Saves().SaveAll();
        EXPECT_EQ(Stored(L"Hidden"), 0u) << "stepping aside is not hiding";
        // Turned off meanwhile: back over the full-screen window, which keeps the keyboard.
        program->Commands().SetHideWhenFullScreen(false);
        EXPECT_TRUE(ClockShown());
        EXPECT_TRUE(TopMost(Clock()));
        EXPECT_EQ(GetForegroundWindow(), full.Window());
        program->Commands().SetHideWhenFullScreen(true);
        EXPECT_FALSE(ClockShown());
    }
    EXPECT_TRUE(PumpUntil([&] { return ClockShown(); }, 1500ms));
    EXPECT_TRUE(TopMost(Clock()));
    EXPECT_NE(GetForegroundWindow(), Clock());
    {
        StandIn maximized(L"maximized");
        PumpFor(1500ms);
        EXPECT_TRUE(ClockShown()) << "a maximized window with a caption is not full screen";
        // The shell's word: a full-screen Direct3D program in front on the clock's monitor.
        OverrideShellState(ShellState::Direct3DFullScreen);
        EXPECT_TRUE(PumpUntil([&] { return !ClockShown(); }, 1500ms));
        OverrideShellState(ShellState::Other);
        EXPECT_TRUE(PumpUntil([&] { return ClockShown(); }, 1500ms));
    }
    // A presentation, whatever is in front.
    OverrideShellState(ShellState::PresentationMode);
    EXPECT_TRUE(PumpUntil([&] { return !ClockShown(); }, 1500ms));
}

TEST_F(Desktop, RemindersWaitForAFullScreenWindowWithoutTakingTheForeground) {
    Start();
    StandIn* full = new StandIn(L"fullscreen");
    ASSERT_TRUE(PumpUntil([&] { return !ClockShown(); }, 1500ms));
    AddDueReminder("first");
    AddDueReminder("second");
    ReminderWindows& reminders = *program->Reminders();
    ASSERT_EQ(reminders.Count(), 2u);
    PumpFor(1500ms);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_TRUE(reminders[i].Waiting());
        EXPECT_FALSE(IsWindowVisible(reminders[i].Handle()));
    }
    EXPECT_EQ(GetForegroundWindow(), full->Window());
    // Shown over it at once, never with the keyboard, when so set.
    program->Commands().SetRemindersOverFullScreen(true);
    AddDueReminder("third");
    PumpFor(1500ms);
    for (std::size_t i = 0; i < 3; ++i) EXPECT_TRUE(IsWindowVisible(reminders[i].Handle())) << i;
    EXPECT_TRUE(TopMost(reminders[2].Handle()));
    EXPECT_EQ(GetForegroundWindow(), full->Window());
    program->Commands().SetRemindersOverFullScreen(false);
    AddDueReminder("fourth");
    EXPECT_TRUE(reminders[3].Waiting());
    delete full;  // the full-screen program ends: the one waiting shows, as usual
    EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(reminders[3].Handle()) != FALSE; }, 3s));
    EXPECT_FALSE(reminders[3].Waiting());
}

TEST_F(Desktop, KeepsItsPlaceOnTopWithoutTheKeyboard) {
    Start();
    StandIn working(L"maximized");  // has the keyboard
    // Once Wine has settled the clock's own showing, which it may report after the stand-in's.
    ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == working.Window(); }, 3s));
    SetWindowPos(Clock(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_TRUE(PumpUntil([&] { return TopMost(Clock()); }, 1500ms)) << "a reset top-most state";
    const RECT r = program->Clock().OuterRect();
    StandIn later(L"topmost " + std::to_wstring(r.left - 10) + L" " + std::to_wstring(r.top - 10) + L" 300 100");
    ASSERT_TRUE(later.Window());
    EXPECT_TRUE(PumpUntil([&] { return Above(Clock(), later.Window()); }, 3s)) << "a top-most window made later";
    EXPECT_EQ(GetForegroundWindow(), working.Window());
}

TEST_F(Desktop, ClickThroughAndTheShortcut) {
    Start();
    ClockCommands& commands = program->Commands();
    commands.SetClickThrough(true);
    EXPECT_TRUE(GetWindowLongW(Clock(), GWL_EXSTYLE) & WS_EX_TRANSPARENT);
    EXPECT_TRUE(program->Tray().Icon().Active()) << "the way back, while the clock shows";
    EXPECT_TRUE(GetMenuState(program->Menu().Handle(), kClickThroughCommand, MF_BYCOMMAND) & MF_CHECKED);
    SendMessageW(Clock(), WM_COMMAND, kClickThroughCommand, 0);  // the menu item turns it off
    EXPECT_FALSE(GetWindowLongW(Clock(), GWL_EXSTYLE) & WS_EX_TRANSPARENT);
    EXPECT_FALSE(program->Tray().Icon().Active());

    // Ctrl+Alt+Q held by another: told in the settings window, not taken.
    ASSERT_TRUE(RegisterHotKey(nullptr, 7, MOD_CONTROL | MOD_ALT, 'Q'));
    SettingsWindow& settings = program->Windows().Settings();
    settings.ShowSettings();
    SendMessageW(settings.Control(SettingsWindow::kShortcutBox), HKM_SETHOTKEY, 0x0651, 0);
    SendMessageW(settings.Handle(), WM_COMMAND, MAKEWPARAM(SettingsWindow::kShortcutBox, EN_CHANGE),
                 reinterpret_cast<LPARAM>(settings.Control(SettingsWindow::kShortcutBox)));
    EXPECT_GT(GetWindowTextLengthW(settings.Control(SettingsWindow::kShortcutNote)), 0);
    EXPECT_EQ(program->Clock().Desktop().showHideHotKey, 0x0651);
    UnregisterHotKey(nullptr, 7);
    EXPECT_TRUE(commands.SetShowHideHotKey(0x0651));
    EXPECT_TRUE(answers.boxes.empty());
}

TEST_F(Desktop, TheSettingsAreStoredExactlyAsReadAndAHeldShortcutIsToldOnceAtStart) {
    {
        Program first;  // a whole key, as a first run saves it
        first.Start();
        first.Saves().SaveAll();
    }
    ASSERT_TRUE(testing_support::Plant(testing_support::kSettingsPath,
                                       {testing_support::Dword(L"HideWhenFullScreen", 0),
                                        testing_support::Dword(L"FullScreenReminders", 2),
                                        testing_support::Dword(L"ShowHideHotKey", 0x0651)}));
    ASSERT_TRUE(RegisterHotKey(nullptr, 7, MOD_CONTROL | MOD_ALT, 'Q'));
    Start();
    PumpFor(1500ms);
    EXPECT_EQ(answers.boxes.size(), 1u) << "told once, not at every tick";
    program->Saves().SaveAll();
    UnregisterHotKey(nullptr, 7);
    EXPECT_EQ(Stored(L"HideWhenFullScreen"), 0u);
    EXPECT_EQ(Stored(L"FullScreenReminders"), 2u);
    EXPECT_EQ(Stored(L"ShowHideHotKey"), 0x0651u);
    answers.boxes.clear();
}

}  // namespace
}  // namespace quorvel
