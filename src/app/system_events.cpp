#include "app/system_events.h"

#include "alarms/alarm_book.h"
#include "app/saver.h"

namespace quorvel {

SystemEvents::SystemEvents(ClockWindow& clock, AlarmBook& book, Saver& saver)
    : clock_(clock), book_(book), saver_(saver) {
    clock_.AddMessageHandler(*this);
}

bool SystemEvents::HandleClockMessage(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    const bool resumed =
        msg == WM_POWERBROADCAST && (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND);
    if (resumed || msg == WM_TIMECHANGE) {
        // Only once the clock runs: before its first tick nothing is checked.
        if (clock_.Ticking()) {
            book_.CheckAlarms();
            if (afterCheck) afterCheck();
        }
        result = resumed ? TRUE : 0;
        return true;
    }
    if (msg == WM_ENDSESSION) {
        if (wParam) saver_.SaveAll();
        result = 0;
        return true;
    }
    return false;
}

}  // namespace quorvel
