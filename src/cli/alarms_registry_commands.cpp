#include "cli/alarms_registry_commands.h"

#include <filesystem>
#include <string>
#include <string_view>

#include "alarms/alarm_codec.h"
#include "alarms/alarm_message.h"
#include "alarms/alarm_options.h"
#include "alarms/alarm_registry.h"
#include "cli/alarm_add.h"
#include "cli/alarms_json.h"
#include "cli/alarms_table.h"
#include "cli/bad_input.h"
#include "cli/byte_streams.h"
#include "cli/standard_output.h"
#include "core/clock.h"
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
        if (stored.found == AlarmStorage::Found::Bytes) {
            try {
                DecodeAlarms(stored.bytes, list);
            } catch (const AlarmDataError& e) {
                failure = e.what();  // what was read is still worth keeping
            }
        }
        ApplyAlarmOptions(stored.options, list);
    } catch (const RegistryError& e) {
        return Fail(e.what());
    }
    WriteBytes(args.empty() ? "-" : args[0], AlarmsToJson(list, true));
    return failure.empty() ? 0 : Fail(failure);
}

// Replaces the stored list (alarms and options) while the clock is not running
// and has stored its settings; the exit code.
int Store(const AlarmList& list) {
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
        return Fail("Quorvel has no settings stored for this user yet; start it once and exit it, then try again");
    try {
        // The program itself stays silent about a key it cannot open; a backup tool must not.
        if (!RegistryAlarmStorage().Write(bytes, EncodeAlarmOptions(list))) return Fail("cannot open " + kKeyName);
    } catch (const RegistryError& e) {
        return Fail(e.what());
    }
    return 0;
}

// The stored list with its options; a failure's message when it cannot be read whole.
std::string LoadStored(AlarmList& list) {
    try {
        const AlarmStorage::Stored stored = RegistryAlarmStorage().Read();
        if (stored.found == AlarmStorage::Found::Unreachable) return "cannot open " + kKeyName;
        if (stored.found == AlarmStorage::Found::Bytes) DecodeAlarms(stored.bytes, list);
        ApplyAlarmOptions(stored.options, list);
    } catch (const std::exception& e) {
        return e.what();
    }
    return {};
}

int Import(const std::vector<std::string>& args) {
    if (args.size() != 1) throw BadInput("import takes one FILE (- for standard input)");
    AlarmList list;
    AlarmsFromJson(ReadBytes(args[0], kMaxJsonBytes), list, true);
    if (const int failed = Store(list)) return failed;
    const std::size_t n = list.Count();
    WriteStandard(StandardStream::Output, "Stored " + std::to_string(n) + (n == 1 ? " alarm.\n" : " alarms.\n"));
    return 0;
}

int List(const std::vector<std::string>& args) {
    if (!args.empty()) throw BadInput("list takes no arguments");
    AlarmList list;
    const std::string failure = LoadStored(list);
    WriteStdout(AlarmsTable(list));
    return failure.empty() ? 0 : Fail(failure);
}

// What became of an alarm sent to the clock window.
enum class Handing {
    Taken,
    NotTaken,    // no window, a window gone meanwhile, or one that refused it
    Unanswered,  // no answer in time (it may still take it), or a clock that kept refusing
};

Handing SendToClock(const std::vector<std::uint8_t>& message) {
    const HWND clock = FindWindowW(kClockWindowClass, kProductNameWide);
    if (!clock) return Handing::NotTaken;
    COPYDATASTRUCT data{kAddAlarmMessage, static_cast<DWORD>(message.size()), const_cast<std::uint8_t*>(message.data())};
    DWORD_PTR taken = FALSE;
    if (SendMessageTimeoutW(clock, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, 5000, &taken))
        return taken == TRUE ? Handing::Taken : Handing::NotTaken;
    return GetLastError() == ERROR_INVALID_WINDOW_HANDLE ? Handing::NotTaken : Handing::Unanswered;
}

// How long an add waits for a clock that is starting (its window comes a
// moment later) or ending (it takes no alarm, and holds the session until its
// last save is written).
constexpr DWORD kClockWaitMs = 10000;
constexpr DWORD kClockPollMs = 100;

// Hands the alarm to the session's clock while one runs: Taken, or NotTaken
// once no clock runs any more, so the caller stores it itself.
Handing HandToClock(const AlarmFields& alarm) {
    const std::vector<std::uint8_t> message = EncodeAlarmMessage(alarm);
    for (DWORD waited = 0; ClockRunsInSession(); waited += kClockPollMs) {
        const Handing handing = SendToClock(message);
        if (handing != Handing::NotTaken) return handing;
        if (waited >= kClockWaitMs) return Handing::Unanswered;
        Sleep(kClockPollMs);
    }
    return Handing::NotTaken;
}

int Add(const std::vector<std::string>& args) {
    AlarmFields alarm = ParseAddArguments(args, Now());
    // The clock plays the file from its own folder: the path is made whole here.
    if (!alarm.sound.empty()) {
        std::error_code error;
        const auto full = std::filesystem::absolute(std::filesystem::path(std::u8string(
                                                        alarm.sound.begin(), alarm.sound.end())), error);
        if (!error) {
            const std::u8string text = full.u8string();
            alarm.sound.assign(text.begin(), text.end());
        }
    }
    if (EncodeAlarmMessage(alarm).size() > kMaxAlarmMessageBytes)
        throw BadInput("the alarm is larger than the " + std::to_string(kMaxAlarmMessageBytes) + " bytes Quorvel takes");
    // A clock that is ending takes no alarm: once it has ended, the alarm is
    // stored here, so a script never has to try again.
    switch (HandToClock(alarm)) {
        case Handing::Taken:
            WriteStandard(StandardStream::Output, "Handed " + alarm.name + " to the running Quorvel.\n");
            return 0;
        case Handing::Unanswered: return Fail("the running Quorvel did not take the alarm");
        case Handing::NotTaken: break;
    }
    AlarmList list;
    if (const std::string failure = LoadStored(list); !failure.empty())
        return Fail("the stored alarms cannot be read (" + failure + "); nothing is added");
    static_cast<AlarmFields&>(list.AddAlarm()) = alarm;
    if (const int failed = Store(list)) return failed;
    WriteStandard(StandardStream::Output, "Stored " + alarm.name + ".\n");
    return 0;
}

}  // namespace

std::array<AlarmsSubcommand, 4> AlarmsRegistryCommands() {
    return {{
        {"export", "       quorvel-cli alarms export [FILE|-]   the stored alarms and options -> JSON\n", Export},
        {"import", "       quorvel-cli alarms import FILE|-     JSON -> the stored alarms (Quorvel not running)\n",
         Import},
        {"list", "       quorvel-cli alarms list              the stored alarms as a table\n", List},
        {"add",
         "       quorvel-cli alarms add --name NAME (--at WHEN | --in DURATION) [--text TEXT] [--sound FILE]\n"
         "                  [--repeat KIND] [--days Mon,Tue,...] [--snooze MINUTES] [--if-missed each|once|skip]\n"
         "                  [--before DURATION] [--wake]\n"
         "                                            one alarm, to the running Quorvel or the stored list\n",
         Add},
    }};
}

}  // namespace quorvel::cli
