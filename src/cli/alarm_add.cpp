#include "cli/alarm_add.h"

#include <cctype>
#include <charconv>
#include <cmath>

#include "alarms/alarm_options.h"
#include "cli/bad_input.h"
#include "cli/when.h"

namespace quorvel::cli {
namespace {

int Minutes(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < kMinSnoozeMinutes ||
        value > kMaxSnoozeMinutes)
        throw BadInput("--snooze takes minutes, 1-1440: '" + text + "'");
    return value;
}

std::uint8_t Days(const std::string& text) {
    std::uint8_t days = 0;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        const std::string_view name = std::string_view(text).substr(start, comma - start);
        const auto bit = WeekdayFromName(name);
        if (!bit) throw BadInput("--days takes days Mon,Tue,...,Sun: '" + std::string(name) + "'");
        days |= *bit;
        if (comma == std::string::npos) return days;
        start = comma + 1;
    }
}

// A lead in whole minutes, 1 minute to 7 days: "10m", "1h30m", "1d".
std::uint16_t RemindBefore(const std::string& text) {
    const auto days = ParseDuration(text);
    const double minutes = days ? *days * 1440 : 0;
    if (!days || minutes < 1 || minutes > kMaxRemindBeforeMinutes || std::fabs(minutes - std::round(minutes)) > 1e-6)
        throw BadInput("--before takes whole minutes up to 7 days, like 10m, 1h30m or 1d: '" + text + "'");
    return static_cast<std::uint16_t>(std::lround(minutes));
}

}  // namespace

std::optional<double> ParseDuration(std::string_view text) {
    constexpr std::string_view kUnits = "dhms";
    constexpr double kDays[] = {1.0, 1.0 / 24, 1.0 / 1440, 1.0 / 86'400};
    double total = 0;
    std::size_t nextUnit = 0;
    std::size_t i = 0;
    if (text.empty()) return std::nullopt;
    while (i < text.size()) {
        std::uint32_t number = 0;
        const auto [end, error] = std::from_chars(text.data() + i, text.data() + text.size(), number);
        if (error != std::errc{} || end == text.data() + text.size()) return std::nullopt;
        const std::size_t unit = kUnits.find(*end, nextUnit);
        if (unit == std::string_view::npos) return std::nullopt;
        total += number * kDays[unit];
        nextUnit = unit + 1;
        i = static_cast<std::size_t>(end - text.data()) + 1;
    }
    if (!(total > 0) || total > 3'650'000) return std::nullopt;
    return total;
}

std::string RepeatKindName(RepeatKind kind) {
    std::string name(RepeatKindCaption(kind));
    for (char& c : name) c = c == ' ' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

std::optional<RepeatKind> RepeatKindFromName(std::string_view name) {
    if (name == "annually") return RepeatKind::Annually;
    for (int kind = 0; kind < kRepeatKindCount; ++kind)
        if (RepeatKindName(static_cast<RepeatKind>(kind)) == name) return static_cast<RepeatKind>(kind);
    return std::nullopt;
}

AlarmFields ParseAddArguments(const std::vector<std::string>& args, DateTime now) {
    AlarmFields alarm = NewAlarmFields(now);
    bool named = false, timed = false, daysGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--wake") {
            alarm.options.wake = true;
            continue;
        }
        if (i + 1 == args.size()) throw BadInput(option + " needs a value");
        const std::string& value = args[++i];
        if (option == "--name") {
            alarm.name = value;
            named = true;
        } else if (option == "--at" || option == "--in") {
            if (timed) throw BadInput("give --at or --in, once");
            timed = true;
            if (option == "--at") {
                alarm.dateTime = ParseWhen(value);
            } else {
                const auto length = ParseDuration(value);
                if (!length) throw BadInput("--in takes a duration like 90s, 10m or 1h30m: '" + value + "'");
                alarm.dateTime = now + *length;
                if (!InCalendarRange(alarm.dateTime)) throw BadInput("--in ends outside years 1-9999: '" + value + "'");
            }
        } else if (option == "--text") {
            alarm.reminder = value;
        } else if (option == "--sound") {
            alarm.sound = value;
        } else if (option == "--repeat") {
            const auto kind = RepeatKindFromName(value);
            if (!kind) throw BadInput("--repeat takes a repeat kind like no-repeat, daily or each-5-minutes: '" + value + "'");
            alarm.repeat = *kind;
        } else if (option == "--days") {
            alarm.options.days = Days(value);
            daysGiven = true;
        } else if (option == "--snooze") {
            alarm.options.snoozeMinutes = static_cast<std::uint16_t>(Minutes(value));
        } else if (option == "--before") {
            alarm.options.remindBeforeMinutes = RemindBefore(value);
        } else if (option == "--if-missed") {
            const auto rule = IfMissedFromName(value);
            if (!rule) throw BadInput("--if-missed takes each, once or skip: '" + value + "'");
            alarm.options.ifMissed = *rule;
        } else {
            throw BadInput("unknown option '" + option + "'");
        }
    }
    if (!named) throw BadInput("--name is missing");
    if (!timed) throw BadInput("give the moment with --at WHEN or --in DURATION");
    if (daysGiven && alarm.repeat != RepeatKind::Daily) throw BadInput("--days goes with --repeat daily");
    return alarm;
}

}  // namespace quorvel::cli
