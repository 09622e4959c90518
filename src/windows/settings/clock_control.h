// The clock's operations the settings window calls beside the face's settings:
// hiding, saving, the start-up entry, and the windows and commands its buttons
// stand for. The program's clock commands implement it.
#pragma once

#include <cstdint>

#include "core/desktop_options.h"

namespace quorvel {

class ClockControl {
public:
    // Whether the clock window is hidden to its tray icon.
    virtual bool Hidden() const = 0;
    // Hides the clock to its tray icon, or shows it again when hidden.
    virtual void ToggleHidden() = 0;

    // Saves the settings and the alarm list; failures are told by the clock.
    virtual void SaveSettings() = 0;
    virtual void SetStartupEntry(bool enabled) = 0;
    virtual bool StartupEntryExists() = 0;

    // How the clock lives beside other programs, each acted on at once.
    virtual const DesktopOptions& Desktop() const = 0;
    virtual void SetHideWhenFullScreen(bool hide) = 0;
    virtual void SetRemindersOverFullScreen(bool over) = 0;
    virtual void SetClickThrough(bool on) = 0;
    // The show/hide shortcut as the hot-key control gives it (core/hot_key.h);
    // false when another program holds it.
    virtual bool SetShowHideHotKey(std::int32_t stored) = 0;

    virtual void ShowAbout() = 0;
    // Shows the alarms window without waiting.
    virtual void OnAlarmsCommand() = 0;
    // Closes the clock window, which saves everything and ends the program.
    virtual void CloseClock() = 0;

protected:
    ~ClockControl() = default;
};

}  // namespace quorvel
