#include "alarms/alarm_registry.h"

#include "platform/registry_key.h"

namespace quorvel {

AlarmStorage::Stored RegistryAlarmStorage::Read() {
    const RegistryKey key = RegistryKey::Open(kSettingsKey, false);
    if (!key) return {key.Missing() ? Found::Nothing : Found::Unreachable, {}, {}};
    if (!key.Exists(kAlarmsValue.name)) return {Found::Nothing, {}, {}};
    Stored stored{Found::Bytes, key.Read(kAlarmsValue), {}};
    if (key.Exists(kAlarmOptionsValue.name)) {
        try {
            stored.options = key.Read(kAlarmOptionsValue);
        } catch (const RegistryError&) {
            // Options of the wrong type: the alarms keep their defaults, and
            // the value is kept as damaged before it is written over.
            stored.optionsUnreadable = true;
        }
    }
    return stored;
}

bool RegistryAlarmStorage::Write(std::span<const std::uint8_t> bytes, std::span<const std::uint8_t> options) {
    const RegistryKey key = RegistryKey::Open(kSettingsKey, true);
    if (!key) return false;
    key.Write(kAlarmsValue, bytes);
    key.Write(kAlarmOptionsValue, options);
    return true;
}

void RegistryAlarmStorage::KeepDamagedCopy(Part part) {
    const bool alarms = part == Part::Alarms;
    const std::string_view value = alarms ? kAlarmsValue.name : kAlarmOptionsValue.name;
    const RegistryKey key = RegistryKey::Open(kSettingsKey, false);
    if (!key || !key.Exists(value)) return;  // nothing stored to keep
    key.WriteRaw(alarms ? kAlarmsDamagedValue.name : kAlarmOptionsDamagedValue.name, key.ReadRaw(value));
}

}  // namespace quorvel
