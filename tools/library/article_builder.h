// Assembly of one article's text from the Codex: section heading, title, one
// body record per paragraph and a mark where a chapter begins, in the record
// format of the article text; and where each verse went in it.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "store/verse_map.h"
#include "tools/library/codex_reader.h"
#include "tools/library/drop_report.h"
#include "tools/library/hebrew_encoder.h"
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
// differs from the table's, or the text exceeds kMaxArticleTextSize. Each
// verse's entry gives its positions in that text, its book numbered by its row
// in books; the layer marks of its letters go with their stored positions.
struct BuiltArticle {
    std::vector<uint8_t> text;
    std::vector<VerseEntry> verses;  // reading order
    std::vector<LetterMarks> marks;  // by position
};
BuiltArticle BuildArticle(const ArticleEntry& article, const std::vector<BookEntry>& books, const Codex& codex,
                          DropReport& report);

struct BodyRecord {
    uint8_t attr = 0;
    std::vector<uint8_t> codes;  // reading order
    std::vector<CodedLetterMarks> marks;  // of its letters, by code
};

// A code's place in a range's body: the record, and the code's position in
// the record's reading-order codes.
struct CodePlace {
    size_t record = 0;
    size_t code = 0;
};

// A verse of a range's body: its first code (the opening parenthesis of its
// label) and its last.
struct BodyVerse {
    int chapter = 0;
    int verse = 0;
    CodePlace first;
    CodePlace last;
};

struct BodyText {
    std::vector<BodyRecord> records;
    std::vector<BodyVerse> verses;
};

// The body of verses first..last of book (positions in book.verses): a
// paragraph (kAttrBody) ends at each open or closed paragraph mark and at the
// end of the range. A chapter that begins after the range's first verse gets a
// chapter mark (kAttrChapterMark) before its first verse; a paragraph running
// across that point is cut there, its first part without a gap (kAttrBodyRunsOn).
BodyText BodyOfRange(const CodexBook& book, int first, int last, DropReport& report);

// The text of a chapter mark: "פרק" and the chapter in letters.
std::u32string ChapterMarkText(int chapter);

// Appends a right-to-left record: attribute, layout byte 0, the codes in visual
// order, terminator.
void AppendRecord(std::vector<uint8_t>& text, uint8_t attr, const std::vector<uint8_t>& readingCodes);
