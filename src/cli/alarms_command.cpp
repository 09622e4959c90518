#include "cli/alarms_command.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string_view>

#include <nlohmann/json.hpp>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "alarms/alarm.h"
#include "alarms/alarm_codec.h"
#include "cli/bad_input.h"
#include "cli/when.h"
#include "core/date_time.h"

namespace quorvel {
namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kUsage =
    "usage: quorvel-cli alarms decode [FILE|-]   stored alarm bytes -> JSON on standard output\n"
    "       quorvel-cli alarms encode [FILE|-]   JSON -> stored alarm bytes on standard output\n"
    "JSON: an array of objects with Name, Sound, Reminder (strings), DateTime (days since\n"
    "1899-12-30, or \"NaN\", \"Infinity\", \"-Infinity\"), When (local time YYYY-MM-DDTHH:MM:SS.mmm,\n"
    "read only when DateTime is absent), Repeat (0-255), Enabled (true/false). A field left\n"
    "out takes the value of a new alarm.\n";

// A one-line failure of the command: usage, input or JSON (exit code 2).
struct CommandError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

void SetBinary([[maybe_unused]] std::FILE* stream) {
#ifdef _WIN32
    _setmode(_fileno(stream), _O_BINARY);
#endif
}

std::string ReadInput(const std::string& path) {
    if (path == "-") {
        SetBinary(stdin);
        return std::string(std::istreambuf_iterator<char>(std::cin), {});
    }
    std::ifstream file(std::filesystem::path(std::u8string(path.begin(), path.end())), std::ios::binary);
    if (!file) throw CommandError("cannot open " + path);
    std::string data(std::istreambuf_iterator<char>(file), {});
    if (file.bad()) throw CommandError("cannot read " + path);
    return data;
}

// ---- date-time as text ----

std::optional<std::string> FormatWhen(TDateTime value) {
    const auto p = DecodeDateTime(value);
    if (!p) return std::nullopt;
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03d", p->year, p->month, p->day, p->hour,
                  p->minute, p->second, p->millisecond);
    return text;
}

// When as the format command reads it: local ISO time (or a day count).
std::optional<TDateTime> ParseWhen(std::string_view s) {
    try {
        return cli::ParseWhen(s);
    } catch (const cli::BadInput&) {
        return std::nullopt;
    }
}

// ---- JSON ----

Json DateTimeJson(TDateTime value) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "Infinity" : "-Infinity";
    return value;
}

Json ToJson(const Talarms& list) {
    Json out = Json::array();
    for (std::size_t i = 0; i < list.Count(); ++i) {
        const Talarm& a = list[i];
        const auto when = FormatWhen(a.DateTime);
        out.push_back({{"Name", a.Name},
                       {"Sound", a.Sound},
                       {"Reminder", a.Reminder},
                       {"DateTime", DateTimeJson(a.DateTime)},
                       {"When", when ? Json(*when) : Json(nullptr)},
                       {"Repeat", static_cast<int>(a.Repeat)},
                       {"Enabled", a.Enabled}});
    }
    return out;
}

TDateTime DateTimeFromJson(const Json& value, const std::string& where) {
    if (value.is_number()) return value.get<double>();
    if (value.is_string()) {
        const auto& s = value.get_ref<const std::string&>();
        if (s == "NaN") return std::numeric_limits<double>::quiet_NaN();
        if (s == "Infinity") return std::numeric_limits<double>::infinity();
        if (s == "-Infinity") return -std::numeric_limits<double>::infinity();
    }
    throw CommandError(where + ": DateTime must be a number");
}

void ReadAlarm(const Json& item, Talarm& alarm, const std::string& where) {
    if (!item.is_object()) throw CommandError(where + ": not an object");
    for (const auto& [key, value] : item.items()) {
        if (key == "Name" || key == "Sound" || key == "Reminder") {
            if (!value.is_string()) throw CommandError(where + ": " + key + " must be a string");
            std::string& field = key == "Name" ? alarm.Name : key == "Sound" ? alarm.Sound : alarm.Reminder;
            field = value.get<std::string>();
        } else if (key == "DateTime") {
            alarm.DateTime = DateTimeFromJson(value, where);
        } else if (key == "When") {
            if (item.contains("DateTime") || value.is_null()) continue;
            const auto when = value.is_string() ? ParseWhen(value.get_ref<const std::string&>()) : std::nullopt;
            if (!when) throw CommandError(where + ": When must be a local time YYYY-MM-DDTHH:MM:SS.mmm");
            alarm.DateTime = *when;
        } else if (key == "Repeat") {
            if (!value.is_number_integer() || value.get<std::int64_t>() < 0 || value.get<std::int64_t>() > 255)
                throw CommandError(where + ": Repeat must be an integer 0-255");
            alarm.Repeat = static_cast<TRepeatKind>(value.get<std::uint8_t>());
        } else if (key == "Enabled") {
            if (!value.is_boolean()) throw CommandError(where + ": Enabled must be true or false");
            alarm.Enabled = value.get<bool>();
        } else {
            throw CommandError(where + ": unknown field " + key);
        }
    }
}

void FromJson(const Json& document, Talarms& list) {
    if (!document.is_array()) throw CommandError("the JSON must be an array of alarms");
    for (std::size_t i = 0; i < document.size(); ++i)
        ReadAlarm(document[i], list.AddAlarm(), "alarm " + std::to_string(i + 1));
}

// ---- commands ----

int Decode(const std::string& path) {
    const std::string data = ReadInput(path);
    Talarms list;
    std::optional<std::string> failure;
    try {
        DecodeAlarms({reinterpret_cast<const std::uint8_t*>(data.data()), data.size()}, list);
    } catch (const AlarmDataError& e) {
        failure = e.what();
    }
    // LF line ends on every platform, as the format command writes them.
    SetBinary(stdout);
    const std::string text = ToJson(list).dump(2, ' ', false, Json::error_handler_t::replace) + '\n';
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
        throw CommandError("cannot write the output");
    if (failure) {
        std::cerr << "quorvel-cli: " << *failure << '\n';
        return 1;
    }
    return 0;
}

int Encode(const std::string& path) {
    const std::string text = ReadInput(path);
    Json document;
    try {
        document = Json::parse(text);
    } catch (const Json::exception& e) {
        throw CommandError(std::string("invalid JSON: ") + e.what());
    }
    Talarms list;
    FromJson(document, list);
    const std::vector<std::uint8_t> bytes = EncodeAlarms(list);
    SetBinary(stdout);
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() || std::fflush(stdout) != 0)
        throw CommandError("cannot write the output");
    return 0;
}

}  // namespace

int RunAlarmsCommand(const std::vector<std::string>& args) {
    try {
        if (args.empty() || args.size() > 2) throw CommandError("");
        const std::string path = args.size() == 2 ? args[1] : "-";
        if (args[0] == "decode") return Decode(path);
        if (args[0] == "encode") return Encode(path);
        throw CommandError("");
    } catch (const CommandError& e) {
        if (*e.what())
            std::cerr << "quorvel-cli: alarms: " << e.what() << '\n';
        else
            std::cerr << kUsage;
        return 2;
    }
}

}  // namespace quorvel
