// What the system tells the clock window about the computer: a resume from
// sleep and a changed system time have the alarms checked at once, rather
// than at some later tick; the end of the session saves everything, since
// log-off and shut-down end the program without closing its window.
#pragma once

#include <windows.h>

#include <functional>

#include "app/clock_window.h"

namespace quorvel {

class AlarmBook;
class Saver;

class SystemEvents final : public ClockMessageHandler {
public:
    // All must outlive the handler; it listens at the clock window.
    SystemEvents(ClockWindow& clock, AlarmBook& book, Saver& saver);

    bool HandleClockMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // Told after each check these events run.
    std::function<void()> afterCheck;

private:
    ClockWindow& clock_;
    AlarmBook& book_;
    Saver& saver_;
};

}  // namespace quorvel
