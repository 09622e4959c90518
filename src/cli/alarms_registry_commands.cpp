#include "cli/alarms_registry_commands.h"

#include <windows.h>

#include <exception>
#include <iostream>

#include "alarms/alarm_codec.h"
#include "alarms/alarm_registry.h"
#include "app/clock_window.h"
#include "cli/alarms_json.h"
#include "cli/bad_input.h"
#include "cli/byte_streams.h"

namespace quorvel::cli {
namespace {

constexpr int kExitFailed = 1;

int Fail(const std::string& message) {
    std::cerr << "quorvel-cli: alarms: " << message << '\n';
    return kExitFailed;
}

int Export(const std::vector<std::string>& args) {
    if (args.size() > 1) throw BadInput("export takes one FILE at most");
    const std::string path = args.empty() ? "-" : args[0];
    SettingsRegistry registry;
    Talarms list;
    std::string failure;
    try {
        LoadFromRegistry(list, registry);
    } catch (const AlarmDataError& e) {
        failure = e.what();  // what was read is still worth keeping
    } catch (const RegistryError& e) {
        return Fail(e.what());
    }
    WriteBytes(path, AlarmsToJson(list));
    return failure.empty() ? 0 : Fail(failure);
}

int Import(const std::vector<std::string>& args) {
    if (args.size() != 1) throw BadInput("import takes one FILE (- for standard input)");
    Talarms list;
    AlarmsFromJson(ReadBytes(args[0]), list);
    if (FindWindowW(kClockWindowClass, L"Quorvel"))
        return Fail("Quorvel is running and would save its own alarms over these; exit it first");
    SettingsRegistry registry;
    // Alarms alone under a new key would make the clock's next start report its
    // missing settings and save that state: the clock's own save comes first.
    const bool settingsStored = registry.OpenKey(kSettingsKey, false) && registry.ValueExists("WinLeft");
    registry.CloseKey();
    if (!settingsStored)
        return Fail("Quorvel has no settings stored for this user yet; start it once and exit it, then import");
    try {
        SaveToRegistry(list, registry);
    } catch (const RegistryError& e) {
        return Fail(e.what());
    }
    std::cout << "Stored " << list.Count() << (list.Count() == 1 ? " alarm.\n" : " alarms.\n");
    return 0;
}

}  // namespace

std::array<AlarmsSubcommand, 2> AlarmsRegistryCommands() {
    return {{{"export", "       quorvel-cli alarms export [FILE|-]   the stored alarms -> JSON\n", Export},
             {"import", "       quorvel-cli alarms import FILE|-     JSON -> the stored alarms (Quorvel not running)\n",
              Import}}};
}

}  // namespace quorvel::cli
