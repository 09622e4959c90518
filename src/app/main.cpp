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

        // 3. The settings window TfmSettings is created here, hidden.
        // 4. The alarms window TfmAlarms is created here, hidden. Until it
        //    exists the program holds the list and loads it here.
        LoadAlarmsAtStart(alarms, clock.Registry(), clock.Handle());
        // 5. The alarm editor TfmEditAlarm is created here, hidden.
        // 6. The calendar window TfmCalendar is created here, hidden.

        // 7. The message loop, showing the clock first unless it starts hidden.
        if (clock.ShowOnStart()) clock.Show();
        return ui::RunMessageLoop();
        // 8. The process ends; the windows still open are destroyed on the way out.
    } catch (const std::exception& e) {
        ui::ShowMessageBox(nullptr, e.what(), ui::ApplicationTitle(), MB_OK | MB_ICONERROR);
        return 1;
    }
}
