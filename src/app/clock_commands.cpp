// The clock window's commands: dragging it by its text, sizing the text with the
// wheel, the pop-up menu `menu_` and its shortcuts, hiding to and showing from the
// tray icon, and Exit.
#include <windowsx.h>

#include "alarms/alarm_book.h"
#include "app/clock_window.h"
#include "core/clock.h"
#include "windows/alarms/alarms_window.h"
#include "windows/calendar/calendar_window.h"
#include "windows/settings/settings_window.h"

namespace quorvel {
namespace {

constexpr int kSmallestSize = 3;    // points, the wheel's range
constexpr int kLargestSize = 200;

POINT ClientPoint(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

}  // namespace

// The topmost visible label under a client point; the window's background
// between the labels takes no pointer input.
ClockLabel* ClockWindow::LabelAt(POINT client) {
    for (ClockLabel* label : {&outline_, &text_, &shadow_}) {
        if (label->Visible() && label->Contains(client)) return label;
    }
    return nullptr;
}

bool ClockWindow::HandlePointer(UINT msg, WPARAM wParam, LPARAM lParam) {
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
            OnFaceMouseDown(*label, button, at.x - label->Left(), at.y - label->Top());
            if (msg == WM_LBUTTONDBLCLK) OnFaceDoubleClick();
            return true;
        }
        case WM_MOUSEMOVE: {
            const POINT at = ClientPoint(lParam);
            if (ClockLabel* label = pressed_ ? pressed_ : LabelAt(at)) {
                OnFaceMouseMove(*label, at.x - label->Left(), at.y - label->Top());
            }
            return true;
        }
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP: {
            // Any button's release on a label (or the pressed one) ends a drag.
            const bool onLabel = pressed_ || LabelAt(ClientPoint(lParam));
            if (msg == WM_LBUTTONUP && pressed_) {
                pressed_ = nullptr;
                ReleaseCapture();
            }
            if (onLabel) OnFaceMouseUp();
            // A right button release goes on to the platform, which asks for the
            // context menu (WM_CONTEXTMENU).
            return msg != WM_RBUTTONUP;
        }
        case WM_CAPTURECHANGED:
            // Capture taken away mid-drag (another window, a menu): the release
            // will not come here, so the drag ends now.
            if (pressed_ && reinterpret_cast<HWND>(lParam) != Handle()) {
                pressed_ = nullptr;
                dragging_ = false;
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

void ClockWindow::OnFaceMouseDown(const ClockLabel&, MouseButton button, int x, int y) {
    // Only the left button drags; the right one opens the menu on release.
    if (button != MouseButton::Left) return;
    dragging_ = true;
    dragStartX_ = x;
    dragStartY_ = y;
}

void ClockWindow::OnFaceMouseMove(const ClockLabel&, int x, int y) {
    if (!dragging_) return;
    // The label moves with the window, so the grabbed point stays under the pointer.
    RECT r{};
    GetWindowRect(Handle(), &r);
    SetWindowPos(Handle(), nullptr, r.left + x - dragStartX_, r.top + y - dragStartY_, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ClockWindow::OnFaceMouseUp() { dragging_ = false; }

void ClockWindow::OnFaceDoubleClick() { OnPropertiesCommand(); }

// Whole notches of 120 units each run one step; the rest waits for more
// movement in the same direction, and movement the other way takes from it.
void ClockWindow::Wheel(int delta) {
    wheelDelta_ += delta;
    while (wheelDelta_ >= WHEEL_DELTA) {
        wheelDelta_ -= WHEEL_DELTA;
        OnMouseWheelUp();
    }
    while (wheelDelta_ <= -WHEEL_DELTA) {
        wheelDelta_ += WHEEL_DELTA;
        OnMouseWheelDown();
    }
}

// A size outside 3 to 200 points (from the registry) only moves towards the range.
void ClockWindow::OnMouseWheelUp() {
    const int size = text_.Font().size;
    SetFontSize(size < kLargestSize ? size + 1 : size);
}

void ClockWindow::OnMouseWheelDown() {
    const int size = text_.Font().size;
    SetFontSize(size > kSmallestSize ? size - 1 : size);
}

void ClockWindow::SetFontSize(int points) {
    text_.SetFontSize(points);
    shadow_.SetFontSize(points);
    outline_.SetFontSize(points);
}

bool ClockWindow::PreTranslateMessage(MSG& msg) {
    // The menu's shortcuts, while the clock has the keyboard focus.
    if (msg.hwnd == Handle() && TranslateAcceleratorW(Handle(), menu_.Accelerators(), &msg)) return true;
    return Window::PreTranslateMessage(msg);
}

void ClockWindow::OnCommand(int id, int, HWND) {
    if (const int minutes = RemindMeMinutes(static_cast<UINT>(id))) return OnRemindMeCommand(minutes);
    switch (id) {
        case kAlarmsCommand: OnAlarmsCommand(); break;
        case kCalendarCommand: OnCalendarCommand(); break;
        case kHideCommand: ToggleHidden(); break;
        case kAboutCommand: ShowAbout(); break;
        case kExitCommand: OnExitCommand(); break;
        case kPropertiesCommand: OnPropertiesCommand(); break;
        default: break;
    }
}

void ClockWindow::OnAlarmsCommand() {
    if (alarmsWindow_) alarmsWindow_->Show();
}

void ClockWindow::OnRemindMeCommand(int minutes) {
    if (alarmBook_) alarmBook_->Add(TimerAlarm(minutes, Now()));
}

void ClockWindow::OnCalendarCommand() {
    if (calendarWindow_) calendarWindow_->ShowToday();
}

// Another about window each time; those still open stay open.
void ClockWindow::ShowAbout() { aboutWindows_.ShowNew(); }

// Without waiting; a settings window already shown comes to the front.
void ClockWindow::OnPropertiesCommand() {
    if (settingsWindow_) settingsWindow_->ShowSettings();
}

void ClockWindow::OnExitCommand() {
    // Closing saves the settings and the alarm list and ends the program.
    SendMessageW(Handle(), WM_CLOSE, 0, 0);
}

void ClockWindow::ToggleHidden() {
    if (IsWindowVisible(Handle())) {
        ActivateTrayIcon();
        if (!trayIcon_.Active()) return;  // no tray icon to come back from: stay visible
        ShowWindow(Handle(), SW_HIDE);
        menu_.SetCaption(kHideCommand, "&Show");
    } else {
        ShowFromTray();
    }
}

void ClockWindow::ShowFromTray() {
    // The first showing starts the clock.
    Show();
    SetForegroundWindow(Handle());
    trayIcon_.SetActive(false);
    menu_.SetCaption(kHideCommand, "&Hide");
}

void ClockWindow::PopupMenuAt(int x, int y) { menu_.Popup(Handle(), x, y); }

}  // namespace quorvel
