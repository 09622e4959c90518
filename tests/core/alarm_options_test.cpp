// The alarms' options value: matched to alarms by fingerprint, whatever
// another program did to the list, and read up to any damage; the weekday
// texts.
#include "alarms/alarm_options.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "alarms/alarm.h"
#include "alarms/alarm_message.h"

namespace quorvel {
namespace {

DateTime At(int day, int hour) { return EncodeDateTime({2026, 3, day, hour, 0, 0, 0}).value(); }

struct Named {
    std::string name;
    DateTime when;
    AlarmOptions options;
    std::string text;
};

void Fill(AlarmList& list, const std::vector<Named>& alarms) {
    list.Clear();
    for (const Named& n : alarms) {
        Alarm& a = list.AddAlarm(At(1, 0));
        a.name = n.name;
        a.dateTime = n.when;
        a.options = n.options;
        a.reminder = n.text;
    }
}

std::vector<AlarmOptions> OptionsOf(const AlarmList& list) {
    std::vector<AlarmOptions> out;
    for (std::size_t i = 0; i < list.Count(); ++i) out.push_back(list[i].options);
    return out;
}

TEST(AlarmOptions, EachAlarmGetsTheOptionsMadeForItAndNoOther) {
    const AlarmOptions defaults;
    const AlarmOptions weekdays{0x1F, 10, IfMissed::Skip, true, 90, true};
    const AlarmOptions quarter{kEveryDay, 15, IfMissed::Once, false};
    const std::vector<Named> saved = {{"tea", At(14, 8), weekdays}, {"gym", At(14, 18), quarter},
                                      {"tea", At(15, 8), defaults}, {"walk", At(16, 7), weekdays, "north"},
                                      {"walk", At(16, 7), quarter, "south"}};
    AlarmList list;
    Fill(list, saved);
    const std::vector<std::uint8_t> bytes = EncodeAlarmOptions(list);
    EXPECT_EQ(bytes.size(), 5u + 5 * 16);

    struct Case {
        const char* name;
        std::vector<Named> alarms;  // as another program left the list, with default options
        std::vector<AlarmOptions> expected;
    };
    const std::vector<Case> cases = {
        {"unchanged", {{"tea", At(14, 8)}, {"gym", At(14, 18)}, {"tea", At(15, 8)}}, {weekdays, quarter, defaults}},
        {"reordered", {{"gym", At(14, 18)}, {"tea", At(14, 8)}}, {quarter, weekdays}},
        {"one inserted in front", {{"new", At(1, 1)}, {"tea", At(14, 8)}, {"gym", At(14, 18)}},
         {defaults, weekdays, quarter}},
        {"renamed and moved on: no longer the same alarm", {{"Tea", At(14, 8)}, {"gym", At(15, 18)}},
         {defaults, defaults}},
        {"two alarms alike take entries in stored order", {{"tea", At(14, 8)}, {"tea", At(14, 8)}},
         {weekdays, defaults}},
        {"alike but for their texts, reordered", {{"walk", At(16, 7), {}, "south"}, {"walk", At(16, 7), {}, "north"}},
         {quarter, weekdays}},
    };
    for (const Case& c : cases) {
        Fill(list, c.alarms);
        ApplyAlarmOptions(bytes, list);
        EXPECT_EQ(OptionsOf(list), c.expected) << c.name;
    }

    // The bytes are exact: this release writes version 3, and still reads the
    // version 2 (entries without remind-before and wake: both off) and
    // version 1 (fingerprints of name and moment alone) earlier ones wrote.
    Fill(list, {{"tea", At(14, 8), weekdays, "north"}});
    EXPECT_EQ(EncodeAlarmOptions(list),
              (std::vector<std::uint8_t>{0x03, 0x01, 0x00, 0x00, 0x00, 0x0D, 0x88, 0x17, 0x3C, 0x7F, 0xC9, 0x7A,
                                         0xB7, 0x1F, 0x0A, 0x00, 0x02, 0x01, 0x5A, 0x00, 0x01}));
    const std::vector<std::uint8_t> secondVersion = {0x02, 0x01, 0x00, 0x00, 0x00, 0x0D, 0x88, 0x17, 0x3C,
                                                     0x7F, 0xC9, 0x7A, 0xB7, 0x1F, 0x0A, 0x00, 0x02, 0x01};
    Fill(list, {{"tea", At(14, 8), {}, "north"}});
    EXPECT_TRUE(ApplyAlarmOptions(secondVersion, list));
    EXPECT_EQ(OptionsOf(list), (std::vector<AlarmOptions>{{0x1F, 10, IfMissed::Skip, true, 0, false}}));
    const std::vector<std::uint8_t> firstVersion = {
        0x01, 0x02, 0x00, 0x00, 0x00, 0x58, 0xB9, 0xA0, 0x36, 0xE9, 0xCE, 0x9D, 0x7B, 0x1F, 0x0A, 0x00,
        0x02, 0x01, 0xC0, 0x4C, 0x55, 0x81, 0x8F, 0x73, 0xE1, 0x18, 0x7F, 0x0F, 0x00, 0x01, 0x00};  // tea 8:00, gym 9:00
    Fill(list, {{"gym", At(14, 9), {}, "text"}, {"tea", At(14, 8), {}, "text"}});
    EXPECT_TRUE(ApplyAlarmOptions(firstVersion, list));
    EXPECT_EQ(OptionsOf(list), (std::vector<AlarmOptions>{{kEveryDay, 15, IfMissed::Once}, {0x1F, 10, IfMissed::Skip, true}}));
}

TEST(AlarmOptions, ADamagedValueIsReadUpToTheDamage) {
    const AlarmOptions set{0x41, 30, IfMissed::Once, true, kMaxRemindBeforeMinutes, true};
    AlarmList list;
    Fill(list, {{"a", At(14, 8), set}, {"b", At(14, 9), set}});
    const std::vector<std::uint8_t> good = EncodeAlarmOptions(list);
    const AlarmOptions defaults;
    struct Case {
        const char* name;
        std::function<void(std::vector<std::uint8_t>&)> damage;
        std::vector<AlarmOptions> expected;
        bool whole = false;  // nothing to keep as a damaged copy
    };
    // Entry 2 starts at byte 21: fingerprint 21-28, days 29, snooze 30-31, missed 32, repeat 33,
    // remind before 34-35, wake 36.
    const std::vector<Case> cases = {
        {"whole", [](auto&) {}, {set, set}, true},
        {"cut in the second entry", [](auto& b) { b.resize(b.size() - 1); }, {set, defaults}},
        {"a byte more", [](auto& b) { b.push_back(0); }, {set, set}},
        {"a count larger than the entries", [](auto& b) { b[1] = 200; }, {set, set}},
        {"a count smaller than the entries", [](auto& b) { b[1] = 1; }, {set, defaults}},
        {"another version", [](auto& b) { b[0] = 4; }, {defaults, defaults}},
        {"empty: none stored", [](auto& b) { b.clear(); }, {defaults, defaults}, true},
        {"no day", [](auto& b) { b[29] = 0; }, {set, defaults}},
        {"a day bit beyond Sunday", [](auto& b) { b[29] = 0x80; }, {set, defaults}},
        {"snooze 0", [](auto& b) { b[30] = b[31] = 0; }, {set, defaults}},
        {"snooze 1441", [](auto& b) { b[30] = 0xA1, b[31] = 0x05; }, {set, defaults}},
        {"an unknown missed rule", [](auto& b) { b[32] = 3; }, {set, defaults}},
        {"repeat neither 0 nor 1", [](auto& b) { b[33] = 2; }, {set, defaults}},
        {"remind before 10081 minutes", [](auto& b) { b[34] = 0x61, b[35] = 0x27; }, {set, defaults}},
        {"wake neither 0 nor 1", [](auto& b) { b[36] = 2; }, {set, defaults}},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> bytes = good;
        c.damage(bytes);
        Fill(list, {{"a", At(14, 8)}, {"b", At(14, 9)}});
        EXPECT_EQ(ApplyAlarmOptions(bytes, list), c.whole) << c.name;
        EXPECT_EQ(OptionsOf(list), c.expected) << c.name;
    }
}

TEST(AlarmOptions, DaysAsPeopleReadThem) {
    const std::vector<std::pair<std::uint8_t, std::string>> cases = {
        {kEveryDay, "every day"}, {0x1F, "Mon-Fri"}, {0x60, "Sat, Sun"}, {0x15, "Mon, Wed, Fri"},
        {0x3B, "Mon, Tue, Thu-Sat"}, {kSunday, "Sun"},
    };
    for (const auto& [days, text] : cases) EXPECT_EQ(DaysText(days), text) << int(days);
    EXPECT_EQ(WeekdayBit(At(14, 8)), 1 << 5) << "14 March 2026 is a Saturday";
    EXPECT_EQ(WeekdayBit(At(16, 8)), kMonday);
    EXPECT_EQ(WeekdayFromName("Sun"), kSunday);
    EXPECT_EQ(WeekdayFromName("sun"), std::nullopt);
}

// What another program hands the running clock: taken only whole and exact.
TEST(AlarmOptions, AMessageToTheClockIsOneExactAlarm) {
    AlarmFields tea;
    tea.name = "Tea \xE2\x98\x95";
    tea.reminder = "Tea is ready";
    tea.dateTime = At(14, 8);
    tea.repeat = RepeatKind::Daily;
    tea.options = {0x1F, 15, IfMissed::Skip, true, 10, true};
    const std::vector<std::uint8_t> good = EncodeAlarmMessage(tea);
    const auto taken = DecodeAlarmMessage(good);
    ASSERT_TRUE(taken);
    EXPECT_TRUE(taken->SameAs(tea));

    AlarmFields other = tea;
    other.name = "Coffee";
    // Tea's alarm bytes with Coffee's options.
    const std::vector<std::uint8_t> coffee = EncodeAlarmMessage(other);
    const auto options = static_cast<std::ptrdiff_t>(AlarmOptionsSize(1));
    std::vector<std::uint8_t> foreign = good;
    std::copy(coffee.end() - options, coffee.end(), foreign.end() - options);

    std::vector<std::uint8_t> trailing = good;
    trailing.push_back(0);
    std::vector<std::uint8_t> noSnooze = good;
    noSnooze[noSnooze.size() - 7] = 0;  // snooze minutes, low byte
    noSnooze[noSnooze.size() - 6] = 0;
    std::vector<std::uint8_t> huge = EncodeAlarmMessage([] {
        AlarmFields big;
        big.reminder.assign(kMaxAlarmMessageBytes, 'x');
        return big;
    }());
    // Moments that never come or cannot be shown.
    const auto at = [&](DateTime moment) {
        AlarmFields timed = tea;
        timed.dateTime = moment;
        return EncodeAlarmMessage(timed);
    };
    const std::vector<std::pair<const char*, std::vector<std::uint8_t>>> refused = {
        {"NaN", at(std::nan(""))},
        {"past year 9999", at(*EncodeDate(9999, 12, 31) + 1)},
        {"before year 1", at(*EncodeDate(1, 1, 1) - 1)},
        {"empty", {}},
        {"a byte more", trailing},
        {"options of another alarm", foreign},
        {"a snooze of 0 minutes", noSnooze},
        {"larger than the bound", huge},
        {"two alarms", [&] {
             std::vector<std::uint8_t> two = good;
             two[1] = 2;
             return two;
         }()},
    };
    for (const auto& [name, bytes] : refused) EXPECT_FALSE(DecodeAlarmMessage(bytes)) << name;
}

}  // namespace
}  // namespace quorvel
