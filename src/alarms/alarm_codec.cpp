#include "alarms/alarm_codec.h"

#include <cstring>
#include <string>
#include <string_view>

#include "alarms/ansi_text.h"
#include "alarms/extended_float.h"
#include "core/clock.h"
#include "core/text.h"

namespace quorvel {
namespace {

enum Tag : std::uint8_t {
    kInt8 = 0x02,
    kInt16 = 0x03,
    kInt32 = 0x04,
    kExtended = 0x05,
    kShortString = 0x06,
    kFalse = 0x08,
    kTrue = 0x09,
    kLongString = 0x0C,
    kWideString = 0x12,
    kUtf8String = 0x14,
};

// ---- writing ----

class Writer {
public:
    explicit Writer(std::vector<std::uint8_t>& buffer) : out(buffer) {}

    void Integer(std::int32_t value) {
        if (value >= -128 && value <= 127) {
            out.push_back(kInt8);
            Raw(static_cast<std::uint32_t>(value), 1);
        } else if (value >= -32768 && value <= 32767) {
            out.push_back(kInt16);
            Raw(static_cast<std::uint32_t>(value), 2);
        } else {
            out.push_back(kInt32);
            Raw(static_cast<std::uint32_t>(value), 4);
        }
    }

    void Float(double value) {
        out.push_back(kExtended);
        const ExtendedBytes bytes = DoubleToExtended(value);
        out.insert(out.end(), bytes.begin(), bytes.end());
    }

    void String(std::string_view text) {
        if (text.size() > 0x7FFFFFFF) throw std::length_error("text too long to store");
        const auto length = static_cast<std::uint32_t>(text.size());
        if (!IsAscii(text)) {
            out.push_back(kUtf8String);
            Raw(length, 4);
        } else if (length <= 255) {
            out.push_back(kShortString);
            Raw(length, 1);
        } else {
            out.push_back(kLongString);
            Raw(length, 4);
        }
        const auto* first = reinterpret_cast<const std::uint8_t*>(text.data());
        out.insert(out.end(), first, first + text.size());
    }

    void Boolean(bool value) { out.push_back(value ? kTrue : kFalse); }

private:
    void Raw(std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }

    std::vector<std::uint8_t>& out;
};

// ---- reading ----

[[noreturn]] void Fail(const char* message) { throw AlarmDataError(message); }

// UTF-8 from the stored bytes as it is when well-formed; malformed sequences
// become U+FFFD, as the platform's conversion does.
std::string CleanUtf8(std::string_view bytes) {
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::size_t length = Utf8CharLength(bytes, pos);
        if (length == 1 && static_cast<unsigned char>(bytes[pos]) >= 0x80) break;
        pos += length;
    }
    if (pos == bytes.size()) return std::string(bytes);
    return Utf16ToUtf8(Utf8ToUtf16(bytes));
}

class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> input) : bytes(input) {}

    std::int32_t Integer() { return IntegerPayload(Tag()); }

    double Float() {
        const std::uint8_t tag = Tag();
        if (tag != kExtended) return IntegerPayload(tag);
        ExtendedBytes extended;
        std::memcpy(extended.data(), Take(extended.size()).data(), extended.size());
        return ExtendedToDouble(extended);
    }

    std::string String() {
        const std::uint8_t tag = Tag();
        const std::span<const std::uint8_t> text = StringPayload(tag);
        const std::string_view view(reinterpret_cast<const char*>(text.data()), text.size());
        switch (tag) {
            case kShortString:
            case kLongString:
                return AnsiToUtf8(view);
            case kWideString: {
                std::u16string utf16(text.size() / 2, u'\0');
                for (std::size_t i = 0; i < utf16.size(); ++i)
                    utf16[i] = static_cast<char16_t>(text[2 * i] | (text[2 * i + 1] << 8));
                return Utf16ToUtf8(utf16);
            }
            default:
                return CleanUtf8(view);
        }
    }

    // A string read only to be dropped: the same checks, no conversion.
    void SkipString() { StringPayload(Tag()); }

    bool Boolean() { return Tag() == kTrue; }

private:
    std::uint8_t Tag() { return Take(1)[0]; }

    // Checks the count against the bytes left before anything is built from it.
    std::span<const std::uint8_t> Take(std::uint64_t count) {
        if (count > bytes.size() - pos) Fail(kStreamReadError);
        const auto part = bytes.subspan(pos, static_cast<std::size_t>(count));
        pos += static_cast<std::size_t>(count);
        return part;
    }

    std::uint32_t Unsigned(std::size_t size) {
        const auto raw = Take(size);
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < size; ++i) value |= std::uint32_t{raw[i]} << (8 * i);
        return value;
    }

    std::int32_t IntegerPayload(std::uint8_t tag) {
        switch (tag) {
            case kInt8:
                return static_cast<std::int8_t>(Unsigned(1));
            case kInt16:
                return static_cast<std::int16_t>(Unsigned(2));
            case kInt32:
                return static_cast<std::int32_t>(Unsigned(4));
            default:
                Fail(kInvalidPropertyValue);
        }
    }

    std::span<const std::uint8_t> StringPayload(std::uint8_t tag) {
        switch (tag) {
            case kShortString:
                return Take(Unsigned(1));
            case kLongString:
            case kUtf8String:
                return Take(Unsigned(4));
            case kWideString:
                return Take(std::uint64_t{Unsigned(4)} * 2);
            default:
                Fail(kInvalidPropertyValue);
        }
    }

    std::span<const std::uint8_t> bytes;
    std::size_t pos = 0;
};

}  // namespace

std::vector<std::uint8_t> EncodeAlarms(const AlarmList& list) {
    // At most: 5 for N; per alarm three strings with 5-byte heads, 11 for the
    // date-time, 3 for the repeat kind, 1 for Enabled and 2 reserved.
    std::size_t size = 5;
    for (std::size_t i = 0; i < list.Count(); ++i)
        size += list[i].name.size() + list[i].sound.size() + list[i].reminder.size() + 32;
    std::vector<std::uint8_t> out;
    out.reserve(size);
    Writer w(out);
    w.Integer(static_cast<std::int32_t>(list.Count()));
    for (std::size_t i = 0; i < list.Count(); ++i) {
        const Alarm& alarm = list[i];
        w.String(alarm.name);
        w.String(alarm.sound);
        w.String(alarm.reminder);
        w.Float(alarm.dateTime);
        w.Integer(static_cast<std::uint8_t>(alarm.repeat));
        w.Boolean(alarm.enabled);
        w.String({});  // reserved
    }
    return out;
}

void DecodeAlarms(std::span<const std::uint8_t> bytes, AlarmList& list) {
    Reader in(bytes);
    const std::int32_t count = in.Integer();
    // One reading of the clock serves every alarm of the load.
    const DateTime now = count > 0 ? Now() : 0.0;
    // Each record takes at least 13 bytes, so a damaged count ends at the first
    // record that runs out of bytes: the alarms made stay in proportion to the input.
    for (std::int32_t i = 0; i < count; ++i) {
        Alarm& alarm = list.AddAlarm(now);
        alarm.name = in.String();
        alarm.sound = in.String();
        alarm.reminder = in.String();
        alarm.dateTime = in.Float();
        alarm.repeat = static_cast<RepeatKind>(static_cast<std::uint8_t>(in.Integer()));
        alarm.enabled = in.Boolean();
        in.SkipString();
    }
}

}  // namespace quorvel
