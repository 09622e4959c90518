// The alarm list's one way to and from the registry during a run. A load that
// failed leaves the stored value as the only full copy of the user's alarms, so
// saves leave it alone until the user changes the list; the first save after
// such a change first keeps the stored bytes, unchanged, in "AlarmsDamaged"
// (never read by the program) and then writes the list.
#pragma once

#include "alarms/alarm.h"
#include "platform/settings_registry.h"

namespace quorvel {

inline constexpr char kDamagedAlarmsValue[] = "AlarmsDamaged";

// The line the load error box adds below the failure's message.
inline constexpr char kStoredAlarmsKeptNote[] = "The stored alarms are kept as they are until the list is changed.";

class AlarmStore {
public:
    AlarmStore(AlarmList& list, SettingsRegistry& registry) : list_(list), registry_(registry) {}

    // LoadFromRegistry into the list. A failure (thrown on, with the list as far
    // as it was read) or a key that was there but refused protects the stored value.
    void Load();

    // The user changed the list (added, edited, deleted or switched an alarm).
    void NoteChange() { changed_ = true; }

    // Whether saves leave the stored value alone.
    bool KeepsStoredValue() const { return keepStored_ && !changed_; }

    // SaveToRegistry, unless the stored value is kept (then nothing is written
    // and the result is true). False when the key cannot be opened or created;
    // throws RegistryError when a write is refused.
    bool Save();

private:
    // Copies the stored "Alarms" value, of whatever type, to "AlarmsDamaged".
    void KeepDamagedCopy();

    AlarmList& list_;
    SettingsRegistry& registry_;
    bool keepStored_ = false;  // the last load failed
    bool changed_ = false;     // the user changed the list since
};

}  // namespace quorvel
