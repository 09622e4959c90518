// The alarms window, real and hidden or shown, driven through its commands
// (WM_COMMAND of the toolbar and menu), list-view notifications and an editor
// stand-in; the list is stored in the prefix's real registry.
// ctest: RUN_SERIAL (uses the program's own registry key and shows windows)
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <functional>
#include <string>
#include <vector>

#include "alarms/alarm_book.h"
#include "alarms/alarm_codec.h"
#include "alarms/alarm_registry.h"
#include "app/program.h"
#include "core/clock.h"
#include "core/format/time_format.h"
#include "harness/alarm_windows.h"
#include "harness/answers.h"
#include "harness/pump.h"
#include "harness/registry.h"
#include "platform/user_locale.h"
#include "windows/alarms/alarms_window.h"

namespace quorvel {
namespace {

using namespace testing_support;
using Window = AlarmsWindow;

const DateTime kStart = *EncodeDateTime({2026, 12, 7, 10, 5, 7, 0});

// An editor that answers as a user would, by a function the test sets.
struct ScriptedEditor : AlarmEditing {
    explicit ScriptedEditor(const AlarmBook& alarms) : book(alarms) {}
    const AlarmBook& book;
    std::function<bool(AlarmFields&)> answer = [](AlarmFields&) { return false; };
    int calls = 0;
    bool checkingWhileOpen = true;
    bool EditAlarm(AlarmFields& draft) override {
        ++calls;
        checkingWhileOpen = book.Checking();
        return answer(draft);
    }
    // OK after renaming the alarm.
    void Names(std::string name) {
        answer = [name](AlarmFields& alarm) {
            alarm.name = name;
            return true;
        };
    }
};

class AlarmsWindowTest : public AnsweredTest {
protected:
    void SetUp() override {
        SetClock(kStart);
        book.SetReminders(&reminders);
        // As the program wires it: the list is saved as the window closes.
        window.onClosing = [this] { (void)book.Save(); };
    }
    void TearDown() override {
        window.Destroy();
        ResetClock();
    }

    // Creates the window and loads the stored list as the program's start
    // does, then shows the window.
    void Open() {
        window.Create();
        if (const auto failure = book.Load()) ShowAlarmLoadFailure(book, *failure, window.Handle());
        book.StartChecking();
        window.Show();
    }
    Alarm& Add(const std::string& name, DateTime when = kStart + 1) {
        AlarmFields fields = NewAlarmFields(kStart);
        fields.name = name;
        fields.dateTime = when;
        return *book.Find(book.Add(fields));
    }
    void Command(int id) { SendMessageW(window.Handle(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }
    // Close is posted: it runs once the command has returned.
    void CloseWindow() {
        Command(Window::kCloseCommand);
        PumpPending();
    }
    void SelectRow(int row) { window.ListView().Select(row); }
    void DoubleClick() {
        NMITEMACTIVATE click{};
        click.hdr.hwndFrom = window.ListView().Handle();
        click.hdr.idFrom = Window::kListView;
        click.hdr.code = NM_DBLCLK;
        click.iItem = window.ListView().Selected();
        SendMessageW(window.Handle(), WM_NOTIFY, Window::kListView, reinterpret_cast<LPARAM>(&click));
    }
    std::vector<std::string> Column(int column) {
        std::vector<std::string> cells;
        for (int row = 0; row < window.ListView().Count(); ++row) cells.push_back(window.ListView().ItemText(row, column));
        return cells;
    }
    std::vector<std::string> ListNames() {
        std::vector<std::string> names;
        for (std::size_t i = 0; i < book.Alarms().Count(); ++i) names.push_back(book.Alarms()[i].name);
        return names;
    }
    std::string SelectedName() {
        const int row = window.ListView().Selected();
        return row < 0 ? "<none>" : window.ListView().ItemText(row, Window::kNameColumn);
    }
    // The state of one command in all three places: action, toolbar button, menu item.
    struct CommandState {
        bool enabled;
        bool checked;
    };
    CommandState State(int id) {
        const HWND toolBar = GetDlgItem(window.Handle(), Window::kToolBar);
        const bool buttonEnabled = SendMessageW(toolBar, TB_ISBUTTONENABLED, id, 0) != 0;
        const bool buttonChecked = SendMessageW(toolBar, TB_ISBUTTONCHECKED, id, 0) != 0;
        const UINT menu = GetMenuState(window.PopupMenu(), id, MF_BYCOMMAND);
        const bool menuEnabled = !(menu & (MF_GRAYED | MF_DISABLED));
        const bool menuChecked = (menu & MF_CHECKED) != 0;
        EXPECT_EQ(buttonEnabled, menuEnabled) << "command " << id;
        EXPECT_EQ(buttonChecked, menuChecked) << "command " << id;
        return {buttonEnabled, buttonChecked};
    }
    void ExpectSelectionCommands(bool enabled) {
        for (const int id : {Window::kEditCommand, Window::kDeleteCommand, Window::kEnableCommand}) {
            EXPECT_EQ(State(id).enabled, enabled) << "command " << id;
        }
        EXPECT_TRUE(State(Window::kAddCommand).enabled);
        EXPECT_TRUE(State(Window::kCloseCommand).enabled);
    }
    std::vector<std::uint8_t> Stored(const wchar_t* name = L"Alarms") {
        const auto value = Find(kSettingsPath, name);
        return value ? value->bytes : std::vector<std::uint8_t>{};
    }

    CleanRegistry clean;
    RegistryAlarmStorage storage;
    AlarmBook book{storage};  // outlives its reminders
    FakeReminders reminders;
    ScriptedEditor editor{book};
    Window window{book, editor};
};

TEST_F(AlarmsWindowTest, StartsHiddenInItsPlaceWithAnEmptyTableAndOnlyAddAndClose) {
    window.Create();
    EXPECT_FALSE(IsWindowVisible(window.Handle()));
    RECT r{};
    GetWindowRect(window.Handle(), &r);
    EXPECT_EQ(r.left, 649);
    EXPECT_EQ(r.top, 288);
    wchar_t caption[64] = {};
    GetWindowTextW(window.Handle(), caption, 64);
    EXPECT_STREQ(caption, L"Alarms and reminders");
    EXPECT_TRUE(answers.boxes.empty());

    window.Show();
    EXPECT_TRUE(IsWindowVisible(window.Handle()));
    EXPECT_EQ(window.ListView().Count(), 0);
    ExpectSelectionCommands(false);
    EXPECT_EQ(SendMessageW(GetDlgItem(window.Handle(), Window::kToolBar), TB_BUTTONCOUNT, 0, 0), 6);
    EXPECT_EQ(GetMenuItemCount(window.PopupMenu()), 5);
}

TEST_F(AlarmsWindowTest, AddSortsTheTableByNameWhileTheListKeepsItsOrder) {
    Open();
    // Cancel: the new alarm goes again and the table is as it was.
    Command(Window::kAddCommand);
    EXPECT_EQ(editor.calls, 1);
    EXPECT_FALSE(editor.checkingWhileOpen);
    EXPECT_TRUE(book.Checking());
    EXPECT_EQ(book.Alarms().Count(), 0u);
    EXPECT_EQ(window.ListView().Count(), 0);

    editor.Names("b");
    Command(Window::kAddCommand);
    editor.Names("a");
    Command(Window::kAddCommand);
    editor.Names("B");
    Command(Window::kAddCommand);
    EXPECT_EQ(Column(Window::kNameColumn), (std::vector<std::string>{"a", "b", "B"}));
    EXPECT_EQ(ListNames(), (std::vector<std::string>{"b", "a", "B"}));

    CloseWindow();
    EXPECT_FALSE(IsWindowVisible(window.Handle()));
    EXPECT_EQ(Stored(), EncodeAlarms(book.Alarms())) << "closing saves the list in its own order";
}

// The editor of Add works on a draft: until OK nothing holds it, so a table
// rebuilt or a list saved meanwhile never shows it, and Cancel leaves no row
// behind. Every row stays the alarm it names.
TEST_F(AlarmsWindowTest, ANewAlarmJoinsTheListOnlyWhenItsEditorSaysOk) {
    Add("a");
    Alarm& b = Add("b", kStart - 1.0 / 24);
    b.repeat = RepeatKind::Hourly;
    Add("c");
    Open();
    book.CheckAlarms();
    ASSERT_EQ(reminders.Fired(), std::vector<std::string>{"b"});
    editor.answer = [&](AlarmFields& draft) {
        EXPECT_EQ(draft.name, "Noname");
        EXPECT_EQ(ListNames(), (std::vector<std::string>{"a", "b", "c"})) << "the draft is not in the list";
        reminders.windows[0].PressOk();  // b's trigger ends: the table is rebuilt while the editor is open
        EXPECT_EQ(Column(Window::kNameColumn), (std::vector<std::string>{"a", "b", "c"}));
        (void)book.Save();  // the clock's periodic save
        return false;
    };
    Command(Window::kAddCommand);
    EXPECT_EQ(Stored(), EncodeAlarms(book.Alarms())) << "saved without the draft";
    EXPECT_EQ(Column(Window::kNameColumn), (std::vector<std::string>{"a", "b", "c"}));
    for (int row = 0; row < 3; ++row) {
        SelectRow(row);
        ASSERT_NE(window.SelectedAlarm(), nullptr) << row;
        EXPECT_EQ(window.SelectedAlarm()->name, window.ListView().ItemText(row, Window::kNameColumn));
    }
    SelectRow(1);
    Command(Window::kDeleteCommand);
    EXPECT_EQ(ListNames(), (std::vector<std::string>{"a", "c"})) << "Delete takes the alarm its row shows";
}

TEST_F(AlarmsWindowTest, CellsShowEveryField) {
    const FormatSettings locale = ReadUserFormatSettings();
    const DateTime midnight = *EncodeDateTime({2024, 3, 1, 0, 0, 0, 0});
    struct Case {
        std::string name;
        DateTime when;
        bool enabled;
        std::string sound, reminder;
        int repeat;
        std::vector<std::string> cells;  // Enabled, Date / Time, Repeat, Sound, Reminder
        std::uint8_t days = kEveryDay;
    };
    const std::string date = FormatDateTime(locale.shortDateFormat, midnight, locale);
    const std::vector<Case> cases = {
        {"a midnight", midnight, true, "", "", 0, {"Yes", date, "No repeat", "-", "-"}},
        {"b midnight and a bit", midnight + 999.0 / 86400000, false, "", "", 6, {"No", date, "Daily", "-", "-"}},
        {"c one second", midnight + 1.0 / 86400, true, "C:\\bell.wav", "Tea", 9,
         {"Yes", date + " " + FormatDateTime(locale.longTimeFormat, midnight + 1.0 / 86400, locale), "Annualy",
          "C:\\bell.wav", "Tea"}},
        {"d damaged", midnight, true, "", "", 200, {"Yes", date, "Unknown (200)", "-", "-"}},
        {"e workdays", midnight, true, "", "", 6, {"Yes", date, "Daily (Mon-Fri)", "-", "-"}, 0x1F},
    };
    for (const Case& c : cases) {
        Alarm& alarm = Add(c.name, c.when);
        alarm.options.days = c.days;
        alarm.enabled = c.enabled;
        alarm.sound = c.sound;
        alarm.reminder = c.reminder;
        alarm.repeat = static_cast<RepeatKind>(c.repeat);
    }
    Open();
    ASSERT_EQ(window.ListView().Count(), static_cast<int>(cases.size()));
    for (int row = 0; row < static_cast<int>(cases.size()); ++row) {
        std::vector<std::string> cells;
        for (int column = Window::kEnabledColumn; column <= Window::kReminderColumn; ++column) {
            cells.push_back(window.ListView().ItemText(row, column));
        }
        EXPECT_EQ(cells, cases[row].cells) << cases[row].name;
    }
    EXPECT_FALSE(date.empty());
}

TEST_F(AlarmsWindowTest, TheSelectionFollowsItsAlarmThenThePosition) {
    Add("a");
    Add("b");
    Add("c");
    Open();
    SelectRow(1);
    EXPECT_EQ(window.SelectedAlarm(), &book.Alarms()[1]);
    ExpectSelectionCommands(true);

    // Renamed to the end of the table: its row stays selected, so Delete
    // removes the alarm the user sees selected.
    editor.Names("z");
    Command(Window::kEditCommand);
    EXPECT_EQ(Column(Window::kNameColumn), (std::vector<std::string>{"a", "c", "z"}));
    EXPECT_EQ(SelectedName(), "z");
    Command(Window::kDeleteCommand);
    EXPECT_EQ(ListNames(), (std::vector<std::string>{"a", "c"}));
    EXPECT_TRUE(answers.boxes.empty()) << "no question";
    // The deleted alarm was the last row: nothing is selected now.
    EXPECT_EQ(SelectedName(), "<none>");
    EXPECT_EQ(window.SelectedAlarm(), nullptr);
    ExpectSelectionCommands(false);

    // A deleted middle row hands the selection to the row that takes its place.
    Add("b");
    SelectRow(1);
    Command(Window::kDeleteCommand);
    EXPECT_EQ(SelectedName(), "c");
    EXPECT_EQ(window.SelectedAlarm(), &book.Alarms()[1]);

    // Edit and Delete without a selection do nothing.
    SelectRow(-1);
    const int calls = editor.calls;
    window.OnEditCommand();
    window.OnDeleteCommand();
    EXPECT_EQ(editor.calls, calls);
    EXPECT_EQ(book.Alarms().Count(), 2u);
}

TEST_F(AlarmsWindowTest, EnabledFlipsTheCellTheMenuCheckAndTheButton) {
    Add("a");
    Open();
    SelectRow(0);
    EXPECT_TRUE(State(Window::kEnableCommand).checked);
    Command(Window::kEnableCommand);
    EXPECT_FALSE(book.Alarms()[0].enabled);
    EXPECT_EQ(window.ListView().ItemText(0, Window::kEnabledColumn), "No");
    EXPECT_FALSE(State(Window::kEnableCommand).checked);
    Command(Window::kEnableCommand);
    EXPECT_TRUE(book.Alarms()[0].enabled);
    EXPECT_EQ(window.ListView().ItemText(0, Window::kEnabledColumn), "Yes");
    EXPECT_TRUE(State(Window::kEnableCommand).checked);
    EXPECT_EQ(SelectedName(), "a");
}

TEST_F(AlarmsWindowTest, DoubleClickEditsOnlyWithASelectedRow) {
    Add("a");
    Open();
    SelectRow(-1);
    DoubleClick();
    EXPECT_EQ(editor.calls, 0);
    SelectRow(0);
    std::string edited;
    editor.answer = [&](AlarmFields& alarm) {
        edited = alarm.name;
        return false;
    };
    DoubleClick();
    EXPECT_EQ(editor.calls, 1);
    EXPECT_EQ(edited, "a");
}

TEST_F(AlarmsWindowTest, ReopeningShowsAlarmsChangedWhileHidden) {
    Alarm& hourly = Add("hourly", kStart - 1.0 / 24);
    hourly.repeat = RepeatKind::Hourly;
    Add("gone").repeat = RepeatKind::DeleteAfterTrigger;
    Open();
    CloseWindow();
    EXPECT_EQ(Stored(), EncodeAlarms(book.Alarms()));
    // Triggers end while the window is hidden.
    book.Alarms()[1].Rearm();
    hourly.Rearm();
    window.Show();
    EXPECT_EQ(Column(Window::kNameColumn), (std::vector<std::string>{"hourly"}));
    EXPECT_EQ(window.ListView().ItemText(0, Window::kDateTimeColumn),
              Window::DateTimeCell(kStart, ReadUserFormatSettings()));
    // While visible, a re-arm rebuilds the table at once.
    hourly.Rearm();
    EXPECT_EQ(window.ListView().ItemText(0, Window::kDateTimeColumn),
              Window::DateTimeCell(kStart + 1.0 / 24, ReadUserFormatSettings()));
}

// The program's own alarms window, made when the command first asks for it.
TEST_F(AlarmsWindowTest, TheClocksCommandShowsItAndItsTickChecksTheAlarms) {
    Program program;
    program.Start();
    AlarmBook& own = program.Book();
    own.SetReminders(&reminders);
    for (const auto& [name, when] : {std::pair{"due", kStart}, std::pair{"later", kStart + 1.0 / 86400}}) {
        AlarmFields fields = NewAlarmFields(kStart);
        fields.name = name;
        fields.dateTime = when;
        own.Add(fields);
    }
    program.Clock().Tick();
    EXPECT_EQ(reminders.Fired(), std::vector<std::string>{"due"});

    EXPECT_EQ(program.Windows().MadeAlarms(), nullptr);
    SendMessageW(program.Clock().Handle(), WM_COMMAND, MAKEWPARAM(kAlarmsCommand, 0), 0);
    const AlarmsWindow* shown = program.Windows().MadeAlarms();
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(IsWindowVisible(shown->Handle()));
    EXPECT_EQ(program.Windows().MadeAlarms()->ListView().ItemText(1, Window::kNameColumn), "later");
    own.SetReminders(nullptr);
    program.Clock().Destroy();
    PumpPending();  // takes the clock's WM_QUIT
}

// ---- The keyboard and the menu -------------------------------------------------

// A key as the list gets it from the message loop, with the modifiers held.
void PressInList(Window& window, UINT vk, std::initializer_list<UINT> held = {}) {
    BYTE keys[256] = {};
    for (UINT modifier : held) keys[modifier] = 0x80;
    SetKeyboardState(keys);
    const bool alt = std::find(held.begin(), held.end(), UINT(VK_MENU)) != held.end();
    MSG msg{window.ListView().Handle(), alt ? UINT(WM_SYSKEYDOWN) : UINT(WM_KEYDOWN), vk, alt ? (1 << 29) : 0, 0, {}};
    ui::DispatchOne(msg);
    PumpPending();
    BYTE none[256] = {};
    SetKeyboardState(none);
}

// The keys every Windows list answers, the window's Ctrl+N and Escape, and
// Alt with a command's underlined letter.
TEST_F(AlarmsWindowTest, TheListAnswersTheKeysOfAWindowsList) {
    struct Case {
        const char* keys;
        UINT vk;
        std::initializer_list<UINT> held;
        int editorCalls;         // the editor opened (Add, Edit)
        std::size_t alarmsLeft;  // of a, b after the key
        bool bEnabled;           // the selected alarm, b
        bool visible;
    };
    const Case cases[] = {
        {"Enter edits", VK_RETURN, {}, 1, 2, true, true},
        {"Insert adds", VK_INSERT, {}, 1, 3, true, true},
        {"Ctrl+N adds", 'N', {VK_CONTROL}, 1, 3, true, true},
        {"Alt+A adds", 'A', {VK_MENU}, 1, 3, true, true},
        {"Alt+E edits", 'E', {VK_MENU}, 1, 2, true, true},
        {"Delete deletes", VK_DELETE, {}, 0, 1, true, true},
        {"Space switches Enabled", VK_SPACE, {}, 0, 2, false, true},
        {"Alt+N switches Enabled", 'N', {VK_MENU}, 0, 2, false, true},
        {"Escape closes", VK_ESCAPE, {}, 0, 2, true, false},
    };
    Add("a");
    Add("b");
    Open();
    for (const Case& c : cases) {
        while (book.Alarms().Count() > 2) book.Delete(book.Alarms()[2].Id());
        if (book.Alarms().Count() < 2) Add("b");
        book.SetEnabled(book.Alarms()[1].Id(), true);
        window.Show();
        SelectRow(1);
        editor.calls = 0;
        std::string edited;
        editor.answer = [&](AlarmFields& draft) {
            edited = draft.name;
            return true;
        };
        PressInList(window, c.vk, c.held);
        EXPECT_EQ(editor.calls, c.editorCalls) << c.keys;
        EXPECT_EQ(book.Alarms().Count(), c.alarmsLeft) << c.keys;
        if (c.editorCalls && c.alarmsLeft == 2) EXPECT_EQ(edited, "b") << c.keys;
        if (book.Alarms().Count() >= 2) EXPECT_EQ(book.Alarms()[1].enabled, c.bEnabled) << c.keys;
        EXPECT_EQ(IsWindowVisible(window.Handle()) != FALSE, c.visible) << c.keys;
    }
    // Typing a name's first letters selects it.
    window.Show();
    SelectRow(1);
    SendMessageW(window.ListView().Handle(), WM_CHAR, 'A', 1);
    EXPECT_EQ(SelectedName(), "a");
}

// Every item has an access letter and its image from the toolbar's images,
// greyed while the command is disabled.
TEST_F(AlarmsWindowTest, MenuItemsHaveAccessLettersAndImages) {
    Open();
    const HMENU menu = window.PopupMenu();
    const std::vector<std::wstring> expected = {L"&Add", L"&Edit", L"&Delete", L"E&nabled", L"&Close"};
    int size = 0, height = 0;
    ASSERT_TRUE(ui::comctl::ImageList_GetIconSize(window.Images(), &size, &height));
    const HDC dc = CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HBITMAP canvas = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(dc, canvas);
    auto drawn = [&](UINT id, UINT state) {
        std::fill_n(static_cast<std::uint32_t*>(bits), size * size, 0x00FFFFFFu);
        DRAWITEMSTRUCT item{ODT_MENU, 0, id, ODA_DRAWENTIRE, state, reinterpret_cast<HWND>(menu), dc,
                            {0, 0, size, size}, 0};
        EXPECT_TRUE(SendMessageW(window.Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item)));
        return std::vector<std::uint32_t>(static_cast<std::uint32_t*>(bits),
                                          static_cast<std::uint32_t*>(bits) + size * size);
    };
    const std::vector<std::uint32_t> blank(static_cast<std::size_t>(size * size), 0x00FFFFFFu);
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[32] = {};
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_STRING | MIIM_BITMAP | MIIM_ID;
        item.dwTypeData = text;
        item.cch = 32;
        ASSERT_TRUE(GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &item));
        EXPECT_EQ(text, expected[static_cast<std::size_t>(i)]);
        EXPECT_EQ(item.hbmpItem, HBMMENU_CALLBACK) << i;
        MEASUREITEMSTRUCT measure{ODT_MENU, 0, item.wID, 0, 0, 0};
        EXPECT_TRUE(SendMessageW(window.Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)));
        EXPECT_EQ(measure.itemWidth, static_cast<UINT>(size)) << i;
        const auto normal = drawn(item.wID, 0);
        EXPECT_NE(normal, blank) << "an image is drawn for item " << i;
        EXPECT_NE(drawn(item.wID, ODS_GRAYED), normal) << "and greyed when disabled, item " << i;
    }
    SelectObject(dc, old);
    DeleteObject(canvas);
    DeleteDC(dc);
}

// ---- A list that failed to load --------------------------------------------------

// One alarm Tea, its record cut short after the date: "Stream read error".
const std::vector<std::uint8_t> kDamaged = {0x02, 0x02, 0x06, 0x03, 'T', 'e', 'a', 0x06, 0x00, 0x06, 0x00,
                                            0x05, 0x00, 0xA8, 0xAA, 0xAA, 0xAA, 0x5A, 0x28, 0xB1, 0x0E, 0x40,
                                            0x02, 0x06, 0x09, 0x06, 0x00, 0x06};

// The start's error box says the stored value is kept; the end of a firing is a
// change of the list, so the next save keeps the damaged bytes, then writes it.
TEST_F(AlarmsWindowTest, ALoadFailureIsShownAndTheStoredValueKeptUntilAFiringEnds) {
    ASSERT_TRUE(Plant(kSettingsPath, {{L"Alarms", REG_BINARY, kDamaged}}));
    SetClock(*EncodeDateTime({2024, 3, 1, 8, 30, 0, 0}));
    Open();
    ASSERT_EQ(answers.boxes.size(), 1u);
    EXPECT_EQ(answers.boxes[0].text, std::string("Stream read error\r\n") + kStoredAlarmsKeptNote);
    EXPECT_EQ(answers.boxes[0].caption, "ERROR loading data from the registry");
    EXPECT_EQ(answers.boxes[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
    EXPECT_EQ(ListNames(), (std::vector<std::string>{"Tea", "Noname"}));

    CloseWindow();
    EXPECT_EQ(Stored(), kDamaged);
    EXPECT_FALSE(Find(kSettingsPath, L"AlarmsDamaged"));

    // Tea (daily, due now) fires; OK moves it a day on.
    book.CheckAlarms();
    ASSERT_EQ(reminders.Fired(), (std::vector<std::string>{"Tea"}));
    reminders.windows[0].PressOk();
    (void)book.Save();
    EXPECT_EQ(Stored(L"AlarmsDamaged"), kDamaged);
    EXPECT_EQ(Find(kSettingsPath, L"AlarmsDamaged")->type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(Stored(), EncodeAlarms(book.Alarms()));
    EXPECT_EQ(answers.boxes.size(), 1u);
}

}  // namespace
}  // namespace quorvel
