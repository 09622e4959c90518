// Reminder windows of firing alarms, with the real window system and the real
// media player (the ALSA null device plays faster than real time, so no test
// measures a duration); "now" and the alert beep come from the test's seams.
// ctest: RUN_SERIAL
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "alarms/alarm.h"
#include "alarms/alarm_codec.h"
#include "app/program.h"
#include "core/clock.h"
#include "core/wide.h"
#include "harness/answers.h"
#include "harness/pump.h"
#include "harness/registry.h"
#include "windows/reminder/reminder_windows.h"

namespace quorvel {
namespace {

using testing_support::PumpFor;
using testing_support::PumpUntil;

using enum RepeatKind;

constexpr DateTime kNow = 46'095.5;  // 2026-03-14 12:00
constexpr DateTime kMinute = 1.0 / 1440;
constexpr DateTime kMillisecond = 1.0 / 86'400'000;  // sums of intervals round differently
constexpr auto kDeadline = std::chrono::seconds(5);

void Put(std::vector<char>& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<char>(value >> (8 * i)));
}

// A wave file of silence, 8-bit mono at 8 kHz.
void WriteWav(const std::wstring& path, std::uint32_t milliseconds) {
    const std::uint32_t samples = 8 * milliseconds;
    std::vector<char> bytes{'R', 'I', 'F', 'F'};
    Put(bytes, 36 + samples, 4);
    for (char c : std::string("WAVEfmt ")) bytes.push_back(c);
    for (auto [value, size] : {std::pair{16u, 4}, {1u, 2}, {1u, 2}, {8000u, 4}, {8000u, 4}, {1u, 2}, {8u, 2}})
        Put(bytes, value, size);
    for (char c : std::string("data")) bytes.push_back(c);
    Put(bytes, samples, 4);
    bytes.insert(bytes.end(), samples, static_cast<char>(0x80));
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

std::wstring Text(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

class ReminderWindowTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        folder = std::wstring(temp) + L"quorvel-reminder-" + std::to_wstring(GetCurrentProcessId()) + L"\\";
        CreateDirectoryW(folder.c_str(), nullptr);
        WriteWav(folder + L"short.wav", 200);
        WriteWav(folder + L"long.wav", 60'000);
    }
    static void TearDownTestSuite() {
        for (const wchar_t* name : {L"short.wav", L"long.wav"}) DeleteFileW((folder + name).c_str());
        RemoveDirectoryW(folder.c_str());
    }
    void SetUp() override {
        SetClock(kNow);
        list.armed = true;
    }
    void TearDown() override {
        reminders.reset();
        ResetClock();
    }

    static std::string Sound(const wchar_t* name) { return Narrow(folder + name); }
    Alarm& Add(const std::string& text, const std::string& sound, RepeatKind repeat = NoRepeat,
               DateTime due = kNow - kMinute) {
        Alarm& a = list.AddAlarm();
        a.reminder = text;
        a.sound = sound;
        a.repeat = repeat;
        a.dateTime = due;
        return a;
    }
    ReminderWindow& Window(std::size_t i = 0) { return (*reminders)[i]; }
    void Click(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }
    bool AllFreed() { return PumpUntil([this] { return reminders->Count() == 0; }, kDeadline); }

    static inline std::wstring folder;
    testing_support::Answers answers;  // the alert beeps are counted, never heard
    std::vector<UINT>& beeps = answers.beepTypes;
    AlarmList list;
    std::unique_ptr<ReminderWindows> reminders = std::make_unique<ReminderWindows>(nullptr);
};

TEST_F(ReminderWindowTest, WindowHasItsFrameSizeAndControls) {
    Add("hello", "");
    list.CheckAlarms(*reminders);
    const HWND hwnd = Window().Handle();
    EXPECT_EQ(Text(hwnd), L"Quorvel Alarm / Reminder");
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    EXPECT_TRUE((style & WS_THICKFRAME) && (style & WS_SYSMENU) && (style & WS_CAPTION));
    EXPECT_TRUE((exStyle & WS_EX_TOOLWINDOW) && (exStyle & WS_EX_TOPMOST));
    EXPECT_EQ(GetWindow(hwnd, GW_OWNER), nullptr);
    RECT client{}, outer{};
    GetClientRect(hwnd, &client);
    GetWindowRect(hwnd, &outer);
    const int dpi = static_cast<int>(Window().Dpi());
    EXPECT_EQ(client.right, MulDiv(214, dpi, 96));
    EXPECT_EQ(client.bottom, MulDiv(115, dpi, 96));
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    EXPECT_NEAR(outer.left + outer.right, screen.right, 1) << "centred";
    EXPECT_NEAR(outer.top + outer.bottom, screen.bottom, 1);
    EXPECT_EQ(Text(Window().OkButton()), L"&OK");
    EXPECT_EQ(Text(Window().SnoozeButton()), L"&Snooze");
    for (HWND button : {Window().OkButton(), Window().SnoozeButton()})
        EXPECT_EQ(GetWindowLongPtrW(button, GWL_STYLE) & BS_DEFPUSHBUTTON, 0) << "no default button";
    EXPECT_TRUE(GetWindowLongPtrW(Window().TextBox(), GWL_STYLE) & ES_MULTILINE);

    // A monitor at twice the resolution: the control table scales with it.
    RECT doubled{outer.left, outer.top, outer.left + 2 * (outer.right - outer.left),
                 outer.top + 2 * (outer.bottom - outer.top)};
    SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(2 * dpi, 2 * dpi), reinterpret_cast<LPARAM>(&doubled));
    RECT ok{};
    GetWindowRect(Window().OkButton(), &ok);
    EXPECT_EQ(ok.right - ok.left, MulDiv(57, 2 * dpi, 96));
    EXPECT_EQ(ok.bottom - ok.top, MulDiv(20, 2 * dpi, 96));
}

// Text and sound decide what the user gets and how the firing ends; every
// ending re-arms the alarm as OK does (a "No repeat" alarm is disabled). None
// ends inside the check: one over at once ends from the message loop.
TEST_F(ReminderWindowTest, FourKindsOfAlarm) {
    struct Case {
        const char* text;
        const wchar_t* sound;
        bool window;
        std::size_t beeps;
        bool endsByItself;  // the end of the sound, or at once
    };
    const Case cases[] = {
        {"Call Bob\r\nat noon", L"short.wav", true, 0, false},
        {"Call Bob", nullptr, true, 1, false},
        {"", L"short.wav", false, 0, true},
        {"", nullptr, false, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("text '") + c.text + "', sound " + (c.sound ? "yes" : "no"));
        beeps.clear();
        Alarm& a = Add(c.text, c.sound ? Sound(c.sound) : "");
        list.CheckAlarms(*reminders);
        ASSERT_EQ(reminders->Count(), 1u);
        EXPECT_TRUE(a.triggered);
        EXPECT_EQ(IsWindowVisible(Window().Handle()) != FALSE, c.window);
        if (c.window) EXPECT_EQ(Narrow(Text(Window().TextBox())), c.text);
        EXPECT_EQ(beeps.size(), c.beeps);
        if (!c.endsByItself) {
            PumpFor(std::chrono::milliseconds(400));  // a window with text outlasts its sound
            EXPECT_TRUE(a.triggered);
            EXPECT_TRUE(IsWindowVisible(Window().Handle()));
            Click(Window().OkButton());
        }
        EXPECT_TRUE(PumpUntil([&] { return !a.triggered; }, kDeadline));
        EXPECT_FALSE(a.enabled);
        EXPECT_TRUE(AllFreed());
        list.Clear();
    }
}

TEST_F(ReminderWindowTest, OkWhileTheSoundPlaysStopsItThenReArms) {
    Alarm& a = Add("wake up", Sound(L"long.wav"), Daily);
    list.CheckAlarms(*reminders);
    MediaPlayer& player = Window().Player();
    ASSERT_EQ(player.Mode(), PlayerMode::Playing);
    std::vector<UINT> commands;
    SetMciRequestObserver([&](const MciRequest& r) { commands.push_back(r.command); });
    Click(Window().OkButton());
    SetMciRequestObserver({});
    EXPECT_EQ(commands, (std::vector<UINT>{MCI_STATUS, MCI_STOP, MCI_CLOSE}));
    EXPECT_FALSE(player.IsOpen());
    EXPECT_EQ(a.dateTime, kNow - kMinute + 1);
    EXPECT_FALSE(IsWindowVisible(Window().Handle()));
    EXPECT_TRUE(AllFreed());
}

TEST_F(ReminderWindowTest, SnoozeAndTheCloseBox) {
    Alarm& snoozed = Add("snooze me", Sound(L"long.wav"), Hourly, kNow - 30 * kMinute);
    Alarm& closed = Add("close me", "", Hourly, kNow - 30 * kMinute);
    list.CheckAlarms(*reminders);
    ASSERT_EQ(reminders->Count(), 2u);
    Click(Window(0).SnoozeButton());
    EXPECT_NEAR(snoozed.dateTime, kNow + 5 * kMinute, kMillisecond);
    EXPECT_FALSE(Window(0).Player().IsOpen()) << "the sound stopped";
    EXPECT_EQ(snoozed.repeat, Hourly);
    EXPECT_TRUE(snoozed.enabled);
    SendMessageW(Window(1).Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_NEAR(closed.dateTime, kNow + 30 * kMinute, kMillisecond) << "re-armed as OK does";
    EXPECT_FALSE(closed.triggered);
    EXPECT_TRUE(AllFreed());
}

// Closed from outside while its sound plays, a text-less alarm ends once; the
// aborted report that follows finds its window closed (and the alarm deleted).
TEST_F(ReminderWindowTest, CloseReminderEndsAPlayingTextlessAlarmOnce) {
    Alarm& kept = Add("", Sound(L"long.wav"), Daily);
    Alarm& deleted = Add("", Sound(L"long.wav"), Daily);
    Add("after", "", NoRepeat, kNow + kMinute);
    list.CheckAlarms(*reminders);
    ASSERT_EQ(reminders->Count(), 2u);
    kept.CloseReminder(*reminders, false);
    deleted.CloseReminder(*reminders, true);
    PumpFor(std::chrono::milliseconds(500));
    EXPECT_EQ(kept.dateTime, kNow - kMinute + 1) << "advanced one day, once";
    EXPECT_FALSE(kept.triggered);
    EXPECT_EQ(list.Count(), 2u);
    EXPECT_EQ(list[1].reminder, "after");
    EXPECT_TRUE(AllFreed());
}

TEST_F(ReminderWindowTest, TwoDueAlarmsGiveTwoWindowsTheLaterInFrontBelowTheEarliersCaption) {
    Add("first", "");
    Add("second", "");
    list.CheckAlarms(*reminders);
    ASSERT_EQ(reminders->Count(), 2u);
    const HWND first = Window(0).Handle();
    const HWND second = Window(1).Handle();
    EXPECT_TRUE(IsWindowVisible(first) && IsWindowVisible(second));
    bool secondAboveFirst = false;
    for (HWND h = GetWindow(second, GW_HWNDNEXT); h; h = GetWindow(h, GW_HWNDNEXT))
        if (h == first) secondAboveFirst = true;
    EXPECT_TRUE(secondAboveFirst);
    RECT a{}, b{}, client{};
    GetWindowRect(first, &a);
    GetWindowRect(second, &b);
    GetClientRect(first, &client);
    MapWindowPoints(first, nullptr, reinterpret_cast<POINT*>(&client), 2);
    EXPECT_NEAR(a.left + a.right, GetSystemMetrics(SM_CXSCREEN), 1) << "the first at the centre";
    const int caption = client.top - a.top;
    EXPECT_EQ(b.top - a.top, caption) << "the later one a caption lower: both captions show";
    EXPECT_EQ(b.left - a.left, caption);
}

// A key as the user types it, through the system's input.
void TypeSpace() {
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = VK_SPACE;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
}

// Spaces typed into another window (an edit box) as the reminder comes up go
// there and do not answer it; once the keys have rested for a second it takes
// the keyboard, OK focused, and answering it gives the keyboard back.
TEST_F(ReminderWindowTest, KeysTypedWhenItComesUpNeverAnswerIt) {
    const HWND typing = CreateWindowExW(0, L"EDIT", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 30, 30, 300, 80, nullptr,
                                        nullptr, nullptr, nullptr);
    SetForegroundWindow(typing);
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == typing; }, kDeadline));
    Alarm& a = Add("tea", "");
    for (int i = 0; i < 9; ++i) {  // a key every 100 ms, the reminder coming up after the first
        TypeSpace();
        PumpFor(std::chrono::milliseconds(100));
        if (i == 0) list.CheckAlarms(*reminders);
        ASSERT_TRUE(a.triggered) << "a typed space answered the reminder";
        EXPECT_TRUE(IsWindowVisible(Window().Handle()) && Window().WaitingForInputRest());
    }
    EXPECT_EQ(Text(typing), std::wstring(9, L' ')) << "every key reached the window typed into";
    EXPECT_TRUE(PumpUntil([&] { return GetFocus() == Window().OkButton(); }, std::chrono::seconds(3)));
    TypeSpace();  // now a space answers it
    EXPECT_TRUE(PumpUntil([&] { return !a.triggered && GetForegroundWindow() == typing; }, kDeadline));
    EXPECT_TRUE(AllFreed());
    DestroyWindow(typing);
}

// With the sound missing, a text-less alarm shows its window with the error
// line instead of staying triggered with nothing on screen; with text, the
// line goes under the text.
TEST_F(ReminderWindowTest, ASoundThatCannotBePlayedIsReportedInTheWindow) {
    for (const char* text : {"", "Meeting"}) {
        SCOPED_TRACE(std::string("text '") + text + "'");
        beeps.clear();
        Alarm& a = Add(text, Sound(L"missing.wav"));
        list.CheckAlarms(*reminders);
        ASSERT_EQ(reminders->Count(), 1u);
        EXPECT_TRUE(IsWindowVisible(Window().Handle()));
        const std::string shown = Narrow(Text(Window().TextBox()));
        const std::string prefix = std::string(text) + (*text ? "\r\n" : "") + "Cannot play sound - ";
        EXPECT_EQ(shown.substr(0, prefix.size()), prefix);
        EXPECT_GT(shown.size(), prefix.size()) << "the platform's reason follows";
        EXPECT_EQ(beeps, std::vector<UINT>{MB_OK});
        Click(Window().OkButton());
        EXPECT_FALSE(a.enabled);
        EXPECT_TRUE(AllFreed());
        list.Clear();
    }
}

// A trigger still open when the program ends changes nothing that is stored.
TEST_F(ReminderWindowTest, ATriggerOpenAtTheEndLeavesTheAlarmAsStored) {
    Add("still open", Sound(L"long.wav"), Daily);
    const std::vector<std::uint8_t> before = EncodeAlarms(list);
    list.CheckAlarms(*reminders);
    ASSERT_TRUE(list[0].triggered);
    reminders.reset();  // the program ends: windows first, then the list
    EXPECT_EQ(EncodeAlarms(list), before);
    reminders = std::make_unique<ReminderWindows>(nullptr);
}

// The clock's tick runs the check: an alarm due while the list was not armed
// fires on the first tick after arming, and the tick's periodic save runs too.
TEST_F(ReminderWindowTest, ClockTickRunsTheCheck) {
    testing_support::CleanRegistry registry;
    {
        Program program;
        program.Start();
        AlarmBook& book = program.Book();
        AlarmFields due = NewAlarmFields(Now());
        due.name = "due";
        due.reminder = "now";
        due.dateTime = Now();
        book.Add(due);
        SetClock(program.Saves().NextSaveTime());  // this tick saves
        {
            const auto editing = book.SuspendChecking();
            program.Clock().Tick();
            EXPECT_EQ(program.Reminders()->Count(), 0u);
            EXPECT_TRUE(testing_support::KeyExists(testing_support::kSettingsPath)) << "saved all the same";
        }
        program.Clock().Tick();
        EXPECT_EQ(program.Reminders()->Count(), 1u);
        program.Clock().Destroy();
    }
    testing_support::PumpPending();  // takes the clock's WM_QUIT
}

}  // namespace
}  // namespace quorvel
