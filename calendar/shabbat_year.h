// Which reading falls on which Shabbat, on both schedules: the rows of the
// Calendar window, the festivals that take a Shabbat's place, and the range
// of civil dates the calendar answers for.
#pragma once

#include <cstdint>
#include <vector>

#include "calendar/sedra.h"

// The civil dates the calendar answers for, as absolute days: from the first
// day of the Gregorian calendar, 15 October 1582, to 31 December 9999.
int32_t FirstCalendarDay();
int32_t LastCalendarDay();

// The festivals whose reading takes the place of the weekly portion when they
// fall on a Shabbat.
enum class Festival : uint8_t { kNone, kRoshHashanah, kYomKippur, kSukkot, kSheminiAtzeret, kPesach, kShavuot };

// The festival on a Hebrew date that can be a Shabbat, on the Israel or the
// diaspora schedule (the diaspora keeps an eighth day of Pesach and a second
// day of Shavuot; 23 Tishri, its Simchat Torah, never falls on a Shabbat).
Festival FestivalOn(const HebrewDate& date, bool israel);

// The festival's name in words, "Pesach"; empty for none.
const char16_t* FestivalName(Festival festival);

// What is read on one Shabbat on one schedule: a weekly portion (a schedule
// table entry: 0..52, or -n for portions n and n + 1 read together), or, on a
// Shabbat without one, kNoPortion and the festival.
struct ShabbatReading {
    int32_t portion = kNoPortion;
    Festival festival = Festival::kNone;
    bool operator==(const ShabbatReading&) const = default;
};

struct ShabbatRow {
    int32_t day = 0;  // absolute day of the Shabbat
    GregorianDate civil{};
    HebrewDate hebrew{};
    ShabbatReading israel;
    ShabbatReading diaspora;
    bool SchedulesDiffer() const { return !(israel == diaspora); }
};

// programName (borrowed) prefixes the message of the schedule's fatal failure.

// The readings of a Saturday on both schedules.
ShabbatRow ShabbatRowFor(int32_t saturday, const char* programName);

// The Shabbatot of the year from day: the first on or after it, then every
// one before the same civil date a year on (1 March after 29 February), so
// 52 or 53 rows; none past the calendar's last day, and none at all for a day
// outside the calendar.
std::vector<ShabbatRow> ShabbatYear(int32_t day, const char* programName);

// The weekly portion of the first Shabbat after saturday that has one.
int32_t NextWeeklyPortion(int32_t saturday, bool israel, const char* programName);
