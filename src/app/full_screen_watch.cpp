#include "app/full_screen_watch.h"

#include <string>

#include "app/clock_window.h"
#include "core/full_screen.h"
#include "platform/shell.h"
#include "ui/display.h"
#include "ui/window_ref.h"

namespace quorvel {
namespace {

// The watch whose thread receives the foreground events (there is one clock).
FullScreenWatch* watching = nullptr;

ScreenRect ToScreenRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

FullScreenWatch::FullScreenWatch(ClockWindow& clock) : clock_(clock) {}

FullScreenWatch::~FullScreenWatch() {
    if (hook_) UnhookWinEvent(hook_);
    if (watching == this) watching = nullptr;
}

void FullScreenWatch::Start() {
    if (hook_) return;
    watching = this;
    // No hook (refused): the tick's looks still see every change, a little later.
    hook_ = SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, &OnForeground, 0, 0,
                            WINEVENT_OUTOFCONTEXT);
}

void CALLBACK FullScreenWatch::OnForeground(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD) {
    if (watching) watching->Look();
}

bool FullScreenWatch::Look() {
    const bool inFront = Judge();
    if (inFront != inFront_) {
        inFront_ = inFront;
        if (onChange) onChange(inFront);
    }
    return inFront_;
}

// Most looks end at the foreground window's rectangle: one that does not cover
// the monitor, with no word from the shell, needs no more questions (each one
// about another program's window goes to the window system).
bool FullScreenWatch::Judge() {
    const ShellState shell = QueryShellState();
    const ui::WindowRef front(GetForegroundWindow());
    if (!front.Handle()) return FullScreenInFront(nullptr, false, ClockMonitor(), shell);
    ForegroundWindow window;
    window.rect = ToScreenRect(front.OuterRect());
    if (shell == ShellState::Other && !CoversMonitor(window.rect, ClockMonitor())) return false;
    const std::string className = front.ClassName();
    const LONG style = GetWindowLongW(front.Handle(), GWL_STYLE);
    window.className = className;
    window.visible = front.Visible();
    window.minimised = front.Minimised();
    window.maximised = IsZoomed(front.Handle()) != FALSE;
    window.captionOrFrame = (style & WS_CAPTION) == WS_CAPTION || (style & WS_THICKFRAME) != 0;
    window.clocksOwn = front.OfThisProgram();
    const bool onMonitor = ToScreenRect(ui::MonitorRectOf(front.Handle())) == ClockMonitor();
    return FullScreenInFront(&window, onMonitor, ClockMonitor(), shell);
}

// Asked again only when the clock has moved: the answer costs the window
// system a question, and the clock rarely moves.
const ScreenRect& FullScreenWatch::ClockMonitor() {
    const RECT now = clock_.OuterRect();
    if (!EqualRect(&now, &clockRect_) || monitor_.Width() == 0) {
        clockRect_ = now;
        monitor_ = ToScreenRect(ui::MonitorRectOf(clock_.Handle()));
    }
    return monitor_;
}

}  // namespace quorvel
