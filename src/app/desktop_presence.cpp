#include "app/desktop_presence.h"

#include "app/clock_menu.h"
#include "core/translation.h"
#include "ui/message_box.h"

namespace quorvel {
namespace {

constexpr int kTicksPerLook = 4;  // once a second
// The z-order every other look: windows made above the clock are rare, and
// each look costs the window system a question.
constexpr int kLooksPerTopMostCheck = 2;

}  // namespace

DesktopPresence::DesktopPresence(ClockWindow& clock, ClockTray& tray, ClockMenu& menu)
    : clock_(clock), menu_(menu), watch_(clock), clickThrough_(clock, tray), hotKey_(clock, tray), topMost_(clock) {
    clock_.AddMessageHandler(*this);
    watch_.onChange = [this](bool inFront) { FullScreenChanged(inFront); };
    menu_.OnCommand(kClickThroughCommand, [this] { SetClickThrough(!clock_.Desktop().clickThrough); });
}

void DesktopPresence::Start() {
    watch_.Start();
    clickThrough_.Start();
    const DesktopOptions& options = clock_.Desktop();
    SetClickThrough(options.clickThrough);
    if (!hotKey_.Set(options.showHideHotKey)) {
        ui::ShowMessageBox(nullptr, ShortcutRefusal(), ui::ApplicationTitle(), MB_OK | MB_ICONWARNING);
    }
    watch_.Look();
}

void DesktopPresence::OnTick() {
    clickThrough_.OnTick();
    if (++ticks_ < kTicksPerLook) return;
    ticks_ = 0;
    watch_.Look();
    if (++looks_ < kLooksPerTopMostCheck) return;
    looks_ = 0;
    topMost_.Check();
}

void DesktopPresence::FullScreenChanged(bool inFront) {
    if (!inFront) {
        clock_.ComeBack();
        if (onRemindersMayShow) onRemindersMayShow();
    } else if (clock_.Desktop().hideWhenFullScreen) {
        clock_.StepAside();
    }
}

void DesktopPresence::Keep(const DesktopOptions& options) { clock_.SetDesktop(options); }

void DesktopPresence::SetHideWhenFullScreen(bool hide) {
    DesktopOptions options = clock_.Desktop();
    options.hideWhenFullScreen = hide;
    Keep(options);
    if (!hide) {
        clock_.ComeBack();
    } else if (watch_.InFront()) {
        clock_.StepAside();
    }
}

void DesktopPresence::SetRemindersOverFullScreen(bool over) {
    DesktopOptions options = clock_.Desktop();
    options.fullScreenReminders = over ? kRemindersOverFullScreen : kRemindersWaitForFullScreen;
    Keep(options);
    if (over && onRemindersMayShow) onRemindersMayShow();  // those waiting show now, over it
}

void DesktopPresence::SetClickThrough(bool on) {
    DesktopOptions options = clock_.Desktop();
    options.clickThrough = on;
    Keep(options);
    clickThrough_.SetOn(on);
    menu_.SetChecked(kClickThroughCommand, on);
}

bool DesktopPresence::SetShowHideHotKey(std::int32_t stored) {
    DesktopOptions options = clock_.Desktop();
    options.showHideHotKey = stored;
    Keep(options);
    return hotKey_.Set(stored);
}

std::string DesktopPresence::ShortcutRefusal() const { return hotKey_.Refusal(clock_.Desktop().showHideHotKey); }

ReminderWindow::Showing DesktopPresence::HowRemindersShow() {
    if (!watch_.Look()) return ReminderWindow::Showing::Usual;
    return clock_.Desktop().RemindersOverFullScreen() ? ReminderWindow::Showing::Quiet : ReminderWindow::Showing::Wait;
}

bool DesktopPresence::HandleClockMessage(UINT msg, WPARAM, LPARAM, LRESULT&) {
    if (msg == WM_DISPLAYCHANGE) watch_.DisplayChanged();
    return false;  // others may want it too
}

}  // namespace quorvel
