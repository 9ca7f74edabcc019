// The calendar module: the absolute day count, Gregorian and Hebrew dates,
// and the weekly portion read on a given Saturday.
//
// Every quantity is a signed 32-bit integer. The domain is Gregorian years
// from 1 (absolute days from 1, where day 1 is Monday, 1 January of year 1 of
// the proleptic Gregorian calendar) up to 31 December 9999. Absolute day d
// falls on weekday d mod 7, with 0 = Sunday and 6 = Saturday. Nothing here
// keeps state or reads the clock.
#pragma once

#include <cstdint>
#include <span>

// Arguments and fields are always in the order month, day, year.
struct GregorianDate {
    int32_t month;  // 1..12
    int32_t day;    // 1..31
    int32_t year;
    bool operator==(const GregorianDate&) const = default;
};

// Hebrew months: 1 Nisan .. 6 Elul, 7 Tishri (the year begins on 1 Tishri),
// 8 Heshvan, 9 Kislev, 10 Tevet, 11 Shevat, 12 Adar (Adar I in a leap year),
// 13 Adar II (leap years only). The year is counted from the creation.
struct HebrewDate {
    int32_t month;
    int32_t day;
    int32_t year;
    bool operator==(const HebrewDate&) const = default;
};

bool IsGregorianLeap(int32_t year);
// Day of the year, 1..366.
int32_t GregorianDayNumber(int32_t month, int32_t day, int32_t year);
int32_t GregorianToAbsolute(int32_t month, int32_t day, int32_t year);
GregorianDate AbsoluteToGregorian(int32_t absolute);

// Years 3, 6, 8, 11, 14, 17 and 19 of the 19-year cycle have 13 months.
bool IsHebrewLeap(int32_t year);
// Day of 1 Tishri of the year on the calendar's own count (1 Tishri of year 1
// is day 1), from the mean conjunction and the postponement rules. The count
// shares the weekday numbering of the absolute day.
int32_t NewYearElapsedDays(int32_t year);
// 353, 354 or 355 days in a common year, 383, 384 or 385 in a leap year.
int32_t HebrewYearLength(int32_t year);
bool HeshvanIsLong(int32_t year);
bool KislevIsShort(int32_t year);
// 29 or 30.
int32_t HebrewMonthDays(int32_t month, int32_t year);
int32_t HebrewToAbsolute(int32_t month, int32_t day, int32_t year);
HebrewDate AbsoluteToHebrew(int32_t absolute);

// The last day with the given weekday (0 = Sunday .. 6 = Saturday) that is not
// later than the absolute day. The Saturday on or after day a is
// WeekdayOnOrBefore(6, a + 6).
int32_t WeekdayOnOrBefore(int32_t weekday, int32_t absolute);

// Portion numbers: 0 (Bereshit) to 53 (V'Zot HaBerachah) are single weekly
// portions in reading order. In a schedule table -1 marks a Saturday without a
// weekly portion and -n (n >= 2) the double reading of portions n and n + 1.
constexpr int32_t kNoPortion = -1;
constexpr int32_t kLastPortion = 53;

// One request for the portion of a Saturday: initialise, set israel if
// wanted, prepare for the Hebrew year of that Saturday, then look it up.
struct PortionSchedule {
    bool israel;                      // the Israel schedule instead of the diaspora one
    const char* programName;          // borrowed; prefixes the failure message
    std::span<const int32_t> yearTable;  // the prepared year's table; empty before
    int32_t firstSaturday;            // absolute day of its first entry
};

// Clears the record and stores the program name (the path the program was
// started with).
void InitPortionSchedule(PortionSchedule& schedule, const char* programName);

// Chooses the schedule table and the first Saturday on or after 1 Tishri of
// the Hebrew year. Returns 0. A year type without a table is fatal: see
// SetPortionYearType.
int32_t PreparePortionYear(PortionSchedule& schedule, int32_t year);

// The portion read on a Saturday of the prepared year. A Saturday without a
// weekly portion reports the next one that has a portion, except that when
// that one is Bereshit the answer is 53. Never -1; a double reading stays
// negative. A Saturday outside the prepared year ends the program as a year
// type without a table does.
int32_t PortionForSaturday(const PortionSchedule& schedule, int32_t saturday);

// The prepared year's table entry for a Saturday, as it stands: a portion, a
// double reading, or kNoPortion on a Saturday without a weekly portion. A
// Saturday outside the prepared year ends the program as above.
int32_t ScheduleEntryForSaturday(const PortionSchedule& schedule, int32_t saturday);

// Year types. lengthType: 0 deficient, 1 regular, 2 complete. weekdayIndex is
// the weekday of 1 Tishri: 0 Monday, 1 Tuesday, 2 Thursday, 3 Saturday.
constexpr int32_t kPortionSlotCount = 48;
int32_t PortionSlot(bool israel, int32_t lengthType, int32_t weekdayIndex, bool leap);

// The schedule table of a selection slot (0..47), empty for the slots of year
// types that do not exist.
std::span<const int32_t> PortionTableForSlot(int32_t slot);

// Selects the table of a year type for the record's schedule. An empty slot
// writes "<program>: improper sedra year type calculated." to the standard
// error stream (preceded by a line with the text of a pending error number,
// if any) and ends the process with exit status 1.
void SetPortionYearType(PortionSchedule& schedule, int32_t lengthType, int32_t weekdayIndex, bool leap);
