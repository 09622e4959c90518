#include "cli/alarms_command.h"

#include <cstdint>
#include <exception>
#include <string>

#include "alarms/alarm_codec.h"
#include "cli/alarms_json.h"
#include "cli/bad_input.h"
#include "cli/byte_streams.h"
#include "cli/standard_output.h"

namespace quorvel::cli {
namespace {

constexpr std::string_view kUsageStart =
    "usage: quorvel-cli alarms decode [FILE|-]   stored alarm bytes -> JSON on standard output\n"
    "       quorvel-cli alarms encode [FILE|-]   JSON -> stored alarm bytes on standard output\n";
constexpr std::string_view kUsageEnd =
    "JSON: an array of objects with Name, Sound, Reminder (strings), DateTime (days since\n"
    "1899-12-30, or \"NaN\", \"Infinity\", \"-Infinity\"), When (local time YYYY-MM-DDTHH:MM:SS.mmm,\n"
    "read only when DateTime is absent), Repeat (0-255), Enabled (true/false). A field left\n"
    "out takes the value of a new alarm. export and import also carry the options: Days\n"
    "([\"Mon\", ... \"Sun\"]), SnoozeMinutes (1-1440), IfMissed (\"each\", \"once\", \"skip\"),\n"
    "RepeatSound (true/false), RemindBefore (minutes ahead, 0-10080; 0 for none), Wake\n"
    "(true/false); decode and encode are of the stored bytes alone.\n";

// Asks for the usage text instead of a one-line message.
struct UsageRequest {};

int Decode(const std::vector<std::string>& args) {
    if (args.size() > 1) throw UsageRequest{};
    const std::string data = ReadBytes(args.empty() ? "-" : args[0], kMaxStoredValueBytes);
    AlarmList list;
    try {
        DecodeAlarms({reinterpret_cast<const std::uint8_t*>(data.data()), data.size()}, list);
    } catch (const AlarmDataError& e) {
        return PrintAlarms(list, e.what(), false);
    }
    return PrintAlarms(list, {}, false);
}

int Encode(const std::vector<std::string>& args) {
    if (args.size() > 1) throw UsageRequest{};
    AlarmList list;
    AlarmsFromJson(ReadBytes(args.empty() ? "-" : args[0], kMaxJsonBytes), list, false);
    const std::vector<std::uint8_t> bytes = StorableBytes(list);
    WriteStdout({reinterpret_cast<const char*>(bytes.data()), bytes.size()});
    return 0;
}

}  // namespace

std::vector<std::uint8_t> StorableBytes(const AlarmList& list) {
    std::vector<std::uint8_t> bytes = EncodeAlarms(list);
    if (bytes.size() > kMaxStoredValueBytes) {
        throw BadInput("these alarms take " + std::to_string(bytes.size()) + " bytes, more than the " +
                       std::to_string(kMaxStoredValueBytes) + " Quorvel stores");
    }
    return bytes;
}

void Complain(std::string_view message) {
    WriteStandard(StandardStream::Error, "quorvel-cli: alarms: " + std::string(message) + "\n");
}

int PrintAlarms(const AlarmList& list, std::string_view failure, bool withOptions) {
    WriteStdout(AlarmsToJson(list, withOptions));
    if (failure.empty()) return 0;
    Complain(failure);
    return kExitFailed;
}

int RunAlarmsCommand(const std::vector<std::string>& args, std::span<const AlarmsSubcommand> more) {
    try {
        if (args.empty()) throw UsageRequest{};
        const std::vector<std::string> rest(args.begin() + 1, args.end());
        if (args[0] == "decode") return Decode(rest);
        if (args[0] == "encode") return Encode(rest);
        for (const AlarmsSubcommand& command : more)
            if (args[0] == command.name) return command.run(rest);
        throw UsageRequest{};
    } catch (const BadInput& e) {
        Complain(e.what());
    } catch (const UsageRequest&) {
        std::string usage(kUsageStart);
        for (const AlarmsSubcommand& command : more) usage += command.usage;
        usage += kUsageEnd;
        WriteStandard(StandardStream::Error, usage);
    } catch (const std::exception& e) {  // out of memory, say: still a message, not an abort
        Complain(e.what());
        return kExitFailed;
    }
    return kExitBadInput;
}

}  // namespace quorvel::cli
