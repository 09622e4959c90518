// Keeps the clock on top of other programs' windows: when one takes the place
// (a top-most window made later, a shell that resets the clock's top-most
// state), the clock goes back on top, without taking the keyboard. It looks
// when the clock's place in the z-order changes and, for windows made above
// it, every two seconds from the tick.
#pragma once

#include <windows.h>

#include "app/clock_window.h"

namespace quorvel {

class TopMostKeeper final : public ClockMessageHandler {
public:
    // The clock must outlive the keeper; it listens at the clock window.
    explicit TopMostKeeper(ClockWindow& clock);

    // Back on top when another program's window has taken the place.
    void Check();

    bool HandleClockMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    bool Shown() const;
    bool Covered() const;

    ClockWindow& clock_;
};

}  // namespace quorvel
