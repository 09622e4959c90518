#include "alarms/alarm_store.h"

#include "alarms/alarm_registry.h"

namespace quorvel {

void AlarmStore::Load() {
    try {
        keepStored_ = !LoadFromRegistry(list_, registry_);
    } catch (...) {
        registry_.CloseKey();
        keepStored_ = true;
        throw;
    }
    changed_ = false;
}

bool AlarmStore::Save() {
    if (!keepStored_) return SaveToRegistry(list_, registry_);
    if (!changed_) return true;
    KeepDamagedCopy();
    if (!SaveToRegistry(list_, registry_)) return false;
    keepStored_ = false;
    return true;
}

void AlarmStore::KeepDamagedCopy() {
    if (!registry_.OpenKey(kSettingsKey, false)) return;  // nothing stored to keep
    struct Closer {
        SettingsRegistry& registry;
        ~Closer() { registry.CloseKey(); }
    } closer{registry_};
    if (!registry_.ValueExists(kAlarmsValue)) return;
    // A value that cannot be read throws here, so the list is not written over it.
    registry_.WriteBinary(kDamagedAlarmsValue, registry_.ReadRaw(kAlarmsValue));
}

}  // namespace quorvel
