#include "alarms/alarm_registry.h"

#include "platform/registry_key.h"

namespace quorvel {

AlarmStorage::Stored RegistryAlarmStorage::Read() {
    const RegistryKey key = RegistryKey::Open(kSettingsKey, false);
    if (!key) return {key.Missing() ? Found::Nothing : Found::Unreachable, {}};
    if (!key.Exists(kAlarmsValue.name)) return {Found::Nothing, {}};
    return {Found::Bytes, key.Read(kAlarmsValue)};
}

bool RegistryAlarmStorage::Write(std::span<const std::uint8_t> bytes) {
    const RegistryKey key = RegistryKey::Open(kSettingsKey, true);
    if (!key) return false;
    key.Write(kAlarmsValue, bytes);
    return true;
}

void RegistryAlarmStorage::KeepDamagedCopy() {
    const RegistryKey key = RegistryKey::Open(kSettingsKey, false);
    if (!key || !key.Exists(kAlarmsValue.name)) return;  // nothing stored to keep
    key.WriteRaw(kAlarmsDamagedValue.name, key.ReadRaw(kAlarmsValue.name));
}

}  // namespace quorvel
