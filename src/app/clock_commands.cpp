// The clock window's commands: dragging it by its text, sizing the text with the
// wheel, the pop-up menu `pm` and its shortcuts, hiding to and showing from the
// tray icon, and Exit.
#include <windowsx.h>

#include <utility>

#include "app/clock_window.h"

namespace quorvel {
namespace {

constexpr int kSmallestSize = 3;    // points, the wheel's range
constexpr int kLargestSize = 200;

POINT ClientPoint(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

}  // namespace

// The topmost visible label under a client point; the window's background
// between the labels takes no pointer input.
ClockLabel* TForm1::LabelAt(POINT client) {
    for (ClockLabel* label : {&lblOutline, &Label1, &lblShadow}) {
        if (label->Visible() && label->Contains(client)) return label;
    }
    return nullptr;
}

bool TForm1::HandlePointer(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            const POINT at = ClientPoint(lParam);
            ClockLabel* label = LabelAt(at);
            if (!label) return true;
            const MouseButton button = msg == WM_RBUTTONDOWN   ? MouseButton::Right
                                       : msg == WM_MBUTTONDOWN ? MouseButton::Middle
                                                               : MouseButton::Left;
            if (button == MouseButton::Left) {
                // The pressed label keeps the pointer until release, so a fast
                // drag cannot leave the window behind.
                pressed_ = label;
                SetCapture(Handle());
            }
            Label1MouseDown(*label, button, at.x - label->Left(), at.y - label->Top());
            if (msg == WM_LBUTTONDBLCLK) Label1DblClick(*label);
            return true;
        }
        case WM_MOUSEMOVE: {
            const POINT at = ClientPoint(lParam);
            if (ClockLabel* label = pressed_ ? pressed_ : LabelAt(at)) {
                Label1MouseMove(*label, at.x - label->Left(), at.y - label->Top());
            }
            return true;
        }
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP: {
            const POINT at = ClientPoint(lParam);
            ClockLabel* label = pressed_ ? pressed_ : LabelAt(at);
            if (msg == WM_LBUTTONUP && pressed_) {
                pressed_ = nullptr;
                ReleaseCapture();
            }
            if (label) {
                const MouseButton button = msg == WM_RBUTTONUP   ? MouseButton::Right
                                           : msg == WM_MBUTTONUP ? MouseButton::Middle
                                                                 : MouseButton::Left;
                Label1MouseUp(*label, button, at.x - label->Left(), at.y - label->Top());
            }
            // A right button release goes on to the platform, which asks for the
            // context menu (WM_CONTEXTMENU).
            return msg != WM_RBUTTONUP;
        }
        case WM_CAPTURECHANGED:
            // Capture taken away mid-drag (another window, a menu): the release
            // will not come here, so the drag ends now.
            if (pressed_ && reinterpret_cast<HWND>(lParam) != Handle()) {
                pressed_ = nullptr;
                Dragging = false;
            }
            return true;
        case WM_MOUSEWHEEL:
            Wheel(GET_WHEEL_DELTA_WPARAM(wParam));
            return true;
        case WM_CONTEXTMENU: {
            POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (at.x == -1 && at.y == -1) {  // from the keyboard: at the window's corner
                at = POINT{0, 0};
                ClientToScreen(Handle(), &at);
            }
            PopupMenuAt(at.x, at.y);
            return true;
        }
        default:
            return false;
    }
}

void TForm1::Label1MouseDown(const ClockLabel&, MouseButton button, int x, int y) {
    // Only the left button drags; the right one opens the menu on release.
    if (button != MouseButton::Left) return;
    Dragging = true;
    DragStartX = x;
    DragStartY = y;
}

void TForm1::Label1MouseMove(const ClockLabel&, int x, int y) {
    if (!Dragging) return;
    // The label moves with the window, so the grabbed point stays under the pointer.
    RECT r{};
    GetWindowRect(Handle(), &r);
    SetWindowPos(Handle(), nullptr, r.left + x - DragStartX, r.top + y - DragStartY, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm1::Label1MouseUp(const ClockLabel&, MouseButton, int, int) { Dragging = false; }

void TForm1::Label1DblClick(const ClockLabel&) {
    // Shows the settings window without waiting (brought to the front when it
    // is already shown), once the settings window has landed.
}

// Whole notches of 120 units each run one step; the rest waits for more
// movement in the same direction, and movement the other way takes from it.
void TForm1::Wheel(int delta) {
    wheelDelta_ += delta;
    while (wheelDelta_ >= WHEEL_DELTA) {
        wheelDelta_ -= WHEEL_DELTA;
        FormMouseWheelUp();
    }
    while (wheelDelta_ <= -WHEEL_DELTA) {
        wheelDelta_ += WHEEL_DELTA;
        FormMouseWheelDown();
    }
}

// A size outside 3 to 200 points (from the registry) only moves towards the range.
void TForm1::FormMouseWheelUp() {
    if (Label1.Font().size < kLargestSize) Label1.SetFontSize(Label1.Font().size + 1);
    lblShadow.SetFontSize(Label1.Font().size);
    lblOutline.SetFontSize(Label1.Font().size);
}

void TForm1::FormMouseWheelDown() {
    if (Label1.Font().size > kSmallestSize) Label1.SetFontSize(Label1.Font().size - 1);
    lblShadow.SetFontSize(Label1.Font().size);
    lblOutline.SetFontSize(Label1.Font().size);
}

bool TForm1::PreTranslateMessage(MSG& msg) {
    // The menu's shortcuts, while the clock has the keyboard focus.
    if (msg.hwnd == Handle() && TranslateAcceleratorW(Handle(), pm.Accelerators(), &msg)) return true;
    return Window::PreTranslateMessage(msg);
}

void TForm1::OnCommand(int id, int, HWND) {
    switch (id) {
        case kAlarmsandreminders1: Alarmsandreminders1Click(); break;
        case kShowcalendar1: Showcalendar1Click(); break;
        case kHide1: Hide1Click(); break;
        case kAbout1: About1Click(); break;
        case kExit1: Exit1Click(); break;
        case kSetup1: Setup1Click(); break;
        default: break;
    }
}

void TForm1::Alarmsandreminders1Click() {
    // Shows the alarms window without waiting, once the alarms window has landed.
}

void TForm1::Showcalendar1Click() {
    // Sets the calendar to today and shows it, once the calendar window has landed.
}

void TForm1::About1Click() { ShowAbout(); }

void TForm1::ShowAbout() {
    // Creates a new about window and shows it without waiting, once the about
    // window has landed.
}

void TForm1::Setup1Click() {
    // Shows the settings window without waiting, once the settings window has landed.
}

void TForm1::Exit1Click() {
    // Closing saves the settings and the alarm list and ends the program.
    SendMessageW(Handle(), WM_CLOSE, 0, 0);
}

void TForm1::Hide1Click() {
    if (IsWindowVisible(Handle())) {
        ti.SetActive(true);
        if (!ti.Active()) return;  // no tray icon to come back from: stay visible
        ShowWindow(Handle(), SW_HIDE);
        pm.SetCaption(kHide1, "&Show");
    } else {
        tiDblClick(ti);
    }
}

void TForm1::tiDblClick(TTaskIcon&) {
    // The first showing runs FormShow, which starts the clock.
    Show();
    SetForegroundWindow(Handle());
    ti.SetActive(false);
    pm.SetCaption(kHide1, "&Hide");
}

// The menu opens at the pointer of the click, but only when no double-click
// follows: the shell reports a double-click as click, double-click, click, and a
// menu opened at the first click would take the second one, so a double-click
// could never show the clock.
void TForm1::tiClick(TTaskIcon&) {
    // The release ending a double-click comes at once; a click after the
    // double-click time is a new one (that release went elsewhere).
    if (std::exchange(trayClickAfterDoubleClick_, false) &&
        GetTickCount() - trayDoubleClickTime_ <= GetDoubleClickTime())
        return;
    GetCursorPos(&trayClickAt_);
    SetTimer(Handle(), kTrayClickTimer, GetDoubleClickTime(), nullptr);
}

void TForm1::OpenTrayClickMenu() {
    KillTimer(Handle(), kTrayClickTimer);
    PopupMenuAt(trayClickAt_.x, trayClickAt_.y);
}

// A double-click is no click: the menu of its first click stays closed, and so
// does that of the release that follows it.
void TForm1::ForgetTrayClick() {
    KillTimer(Handle(), kTrayClickTimer);
    trayClickAfterDoubleClick_ = true;
    trayDoubleClickTime_ = GetTickCount();
}

void TForm1::tiRightClick(TTaskIcon&, int x, int y) { PopupMenuAt(x, y); }

void TForm1::PopupMenuAt(int x, int y) { pm.Popup(Handle(), x, y); }

}  // namespace quorvel
