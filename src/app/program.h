// Program: the long-lived parts of a running clock, made and wired in one
// place. The alarm book owns the alarms for the whole run; the clock window
// shows the face; the menu, the tray, the saves, the messages from other
// programs and the system's events are parts of their own; the other windows
// are made when first needed.
//
//   Program program;
//   program.Start();          // the clock on screen (or hidden to the tray)
//   ui::RunMessageLoop();     // until the clock window closes
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "alarms/alarm_book.h"
#include "alarms/alarm_registry.h"
#include "app/alarm_outlook.h"
#include "app/clock_chime.h"
#include "app/clock_commands.h"
#include "app/clock_menu.h"
#include "app/clock_tray.h"
#include "app/clock_window.h"
#include "app/desktop_presence.h"
#include "app/program_messages.h"
#include "app/program_windows.h"
#include "app/saver.h"
#include "app/settings_store.h"
#include "app/system_events.h"

namespace quorvel {

class ReminderWindows;

class Program {
public:
    Program();
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Creates the clock window with its stored settings, shows it (unless it
    // starts hidden to the tray), then loads the alarms and starts checking them.
    void Start();

    ClockWindow& Clock() { return clock_; }
    ClockMenu& Menu() { return menu_; }
    ClockTray& Tray() { return tray_; }
    ClockCommands& Commands() { return commands_; }
    ProgramWindows& Windows() { return windows_; }
    AlarmBook& Book() { return book_; }
    Saver& Saves() { return saver_; }
    AlarmOutlook& Outlook() { return outlook_; }
    ClockChime& Chime() { return chime_; }
    ReminderWindows* Reminders() { return reminders_.get(); }
    DesktopPresence& Desktop() { return desktop_; }

private:
    void CreateClock();
    void LoadAlarms();
    // The alarms' check, then what it means for the alarms to come.
    void CheckAlarms();

    RegistryAlarmStorage alarmStorage_;
    // Outlives every window that shows or fires its alarms. Until it is
    // loaded, saves leave the stored list alone.
    AlarmBook book_{alarmStorage_};
    SettingsStore store_;
    ClockWindow clock_;
    ClockMenu menu_;
    ClockTray tray_{clock_, menu_};
    DesktopPresence desktop_{clock_, tray_, menu_};
    Saver saver_{clock_, store_, book_};
    ProgramWindows windows_;
    ClockCommands commands_;
    ProgramMessages messages_{clock_, tray_, book_, saver_};
    SystemEvents events_{clock_, book_, saver_};
    AlarmOutlook outlook_{clock_, book_, tray_, menu_};
    ClockChime chime_;
    // Made once the clock window exists: reminders are centred on its monitor.
    std::unique_ptr<ReminderWindows> reminders_;
};

}  // namespace quorvel
