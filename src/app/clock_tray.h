// The clock's tray icon: the way back to a hidden clock. Hiding puts the icon
// in the notification area and takes the clock off the screen; a double-click
// on the icon shows the clock again, a click or the right button opens the
// clock's menu there.
#pragma once

#include <string>

#include "app/tray_click_timing.h"
#include "trayicon/tray_icon.h"

namespace quorvel {

class ClockMenu;
class ClockWindow;

class ClockTray {
public:
    // Both must outlive the tray.
    ClockTray(ClockWindow& clock, ClockMenu& menu);

    // Hidden to the tray icon (not visible).
    bool Hidden() const;
    // Hides the clock to the tray icon, or shows it. A clock stays on screen
    // when the shell takes no icon: it could never come back.
    void ToggleHidden();
    void ShowFromTray();
    // A start with the stored Hidden setting: the icon goes up, and the clock
    // stays hidden when it did; false when the clock must show after all.
    bool StartHidden();
    // The icon stays up while the clock is shown too (the way back from a
    // clock the pointer passes through), or only while it is hidden.
    void KeepIconShown(bool keep);

    // The tip's second line: the next alarm due.
    void SetNextAlarm(const std::string& text);

    TrayIcon& Icon() { return icon_; }

private:
    void Activate();
    void MarkHidden(bool hidden);

    ClockWindow& clock_;
    ClockMenu& menu_;
    TrayIcon icon_;
    TrayClickTiming clicks_;
    std::string tip_;
    bool keepIconShown_ = false;
};

}  // namespace quorvel
