// Saver: writes the clock's settings and the alarm list at the moments they
// are saved: every two minutes, the settings window's OK, closing the alarms
// window, the end of the program and of the session. A save that cannot write
// tells the user once, and again only after a save has worked since; the list
// stays in memory and the next save tries again.
#pragma once

#include <windows.h>

#include <string_view>

#include "core/date_time.h"

namespace quorvel {

class AlarmBook;
class ClockWindow;
class SettingsStore;

class Saver {
public:
    // All must outlive the saver.
    Saver(const ClockWindow& clock, const SettingsStore& store, AlarmBook& book);

    // The settings, then the alarm list.
    void SaveAll();
    // The alarm list alone.
    void SaveAlarms();
    // At every tick: SaveAll every 2 minutes, counted from the end of the last
    // periodic save. Ticks that come while a failure's message waits for the
    // user start no other save.
    void OnTick();
    DateTime NextSaveTime() const { return nextSaveTime_; }

private:
    bool SaveSettings();
    bool WriteAlarms();
    void Tell(std::string_view message, std::string_view title, UINT type);
    void Done(bool worked);

    const ClockWindow& clock_;
    const SettingsStore& store_;
    AlarmBook& book_;
    DateTime nextSaveTime_;
    bool saving_ = false;   // a periodic save (and its message box) is under way
    bool failing_ = false;  // a failure was told and no save has worked since
};

}  // namespace quorvel
