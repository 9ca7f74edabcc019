// Bar and bat mitzvah: the Hebrew birthday by the rules that calendars of
// anniversaries follow, then the Shabbat that falls on or after it.
#include "calendar/bar_mitzvah.h"

namespace {

int32_t LastMonthOf(int32_t year) { return IsHebrewLeap(year) ? 13 : 12; }

}  // namespace

// Counting days from the first of the month carries a day the month lacks
// into the next month.
int32_t HebrewBirthday(const HebrewDate& birth, int32_t year) {
    if (birth.month == LastMonthOf(birth.year)) return HebrewToAbsolute(LastMonthOf(year), birth.day, year);
    return HebrewToAbsolute(birth.month, 1, year) + birth.day - 1;
}

MitzvahShabbat FindMitzvahShabbat(int32_t born, bool afterSunset, int32_t age, int32_t today,
                                  const char* programName) {
    MitzvahShabbat result;
    if (born < FirstCalendarDay()) {
        result.outcome = MitzvahOutcome::kBeforeCalendar;
        return result;
    }
    if (born > today) {
        result.outcome = MitzvahOutcome::kNotYetBorn;
        return result;
    }
    result.birth = AbsoluteToHebrew(afterSunset ? born + 1 : born);
    result.birthday = HebrewBirthday(result.birth, result.birth.year + age);
    const int32_t saturday = WeekdayOnOrBefore(6, result.birthday + 6);
    if (saturday > LastCalendarDay()) {
        result = MitzvahShabbat{};
        result.outcome = MitzvahOutcome::kAfterCalendar;
        return result;
    }
    result.birthdayHebrew = AbsoluteToHebrew(result.birthday);
    result.shabbat = ShabbatRowFor(saturday, programName);
    const auto weekly = [&](const ShabbatReading& reading, bool israel) {
        return reading.portion != kNoPortion ? reading.portion : NextWeeklyPortion(saturday, israel, programName);
    };
    result.weeklyIsrael = weekly(result.shabbat.israel, true);
    result.weeklyDiaspora = weekly(result.shabbat.diaspora, false);
    return result;
}
