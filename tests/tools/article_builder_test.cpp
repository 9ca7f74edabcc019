// The article builder on a small book: where body records end and chapters are
// marked, and the articles it refuses to build. The built library's articles
// are read back against the Codex in library_round_trip_test.cpp.
#include "tools/library/article_builder.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "store/article_text.h"
#include "tools/library/hebrew_encoder.h"

namespace {

using Bytes = std::vector<uint8_t>;

CodexToken Word(std::u32string text) { return {CodexTokenKind::kWord, std::move(text)}; }
CodexToken Mark(CodexTokenKind kind) { return {kind, {}}; }

CodexVerse Verse(int chapter, int verse, std::vector<CodexToken> tokens) {
    return {"Gen." + std::to_string(chapter) + "." + std::to_string(verse), chapter, verse, 0, std::move(tokens)};
}

Bytes Codes(std::u32string_view text) {
    DropReport report;
    return EncodePlainHebrew(text, "test", report);
}

// Four verses: a maqaf pair with an open paragraph after verse 1, a paseq and
// a closed paragraph in the middle of verse 2, verse 2:15 (a new chapter inside
// that paragraph) with a nun hafukha and a closed paragraph, and 3:1.
CodexBook SmallBook() {
    using K = CodexTokenKind;
    CodexBook book{"Gen", {}};
    book.verses.push_back(Verse(1, 1, {Word(U"א"), Mark(K::kMaqaf), Word(U"ב"), Mark(K::kSofPasuq), Mark(K::kOpenParagraph)}));
    book.verses.push_back(Verse(1, 2, {Word(U"ג"), Mark(K::kPaseq), Word(U"ד"), Mark(K::kClosedParagraph), Word(U"ה"),
                                       Mark(K::kSofPasuq)}));
    book.verses.push_back(Verse(2, 15, {Word(U"ו"), Word(U"ז"), Mark(K::kSofPasuq), Mark(K::kReversedNun),
                                        Mark(K::kClosedParagraph)}));
    book.verses.push_back(Verse(3, 1, {Word(U"ח"), Mark(K::kSofPasuq)}));
    return book;
}

}  // namespace

// A chapter that begins inside the range is marked; one that opens it is not.
TEST(ArticleBuilder, RecordsEndAtParagraphMarksChapterStartsAndTheRangeEnd) {
    const struct {
        const char* name;
        int first, last;
        std::vector<BodyRecord> records;
    } cases[] = {
        {"whole book", 0, 3,
         {{kAttrBody, Codes(U"(א) א-ב:")}, {kAttrBody, Codes(U"(ב) ג | ד")}, {kAttrBodyRunsOn, Codes(U"ה:")},
          {kAttrChapterMark, Codes(U"פרק ב")}, {kAttrBody, Codes(U"(טו) ו ז:")},
          {kAttrChapterMark, Codes(U"פרק ג")}, {kAttrBody, Codes(U"(א) ח:")}}},
        {"from a chapter's first verse", 3, 3, {{kAttrBody, Codes(U"(א) ח:")}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DropReport report;
        const std::vector<BodyRecord> records = BodyOfRange(SmallBook(), c.first, c.last, report).records;
        ASSERT_EQ(records.size(), c.records.size());
        for (size_t i = 0; i < records.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(records[i].attr, c.records[i].attr);
            EXPECT_EQ(records[i].codes, c.records[i].codes);
        }
    }
    DropReport report;
    BodyOfRange(SmallBook(), 0, 2, report);
    EXPECT_EQ(report.droppedMarks["nun hafukha (U+05C6)"], 1);
}

TEST(ArticleBuilder, BadRangesAndCountsAreRefused) {
    const std::vector<BookEntry> books = {{"Gen", U"בראשית", 1, 1, 1}};
    const Codex codex = {{"Gen", SmallBook()}};
    const struct {
        const char* name;
        ArticleEntry article;
    } cases[] = {
        {"unknown start", {1, 0, "x", U"נח", {{"Gen", "Gen.9.9", "Gen.2.15"}}, 3}},
        {"end before start", {1, 0, "x", U"נח", {{"Gen", "Gen.2.15", "Gen.1.1"}}, 1}},
        {"book not in the Codex", {1, 0, "x", U"נח", {{"Exod", "Exod.1.1", "Exod.1.2"}}, 2}},
        {"verse count differs", {1, 0, "x", U"נח", {{"Gen", "Gen.1.1", "Gen.2.15"}}, 4}},
        {"no range", {1, 0, "x", U"נח", {}, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DropReport report;
        EXPECT_THROW(BuildArticle(c.article, books, codex, report), std::runtime_error);
    }
}

TEST(ArticleBuilder, TextBeyondSixteenBitsIsRefused) {
    CodexBook book{"Gen", {}};
    const std::u32string word(200, U'א');
    for (int v = 1; v <= 400; ++v) book.verses.push_back(Verse(1, v, {Word(word)}));
    const std::vector<BookEntry> books = {{"Gen", U"בראשית", 1, 1, 1}};
    const Codex codex = {{"Gen", book}};
    DropReport report;
    const ArticleEntry fits{1, 0, "x", U"נח", {{"Gen", "Gen.1.1", "Gen.1.300"}}, 300};
    EXPECT_LE(BuildArticle(fits, books, codex, report).text.size(), kMaxArticleTextSize);
    const ArticleEntry tooLong{1, 0, "x", U"נח", {{"Gen", "Gen.1.1", "Gen.1.400"}}, 400};
    EXPECT_THROW(BuildArticle(tooLong, books, codex, report), std::runtime_error);
}
