#include "app/alarm_loading.h"

#include <exception>

#include "alarms/alarm_registry.h"
#include "ui/message_box.h"

namespace quorvel {

void LoadAlarmsAtStart(AlarmList& list, SettingsRegistry& registry, HWND owner) {
    try {
        LoadFromRegistry(list, registry);
    } catch (const std::exception& e) {
        registry.CloseKey();
        ui::ShowMessageBox(owner, e.what(), "ERROR loading data from the registry", MB_OK | MB_ICONERROR);
    }
    list.armed = true;
}

}  // namespace quorvel
