// This Week: turns a day into the article of the coming Saturday's portion,
// decides between the Israel and the diaspora schedule from the time zone's
// name and the maker key's "Israel" value, and updates the current article,
// its reading position and the pinned-article bit.
#include "calendar/this_week.h"

#include "calendar/sedra.h"

namespace {

constexpr uint16_t kLastArticle = 57;

char16_t AsciiLower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; }

// The zero unit that ends a shorter name differs from every letter of the
// prefix, so the comparison never reads past it.
bool StartsWithIgnoringCase(const char16_t* text, const char16_t* prefix) {
    for (; *prefix != 0; ++text, ++prefix) {
        if (AsciiLower(*text) != AsciiLower(*prefix)) return false;
    }
    return true;
}

}  // namespace

uint16_t ArticleForPortion(int32_t portion) {
    if (portion >= 0) return static_cast<uint16_t>(portion + 1);
    switch (portion) {
    case -21: case -26: case -28: case -31: case -38: case -41: case -50:
        return static_cast<uint16_t>(-portion + 1);
    }
    return 0;
}

namespace {

int32_t ComingSaturdayPortion(int32_t today, bool israel, const char* programName) {
    const int32_t saturday = WeekdayOnOrBefore(6, today + 6);
    const int32_t year = AbsoluteToHebrew(saturday).year;
    PortionSchedule schedule;
    InitPortionSchedule(schedule, programName);
    schedule.israel = israel;
    PreparePortionYear(schedule, year);
    return PortionForSaturday(schedule, saturday);
}

}  // namespace

uint16_t ThisWeekArticle(int32_t today, bool israel, const char* programName) {
    return ArticleForPortion(ComingSaturdayPortion(today, israel, programName));
}

WeekPortions WeekPortionsOn(int32_t today, bool israelHere, const char* programName) {
    return {ComingSaturdayPortion(today, true, programName), ComingSaturdayPortion(today, false, programName),
            israelHere};
}

uint16_t LocalWeekArticle(const WeekPortions& week) {
    return ArticleForPortion(week.israelHere ? week.israel : week.diaspora);
}

uint16_t OtherWeekArticle(const WeekPortions& week) {
    return ArticleForPortion(week.israelHere ? week.diaspora : week.israel);
}

uint16_t OtherScheduleArticle(uint16_t shown, const WeekPortions& week) {
    return shown == OtherWeekArticle(week) ? LocalWeekArticle(week) : OtherWeekArticle(week);
}

std::u16string ProgramPathArgument(const char16_t* commandLine) {
    const char16_t* begin = commandLine;
    const bool quoted = *begin == u'"';
    if (quoted) ++begin;
    const char16_t* end = begin;
    while (*end != 0 && (quoted ? *end != u'"' : *end != u' ' && *end != u'\t')) ++end;
    return std::u16string(begin, end);
}

bool IsIsraelTimeZoneName(const char16_t* standardName) {
    if (standardName == nullptr) return false;
    return StartsWithIgnoringCase(standardName, u"Israel") || StartsWithIgnoringCase(standardName, u"Jerusalem");
}

bool UsesIsraelSchedule(const char16_t* standardName, const std::function<int32_t()>& readIsraelValue) {
    return IsIsraelTimeZoneName(standardName) || readIsraelValue() != 0;
}

void SetCurrentArticle(Settings& settings, uint16_t article, bool force, const std::function<uint16_t()>& thisWeek) {
    if (article != 0) {
        settings.Flags |= kFlagPinnedArticle;
        if (settings.Lesson != article) {
            settings.Lesson = article;
            settings.LastPosition = 0;
        }
        return;
    }
    if ((settings.Flags & kFlagPinnedArticle) != 0 && !force) return;
    const uint16_t current = thisWeek();
    if (current != settings.Lesson) {
        settings.LastPosition = 0;
        settings.Lesson = current;
    }
    if (settings.Lesson == 0 || settings.Lesson > kLastArticle) settings.Lesson = 1;
    settings.Flags &= ~kFlagPinnedArticle;
}
