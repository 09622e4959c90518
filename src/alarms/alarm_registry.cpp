#include "alarms/alarm_registry.h"

#include "alarms/alarm_codec.h"

namespace quorvel {

bool SaveToRegistry(const AlarmList& list, SettingsRegistry& registry) {
    const std::vector<std::uint8_t> bytes = EncodeAlarms(list);
    if (!registry.OpenKey(kSettingsKey, true)) return false;
    registry.WriteBinary(kAlarmsValue, bytes);
    registry.CloseKey();
    return true;
}

bool LoadFromRegistry(AlarmList& list, SettingsRegistry& registry) {
    if (!registry.OpenKey(kSettingsKey, false)) return registry.KeyWasMissing();
    if (!registry.ValueExists(kAlarmsValue)) {
        registry.CloseKey();
        return true;
    }
    const std::vector<std::uint8_t> bytes = registry.ReadBinary(kAlarmsValue);
    registry.CloseKey();
    DecodeAlarms(bytes, list);
    return true;
}

}  // namespace quorvel
