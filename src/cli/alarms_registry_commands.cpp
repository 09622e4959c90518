#include "cli/alarms_registry_commands.h"

#include <string>
#include <string_view>

#include "alarms/alarm_codec.h"
#include "alarms/alarm_registry.h"
#include "cli/alarms_json.h"
#include "cli/bad_input.h"
#include "cli/byte_streams.h"
#include "cli/standard_output.h"
#include "core/product.h"
#include "platform/registry_key.h"
#include "platform/session_instance.h"

namespace quorvel::cli {
namespace {

const std::string kKeyName = std::string("HKEY_CURRENT_USER") + kSettingsKey;

int Fail(std::string_view message) {
    Complain(message);
    return kExitFailed;
}

int Export(const std::vector<std::string>& args) {
    if (args.size() > 1) throw BadInput("export takes one FILE at most");
    RegistryAlarmStorage storage;
    AlarmList list;
    std::string failure;
    try {
        const AlarmStorage::Stored stored = storage.Read();
        // An empty list written over a good backup because the key was refused
        // to us would be a loss: only a missing key means no alarms.
        if (stored.found == AlarmStorage::Found::Unreachable) return Fail("cannot open " + kKeyName);
        if (stored.found == AlarmStorage::Found::Bytes) DecodeAlarms(stored.bytes, list);
    } catch (const AlarmDataError& e) {
        failure = e.what();  // what was read is still worth keeping
    } catch (const RegistryError& e) {
        return Fail(e.what());
    }
    WriteBytes(args.empty() ? "-" : args[0], AlarmsToJson(list));
    return failure.empty() ? 0 : Fail(failure);
}

int Import(const std::vector<std::string>& args) {
    if (args.size() != 1) throw BadInput("import takes one FILE (- for standard input)");
    AlarmList list;
    AlarmsFromJson(ReadBytes(args[0], kMaxJsonBytes), list);
    const std::vector<std::uint8_t> bytes = StorableBytes(list);
    if (ClockRunsInSession())
        return Fail("Quorvel is running and would save its own alarms over these; exit it first");
    // Alarms alone under a new key would make the clock's next start report its
    // missing settings and save that state: the clock's own save comes first.
    const bool settingsStored = [] {
        const RegistryKey key = RegistryKey::Open(kSettingsKey, false);
        return key && key.Exists(kWinLeftValue.name);
    }();
    if (!settingsStored)
        return Fail("Quorvel has no settings stored for this user yet; start it once and exit it, then import");
    try {
        // The program itself stays silent about a key it cannot open; a backup tool must not.
        if (!RegistryAlarmStorage().Write(bytes)) return Fail("cannot open " + kKeyName);
    } catch (const RegistryError& e) {
        return Fail(e.what());
    }
    const std::size_t n = list.Count();
    WriteStandard(StandardStream::Output, "Stored " + std::to_string(n) + (n == 1 ? " alarm.\n" : " alarms.\n"));
    return 0;
}

}  // namespace

std::array<AlarmsSubcommand, 2> AlarmsRegistryCommands() {
    return {{{"export", "       quorvel-cli alarms export [FILE|-]   the stored alarms -> JSON\n", Export},
             {"import", "       quorvel-cli alarms import FILE|-     JSON -> the stored alarms (Quorvel not running)\n",
              Import}}};
}

}  // namespace quorvel::cli
