#include "alarms/alarm_registry.h"

#include <exception>

#include "alarms/alarm_codec.h"
#include "ui/message_box.h"

namespace quorvel {

bool SaveToRegistry(const Talarms& list, SettingsRegistry& registry) {
    const std::vector<std::uint8_t> bytes = EncodeAlarms(list);
    if (!registry.OpenKey(kSettingsKey, true)) return false;
    registry.WriteBinary(kAlarmsValue, bytes);
    registry.CloseKey();
    return true;
}

bool LoadFromRegistry(Talarms& list, SettingsRegistry& registry) {
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

void LoadAlarmsAtStart(Talarms& list, SettingsRegistry& registry, HWND owner) {
    try {
        LoadFromRegistry(list, registry);
    } catch (const std::exception& e) {
        registry.CloseKey();
        ui::ShowMessageBox(owner, e.what(), "ERROR loading data from the registry", MB_OK | MB_ICONERROR);
    }
    list.Armed = true;
}

}  // namespace quorvel
