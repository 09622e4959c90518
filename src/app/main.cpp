// Program entry: the windows that exist from the start, created in a fixed
// order with the clock window first, then the message loop until the clock
// window closes.
#include <windows.h>
#include <commctrl.h>

#include <exception>

#include "alarms/alarm.h"
#include "alarms/alarm_registry.h"
#include "app/alarm_loading.h"
#include "app/clock_window.h"
#include "ui/message_box.h"
#include "ui/modal.h"
#include "windows/reminder/reminder_windows.h"
#include "windows/calendar/calendar_window.h"
#include "windows/settings/settings_window.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace quorvel;
    // 1. The application: the common controls the other windows are made of.
    //    (Per-monitor DPI awareness comes from the manifest.)
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    try {
        // 2. The clock window, the main window; its stored settings are applied before any
        //    other window exists. Closing it ends the program.
        // The alarm list outlives the clock window, whose every close saves it.
        AlarmList alarms;
        ClockWindow clock;
        clock.Create();
        clock.SetAlarmList(&alarms);

        // 3. The settings window, hidden.
        SettingsWindow settings(clock);
        settings.Create();
        clock.SetSettingsWindow(&settings);
        // 4. The alarms window TfmAlarms is created here, hidden. Until it
        //    exists the program holds the list and loads it here.
        LoadAlarmsAtStart(alarms, clock.Registry(), clock.Handle());
        // Alarm checking, on every tick of the clock: firing alarms get their
        // reminder windows centred on the clock's monitor. The windows go
        // before the list, their triggers left open (nothing stored changes).
        ReminderWindows reminders(clock.Handle());
        clock.SetAlarmCheck([&alarms, &reminders] { alarms.CheckAlarms(reminders); });
        // 5. The alarm editor TfmEditAlarm is created here, hidden.
        // 6. The calendar window, hidden.
        CalendarWindow calendar;
        calendar.Create();
        clock.SetCalendarWindow(&calendar);

        // 7. The message loop, showing the clock first unless it starts hidden.
        if (clock.ShowOnStart()) clock.Show();
        return ui::RunMessageLoop();
        // 8. The process ends; the windows still open are destroyed on the way out.
    } catch (const std::exception& e) {
        ui::ShowMessageBox(nullptr, e.what(), ui::ApplicationTitle(), MB_OK | MB_ICONERROR);
        return 1;
    }
}
