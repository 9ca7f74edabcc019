#include "calendar/sedra.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <numeric>
#include <set>
#include <vector>

namespace {

constexpr int32_t kKnownDoubles[] = {-21, -26, -28, -31, -38, -41, -50};

int32_t Day(int32_t year, int32_t month, int32_t day) { return GregorianToAbsolute(month, day, year); }

PortionSchedule Prepared(int32_t hebrewYear, bool israel) {
    PortionSchedule schedule;
    InitPortionSchedule(schedule, "velmora");
    schedule.israel = israel;
    EXPECT_EQ(0, PreparePortionYear(schedule, hebrewYear));
    return schedule;
}

int32_t PortionOn(int32_t saturday, bool israel) {
    EXPECT_EQ(6, saturday % 7);
    return PortionForSaturday(Prepared(AbsoluteToHebrew(saturday).year, israel), saturday);
}

bool IsKnownDouble(int32_t portion) { return std::ranges::count(kKnownDoubles, portion) == 1; }

// The slot of a year worked out from its length and the weekday of its new
// year, the way a calendar table lists year types.
int32_t SlotOfYear(int32_t year, bool israel) {
    const int32_t lengthType = HebrewYearLength(year) % 10 - 3;  // 353/383 .. 355/385
    const int32_t weekday = HebrewToAbsolute(7, 1, year) % 7;
    const int32_t weekdayIndex = weekday == 1 ? 0 : weekday == 2 ? 1 : weekday == 4 ? 2 : 3;
    return PortionSlot(israel, lengthType, weekdayIndex, IsHebrewLeap(year));
}

int32_t SaturdaysInYear(int32_t year) {
    const int32_t first = WeekdayOnOrBefore(6, HebrewToAbsolute(7, 1, year) + 6);
    const int32_t last = WeekdayOnOrBefore(6, HebrewToAbsolute(7, 1, year + 1) - 1);
    return (last - first) / 7 + 1;
}

}  // namespace

TEST(PortionSchedule, KnownSaturdays) {
    const struct { int32_t year, month, day, diaspora, israel; } cases[] = {
        {2007, 9, 15, 52, 52},  {2007, 9, 22, 53, 53},  {2007, 9, 29, 53, 53},  // 5768: Haazinu, Yom Kippur, Sukkot
        {2007, 10, 6, 0, 0},
        {2023, 9, 16, 52, 52},  {2023, 9, 23, 52, 52},  {2023, 9, 30, 53, 53},  // 5784: new year on Saturday
        {2023, 10, 7, 53, 53},  {2023, 10, 14, 0, 0},
        {2022, 4, 23, 28, 28},  {2022, 4, 30, 28, 29},                          // 5782: Passover ends on Saturday
        {2022, 7, 23, 40, 41},  {2022, 7, 30, -41, 42},
        {2022, 10, 1, 51, 51},                                                  // 5783: Vayeilech after the new year
        {2023, 5, 27, 34, 34},  {2023, 6, 3, 34, 35},   {2023, 7, 1, -38, 39},  // 5783: Shavuot's second day
        {2024, 10, 5, 52, 52},  {2024, 10, 26, 0, 0},                           // 5785: Vayakhel, Pekudei apart
        {2025, 3, 22, 21, 21},  {2025, 3, 29, 22, 22},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
        EXPECT_EQ(c.diaspora, PortionOn(Day(c.year, c.month, c.day), false));
        EXPECT_EQ(c.israel, PortionOn(Day(c.year, c.month, c.day), true));
    }
}

// Every Saturday has a portion or a known double reading in both schedules;
// Bereshit is read on the first Saturday after 23 Tishri and V'Zot HaBerachah
// is reported only before it; the schedules agree until Passover.
TEST(PortionSchedule, EverySaturdayFrom1900To2300HasAPortion) {
    const int32_t last = Day(2300, 12, 31);
    for (int32_t saturday = Day(1900, 1, 6); saturday <= last; saturday += 7) {
        const HebrewDate h = AbsoluteToHebrew(saturday);
        const int32_t bereshit = WeekdayOnOrBefore(6, HebrewToAbsolute(7, 23, h.year) + 7);
        const bool beforePassover = saturday < HebrewToAbsolute(1, 15, h.year);
        const int32_t diaspora = PortionOn(saturday, false);
        const int32_t israel = PortionOn(saturday, true);
        for (const int32_t p : {diaspora, israel}) {
            const bool valid = (p >= 0 && p <= kLastPortion) || IsKnownDouble(p);
            const bool bereshitRight = (p == 0) == (saturday == bereshit);
            const bool lastRight = p != kLastPortion || saturday < bereshit;
            if (!valid || !bereshitRight || !lastRight || (beforePassover && diaspora != israel)) {
                ADD_FAILURE() << "Saturday " << saturday << ": " << diaspora << " / " << israel;
                return;
            }
        }
    }
}

// Each filled table reads the year's Saturdays from the end of the previous
// cycle (51, 52) through Bereshit to Nitzavim or Vayeilech, every portion once
// and in order; a year that ends with Nitzavim-Vayeilech reads one more.
TEST(PortionSchedule, TablesReadTheTorahInOrder) {
    for (int32_t slot = 0; slot < kPortionSlotCount; ++slot) {
        const std::span<const int32_t> table = PortionTableForSlot(slot);
        if (table.empty()) continue;
        SCOPED_TRACE(slot);
        std::vector<int32_t> read;
        for (const int32_t entry : table) {
            if (entry >= 0) read.push_back(entry);
            if (entry >= 0 || entry == kNoPortion) continue;
            EXPECT_TRUE(IsKnownDouble(entry)) << entry;
            read.insert(read.end(), {-entry, 1 - entry});
        }
        const auto bereshit = std::ranges::find(read, 0);
        EXPECT_TRUE(std::all_of(read.begin(), bereshit, [](int32_t p) { return p == 51 || p == 52; }));
        std::vector<int32_t> expected(table.back() == 50 ? 51 : 52);
        std::iota(expected.begin(), expected.end(), 0);
        EXPECT_EQ(expected, std::vector<int32_t>(bereshit, read.end()));
    }
}

// Whichever slot a year selects has one entry per Saturday of that year; a
// year that ends on Nitzavim alone leaves Vayeilech to the next year; the
// schedules part only when Passover begins on Thursday (Shavuot's second day)
// or on Saturday (Passover's eighth day).
TEST(PortionSchedule, TablesFitTheirYearsAndContinueTheCycle) {
    for (int32_t year = 5600; year <= 6400; ++year) {
        for (const bool israel : {false, true}) {
            const std::span<const int32_t> table = Prepared(year, israel).yearTable;
            const std::span<const int32_t> next = Prepared(year + 1, israel).yearTable;
            const int32_t firstNext = *std::ranges::find_if(next, [](int32_t p) { return p != kNoPortion; });
            if (table.data() != PortionTableForSlot(SlotOfYear(year, israel)).data() ||
                table.size() != static_cast<size_t>(SaturdaysInYear(year)) ||
                firstNext != (table.back() == 50 ? 51 : 52)) {
                ADD_FAILURE() << "year " << year << (israel ? " Israel" : " diaspora");
                return;
            }
        }
        const int32_t passoverWeekday = HebrewToAbsolute(1, 15, year) % 7;
        const bool differ = Prepared(year, false).yearTable.data() != Prepared(year, true).yearTable.data();
        ASSERT_EQ(passoverWeekday == 4 || passoverWeekday == 6, differ) << year;
    }
}

TEST(PortionSchedule, SlotsAreReachableExactlyWhenFilled) {
    std::set<int32_t> reached;
    for (int32_t year = 3762; year <= 13760; ++year) {
        reached.insert(SlotOfYear(year, false));
        reached.insert(SlotOfYear(year, true));
    }
    EXPECT_EQ(28u, reached.size());
    for (int32_t slot = 0; slot < kPortionSlotCount; ++slot) {
        EXPECT_EQ(reached.count(slot) == 1, !PortionTableForSlot(slot).empty()) << slot;
    }
}

#if GTEST_HAS_DEATH_TEST

// Every empty slot, and year types outside the table, end the program; the
// text of a pending error number comes first.
TEST(PortionScheduleDeathTest, EmptySlotsEndTheProgram) {
    struct YearType { bool israel; int32_t lengthType, weekdayIndex; bool leap; int error; };
    std::vector<YearType> types = {{false, 3, 0, false, 0}, {false, 0, -1, true, 0}, {false, 1, 0, false, EDOM}};
    for (int32_t slot = 0; slot < kPortionSlotCount; ++slot) {
        if (PortionTableForSlot(slot).empty()) types.push_back({slot % 2 == 1, slot / 2 % 3, slot / 6 % 4, slot >= 24, 0});
    }
    EXPECT_EQ(23u, types.size());
    for (const YearType& t : types) {
        SCOPED_TRACE(testing::Message() << t.israel << t.lengthType << t.weekdayIndex << t.leap << t.error);
        PortionSchedule schedule;
        InitPortionSchedule(schedule, "velmora");
        schedule.israel = t.israel;
        EXPECT_EXIT(
            {
                errno = t.error;
                SetPortionYearType(schedule, t.lengthType, t.weekdayIndex, t.leap);
            },
            testing::ExitedWithCode(1),
            t.error == 0 ? "^velmora: improper sedra year type calculated\\.\n$"
                         : "^velmora: .+\nimproper sedra year type calculated\\.\n$");
    }
}

// The lookup in the year's table is bounded in every build: a Saturday before
// the year or past its table ends the program the same way.
TEST(PortionScheduleDeathTest, SaturdaysOutsideThePreparedYearEndTheProgram) {
    PortionSchedule schedule;
    InitPortionSchedule(schedule, "velmora");
    PreparePortionYear(schedule, 5783);
    const int32_t last = schedule.firstSaturday + 7 * (static_cast<int32_t>(schedule.yearTable.size()) - 1);
    EXPECT_NE(PortionForSaturday(schedule, last), -1);
    for (const int32_t saturday : {schedule.firstSaturday - 7, last + 7, last + 7000}) {
        SCOPED_TRACE(saturday);
        EXPECT_EXIT(
            {
                errno = 0;
                PortionForSaturday(schedule, saturday);
            },
            testing::ExitedWithCode(1),
                    "^velmora: improper sedra year type calculated\\.\n$");
    }
}

#endif
