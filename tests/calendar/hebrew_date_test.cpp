#include "calendar/sedra.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace {

int32_t Day(int32_t year, int32_t month, int32_t day) { return GregorianToAbsolute(month, day, year); }

int32_t LastMonth(int32_t year) { return IsHebrewLeap(year) ? 13 : 12; }

bool IsValid(const HebrewDate& h) {
    return h.month >= 1 && h.month <= LastMonth(h.year) && h.day >= 1 && h.day <= HebrewMonthDays(h.month, h.year);
}

// The year runs Tishri .. Adar (II), then Nisan .. Elul.
HebrewDate NextDay(const HebrewDate& h) {
    if (h.day < HebrewMonthDays(h.month, h.year)) return {h.month, h.day + 1, h.year};
    if (h.month == 6) return {7, 1, h.year + 1};
    if (h.month == LastMonth(h.year)) return {1, 1, h.year};
    return {h.month + 1, 1, h.year};
}

// Converts every day from the first to the last and checks that each is a
// valid date, that the dates follow one another and that each converts back.
void ExpectConsecutiveDays(int32_t first, int32_t last) {
    HebrewDate expected = AbsoluteToHebrew(first);
    for (int32_t absolute = first; absolute <= last; ++absolute) {
        const HebrewDate h = AbsoluteToHebrew(absolute);
        if (!IsValid(h) || !(h == expected) || HebrewToAbsolute(h.month, h.day, h.year) != absolute) {
            const GregorianDate g = AbsoluteToGregorian(absolute);
            ADD_FAILURE() << g.year << "-" << g.month << "-" << g.day << " gives " << h.day << "/" << h.month
                          << "/" << h.year;
            return;
        }
        expected = NextDay(h);
    }
}

}  // namespace

TEST(HebrewCalendar, KnownDatesConvertBothWays) {
    const struct { int32_t year, month, day; HebrewDate hebrew; } cases[] = {
        {2007, 9, 13, {7, 1, 5768}},   // new year
        {2024, 10, 3, {7, 1, 5785}},
        {2023, 9, 16, {7, 1, 5784}},
        {2024, 9, 5, {6, 2, 5784}},    // Elul: the month search wraps through the leap year
        {2024, 3, 11, {13, 1, 5784}},  // Adar II
        {2024, 3, 24, {13, 14, 5784}}, // Purim of a leap year
        {2024, 4, 9, {1, 1, 5784}},
        {2024, 4, 23, {1, 15, 5784}},  // Passover
        {2024, 6, 12, {3, 6, 5784}},   // Shavuot
        {2024, 8, 13, {5, 9, 5784}},   // Tisha b'Av
        {2024, 10, 12, {7, 10, 5785}}, // Yom Kippur
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
        const int32_t absolute = Day(c.year, c.month, c.day);
        EXPECT_EQ(c.hebrew, AbsoluteToHebrew(absolute));
        EXPECT_EQ(absolute, HebrewToAbsolute(c.hebrew.month, c.hebrew.day, c.hebrew.year));
    }
}

TEST(HebrewCalendar, NewYearFallsOnKnownDays) {
    const struct { int32_t hebrewYear, year, month, day, weekday; } cases[] = {
        {5760, 1999, 9, 11, 6}, {5761, 2000, 9, 30, 6}, {5766, 2005, 10, 4, 2}, {5768, 2007, 9, 13, 4},
        {5769, 2008, 9, 30, 2}, {5770, 2009, 9, 19, 6}, {5771, 2010, 9, 9, 4},  {5772, 2011, 9, 29, 4},
        {5773, 2012, 9, 17, 1}, {5774, 2013, 9, 5, 4},  {5775, 2014, 9, 25, 4}, {5776, 2015, 9, 14, 1},
        {5777, 2016, 10, 3, 1}, {5778, 2017, 9, 21, 4}, {5779, 2018, 9, 10, 1}, {5780, 2019, 9, 30, 1},
        {5781, 2020, 9, 19, 6}, {5782, 2021, 9, 7, 2},  {5783, 2022, 9, 26, 1}, {5784, 2023, 9, 16, 6},
        {5785, 2024, 10, 3, 4}, {5786, 2025, 9, 23, 2}, {5787, 2026, 9, 12, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hebrewYear);
        const int32_t newYear = HebrewToAbsolute(7, 1, c.hebrewYear);
        EXPECT_EQ(Day(c.year, c.month, c.day), newYear);
        EXPECT_EQ(c.weekday, newYear % 7);
        EXPECT_EQ(newYear, NewYearElapsedDays(c.hebrewYear) - 1373428);
    }
}

TEST(HebrewCalendar, PassoverFallsOnKnownDays) {
    const struct { int32_t hebrewYear, year, month, day, weekday; } cases[] = {
        {5779, 2019, 4, 20, 6}, {5780, 2020, 4, 9, 4},  {5781, 2021, 3, 28, 0}, {5782, 2022, 4, 16, 6},
        {5783, 2023, 4, 6, 4},  {5784, 2024, 4, 23, 2}, {5785, 2025, 4, 13, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hebrewYear);
        const int32_t passover = HebrewToAbsolute(1, 15, c.hebrewYear);
        EXPECT_EQ(Day(c.year, c.month, c.day), passover);
        EXPECT_EQ(c.weekday, passover % 7);
    }
}

TEST(HebrewCalendar, YearLengths) {
    const int32_t lengths[] = {383, 354, 355, 385, 354, 353, 385, 354, 385, 353, 354,
                               385, 355, 353, 384, 355, 383, 355, 354, 385, 355, 354};
    for (int32_t i = 0; i < 22; ++i) {
        const int32_t year = 5768 + i;
        SCOPED_TRACE(year);
        EXPECT_EQ(lengths[i], HebrewYearLength(year));
        EXPECT_EQ(lengths[i] > 360, IsHebrewLeap(year));
        EXPECT_EQ(lengths[i] % 10 == 5, HeshvanIsLong(year));
        EXPECT_EQ(lengths[i] % 10 == 3, KislevIsShort(year));
        EXPECT_EQ(HebrewToAbsolute(7, 1, year + 1) - HebrewToAbsolute(7, 1, year), lengths[i]);
    }
}

// 5772: a Tuesday conjunction after 9 hours 204 parts in a common year moves
// the new year to Wednesday, and the weekday rule then to Thursday. 5766: a
// Monday conjunction after 15 hours 589 parts following a leap year moves it
// to Tuesday.
TEST(HebrewCalendar, PostponementsOfTheNewYear) {
    EXPECT_FALSE(IsHebrewLeap(5772));
    EXPECT_EQ(Day(2011, 9, 29), HebrewToAbsolute(7, 1, 5772));
    EXPECT_EQ(4, HebrewToAbsolute(7, 1, 5772) % 7);
    EXPECT_TRUE(IsHebrewLeap(5765));
    EXPECT_EQ(Day(2005, 10, 4), HebrewToAbsolute(7, 1, 5766));
    EXPECT_EQ(2, HebrewToAbsolute(7, 1, 5766) % 7);
}

TEST(HebrewCalendar, LeapYearsOfTheCycle) {
    for (int32_t year = 5701; year <= 5777; ++year) {
        const int32_t inCycle = year % 19 == 0 ? 19 : year % 19;
        const bool leap = inCycle == 3 || inCycle == 6 || inCycle == 8 || inCycle == 11 || inCycle == 14 ||
                          inCycle == 17 || inCycle == 19;
        EXPECT_EQ(leap, IsHebrewLeap(year)) << year;
    }
}

// The fixed calendar's rules over every year that begins inside the domain and
// some beyond it: the new year avoids Sunday, Wednesday and Friday, Passover
// avoids Monday, Wednesday and Friday, the months add up to the year, and
// exactly the fourteen known year types occur.
TEST(HebrewCalendar, RulesOfTheFixedCalendarHold) {
    std::set<std::tuple<bool, int32_t, int32_t>> types;
    for (int32_t year = 3762; year <= 13800; ++year) {
        const int32_t newYear = HebrewToAbsolute(7, 1, year);
        const int32_t length = HebrewYearLength(year);
        const int32_t passoverWeekday = HebrewToAbsolute(1, 15, year) % 7;
        int32_t monthTotal = 0;
        for (int32_t month = 1; month <= LastMonth(year); ++month) monthTotal += HebrewMonthDays(month, year);
        const int32_t heshvan = HebrewMonthDays(8, year), kislev = HebrewMonthDays(9, year);
        const int32_t expectedHeshvan = length % 10 == 5 ? 30 : 29, expectedKislev = length % 10 == 3 ? 29 : 30;
        const int32_t excess = length - (IsHebrewLeap(year) ? 383 : 353);
        if (newYear % 7 == 0 || newYear % 7 == 3 || newYear % 7 == 5 || passoverWeekday % 2 == 1 ||
            monthTotal != length || heshvan != expectedHeshvan || kislev != expectedKislev ||
            excess < 0 || excess > 2) {
            ADD_FAILURE() << "year " << year;
            return;
        }
        types.insert({IsHebrewLeap(year), newYear % 7, length});
    }
    const std::set<std::tuple<bool, int32_t, int32_t>> known = {
        {false, 1, 353}, {false, 1, 355}, {false, 2, 354}, {false, 4, 354}, {false, 4, 355},
        {false, 6, 353}, {false, 6, 355}, {true, 1, 383},  {true, 1, 385},  {true, 2, 384},
        {true, 4, 383},  {true, 4, 385},  {true, 6, 383},  {true, 6, 385},
    };
    EXPECT_EQ(known, types);
}

// The Hebrew year that is current on 1 January of a Gregorian year began in
// the autumn before, for every year of the domain.
TEST(HebrewCalendar, YearOfEveryFirstOfJanuary) {
    for (int32_t year = 1; year <= 9999; ++year) {
        const HebrewDate h = AbsoluteToHebrew(Day(year, 1, 1));
        ASSERT_TRUE(IsValid(h) && h.year == year + 3760 && h.month >= 7 && h.month <= 11) << year;
    }
}

// Stretches of consecutive days at both ends of the domain, around the years
// where a month search that starts from a fixed guess by Gregorian month goes
// wrong (before 873-09-01 and after 6774-04-30), and around today.
TEST(HebrewCalendar, ConsecutiveDaysRoundTrip) {
    const struct { int32_t firstYear, lastYear; } ranges[] = {
        {1, 40}, {860, 890}, {1890, 2110}, {6760, 6790}, {9960, 9999},
    };
    for (const auto& r : ranges) {
        SCOPED_TRACE(r.firstYear);
        ExpectConsecutiveDays(Day(r.firstYear, 1, 1), Day(r.lastYear, 12, 31));
    }
}

TEST(HebrewCalendar, SampledDaysOfTheWholeDomainRoundTrip) {
    for (int32_t absolute = 1; absolute <= Day(9999, 12, 31); absolute += 29) {
        const HebrewDate h = AbsoluteToHebrew(absolute);
        ASSERT_TRUE(IsValid(h) && HebrewToAbsolute(h.month, h.day, h.year) == absolute) << absolute;
    }
}
