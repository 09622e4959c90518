#include "app/clock_commands.h"

#include "alarms/alarm_book.h"
#include "app/clock_menu.h"
#include "app/clock_tray.h"
#include "app/clock_window.h"
#include "app/desktop_presence.h"
#include "app/program_windows.h"
#include "app/saver.h"
#include "app/settings_store.h"
#include "core/clock.h"
#include "windows/alarms/alarms_window.h"
#include "windows/calendar/calendar_window.h"
#include "windows/settings/settings_window.h"

namespace quorvel {

ClockCommands::ClockCommands(const Parts& parts, ClockMenu& menu) : parts_(parts) {
    menu.OnCommand(kAlarmsCommand, [this] { OnAlarmsCommand(); });
    menu.OnCommand(kCalendarCommand, [this] { OnCalendarCommand(); });
    menu.OnCommand(kHideCommand, [this] { ToggleHidden(); });
    menu.OnCommand(kAboutCommand, [this] { ShowAbout(); });
    menu.OnCommand(kExitCommand, [this] { CloseClock(); });
    menu.OnCommand(kPropertiesCommand, [this] { OnPropertiesCommand(); });
    menu.OnRemindMe([this](int minutes) { OnRemindMeCommand(minutes); });
    parts_.clock.onDoubleClick = [this] { OnPropertiesCommand(); };
    parts_.clock.onContextMenu = [this, &menu](POINT screen) { menu.Popup(parts_.clock, screen); };
}

void ClockCommands::OnAlarmsCommand() { parts_.windows.Alarms().Show(); }

void ClockCommands::OnCalendarCommand() { parts_.windows.Calendar().ShowToday(); }

void ClockCommands::OnRemindMeCommand(int minutes) { parts_.book.Add(TimerAlarm(minutes, Now())); }

void ClockCommands::OnPropertiesCommand() { parts_.windows.Settings().ShowSettings(); }

void ClockCommands::ShowAbout() { parts_.windows.About().ShowNew(); }

void ClockCommands::CloseClock() {
    // Posted: a command runs inside the clock's own messages, which closing
    // would destroy under it.
    (void)parts_.clock.PostClose();  // a clock that cannot take a message is ending anyway
}

bool ClockCommands::Hidden() const { return parts_.tray.Hidden(); }

void ClockCommands::ToggleHidden() { parts_.tray.ToggleHidden(); }

void ClockCommands::SaveSettings() { parts_.saver.SaveAll(); }

void ClockCommands::SetStartupEntry(bool enabled) {
    (void)parts_.store.SetStartupEntry(enabled);  // a failure was told by the store
}

bool ClockCommands::StartupEntryExists() { return parts_.store.StartupEntryExists(); }

const DesktopOptions& ClockCommands::Desktop() const { return parts_.clock.Desktop(); }

void ClockCommands::SetHideWhenFullScreen(bool hide) { parts_.desktop.SetHideWhenFullScreen(hide); }

void ClockCommands::SetRemindersOverFullScreen(bool over) { parts_.desktop.SetRemindersOverFullScreen(over); }

void ClockCommands::SetClickThrough(bool on) { parts_.desktop.SetClickThrough(on); }

bool ClockCommands::SetShowHideHotKey(std::int32_t stored) { return parts_.desktop.SetShowHideHotKey(stored); }

}  // namespace quorvel
