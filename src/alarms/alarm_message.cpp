#include "alarms/alarm_message.h"

#include <algorithm>
#include <exception>

#include "alarms/alarm_codec.h"
#include "alarms/alarm_options.h"

namespace quorvel {
std::vector<std::uint8_t> EncodeAlarmMessage(const AlarmFields& alarm) {
    AlarmList list;
    static_cast<AlarmFields&>(list.AddAlarm(0)) = alarm;
    std::vector<std::uint8_t> bytes = EncodeAlarms(list);
    const std::vector<std::uint8_t> options = EncodeAlarmOptions(list);
    bytes.insert(bytes.end(), options.begin(), options.end());
    return bytes;
}

std::optional<AlarmFields> DecodeAlarmMessage(std::span<const std::uint8_t> bytes) {
    // The options of one alarm take a fixed size at the end.
    const std::size_t optionsSize = AlarmOptionsSize(1);
    if (bytes.size() > kMaxAlarmMessageBytes || bytes.size() <= optionsSize) return std::nullopt;
    const auto alarmBytes = bytes.first(bytes.size() - optionsSize);
    const auto optionBytes = bytes.last(optionsSize);
    AlarmList list;
    try {
        DecodeAlarms(alarmBytes, list);
    } catch (const std::exception&) {
        return std::nullopt;
    }
    // A moment outside the calendar would never come, or never be shown.
    if (list.Count() != 1 || !InCalendarRange(list[0].dateTime)) return std::nullopt;
    ApplyAlarmOptions(optionBytes, list);
    // Exactly what the sender's encoding gives: no trailing bytes, no damaged
    // or foreign options taken as defaults.
    const std::vector<std::uint8_t> again = EncodeAlarmMessage(list[0]);
    if (!std::equal(again.begin(), again.end(), bytes.begin(), bytes.end())) return std::nullopt;
    return list[0].Fields();
}

}  // namespace quorvel
