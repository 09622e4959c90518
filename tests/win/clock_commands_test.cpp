// The clock window's commands in-process: dragging by the text with pointer
// messages, the wheel, the pop-up menu and its shortcuts, hiding to and showing
// from the tray, and Exit. The real pointer, keyboard and tray are driven from
// outside in tests/e2e/clock_commands.sh.
// ctest: RUN_SERIAL (moves the pointer, opens menus, uses the program's registry key)
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "alarms/alarm_book.h"
#include "alarms/alarm_codec.h"
#include "alarms/alarm_message.h"
#include "alarms/alarm_registry.h"
#include "app/clock_window.h"
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
        form.Destroy();
        testing_support::PumpPending();
        ResetClock();
        EXPECT_TRUE(answers.boxes.empty());
    }
    void CreateShown() {
        form.Create();
        form.Show();
        form.Tick();  // the text, and the window sized to it
    }
    void Wheel(int delta) {
        SendMessageW(form.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(static_cast<SHORT>(delta))), 0);
    }
    static std::chrono::milliseconds DoubleClickTime() { return std::chrono::milliseconds(GetDoubleClickTime()); }
    void Send(UINT msg, WPARAM wParam, int x, int y) { SendMessageW(form.Handle(), msg, wParam, Point(x, y)); }

    void ShowTray(LPARAM mouseMessage) { SendMessageW(form.Tray().WindowHandle(), WM_USER, 0, mouseMessage); }
    // A tray click's menu opens once the double-click time has passed.
    OpenedMenu MenuOfTrayClick() {
        return WhileMenuIsOpen([&] {
            ShowTray(WM_LBUTTONUP);
            testing_support::PumpUntil([] { return watching->seen; }, DoubleClickTime() + 5s);
        });
    }

    testing_support::CleanRegistry clean;
    ClockWindow form;
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
        form.SetFontSize(c.from);
        int total = 0;
        for (int d : c.deltas) Wheel(d), total += d;
        EXPECT_EQ(form.LabelFont(FaceLabel::Text).size, c.expected) << "from " << c.from << ", moved " << total;
        EXPECT_EQ(form.LabelFont(FaceLabel::Shadow).size, c.expected);
        EXPECT_EQ(form.LabelFont(FaceLabel::Outline).size, c.expected);
        if (total % 120) Wheel(-(total % 120));  // an empty accumulator for the next case
    }
    // The labels follow at once, the window at the next tick.
    form.SetFontSize(16);
    form.Tick();
    const int width = form.Label(FaceLabel::Text).Width();
    const RECT before = WindowRect(form.Handle());
    Wheel(120);
    EXPECT_GT(form.Label(FaceLabel::Text).Width(), width);
    EXPECT_EQ(WindowRect(form.Handle()).right, before.right);
    form.Tick();
    EXPECT_EQ(WindowRect(form.Handle()).right - before.left, form.Label(FaceLabel::Text).Width() + form.ShadowDepth() + 6);
}

TEST_F(ClockCommands, DraggingMovesTheWindowExactlyAndOnlyWithTheLeftButton) {
    CreateShown();
    const HWND hwnd = form.Handle();
    const RECT start = WindowRect(hwnd);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, 10, 10);
    EXPECT_EQ(GetCapture(), hwnd) << "the pressed label keeps the pointer";
    Send(WM_MOUSEMOVE, MK_LBUTTON, 110, 60);
    EXPECT_EQ(WindowRect(hwnd).left, start.left + 100);
    EXPECT_EQ(WindowRect(hwnd).top, start.top + 50);
    Send(WM_MOUSEMOVE, MK_LBUTTON, 10, 10);  // the grabbed point, under the pointer again
    EXPECT_EQ(WindowRect(hwnd).left, start.left + 100);
    Send(WM_MOUSEMOVE, MK_LBUTTON, -290, 10);  // far outside: the capture still drags
    EXPECT_EQ(WindowRect(hwnd).left, start.left - 200);
    Send(WM_LBUTTONUP, 0, 10, 10);
    EXPECT_EQ(GetCapture(), nullptr);
    Send(WM_MOUSEMOVE, 0, 60, 60);
    EXPECT_EQ(WindowRect(hwnd).left, start.left - 200) << "the release ended the drag";

    // On the shadow label the point is relative to that label.
    const RECT here = WindowRect(hwnd);
    const int x = form.Label(FaceLabel::Shadow).Left() + form.Label(FaceLabel::Shadow).Width() - 1;
    const int y = form.Label(FaceLabel::Shadow).Top() + form.Label(FaceLabel::Shadow).Height() - 1;
    Send(WM_LBUTTONDOWN, MK_LBUTTON, x, y);
    Send(WM_MOUSEMOVE, MK_LBUTTON, x + 7, y - 3);
    Send(WM_LBUTTONUP, 0, x + 7, y - 3);
    EXPECT_EQ(WindowRect(hwnd).left, here.left + 7);
    EXPECT_EQ(WindowRect(hwnd).top, here.top - 3);

    // Neither the right nor the middle button drags, nor a press on the background;
    // and a drag whose capture is taken away ends there.
    const RECT fixed = WindowRect(hwnd);
    const int gapX = form.Label(FaceLabel::Text).Width() + 4;  // right of the text, above the shadow
    const std::vector<std::pair<UINT, POINT>> presses = {
        {WM_RBUTTONDOWN, {10, 10}}, {WM_MBUTTONDOWN, {10, 10}}, {WM_LBUTTONDOWN, {gapX, 1}}};
    const OpenedMenu menu = WhileMenuIsOpen([&] {
        for (const auto& [down, at] : presses) {
            Send(down, 0, at.x, at.y);
            Send(WM_MOUSEMOVE, 0, at.x + 50, at.y + 30);
            Send(down + 1, 0, at.x + 50, at.y + 30);
        }
    });
    EXPECT_TRUE(menu.seen) << "the right button's release opens the menu";
    Send(WM_LBUTTONDOWN, MK_LBUTTON, 10, 10);
    ReleaseCapture();
    Send(WM_MOUSEMOVE, 0, 80, 80);
    EXPECT_EQ(WindowRect(hwnd).left, fixed.left);
    EXPECT_EQ(WindowRect(hwnd).top, fixed.top);
}

TEST_F(ClockCommands, TheMenuHasItsItemsCaptionsAndShortcuts) {
    CreateShown();
    const HMENU menu_ = form.Menu().Handle();
    const std::vector<std::wstring> expected = {L"Alarms/reminders\tF10", L"&Remind me in", L"Show calendar\tF5",
                                                L"Hide\tCtrl+S",         L"About\tCtrl+A", L"Exit\tCtrl+F4",
                                                L"",                      L"Properties\tCtrl+P"};
    const std::vector<UINT> ids = {kAlarmsCommand, 0,           kCalendarCommand, kHideCommand,
                                   kAboutCommand,  kExitCommand, kSeparator,      kPropertiesCommand};
    ASSERT_EQ(GetMenuItemCount(menu_), 8);
    for (UINT i = 0; i < 8; ++i) {
        wchar_t text[64] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_ID | MIIM_SUBMENU;
        info.dwTypeData = text;
        info.cch = 64;
        ASSERT_TRUE(GetMenuItemInfoW(menu_, i, TRUE, &info));
        EXPECT_EQ(text, expected[i]);
        EXPECT_EQ((info.fType & MFT_SEPARATOR) != 0, i == 6);
        if (info.hSubMenu) continue;
        EXPECT_EQ(info.wID, ids[i]);
    }
    const HMENU remindMe = GetSubMenu(menu_, 1);
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
    const int count = CopyAcceleratorTableW(form.Menu().Accelerators(), accelerators, 8);
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
    MSG other{nullptr, WM_KEYDOWN, 'S', 0x001F0001, 0, {}};
    EXPECT_FALSE(form.PreTranslateMessage(other)) << "another window's keys are not the clock's";
    MSG msg{form.Handle(), WM_KEYDOWN, 'S', 0x001F0001, 0, {}};
    EXPECT_TRUE(form.PreTranslateMessage(msg));
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
}

TEST_F(ClockCommands, HideAndShowFlipTheCaptionAndTheTray) {
    CreateShown();
    const HWND hwnd = form.Handle();
    EXPECT_EQ(form.Menu().Caption(kHideCommand), "Hide");
    SendMessageW(hwnd, WM_COMMAND, kHideCommand, 0);
    EXPECT_FALSE(IsWindowVisible(hwnd));
    EXPECT_TRUE(form.Tray().Active());
    wchar_t text[32] = {};
    GetMenuStringW(form.Menu().Handle(), kHideCommand, text, 32, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"&Show\tCtrl+S");
    EXPECT_TRUE(form.Ticking()) << "the tick goes on while hidden";

    form.ToggleHidden();  // now Show
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_FALSE(form.Tray().Active());
    EXPECT_EQ(form.Menu().Caption(kHideCommand), "&Hide");
}

// Hiding without a tray icon would leave no way back: when the shell refuses the
// icon, the clock stays (or starts) visible.
TEST_F(ClockCommands, TheClockNeverHidesWithoutItsTrayIcon) {
    NOTIFYICONDATAW taken{};
    taken.cbSize = NOTIFYICONDATAW_V1_SIZE;
    taken.hWnd = form.Tray().WindowHandle();  // the icon's place, already held
    ASSERT_TRUE(Shell_NotifyIconW(NIM_ADD, &taken));
    {
        ClockWindow saver;  // the settings of a clock saved while hidden
        saver.Create();
        saver.SaveSettings();
    }
    form.Create();
    EXPECT_TRUE(form.ShowOnStart());
    EXPECT_EQ(form.Menu().Caption(kHideCommand), "Hide");
    form.Show();
    form.ToggleHidden();
    EXPECT_TRUE(IsWindowVisible(form.Handle()));
    EXPECT_FALSE(form.Tray().Active());
    EXPECT_EQ(form.Menu().Caption(kHideCommand), "Hide");
    Shell_NotifyIconW(NIM_DELETE, &taken);
    form.ToggleHidden();
    EXPECT_FALSE(IsWindowVisible(form.Handle())) << "with the icon free it hides";
}

// A clock that starts hidden ticks at once, so its alarms fire while it stays
// in the tray; showing it keeps it ticking.
TEST_F(ClockCommands, AClockThatStartsHiddenTicksAndShowsFromTheTray) {
    {
        ClockWindow saver;  // the settings of a clock saved while hidden
        saver.Create();
        saver.SaveSettings();
    }
    form.Create();
    ASSERT_FALSE(form.ShowOnStart());
    ASSERT_TRUE(form.Tray().Active());
    EXPECT_TRUE(form.Ticking()) << "hidden, and ticking";
    ShowTray(WM_LBUTTONDBLCLK);
    EXPECT_TRUE(IsWindowVisible(form.Handle()));
    EXPECT_TRUE(form.Ticking());
    EXPECT_FALSE(form.Tray().Active());
    EXPECT_EQ(form.Menu().Caption(kHideCommand), "&Hide");
}

TEST_F(ClockCommands, MenusOpenAtThePointerFromTheTrayAndTheClock) {
    CreateShown();
    form.ToggleHidden();
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
    form.ToggleHidden();
    opened = WhileMenuIsOpen([&] { SendMessageW(form.Handle(), WM_CONTEXTMENU, 0, Point(250, 200)); });
    EXPECT_EQ(opened.rect.left, 250);
    EXPECT_EQ(opened.rect.top, 200);
}

// The shell reports a double-click on the icon as press, release (a click),
// double-click, release (a click): it shows the clock and opens no menu.
TEST_F(ClockCommands, ADoubleClickOnTheTrayIconShowsTheClockWithoutAMenu) {
    CreateShown();
    form.ToggleHidden();
    testing_support::PumpFor(300ms);
    const OpenedMenu opened = WhileMenuIsOpen([&] {
        for (LPARAM m : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) ShowTray(m);
        testing_support::PumpFor(DoubleClickTime() + 300ms);
    });
    EXPECT_FALSE(opened.seen);
    EXPECT_TRUE(IsWindowVisible(form.Handle()));
    EXPECT_FALSE(form.Tray().Active());

    // Single clicks after it open the menu again, also after a Show from the menu.
    form.ToggleHidden();
    testing_support::PumpFor(300ms);
    EXPECT_TRUE(MenuOfTrayClick().seen);
    form.ToggleHidden();
    form.ToggleHidden();
    testing_support::PumpFor(300ms);
    EXPECT_TRUE(MenuOfTrayClick().seen);

    // A double-click whose last release went elsewhere does not swallow the
    // next click, once the double-click time is over.
    for (LPARAM m : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK}) ShowTray(m);
    form.ToggleHidden();
    testing_support::PumpFor(DoubleClickTime() + 100ms);
    EXPECT_TRUE(MenuOfTrayClick().seen);

    // A real shell may deliver that release inside the request that removes
    // the icon, while the clock is being shown: it opens no menu either.
    ASSERT_FALSE(IsWindowVisible(form.Handle()));
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
    EXPECT_TRUE(IsWindowVisible(form.Handle()));
}

TEST_F(ClockCommands, ExitClosesTheClockAndSavesItsSettings) {
    CreateShown();
    const HWND hwnd = form.Handle();
    SetWindowPos(hwnd, nullptr, 401, 222, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Wheel(120);
    SendMessageW(hwnd, WM_COMMAND, kExitCommand, 0);
    EXPECT_FALSE(IsWindow(hwnd));
    testing_support::quitCode.reset();
    testing_support::PumpPending();
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
    RegistryAlarmStorage storage;
    testing_support::FakeReminders reminders;
    AlarmBook book(storage);
    book.SetReminders(&reminders);
    book.Load();
    book.StartChecking();
    form.SetAlarmBook(&book);
    CreateShown();

    SendMessageW(form.Handle(), WM_COMMAND, kRemindMeFirstCommand + 1, 0);
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
        return SendMessageW(form.Handle(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
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
    SendMessageW(form.Handle(), WM_TIMECHANGE, 0, 0);
    EXPECT_EQ(reminders.Fired(), std::vector<std::string>{"Tea"}) << "checked without waiting for a tick";
    form.SetAlarmBook(nullptr);
}

}  // namespace
}  // namespace quorvel
