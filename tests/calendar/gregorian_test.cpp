#include "calendar/sedra.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t kLastDay = 3652059;  // 31 December 9999

int32_t DaysInMonth(int32_t month, int32_t year) {
    if (month == 2) return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0 ? 29 : 28;
    return month == 4 || month == 6 || month == 9 || month == 11 ? 30 : 31;
}

GregorianDate NextDay(const GregorianDate& g) {
    if (g.day < DaysInMonth(g.month, g.year)) return {g.month, g.day + 1, g.year};
    if (g.month < 12) return {g.month + 1, 1, g.year};
    return {1, 1, g.year + 1};
}

}  // namespace

// 31 December of 2000 and 2004 end a 400-year and a 4-year cycle, which take
// their own branch.
TEST(GregorianCalendar, KnownAbsoluteDays) {
    const struct { int32_t year, month, day, absolute; } cases[] = {
        {1, 1, 1, 1},         {1, 12, 31, 365},         {4, 12, 31, 1461},        {1970, 1, 1, 719163},
        {2000, 1, 1, 730120}, {2000, 12, 31, 730485},   {2004, 12, 31, 731946},   {2007, 9, 13, 732932},
        {9999, 12, 31, kLastDay},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
        EXPECT_EQ(c.absolute, GregorianToAbsolute(c.month, c.day, c.year));
        EXPECT_EQ((GregorianDate{c.month, c.day, c.year}), AbsoluteToGregorian(c.absolute));
    }
}

// Walking every day of years 1 to 9999 visits every date once, in order, and
// each converts back to its day (which also settles leap years and the day of
// the year).
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

// Early days step back past day 1 rather than forward.
TEST(GregorianCalendar, WeekdayOnOrBefore) {
    for (int32_t absolute = 1; absolute < 1000; ++absolute) {
        for (int32_t weekday = 0; weekday < 7; ++weekday) {
            const int32_t found = WeekdayOnOrBefore(weekday, absolute);
            ASSERT_TRUE(found <= absolute && absolute - found < 7 && ((found % 7) + 7) % 7 == weekday)
                << absolute << " " << weekday;
        }
    }
}
