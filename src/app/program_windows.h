// The program's windows besides the clock, each made when it is first needed
// (the settings, the alarms window with its editor, the calendar, the about
// windows) and kept, hidden, for the rest of the run.
#pragma once

#include <functional>
#include <memory>

#include "windows/about/about_window.h"

namespace quorvel {

class AlarmBook;
class AlarmEditor;
class AlarmsWindow;
class CalendarWindow;
class ChimeTuning;
class ClockControl;
class SettingsWindow;
class TunableClock;

class ProgramWindows {
public:
    // All must outlive the windows. `saveAlarms` saves the list as the alarms
    // window closes.
    ProgramWindows(TunableClock& clock, ClockControl& control, AlarmBook& book, std::function<void()> saveAlarms);
    ~ProgramWindows();

    // The chime the settings window sets; before the window is first made.
    void SetChime(ChimeTuning& chime) { chime_ = &chime; }
    SettingsWindow& Settings();
    AlarmsWindow& Alarms();
    CalendarWindow& Calendar();
    AboutWindows& About() { return about_; }

    // Those made so far (tests, and showing without making).
    SettingsWindow* MadeSettings() const { return settings_.get(); }
    AlarmsWindow* MadeAlarms() const { return alarms_.get(); }
    CalendarWindow* MadeCalendar() const { return calendar_.get(); }

private:
    TunableClock& clock_;
    ClockControl& control_;
    AlarmBook& book_;
    std::function<void()> saveAlarms_;
    ChimeTuning* chime_ = nullptr;
    // The editor before the alarms window it serves, which goes first.
    std::unique_ptr<AlarmEditor> editor_;
    std::unique_ptr<AlarmsWindow> alarms_;
    std::unique_ptr<SettingsWindow> settings_;
    std::unique_ptr<CalendarWindow> calendar_;
    AboutWindows about_;
};

}  // namespace quorvel
