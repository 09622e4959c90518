#include "alarms/alarm_options.h"

#include <array>
#include <cmath>
#include <cstring>
#include <map>

#include "alarms/alarm.h"
#include "core/date_time.h"

namespace quorvel {
namespace {

constexpr std::array<std::string_view, kDaysPerWeek> kWeekdayNames = {"Mon", "Tue", "Wed", "Thu",
                                                                      "Fri", "Sat", "Sun"};
constexpr std::array<std::string_view, 3> kIfMissedNames = {"each", "once", "skip"};

constexpr std::uint8_t kOptionsVersion = 1;
constexpr std::size_t kHeaderBytes = 5;   // version, count
constexpr std::size_t kEntryBytes = 13;   // fingerprint, days, snooze, missed, repeat

void Put(std::vector<std::uint8_t>& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::uint64_t Get(std::span<const std::uint8_t> in, std::size_t at, int bytes) {
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i) value |= static_cast<std::uint64_t>(in[at + i]) << (8 * i);
    return value;
}

}  // namespace

std::uint8_t WeekdayBit(double value) {
    const auto parts = DecodeDateTime(value);
    if (!parts) return 0;
    // dayOfWeek counts 1 = Sunday ... 7 = Saturday.
    return static_cast<std::uint8_t>(kMonday << ((parts->dayOfWeek + 5) % kDaysPerWeek));
}

std::string_view WeekdayName(int index) { return kWeekdayNames.at(static_cast<std::size_t>(index)); }

std::optional<std::uint8_t> WeekdayFromName(std::string_view name) {
    for (int i = 0; i < kDaysPerWeek; ++i)
        if (kWeekdayNames[static_cast<std::size_t>(i)] == name) return static_cast<std::uint8_t>(kMonday << i);
    return std::nullopt;
}

std::string DaysText(std::uint8_t days) {
    days &= kEveryDay;
    if (days == kEveryDay) return "every day";
    // Runs of three or more days read as "Mon-Fri".
    std::string text;
    for (int i = 0; i < kDaysPerWeek;) {
        if (!(days & (kMonday << i))) {
            ++i;
            continue;
        }
        int end = i;
        while (end + 1 < kDaysPerWeek && (days & (kMonday << (end + 1)))) ++end;
        if (!text.empty()) text += ", ";
        if (end - i >= 2) {
            text += std::string(WeekdayName(i)) + "-" + std::string(WeekdayName(end));
        } else {
            for (int d = i; d <= end; ++d) text += std::string(d > i ? ", " : "") + std::string(WeekdayName(d));
        }
        i = end + 1;
    }
    return text.empty() ? "no day" : text;
}

std::string_view IfMissedName(IfMissed value) {
    const auto index = static_cast<std::size_t>(value);
    return index < kIfMissedNames.size() ? kIfMissedNames[index] : "each";
}

std::optional<IfMissed> IfMissedFromName(std::string_view name) {
    for (std::size_t i = 0; i < kIfMissedNames.size(); ++i)
        if (kIfMissedNames[i] == name) return static_cast<IfMissed>(i);
    return std::nullopt;
}

std::uint64_t AlarmFingerprint(const AlarmFields& alarm) {
    // FNV-1a over the name, a separator, and the moment's bits (every NaN alike).
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    auto mix = [&hash](std::uint8_t byte) {
        hash ^= byte;
        hash *= 0x100000001b3ULL;
    };
    for (const char c : alarm.name) mix(static_cast<std::uint8_t>(c));
    mix(0xFF);
    const double moment = std::isnan(alarm.dateTime) ? std::nan("") : alarm.dateTime;
    std::uint64_t bits = 0;
    std::memcpy(&bits, &moment, sizeof bits);
    for (int i = 0; i < 8; ++i) mix(static_cast<std::uint8_t>(bits >> (8 * i)));
    return hash;
}

std::size_t AlarmOptionsSize(std::size_t alarms) { return kHeaderBytes + kEntryBytes * alarms; }

std::vector<std::uint8_t> EncodeAlarmOptions(const AlarmList& list) {
    std::vector<std::uint8_t> out;
    out.reserve(AlarmOptionsSize(list.Count()));
    out.push_back(kOptionsVersion);
    Put(out, list.Count(), 4);
    for (std::size_t i = 0; i < list.Count(); ++i) {
        const AlarmOptions& o = list[i].options;
        Put(out, AlarmFingerprint(list[i]), 8);
        out.push_back(o.days);
        Put(out, o.snoozeMinutes, 2);
        out.push_back(static_cast<std::uint8_t>(o.ifMissed));
        out.push_back(o.repeatSound ? 1 : 0);
    }
    return out;
}

void ApplyAlarmOptions(std::span<const std::uint8_t> bytes, AlarmList& list) {
    if (bytes.size() < kHeaderBytes || bytes[0] != kOptionsVersion) return;
    const std::uint64_t declared = Get(bytes, 1, 4);
    // The entries read up to the first damaged one, by fingerprint, in order.
    std::multimap<std::uint64_t, AlarmOptions> entries;  // equal fingerprints in stored order
    for (std::uint64_t n = 0; n < declared; ++n) {
        const std::size_t at = kHeaderBytes + n * kEntryBytes;
        if (at + kEntryBytes > bytes.size()) break;
        AlarmOptions o;
        o.days = bytes[at + 8];
        o.snoozeMinutes = static_cast<std::uint16_t>(Get(bytes, at + 9, 2));
        const std::uint8_t missed = bytes[at + 11];
        const std::uint8_t repeat = bytes[at + 12];
        if (o.days == 0 || o.days > kEveryDay || o.snoozeMinutes < kMinSnoozeMinutes ||
            o.snoozeMinutes > kMaxSnoozeMinutes || missed > static_cast<std::uint8_t>(IfMissed::Skip) || repeat > 1)
            break;
        o.ifMissed = static_cast<IfMissed>(missed);
        o.repeatSound = repeat == 1;
        entries.emplace(Get(bytes, at, 8), o);
    }
    for (std::size_t i = 0; i < list.Count() && !entries.empty(); ++i) {
        const std::uint64_t fingerprint = AlarmFingerprint(list[i]);
        const auto found = entries.lower_bound(fingerprint);
        if (found == entries.end() || found->first != fingerprint) continue;
        list[i].options = found->second;
        entries.erase(found);
    }
}

}  // namespace quorvel
