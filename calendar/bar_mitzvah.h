// The Shabbat of a bar or bat mitzvah: the Hebrew birthday in the year the
// child comes of age, the Shabbat on or after it and what is read on it.
#pragma once

#include <cstdint>

#include "calendar/shabbat_year.h"

constexpr int32_t kBarMitzvahAge = 13;
constexpr int32_t kBatMitzvahAge = 12;

// The absolute day of the Hebrew birthday, in Hebrew year `year`, of a child
// born on `birth`. A birth in the last month of its year (Adar of a common
// year, Adar II of a leap year) keeps that day of the last month; any other
// birth keeps its month, and a day the month lacks that year (30 Heshvan,
// 30 Kislev, 30 Adar I in a common year) becomes the first of the next month.
int32_t HebrewBirthday(const HebrewDate& birth, int32_t year);

enum class MitzvahOutcome { kFound, kBeforeCalendar, kAfterCalendar, kNotYetBorn };

struct MitzvahShabbat {
    MitzvahOutcome outcome = MitzvahOutcome::kFound;
    HebrewDate birth{};           // the Hebrew date of birth
    int32_t birthday = 0;         // absolute day of the Hebrew birthday at the age
    HebrewDate birthdayHebrew{};
    ShabbatRow shabbat;           // the Shabbat on or after the birthday
    // The weekly portion to read up on: the Shabbat's own, or after a
    // festival's reading the next Shabbat's.
    int32_t weeklyIsrael = kNoPortion;
    int32_t weeklyDiaspora = kNoPortion;
};

// The bar (age 13) or bat (age 12) mitzvah Shabbat of a child born on the
// absolute day born; after sunset the birth counts on the next Hebrew day.
// A birth before the calendar's first day or after today, or a Shabbat past
// its last day, gives that outcome and nothing else. programName (borrowed)
// prefixes the message of the schedule's fatal failure.
MitzvahShabbat FindMitzvahShabbat(int32_t born, bool afterSunset, int32_t age, int32_t today,
                                  const char* programName);
