#include "calendar/sedra.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t kLastDay = 3652059;  // 31 December 9999

int32_t DaysInMonth(int32_t month, int32_t year) {
    // Thirty days have September, April, June and November.
    if (month == 2) return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0 ? 29 : 28;
    return month == 4 || month == 6 || month == 9 || month == 11 ? 30 : 31;
}

GregorianDate NextDay(const GregorianDate& g) {
    if (g.day < DaysInMonth(g.month, g.year)) return {g.month, g.day + 1, g.year};
    if (g.month < 12) return {g.month + 1, 1, g.year};
    return {1, 1, g.year + 1};
}

}  // namespace

TEST(GregorianCalendar, KnownAbsoluteDays) {
    const struct { int32_t year, month, day, absolute; } cases[] = {
        {1, 1, 1, 1},            {1, 12, 31, 365},         {4, 12, 31, 1461},
        {1970, 1, 1, 719163},    {2000, 1, 1, 730120},     {2007, 9, 13, 732932},
        {9999, 12, 31, kLastDay},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
        EXPECT_EQ(c.absolute, GregorianToAbsolute(c.month, c.day, c.year));
        EXPECT_EQ((GregorianDate{c.month, c.day, c.year}), AbsoluteToGregorian(c.absolute));
    }
}

TEST(GregorianCalendar, KnownWeekdays) {
    const struct { int32_t year, month, day, weekday; } cases[] = {
        {1, 1, 1, 1},      {1582, 10, 15, 5}, {1776, 7, 4, 4},  {1900, 1, 1, 1},
        {2000, 1, 1, 6},   {2001, 9, 11, 2},  {2007, 9, 13, 4}, {2024, 2, 29, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
        EXPECT_EQ(c.weekday, GregorianToAbsolute(c.month, c.day, c.year) % 7);
    }
}

TEST(GregorianCalendar, LeapYears) {
    const struct { int32_t year; bool leap; } cases[] = {
        {1, false}, {4, true}, {100, false}, {400, true}, {1900, false},
        {2000, true}, {2004, true}, {2023, false}, {2100, false}, {2400, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.year);
        EXPECT_EQ(c.leap, IsGregorianLeap(c.year));
    }
}

TEST(GregorianCalendar, DayOfYear) {
    const struct { int32_t year, month, day, dayOfYear; } cases[] = {
        {2023, 1, 31, 31}, {2023, 2, 28, 59},   {2023, 3, 1, 60},    {2024, 3, 1, 61},
        {2023, 7, 4, 185}, {2023, 12, 31, 365}, {2024, 12, 31, 366}, {1900, 12, 31, 365},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
        EXPECT_EQ(c.dayOfYear, GregorianDayNumber(c.month, c.day, c.year));
    }
}

// The last day of a 400-year cycle and the last day of a 4-year cycle take
// their own branch and must stay in their year.
TEST(GregorianCalendar, LastDaysOfCyclesStayInTheirYear) {
    for (const int32_t year : {4, 400, 1600, 1996, 2000, 2004, 2400, 9996}) {
        SCOPED_TRACE(year);
        const int32_t lastDay = GregorianToAbsolute(12, 31, year);
        EXPECT_EQ((GregorianDate{12, 31, year}), AbsoluteToGregorian(lastDay));
        EXPECT_EQ((GregorianDate{1, 1, year + 1}), AbsoluteToGregorian(lastDay + 1));
        EXPECT_EQ((GregorianDate{12, 30, year}), AbsoluteToGregorian(lastDay - 1));
    }
}

// Walking every day of years 1 to 9999 visits every date once, in order, and
// each converts back to its day.
TEST(GregorianCalendar, EveryDayOfTheDomainRoundTrips) {
    GregorianDate expected{1, 1, 1};
    for (int32_t absolute = 1; absolute <= kLastDay; ++absolute) {
        const GregorianDate g = AbsoluteToGregorian(absolute);
        if (!(g == expected) || GregorianToAbsolute(g.month, g.day, g.year) != absolute) {
            ADD_FAILURE() << "day " << absolute << " gives " << g.year << "-" << g.month << "-" << g.day;
            return;
        }
        expected = NextDay(g);
    }
    EXPECT_EQ((GregorianDate{1, 1, 10000}), expected);
}

TEST(GregorianCalendar, WeekdayOnOrBefore) {
    const int32_t thursday = GregorianToAbsolute(9, 13, 2007);
    EXPECT_EQ(GregorianToAbsolute(9, 8, 2007), WeekdayOnOrBefore(6, thursday));
    EXPECT_EQ(thursday, WeekdayOnOrBefore(4, thursday));
    EXPECT_EQ(GregorianToAbsolute(9, 9, 2007), WeekdayOnOrBefore(0, thursday));
    EXPECT_EQ(GregorianToAbsolute(9, 15, 2007), WeekdayOnOrBefore(6, thursday + 6));
    // Early days step back past day 1 rather than forward.
    EXPECT_EQ(-1, WeekdayOnOrBefore(6, 1));
    EXPECT_EQ(0, WeekdayOnOrBefore(0, 6));
    for (int32_t absolute = 1; absolute < 1000; ++absolute) {
        for (int32_t weekday = 0; weekday < 7; ++weekday) {
            const int32_t found = WeekdayOnOrBefore(weekday, absolute);
            ASSERT_TRUE(found <= absolute && absolute - found < 7 && ((found % 7) + 7) % 7 == weekday)
                << absolute << " " << weekday;
        }
    }
}
