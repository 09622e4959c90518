// The clock window's commands in-process: what the text answers to the
// pointer, the wheel, the pop-up menu and its shortcuts, hiding to and showing
// from the tray, and Exit. The real pointer, keyboard and tray are driven from
// outside in tests/e2e/clock_commands.sh.
// ctest: RUN_SERIAL (moves the pointer, opens menus, uses the program's registry key)
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "alarms/alarm_book.h"
#include "alarms/alarm_codec.h"
#include "alarms/alarm_message.h"
#include "alarms/alarm_registry.h"
#include "app/program.h"
#include "windows/settings/settings_window.h"
#include "core/clock.h"
#include "harness/alarm_windows.h"
#include "harness/answers.h"
#include "harness/pump.h"
#include "harness/registry.h"

namespace quorvel {
namespace {

using namespace std::chrono_literals;
using Layer = FaceLabel;

const DateTime kStart = *EncodeDateTime({2026, 12, 7, 10, 5, 7, 0});

RECT WindowRect(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

LPARAM Point(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(static_cast<SHORT>(x)), static_cast<WORD>(static_cast<SHORT>(y)));
}

// The menu a command opened: where it showed, read and then closed from inside
// the menu's own loop.
struct OpenedMenu {
    bool seen = false;
    RECT rect{};
};
OpenedMenu* watching = nullptr;

void CALLBACK CloseOpenMenu(HWND, UINT, UINT_PTR id, DWORD) {
    if (HWND menu = FindWindowW(L"#32768", nullptr); menu && IsWindowVisible(menu)) {
        watching->seen = true;
        GetWindowRect(menu, &watching->rect);
        KillTimer(nullptr, id);
        EndMenu();
    }
}

OpenedMenu WhileMenuIsOpen(const std::function<void()>& open) {
    OpenedMenu opened;
    watching = &opened;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, CloseOpenMenu);
    open();  // returns when the menu has closed
    KillTimer(nullptr, timer);
    watching = nullptr;
    return opened;
}

class ClockCommands : public testing_support::AnsweredTest {
protected:
    void SetUp() override { SetClock(kStart); }
    void TearDown() override {
        program.reset();
        testing_support::PumpPending();
        ResetClock();
        EXPECT_TRUE(answers.boxes.empty());
    }
    ClockWindow& Form() { return program->Clock(); }
    // The program as it starts, not yet shown: it shows itself unless hidden.
    void Start() {
        if (!program) program.emplace();
        program->Start();
    }
    void CreateShown() {
        Start();
        Form().Show();
        Form().Tick();  // the text, and the window sized to it
    }
    // The settings of a clock saved while hidden, as the next start finds them.
    static void SaveHiddenClock() {
        Program saver;
        saver.Start();
        saver.Clock().Hide();
        saver.Saves().SaveAll();
    }
    void Wheel(int delta) {
        SendMessageW(Form().Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(static_cast<SHORT>(delta))), 0);
    }
    static std::chrono::milliseconds DoubleClickTime() { return std::chrono::milliseconds(GetDoubleClickTime()); }
    void Send(UINT msg, WPARAM wParam, int x, int y) { SendMessageW(Form().Handle(), msg, wParam, Point(x, y)); }

    void ShowTray(LPARAM mouseMessage) { SendMessageW(program->Tray().Icon().WindowHandle(), WM_USER, 0, mouseMessage); }
    // A tray click's menu opens once the double-click time has passed.
    OpenedMenu MenuOfTrayClick() {
        return WhileMenuIsOpen([&] {
            ShowTray(WM_LBUTTONUP);
            testing_support::PumpUntil([] { return watching->seen; }, DoubleClickTime() + 5s);
        });
    }

    testing_support::CleanRegistry clean;
    std::optional<Program> program;
};

TEST_F(ClockCommands, TheWheelStepsByWholeNotchesWithinThreeToTwoHundredPoints) {
    CreateShown();
    const struct {
        int from;
        std::vector<int> deltas;
        int expected;
    } cases[] = {
        {16, {60}, 16},
        {16, {60, 60}, 17},  // two halves make one notch
        {16, std::vector<int>(10, 120), 26},
        {16, {360}, 19},           // a fast wheel reports several notches at once
        {16, {100, -40, 60}, 17},  // movement back takes from the remainder
        {16, {-60, 60, 60}, 16},
        {200, {120}, 200},
        {4, {-240}, 3},
        {250, {120}, 250},  // a stored size outside the range only moves towards it
        {250, {-120}, 249},
        {1, {-120}, 1},
    };
    for (const auto& c : cases) {
        Form().SetFontSize(c.from);
        int total = 0;
        for (int d : c.deltas) Wheel(d), total += d;
        EXPECT_EQ(Form().LabelFont(FaceLabel::Text).size, c.expected) << "from " << c.from << ", moved " << total;
        EXPECT_EQ(Form().LabelFont(FaceLabel::Shadow).size, c.expected);
        EXPECT_EQ(Form().LabelFont(FaceLabel::Outline).size, c.expected);
        if (total % 120) Wheel(-(total % 120));  // an empty accumulator for the next case
    }
    // The labels follow at once, the window at the next tick.
    Form().SetFontSize(16);
    Form().Tick();
    const int width = Form().Label(FaceLabel::Text).Width();
    const RECT before = WindowRect(Form().Handle());
    Wheel(120);
    EXPECT_GT(Form().Label(FaceLabel::Text).Width(), width);
    EXPECT_EQ(WindowRect(Form().Handle()).right, before.right);
    Form().Tick();
    EXPECT_EQ(WindowRect(Form().Handle()).right - before.left, Form().Label(FaceLabel::Text).Width() + Form().ShadowDepth() + 6);
}

// The text is the window's caption: the system moves the window by it (tried
// with the real pointer in tests/e2e). The right button opens the menu on the
// text and on the background alike; a double-click on the text opens the settings.
TEST_F(ClockCommands, TheTextDragsTheWindowAndTheButtonsKeepTheirOwnWork) {
    CreateShown();
    const HWND hwnd = Form().Handle();
    const RECT r = WindowRect(hwnd);
    const auto hit = [&](int x, int y) { return SendMessageW(hwnd, WM_NCHITTEST, 0, Point(r.left + x, r.top + y)); };
    const ClockLabel& shadow = Form().Label(FaceLabel::Shadow);
    const int gapX = Form().Label(FaceLabel::Text).Width() + 4;  // right of the text, above the shadow
    EXPECT_EQ(hit(10, 10), HTCAPTION) << "the text";
    EXPECT_EQ(hit(shadow.Left() + shadow.Width() - 1, shadow.Top() + shadow.Height() - 1), HTCAPTION) << "the shadow";
    EXPECT_EQ(hit(gapX, 1), HTCLIENT) << "the background between the labels";
    Form().SetLabelVisible(FaceLabel::Shadow, false);
    EXPECT_EQ(hit(shadow.Left() + shadow.Width() - 1, shadow.Top() + shadow.Height() - 1), HTCLIENT) << "a hidden label";
    Form().SetLabelVisible(FaceLabel::Shadow, true);

    const OpenedMenu onText = WhileMenuIsOpen([&] {
        Send(WM_NCRBUTTONDOWN, HTCAPTION, r.left + 10, r.top + 10);
        Send(WM_NCRBUTTONUP, HTCAPTION, r.left + 10, r.top + 10);
    });
    EXPECT_TRUE(onText.seen) << "the right button's release on the text";
    EXPECT_EQ(onText.rect.left, r.left + 10);
    const OpenedMenu onBackground = WhileMenuIsOpen([&] {
        Send(WM_RBUTTONDOWN, 0, gapX, 1);
        Send(WM_RBUTTONUP, 0, gapX, 1);
    });
    EXPECT_TRUE(onBackground.seen) << "and on the background";
    EXPECT_EQ(WindowRect(hwnd).left, r.left) << "no button moved it";

    EXPECT_EQ(program->Windows().MadeSettings(), nullptr) << "made when first needed";
    Send(WM_NCLBUTTONDBLCLK, HTCAPTION, r.left + 10, r.top + 10);
    ASSERT_NE(program->Windows().MadeSettings(), nullptr);
    EXPECT_TRUE(IsWindowVisible(program->Windows().MadeSettings()->Handle()));
}

TEST_F(ClockCommands, TheMenuHasItsItemsCaptionsAndShortcuts) {
    CreateShown();
    const HMENU menu_ = program->Menu().Handle();
    // The first line names the next alarm, greyed, above a line of its own.
    const std::vector<std::wstring> expected = {L"No alarms",          L"",
                                                L"Alarms/reminders\tF10", L"&Remind me in", L"Show calendar\tF5",
                                                L"Hide\tCtrl+S",         L"About\tCtrl+A", L"Exit\tCtrl+F4",
                                                L"",                      L"Properties\tCtrl+P",
                                                L"Click through"};
    const std::vector<UINT> ids = {kNextAlarmLine, 0,           kAlarmsCommand,   0,          kCalendarCommand,
                                   kHideCommand,   kAboutCommand, kExitCommand, kSeparator, kPropertiesCommand,
                                   kClickThroughCommand};
    ASSERT_EQ(GetMenuItemCount(menu_), 11);
    EXPECT_TRUE(GetMenuState(menu_, 0, MF_BYPOSITION) & MF_GRAYED);
    for (UINT i = 0; i < 11; ++i) {
        wchar_t text[64] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_ID | MIIM_SUBMENU;
        info.dwTypeData = text;
        info.cch = 64;
        ASSERT_TRUE(GetMenuItemInfoW(menu_, i, TRUE, &info));
        EXPECT_EQ(text, expected[i]);
        EXPECT_EQ((info.fType & MFT_SEPARATOR) != 0, i == 1 || i == 8);
        if (info.hSubMenu || i == 1) continue;
        EXPECT_EQ(info.wID, ids[i]);
    }
    const HMENU remindMe = GetSubMenu(menu_, 3);
    ASSERT_EQ(GetMenuItemCount(remindMe), 5);
    // "N minutes", each with an access key no other item shares.
    std::wstring accessKeys;
    for (int i = 0; i < 5; ++i) {
        wchar_t text[32] = {};
        GetMenuStringW(remindMe, i, text, 32, MF_BYPOSITION);
        std::wstring shown = text;
        const std::size_t amp = shown.find(L'&');
        ASSERT_NE(amp, std::wstring::npos) << i;
        accessKeys += shown[amp + 1];
        shown.erase(amp, 1);
        EXPECT_EQ(shown, std::to_wstring(kRemindMeMinutes[i]) + L" minutes");
    }
    EXPECT_EQ(std::set<wchar_t>(accessKeys.begin(), accessKeys.end()).size(), accessKeys.size());
    // The accelerators as the stored shortcut values: key code, +16384 for Ctrl.
    ACCEL accelerators[8] = {};
    const int count = CopyAcceleratorTableW(program->Menu().Shortcuts().Get(), accelerators, 8);
    std::vector<int> stored;
    std::vector<UINT> commands;
    for (int i = 0; i < count; ++i) {
        stored.push_back(accelerators[i].key + ((accelerators[i].fVirt & FCONTROL) ? 16384 : 0));
        commands.push_back(accelerators[i].cmd);
    }
    EXPECT_EQ(stored, (std::vector<int>{121, 116, 16467, 16449, 16499, 16464}));
    EXPECT_EQ(commands, (std::vector<UINT>{kAlarmsCommand, kCalendarCommand, kHideCommand, kAboutCommand, kExitCommand, kPropertiesCommand}));

    // Ctrl+S as the keyboard delivers it to the focused clock hides it.
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    MSG msg{Form().Handle(), WM_KEYDOWN, 'S', 0x001F0001, 0, {}};
    EXPECT_TRUE(Form().PreTranslateMessage(msg));
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_FALSE(IsWindowVisible(Form().Handle()));
}

TEST_F(ClockCommands, HideAndShowFlipTheCaptionAndTheTray) {
    CreateShown();
    const HWND hwnd = Form().Handle();
    EXPECT_EQ(program->Menu().Caption(kHideCommand), "Hide");
    SendMessageW(hwnd, WM_COMMAND, kHideCommand, 0);
    EXPECT_FALSE(IsWindowVisible(hwnd));
    EXPECT_TRUE(program->Tray().Icon().Active());
    wchar_t text[32] = {};
    GetMenuStringW(program->Menu().Handle(), kHideCommand, text, 32, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"&Show\tCtrl+S");
    EXPECT_TRUE(Form().Ticking()) << "the tick goes on while hidden";

    program->Tray().ToggleHidden();  // now Show
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_FALSE(program->Tray().Icon().Active());
    EXPECT_EQ(program->Menu().Caption(kHideCommand), "&Hide");
}

// Hiding without a tray icon would leave no way back: when the shell refuses the
// icon, the clock stays (or starts) visible.
TEST_F(ClockCommands, TheClockNeverHidesWithoutItsTrayIcon) {
    program.emplace();
    NOTIFYICONDATAW taken{};
    taken.cbSize = NOTIFYICONDATAW_V1_SIZE;
    taken.hWnd = program->Tray().Icon().WindowHandle();  // the icon's place, already held
    ASSERT_TRUE(Shell_NotifyIconW(NIM_ADD, &taken));
    SaveHiddenClock();
    Start();
    EXPECT_TRUE(Form().Visible());
    EXPECT_EQ(program->Menu().Caption(kHideCommand), "Hide");
    Form().Show();
    program->Tray().ToggleHidden();
    EXPECT_TRUE(IsWindowVisible(Form().Handle()));
    EXPECT_FALSE(program->Tray().Icon().Active());
    EXPECT_EQ(program->Menu().Caption(kHideCommand), "Hide");
    Shell_NotifyIconW(NIM_DELETE, &taken);
    program->Tray().ToggleHidden();
    EXPECT_FALSE(IsWindowVisible(Form().Handle())) << "with the icon free it hides";
}

// A clock that starts hidden ticks at once, so its alarms fire while it stays
// in the tray; showing it keeps it ticking.
TEST_F(ClockCommands, AClockThatStartsHiddenTicksAndShowsFromTheTray) {
    SaveHiddenClock();
    Start();
    ASSERT_FALSE(Form().Visible());
    ASSERT_TRUE(program->Tray().Icon().Active());
    EXPECT_TRUE(Form().Ticking()) << "hidden, and ticking";
    ShowTray(WM_LBUTTONDBLCLK);
    EXPECT_TRUE(IsWindowVisible(Form().Handle()));
    EXPECT_TRUE(Form().Ticking());
    EXPECT_FALSE(program->Tray().Icon().Active());
    EXPECT_EQ(program->Menu().Caption(kHideCommand), "&Hide");
}

TEST_F(ClockCommands, MenusOpenAtThePointerFromTheTrayAndTheClock) {
    CreateShown();
    program->Tray().ToggleHidden();
    testing_support::PumpFor(300ms);  // let the window system settle the activation that hiding moved away
    ASSERT_TRUE(SetCursorPos(400, 300));

    // A left click on the tray icon: where the pointer was at the click, once no
    // double-click has followed.
    OpenedMenu opened = WhileMenuIsOpen([&] {
        ShowTray(WM_LBUTTONUP);
        SetCursorPos(500, 400);
        testing_support::PumpPending();
        EXPECT_FALSE(watching->seen) << "the click waits for a double-click that may follow";
        testing_support::PumpUntil([] { return watching->seen; }, DoubleClickTime() + 5s);
    });
    EXPECT_TRUE(opened.seen);
    EXPECT_EQ(opened.rect.left, 400);
    EXPECT_EQ(opened.rect.top, 300);

    // A right click: at the position the icon reports.
    opened = WhileMenuIsOpen([&] { ShowTray(WM_RBUTTONUP); });
    EXPECT_EQ(opened.rect.left, 500);
    EXPECT_EQ(opened.rect.top, 400);

    // A right click on the clock itself (the platform's context-menu request).
    program->Tray().ToggleHidden();
    opened = WhileMenuIsOpen([&] { SendMessageW(Form().Handle(), WM_CONTEXTMENU, 0, Point(250, 200)); });
    EXPECT_EQ(opened.rect.left, 250);
    EXPECT_EQ(opened.rect.top, 200);
}

// The shell reports a double-click on the icon as press, release (a click),
// double-click, release (a click): it shows the clock and opens no menu.
TEST_F(ClockCommands, ADoubleClickOnTheTrayIconShowsTheClockWithoutAMenu) {
    CreateShown();
    program->Tray().ToggleHidden();
    testing_support::PumpFor(300ms);
    const OpenedMenu opened = WhileMenuIsOpen([&] {
        for (LPARAM m : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) ShowTray(m);
        testing_support::PumpFor(DoubleClickTime() + 300ms);
    });
    EXPECT_FALSE(opened.seen);
    EXPECT_TRUE(IsWindowVisible(Form().Handle()));
    EXPECT_FALSE(program->Tray().Icon().Active());

    // Single clicks after it open the menu again, also after a Show from the menu.
    program->Tray().ToggleHidden();
    testing_support::PumpFor(300ms);
    EXPECT_TRUE(MenuOfTrayClick().seen);
    program->Tray().ToggleHidden();
    program->Tray().ToggleHidden();
    testing_support::PumpFor(300ms);
    EXPECT_TRUE(MenuOfTrayClick().seen);

    // A double-click whose last release went elsewhere does not swallow the
    // next click, once the double-click time is over.
    for (LPARAM m : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK}) ShowTray(m);
    program->Tray().ToggleHidden();
    testing_support::PumpFor(DoubleClickTime() + 100ms);
    EXPECT_TRUE(MenuOfTrayClick().seen);

    // A real shell may deliver that release inside the request that removes
    // the icon, while the clock is being shown: it opens no menu either.
    ASSERT_FALSE(IsWindowVisible(Form().Handle()));
    testing_support::PumpFor(DoubleClickTime() + 100ms);
    TrayIcon::ObserveRequests([&](DWORD operation, const NOTIFYICONDATAW&, BOOL) {
        if (operation == NIM_DELETE) ShowTray(WM_LBUTTONUP);
    });
    const OpenedMenu reentered = WhileMenuIsOpen([&] {
        for (LPARAM m : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK}) ShowTray(m);
        testing_support::PumpFor(DoubleClickTime() + 300ms);
    });
    TrayIcon::ObserveRequests(nullptr);
    EXPECT_FALSE(reentered.seen);
    EXPECT_TRUE(IsWindowVisible(Form().Handle()));
}

TEST_F(ClockCommands, ExitClosesTheClockAndSavesItsSettings) {
    CreateShown();
    const HWND hwnd = Form().Handle();
    SetWindowPos(hwnd, nullptr, 401, 222, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Wheel(120);
    testing_support::quitCode.reset();
    SendMessageW(hwnd, WM_COMMAND, kExitCommand, 0);
    testing_support::PumpPending();  // the close is posted, never run inside the command
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_TRUE(testing_support::quitCode) << "the program ends";
    const auto dword = [](const wchar_t* name) {
        const auto v = testing_support::Find(testing_support::kSettingsPath, name);
        return v ? *reinterpret_cast<const DWORD*>(v->bytes.data()) : 0u;
    };
    EXPECT_EQ(dword(L"WinLeft"), 401u);
    EXPECT_EQ(dword(L"FontSize"), 17u);
}

// Alarms reach the clock from its menu ("Remind me in") and from other
// programs (WM_COPYDATA, taken only whole, then saved); a changed system time
// runs the check at once.
TEST_F(ClockCommands, TheClockTakesAlarmsFromItsMenuAndFromOtherPrograms) {
    testing_support::FakeReminders reminders;
    CreateShown();
    AlarmBook& book = program->Book();
    book.SetReminders(&reminders);

    SendMessageW(Form().Handle(), WM_COMMAND, kRemindMeFirstCommand + 1, 0);
    ASSERT_EQ(book.Alarms().Count(), 1u);
    const Alarm& timer = book.Alarms()[0];
    EXPECT_EQ(timer.name, "Timer");
    EXPECT_EQ(timer.reminder, "10 minutes are up");
    EXPECT_EQ(timer.repeat, RepeatKind::DeleteAfterTrigger);
    EXPECT_DOUBLE_EQ(timer.dateTime, kStart + 10.0 / 1440);

    AlarmFields tea = NewAlarmFields(kStart);
    tea.name = "Tea";
    tea.dateTime = kStart;  // due now
    tea.options.snoozeMinutes = 15;
    std::vector<std::uint8_t> message = EncodeAlarmMessage(tea);
    auto hand = [&](ULONG_PTR kind, std::vector<std::uint8_t> bytes) {
        COPYDATASTRUCT data{kind, static_cast<DWORD>(bytes.size()), bytes.data()};
        return SendMessageW(Form().Handle(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
    };
    EXPECT_EQ(hand(kAddAlarmMessage + 1, message), FALSE) << "another kind of message";
    EXPECT_EQ(hand(kAddAlarmMessage, {message.begin(), message.end() - 1}), FALSE) << "cut short";
    EXPECT_EQ(book.Alarms().Count(), 1u);
    EXPECT_EQ(hand(kAddAlarmMessage, message), TRUE);
    ASSERT_EQ(book.Alarms().Count(), 2u);
    EXPECT_TRUE(book.Alarms()[1].SameAs(tea));
    testing_support::PumpPending();  // the save comes after the answer
    EXPECT_EQ(testing_support::Find(testing_support::kSettingsPath, L"Alarms")->bytes, EncodeAlarms(book.Alarms()));
    EXPECT_EQ(testing_support::Find(testing_support::kSettingsPath, L"AlarmOptions")->bytes,
              EncodeAlarmOptions(book.Alarms()));

    EXPECT_TRUE(reminders.Fired().empty());
    SendMessageW(Form().Handle(), WM_TIMECHANGE, 0, 0);
    EXPECT_EQ(reminders.Fired(), std::vector<std::string>{"Tea"}) << "checked without waiting for a tick";
    program.reset();  // before the reminders its alarms are linked to
}

}  // namespace
}  // namespace quorvel
