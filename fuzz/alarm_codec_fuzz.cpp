// The alarm decoder on arbitrary bytes: no crash, alarms made in proportion to
// the input, and whatever decodes re-encodes to bytes that decode to the same
// list. The same bytes as an options value and as a message to the clock: no
// crash, and a message taken is one that encodes to exactly those bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "alarms/alarm_codec.h"
#include "alarms/alarm_message.h"
#include "alarms/alarm_options.h"
#include "core/clock.h"

namespace {

std::vector<std::uint8_t> Decoded(std::span<const std::uint8_t> bytes, quorvel::AlarmList& list, bool& ok) {
    ok = true;
    try {
        quorvel::DecodeAlarms(bytes, list);
    } catch (const quorvel::AlarmDataError&) {
        ok = false;
    }
    return quorvel::EncodeAlarms(list);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    quorvel::SetClock(46095.5);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quorvel::AlarmList list;
    bool ok = false;
    const std::vector<std::uint8_t> first = Decoded({data, size}, list, ok);
    // The smallest record takes 13 bytes; a damaged count must not make more.
    if (list.Count() > size / 13 + 1) std::abort();

    // Re-encoding what was read (also after a failure) is stable.
    quorvel::AlarmList again;
    const std::vector<std::uint8_t> second = Decoded(first, again, ok);
    if (!ok || second != first) std::abort();

    quorvel::ApplyAlarmOptions({data, size}, list);
    if (const auto alarm = quorvel::DecodeAlarmMessage({data, size})) {
        const std::vector<std::uint8_t> message = quorvel::EncodeAlarmMessage(*alarm);
        if (message != std::vector<std::uint8_t>(data, data + size)) std::abort();
    }
    return 0;
}
