// Hebrew dates written out in Hebrew letters, as a calendar prints them.
#pragma once

#include <cstdint>
#include <string>

#include "calendar/sedra.h"

// The month's name; in a leap year Adar is "אדר א׳" and month 13 "אדר ב׳".
// Empty for a month the year does not have.
std::u16string HebrewMonthName(int32_t month, int32_t year);

// Day, month and year, as "ט״ו כסלו תשפ״ז": the numbers with geresh or
// gershayim, the year without its thousands (a year of whole thousands as
// the thousands alone, "ו׳").
std::u16string HebrewDateInLetters(const HebrewDate& date);
