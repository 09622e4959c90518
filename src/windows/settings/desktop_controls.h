// The settings window's part for how the clock lives beside other programs:
// stepping aside for full-screen programs, reminders over them, click-through
// and the show/hide shortcut. A shortcut another program holds is told beside
// it as it is chosen.
#pragma once

#include "ui/controls/check_box.h"
#include "ui/controls/hot_key_box.h"
#include "windows/settings/clock_control.h"

namespace quorvel {

class SettingsWindow;

class DesktopControls {
public:
    // The control must outlive these.
    explicit DesktopControls(ClockControl& control) : control_(control) {}

    // Once the window's controls exist.
    void Attach(const SettingsWindow& window);
    // The clock's state into the controls (at every showing).
    void ReadClockState();

private:
    void OnShortcutChange(std::uint16_t value);

    ClockControl& control_;
    ui::CheckBox fullScreenBox_;
    ui::CheckBox remindersBox_;
    ui::CheckBox clickThroughBox_;
    ui::HotKeyBox shortcutBox_;
    ui::Control shortcutNote_;
};

}  // namespace quorvel
