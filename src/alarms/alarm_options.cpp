#include "alarms/alarm_options.h"

#include <array>
#include <iterator>
#include <cmath>
#include <cstring>
#include <map>

#include "alarms/alarm.h"
#include "core/date_time.h"
#include "core/translation.h"

namespace quorvel {
namespace {

constexpr std::array<std::string_view, kDaysPerWeek> kWeekdayNames = {"Mon", "Tue", "Wed", "Thu",
                                                                      "Fri", "Sat", "Sun"};
constexpr std::array<std::string_view, 3> kIfMissedNames = {"each", "once", "skip"};

constexpr std::size_t kHeaderBytes = 5;  // version, count

// What an entry's fingerprint was made of.
enum class Fingerprint { NameAndMoment, EveryField };

// Every version of the value ever written, the one written now last; older
// ones are still read, so options stored by an earlier release keep their alarms.
struct Version {
    std::uint8_t number;
    Fingerprint fingerprint;
    std::size_t entryBytes;  // fingerprint, days, snooze, missed, repeat[, remind before, wake]
};
constexpr Version kVersions[] = {
    {1, Fingerprint::NameAndMoment, 13},
    {2, Fingerprint::EveryField, 13},
    {3, Fingerprint::EveryField, 16},
};
constexpr Version kWritten = kVersions[std::size(kVersions) - 1];

// FNV-1a, 64 bits.
class Hash {
public:
    void Byte(std::uint8_t byte) {
        value_ ^= byte;
        value_ *= 0x100000001b3ULL;
    }
    void Number(std::uint64_t number) {
        for (int i = 0; i < 8; ++i) Byte(static_cast<std::uint8_t>(number >> (8 * i)));
    }
    // Every NaN alike: damaged moments are one moment.
    void Moment(double moment) {
        const double canonical = std::isnan(moment) ? std::nan("") : moment;
        std::uint64_t bits = 0;
        std::memcpy(&bits, &canonical, sizeof bits);
        Number(bits);
    }
    // Length first, so no two lists of texts hash the same bytes.
    void Text(std::string_view text) {
        Number(text.size());
        for (const char c : text) Byte(static_cast<std::uint8_t>(c));
    }
    std::uint64_t Value() const { return value_; }

private:
    std::uint64_t value_ = 0xcbf29ce484222325ULL;
};

// The first version's fingerprint: the name, a separator, the moment.
std::uint64_t NameAndMomentFingerprint(const AlarmFields& alarm) {
    Hash hash;
    for (const char c : alarm.name) hash.Byte(static_cast<std::uint8_t>(c));
    hash.Byte(0xFF);
    hash.Moment(alarm.dateTime);
    return hash.Value();
}

std::uint64_t FingerprintOf(const AlarmFields& alarm, Fingerprint kind) {
    return kind == Fingerprint::NameAndMoment ? NameAndMomentFingerprint(alarm) : AlarmFingerprint(alarm);
}

const Version* FindVersion(std::uint8_t number) {
    for (const Version& version : kVersions)
        if (version.number == number) return &version;
    return nullptr;
}

void Put(std::vector<std::uint8_t>& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::uint64_t Get(std::span<const std::uint8_t> in, std::size_t at, int bytes) {
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i) value |= static_cast<std::uint64_t>(in[at + i]) << (8 * i);
    return value;
}

// The options of one entry; nothing when a field is out of range.
std::optional<AlarmOptions> ReadEntry(std::span<const std::uint8_t> entry) {
    AlarmOptions o;
    if (entry.size() >= kWritten.entryBytes) {
        o.remindBeforeMinutes = static_cast<std::uint16_t>(Get(entry, 13, 2));
        if (o.remindBeforeMinutes > kMaxRemindBeforeMinutes || entry[15] > 1) return std::nullopt;
        o.wake = entry[15] == 1;
    }
    o.days = entry[8];
    o.snoozeMinutes = static_cast<std::uint16_t>(Get(entry, 9, 2));
    const std::uint8_t missed = entry[11];
    const std::uint8_t repeat = entry[12];
    if (o.days == 0 || o.days > kEveryDay || o.snoozeMinutes < kMinSnoozeMinutes ||
        o.snoozeMinutes > kMaxSnoozeMinutes || missed > static_cast<std::uint8_t>(IfMissed::Skip) || repeat > 1)
        return std::nullopt;
    o.ifMissed = static_cast<IfMissed>(missed);
    o.repeatSound = repeat == 1;
    return o;
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

std::string RemindBeforeCaption(int minutes) {
    const auto count = [](int n, const char* one, const char* many) {
        return FillIn(TranslatePlural(one, many, static_cast<unsigned long>(n)), {std::to_string(n)});
    };
    if (minutes == 0) return std::string(Translate("None"));
    if (minutes % 1440 == 0) return count(minutes / 1440, "{0} day", "{0} days");
    if (minutes % 60 == 0) return count(minutes / 60, "{0} hour", "{0} hours");
    return count(minutes, "{0} minute", "{0} minutes");
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
    Hash hash;
    hash.Text(alarm.name);
    hash.Text(alarm.sound);
    hash.Text(alarm.reminder);
    hash.Moment(alarm.dateTime);
    hash.Byte(static_cast<std::uint8_t>(alarm.repeat));
    hash.Byte(alarm.enabled ? 1 : 0);
    return hash.Value();
}

std::size_t AlarmOptionsSize(std::size_t alarms) { return kHeaderBytes + kWritten.entryBytes * alarms; }

std::vector<std::uint8_t> EncodeAlarmOptions(const AlarmList& list) {
    std::vector<std::uint8_t> out;
    out.reserve(AlarmOptionsSize(list.Count()));
    out.push_back(kWritten.number);
    Put(out, list.Count(), 4);
    for (std::size_t i = 0; i < list.Count(); ++i) {
        const AlarmOptions& o = list[i].options;
        Put(out, AlarmFingerprint(list[i]), 8);
        out.push_back(o.days);
        Put(out, o.snoozeMinutes, 2);
        out.push_back(static_cast<std::uint8_t>(o.ifMissed));
        out.push_back(o.repeatSound ? 1 : 0);
        Put(out, o.remindBeforeMinutes, 2);
        out.push_back(o.wake ? 1 : 0);
    }
    return out;
}

bool ApplyAlarmOptions(std::span<const std::uint8_t> bytes, AlarmList& list) {
    if (bytes.empty()) return true;  // no options stored
    const Version* version = bytes.size() < kHeaderBytes ? nullptr : FindVersion(bytes[0]);
    if (!version) return false;
    const std::uint64_t declared = Get(bytes, 1, 4);
    // The entries read up to the first damaged one, by fingerprint, in order.
    std::multimap<std::uint64_t, AlarmOptions> entries;  // equal fingerprints in stored order
    // Whole: exactly the entries the count declares, not a byte more or less.
    const std::size_t entrySize = version->entryBytes;
    const std::size_t entryBytes = bytes.size() - kHeaderBytes;
    bool whole = entryBytes % entrySize == 0 && entryBytes / entrySize == declared;
    for (std::uint64_t n = 0; n < declared; ++n) {
        const std::size_t at = kHeaderBytes + n * entrySize;
        const auto options = at + entrySize <= bytes.size() ? ReadEntry(bytes.subspan(at, entrySize)) : std::nullopt;
        if (!options) {
            whole = false;
            break;
        }
        entries.emplace(Get(bytes, at, 8), *options);
    }
    for (std::size_t i = 0; i < list.Count() && !entries.empty(); ++i) {
        const std::uint64_t fingerprint = FingerprintOf(list[i], version->fingerprint);
        const auto found = entries.lower_bound(fingerprint);
        if (found == entries.end() || found->first != fingerprint) continue;
        list[i].options = found->second;
        entries.erase(found);
    }
    return whole;
}

}  // namespace quorvel
