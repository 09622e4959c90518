// The clock window's settings storage against the real registry of the test
// prefix: what a first start writes, what a save writes, how stored values (also
// missing, partial and wrongly typed ones) come back, the start-up entry, the
// periodic save and the save at log-off. Values are planted and checked with the
// plain registry functions.
// ctest: RUN_SERIAL (uses the program's own registry key and shows windows)
#include <windows.h>
#include <aclapi.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "alarms/alarm_book.h"
#include "alarms/alarm_registry.h"
#include "app/program.h"
#include "core/clock.h"
#include "harness/answers.h"
#include "harness/pump.h"
#include "harness/registry.h"

namespace quorvel {
namespace {

using Layer = FaceLabel;

using namespace testing_support;

const DateTime kStart = *EncodeDateTime({2026, 12, 7, 10, 5, 7, 0});
constexpr DateTime kSecond = 1.0 / 86400;
constexpr DateTime kPeriod = 1.0 / 720;  // 2 minutes

std::wstring StartupEntry() {
    const auto v = Find(kRunKeyWide, kStartupValueNameWide);
    return v ? std::wstring(reinterpret_cast<const wchar_t*>(v->bytes.data())) : L"(none)";
}

std::wstring QuotedExePath() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return L"\"" + std::wstring(path) + L"\"";
}

RECT WindowRect(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

// The stored DWORD of a settings value, or -1 when there is none.
long long Stored(const wchar_t* name) {
    const auto v = Find(kSettingsPath, name);
    if (!v || v->type != REG_DWORD) return -1;
    return *reinterpret_cast<const DWORD*>(v->bytes.data());
}

// The process's committed memory.
SIZE_T CommittedBytes() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    return counters.PrivateUsage;
}

int LargestMonitorHeight() {
    int tallest = 0;
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR, HDC, LPRECT r, LPARAM data) {
            *reinterpret_cast<int*>(data) = std::max<int>(*reinterpret_cast<int*>(data), r->bottom - r->top);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&tallest));
    return tallest;
}

// A complete, valid set of stored settings, none at its creation value.
std::vector<Value> FullSettings(bool hidden = false) {
    return {Text(L"TimeFormat", L"hh:mm"), Dword(L"WinLeft", 200),        Dword(L"WinTop", 300),
            Text(L"Font", L"Tahoma"),      Dword(L"FontSize", 20),        Dword(L"FontColor", 0x000000FF),
            Dword(L"FontStyle", 1),        Dword(L"Alpha", 200),          Dword(L"BackColor", 0x0000FF00),
            Dword(L"Background", 1),       Dword(L"Shadow", 0),           Dword(L"ShadowColor", 0x00FF0000),
            Dword(L"Hidden", hidden),      Dword(L"ShadowDepth", 5),      Dword(L"Outline", 1)};
}

class ClockSettings : public testing_support::AnsweredTest {
protected:
    void SetUp() override { SetClock(kStart); }
    void TearDown() override {
        program.reset();
        testing_support::PumpPending();
        ResetClock();
    }
    // The program as it starts: its settings loaded and applied.
    void Start() {
        program.emplace();
        program->Start();
    }
    ClockWindow& Form() { return program->Clock(); }
    // The texts of the message boxes shown so far.
    std::vector<std::string> Boxes() const {
        std::vector<std::string> texts;
        for (const ui::MessageBoxRequest& r : answers.boxes) texts.push_back(r.text);
        return texts;
    }

    CleanRegistry clean;
    std::optional<Program> program;
};

TEST_F(ClockSettings, AFirstStartWritesOnlyTheStartupEntryAndASaveWritesEverything) {
    Start();
    EXPECT_TRUE(answers.boxes.empty());
    EXPECT_FALSE(KeyExists(kSettingsPath)) << "the settings key is made by the first save";
    EXPECT_EQ(StartupEntry(), QuotedExePath());
    EXPECT_TRUE(Form().Visible());

    program->Saves().SaveAll();
    const std::vector<Value> expected = {
        Text(L"TimeFormat", L"hh:mm:ss"), Dword(L"WinLeft", 351),      Dword(L"WinTop", 174),
        Text(L"Font", L"Verdana"),        Dword(L"FontSize", 16),      Dword(L"FontColor", 0x00800000),
        Dword(L"FontStyle", 3),           Dword(L"Alpha", 128),        Dword(L"BackColor", 0),
        Dword(L"Background", 0),          Dword(L"Shadow", 1),         Dword(L"ShadowColor", 0x00C0C0C0),
        Dword(L"Hidden", 0),              Dword(L"ShadowDepth", 2),    Dword(L"Outline", 0),
        Dword(L"HideWhenFullScreen", 1),  Dword(L"FullScreenReminders", 0), Dword(L"ClickThrough", 0),
        Dword(L"ShowHideHotKey", 0)};
    EXPECT_EQ(ReadAll(kSettingsPath).size(), expected.size() + 2) << "and the alarm list with its options";
    for (const Value& e : expected) {
        const auto found = Find(kSettingsPath, e.name);
        ASSERT_TRUE(found);
        EXPECT_EQ(found->type, e.type);
        EXPECT_EQ(found->bytes, e.bytes);
    }
    EXPECT_TRUE(answers.boxes.empty());
}

TEST_F(ClockSettings, AStoredSetComesBackWholeAndSavesAsItWasRead) {
    const std::vector<Value> values = FullSettings();
    Plant(kSettingsPath, values);
    Start();
    EXPECT_TRUE(answers.boxes.empty());
    EXPECT_EQ(WindowRect(Form().Handle()).left, 200);
    EXPECT_EQ(WindowRect(Form().Handle()).top, 300);
    EXPECT_EQ(Form().TimeFormat(), "hh:mm");
    const FontSpec text{"Tahoma", 20, 0x000000FF, 1};
    EXPECT_EQ(Form().LabelFont(FaceLabel::Text), text);
    EXPECT_EQ(Form().LabelFont(FaceLabel::Outline), (FontSpec{"Tahoma", 20, 0x0000FF00, 1}))
        << "a copy of the text's font, in the window colour from the first showing on";
    EXPECT_EQ(Form().LabelFont(FaceLabel::Shadow), (FontSpec{"Tahoma", 20, 0x00FF0000, 1})) << "in the shadow colour";
    EXPECT_EQ(Form().Opacity(), 200);
    EXPECT_EQ(Form().BackgroundColour(), 0x0000FF00u);
    EXPECT_EQ(Form().ColourKey(), 0x0000FF00u) << "the key follows the window colour";
    EXPECT_FALSE(Form().ColourKeyOn());
    EXPECT_FALSE(Form().LabelVisible(FaceLabel::Shadow));
    EXPECT_EQ(Form().Label(FaceLabel::Shadow).Left(), 5) << "placed at the stored depth";
    EXPECT_TRUE(Form().LabelVisible(FaceLabel::Outline));

    Form().Show();
    program->Saves().SaveAll();
    for (const Value& e : values) EXPECT_EQ(Find(kSettingsPath, e.name)->bytes, e.bytes);
}

// A key with only what is stored beside the settings (the language, the alarm
// list of a clock that ended without its save) starts as a first start does.
TEST_F(ClockSettings, AKeyWithoutAnyClockSettingIsAFirstStartNotAnError) {
    Plant(kSettingsPath, {Text(L"Language", L"de")});
    Start();
    EXPECT_TRUE(answers.boxes.empty());
    EXPECT_EQ(StartupEntry(), QuotedExePath());
    EXPECT_EQ(Form().TimeFormat(), "hh:mm:ss");
}

TEST_F(ClockSettings, AKeyWithOnlyTimeFormatAndLeftAppliesTheLeftAndReportsTheRest) {
    Plant(kSettingsPath, {Text(L"TimeFormat", L"hh:mm"), Dword(L"WinLeft", 500)});
    Start();
    const std::vector<ui::MessageBoxRequest>& requests = answers.boxes;
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].text, "Error reading config");
    EXPECT_EQ(requests[0].caption, "Quorvel");
    EXPECT_EQ(requests[0].type, static_cast<UINT>(MB_OK)) << "plain: no icon";
    EXPECT_EQ(requests[0].owner, nullptr) << "centred on the screen";
    EXPECT_EQ(WindowRect(Form().Handle()).left, 500);
    EXPECT_EQ(WindowRect(Form().Handle()).top, 174);
    EXPECT_EQ(Form().TimeFormat(), "hh:mm:ss") << "read after WinTop, never reached";
    EXPECT_EQ(Form().LabelFont(FaceLabel::Text), (FontSpec{"Verdana", 16, kNavy, 3}));
    EXPECT_TRUE(Form().Visible()) << "starts visible";
}

TEST_F(ClockSettings, StoredValuesAreTakenAsTheProgramUsesThem) {
    struct Case {
        const char* what;
        std::vector<Value> changes;
        std::function<void(ClockWindow&)> check;
    };
    std::vector<Case> cases = {
        {"Alpha 300 is 44", {Dword(L"Alpha", 300)}, [](ClockWindow& f) { EXPECT_EQ(f.Opacity(), 44); }},
        {"FontStyle keeps its low byte", {Dword(L"FontStyle", 0x10B)},
         [](ClockWindow& f) { EXPECT_EQ(f.LabelFont(FaceLabel::Text).style, 0x0B); }},
        {"Background 0: see-through", {Dword(L"Background", 0)}, [](ClockWindow& f) { EXPECT_TRUE(f.ColourKeyOn()); }},
        {"any non-zero flag is true", {Dword(L"Background", 7), Dword(L"Outline", 2)},
         [](ClockWindow& f) { EXPECT_TRUE(!f.ColourKeyOn() && f.LabelVisible(FaceLabel::Outline)); }},
        {"Outline 0 leaves it hidden", {Dword(L"Outline", 0)}, [](ClockWindow& f) { EXPECT_FALSE(f.LabelVisible(FaceLabel::Outline)); }},
        {"a negative depth", {Dword(L"ShadowDepth", static_cast<DWORD>(-3))},
         [](ClockWindow& f) { EXPECT_EQ(f.Label(FaceLabel::Shadow).Left(), -3); }},
        {"an empty font name keeps Verdana", {Text(L"Font", L"")},
         [](ClockWindow& f) { EXPECT_EQ(f.LabelFont(FaceLabel::Text).name, "Verdana"); }},
        {"a long font name keeps 31 characters", {Text(L"Font", std::wstring(40, L'x'))},
         [](ClockWindow& f) { EXPECT_EQ(f.LabelFont(FaceLabel::Text).name, std::string(31, 'x')); }},
        {"an empty time format stays empty", {Text(L"TimeFormat", L"")}, [](ClockWindow& f) { EXPECT_EQ(f.TimeFormat(), ""); }},
    };
    // Hand-edited sizes are kept as they are, and the clock still ticks with them;
    // the text is never drawn taller than the tallest monitor, so a huge size
    // costs no more memory than a text that fills the screen.
    for (const std::int32_t size : {0, -12, 5000, 100000, INT32_MIN, INT32_MAX}) {
        cases.push_back({"an extreme font size", {Dword(L"FontSize", static_cast<DWORD>(size))}, [size](ClockWindow& f) {
                             EXPECT_EQ(f.LabelFont(FaceLabel::Shadow).size, size);
                             const SIZE_T before = CommittedBytes();
                             f.Show();
                             f.Tick();
                             UpdateWindow(f.Handle());
                             EXPECT_EQ(f.Label(FaceLabel::Text).Caption(), "10:05");
                             for (const FaceLabel layer : {FaceLabel::Shadow, FaceLabel::Text, FaceLabel::Outline}) {
                                 EXPECT_LE(f.Label(layer).Height(), LargestMonitorHeight());
                             }
                             EXPECT_LT(CommittedBytes() - std::min(before, CommittedBytes()), 100u << 20);
                         }});
    }
    // Extreme depths are kept (and saved) as they are; positions stay within reach.
    for (const std::int32_t depth : {INT32_MAX, INT32_MIN}) {
        cases.push_back({"an extreme shadow depth", {Dword(L"ShadowDepth", static_cast<DWORD>(depth))}, [depth](ClockWindow& f) {
                             EXPECT_EQ(f.ShadowDepth(), depth);
                             f.Show();
                             f.Tick();
                             EXPECT_EQ(f.Label(FaceLabel::Text).Caption(), "10:05");
                             EXPECT_EQ(f.Label(FaceLabel::Shadow).Left(), f.Label(FaceLabel::Text).Left() + (depth > 0 ? 30000 : -30000));
                         }});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DeleteClockRegistry();
        Plant(kSettingsPath, FullSettings());
        Plant(kSettingsPath, c.changes);
        Program p;
        p.Start();
        c.check(p.Clock());
    }
    // Written by a version without shadowDepth_ and Outline.
    DeleteClockRegistry();
    std::vector<Value> older = FullSettings();
    older.resize(13);
    Plant(kSettingsPath, older);
    Program p;
    p.Start();
    ClockWindow& f = p.Clock();
    EXPECT_EQ(f.ShadowDepth(), 2);
    EXPECT_EQ(f.Label(FaceLabel::Shadow).Left(), 2);
    EXPECT_FALSE(f.LabelVisible(FaceLabel::Outline));
    EXPECT_TRUE(answers.boxes.empty());
}

TEST_F(ClockSettings, AStoredHiddenStartsInTheTrayAndIsSavedAgain) {
    Plant(kSettingsPath, FullSettings(true));
    Start();
    EXPECT_TRUE(answers.boxes.empty());
    EXPECT_FALSE(Form().Visible());
    EXPECT_TRUE(program->Tray().Icon().Active());
    EXPECT_EQ(program->Menu().Caption(kHideCommand), "&Show");
    EXPECT_TRUE(Form().Ticking()) << "hidden, it ticks all the same: its alarms fire";
    program->Saves().SaveAll();
    EXPECT_EQ(Stored(L"Hidden"), 1);
}

// A value of the wrong type stops the load there: everything before it stays
// applied, nothing after it is, and one message says so.
TEST_F(ClockSettings, AWronglyTypedNumberStopsTheLoadAtThatValue) {
    using Applied = bool (*)(Program&);
    const std::pair<const wchar_t*, Applied> steps[] = {  // in reading order
        {L"WinLeft", [](Program& p) { ClockWindow& f = p.Clock(); return WindowRect(f.Handle()).left == 200; }},
        {L"WinTop", [](Program& p) { ClockWindow& f = p.Clock(); return WindowRect(f.Handle()).top == 300; }},
        {L"FontSize", [](Program& p) { ClockWindow& f = p.Clock(); return f.LabelFont(FaceLabel::Text).size == 20; }},
        {L"FontColor", [](Program& p) { ClockWindow& f = p.Clock(); return f.LabelFont(FaceLabel::Text).colour == 0xFF; }},
        {L"FontStyle", [](Program& p) { ClockWindow& f = p.Clock(); return f.LabelFont(FaceLabel::Text).style == 1; }},
        {L"Alpha", [](Program& p) { ClockWindow& f = p.Clock(); return f.Opacity() == 200; }},
        {L"BackColor", [](Program& p) { ClockWindow& f = p.Clock(); return f.BackgroundColour() == 0xFF00; }},
        {L"Background", [](Program& p) { ClockWindow& f = p.Clock(); return !f.ColourKeyOn(); }},
        {L"ShadowColor", [](Program& p) { ClockWindow& f = p.Clock(); return f.LabelFont(FaceLabel::Shadow).colour == 0xFF0000; }},
        {L"Shadow", [](Program& p) { ClockWindow& f = p.Clock(); return !f.LabelVisible(FaceLabel::Shadow); }},
        {L"ShadowDepth", [](Program& p) { ClockWindow& f = p.Clock(); return f.ShadowDepth() == 5; }},
        {L"Outline", [](Program& p) { ClockWindow& f = p.Clock(); return f.LabelVisible(FaceLabel::Outline); }},
        {L"Hidden", [](Program& p) { return !p.Clock().Visible() && p.Tray().Icon().Active(); }},
    };
    const std::size_t count = std::size(steps);
    for (std::size_t bad = 0; bad < count; ++bad) {
        for (const Value& wrong : {Text(steps[bad].first, L"1"), Value{steps[bad].first, REG_BINARY, {1, 0, 0, 0}}}) {
            SCOPED_TRACE(testing::Message() << "value " << bad << " of type " << wrong.type);
            DeleteClockRegistry();
            Plant(kSettingsPath, FullSettings(true));
            Plant(kSettingsPath, {wrong});
            answers.boxes.clear();
            Program p;
            p.Start();
            EXPECT_EQ(Boxes(), std::vector<std::string>{"Error reading config"});
            for (std::size_t i = 0; i < count; ++i) EXPECT_EQ(steps[i].second(p), i < bad) << "value " << i;
            // The shadow stands at the depth read, or at its first place.
            EXPECT_EQ(p.Clock().Label(FaceLabel::Shadow).Left(), bad > 10 ? 5 : 2);
        }
    }
}

TEST_F(ClockSettings, TheStartupEntryFollowsTheProgramAndItsOption) {
    Plant(kSettingsPath, FullSettings());  // not a first start
    Plant(kRunKeyWide, {Text(kStartupValueNameWide, L"\"C:\\Old place\\Quorvel.exe\"")});
    Start();
    EXPECT_EQ(StartupEntry(), QuotedExePath()) << "rewritten with this executable's path";

    program->Commands().SetStartupEntry(false);
    EXPECT_EQ(StartupEntry(), L"(none)");
    EXPECT_FALSE(program->Commands().StartupEntryExists());
    program->Commands().SetStartupEntry(false);  // unticking with no entry: no message
    {
        Program again;
        again.Start();
        EXPECT_EQ(StartupEntry(), L"(none)") << "a missing entry stays missing";
    }
    Plant(kRunKeyWide, {Dword(kStartupValueNameWide, 1)});
    EXPECT_TRUE(program->Commands().StartupEntryExists()) << "of any type";
    EXPECT_TRUE(answers.boxes.empty());
}

TEST_F(ClockSettings, AClockOffEveryScreenComesBackToItsFirstPlace) {
    std::vector<Value> values = FullSettings();
    values[1] = Dword(L"WinLeft", 5000);
    values[2] = Dword(L"WinTop", static_cast<DWORD>(-3000));
    Plant(kSettingsPath, values);
    Start();
    EXPECT_EQ(WindowRect(Form().Handle()).left, 351);
    EXPECT_EQ(WindowRect(Form().Handle()).top, 174);
    EXPECT_EQ(Form().LabelFont(FaceLabel::Text).size, 20) << "nothing else changes";
    EXPECT_EQ(Stored(L"WinLeft"), 5000) << "stored until the next save";

    values[1] = Dword(L"WinLeft", static_cast<DWORD>(-100));  // partly on the screen is on it
    values[2] = Dword(L"WinTop", 20);
    Plant(kSettingsPath, values);
    Program edge;
    edge.Start();
    EXPECT_EQ(WindowRect(edge.Clock().Handle()).left, -100);
}

TEST_F(ClockSettings, ThePeriodicSaveComesEveryTwoMinutesAfterTheLastOne) {
    Start();
    Form().Show();
    EXPECT_DOUBLE_EQ(program->Saves().NextSaveTime(), kStart + kPeriod);
    SetClock(kStart + kPeriod - kSecond);
    Form().Tick();
    EXPECT_FALSE(KeyExists(kSettingsPath));
    SetClock(program->Saves().NextSaveTime());  // not earlier: due
    Form().Tick();
    EXPECT_TRUE(KeyExists(kSettingsPath));
    EXPECT_DOUBLE_EQ(program->Saves().NextSaveTime(), kStart + 2 * kPeriod);

    program->Tray().ToggleHidden();  // the tick goes on while hidden
    SetClock(program->Saves().NextSaveTime());
    Form().Tick();
    EXPECT_EQ(Stored(L"Hidden"), 1);
    EXPECT_TRUE(answers.boxes.empty());
}

// A save that cannot write is told once, and again only after a save has worked since.
TEST_F(ClockSettings, AFailedPeriodicSaveShowsOneMessageWhileTicksGoOn) {
    Start();
    Form().Show();
    std::optional<LockedKey> locked(std::in_place);
    ASSERT_FALSE(Plant(kSettingsPath, {})) << "the key is locked";

    const DateTime due = program->Saves().NextSaveTime();
    answers.whileBoxIsOpen = [&](const ui::MessageBoxRequest&) {
        for (int i = 1; i <= 8; ++i) {  // the user has not answered yet; the clock ticks on
            SetClock(due + i * kSecond);
            Form().Tick();
        }
    };
    SetClock(due);
    Form().Tick();
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Error writing config to the registry"});
    EXPECT_DOUBLE_EQ(program->Saves().NextSaveTime(), due + 8 * kSecond + kPeriod) << "2 minutes after the save returned";
    answers.whileBoxIsOpen = nullptr;
    SetClock(program->Saves().NextSaveTime());
    Form().Tick();
    EXPECT_EQ(answers.boxes.size(), 1u) << "tried again 2 minutes later, not told again";
    locked.reset();
    program->Saves().SaveAll();
    EXPECT_EQ(Stored(L"WinLeft"), WindowRect(Form().Handle()).left) << "the next save writes everything";
    locked.emplace();
    program->Saves().SaveAll();
    EXPECT_EQ(answers.boxes.size(), 2u) << "a failure after a save that worked is told";
}

// A firing alarm whose reminder window cannot be made stays due; the user is
// told once, not at every tick, and the tick's periodic save still runs.
TEST_F(ClockSettings, AReminderThatCannotBeMadeIsToldOnceAndTheTickStillSaves) {
    struct NoWindows final : ReminderFactory {
        ReminderLink& CreateReminder() override { throw std::runtime_error("Error creating window handle"); }
        ReminderLink* OpenReminderOf(AlarmId) override { return nullptr; }
    } noWindows;
    Start();
    program->Book().SetReminders(&noWindows);
    AlarmFields due = NewAlarmFields(kStart);
    due.dateTime = kStart;
    program->Book().Add(due);
    Form().Show();
    for (int tick = 0; tick < 3; ++tick) {
        SetClock(program->Saves().NextSaveTime());
        Form().Tick();
    }
    ASSERT_EQ(answers.boxes.size(), 1u);
    EXPECT_EQ(answers.boxes[0].caption, "ERROR showing reminder");
    EXPECT_NE(answers.boxes[0].text.find("Error creating window handle"), std::string::npos);
    EXPECT_EQ(Stored(L"WinLeft"), WindowRect(Form().Handle()).left) << "the periodic save ran";
    EXPECT_TRUE(Find(kSettingsPath, L"Alarms"));
    EXPECT_FALSE(program->Book().Alarms()[0].triggered) << "still due";
    program->Book().SetReminders(nullptr);
}

TEST_F(ClockSettings, LogOffAndClosingSave) {
    Start();
    Form().Show();
    SetWindowPos(Form().Handle(), nullptr, 420, 240, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(Form().Handle(), WM_ENDSESSION, FALSE, 0);  // the session goes on
    EXPECT_FALSE(KeyExists(kSettingsPath));
    SendMessageW(Form().Handle(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(Stored(L"WinLeft"), 420);
    EXPECT_TRUE(IsWindow(Form().Handle())) << "log-off does not close the window";

    SetWindowPos(Form().Handle(), nullptr, 430, 250, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(Form().Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(Stored(L"WinLeft"), 430);
    EXPECT_EQ(Stored(L"WinTop"), 250);
    EXPECT_EQ(Stored(L"Hidden"), 0);
    EXPECT_TRUE(answers.boxes.empty());
}

}  // namespace
}  // namespace quorvel
