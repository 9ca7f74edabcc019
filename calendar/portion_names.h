// The names of what is read: weekly portions and double readings by the
// names the Article index gives them (or by their English names), festivals
// in words, and a year of Shabbatot as tab-separated text.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "calendar/bar_mitzvah.h"
#include "calendar/shabbat_year.h"
#include "store/article_index.h"

// The English names of the 57 articles: the weekly portions in reading
// order, then the three passages.
ArticleNames EnglishArticleNames();

// A weekly portion (0..53), or a double reading (-n: portions n and n + 1,
// joined by a hyphen), by the names given; empty for any other number or a
// name the list lacks.
std::u16string PortionName(int32_t portion, const ArticleNames& names);

// A Shabbat's reading: its portion by the names given, or its festival in words.
std::u16string ReadingName(const ShabbatReading& reading, const ArticleNames& names);

// What a row of the Calendar reads: one name when both schedules read the
// same, else "Israel: …; diaspora: …".
std::u16string RowReadingText(const ShabbatRow& row, const ArticleNames& names);

// What is read on a bar or bat mitzvah Shabbat (after a festival's reading,
// ", then" the next weekly portion), once when both schedules agree, else
// "in Israel: …; in the diaspora: …".
std::u16string MitzvahReadingText(const MitzvahShabbat& found, const ArticleNames& names);

// The rows as tab-separated text with a header line, each line ended by
// CR LF: the civil date as YYYY-MM-DD, the Hebrew date in letters, the
// Israel reading and the diaspora reading.
std::u16string ShabbatRowsText(const std::vector<ShabbatRow>& rows, const ArticleNames& names);
