// What the running clock shows of alarms to come: an advance reminder in the
// reminder window, whose answer leaves the alarm alone; the next alarm on the
// menu's first line and in the tray icon's tip; the wake timer set for the
// earliest waking alarm, whose firing runs the check; the chime at a boundary,
// silent over an alarm's sound, set in the settings window and stored exactly.
// ctest: RUN_SERIAL (uses the program's registry key and the tray)
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <string>
#include <vector>

#include "app/program.h"
#include "core/clock.h"
#include "core/wide.h"
#include "harness/answers.h"
#include "harness/pump.h"
#include "harness/registry.h"
#include "windows/reminder/reminder_windows.h"
#include "windows/settings/settings_window.h"

namespace quorvel {
namespace {

using namespace std::chrono_literals;

// Monday 7 December 2026, 10:00.
const DateTime kStart = *EncodeDateTime({2026, 12, 7, 10, 0, 0, 0});
constexpr DateTime kMinute = 1.0 / 1440;

std::string WindowText(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

class EarlyWarnings : public testing_support::AnsweredTest {
protected:
    void SetUp() override {
        SetClock([this] { return now; });
        program.Start();
    }
    void TearDown() override {
        testing_support::PumpPending();
        ResetClock();
    }
    AlarmId AddAlarm(const std::string& name, DateTime due, int lead, bool wake = false) {
        AlarmFields alarm = NewAlarmFields(now);
        alarm.name = name;
        alarm.dateTime = due;
        alarm.reminder = "Room 4";
        alarm.options.remindBeforeMinutes = static_cast<std::uint16_t>(lead);
        alarm.options.snoozeMinutes = 2;
        alarm.options.wake = wake;
        return program.Book().Add(alarm);
    }
    ReminderWindows& Reminders() { return *program.Reminders(); }
    // The reminder windows showing, after the pending frees.
    std::size_t Showing() {
        testing_support::PumpPending();
        std::size_t showing = 0;
        for (std::size_t i = 0; i < Reminders().Count(); ++i) showing += IsWindowVisible(Reminders()[i].Handle()) ? 1 : 0;
        return showing;
    }

    DateTime now = kStart;
    testing_support::CleanRegistry registry;
    Program program;
};

TEST_F(EarlyWarnings, AnAdvanceReminderShowsAndItsAnswerLeavesTheAlarmAlone) {
    const AlarmId id = AddAlarm("Standup", kStart + 10 * kMinute, 5);
    const AlarmFields before = *program.Book().Find(id);
    now = kStart + 4 * kMinute;
    program.Clock().Tick();
    EXPECT_EQ(Showing(), 0u) << "not yet: 6 minutes ahead";
    now = kStart + 5 * kMinute;
    program.Clock().Tick();
    ASSERT_EQ(Showing(), 1u);
    ReminderWindow& notice = Reminders()[0];
    EXPECT_EQ(WindowText(notice.Handle()), "Quorvel Alarm / Reminder");
    EXPECT_EQ(WindowText(notice.TextBox()), "Standup\r\nDue in 5 minutes, at 10:10 AM\r\n\r\nRoom 4");
    EXPECT_EQ(answers.beepTypes.size(), 1u);

    // Snooze: again 2 minutes on, the alarm's own length; OK then ends it.
    SendMessageW(notice.SnoozeButton(), BM_CLICK, 0, 0);
    EXPECT_EQ(Showing(), 0u);
    now = kStart + 7 * kMinute;
    program.Clock().Tick();
    ASSERT_EQ(Showing(), 1u);
    EXPECT_EQ(WindowText(Reminders()[0].TextBox()), "Standup\r\nDue in 3 minutes, at 10:10 AM\r\n\r\nRoom 4");
    SendMessageW(Reminders()[0].OkButton(), BM_CLICK, 0, 0);
    EXPECT_EQ(Showing(), 0u);
    now = kStart + 9 * kMinute;
    program.Clock().Tick();
    EXPECT_EQ(Showing(), 0u) << "one per moment";
    EXPECT_TRUE(program.Book().Find(id)->SameAs(before)) << "the answers changed nothing of the alarm";

    // The alarm's own reminder at its moment.
    now = kStart + 10 * kMinute;
    program.Clock().Tick();
    EXPECT_EQ(Showing(), 1u);
    EXPECT_TRUE(program.Book().Find(id)->triggered);
}

TEST_F(EarlyWarnings, TheMenuAndTheTrayTipNameTheNextAlarm) {
    const auto menuLine = [&] {
        wchar_t text[80] = {};
        GetMenuStringW(program.Menu().Handle(), kNextAlarmLine, text, 80, MF_BYCOMMAND);
        return Narrow(text);
    };
    program.Clock().Tick();
    EXPECT_EQ(menuLine(), "No alarms");
    EXPECT_EQ(program.Tray().Icon().ToolTip(), "Quorvel\nNo alarms");
    AddAlarm("Tea & cake", kStart + 42 * kMinute, 0);
    AddAlarm("Standup", kStart + 26 * 60 * kMinute, 0);
    program.Clock().Tick();
    EXPECT_EQ(menuLine(), "Next: Tea && cake at 10:42 AM");
    EXPECT_EQ(program.Tray().Icon().ToolTip(), "Quorvel\nNext: Tea & cake at 10:42 AM");
    now = kStart + 42 * kMinute;  // Tea fires
    program.Clock().Tick();
    EXPECT_EQ(program.Tray().Icon().ToolTip(), "Quorvel\nNext: Standup tomorrow at 12:00 PM");
}

TEST_F(EarlyWarnings, TheWakeTimerFollowsTheWakingAlarmsAndItsFiringRunsTheCheck) {
    WakeTimer& timer = program.Outlook().Timer();
    EXPECT_FALSE(timer.DueUtc());
    const DateTime due = kStart + 30 * kMinute;
    const AlarmId id = AddAlarm("Flight", due, 0, true);
    ASSERT_TRUE(timer.DueUtc());
    EXPECT_EQ(*timer.DueUtc(), *LocalMomentToUtc(due));
    program.Book().Delete(id);
    EXPECT_FALSE(timer.DueUtc());

    // Its firing, whenever it comes, checks the alarms at once.
    AddAlarm("Flight", due, 0, true);
    now = due;
    timer.onFired();
    EXPECT_EQ(Showing(), 1u);
}

// The chime in UTC+5:30 (a stand-in zone): the local hour, struck, at the tick
// that reaches it; silent while an alarm's sound plays or a full-screen
// program is in front.
TEST_F(EarlyWarnings, TheChimePlaysAtTheLocalHour) {
    ClockChime& chime = program.Chime();
    DateTime utc = *EncodeDateTime({2026, 12, 7, 4, 59, 59, 500});
    chime.utcNow = [&] { return utc; };
    chime.localTimeOf = [](DateTime moment) { return moment + 5.5 / 24; };
    std::vector<std::string> played;
    chime.play = [&](const std::string& file, int strokes) {
        played.push_back("'" + file + "' x" + std::to_string(strokes));
        return true;
    };
    chime.SetChime({60, "", true, 22 * 60, 7 * 60});
    const auto tickAt = [&](int hour, int minute, int second) {
        utc = *EncodeDateTime({2026, 12, 7, hour, minute, second, 200});
        program.Clock().Tick();
    };
    program.Clock().Tick();
    tickAt(5, 0, 0);  // 10:30 local: no boundary of the hour
    tickAt(5, 29, 59);
    tickAt(5, 30, 0);
    ASSERT_EQ(played, std::vector<std::string>{"'' x11"});
    std::cout << "chime played at local 11:00 (UTC 05:30): the built-in sound, 11 strokes\n";
    bool alarmSound = true, fullScreen = false;
    chime.alarmSoundPlaying = [&] { return alarmSound; };
    chime.fullScreenInFront = [&] { return fullScreen; };
    tickAt(6, 29, 59);
    tickAt(6, 30, 0);
    alarmSound = false, fullScreen = true;
    tickAt(7, 29, 59);
    tickAt(7, 30, 0);
    EXPECT_EQ(played.size(), 1u) << "silent over an alarm's sound and a full-screen program";

    // Stored exactly, each value of its own.
    using testing_support::Dword, testing_support::Find, testing_support::kSettingsPath;
    EXPECT_EQ(Find(kSettingsPath, L"Chime")->bytes, Dword(L"Chime", 60).bytes);
    EXPECT_EQ(Find(kSettingsPath, L"ChimeStrikes")->bytes, Dword(L"ChimeStrikes", 1).bytes);
    EXPECT_EQ(Find(kSettingsPath, L"QuietFrom")->bytes, Dword(L"QuietFrom", 1320).bytes);
    EXPECT_EQ(Find(kSettingsPath, L"QuietTo")->type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(Find(kSettingsPath, L"ChimeSound")->type, static_cast<DWORD>(REG_SZ));
}

// The settings window sets the chime and plays it; the built-in sound is in
// the executable and plays.
TEST_F(EarlyWarnings, TheSettingsWindowSetsAndPlaysTheChime) {
    SettingsWindow& settings = program.Windows().Settings();
    settings.ShowSettings();
    const HWND list = settings.Control(SettingsWindow::kChimeList);
    SendMessageW(list, CB_SETCURSEL, 2, 0);
    SendMessageW(settings.Handle(), WM_COMMAND, MAKEWPARAM(SettingsWindow::kChimeList, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    EXPECT_EQ(program.Chime().Chime().everyMinutes, 30);
    SendMessageW(settings.Control(SettingsWindow::kStrikeBox), BM_CLICK, 0, 0);
    EXPECT_TRUE(program.Chime().Chime().strikeHours);
    SendMessageW(settings.Control(SettingsWindow::kHearButton), BM_CLICK, 0, 0);
    EXPECT_TRUE(answers.boxes.empty()) << "the built-in chime played";
    program.Chime().SetChime({15, "C:\\no such chime.wav"});
    EXPECT_FALSE(program.Chime().HearChime());
    ASSERT_EQ(answers.boxes.size(), 1u);
    EXPECT_EQ(answers.boxes[0].text, "Cannot play the chime's sound: C:\\no such chime.wav");
}

// The real timer, set for a moment just ahead, fires through the message loop.
TEST(WakeTimer, FiresAtItsMoment) {
    WakeTimer timer;
    int fired = 0;
    timer.onFired = [&] { ++fired; };
    timer.SetWake(SystemNow() + 0.5 / 86'400);
    EXPECT_FALSE(testing_support::PumpUntil([&] { return fired > 0; }, 200ms)) << "not before its moment";
    EXPECT_TRUE(testing_support::PumpUntil([&] { return fired > 0; }, 3s));
    timer.SetWake(SystemNow() + 0.3 / 86'400);
    timer.SetWake(std::nullopt);
    testing_support::PumpFor(800ms);
    EXPECT_EQ(fired, 1) << "a cancelled wake-up never fires";
}

}  // namespace
}  // namespace quorvel
