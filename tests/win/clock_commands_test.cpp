// The clock window's commands in-process: dragging by the text with pointer
// messages, the wheel, the pop-up menu and its shortcuts, hiding to and showing
// from the tray, and Exit. The real pointer, keyboard and tray are driven from
// outside in tests/e2e/clock_commands.sh.
// ctest: RUN_SERIAL (moves the pointer, opens menus, uses the program's registry key)
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/clock_window.h"
#include "core/clock.h"
#include "harness/clean_registry.h"
#include "ui/message_box.h"

namespace quorvel {
namespace {

const TDateTime kStart = *EncodeDateTime({2026, 12, 7, 10, 5, 7, 0});

RECT WindowRect(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

LPARAM Point(int x, int y) { return MAKELPARAM(static_cast<WORD>(static_cast<SHORT>(x)), static_cast<WORD>(static_cast<SHORT>(y))); }

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

class ClockCommands : public testing::Test {
protected:
    void SetUp() override {
        SetClock(kStart);
        ui::AnswerMessageBoxes([this](const ui::MessageBoxRequest& r) {
            boxes.push_back(r);
            return IDOK;
        });
    }
    void TearDown() override {
        form.Destroy();
        MSG msg;
        while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        ui::AnswerMessageBoxes(nullptr);
        ResetClock();
        EXPECT_TRUE(boxes.empty());
    }
    void CreateShown() {
        form.Create();
        form.Show();
        form.tmrTimer();  // the text, and the window sized to it
    }
    void Wheel(int delta) { SendMessageW(form.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(static_cast<SHORT>(delta))), 0); }
    void Pump(DWORD ms, const std::function<bool()>& done = [] { return false; }) {
        const DWORD start = GetTickCount();
        while (!done() && GetTickCount() - start < ms) {
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                if (msg.message == WM_QUIT) continue;
                DispatchMessageW(&msg);
            }
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
    }
    void Send(UINT msg, WPARAM wParam, int x, int y) { SendMessageW(form.Handle(), msg, wParam, Point(x, y)); }

    testing_support::CleanRegistry clean;
    TForm1 form;
    std::vector<ui::MessageBoxRequest> boxes;
};

TEST_F(ClockCommands, TheWheelStepsByWholeNotchesWithinThreeToTwoHundredPoints) {
    CreateShown();
    struct Case {
        int from;
        std::vector<int> deltas;
        int expected;
    };
    const Case cases[] = {
        {16, {60}, 16},
        {16, {60, 60}, 17},  // two halves make one notch
        {16, {120, 120, 120, 120, 120, 120, 120, 120, 120, 120}, 26},
        {16, {-120}, 15},
        {16, {360}, 19},  // a fast wheel reports several notches at once
        {16, {100, -40, 60}, 17},  // movement back takes from the remainder
        {16, {-60, 60, 60}, 16},
        {200, {120}, 200},
        {3, {-120}, 3},
        {4, {-240}, 3},
        {250, {120}, 250},  // a stored size outside the range only moves towards it
        {250, {-120}, 249},
        {1, {120}, 2},
        {1, {-120}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "from " << c.from << ", " << c.deltas.size() << " movements");
        form.Label1.SetFontSize(c.from);
        form.lblShadow.SetFontSize(c.from);
        form.lblOutline.SetFontSize(c.from);
        // A fresh accumulator: whole notches in both directions leave none.
        for (int d : c.deltas) Wheel(d);
        EXPECT_EQ(form.Label1.Font().size, c.expected);
        EXPECT_EQ(form.lblShadow.Font().size, c.expected);
        EXPECT_EQ(form.lblOutline.Font().size, c.expected);
        // Empty the remainder for the next case.
        int rest = 0;
        for (int d : c.deltas) rest += d;
        rest %= 120;
        if (rest) Wheel(-rest);
    }
}

TEST_F(ClockCommands, TheLabelsFollowTheWheelAtOnceAndTheWindowAtTheNextTick) {
    CreateShown();
    const int width = form.Label1.Width();
    const RECT before = WindowRect(form.Handle());
    for (int i = 0; i < 10; ++i) Wheel(120);
    EXPECT_GT(form.Label1.Width(), width);
    EXPECT_EQ(WindowRect(form.Handle()).right, before.right);
    form.tmrTimer();
    EXPECT_EQ(WindowRect(form.Handle()).right - before.left, form.Label1.Width() + form.ShadowDepth + 6);
}

TEST_F(ClockCommands, DraggingMovesTheWindowExactlyAndOnlyWithTheLeftButton) {
    CreateShown();
    const HWND hwnd = form.Handle();
    const RECT start = WindowRect(hwnd);

    Send(WM_LBUTTONDOWN, MK_LBUTTON, 10, 10);
    EXPECT_TRUE(form.Dragging);
    EXPECT_EQ(GetCapture(), hwnd) << "the pressed label keeps the pointer";
    EXPECT_EQ(form.DragStartX, 10);
    EXPECT_EQ(form.DragStartY, 10);
    Send(WM_MOUSEMOVE, MK_LBUTTON, 110, 60);
    RECT r = WindowRect(hwnd);
    EXPECT_EQ(r.left, start.left + 100);
    EXPECT_EQ(r.top, start.top + 50);
    // The grabbed point is under the pointer again: a move to it changes nothing.
    Send(WM_MOUSEMOVE, MK_LBUTTON, 10, 10);
    EXPECT_EQ(WindowRect(hwnd).left, start.left + 100);
    // Far outside the window, the captured pointer still drags it.
    Send(WM_MOUSEMOVE, MK_LBUTTON, -290, 10);
    EXPECT_EQ(WindowRect(hwnd).left, start.left - 200);
    Send(WM_LBUTTONUP, 0, 10, 10);
    EXPECT_FALSE(form.Dragging);
    EXPECT_EQ(GetCapture(), nullptr);
    Send(WM_MOUSEMOVE, 0, 50, 20);
    EXPECT_EQ(WindowRect(hwnd).left, start.left - 200);

    // On the shadow label: the point is relative to that label.
    const RECT here = WindowRect(hwnd);
    const int x = form.lblShadow.Left() + form.lblShadow.Width() - 1;
    const int y = form.lblShadow.Top() + form.lblShadow.Height() - 1;
    Send(WM_LBUTTONDOWN, MK_LBUTTON, x, y);
    EXPECT_EQ(form.DragStartX, form.lblShadow.Width() - 1);
    Send(WM_MOUSEMOVE, MK_LBUTTON, x + 7, y - 3);
    Send(WM_LBUTTONUP, 0, x + 7, y - 3);
    EXPECT_EQ(WindowRect(hwnd).left, here.left + 7);
    EXPECT_EQ(WindowRect(hwnd).top, here.top - 3);

    // The right and middle buttons never drag; nor does the background.
    const RECT fixed = WindowRect(hwnd);
    Send(WM_RBUTTONDOWN, MK_RBUTTON, 10, 10);
    Send(WM_MOUSEMOVE, MK_RBUTTON, 60, 40);
    Send(WM_MBUTTONDOWN, MK_MBUTTON, 10, 10);
    Send(WM_MOUSEMOVE, MK_MBUTTON, 60, 40);
    Send(WM_MBUTTONUP, 0, 60, 40);
    const int gapX = form.Label1.Width() + 4;  // right of the text, above the shadow
    Send(WM_LBUTTONDOWN, MK_LBUTTON, gapX, 1);
    EXPECT_FALSE(form.Dragging);
    Send(WM_MOUSEMOVE, MK_LBUTTON, gapX + 50, 30);
    Send(WM_LBUTTONUP, 0, gapX + 50, 30);
    EXPECT_EQ(WindowRect(hwnd).left, fixed.left);
    EXPECT_EQ(WindowRect(hwnd).top, fixed.top);

    // A drag whose capture is taken away ends there.
    Send(WM_LBUTTONDOWN, MK_LBUTTON, 10, 10);
    ReleaseCapture();
    EXPECT_FALSE(form.Dragging);
    Send(WM_MOUSEMOVE, 0, 80, 80);
    EXPECT_EQ(WindowRect(hwnd).left, fixed.left);
}

TEST_F(ClockCommands, TheMenuHasItsItemsCaptionsAndShortcuts) {
    CreateShown();
    const HMENU pm = form.pm.Handle();
    ASSERT_EQ(GetMenuItemCount(pm), 7);
    const std::vector<std::wstring> expected = {
        L"Alarms/reminders\tF10", L"Show calendar\tF5", L"Hide\tCtrl+S", L"About\tCtrl+A",
        L"Exit\tCtrl+F4",         L"",                  L"Properties\tCtrl+P",
    };
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        wchar_t text[64] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_ID;
        info.dwTypeData = text;
        info.cch = 64;
        ASSERT_TRUE(GetMenuItemInfoW(pm, static_cast<UINT>(i), TRUE, &info));
        EXPECT_EQ(std::wstring(text), expected[static_cast<std::size_t>(i)]);
        EXPECT_EQ((info.fType & MFT_SEPARATOR) != 0, i == 5);
        EXPECT_EQ(info.wID, static_cast<UINT>(kAlarmsandreminders1 + i));
    }

    // The accelerators, as the stored shortcut values: key code, +16384 for Ctrl.
    ACCEL accelerators[8] = {};
    const int count = CopyAcceleratorTableW(form.pm.Accelerators(), accelerators, 8);
    std::vector<int> stored;
    std::vector<UINT> commands;
    for (int i = 0; i < count; ++i) {
        stored.push_back(accelerators[i].key + ((accelerators[i].fVirt & FCONTROL) ? 16384 : 0));
        commands.push_back(accelerators[i].cmd);
        EXPECT_TRUE(accelerators[i].fVirt & FVIRTKEY);
    }
    EXPECT_EQ(stored, (std::vector<int>{121, 116, 16467, 16449, 16499, 16464}));
    EXPECT_EQ(commands, (std::vector<UINT>{kAlarmsandreminders1, kShowcalendar1, kHide1, kAbout1, kExit1, kSetup1}));
}

TEST_F(ClockCommands, ShortcutsActWhileTheClockHasTheFocus) {
    CreateShown();
    const HWND hwnd = form.Handle();
    // Ctrl+S as the keyboard delivers it to the focused clock.
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    MSG msg{hwnd, WM_KEYDOWN, 'S', 0x001F0001, 0, {}};
    EXPECT_TRUE(form.PreTranslateMessage(msg));
    MSG other{nullptr, WM_KEYDOWN, 'S', 0x001F0001, 0, {}};
    EXPECT_FALSE(form.PreTranslateMessage(other)) << "another window's keys are not the clock's";
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    // The accelerator's command was sent: the clock is hidden.
    EXPECT_FALSE(IsWindowVisible(hwnd));
    EXPECT_TRUE(form.ti.Active());
}

TEST_F(ClockCommands, HideAndShowFlipTheCaptionAndTheTray) {
    CreateShown();
    const HWND hwnd = form.Handle();
    EXPECT_EQ(form.pm.Caption(kHide1), "Hide");
    EXPECT_FALSE(form.ti.Active());

    SendMessageW(hwnd, WM_COMMAND, kHide1, 0);
    EXPECT_FALSE(IsWindowVisible(hwnd));
    EXPECT_TRUE(form.ti.Active());
    EXPECT_EQ(form.pm.Caption(kHide1), "&Show");
    wchar_t text[32] = {};
    GetMenuStringW(form.pm.Handle(), kHide1, text, 32, MF_BYCOMMAND);
    EXPECT_EQ(std::wstring(text), L"&Show\tCtrl+S");
    EXPECT_TRUE(form.tmr.Enabled()) << "the tick goes on while hidden";

    form.Hide1Click();  // Show
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_FALSE(form.ti.Active());
    EXPECT_EQ(form.pm.Caption(kHide1), "&Hide");

    // From the tray: a double-click on the icon shows the hidden clock.
    form.Hide1Click();
    ASSERT_TRUE(form.ti.Active());
    SendMessageW(form.ti.WindowHandle(), WM_USER, 0, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(IsWindowVisible(hwnd));
    EXPECT_FALSE(form.ti.Active());
    EXPECT_EQ(form.pm.Caption(kHide1), "&Hide");
}

TEST_F(ClockCommands, TheFirstShowAfterAHiddenStartStartsTheClock) {
    {
        // The settings of a clock that was saved while hidden.
        TForm1 saver;
        saver.Create();
        saver.SaveSettings();
        saver.Destroy();
    }
    form.Create();
    ASSERT_FALSE(form.showOnStart);
    ASSERT_TRUE(form.ti.Active());
    EXPECT_FALSE(form.tmr.Enabled());
    EXPECT_EQ(form.Label1.Caption(), "wait...");

    SendMessageW(form.ti.WindowHandle(), WM_USER, 0, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(IsWindowVisible(form.Handle()));
    EXPECT_TRUE(form.tmr.Enabled()) << "the first showing started the clock";
    EXPECT_FALSE(form.ti.Active());
}

TEST_F(ClockCommands, MenusOpenAtThePointerFromTheTrayAndTheClock) {
    CreateShown();
    form.Hide1Click();
    // Let the window system settle the activation that hiding moved away.
    Pump(300);
    ASSERT_TRUE(SetCursorPos(400, 300));
    POINT cursor{};
    GetCursorPos(&cursor);

    // A left click on the tray icon: where the pointer was at the click, once
    // no double-click has followed.
    OpenedMenu opened = WhileMenuIsOpen([&] {
        const DWORD clicked = GetTickCount();
        SendMessageW(form.ti.WindowHandle(), WM_USER, 0, WM_LBUTTONUP);
        SetCursorPos(500, 400);
        Pump(GetDoubleClickTime() + 1000, [&] { return watching->seen; });
        EXPECT_GE(GetTickCount() - clicked, GetDoubleClickTime() - 20);
    });
    EXPECT_TRUE(opened.seen);
    EXPECT_EQ(opened.rect.left, cursor.x);
    EXPECT_EQ(opened.rect.top, cursor.y);
    SetCursorPos(cursor.x, cursor.y);

    // A right click on it: at the position the icon reports.
    opened = WhileMenuIsOpen([&] { SendMessageW(form.ti.WindowHandle(), WM_USER, 0, WM_RBUTTONUP); });
    EXPECT_TRUE(opened.seen);
    EXPECT_EQ(opened.rect.left, cursor.x);

    // A right click on the clock itself (the platform's context-menu request).
    form.Hide1Click();
    opened = WhileMenuIsOpen([&] { SendMessageW(form.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(form.Handle()), Point(250, 200)); });
    EXPECT_TRUE(opened.seen);
    EXPECT_EQ(opened.rect.left, 250);
    EXPECT_EQ(opened.rect.top, 200);
    EXPECT_FALSE(form.Dragging);
}

// The shell reports a double-click on the icon as press, release (a click),
// double-click, release (a click): it shows the clock and opens no menu.
TEST_F(ClockCommands, ADoubleClickOnTheTrayIconShowsTheClockWithoutAMenu) {
    CreateShown();
    form.Hide1Click();
    Pump(300);
    const HWND icon = form.ti.WindowHandle();
    const OpenedMenu opened = WhileMenuIsOpen([&] {
        for (LPARAM m : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) SendMessageW(icon, WM_USER, 0, m);
        Pump(GetDoubleClickTime() + 300);
    });
    EXPECT_FALSE(opened.seen);
    EXPECT_TRUE(IsWindowVisible(form.Handle()));
    EXPECT_FALSE(form.ti.Active());

    // A later single click opens the menu again.
    form.Hide1Click();
    Pump(300);
    const OpenedMenu later = WhileMenuIsOpen([&] {
        SendMessageW(icon, WM_USER, 0, WM_LBUTTONUP);
        Pump(GetDoubleClickTime() + 1000, [&] { return watching->seen; });
    });
    EXPECT_TRUE(later.seen);
    // The Show command from the menu is no double-click: the next click still counts.
    form.Hide1Click();
    EXPECT_TRUE(IsWindowVisible(form.Handle()));
    form.Hide1Click();
    Pump(300);
    const OpenedMenu afterShow = WhileMenuIsOpen([&] {
        SendMessageW(icon, WM_USER, 0, WM_LBUTTONUP);
        Pump(GetDoubleClickTime() + 1000, [&] { return watching->seen; });
    });
    EXPECT_TRUE(afterShow.seen);
}

TEST_F(ClockCommands, ExitClosesTheClockAndSavesItsSettings) {
    CreateShown();
    const HWND hwnd = form.Handle();
    SetWindowPos(hwnd, nullptr, 401, 222, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Wheel(120);
    SendMessageW(hwnd, WM_COMMAND, kExit1, 0);
    EXPECT_FALSE(IsWindow(hwnd));
    MSG msg;
    EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the program ends";

    DWORD value = 0;
    DWORD size = sizeof value;
    ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, testing_support::kSettingsKey, L"WinLeft", RRF_RT_REG_DWORD, nullptr,
                           &value, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(value, 401u);
    ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, testing_support::kSettingsKey, L"FontSize", RRF_RT_REG_DWORD, nullptr,
                           &value, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(value, 17u);
}

}  // namespace
}  // namespace quorvel
