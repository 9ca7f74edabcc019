// Hebrew dates in letters: the month names and the numbers written with
// geresh and gershayim, the way a printed calendar gives them.
#include "calendar/hebrew_date_text.h"

#include "store/hebrew_numerals.h"

namespace {

// Indexed by month number; Adar (12) is named for a common year here.
constexpr const char16_t* kMonthNames[] = {
    u"",      u"ניסן", u"אייר", u"סיון", u"תמוז", u"אב",  u"אלול",
    u"תשרי", u"חשון", u"כסלו", u"טבת",  u"שבט", u"אדר", u"אדר ב׳",
};

}  // namespace

std::u16string HebrewMonthName(int32_t month, int32_t year) {
    const bool leap = IsHebrewLeap(year);
    if (month < 1 || month > (leap ? 13 : 12)) return {};
    if (month == 12 && leap) return u"אדר א׳";
    return kMonthNames[month];
}

std::u16string HebrewDateInLetters(const HebrewDate& date) {
    const int32_t withinThousand = date.year % 1000;
    const std::u16string year = HebrewNumeralWithMarks(withinThousand != 0 ? withinThousand : date.year / 1000);
    return HebrewNumeralWithMarks(date.day) + u" " + HebrewMonthName(date.month, date.year) + u" " + year;
}
