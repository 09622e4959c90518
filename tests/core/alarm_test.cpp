#include "alarms/alarm.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "core/clock.h"

namespace quorvel {
namespace {

using enum RepeatKind;

DateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0, int ms = 0) {
    return EncodeDateTime({year, month, day, hour, minute, second, ms}).value();
}

std::string Show(DateTime value) {
    const auto p = DecodeDateTime(value);
    if (!p) return "invalid";
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03d", p->year, p->month, p->day, p->hour,
                  p->minute, p->second, p->millisecond);
    return text;
}

class AlarmTest : public testing::Test {
protected:
    void SetUp() override { SetClock(At(2026, 3, 14, 12, 0)); }
    void TearDown() override { ResetClock(); }

    Alarm& Add(const std::string& name, RepeatKind repeat = NoRepeat) {
        Alarm& a = list.AddAlarm();
        a.name = name;
        a.repeat = repeat;
        return a;
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (std::size_t i = 0; i < list.Count(); ++i) names.push_back(list[i].name);
        return names;
    }

    AlarmList list;
};

TEST_F(AlarmTest, NewAlarmHasTheDefaults) {
    SetClock(At(2026, 3, 14, 23, 59, 30, 250));
    EXPECT_FALSE(list.armed);
    Alarm& a = list.AddAlarm();
    EXPECT_EQ(a.name, "Noname");
    EXPECT_TRUE(a.enabled);
    EXPECT_EQ(Show(a.dateTime), "2026-03-15 00:00:30.250");
    EXPECT_EQ(a.sound, "");
    EXPECT_EQ(a.reminder, "");
    EXPECT_EQ(a.repeat, NoRepeat);
    EXPECT_FALSE(a.triggered);
    EXPECT_EQ(&a.List(), &list);
}

TEST_F(AlarmTest, DestroyingAnAlarmRemovesItFromItsList) {
    for (const char* n : {"a", "b", "c", "d"}) Add(n);
    list[1].Destroy();
    EXPECT_EQ(Names(), (std::vector<std::string>{"a", "c", "d"}));
    EXPECT_EQ(list[1].Index(), 1u);
    list.Delete(0);
    EXPECT_EQ(Names(), (std::vector<std::string>{"c", "d"}));
    list.Clear();
    EXPECT_EQ(list.Count(), 0u);
}

TEST_F(AlarmTest, RepeatCaptions) {
    EXPECT_EQ(RepeatKindCaption(NoRepeat), "No repeat");
    EXPECT_EQ(RepeatKindCaption(Each30Minutes), "Each 30 minutes");
    EXPECT_EQ(RepeatKindCaption(Annually), "Annualy");
    EXPECT_EQ(RepeatKindCaption(static_cast<RepeatKind>(10)), "");
}

TEST_F(AlarmTest, RearmByKind) {
    struct Case {
        RepeatKind kind;
        DateTime due;
        std::string next;  // "" when the alarm is disabled and keeps its moment
    };
    SetClock(At(2026, 3, 14, 12, 0));  // a 31-day month
    const std::vector<Case> cases = {
        {NoRepeat, At(2026, 3, 14, 11, 0), ""},
        {Each5Minutes, At(2026, 3, 14, 11, 58), "2026-03-14 12:03:00.000"},
        {Each10Minutes, At(2026, 3, 14, 23, 55), "2026-03-15 00:05:00.000"},
        {Each30Minutes, At(2026, 3, 14, 11, 45, 30, 500), "2026-03-14 12:15:30.500"},
        {Hourly, At(2026, 3, 14, 8, 30), "2026-03-14 09:30:00.000"},
        // Wall-clock time: no daylight-saving correction (29 March is a change in Europe).
        {Daily, At(2026, 3, 28, 23, 30), "2026-03-29 23:30:00.000"},
        {Weekly, At(2026, 12, 29, 7, 0), "2027-01-05 07:00:00.000"},
        {Monthly, At(2026, 1, 10, 9, 0), "2026-02-10 09:00:00.000"},  // March has 31 days
        {Annually, At(2026, 5, 5, 10, 0), "2027-05-05 10:00:00.000"},
        {Annually, At(2024, 2, 29, 7, 15, 42, 123), "2025-02-28 07:15:42.123"},
        {Annually, At(2096, 2, 29, 6, 0), "2097-02-28 06:00:00.000"},
        {Annually, At(2023, 2, 28, 6, 0), "2024-02-28 06:00:00.000"},
        {Annually, At(1899, 12, 29, 6, 0), "1900-12-29 06:00:00.000"},  // before the epoch
        {Annually, At(1899, 1, 5, 18, 0), "1900-01-05 18:00:00.000"},   // across it
        {Annually, At(1850, 3, 1, 6, 0), "1851-03-01 06:00:00.000"},    // wholly before it
        {Annually, At(9999, 6, 1, 0, 0), ""},  // no year 10000
        // Damaged data only: a kind above 9 retires the alarm instead of
        // leaving it due at every check.
        {static_cast<RepeatKind>(10), At(2026, 3, 14, 11, 0), ""},
        {static_cast<RepeatKind>(200), At(2026, 3, 14, 11, 0), ""},
        // An interval too small to move the value, or a NaN.
        {Each5Minutes, 1e300, ""},
        {Daily, std::numeric_limits<double>::quiet_NaN(), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(RepeatKindCaption(c.kind)) + " " + Show(c.due));
        list.Clear();
        int refreshes = 0;
        list.onChanged = [&] { ++refreshes; };
        Alarm& a = Add("x", c.kind);
        a.dateTime = c.due;
        a.Rearm();
        ASSERT_EQ(list.Count(), 1u);
        EXPECT_EQ(a.repeat, c.kind);
        EXPECT_EQ(refreshes, 1);
        if (c.next.empty()) {
            EXPECT_FALSE(a.enabled);
            EXPECT_TRUE(a.dateTime == c.due || (std::isnan(a.dateTime) && std::isnan(c.due)));
        } else {
            EXPECT_TRUE(a.enabled);
            EXPECT_EQ(Show(a.dateTime), c.next);
        }
    }
}

TEST_F(AlarmTest, IntervalsAreAddedInExtendedPrecision) {
    // Close to the epoch a double sum of the rounded interval is one unit off.
    Alarm& a = Add("x", Each5Minutes);
    a.dateTime = 0x1.9853736f8e585p-9;
    a.Rearm();
    EXPECT_EQ(a.dateTime, 0x1.afb7f29b55651p-8);
    a.repeat = Each30Minutes;
    a.dateTime = 0x1.b07de1ad2ea1ep-8;
    a.Rearm();
    EXPECT_EQ(a.dateTime, 0x1.c174cdc0a0fddp-6);
}

TEST_F(AlarmTest, MonthlyAdvancesByTheLengthOfTheCurrentMonth) {
    // The month of today counts, not the alarm's own month.
    const int lengths[2][12] = {{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
                                {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}};
    for (int year : {2023, 2024}) {
        for (int month = 1; month <= 12; ++month) {
            SetClock(At(year, month, 1, 0, 0));
            list.Clear();
            Alarm& a = Add("m", Monthly);
            a.dateTime = At(2000, 1, 1, 10, 0);
            a.Rearm();
            EXPECT_EQ(a.dateTime - At(2000, 1, 1, 10, 0), lengths[year == 2024][month - 1]) << year << "-" << month;
        }
    }
    // 31 January re-armed on 31 January: 3 March, or 2 March in a leap year.
    for (auto [year, next] : {std::pair{2026, "2026-03-03 10:00:00.000"}, std::pair{2024, "2024-03-02 10:00:00.000"}}) {
        SetClock(At(year, 1, 31, 10, 0));
        Alarm& a = Add("j", Monthly);
        a.dateTime = At(year, 1, 31, 10, 0);
        a.Rearm();
        EXPECT_EQ(Show(a.dateTime), next);
    }
}

TEST_F(AlarmTest, MissedHourlyAlarmCatchesUpOneIntervalPerTrigger) {
    const DateTime now = At(2026, 3, 14, 12, 0);
    SetClock(now);
    Alarm& a = Add("h", Hourly);
    a.dateTime = now - 3.5 / 24;
    int triggers = 0;
    while (a.enabled && Now() >= a.dateTime && triggers < 100) {
        ++triggers;
        a.Rearm();
    }
    EXPECT_EQ(triggers, 4);
    EXPECT_EQ(Show(a.dateTime), "2026-03-14 12:30:00.000");
}

TEST_F(AlarmTest, NoRepeatAndDeleteAfterTrigger) {
    Alarm& once = Add("once");
    once.dateTime = At(2026, 1, 1, 8, 0);
    once.Rearm();
    EXPECT_FALSE(once.enabled);
    EXPECT_EQ(Show(once.dateTime), "2026-01-01 08:00:00.000");

    Add("gone", DeleteAfterTrigger);
    Add("stays");
    int refreshes = 0;
    list.onChanged = [&] { ++refreshes; };
    list[1].Rearm();
    EXPECT_EQ(Names(), (std::vector<std::string>{"once", "stays"}));
    EXPECT_EQ(refreshes, 1);
}

// A stand-in for the reminder windows, with at most one open: its OK runs the
// alarm's side of the close.
struct FakeReminders : ReminderFactory, ReminderLink {
    Alarm* alarm = nullptr;  // of the open reminder; nullptr: none open
    int presses = 0;
    ReminderLink& CreateReminder() override { return *this; }
    ReminderLink* OpenReminderOf(AlarmId id) override { return alarm && alarm->Id() == id ? this : nullptr; }
    void ShowAlarm(Alarm&) override {}
    void PressOk() override {
        ++presses;
        std::exchange(alarm, nullptr)->EndTrigger(false);
    }
};

TEST_F(AlarmTest, EndTriggerSnoozesOrReArms) {
    SetClock(At(2026, 3, 14, 12, 0, 10));
    Alarm& a = Add("s", DeleteAfterTrigger);
    a.dateTime = At(2026, 3, 14, 11, 0);
    a.triggered = true;
    int refreshes = 0;
    list.onChanged = [&] { ++refreshes; };
    a.EndTrigger(true);
    EXPECT_FALSE(a.triggered);
    EXPECT_EQ(Show(a.dateTime), "2026-03-14 12:05:10.000");
    EXPECT_EQ(a.repeat, DeleteAfterTrigger);
    EXPECT_EQ(refreshes, 1);
    a.EndTrigger(false);
    EXPECT_EQ(list.Count(), 0u);
}

TEST_F(AlarmTest, CloseReminderKeepsOrDeletes) {
    struct Case {
        RepeatKind kind;
        bool deleteAlarm;
        bool survives;
        RepeatKind kindAfter;
        bool enabledAfter;
        double advance;
    };
    const std::vector<Case> cases = {
        {DeleteAfterTrigger, false, true, NoRepeat, false, 0},
        {NoRepeat, false, true, NoRepeat, false, 0},
        {Daily, false, true, Daily, true, 1},
        {Daily, true, false, Daily, false, 0},
        {DeleteAfterTrigger, true, false, Daily, false, 0},
    };
    for (bool withWindow : {true, false}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(RepeatKindCaption(c.kind)) + (c.deleteAlarm ? " delete" : " keep") +
                         (withWindow ? "" : " (no window)"));
            list.Clear();
            Add("before");
            Alarm& a = Add("x", c.kind);
            Add("after");
            const DateTime due = At(2026, 3, 14, 11, 0);
            a.dateTime = due;
            a.triggered = true;
            FakeReminders reminders;
            if (withWindow) reminders.alarm = &a;
            a.CloseReminder(reminders, c.deleteAlarm);
            EXPECT_EQ(reminders.presses, withWindow ? 1 : 0);
            if (!c.survives) {
                EXPECT_EQ(Names(), (std::vector<std::string>{"before", "after"}));
                continue;
            }
            ASSERT_EQ(list.Count(), 3u);
            EXPECT_FALSE(a.triggered);
            EXPECT_EQ(a.repeat, c.kindAfter);
            EXPECT_EQ(a.enabled, c.enabledAfter);
            EXPECT_EQ(a.dateTime, due + c.advance);
        }
    }
}

}  // namespace
}  // namespace quorvel
