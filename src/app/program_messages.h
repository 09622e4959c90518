// Messages other programs send the running clock: another start of
// Quorvel.exe asks it to come forward, and quorvel-cli hands it an alarm to add
// (WM_COPYDATA), which is saved once the sender has its answer.
#pragma once

#include <windows.h>

#include "app/clock_window.h"

namespace quorvel {

class AlarmBook;
class ClockTray;
class Saver;

class ProgramMessages final : public ClockMessageHandler {
public:
    // All must outlive the handler; it listens at the clock window.
    ProgramMessages(ClockWindow& clock, ClockTray& tray, AlarmBook& book, Saver& saver);

    bool HandleClockMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // Taken when it arrives whole, then saved; false when it is not taken.
    bool OnCopyData(const COPYDATASTRUCT& data);
    void ComeForward();

    ClockWindow& clock_;
    ClockTray& tray_;
    AlarmBook& book_;
    Saver& saver_;
};

}  // namespace quorvel
