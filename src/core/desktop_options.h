// How the clock lives beside other programs, as the settings keep it.
#pragma once

#include <cstdint>

namespace quorvel {

// What FullScreenReminders holds: reminders wait for a full-screen program
// to leave, or show over it at once without taking the keyboard.
inline constexpr std::int32_t kRemindersWaitForFullScreen = 0;
inline constexpr std::int32_t kRemindersOverFullScreen = 1;

struct DesktopOptions {
    bool hideWhenFullScreen = true;  // the clock steps aside for a full-screen program
    std::int32_t fullScreenReminders = kRemindersWaitForFullScreen;  // as stored; 1 shows them over it
    bool clickThrough = false;       // the pointer passes through the clock
    std::int32_t showHideHotKey = 0;  // as stored: core/hot_key.h; 0 for none

    bool RemindersOverFullScreen() const { return fullScreenReminders == kRemindersOverFullScreen; }
    bool operator==(const DesktopOptions&) const = default;
};

}  // namespace quorvel
