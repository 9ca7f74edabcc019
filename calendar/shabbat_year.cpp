// The Calendar's rows: each Shabbat's reading on the Israel and the diaspora
// schedule, taken from the schedule tables as they stand, so that a Shabbat
// without a weekly portion shows its festival rather than the portion This
// Week moves on to.
#include "calendar/shabbat_year.h"

namespace {

constexpr int32_t kTishri = 7;
constexpr int32_t kNisan = 1;
constexpr int32_t kSivan = 3;

ShabbatReading ReadingOn(int32_t saturday, const HebrewDate& hebrew, bool israel, const char* programName) {
    PortionSchedule schedule;
    InitPortionSchedule(schedule, programName);
    schedule.israel = israel;
    PreparePortionYear(schedule, hebrew.year);
    const int32_t entry = ScheduleEntryForSaturday(schedule, saturday);
    if (entry != kNoPortion) return {entry, Festival::kNone};
    return {kNoPortion, FestivalOn(hebrew, israel)};
}

// The same civil date a year on; the day count takes 29 February of a common
// year as 1 March.
int32_t SameDateAYearOn(int32_t day) {
    const GregorianDate date = AbsoluteToGregorian(day);
    return GregorianToAbsolute(date.month, date.day, date.year + 1);
}

}  // namespace

int32_t FirstCalendarDay() { return GregorianToAbsolute(10, 15, 1582); }
int32_t LastCalendarDay() { return GregorianToAbsolute(12, 31, 9999); }

Festival FestivalOn(const HebrewDate& date, bool israel) {
    const int32_t d = date.day;
    if (date.month == kTishri) {
        if (d == 1 || d == 2) return Festival::kRoshHashanah;
        if (d == 10) return Festival::kYomKippur;
        if (d >= 15 && d <= 21) return Festival::kSukkot;
        if (d == 22) return Festival::kSheminiAtzeret;
    }
    if (date.month == kNisan && d >= 15 && d <= (israel ? 21 : 22)) return Festival::kPesach;
    if (date.month == kSivan && (d == 6 || (d == 7 && !israel))) return Festival::kShavuot;
    return Festival::kNone;
}

const char16_t* FestivalName(Festival festival) {
    switch (festival) {
    case Festival::kNone: break;
    case Festival::kRoshHashanah: return u"Rosh Hashanah";
    case Festival::kYomKippur: return u"Yom Kippur";
    case Festival::kSukkot: return u"Sukkot";
    case Festival::kSheminiAtzeret: return u"Shemini Atzeret";
    case Festival::kPesach: return u"Pesach";
    case Festival::kShavuot: return u"Shavuot";
    }
    return u"";
}

ShabbatRow ShabbatRowFor(int32_t saturday, const char* programName) {
    ShabbatRow row;
    row.day = saturday;
    row.civil = AbsoluteToGregorian(saturday);
    row.hebrew = AbsoluteToHebrew(saturday);
    row.israel = ReadingOn(saturday, row.hebrew, true, programName);
    row.diaspora = ReadingOn(saturday, row.hebrew, false, programName);
    return row;
}

std::vector<ShabbatRow> ShabbatYear(int32_t day, const char* programName) {
    std::vector<ShabbatRow> rows;
    if (day < FirstCalendarDay() || day > LastCalendarDay()) return rows;
    const int32_t end = SameDateAYearOn(day);
    for (int32_t saturday = WeekdayOnOrBefore(6, day + 6); saturday < end && saturday <= LastCalendarDay();
         saturday += 7) {
        rows.push_back(ShabbatRowFor(saturday, programName));
    }
    return rows;
}

// No schedule table ends without a portion, so the search ends within a year.
int32_t NextWeeklyPortion(int32_t saturday, bool israel, const char* programName) {
    for (int32_t next = saturday + 7;; next += 7) {
        const ShabbatReading reading = ReadingOn(next, AbsoluteToHebrew(next), israel, programName);
        if (reading.portion != kNoPortion) return reading.portion;
    }
}
