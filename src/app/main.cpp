// Program entry: one clock per user session; the alarm book and the windows
// that exist from the start, created in a fixed order with the clock window
// first, then the message loop until the clock window closes.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <exception>

#include "alarms/alarm_book.h"
#include "alarms/alarm_registry.h"
#include "app/clock_window.h"
#include "app/installer_commands.h"
#include "platform/display_language.h"
#include "platform/session_instance.h"
#include "ui/message_box.h"
#include "ui/modal.h"
#include "windows/alarm_editor/alarm_editor.h"
#include "windows/alarms/alarms_window.h"
#include "windows/reminder/reminder_windows.h"
#include "windows/calendar/calendar_window.h"
#include "windows/settings/settings_window.h"

// What an exception nothing caught ends in. The runtime's own handler prints
// the exception's demangled type to a console this program does not have, and
// links the demangler and printf for it: a sixth of the executable.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    using namespace quorvel;
    // The installer's commands, before and after it changes the program's files.
    switch (ParseInstallerCommand(commandLine)) {
        case InstallerCommand::Close: return CloseClockForInstaller(false);
        case InstallerCommand::CloseForUpdate: return CloseClockForInstaller(true);
        case InstallerCommand::StartAfterUpdate:
            if (!TakeStartAfterUpdateMark()) return 0;
            break;
        case InstallerCommand::None: break;
    }
    // A second start in this session brings the running clock forward and ends
    // before it reads or stores anything: two clocks would fire every alarm
    // twice and save over each other's changes.
    const SessionInstance instance;
    if (!instance.First()) {
        BringRunningClockForward(5000);
        return 0;
    }
    // A running clock has no use for the installer's mark: one left by an
    // update that failed after ending the clock would otherwise start a clock
    // the user has since closed, at the next update.
    TakeStartAfterUpdateMark();
    // The texts' language, before the first window.
    UseDisplayLanguage();
    // 1. The application: the common controls the other windows are made of.
    //    (Per-monitor DPI awareness comes from the manifest.)
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    try {
        // The alarm book outlives every window that shows or fires its alarms.
        // Until it is loaded below, saves leave the stored list alone.
        RegistryAlarmStorage alarmStorage;
        AlarmBook alarms(alarmStorage);
        // 2. The clock window, the main window; its stored settings are applied before any
        //    other window exists. Closing it ends the program.
        ClockWindow clock;
        AlarmEditor alarmEditor;
        AlarmsWindow alarmsWindow(alarms, alarmEditor);
        clock.SetAlarmBook(&alarms);
        clock.Create();
        // The clock is shown at once, unless it starts hidden: the windows below
        // stay hidden until asked for, so making them need not keep the clock
        // off the screen.
        if (clock.ShowOnStart()) clock.Show();
        // A display that cannot show the clock has ended the program already.
        if (!IsWindow(clock.Handle())) return ui::RunMessageLoop();

        // 3. The settings window, hidden.
        SettingsWindow settings(clock);
        settings.Create();
        clock.SetSettingsWindow(&settings);
        // 4. The alarms window, hidden; then the stored alarms are loaded (an
        //    error box on failure) and checked at every tick from here on.
        //    Firing ones get reminder windows centred on the clock's monitor;
        //    those go before the book, their triggers left open (nothing stored
        //    changes).
        ReminderWindows reminders(clock.Handle());
        alarms.SetReminders(&reminders);
        alarmsWindow.Create();
        clock.SetAlarmsWindow(&alarmsWindow);
        if (const auto failure = alarms.Load()) alarmsWindow.ShowLoadFailure(*failure);
        alarms.StartChecking();
        // 5. The alarm editor, hidden, owned by the alarms window it serves.
        alarmEditor.Create(alarmsWindow.Handle());
        // 6. The calendar window, hidden.
        CalendarWindow calendar;
        calendar.Create();
        clock.SetCalendarWindow(&calendar);

        // 7. The message loop.
        return ui::RunMessageLoop();
        // 8. The process ends; the windows still open are destroyed on the way out.
    } catch (const std::exception& e) {
        ui::ShowMessageBox(nullptr, e.what(), ui::ApplicationTitle(), MB_OK | MB_ICONERROR);
        return 1;
    }
}
