// The calendar module: conversions between the absolute day count, Gregorian
// dates and Hebrew dates, and the weekly portion schedule built on them. The
// arithmetic is plain integer work with nothing cached; the callers make a
// handful of conversions per request. Within the domain every operand of a
// division is non-negative, so truncating division is floor division.
#include "calendar/sedra.h"

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int32_t kGregorianMonthDays[2][13] = {
    {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
};

constexpr int32_t kTishri = 7;
constexpr int32_t kNisan = 1;
constexpr int32_t kPartsPerHour = 1080;
// Absolute day of the day before 1 Tishri of year 1 on the calendar's own count.
constexpr int32_t kHebrewEpochOffset = 1373429;

int32_t LastHebrewMonth(int32_t year) { return IsHebrewLeap(year) ? 13 : 12; }

}  // namespace

bool IsGregorianLeap(int32_t year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int32_t GregorianDayNumber(int32_t month, int32_t day, int32_t year) {
    int32_t n = day + 31 * (month - 1);
    if (month > 2) {
        n -= (4 * month + 23) / 10;
        if (IsGregorianLeap(year)) n += 1;
    }
    return n;
}

int32_t GregorianToAbsolute(int32_t month, int32_t day, int32_t year) {
    const int32_t before = year - 1;
    return GregorianDayNumber(month, day, year) + 365 * before + before / 4 - before / 100 + before / 400;
}

GregorianDate AbsoluteToGregorian(int32_t absolute) {
    const int32_t d0 = absolute - 1;
    const int32_t c400 = d0 / 146097;
    int32_t r = d0 % 146097;
    const int32_t c100 = r / 36524;
    r %= 36524;
    const int32_t c4 = r / 1461;
    r %= 1461;
    const int32_t c1 = r / 365;
    int32_t dayInYear = r % 365 + 1;
    int32_t year = 400 * c400 + 100 * c100 + 4 * c4 + c1;
    // The last day of a 400-year or a 4-year cycle: 31 December of a leap year.
    if (c100 == 4 || c1 == 4) return {12, 31, year};
    year += 1;
    const int leap = IsGregorianLeap(year) ? 1 : 0;
    int32_t month = 1;
    while (dayInYear > kGregorianMonthDays[leap][month]) {
        dayInYear -= kGregorianMonthDays[leap][month];
        ++month;
    }
    return {month, dayInYear, year};
}

bool IsHebrewLeap(int32_t year) { return (7 * year + 1) % 19 < 7; }

int32_t NewYearElapsedDays(int32_t year) {
    const int32_t cycleYear = (year - 1) % 19;
    const int32_t months = 235 * ((year - 1) / 19) + 12 * cycleYear + (7 * cycleYear + 1) / 19;
    const int32_t partsElapsed = 204 + 793 * (months % kPartsPerHour);
    const int32_t hoursElapsed = 5 + 12 * months + 793 * (months / kPartsPerHour) + partsElapsed / kPartsPerHour;
    int32_t day = 1 + 29 * months + hoursElapsed / 24;
    const int32_t parts = kPartsPerHour * (hoursElapsed % 24) + partsElapsed % kPartsPerHour;
    // A late conjunction, or one late on a Tuesday of a common year or on a
    // Monday after a leap year, puts the new year off by a day.
    if (parts >= 18 * kPartsPerHour ||
        (day % 7 == 2 && parts >= 9 * kPartsPerHour + 204 && !IsHebrewLeap(year)) ||
        (day % 7 == 1 && parts >= 15 * kPartsPerHour + 589 && IsHebrewLeap(year - 1))) {
        day += 1;
    }
    // The new year never falls on Sunday, Wednesday or Friday.
    if (day % 7 == 0 || day % 7 == 3 || day % 7 == 5) day += 1;
    return day;
}

int32_t HebrewYearLength(int32_t year) { return NewYearElapsedDays(year + 1) - NewYearElapsedDays(year); }

bool HeshvanIsLong(int32_t year) { return HebrewYearLength(year) % 10 == 5; }

bool KislevIsShort(int32_t year) { return HebrewYearLength(year) % 10 == 3; }

int32_t HebrewMonthDays(int32_t month, int32_t year) {
    if (month == 2 || month == 4 || month == 6 || month == 10 || month == 13) return 29;
    if (month == 12 && !IsHebrewLeap(year)) return 29;
    if (month == 8 && !HeshvanIsLong(year)) return 29;
    if (month == 9 && KislevIsShort(year)) return 29;
    return 30;
}

int32_t HebrewToAbsolute(int32_t month, int32_t day, int32_t year) {
    int32_t total = day;
    if (month < kTishri) {
        const int32_t last = LastHebrewMonth(year);
        for (int32_t k = kTishri; k <= last; ++k) total += HebrewMonthDays(k, year);
        for (int32_t k = kNisan; k < month; ++k) total += HebrewMonthDays(k, year);
    } else {
        for (int32_t k = kTishri; k < month; ++k) total += HebrewMonthDays(k, year);
    }
    return NewYearElapsedDays(year) + total - kHebrewEpochOffset;
}

// The Hebrew year that begins in the autumn of Gregorian year g is g + 3761,
// so g + 3760 is never too late a start for the year search. The month search
// runs through the year in its own order from Tishri and wraps from the last
// month to Nisan; it stops at Elul at the latest.
HebrewDate AbsoluteToHebrew(int32_t absolute) {
    int32_t year = AbsoluteToGregorian(absolute).year + 3760;
    while (absolute >= HebrewToAbsolute(kTishri, 1, year + 1)) ++year;
    const int32_t last = LastHebrewMonth(year);
    int32_t month = kTishri;
    while (absolute > HebrewToAbsolute(month, HebrewMonthDays(month, year), year)) {
        month = month % last + 1;
    }
    return {month, absolute - HebrewToAbsolute(month, 1, year) + 1, year};
}

// Floor remainder, so that days before the weekday's first occurrence still
// step back rather than forward.
int32_t WeekdayOnOrBefore(int32_t weekday, int32_t absolute) {
    const int32_t back = ((absolute - weekday) % 7 + 7) % 7;
    return absolute - back;
}

namespace {

// One entry per Saturday of the year, from the first Saturday on or after
// 1 Tishri to the last one before the next 1 Tishri.
constexpr int32_t kTableA[50] = {
    51, 52, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, -21, 23, 24, -1,
    25, -26, -28, 30, -31, 33, 34, 35, 36, 37, 38, 39, 40, -41, 43, 44, 45, 46, 47, 48, 49, -50
};
constexpr int32_t kTableB[50] = {
    51, 52, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, -21, 23, 24, -1,
    25, -26, -28, 30, -31, 33, -1, 34, 35, 36, 37, -38, 40, -41, 43, 44, 45, 46, 47, 48, 49, -50
};
constexpr int32_t kTableC[51] = {
    52, -1, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, -21, 23, 24, -1,
    -1, 25, -26, -28, 30, -31, 33, 34, 35, 36, 37, 38, 39, 40, -41, 43, 44, 45, 46, 47, 48, 49, 50
};
constexpr int32_t kTableD[51] = {
    52, -1, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, -21, 23, 24, -1,
    25, -26, -28, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, -41, 43, 44, 45, 46, 47, 48, 49, 50
};
constexpr int32_t kTableE[51] = {
    52, -1, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24,
    -1, 25, -26, -28, 30, -31, 33, 34, 35, 36, 37, 38, 39, 40, -41, 43, 44, 45, 46, 47, 48, 49, 50
};
constexpr int32_t kTableF[51] = {
    -1, 52, -1, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, -21, 23, 24,
    -1, 25, -26, -28, 30, -31, 33, 34, 35, 36, 37, 38, 39, 40, -41, 43, 44, 45, 46, 47, 48, 49, 50
};
constexpr int32_t kTableG[51] = {
    -1, 52, -1, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, -21, 23, 24,
    -1, 25, -26, -28, 30, -31, 33, 34, 35, 36, 37, 38, 39, 40, -41, 43, 44, 45, 46, 47, 48, 49, -50
};
constexpr int32_t kTableH[54] = {
    51, 52, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24,
    25, 26, 27, -1, 28, 29, 30, 31, 32, 33, -1, 34, 35, 36, 37, -38, 40, -41, 43, 44, 45, 46, 47, 48, 49,
    -50
};
constexpr int32_t kTableI[54] = {
    51, 52, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24,
    25, 26, 27, -1, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, -41, 43, 44, 45, 46, 47, 48, 49,
    -50
};
constexpr int32_t kTableJ[55] = {
    51, 52, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24,
    25, 26, 27, -1, -1, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, -41, 43, 44, 45, 46, 47, 48,
    49, 50
};
constexpr int32_t kTableK[55] = {
    51, 52, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24,
    25, 26, 27, -1, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49,
    50
};
constexpr int32_t kTableL[55] = {
    52, -1, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24,
    25, 26, 27, 28, -1, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49,
    50
};
constexpr int32_t kTableM[55] = {
    52, -1, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24,
    25, 26, 27, 28, -1, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49,
    -50
};
constexpr int32_t kTableN[55] = {
    -1, 52, -1, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23,
    24, 25, 26, 27, -1, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, -41, 43, 44, 45, 46, 47, 48,
    49, -50
};
constexpr int32_t kTableO[55] = {
    -1, 52, -1, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23,
    24, 25, 26, 27, -1, 28, 29, 30, 31, 32, 33, -1, 34, 35, 36, 37, -38, 40, -41, 43, 44, 45, 46, 47, 48,
    49, -50
};

// Indexed by PortionSlot: diaspora and Israel side by side, then the length
// types (deficient, regular, complete), the weekday of 1 Tishri (Monday,
// Tuesday, Thursday, Saturday) and common before leap. Empty spans are year
// types that the calendar cannot produce.
constexpr std::span<const int32_t> kSelection[kPortionSlotCount] = {
    kTableA, kTableA, {}, {}, kTableB, kTableA,  // common, Monday
    {}, {}, kTableB, kTableA, {}, {},            // common, Tuesday
    {}, {}, kTableC, kTableD, kTableE, kTableE,  // common, Thursday
    kTableF, kTableF, {}, {}, kTableG, kTableG,  // common, Saturday
    kTableH, kTableI, {}, {}, kTableJ, kTableK,  // leap, Monday
    {}, {}, kTableJ, kTableK, {}, {},            // leap, Tuesday
    kTableL, kTableL, {}, {}, kTableM, kTableM,  // leap, Thursday
    kTableN, kTableN, {}, {}, kTableO, kTableN,  // leap, Saturday
};

// The process ends at once: no exit handlers run and nothing is saved.
[[noreturn]] void FailImproperYearType(const char* programName) {
    const int error = errno;
    const char* name = programName != nullptr ? programName : "";
    if (error != 0) {
        std::fprintf(stderr, "%s: %s\n", name, std::strerror(error));
        std::fputs("improper sedra year type calculated.\n", stderr);
    } else {
        std::fprintf(stderr, "%s: improper sedra year type calculated.\n", name);
    }
    std::fflush(stderr);
    errno = 0;
    std::_Exit(1);
}

// A Saturday outside the prepared year's table is the same consistency
// failure as a year type without a table, in every build.
int32_t TableEntry(const PortionSchedule& schedule, int32_t saturday) {
    const int32_t index = (saturday - schedule.firstSaturday) / 7;
    if (saturday < schedule.firstSaturday || static_cast<size_t>(index) >= schedule.yearTable.size()) {
        FailImproperYearType(schedule.programName);
    }
    return schedule.yearTable[static_cast<size_t>(index)];
}

}  // namespace

void InitPortionSchedule(PortionSchedule& schedule, const char* programName) {
    schedule = PortionSchedule{};
    schedule.programName = programName;
}

int32_t PortionSlot(bool israel, int32_t lengthType, int32_t weekdayIndex, bool leap) {
    return (israel ? 1 : 0) + 2 * (lengthType + 3 * (weekdayIndex + 4 * (leap ? 1 : 0)));
}

std::span<const int32_t> PortionTableForSlot(int32_t slot) {
    if (slot < 0 || slot >= kPortionSlotCount) return {};
    return kSelection[slot];
}

void SetPortionYearType(PortionSchedule& schedule, int32_t lengthType, int32_t weekdayIndex, bool leap) {
    const bool known = lengthType >= 0 && lengthType < 3 && weekdayIndex >= 0 && weekdayIndex < 4;
    const std::span<const int32_t> table =
        known ? PortionTableForSlot(PortionSlot(schedule.israel, lengthType, weekdayIndex, leap))
              : std::span<const int32_t>{};
    if (table.empty()) FailImproperYearType(schedule.programName);
    schedule.yearTable = table;
}

int32_t PreparePortionYear(PortionSchedule& schedule, int32_t year) {
    const bool heshvanLong = HeshvanIsLong(year);
    const bool kislevShort = KislevIsShort(year);
    int32_t lengthType = 1;
    if (heshvanLong && !kislevShort) lengthType = 2;
    if (kislevShort && !heshvanLong) lengthType = 0;
    const int32_t newYear = HebrewToAbsolute(kTishri, 1, year);
    const int32_t weekday = newYear % 7;
    const int32_t weekdayIndex = weekday == 1 ? 0 : weekday / 2;
    schedule.firstSaturday = WeekdayOnOrBefore(6, newYear + 6);
    SetPortionYearType(schedule, lengthType, weekdayIndex, IsHebrewLeap(year));
    return 0;
}

int32_t ScheduleEntryForSaturday(const PortionSchedule& schedule, int32_t saturday) {
    return TableEntry(schedule, saturday);
}

// No table ends in -1, so the search for the next portion stays inside the year.
int32_t PortionForSaturday(const PortionSchedule& schedule, int32_t saturday) {
    int32_t portion = TableEntry(schedule, saturday);
    while (portion == kNoPortion) {
        saturday += 7;
        portion = TableEntry(schedule, saturday);
        // The festival Saturdays before Bereshit belong to V'Zot HaBerachah.
        if (portion == 0) portion = kLastPortion;
    }
    return portion;
}
