// One running clock per user session. The first start holds a named mutex in
// the session's own namespace (another user's session has its own); a second
// start finds it taken, asks the running clock to come forward and ends before
// it reads or stores anything.
#pragma once

#include <windows.h>

#include "core/unique.h"

namespace quorvel {

struct KernelHandleDeleter {
    void operator()(HANDLE h) const { CloseHandle(h); }
};
using KernelHandle = Unique<HANDLE, KernelHandleDeleter>;

class SessionInstance {
public:
    // Takes the session's clock mutex if no other copy holds it.
    SessionInstance();
    // Whether this is the session's only running clock.
    bool First() const { return first_; }

private:
    KernelHandle mutex_;
    bool first_ = false;
};

// Whether a clock runs in this session (another program asking).
bool ClockRunsInSession();

// The message a second start sends to the running clock's window: come to
// the front, shown if it is hidden to the tray. 0 when it cannot be registered.
UINT ShowClockMessage();

// Finds the running clock's window, waiting up to `waitMs` for one that is
// still starting, lets it take the foreground and sends it ShowClockMessage.
// False when no window answered.
bool BringRunningClockForward(DWORD waitMs);

// Ends the session's running clock as its Exit command does (its settings and
// alarms saved), for an installer about to replace or remove its files. Waits
// up to `waitMs` for a clock still starting to show its window, and as long
// again for its process to end.
enum class ClockClosing { NoneRunning, Closed, StillRunning };
ClockClosing CloseRunningClock(DWORD waitMs);

}  // namespace quorvel
