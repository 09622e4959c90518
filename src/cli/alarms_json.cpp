#include "cli/alarms_json.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <optional>
#include <string_view>

#include <nlohmann/json.hpp>

#include "cli/bad_input.h"
#include "cli/when.h"
#include "alarms/alarm_options.h"
#include "core/date_time.h"

namespace quorvel::cli {
namespace {

using Json = nlohmann::ordered_json;

std::optional<std::string> FormatWhen(DateTime value) {
    const auto p = DecodeDateTime(value);
    if (!p) return std::nullopt;
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03d", p->year, p->month, p->day, p->hour,
                  p->minute, p->second, p->millisecond);
    return text;
}

// When as the format command reads it: local ISO time (or a day count).
std::optional<DateTime> WhenOrNothing(std::string_view s) {
    try {
        return ParseWhen(s);
    } catch (const BadInput&) {
        return std::nullopt;
    }
}

Json DateTimeJson(DateTime value) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "Infinity" : "-Infinity";
    return value;
}

constexpr std::string_view kOptionKeys[] = {"Days", "SnoozeMinutes", "IfMissed", "RepeatSound", "RemindBefore", "Wake"};

bool IsOptionKey(std::string_view key) {
    for (const std::string_view option : kOptionKeys)
        if (key == option) return true;
    return false;
}

Json DaysJson(std::uint8_t days) {
    Json names = Json::array();
    for (int i = 0; i < kDaysPerWeek; ++i)
        if (days & (kMonday << i)) names.push_back(WeekdayName(i));
    return names;
}

Json ToJson(const AlarmList& list, bool withOptions) {
    Json out = Json::array();
    for (std::size_t i = 0; i < list.Count(); ++i) {
        const Alarm& a = list[i];
        const auto when = FormatWhen(a.dateTime);
        Json alarm = {{"Name", a.name},
                      {"Sound", a.sound},
                      {"Reminder", a.reminder},
                      {"DateTime", DateTimeJson(a.dateTime)},
                      {"When", when ? Json(*when) : Json(nullptr)},
                      {"Repeat", static_cast<int>(a.repeat)},
                      {"Enabled", a.enabled}};
        if (withOptions) {
            alarm["Days"] = DaysJson(a.options.days);
            alarm["SnoozeMinutes"] = a.options.snoozeMinutes;
            alarm["IfMissed"] = IfMissedName(a.options.ifMissed);
            alarm["RepeatSound"] = a.options.repeatSound;
            alarm["RemindBefore"] = a.options.remindBeforeMinutes;
            alarm["Wake"] = a.options.wake;
        }
        out.push_back(std::move(alarm));
    }
    return out;
}

void ReadOption(const std::string& key, const Json& value, AlarmOptions& options, const std::string& where) {
    if (key == "Days") {
        if (!value.is_array() || value.empty()) throw BadInput(where + ": Days must be a list of days, \"Mon\" to \"Sun\"");
        std::uint8_t days = 0;
        for (const Json& day : value) {
            const auto bit = day.is_string() ? WeekdayFromName(day.get_ref<const std::string&>()) : std::nullopt;
            if (!bit) throw BadInput(where + ": Days must be a list of days, \"Mon\" to \"Sun\"");
            days |= *bit;
        }
        options.days = days;
    } else if (key == "SnoozeMinutes") {
        if (!value.is_number_integer() || value.get<std::int64_t>() < kMinSnoozeMinutes ||
            value.get<std::int64_t>() > kMaxSnoozeMinutes)
            throw BadInput(where + ": SnoozeMinutes must be an integer 1-1440");
        options.snoozeMinutes = value.get<std::uint16_t>();
    } else if (key == "IfMissed") {
        const auto rule = value.is_string() ? IfMissedFromName(value.get_ref<const std::string&>()) : std::nullopt;
        if (!rule) throw BadInput(where + ": IfMissed must be \"each\", \"once\" or \"skip\"");
        options.ifMissed = *rule;
    } else if (key == "RemindBefore") {
        if (!value.is_number_integer() || value.get<std::int64_t>() < 0 ||
            value.get<std::int64_t>() > kMaxRemindBeforeMinutes)
            throw BadInput(where + ": RemindBefore must be an integer 0-10080 (minutes; 0 for none)");
        options.remindBeforeMinutes = value.get<std::uint16_t>();
    } else {
        if (!value.is_boolean()) throw BadInput(where + ": " + key + " must be true or false");
        (key == "Wake" ? options.wake : options.repeatSound) = value.get<bool>();
    }
}

DateTime DateTimeFromJson(const Json& value, const std::string& where) {
    if (value.is_number()) return value.get<double>();
    if (value.is_string()) {
        const auto& s = value.get_ref<const std::string&>();
        if (s == "NaN") return std::numeric_limits<double>::quiet_NaN();
        if (s == "Infinity") return std::numeric_limits<double>::infinity();
        if (s == "-Infinity") return -std::numeric_limits<double>::infinity();
    }
    throw BadInput(where + ": DateTime must be a number");
}

void ReadAlarm(const Json& item, Alarm& alarm, const std::string& where, bool withOptions) {
    if (!item.is_object()) throw BadInput(where + ": not an object");
    for (const auto& [key, value] : item.items()) {
        if (IsOptionKey(key)) {
            if (withOptions) ReadOption(key, value, alarm.options, where);
        } else if (key == "Name" || key == "Sound" || key == "Reminder") {
            if (!value.is_string()) throw BadInput(where + ": " + key + " must be a string");
            std::string& field = key == "Name" ? alarm.name : key == "Sound" ? alarm.sound : alarm.reminder;
            field = value.get<std::string>();
        } else if (key == "DateTime") {
            alarm.dateTime = DateTimeFromJson(value, where);
        } else if (key == "When") {
            if (item.contains("DateTime") || value.is_null()) continue;
            const auto when = value.is_string() ? WhenOrNothing(value.get_ref<const std::string&>()) : std::nullopt;
            if (!when) throw BadInput(where + ": When must be a local time YYYY-MM-DDTHH:MM:SS.mmm");
            alarm.dateTime = *when;
        } else if (key == "Repeat") {
            if (!value.is_number_integer() || value.get<std::int64_t>() < 0 || value.get<std::int64_t>() > 255)
                throw BadInput(where + ": Repeat must be an integer 0-255");
            alarm.repeat = static_cast<RepeatKind>(value.get<std::uint8_t>());
        } else if (key == "Enabled") {
            if (!value.is_boolean()) throw BadInput(where + ": Enabled must be true or false");
            alarm.enabled = value.get<bool>();
        } else {
            throw BadInput(where + ": unknown field " + key);
        }
    }
}

}  // namespace

std::string AlarmsToJson(const AlarmList& list, bool withOptions) {
    return ToJson(list, withOptions).dump(2, ' ', false, Json::error_handler_t::replace) + '\n';
}

void AlarmsFromJson(std::string_view text, AlarmList& list, bool withOptions) {
    Json document;
    try {
        document = Json::parse(text);
    } catch (const Json::exception& e) {
        throw BadInput(std::string("invalid JSON: ") + e.what());
    }
    if (!document.is_array()) throw BadInput("the JSON must be an array of alarms");
    for (std::size_t i = 0; i < document.size(); ++i)
        ReadAlarm(document[i], list.AddAlarm(), "alarm " + std::to_string(i + 1), withOptions);
}

}  // namespace quorvel::cli
