// Builds the article texts of the library. A record's text is collected in
// reading order, one verse at a time (so that anything the encoder drops is
// reported with its verse), and stored in visual order when it is complete.
#include "tools/library/article_builder.h"

#include <stdexcept>

#include "store/article_text.h"
#include "store/hebrew_numerals.h"
#include "tools/library/hebrew_encoder.h"

namespace {

const std::u32string kPortionPrefix = U"פרשת ";
const std::u32string kChapterWord = U"פרק ";

// Numeral letters are all in the Basic Multilingual Plane.
std::u32string Numeral(int n) {
    const std::u16string letters = HebrewNumeral(n);
    return std::u32string(letters.begin(), letters.end());
}

// Records of one range's body as they are written.
struct BodyWriter {
    BodyText body;
    std::vector<uint8_t> current;
    std::vector<CodedLetterMarks> currentMarks;
    bool joinNext = false;  // after a maqaf the next word follows without a space
};

void AppendSpaced(BodyWriter& writer, std::u32string_view text, const std::string& where, DropReport& report) {
    if (!writer.current.empty() && !writer.joinNext) writer.current.push_back(' ');
    writer.joinNext = false;
    AppendHebrewCodes(text, where, writer.current, report, &writer.currentMarks);
}

void EndParagraph(BodyWriter& writer, uint8_t attr = kAttrBody) {
    if (!writer.current.empty()) {
        writer.body.records.push_back({attr, std::move(writer.current), std::move(writer.currentMarks)});
    }
    writer.current.clear();
    writer.currentMarks.clear();
    writer.joinNext = false;
}

// A paragraph that runs across the chapter's start is cut there; its first
// part keeps no gap, so that the mark stands inside the paragraph.
void AppendChapterMark(BodyWriter& writer, const CodexVerse& verse, DropReport& report) {
    EndParagraph(writer, kAttrBodyRunsOn);
    const std::vector<uint8_t> mark = EncodePlainHebrew(ChapterMarkText(verse.chapter), verse.ref, report);
    writer.body.records.push_back({kAttrChapterMark, mark, {}});
}

void AppendToken(BodyWriter& writer, const CodexToken& token, const std::string& where, DropReport& report) {
    switch (token.kind) {
    case CodexTokenKind::kWord: AppendSpaced(writer, token.text, where, report); break;
    case CodexTokenKind::kMaqaf:
        writer.current.push_back('-');
        writer.joinNext = true;
        break;
    case CodexTokenKind::kSofPasuq: writer.current.push_back(':'); break;
    case CodexTokenKind::kPaseq: AppendSpaced(writer, U"|", where, report); break;
    case CodexTokenKind::kOpenParagraph:
    case CodexTokenKind::kClosedParagraph: EndParagraph(writer); break;
    case CodexTokenKind::kReversedNun: ++report.droppedMarks["nun hafukha (U+05C6)"]; break;
    }
}

// Where the last code written went: the open paragraph, or the record that a
// paragraph mark has just closed.
CodePlace LastCode(const BodyWriter& writer) {
    if (!writer.current.empty()) return {writer.body.records.size(), writer.current.size() - 1};
    return {writer.body.records.size() - 1, writer.body.records.back().codes.size() - 1};
}

void AppendVerse(BodyWriter& writer, const CodexVerse& verse, DropReport& report) {
    // Built in steps: gcc 12 misreads "literal + temporary" as an overlapping copy.
    std::u32string number = U"(";
    number += Numeral(verse.verse);
    number += U")";
    AppendSpaced(writer, number, verse.ref, report);
    // Every character of the label is one code.
    const CodePlace first{writer.body.records.size(), writer.current.size() - number.size()};
    for (const CodexToken& token : verse.tokens) AppendToken(writer, token, verse.ref, report);
    writer.body.verses.push_back({verse.chapter, verse.verse, first, LastCode(writer)});
    report.qereReadings += verse.qereReadings;
}

const CodexBook& BookOfCodex(const Codex& codex, const std::string& name) {
    auto found = codex.find(name);
    if (found == codex.end()) throw std::runtime_error("book " + name + " is not in the Codex");
    return found->second;
}

// The book's row in the books table, counted from 1: its number in the verse map.
int BookNumber(const std::vector<BookEntry>& books, const std::string& name) {
    for (size_t i = 0; i < books.size() && i < kTorahBookCount; ++i)
        if (books[i].book == name) return static_cast<int>(i) + 1;
    throw std::runtime_error("book " + name + " is not among the first five of the books table");
}

// Stored position of a code of a right-to-left record whose text starts at textPos.
uint16_t StoredPosition(size_t textPos, const BodyRecord& record, size_t code) {
    return static_cast<uint16_t>(textPos + record.codes.size() - 1 - code);
}

// Appends a range's body records, the layer marks of their letters and the
// entries of its verses. A record is stored reversed, so its last letter's
// marks come first.
void AppendBody(BuiltArticle& article, const BodyText& body, int book) {
    std::vector<size_t> textPositions;
    for (const BodyRecord& record : body.records) {
        textPositions.push_back(article.text.size() + 2);
        for (auto coded = record.marks.rbegin(); coded != record.marks.rend(); ++coded) {
            LetterMarks marks = coded->marks;
            marks.position = StoredPosition(textPositions.back(), record, coded->code);
            article.marks.push_back(marks);
        }
        AppendRecord(article.text, record.attr, record.codes);
    }
    for (const BodyVerse& verse : body.verses) {
        const CodePlace& first = verse.first;
        const CodePlace& last = verse.last;
        article.verses.push_back({static_cast<uint8_t>(book), static_cast<uint8_t>(verse.chapter),
                                  static_cast<uint8_t>(verse.verse),
                                  StoredPosition(textPositions[first.record], body.records[first.record], first.code),
                                  StoredPosition(textPositions[last.record], body.records[last.record], last.code)});
    }
}

std::u32string ChapterAndVerse(const CodexVerse& verse) {
    return Numeral(verse.chapter) + U" " + Numeral(verse.verse);
}

std::u32string HeadingText(const BookEntry& book, const CodexVerse& first, const CodexVerse& last) {
    return book.nameHe + U" " + ChapterAndVerse(first) + U" - " + ChapterAndVerse(last);
}

std::u32string TitleText(const ArticleEntry& article) {
    return article.portion >= 0 ? kPortionPrefix + article.nameHe : article.nameHe;
}

}  // namespace

std::u32string ChapterMarkText(int chapter) { return kChapterWord + Numeral(chapter); }

BodyText BodyOfRange(const CodexBook& book, int first, int last, DropReport& report) {
    BodyWriter writer;
    for (int i = first; i <= last; ++i) {
        if (i > first && book.verses[i].chapter != book.verses[i - 1].chapter)
            AppendChapterMark(writer, book.verses[i], report);
        AppendVerse(writer, book.verses[i], report);
    }
    EndParagraph(writer);
    return std::move(writer.body);
}

void AppendRecord(std::vector<uint8_t>& text, uint8_t attr, const std::vector<uint8_t>& readingCodes) {
    text.push_back(attr);
    text.push_back(0);
    const std::vector<uint8_t> visual = ToVisualOrder(readingCodes);
    text.insert(text.end(), visual.begin(), visual.end());
    text.push_back(0);
}

BuiltArticle BuildArticle(const ArticleEntry& article, const std::vector<BookEntry>& books, const Codex& codex,
                          DropReport& report) {
    const std::string where = "article " + std::to_string(article.article);
    if (article.ranges.empty()) throw std::runtime_error(where + ": no verse range");
    BuiltArticle built;
    std::vector<uint8_t>& text = built.text;
    int verses = 0;
    for (size_t r = 0; r < article.ranges.size(); ++r) {
        const VerseRange& range = article.ranges[r];
        const CodexBook& book = BookOfCodex(codex, range.book);
        const int first = FindVerse(book, range.start);
        const int last = FindVerse(book, range.end);
        if (first < 0 || last < first) throw std::runtime_error(where + ": bad range " + range.start + ".." + range.end);
        const int bookNumber = BookNumber(books, range.book);
        const std::u32string heading = HeadingText(books[bookNumber - 1], book.verses[first], book.verses[last]);
        AppendRecord(text, kAttrSectionHeading, EncodePlainHebrew(heading, where, report));
        if (r == 0) AppendRecord(text, kAttrTitle, EncodePlainHebrew(TitleText(article), where, report));
        AppendBody(built, BodyOfRange(book, first, last, report), bookNumber);
        verses += last - first + 1;
    }
    if (verses != article.verses)
        throw std::runtime_error(where + ": " + std::to_string(verses) + " verses, the table says " +
                                 std::to_string(article.verses));
    // The last record's terminator is followed by the end marker and two spare zeros.
    text.insert(text.end(), 3, uint8_t{0});
    if (text.size() > kMaxArticleTextSize) throw std::runtime_error(where + ": text longer than 65535 bytes");
    return built;
}
