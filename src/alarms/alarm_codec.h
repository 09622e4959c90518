// The alarm list as the bytes of the stored "Alarms" value: a tagged integer
// N, then N records of seven tagged values (Name, Sound, Reminder, DateTime,
// Repeat, Enabled, a reserved empty string). Little-endian, no header.
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

#include "alarms/alarm.h"
#include "core/translation.h"

namespace quorvel {

inline constexpr const char* kStreamReadError = N_("Stream read error");
inline constexpr const char* kInvalidPropertyValue = N_("Invalid property value");

// A damaged value; the message is the one the user sees.
class AlarmDataError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The whole list, each value in its smallest form; ASCII text as short or long
// strings, other text as UTF-8 strings.
std::vector<std::uint8_t> EncodeAlarms(const AlarmList& list);

// Appends the stored alarms to the list, each created by AddAlarm and read
// over. On damaged bytes throws AlarmDataError and leaves the list as far as it
// was read: complete alarms, the one being read with the fields read so far
// and new-alarm values for the rest, nothing after. Allocates in proportion to
// the bytes given, whatever lengths or count they declare.
void DecodeAlarms(std::span<const std::uint8_t> bytes, AlarmList& list);

}  // namespace quorvel
