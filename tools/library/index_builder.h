// Assembly of the Article index from the data tables.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/library/drop_report.h"
#include "tools/library/library_tables.h"

// The rows in list order: for each book, by group, a heading "ספר" and the
// book's name (shown, closed, bold and larger, level 1) followed by the rows of
// its articles (hidden until the heading opens, level 2); then the articles that
// no group holds, at level 1 with the heading style. Headings are identified by
// their position in the list, articles by their number; titles are the names of
// the tables in visual order. Ends with an empty row header. Throws
// std::runtime_error when a group names an article that the table lacks.
std::vector<uint8_t> BuildIndexText(const std::vector<BookEntry>& books, const std::vector<ArticleEntry>& articles,
                                    DropReport& report);
