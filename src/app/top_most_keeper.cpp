#include "app/top_most_keeper.h"

#include <string>

#include "core/full_screen.h"
#include "ui/window_ref.h"

namespace quorvel {
namespace {

constexpr UINT kCheckMessage = WM_APP + 20;
// Windows above the clock looked at in one check: there are seldom more
// than a few, and each costs the window system a question.
constexpr int kMostLookedAt = 8;

bool TopMost(HWND hwnd) { return (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

WindowAbove Describe(HWND hwnd, std::string& className) {
    const ui::WindowRef above(hwnd);
    WindowAbove window;
    window.visible = above.Visible();
    if (!window.visible) return window;
    const RECT r = above.OuterRect();
    window.rect = {r.left, r.top, r.right, r.bottom};
    className = above.ClassName();
    window.className = className;
    window.clocksOwn = above.OfThisProgram();
    return window;
}

}  // namespace

TopMostKeeper::TopMostKeeper(ClockWindow& clock) : clock_(clock) { clock_.AddMessageHandler(*this); }

// A clock hidden to the tray or stepped aside for a full-screen program keeps its place.
bool TopMostKeeper::Shown() const { return clock_.Visible() && !clock_.SteppedAside(); }

void TopMostKeeper::Check() {
    if (!Shown()) return;
    if (TopMost(clock_.Handle()) && !Covered()) return;
    clock_.SetTopMost(true);
}

bool TopMostKeeper::Covered() const {
    const RECT r = clock_.OuterRect();
    const ScreenRect clock{r.left, r.top, r.right, r.bottom};
    std::string className;
    HWND above = GetWindow(clock_.Handle(), GW_HWNDPREV);
    for (int i = 0; above && i < kMostLookedAt; ++i, above = GetWindow(above, GW_HWNDPREV)) {
        if (TakesTheTop(Describe(above, className), clock)) return true;
    }
    return false;
}

// A change of the clock's place in the z-order is looked at once the change
// is over: a window may not be moved from inside its own move.
bool TopMostKeeper::HandleClockMessage(UINT msg, WPARAM, LPARAM, LRESULT& result) {
    if (msg == WM_WINDOWPOSCHANGED) {
        if (Shown() && !TopMost(clock_.Handle())) (void)clock_.Post(kCheckMessage);
        return false;  // the window's own handling goes on
    }
    if (msg != kCheckMessage) return false;
    Check();
    result = 0;
    return true;
}

}  // namespace quorvel
