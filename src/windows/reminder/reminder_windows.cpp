#include "windows/reminder/reminder_windows.h"

#include <algorithm>
#include <vector>

#include "core/screen_placement.h"
#include "core/translation.h"
#include "ui/display.h"
#include "ui/message_box.h"
#include "ui/window_ref.h"

namespace quorvel {
namespace {

constexpr UINT kFreeMessage = WM_APP + 1;  // lParam: the ReminderWindow to free

}  // namespace

ReminderWindows::ReminderWindows(HWND placeNear)
    : placeNear_(placeNear), freeRequests_([this](UINT msg, WPARAM, LPARAM lParam, LRESULT& result) {
          if (msg != kFreeMessage) return false;
          Free(reinterpret_cast<const ReminderWindow*>(lParam));
          result = 0;
          return true;
      }) {}

// The windows go before the message window that frees them.
ReminderWindows::~ReminderWindows() { windows_.clear(); }

ReminderLink& ReminderWindows::CreateReminder() { return NewWindow(); }

ReminderWindow& ReminderWindows::NewWindow() {
    windows_.push_back(std::make_unique<ReminderWindow>(
        placeNear_, [this](ReminderWindow& window) { Place(window); },
        [this](ReminderWindow& window) { ScheduleFree(window); }));
    windows_.back()->howToShow = [this] { return howToShow ? howToShow() : ReminderWindow::Showing::Usual; };
    return *windows_.back();
}

void ReminderWindows::ShowWaiting() {
    // Freeing is posted: the list stays as it is while they show.
    for (const auto& window : windows_) window->ShowWaiting();
}

ReminderLink* ReminderWindows::OpenReminderOf(AlarmId alarm) {
    for (const auto& window : windows_)
        if (window->Fires(alarm)) return window.get();
    return nullptr;
}

void ReminderWindows::ShowNotice(AlarmId alarm, const std::string& text) {
    const auto open = std::find_if(notices_.begin(), notices_.end(), [alarm](const auto& n) { return n.first == alarm; });
    ReminderWindow& window = open != notices_.end() ? *open->second : NewWindow();
    if (open == notices_.end()) notices_.emplace_back(alarm, &window);
    window.ShowNotice(text, [this, alarm](bool snoozed, int minutes) {
        std::erase_if(notices_, [alarm](const auto& n) { return n.first == alarm; });
        if (onNoticeAnswered) onNoticeAnswered(alarm, snoozed, minutes);
    });
}

void ReminderWindows::CloseNotice(AlarmId alarm) {
    const auto open = std::find_if(notices_.begin(), notices_.end(), [alarm](const auto& n) { return n.first == alarm; });
    if (open == notices_.end()) return;
    ReminderWindow* window = open->second;
    notices_.erase(open);
    window->CloseNotice();
}

bool ReminderWindows::SoundPlaying() const {
    return std::any_of(windows_.begin(), windows_.end(),
                       [](const auto& window) { return window->Player().Mode() == PlayerMode::Playing; });
}

// Centred like the first, each later one a caption's height lower and to the
// right of the places taken, so every caption shows.
void ReminderWindows::Place(ReminderWindow& window) const {
    std::vector<ScreenPoint> taken;
    for (const auto& other : windows_) {
        if (other.get() == &window || !other->Visible()) continue;
        const RECT r = other->OuterRect();
        taken.push_back({r.left, r.top});
    }
    const RECT outer = window.OuterRect();
    const RECT client = window.ClientRectOnScreen();
    const RECT work = ui::WorkAreaOf(placeNear_);
    const ScreenRect area{work.left, work.top, work.right, work.bottom};
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    const ScreenPoint place =
        CascadePlace(CentreIn(width, height, area), client.top - outer.top, taken, width, height, area);
    window.MoveTo({place.x, place.y});
}

void ReminderWindows::ShowFailure(const std::string& message) {
    const std::string text =
        FillIn(Translate("An alarm is due, but its reminder window cannot be opened: {0}"), {Translate(message)}) +
        "\r\n" + std::string(Translate("The alarm stays due and is tried again at every tick."));
    ui::ShowMessageBox(nullptr, text, Translate("ERROR showing reminder"), MB_OK | MB_ICONERROR | MB_TOPMOST);
}

void ReminderWindows::ScheduleFree(ReminderWindow& window) {
    // It cannot go now: its own close is under way. With the queue full it
    // stays, hidden, and goes with the list.
    static_cast<void>(
        ui::WindowRef(freeRequests_.Handle()).Post(kFreeMessage, 0, reinterpret_cast<LPARAM>(&window)));
}

void ReminderWindows::Free(const ReminderWindow* window) {
    // Compared by address only: a window already gone is simply not found.
    const auto found = std::find_if(windows_.begin(), windows_.end(),
                                    [window](const auto& open) { return open.get() == window; });
    std::erase_if(notices_, [window](const auto& n) { return n.second == window; });
    if (found != windows_.end()) windows_.erase(found);
}

}  // namespace quorvel
