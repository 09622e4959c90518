#include "app/program_messages.h"

#include "alarms/alarm_book.h"
#include "alarms/alarm_message.h"
#include "app/clock_tray.h"
#include "app/saver.h"
#include "platform/session_instance.h"

namespace quorvel {
namespace {

constexpr UINT kSaveNowMessage = WM_APP + 10;

}  // namespace

ProgramMessages::ProgramMessages(ClockWindow& clock, ClockTray& tray, AlarmBook& book, Saver& saver)
    : clock_(clock), tray_(tray), book_(book), saver_(saver) {
    clock_.AddMessageHandler(*this);
}

bool ProgramMessages::HandleClockMessage(UINT msg, WPARAM, LPARAM lParam, LRESULT& result) {
    if (msg == ShowClockMessage() && msg != 0) {
        ComeForward();
        result = 1;
        return true;
    }
    if (msg == WM_COPYDATA) {
        result = OnCopyData(*reinterpret_cast<const COPYDATASTRUCT*>(lParam)) ? TRUE : FALSE;
        return true;
    }
    if (msg == kSaveNowMessage) {
        saver_.SaveAll();
        result = 0;
        return true;
    }
    return false;
}

// Another start of the program, which ends at once: this clock comes forward.
void ProgramMessages::ComeForward() {
    if (clock_.Visible()) {
        clock_.BringToFront();
    } else {
        tray_.ShowFromTray();
    }
}

bool ProgramMessages::OnCopyData(const COPYDATASTRUCT& data) {
    if (data.dwData != kAddAlarmMessage || !data.lpData || data.cbData > kMaxAlarmMessageBytes) return false;
    const auto alarm = DecodeAlarmMessage({static_cast<const std::uint8_t*>(data.lpData), data.cbData});
    if (!alarm) return false;
    book_.Add(*alarm);
    // Saved once the sender has its answer: a failed save's message box must
    // not keep the sender waiting. Not queued (a queue that is full): the
    // periodic save writes it.
    (void)clock_.Post(kSaveNowMessage);
    return true;
}

}  // namespace quorvel
