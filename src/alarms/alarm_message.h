// One alarm handed to the running clock by another program (quorvel-cli
// alarms add, through WM_COPYDATA): the stored bytes of a list of that one
// alarm, then the options value of that list. The clock takes nothing it did
// not get whole and exact.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "alarms/alarm.h"

namespace quorvel {

// The message's kind (COPYDATASTRUCT::dwData): "add one alarm", first form.
inline constexpr std::uint32_t kAddAlarmMessage = 0x31414C51;  // "QLA1"
// The largest message the clock takes.
inline constexpr std::size_t kMaxAlarmMessageBytes = 1024 * 1024;

std::vector<std::uint8_t> EncodeAlarmMessage(const AlarmFields& alarm);

// The alarm of a message; nothing when it is larger than the bound, is not
// exactly one alarm as EncodeAlarmMessage writes it, its moment lies outside
// years 1-9999, or its options do not belong to it or are out of range.
std::optional<AlarmFields> DecodeAlarmMessage(std::span<const std::uint8_t> bytes);

}  // namespace quorvel
