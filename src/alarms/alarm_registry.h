// The alarm list in the registry: the binary value "Alarms" beside the clock's
// settings, holding the bytes of EncodeAlarms.
#pragma once

#include "alarms/alarm.h"
#include "platform/settings_registry.h"

namespace quorvel {

inline constexpr char kAlarmsValue[] = "Alarms";

// Replaces the stored value with the whole list. A key that cannot be opened
// or created stores nothing and raises nothing (the result is then false); a
// refused write throws RegistryError ("Failed to set data for 'Alarms'").
bool SaveToRegistry(const AlarmList& list, SettingsRegistry& registry);

// Appends the stored alarms to the list. A missing key or value loads nothing,
// and so does a key that cannot be opened (the result is false only then).
// Throws RegistryError for a value of a string or integer type or a failed
// read, and AlarmDataError for damaged bytes, with the list as far as it was
// read (see DecodeAlarms).
bool LoadFromRegistry(AlarmList& list, SettingsRegistry& registry);

}  // namespace quorvel
