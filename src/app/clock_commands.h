// The clock's commands: what its menu items, their shortcuts and the settings
// window's buttons do. Each shows a window (made when first needed), adds a
// quick reminder, hides or shows the clock, saves or ends the program.
#pragma once

#include "windows/settings/clock_control.h"

namespace quorvel {

class AlarmBook;
class ClockMenu;
class ClockTray;
class ClockWindow;
class DesktopPresence;
class ProgramWindows;
class Saver;
class SettingsStore;

class ClockCommands final : public ClockControl {
public:
    struct Parts {
        ClockWindow& clock;
        ClockTray& tray;
        AlarmBook& book;
        Saver& saver;
        const SettingsStore& store;
        ProgramWindows& windows;
        DesktopPresence& desktop;
    };
    // Binds the menu's items and shortcuts to the commands; the parts must
    // outlive the commands.
    ClockCommands(const Parts& parts, ClockMenu& menu);

    void OnAlarmsCommand() override;
    void OnCalendarCommand();
    void OnRemindMeCommand(int minutes);
    // Without waiting; a settings window already shown comes to the front.
    void OnPropertiesCommand();
    // Another about window each time; those still open stay open.
    void ShowAbout() override;
    // Closes the clock window, which saves everything and ends the program.
    void CloseClock() override;

    bool Hidden() const override;
    void ToggleHidden() override;
    void SaveSettings() override;
    void SetStartupEntry(bool enabled) override;
    bool StartupEntryExists() override;

    const DesktopOptions& Desktop() const override;
    void SetHideWhenFullScreen(bool hide) override;
    void SetRemindersOverFullScreen(bool over) override;
    void SetClickThrough(bool on) override;
    bool SetShowHideHotKey(std::int32_t stored) override;

private:
    Parts parts_;
};

}  // namespace quorvel
