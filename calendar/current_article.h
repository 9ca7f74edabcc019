// The current article over the program's settings, with This Week computed
// from today's local date, the time zone and the maker key's "Israel" value.
#pragma once

#include <cstdint>

// Article 0 means This Week; force recomputes even when the article is pinned.
void SetCurrentArticle(uint16_t article, bool force);

// This week's article for today's local date.
uint16_t ThisWeekArticleToday();

struct GregorianDate;
// Today's date on the local clock.
GregorianDate LocalToday();
