// Assembly of one article's text from the Codex: section heading, title and one
// body record per paragraph, in the record format of the article text.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "tools/library/codex_reader.h"
#include "tools/library/drop_report.h"
#include "tools/library/library_tables.h"

// The books of the Codex by OSIS name.
using Codex = std::map<std::string, CodexBook>;

// The most bytes an article may decode to: the block's length fields are 16-bit.
constexpr size_t kMaxArticleTextSize = 65535;

// Records of the article, in order: for each verse range a section heading
// (book name, first and last chapter and verse in Hebrew letters), the title
// after the first heading ("פרשת" and the name for a weekly portion, the name
// alone otherwise), then the body records of the range, every verse opened by
// its number in parentheses. Ends with the end marker and two spare zeros.
// Throws std::runtime_error when a range is not in the Codex, the verse count
// differs from the table's, or the text exceeds kMaxArticleTextSize.
std::vector<uint8_t> BuildArticleText(const ArticleEntry& article, const std::vector<BookEntry>& books,
                                      const Codex& codex, DropReport& report);

struct BodyRecord {
    uint8_t attr = 0;
    std::vector<uint8_t> codes;  // reading order
};

// The body records of verses first..last of book (positions in book.verses):
// a paragraph (kAttrBody) ends at each open or closed paragraph mark and at the
// end of the range. A chapter that begins after the range's first verse gets a
// chapter mark (kAttrChapterMark) before its first verse; a paragraph running
// across that point is cut there, its first part without a gap (kAttrBodyRunsOn).
std::vector<BodyRecord> BodyRecords(const CodexBook& book, int first, int last, DropReport& report);

// The text of a chapter mark: "פרק" and the chapter in letters.
std::u32string ChapterMarkText(int chapter);

// Appends a right-to-left record: attribute, layout byte 0, the codes in visual
// order, terminator.
void AppendRecord(std::vector<uint8_t>& text, uint8_t attr, const std::vector<uint8_t>& readingCodes);
