// The built library against the Codex: every block decodes, every verse of
// every range reads back, in its article and in order, as the Codex has it,
// and every chapter that begins inside a range is marked before its first verse.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "store/article_text.h"
#include "store/compression.h"
#include "tests/tools/library_reference.h"
#include "tools/library/library_tables.h"
#include "tools/library/utf8.h"

namespace {

constexpr char32_t kPilcrow = U'\u00B6';

std::u32string BookName(const std::string& book) {
    for (const BookEntry& entry : Reference().books)
        if (entry.book == book) return entry.nameHe;
    return U"?";
}

std::vector<std::u32string> Split(const std::u32string& text, char32_t separator) {
    std::vector<std::u32string> parts(1);
    for (char32_t c : text) {
        if (c == separator) parts.emplace_back();
        else parts.back() += c;
    }
    return parts;
}

// "<book> c v - c v" with the numbers in letters.
void ExpectHeading(const std::u32string& heading, const VerseRange& range, const std::vector<ReferenceVerse>& verses) {
    const std::vector<std::u32string> words = Split(heading, U' ');
    ASSERT_EQ(words.size(), 6u) << EncodeUtf8(heading);
    EXPECT_EQ(words[0], BookName(range.book));
    EXPECT_EQ(NumeralValue(words[1]), verses.front().chapter);
    EXPECT_EQ(NumeralValue(words[2]), verses.front().verse);
    EXPECT_EQ(words[3], U"-");
    EXPECT_EQ(NumeralValue(words[4]), verses.back().chapter);
    EXPECT_EQ(NumeralValue(words[5]), verses.back().verse);
}

struct ReadVerse {
    int number = 0;
    std::u32string text;  // with a trailing pilcrow when a paragraph ends after it
};

// Cuts the body of a range, its records joined by pilcrows, at the verse numbers.
std::vector<ReadVerse> CutIntoVerses(const std::u32string& body) {
    std::vector<ReadVerse> verses;
    size_t at = 0;
    while (at < body.size()) {
        if (body[at] != U'(') {
            ADD_FAILURE() << "no verse number at " << at << ": " << EncodeUtf8(body.substr(at, 40));
            return verses;
        }
        const size_t close = body.find(U')', at);
        ReadVerse verse;
        verse.number = NumeralValue(std::u32string_view(body).substr(at + 1, close - at - 1));
        EXPECT_EQ(body.at(close + 1), U' ');
        const size_t next = body.find(U'(', close);
        verse.text = body.substr(close + 2, (next == std::u32string::npos ? body.size() : next) - close - 2);
        if (next != std::u32string::npos && !verse.text.empty() && verse.text.back() == U' ') verse.text.pop_back();
        verses.push_back(std::move(verse));
        at = next == std::u32string::npos ? body.size() : next;
    }
    return verses;
}

struct Tally {
    std::map<std::string, int> portionVerses;  // verse reference -> times seen in articles 1..54
    std::set<std::string> unexpressedDagesh;   // verses where the Codex has a dagesh the codes lack
    std::map<std::string, int> portionChapterStarts;  // first verse of a chapter -> marks and range openings in 1..54
};

// A range's body as read: its records joined, a pilcrow after each paragraph
// gap and a space where a paragraph runs on past a chapter mark; and each
// chapter mark with the number of verses before it.
struct RangeBody {
    std::u32string joined;
    std::vector<std::pair<int, size_t>> marks;  // chapter, verses read before the mark
};

// "פרק" and the chapter in letters.
int ChapterOfMark(const std::u32string& mark) {
    const std::vector<std::u32string> words = Split(mark, U' ');
    EXPECT_EQ(words.size(), 2u) << EncodeUtf8(mark);
    EXPECT_EQ(words.at(0), U"פרק");
    return words.size() == 2 ? NumeralValue(words[1]) : -1;
}

// Reads the records of a range's body from next up to the next heading. A body
// record keeps its paragraph gap unless a chapter mark follows it.
RangeBody ReadRangeBody(const std::vector<Record>& records, size_t& next) {
    RangeBody body;
    for (; next < records.size() && records[next].attr != kAttrSectionHeading; ++next) {
        const Record& record = records[next];
        if (record.attr == kAttrChapterMark) {
            const size_t versesBefore = std::count(body.joined.begin(), body.joined.end(), U'(');
            body.marks.emplace_back(ChapterOfMark(ReadingText(record.text)), versesBefore);
            continue;
        }
        const bool beforeMark = next + 1 < records.size() && records[next + 1].attr == kAttrChapterMark;
        EXPECT_TRUE(record.attr == kAttrBody || (beforeMark && record.attr == kAttrBodyRunsOn)) << int(record.attr);
        EXPECT_FALSE(record.text.empty());
        if (!body.joined.empty()) body.joined += body.joined.back() == kPilcrow ? U"" : U" ";
        body.joined += ReadingText(record.text);
        if (record.attr & kAttrParagraphGap) body.joined += kPilcrow;
    }
    if (!body.joined.empty() && body.joined.back() == kPilcrow) body.joined.pop_back();
    return body;
}

// Every chapter that begins after the range's first verse is marked once,
// just before its first verse.
void ExpectChapterMarks(const RangeBody& body, const std::vector<ReferenceVerse>& expected, bool isPortion,
                        Tally& tally) {
    std::vector<std::pair<int, size_t>> starts;
    for (size_t i = 1; i < expected.size(); ++i)
        if (expected[i].chapter != expected[i - 1].chapter) starts.emplace_back(expected[i].chapter, i);
    EXPECT_EQ(body.marks, starts);
    for (const auto& [chapter, at] : starts) {
        EXPECT_EQ(expected[at].verse, 1);
        if (isPortion) ++tally.portionChapterStarts[expected[at].ref];
    }
    if (isPortion && !expected.empty() && expected[0].verse == 1) ++tally.portionChapterStarts[expected[0].ref];
}

void ExpectRange(const RangeBody& body, const VerseRange& range, bool isPortion, Tally& tally) {
    const std::vector<ReferenceVerse> expected = RangeVerses(range);
    const std::vector<ReadVerse> read = CutIntoVerses(body.joined);
    ASSERT_EQ(read.size(), expected.size());
    ExpectChapterMarks(body, expected, isPortion, tally);
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].ref);
        const bool last = i + 1 == expected.size();
        int lost = 0;
        const std::u32string want =
            NormalisePointed(expected[i].text + (expected[i].paragraphEnds && !last ? U"\u00B6" : U""), &lost);
        int none = 0;
        EXPECT_EQ(read[i].number, expected[i].verse);
        EXPECT_EQ(EncodeUtf8(NormalisePointed(read[i].text, &none)), EncodeUtf8(want));
        EXPECT_EQ(none, 0);
        if (lost > 0) tally.unexpressedDagesh.insert(expected[i].ref);
        if (isPortion) ++tally.portionVerses[expected[i].ref];
    }
}

// Checks one article: its records, its ending and the verses of each range.
void ExpectArticle(const ArticleEntry& article, Tally& tally) {
    SCOPED_TRACE("article " + std::to_string(article.article));
    const Bytes text = DecodedArticle(article.article);
    ASSERT_FALSE(text.empty());
    EXPECT_LE(text.size(), 65535u);
    size_t end = 0;
    const std::vector<Record> records = SplitRecords(text, &end);
    ASSERT_GE(records.size(), 3u);
    EXPECT_EQ(Bytes(text.begin() + static_cast<long>(end) - 1, text.end()), Bytes(4, 0)) << "ending";
    EXPECT_EQ(records[0].attr, kAttrSectionHeading);
    EXPECT_EQ(records[1].attr, kAttrTitle);
    const std::u32string title = article.portion >= 0 ? U"פרשת " + article.nameHe : article.nameHe;
    EXPECT_EQ(ReadingText(records[1].text), title);
    size_t next = 0;
    for (const VerseRange& range : article.ranges) {
        SCOPED_TRACE(range.start);
        ASSERT_LT(next, records.size());
        ASSERT_EQ(records[next].attr, kAttrSectionHeading);
        ExpectHeading(ReadingText(records[next].text), range, RangeVerses(range));
        next += next == 0 ? 2 : 1;
        ExpectRange(ReadRangeBody(records, next), range, article.portion >= 0, tally);
    }
    EXPECT_EQ(next, records.size());
    for (const Record& record : records) EXPECT_EQ(record.layout, 0);
}

}  // namespace

TEST(Library, EveryVerseReadsBackAsTheCodexHasIt) {
    ASSERT_EQ(Reference().articles.size(), 57u);
    Tally tally;
    for (const ArticleEntry& article : Reference().articles) ExpectArticle(article, tally);

    // The weekly portions hold every verse of the five books exactly once.
    size_t codexVerses = 0;
    for (const auto& [book, verses] : Reference().codex) {
        codexVerses += verses.size();
        for (const ReferenceVerse& verse : verses) EXPECT_EQ(tally.portionVerses[verse.ref], 1) << verse.ref;
    }
    EXPECT_EQ(tally.portionVerses.size(), codexVerses);
    EXPECT_EQ(codexVerses, 5853u);
    // The only marks lost: the two alefs with dagesh of the Codex's Torah.
    EXPECT_EQ(tally.unexpressedDagesh, (std::set<std::string>{"Gen.43.26", "Lev.23.17"}));

    // Every chapter starts once in the weekly portions: with its mark, or
    // opening a portion, whose heading names it.
    std::map<std::string, int> chapterStarts;
    for (const auto& [book, verses] : Reference().codex)
        for (const ReferenceVerse& verse : verses)
            if (verse.verse == 1) chapterStarts[verse.ref] = 1;
    EXPECT_EQ(tally.portionChapterStarts, chapterStarts);
    EXPECT_EQ(chapterStarts.size(), 187u);
}
