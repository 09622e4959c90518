#include "alarms/alarm_codec.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "alarms/extended_float.h"
#include "core/clock.h"

namespace quorvel {
namespace {

using Bytes = std::vector<std::uint8_t>;
using enum RepeatKind;

Bytes Cat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

Bytes Text(std::string_view s) { return Bytes(s.begin(), s.end()); }

const DateTime kStart = 46095.5;  // 2026-03-14 12:00, the clock of these tests
const DateTime kNewAlarmDue = kStart + 1.0 / 1440;

// The worked example: one alarm "Tea", due 1 March 2024 08:30, daily, enabled.
const Bytes kTea = Cat({{0x02, 0x01},
                        {0x06, 0x03},
                        Text("Tea"),
                        {0x06, 0x12},
                        Text("C:\\Sounds\\bell.wav"),
                        {0x06, 0x0C},
                        Text("Tea is ready"),
                        {0x05, 0x00, 0xA8, 0xAA, 0xAA, 0xAA, 0x5A, 0x28, 0xB1, 0x0E, 0x40},
                        {0x02, 0x06},
                        {0x09},
                        {0x06, 0x00}});

// One record with the given middle; the tail completes it.
const Bytes kNameEtc = Cat({{0x06, 0x01, 'n', 0x06, 0x00, 0x06, 0x00}});
const Bytes kDue = {0x02, 0x05};
const Bytes kRepeatEnabledReserved = {0x02, 0x00, 0x09, 0x06, 0x00};

class AlarmCodecTest : public testing::Test {
protected:
    void SetUp() override { SetClock(kStart); }
    void TearDown() override { ResetClock(); }

    // Decodes into `list`; the error message, or "" when it succeeded.
    std::string Decode(const Bytes& bytes) {
        list.Clear();
        try {
            DecodeAlarms(bytes, list);
        } catch (const AlarmDataError& e) {
            return e.what();
        }
        return "";
    }

    AlarmList list;
};

TEST_F(AlarmCodecTest, WorkedExampleBothWays) {
    ASSERT_EQ(kTea.size(), 57u);
    Alarm& tea = list.AddAlarm();
    tea.name = "Tea";
    tea.sound = "C:\\Sounds\\bell.wav";
    tea.reminder = "Tea is ready";
    tea.dateTime = EncodeDateTime({2024, 3, 1, 8, 30}).value();
    EXPECT_EQ(tea.dateTime, 45352.354166666664);
    tea.repeat = Daily;
    EXPECT_EQ(EncodeAlarms(list), kTea);

    ASSERT_EQ(Decode(kTea), "");
    ASSERT_EQ(list.Count(), 1u);
    EXPECT_EQ(list[0].name, "Tea");
    EXPECT_EQ(list[0].sound, "C:\\Sounds\\bell.wav");
    EXPECT_EQ(list[0].reminder, "Tea is ready");
    EXPECT_EQ(list[0].dateTime, 45352.354166666664);
    EXPECT_EQ(list[0].repeat, Daily);
    EXPECT_TRUE(list[0].enabled);
    EXPECT_FALSE(list[0].triggered);
    // Bytes after the last record are ignored.
    EXPECT_EQ(Decode(Cat({kTea, {0xFF, 0x00}})), "");
    EXPECT_EQ(list.Count(), 1u);
}

TEST_F(AlarmCodecTest, CountUsesTheSmallestIntegerForm) {
    EXPECT_EQ(EncodeAlarms(list), (Bytes{0x02, 0x00}));
    EXPECT_EQ(Decode({0x02, 0x00}), "");
    EXPECT_EQ(list.Count(), 0u);
    for (auto [count, head] : {std::pair{127, Bytes{0x02, 0x7F}}, std::pair{128, Bytes{0x03, 0x80, 0x00}},
                               std::pair{40000, Bytes{0x04, 0x40, 0x9C, 0x00, 0x00}}}) {
        AlarmList many;
        for (int i = 0; i < count; ++i) many.AddAlarm();
        const Bytes bytes = EncodeAlarms(many);
        EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + static_cast<long>(head.size())), head) << count;
        EXPECT_EQ(Decode(bytes), "");
        EXPECT_EQ(list.Count(), static_cast<std::size_t>(count));
    }
    // A zero or negative count loads nothing.
    for (const Bytes& none : {Bytes{0x02, 0xFF}, Bytes{0x04, 0x00, 0x00, 0x00, 0x80}}) {
        EXPECT_EQ(Decode(none), "");
        EXPECT_EQ(list.Count(), 0u);
    }
}

TEST_F(AlarmCodecTest, StringForms) {
    struct Case {
        const char* what;
        std::string text;
        Bytes head;
    };
    const std::vector<Case> cases = {
        {"empty", "", {0x06, 0x00}},
        {"255 ASCII", std::string(255, 'x'), {0x06, 0xFF}},
        {"256 ASCII", std::string(256, 'x'), {0x0C, 0x00, 0x01, 0x00, 0x00}},
        {"Café", "Caf\xC3\xA9", {0x14, 0x05, 0x00, 0x00, 0x00}},
        {"300 non-ASCII", std::string(298, 'x') + "\xE2\x82\xAC", {0x14, 0x2D, 0x01, 0x00, 0x00}},
        {"CR LF lines", "Tea\r\nnow", {0x06, 0x08}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        AlarmList one;
        one.AddAlarm().name = c.text;
        const Bytes bytes = EncodeAlarms(one);
        EXPECT_EQ(Bytes(bytes.begin() + 2, bytes.begin() + 2 + static_cast<long>(c.head.size())), c.head);
        EXPECT_EQ(Bytes(bytes.begin() + 2 + static_cast<long>(c.head.size()),
                        bytes.begin() + 2 + static_cast<long>(c.head.size() + c.text.size())),
                  Text(c.text));
        ASSERT_EQ(Decode(bytes), "");
        EXPECT_EQ(list[0].name, c.text);
    }
}

TEST_F(AlarmCodecTest, ReadsEveryStringTag) {
    struct Case {
        const char* what;
        Bytes name;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"short, Windows-1252", {0x06, 0x04, 'C', 'a', 'f', 0xE9}, "Caf\xC3\xA9"},
        {"long, Windows-1252", {0x0C, 0x02, 0x00, 0x00, 0x00, 0x80, 0x9F}, "\xE2\x82\xAC\xC5\xB8"},
        {"UTF-8", {0x14, 0x05, 0x00, 0x00, 0x00, 'C', 'a', 'f', 0xC3, 0xA9}, "Caf\xC3\xA9"},
        {"UTF-8, malformed", {0x14, 0x03, 0x00, 0x00, 0x00, 'a', 0xFF, 'b'}, "a\xEF\xBF\xBD" "b"},
        {"UTF-8, F5 as a lead byte", {0x14, 0x03, 0x00, 0x00, 0x00, 0xF5, 0xA0, 0x80},
         "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"UTF-16", {0x12, 0x02, 0x00, 0x00, 0x00, 0xE9, 0x00, 0xAC, 0x20}, "\xC3\xA9\xE2\x82\xAC"},
        {"UTF-16 pair", {0x12, 0x02, 0x00, 0x00, 0x00, 0x3D, 0xD8, 0x14, 0xDD}, "\xF0\x9F\x94\x94"},
        {"UTF-16 empty", {0x12, 0x00, 0x00, 0x00, 0x00}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(Decode(Cat({{0x02, 0x01}, c.name, {0x06, 0x00, 0x06, 0x00}, kDue, kRepeatEnabledReserved})), "");
        EXPECT_EQ(list[0].name, c.text);
    }
}

TEST_F(AlarmCodecTest, DateTimeAsIntegerOrWrongTag) {
    struct Case {
        Bytes due;
        std::string error;
        DateTime value;
    };
    const std::vector<Case> cases = {
        {{0x02, 0x05}, "", 5.0},  // 4 January 1900 00:00
        {{0x03, 0x10, 0x27}, "", 10000.0},
        {{0x04, 0xFF, 0xFF, 0xFF, 0xFF}, "", -1.0},
        {{0x06, 0x00}, kInvalidPropertyValue, kNewAlarmDue},
        {{0x09}, kInvalidPropertyValue, kNewAlarmDue},
        {{0x05, 0x00, 0x00}, kStreamReadError, kNewAlarmDue},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Decode(Cat({{0x02, 0x01}, kNameEtc, c.due, kRepeatEnabledReserved})), c.error);
        ASSERT_EQ(list.Count(), 1u);
        EXPECT_EQ(list[0].name, "n");
        EXPECT_EQ(list[0].dateTime, c.value);
    }
    const auto parts = DecodeDateTime(5.0).value();
    EXPECT_EQ(parts.year * 10000 + parts.month * 100 + parts.day, 19000104);
}

TEST_F(AlarmCodecTest, RepeatAndEnabledBytes) {
    struct Case {
        Bytes repeat;
        Bytes enabled;
        RepeatKind kind;
        bool isEnabled;
    };
    const std::vector<Case> cases = {
        {{0x02, 0x06}, {0x09}, Daily, true},
        {{0x02, 0x06}, {0x08}, Daily, false},
        {{0x02, 0x06}, {0x00}, Daily, false},
        {{0x02, 0x06}, {0x06}, Daily, false},  // any byte but 0x09 is false, and only one is taken
        {{0x03, 0xC8, 0x00}, {0x09}, static_cast<RepeatKind>(200), true},
        {{0x03, 0x2C, 0x01}, {0x09}, static_cast<RepeatKind>(44), true},  // 300: low 8 bits
        {{0x02, 0xFF}, {0x09}, static_cast<RepeatKind>(255), true},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(Decode(Cat({{0x02, 0x01}, kNameEtc, kDue, c.repeat, c.enabled, {0x06, 0x00}})), "");
        EXPECT_EQ(list[0].repeat, c.kind);
        EXPECT_EQ(list[0].enabled, c.isEnabled);
    }
    // A repeat kind is written as its unsigned value; 200 takes the 16-bit form.
    AlarmList one;
    one.AddAlarm().repeat = static_cast<RepeatKind>(200);
    one[0].enabled = false;
    const Bytes bytes = EncodeAlarms(one);
    EXPECT_EQ(Bytes(bytes.end() - 6, bytes.end()), (Bytes{0x03, 0xC8, 0x00, 0x08, 0x06, 0x00}));
}

TEST_F(AlarmCodecTest, DamagedValuesKeepWhatWasRead) {
    struct Case {
        const char* what;
        Bytes bytes;
        std::string error;
        std::size_t count;
        std::string lastName;  // of the alarm being read when it failed
    };
    const Bytes record = Cat({kNameEtc, kDue, kRepeatEnabledReserved});
    const std::vector<Case> cases = {
        {"zero bytes", {}, kStreamReadError, 0, ""},
        {"count cut", {0x03, 0x01}, kStreamReadError, 0, ""},
        {"count as string", {0x06, 0x00}, kInvalidPropertyValue, 0, ""},
        {"N = 2, one record", Cat({{0x02, 0x02}, record}), kStreamReadError, 2, "Noname"},
        {"N huge, one record", Cat({{0x04, 0xFF, 0xFF, 0xFF, 0x7F}, record}), kStreamReadError, 2, "Noname"},
        {"name tag unknown", {0x02, 0x01, 0x07}, kInvalidPropertyValue, 1, "Noname"},
        {"name as integer", {0x02, 0x01, 0x02, 0x00}, kInvalidPropertyValue, 1, "Noname"},
        {"repeat as string", Cat({{0x02, 0x01}, kNameEtc, kDue, {0x06, 0x00}}), kInvalidPropertyValue, 1, "n"},
        {"no enabled byte", Cat({{0x02, 0x01}, kNameEtc, kDue, {0x02, 0x00}}), kStreamReadError, 1, "n"},
        {"reserved as integer", Cat({{0x02, 0x01}, kNameEtc, kDue, {0x02, 0x00, 0x09, 0x02, 0x00}}),
         kInvalidPropertyValue, 1, "n"},
        // Declared lengths beyond the bytes left fail before anything is built.
        {"long length 4 GB", {0x02, 0x01, 0x0C, 0xFF, 0xFF, 0xFF, 0xFF, 'a'}, kStreamReadError, 1, "Noname"},
        {"UTF-8 length 2 GB", {0x02, 0x01, 0x14, 0x00, 0x00, 0x00, 0x80}, kStreamReadError, 1, "Noname"},
        {"UTF-16 length, doubled, past 32 bits", {0x02, 0x01, 0x12, 0x00, 0x00, 0x00, 0x80, 'a', 0},
         kStreamReadError, 1, "Noname"},
        {"short length past end", {0x02, 0x01, 0x06, 0x02, 'a'}, kStreamReadError, 1, "Noname"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Decode(c.bytes), c.error);
        ASSERT_EQ(list.Count(), c.count);
        if (c.count == 0) continue;
        // The alarm being read keeps the values of a new alarm for the rest.
        const Alarm& last = list[c.count - 1];
        EXPECT_EQ(last.name, c.lastName);
        EXPECT_EQ(last.sound, "");
        EXPECT_EQ(last.repeat, NoRepeat);
        EXPECT_TRUE(last.enabled);
        if (c.count == 2) EXPECT_EQ(list[0].name, "n");
    }
}

// Cutting the worked example anywhere fails with "Stream read error" and keeps
// exactly the fields that were complete before the cut.
TEST_F(AlarmCodecTest, TruncationAtEveryOffset) {
    for (std::size_t size = 0; size < kTea.size(); ++size) {
        SCOPED_TRACE(size);
        EXPECT_EQ(Decode(Bytes(kTea.begin(), kTea.begin() + static_cast<long>(size))), kStreamReadError);
        ASSERT_EQ(list.Count(), size < 2 ? 0u : 1u);
        if (size < 2) continue;
        const Alarm& a = list[0];
        EXPECT_EQ(a.name, size >= 7 ? "Tea" : "Noname");
        EXPECT_EQ(a.sound, size >= 27 ? "C:\\Sounds\\bell.wav" : "");
        EXPECT_EQ(a.reminder, size >= 41 ? "Tea is ready" : "");
        EXPECT_EQ(a.dateTime, size >= 52 ? 45352.354166666664 : kNewAlarmDue);
        EXPECT_EQ(a.repeat, size >= 54 ? Daily : NoRepeat);
        EXPECT_TRUE(a.enabled);
    }
}

// ---- the extended float ----

TEST(ExtendedFloat, ExactForEveryKindOfDouble) {
    struct Case {
        double value;
        ExtendedBytes bytes;
    };
    const std::vector<Case> cases = {
        {45352.354166666664, {0x00, 0xA8, 0xAA, 0xAA, 0xAA, 0x5A, 0x28, 0xB1, 0x0E, 0x40}},
        {0.0, {0, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x00}},
        {-0.0, {0, 0, 0, 0, 0, 0, 0, 0, 0x00, 0x80}},
        {1.0, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}},
        {-2.5, {0, 0, 0, 0, 0, 0, 0, 0xA0, 0x00, 0xC0}},
        {std::numeric_limits<double>::infinity(), {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F}},
        {std::numeric_limits<double>::denorm_min(), {0, 0, 0, 0, 0, 0, 0, 0x80, 0xCD, 0x3B}},  // 2^-1074
        {DBL_MAX, {0x00, 0xF8, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0x43}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DoubleToExtended(c.value), c.bytes) << c.value;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(ExtendedToDouble(c.bytes)), std::bit_cast<std::uint64_t>(c.value));
    }
    // NaN stays NaN, quiet, with its payload.
    const double nan = std::bit_cast<double>(std::uint64_t{0x7FF0'0000'0000'1234});  // signalling
    EXPECT_EQ(std::bit_cast<std::uint64_t>(ExtendedToDouble(DoubleToExtended(nan))), 0x7FF8'0000'0000'1234u);
}

TEST(ExtendedFloat, RandomDoublesRoundTrip) {
    std::mt19937_64 random(7);
    for (int i = 0; i < 200000; ++i) {
        const std::uint64_t bits = random();
        const double value = std::bit_cast<double>(bits);
        if (std::isnan(value)) continue;
        ASSERT_EQ(std::bit_cast<std::uint64_t>(ExtendedToDouble(DoubleToExtended(value))), bits);
    }
}

TEST(ExtendedFloat, RoundsToNearestEven) {
    // 1 + 2^-53 is half a unit: ties to even (1); a bit more rounds up.
    const auto one = [](std::uint64_t low) {
        ExtendedBytes b{};
        const std::uint64_t m = (std::uint64_t{1} << 63) | low;
        for (int i = 0; i < 8; ++i) b[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(m >> (8 * i));
        b[8] = 0xFF;
        b[9] = 0x3F;
        return ExtendedToDouble(b);
    };
    EXPECT_EQ(one(0x400), 1.0);
    EXPECT_EQ(one(0x401), std::nextafter(1.0, 2.0));
    EXPECT_EQ(one(0xC00), 1.0 + 2 * DBL_EPSILON);  // odd unit + half: up to even
    EXPECT_EQ(one(0x3FF), 1.0);
    // Out of range: infinity and zero; encodings the x87 unit rejects: NaN.
    EXPECT_EQ(ExtendedToDouble({0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0x44}), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ExtendedToDouble({0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0x80 | 0x3B}), -0.0);
    EXPECT_TRUE(std::isnan(ExtendedToDouble({0, 0, 0, 0, 0, 0, 0, 0x40, 0xFF, 0x3F})));  // unnormal
    EXPECT_TRUE(std::isnan(ExtendedToDouble({0, 0, 0, 0, 0, 0, 0, 0x00, 0xFF, 0x7F})));  // pseudo-infinity
}

#if defined(__x86_64__) && LDBL_MANT_DIG == 64
// Against the x87 unit itself: random extended values of every exponent
// around the double range, converted by the hardware.
TEST(ExtendedFloat, MatchesTheX87Unit) {
    std::mt19937_64 random(11);
    for (int i = 0; i < 300000; ++i) {
        ExtendedBytes b{};
        const std::uint64_t m = random() | (std::uint64_t{1} << 63);
        const unsigned exponent = 16383 - 1100 + static_cast<unsigned>(random() % 2200);
        const unsigned se = exponent | (random() & 1 ? 0x8000u : 0u);
        std::memcpy(b.data(), &m, 8);
        b[8] = static_cast<std::uint8_t>(se);
        b[9] = static_cast<std::uint8_t>(se >> 8);
        long double hardware = 0;
        std::memcpy(&hardware, b.data(), 10);
        ASSERT_EQ(std::bit_cast<std::uint64_t>(ExtendedToDouble(b)),
                  std::bit_cast<std::uint64_t>(static_cast<double>(hardware)))
            << i;
    }
}
#endif

}  // namespace
}  // namespace quorvel
