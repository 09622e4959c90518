#include "core/date_time.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quorvel {
namespace {

TEST(DateTime, CalendarRules) {
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_TRUE(IsLeapYear(2024));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_FALSE(IsLeapYear(2026));
    EXPECT_EQ(DaysInMonth(2024, 2), 29);
    EXPECT_EQ(DaysInMonth(2026, 2), 28);
    EXPECT_EQ(DaysInMonth(2026, 12), 31);
    EXPECT_EQ(DaysInMonth(2026, 4), 30);
    EXPECT_EQ(DaysInMonth(2026, 13), 0);
}

TEST(DateTime, EncodesKnownDayNumbers) {
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
    EXPECT_EQ(EncodeDate(2026, 12, 7), 46363.0);
    EXPECT_EQ(EncodeDate(1, 1, 1), -693593.0);
    EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465.0);
    EXPECT_FALSE(EncodeDate(2026, 2, 29));
    EXPECT_FALSE(EncodeDate(0, 1, 1));
    EXPECT_FALSE(EncodeTime(24, 0, 0, 0));
    EXPECT_EQ(EncodeTime(12, 0, 0, 0), 0.5);
}

TEST(DateTime, RoundTripsEveryDayOfSeveralCenturies) {
    for (int year : {1, 4, 100, 1600, 1899, 1900, 2000, 2024, 2100, 9999}) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= DaysInMonth(year, month); ++day) {
                const auto value = EncodeDate(year, month, day);
                ASSERT_TRUE(value);
                const auto parts = DecodeDateTime(*value);
                ASSERT_TRUE(parts);
                ASSERT_EQ(parts->year, year);
                ASSERT_EQ(parts->month, month);
                ASSERT_EQ(parts->day, day);
            }
        }
    }
}

TEST(DateTime, DecodesTimeToTheNearestMillisecond) {
    const auto parts = DecodeDateTime(46363.37855613426);  // 2026-12-07 09:05:07.250
    ASSERT_TRUE(parts);
    EXPECT_EQ(parts->year, 2026);
    EXPECT_EQ(parts->month, 12);
    EXPECT_EQ(parts->day, 7);
    EXPECT_EQ(parts->hour, 9);
    EXPECT_EQ(parts->minute, 5);
    EXPECT_EQ(parts->second, 7);
    EXPECT_EQ(parts->millisecond, 250);
    EXPECT_EQ(parts->dayOfWeek, 2);  // Monday
}

TEST(DateTime, TimeRoundingUpToMidnightMovesTheDate) {
    const auto parts = DecodeDateTime(46363.0 + 0.9999999999);
    ASSERT_TRUE(parts);
    EXPECT_EQ(parts->day, 8);
    EXPECT_EQ(parts->hour, 0);
    EXPECT_EQ(parts->millisecond, 0);
    EXPECT_EQ(parts->dayOfWeek, 3);
    const auto yearEnd = DecodeDateTime(*EncodeDate(2026, 12, 31) + 0.99999999999);
    ASSERT_TRUE(yearEnd);
    EXPECT_EQ(yearEnd->year, 2027);
    EXPECT_EQ(yearEnd->month, 1);
    EXPECT_EQ(yearEnd->day, 1);
}

TEST(DateTime, BeforeTheEpochTheFractionRunsForward) {
    const auto parts = DecodeDateTime(-1.25);
    ASSERT_TRUE(parts);
    EXPECT_EQ(parts->year, 1899);
    EXPECT_EQ(parts->month, 12);
    EXPECT_EQ(parts->day, 29);
    EXPECT_EQ(parts->hour, 6);
    DateTimeParts p{1899, 12, 29, 6, 0, 0, 0};
    EXPECT_EQ(EncodeDateTime(p), -1.25);
    EXPECT_EQ(DayOfWeek(-1.25), 6);  // 1899-12-29 was a Friday
}

TEST(DateTime, RejectsValuesOutsideTheCalendar) {
    EXPECT_FALSE(DecodeDateTime(NAN));
    EXPECT_FALSE(DecodeDateTime(INFINITY));
    EXPECT_FALSE(DecodeDateTime(1e300));
    EXPECT_FALSE(DecodeDateTime(2958466.0));
    EXPECT_FALSE(DecodeDateTime(-693594.0));
    EXPECT_TRUE(DecodeDateTime(-693593.5));
}

}  // namespace
}  // namespace quorvel
