// The clock window's pointer input. The text drags the window: the window
// answers WM_NCHITTEST with HTCAPTION over a shown label, so the system moves
// it, with no capture or move state here. A double-click on the text, the
// right button and the wheel keep their own handling.
#include <windowsx.h>

#include "app/clock_window.h"

namespace quorvel {
namespace {

constexpr int kSmallestSize = 3;  // points, the wheel's range
constexpr int kLargestSize = 200;

}  // namespace

// The window's background between the labels takes no dragging.
bool ClockWindow::OnText(POINT screen) const {
    ScreenToClient(Handle(), &screen);  // a point conversion, not a window-manager request
    for (const ClockLabel* label : {&outline_, &text_, &shadow_}) {
        if (label->Visible() && label->Contains(screen)) return true;
    }
    return false;
}

bool ClockWindow::HandlePointer(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    const POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (msg) {
        case WM_NCHITTEST:
            result = DefaultHandling(msg, wParam, lParam);
            if (result == HTCLIENT && OnText(screen)) result = HTCAPTION;
            return true;
        case WM_NCLBUTTONDBLCLK:
            // On the text; the system would take a caption's double-click as "maximize".
            if (wParam != HTCAPTION) return false;
            if (onDoubleClick) onDoubleClick();
            return true;
        case WM_NCRBUTTONDOWN:
            // The right button on the text opens the menu at its release, as on
            // the rest of the face; the caption's system menu never shows.
            return wParam == HTCAPTION;
        case WM_NCRBUTTONUP:
            if (wParam != HTCAPTION) return false;
            if (onContextMenu) onContextMenu(screen);
            return true;
        case WM_CONTEXTMENU: {
            POINT at = screen;
            if (at.x == -1 && at.y == -1) {  // from the keyboard: at the window's corner
                const RECT r = ClientRectOnScreen();
                at = {r.left, r.top};
            }
            if (onContextMenu) onContextMenu(at);
            return true;
        }
        case WM_MOUSEWHEEL:
            Wheel(GET_WHEEL_DELTA_WPARAM(wParam));
            return true;
        default:
            return false;
    }
}

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

}  // namespace quorvel
