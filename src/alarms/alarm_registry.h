// Where the alarm list lives between runs: the value "Alarms" beside the
// clock's settings, holding the bytes of EncodeAlarms, read and written through
// a key opened for each operation.
#pragma once

#include "alarms/alarm_book.h"

namespace quorvel {

class RegistryAlarmStorage final : public AlarmStorage {
public:
    // A missing key or value is Nothing; a key that is there but cannot be
    // opened is Unreachable. Throws RegistryError for a value of a string or
    // integer type ("Invalid data type for 'Alarms'") or a failed read. The
    // options come from "AlarmOptions" when it can be read as bytes.
    Stored Read() override;
    // Opens the key, creating it; false when it can be neither opened nor
    // created. A refused write throws ("Failed to set data for 'Alarms'").
    [[nodiscard]] bool Write(std::span<const std::uint8_t> bytes, std::span<const std::uint8_t> options) override;
    // "Alarms" to "AlarmsDamaged", or "AlarmOptions" to "AlarmOptionsDamaged",
    // with its type and bytes as they are.
    void KeepDamagedCopy(Part part) override;
};

}  // namespace quorvel
