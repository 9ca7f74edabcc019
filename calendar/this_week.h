// This Week: the article of the weekly portion read on the coming Saturday,
// the location rule that picks the Israel or the diaspora schedule, and the
// upkeep of the current-article settings. The clock, the time zone and the
// registry are read by the caller and handed in.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "settings/settings.h"

// Article of a portion number: portion p >= 0 is article p + 1; a double
// reading shows the article of its first portion (-21 -> 22, -26 -> 27,
// -28 -> 29, -31 -> 32, -38 -> 39, -41 -> 42, -50 -> 51); any other negative
// value gives 0.
uint16_t ArticleForPortion(int32_t portion);

// The article for the Saturday on or after the absolute day today (today
// itself on a Saturday), on the Israel or the diaspora schedule. programName
// (borrowed) prefixes the message of the schedule's fatal failure.
uint16_t ThisWeekArticle(int32_t today, bool israel, const char* programName);

// This week's portions on both schedules as This Week reckons them (the
// coming Saturday's; a festival's Saturday gives the portion This Week moves
// on to), and which of the two applies here.
struct WeekPortions {
    int32_t israel = 0;
    int32_t diaspora = 0;
    bool israelHere = false;
};
WeekPortions WeekPortionsOn(int32_t today, bool israelHere, const char* programName);

// This week's article here and on the other schedule.
uint16_t LocalWeekArticle(const WeekPortions& week);
uint16_t OtherWeekArticle(const WeekPortions& week);

// The article to open for "the other schedule" from the article shown: this
// week's on the other schedule, and from that one this week's here again.
uint16_t OtherScheduleArticle(uint16_t shown, const WeekPortions& week);

// The program's path as a command line's first argument, by the system's rule
// for that argument alone: in quotes up to the closing one (or the end),
// otherwise up to the first space or tab. commandLine is zero-terminated.
std::u16string ProgramPathArgument(const char16_t* commandLine);

// True when the time zone's standard name starts with "Israel" or with
// "Jerusalem", ignoring the case of ASCII letters. standardName is
// zero-terminated; null counts as an empty name.
bool IsIsraelTimeZoneName(const char16_t* standardName);

// The location rule: the time zone's name decides first; otherwise a non-zero
// "Israel" value under the maker key does. readIsraelValue is called only when
// the name does not decide.
bool UsesIsraelSchedule(const char16_t* standardName, const std::function<int32_t()>& readIsraelValue);

// Keeps Lesson, LastPosition and the pinned-article bit consistent when an
// article is chosen (article 1..57) or This Week is requested (article 0).
// A chosen article is pinned; This Week leaves a pinned article alone unless
// forced, and otherwise takes thisWeek(), which is called only then. A result
// of 0 or above 57 becomes article 1.
void SetCurrentArticle(Settings& settings, uint16_t article, bool force, const std::function<uint16_t()>& thisWeek);
