// The current article over the program's settings, with This Week computed
// from today's local date, the time zone and the maker key's "Israel" value.
#pragma once

#include <cstdint>

// Article 0 means This Week; force recomputes even when the article is pinned.
void SetCurrentArticle(uint16_t article, bool force);

struct GregorianDate;

// This week's article for today's local date.
uint16_t ThisWeekArticleToday();
// This week's article for a day, with this machine's time zone and the maker
// key's "Israel" value.
uint16_t ThisWeekArticleOn(const GregorianDate& day);

// Today's date on the local clock.
GregorianDate LocalToday();

struct WeekPortions;

// Whether this machine reads on the Israel schedule: its time zone's name, or
// the maker key's "Israel" value.
bool IsraelScheduleHere();

// This week's portions on both schedules, for today's local date.
WeekPortions ThisWeekPortions();

// The program's path as it was started, which prefixes the calendar's
// failure message.
const char* ProgramName();
