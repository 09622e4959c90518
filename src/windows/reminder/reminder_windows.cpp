#include "windows/reminder/reminder_windows.h"

#include <algorithm>

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

// Windows first: their alarms are told they are gone before the list goes.
ReminderWindows::~ReminderWindows() { windows_.clear(); }

ReminderLink& ReminderWindows::CreateReminder() {
    windows_.push_back(
        std::make_unique<ReminderWindow>(placeNear_, [this](ReminderWindow& window) { ScheduleFree(window); }));
    return *windows_.back();
}

void ReminderWindows::ScheduleFree(ReminderWindow& window) {
    PostMessageW(freeRequests_.Handle(), kFreeMessage, 0, reinterpret_cast<LPARAM>(&window));
}

void ReminderWindows::Free(const ReminderWindow* window) {
    // Compared by address only: a window already gone is simply not found.
    const auto found = std::find_if(windows_.begin(), windows_.end(),
                                    [window](const auto& open) { return open.get() == window; });
    if (found != windows_.end()) windows_.erase(found);
}

}  // namespace quorvel
