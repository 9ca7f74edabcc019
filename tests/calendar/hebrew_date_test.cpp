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

bool RoundTrips(int32_t absolute, const HebrewDate& h) {
    return IsValid(h) && HebrewToAbsolute(h.month, h.day, h.year) == absolute;
}

// The year runs Tishri .. Adar (II), then Nisan .. Elul.
HebrewDate NextDay(const HebrewDate& h) {
    if (h.day < HebrewMonthDays(h.month, h.year)) return {h.month, h.day + 1, h.year};
    if (h.month == 6) return {7, 1, h.year + 1};
    if (h.month == LastMonth(h.year)) return {1, 1, h.year};
    return {h.month + 1, 1, h.year};
}

}  // namespace

TEST(HebrewCalendar, KnownDatesConvertBothWays) {
    const struct { int32_t year, month, day; HebrewDate hebrew; } cases[] = {
        {2007, 9, 13, {7, 1, 5768}},   {2024, 10, 3, {7, 1, 5785}},  {2023, 9, 16, {7, 1, 5784}},
        {2024, 9, 5, {6, 2, 5784}},    // Elul: the month search wraps through the leap year
        {2024, 3, 11, {13, 1, 5784}},  // Adar II
        {2024, 4, 9, {1, 1, 5784}},    {2024, 10, 12, {7, 10, 5785}},
        {1999, 9, 11, {7, 1, 5760}},   {2000, 9, 30, {7, 1, 5761}},
        // 5772: a conjunction late on Tuesday (23 hours) moves the new year to
        // Wednesday, and the weekday rule then to Thursday. 5766: a Monday
        // conjunction after 15 hours 589 parts following a leap year moves it
        // to Tuesday.
        {2011, 9, 29, {7, 1, 5772}},   {2005, 10, 4, {7, 1, 5766}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
        const int32_t absolute = Day(c.year, c.month, c.day);
        EXPECT_EQ(c.hebrew, AbsoluteToHebrew(absolute));
        EXPECT_EQ(absolute, HebrewToAbsolute(c.hebrew.month, c.hebrew.day, c.hebrew.year));
        if (c.hebrew.month == 7 && c.hebrew.day == 1) {
            EXPECT_EQ(absolute, NewYearElapsedDays(c.hebrew.year) - 1373428);
        }
    }
}

// With 1 Tishri 5768 known, the lengths fix every new year up to 5790; 5789
// is put off by a Tuesday conjunction after 9 hours 204 parts in a common year.
TEST(HebrewCalendar, YearLengths) {
    const int32_t lengths[] = {383, 354, 355, 385, 354, 353, 385, 354, 385, 353, 354,
                               385, 355, 353, 384, 355, 383, 355, 354, 385, 355, 354};
    for (int32_t i = 0; i < 22; ++i) {
        const int32_t year = 5768 + i;
        SCOPED_TRACE(year);
        EXPECT_EQ(lengths[i], HebrewYearLength(year));
        EXPECT_EQ(lengths[i] > 360, IsHebrewLeap(year));
        EXPECT_EQ(HebrewToAbsolute(7, 1, year + 1) - HebrewToAbsolute(7, 1, year), lengths[i]);
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
        int32_t monthTotal = 0;
        for (int32_t month = 1; month <= LastMonth(year); ++month) monthTotal += HebrewMonthDays(month, year);
        const bool heshvanRight = HebrewMonthDays(8, year) == (length % 10 == 5 ? 30 : 29);
        const bool kislevRight = HebrewMonthDays(9, year) == (length % 10 == 3 ? 29 : 30);
        const int32_t excess = length - (IsHebrewLeap(year) ? 383 : 353);
        if (newYear % 7 == 0 || newYear % 7 == 3 || newYear % 7 == 5 || HebrewToAbsolute(1, 15, year) % 7 % 2 == 1 ||
            monthTotal != length || !heshvanRight || !kislevRight || excess < 0 || excess > 2) {
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

// Stretches of consecutive days at both ends of the domain, around the years
// where a month search that starts from a fixed guess by Gregorian month goes
// wrong (before 873-09-01 and after 6774-04-30), and around today: each day is
// valid, follows the one before and converts back.
TEST(HebrewCalendar, ConsecutiveDaysRoundTrip) {
    const struct { int32_t firstYear, lastYear; } ranges[] = {
        {1, 40}, {860, 890}, {1890, 2110}, {6760, 6790}, {9960, 9999},
    };
    for (const auto& r : ranges) {
        SCOPED_TRACE(r.firstYear);
        HebrewDate expected = AbsoluteToHebrew(Day(r.firstYear, 1, 1));
        for (int32_t absolute = Day(r.firstYear, 1, 1); absolute <= Day(r.lastYear, 12, 31); ++absolute) {
            const HebrewDate h = AbsoluteToHebrew(absolute);
            ASSERT_TRUE(h == expected && RoundTrips(absolute, h)) << absolute;
            expected = NextDay(h);
        }
    }
}

TEST(HebrewCalendar, SampledDaysOfTheWholeDomainRoundTrip) {
    for (int32_t absolute = 1; absolute <= Day(9999, 12, 31); absolute += 29) {
        ASSERT_TRUE(RoundTrips(absolute, AbsoluteToHebrew(absolute))) << absolute;
    }
}
