// The alarm list's load at program start, with its error box.
#pragma once

#include <windows.h>

#include "alarms/alarm.h"
#include "platform/settings_registry.h"

namespace quorvel {

// Loads the stored alarms; any failure is shown in a box captioned
// "ERROR loading data from the registry" and the program goes on with the list
// as it stands. Alarm checking is armed afterwards, failure or not.
void LoadAlarmsAtStart(AlarmList& list, SettingsRegistry& registry, HWND owner);

}  // namespace quorvel
