// Whether a full-screen program is in front on the clock's monitor. The
// system's foreground-change event (an event hook, out of context: no input
// hook, nothing loaded into other programs) has it look at once; the clock's
// tick has it look again once a second, which sees a window that goes full
// screen without a change of foreground, and every change under window
// systems that report no other program's foreground.
#pragma once

#include <windows.h>

#include <functional>

#include "core/screen_placement.h"

namespace quorvel {

class ClockWindow;

class FullScreenWatch {
public:
    // The clock must outlive the watch.
    explicit FullScreenWatch(ClockWindow& clock);
    ~FullScreenWatch();
    FullScreenWatch(const FullScreenWatch&) = delete;
    FullScreenWatch& operator=(const FullScreenWatch&) = delete;

    // Hooks the foreground changes (the clock's thread receives them).
    void Start();
    // Looks now: whether a full-screen program is in front; onChange hears a change.
    bool Look();
    bool InFront() const { return inFront_; }
    // The monitors changed: the clock's is asked again at the next look.
    void DisplayChanged() { monitor_ = {}; }
    // After a change of the verdict.
    std::function<void(bool inFront)> onChange;

private:
    static void CALLBACK OnForeground(HWINEVENTHOOK hook, DWORD event, HWND hwnd, LONG object, LONG child,
                                      DWORD thread, DWORD time);
    bool Judge();
    const ScreenRect& ClockMonitor();

    ClockWindow& clock_;
    HWINEVENTHOOK hook_ = nullptr;
    bool inFront_ = false;
    RECT clockRect_{};     // where the clock was when its monitor was last asked
    ScreenRect monitor_{};  // that monitor
};

}  // namespace quorvel
