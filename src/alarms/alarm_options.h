// An alarm's options beyond its stored record: the weekdays of a Daily alarm,
// the length of Snooze, what happens to moments missed while the program was
// not running, a sound that plays until the reminder is answered, a reminder
// ahead of each moment, and waking the computer for it. They are
// kept in a value of their own beside the alarm bytes, which stay exactly as
// they are: "AlarmOptions", one entry per alarm in list order, each marked with
// a fingerprint of its alarm (every stored field), so that a list changed by a
// program that does not know them never gets an option attached to the wrong
// alarm: only alarms alike in every field can take each other's.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// Days of the week as bits, Monday first.
inline constexpr std::uint8_t kMonday = 1;
inline constexpr std::uint8_t kSunday = 1 << 6;
inline constexpr std::uint8_t kEveryDay = 0x7F;
inline constexpr int kDaysPerWeek = 7;

// What becomes of moments that passed while the program was not running, the
// computer slept or the clock jumped.
enum class IfMissed : std::uint8_t {
    Each,  // a reminder for each missed moment, one after the other
    Once,  // one reminder; when it ends, the alarm moves to its first moment after now
    Skip,  // no reminder; the alarm moves to its first moment after now
};

inline constexpr int kMinSnoozeMinutes = 1;
inline constexpr int kMaxSnoozeMinutes = 1440;
inline constexpr int kDefaultSnoozeMinutes = 5;

// "Remind before": none (0) or up to a week ahead, in minutes.
inline constexpr int kMaxRemindBeforeMinutes = 10080;

// A check finds an alarm missed when it is due more than this late.
inline constexpr double kMissedAfterDays = 60.0 / 86'400;

// The sound of an alarm that repeats it stops by itself after this long.
inline constexpr double kRepeatSoundForDays = 10.0 / 1440;

struct AlarmOptions {
    // For a Daily alarm, the days it comes due on (never none); others ignore it.
    std::uint8_t days = kEveryDay;
    // What Snooze adds, 1-1440.
    std::uint16_t snoozeMinutes = kDefaultSnoozeMinutes;
    IfMissed ifMissed = IfMissed::Each;
    // The sound plays again and again until OK or Snooze.
    bool repeatSound = false;
    // An advance reminder this many minutes before each moment; 0 for none.
    std::uint16_t remindBeforeMinutes = 0;
    // The computer is woken from sleep for the alarm.
    bool wake = false;

    bool operator==(const AlarmOptions&) const = default;
};

// The bit of the day `value` falls on (a date-time); 0 when it is no date.
std::uint8_t WeekdayBit(double value);

// "Mon" ... "Sun", Monday first, as the options' JSON and the command line spell them.
std::string_view WeekdayName(int index);
// The bit of "Mon" ... "Sun"; nothing for another text.
std::optional<std::uint8_t> WeekdayFromName(std::string_view name);
// "Mon-Fri", "Mon, Wed, Sat", "every day": the days for people to read.
std::string DaysText(std::uint8_t days);

// "None", "10 minutes", "1 hour", "2 hours", "1 day": a remind-before lead for people to read.
std::string RemindBeforeCaption(int minutes);

// "each", "once", "skip".
std::string_view IfMissedName(IfMissed value);
std::optional<IfMissed> IfMissedFromName(std::string_view name);

// ---- The stored value ----

struct AlarmFields;
class AlarmList;

// Names an alarm by every stored field (name, sound, text, moment, repeat,
// enabled), for matching options to alarms.
std::uint64_t AlarmFingerprint(const AlarmFields& alarm);

// The "AlarmOptions" value of the list: a version byte (3), a 4-byte count,
// then per alarm its fingerprint (8 bytes) and options (days, 2-byte snooze
// minutes, missed rule, repeat-sound flag, 2-byte remind-before minutes, wake
// flag). Little-endian. Versions 2 and 1, still read, ended each entry after
// the repeat-sound flag (their alarms remind before nothing and wake nothing);
// version 1 fingerprinted name and moment alone.
std::vector<std::uint8_t> EncodeAlarmOptions(const AlarmList& list);
// The size of that value for a list of `alarms` alarms.
std::size_t AlarmOptionsSize(std::size_t alarms);

// Gives each alarm of the list the options of the first unused entry made for
// an alarm with its fingerprint; an alarm without one keeps its options. A
// damaged value (cut short or longer than its count says, an unknown version,
// a field out of range) is read up to the damage. True when the value was
// whole (an empty one is: no options stored). Never throws.
bool ApplyAlarmOptions(std::span<const std::uint8_t> bytes, AlarmList& list);

}  // namespace quorvel
