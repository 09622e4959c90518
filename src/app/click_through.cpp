#include "app/click_through.h"

#include "app/clock_tray.h"

namespace quorvel {
namespace {

constexpr UINT_PTR kPointerTimer = 2;  // the clock window's tick is 1
constexpr UINT kPointerPollMs = 50;

}  // namespace

ClickThrough::ClickThrough(ClockWindow& clock, ClockTray& tray)
    : clock_(clock), tray_(tray), pointerTimer_(kPointerTimer, kPointerPollMs) {
    clock_.AddMessageHandler(*this);
}

void ClickThrough::Start() { (void)pointerTimer_.Attach(clock_.Handle()); }  // not running yet

void ClickThrough::SetOn(bool on) {
    on_ = on;
    clock_.SetPointerPassesThrough(on);
    tray_.KeepIconShown(on);
    if (!on) pointerTimer_.Stop();
}

void ClickThrough::OnTick() {
    // No timer to follow the pointer (the system has none to give): Ctrl works only from tick to tick.
    if (!on_ || pointerTimer_.Enabled() || !PointerOverClock()) return;
    if (!pointerTimer_.Start()) FollowPointer();
}

bool ClickThrough::PointerOverClock() const {
    POINT at{};
    if (!clock_.Visible() || !GetCursorPos(&at)) return false;
    const RECT r = clock_.OuterRect();
    return PtInRect(&r, at) != FALSE;
}

// Ctrl held over the clock: it takes the pointer; otherwise the pointer passes.
void ClickThrough::FollowPointer() {
    const bool over = PointerOverClock();
    const bool ctrl = (GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0;
    clock_.SetPointerPassesThrough(!(over && ctrl));
    if (!over) pointerTimer_.Stop();
}

bool ClickThrough::HandleClockMessage(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    if (msg != WM_TIMER || wParam != kPointerTimer) return false;
    if (on_) FollowPointer();
    result = 0;
    return true;
}

}  // namespace quorvel
