// The main window's title: the article shown, and, when the two schedules
// read different portions this week, the other schedule's.
#pragma once

#include <cstdint>
#include <string>

#include "calendar/this_week.h"
#include "store/article_index.h"

// In a Hebrew user interface "פרשת מקץ — Velmora" for a weekly portion
// ("עשרת הדברות — Velmora" for a passage), by the index's names; in any
// other the English name, "Miketz — Velmora" (also when the index gives no
// name). When the article is this week's on one schedule and the other
// schedule reads another portion, that one is named too: "… — in Israel:
// Kedoshim — Velmora" or "… — in the diaspora: …"; this week's double
// reading is named whole. Just "Velmora" for an article out of range.
// With an aliyah (1..8) of a weekly portion the title names it before the
// portion, which is then the article's own: "שלישי, פרשת מקץ — Velmora",
// "Shlishi, Miketz — Velmora".
std::u16string MainWindowTitle(uint16_t article, const WeekPortions& week, bool hebrewUi, const ArticleNames& names,
                               int aliyah = 0);

// The title's first part, the article shown by the same rules: "Miketz", in a
// Hebrew user interface "פרשת מקץ"; this week's double reading named whole.
// Empty for an article out of range.
std::u16string ShownArticleName(uint16_t article, const WeekPortions& week, bool hebrewUi, const ArticleNames& names,
                                int aliyah = 0);
