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

// Three verses: a maqaf pair with an open paragraph after verse 1, a paseq and
// a closed paragraph in the middle of verse 2, and verse 3 with a nun hafukha.
CodexBook SmallBook() {
    using K = CodexTokenKind;
    CodexBook book{"Gen", {}};
    book.verses.push_back(Verse(1, 1, {Word(U"א"), Mark(K::kMaqaf), Word(U"ב"), Mark(K::kSofPasuq), Mark(K::kOpenParagraph)}));
    book.verses.push_back(Verse(1, 2, {Word(U"ג"), Mark(K::kPaseq), Word(U"ד"), Mark(K::kClosedParagraph), Word(U"ה"),
                                       Mark(K::kSofPasuq)}));
    book.verses.push_back(Verse(2, 15, {Word(U"ו"), Word(U"ז"), Mark(K::kSofPasuq), Mark(K::kReversedNun),
                                        Mark(K::kClosedParagraph)}));
    return book;
}

// Splits article text into (attribute, stored text) records; checks the layout
// bytes and the ending on the way.
std::vector<std::pair<uint8_t, Bytes>> Records(const Bytes& text) {
    std::vector<std::pair<uint8_t, Bytes>> records;
    size_t i = 0;
    while (i < text.size() && text[i] != 0) {
        EXPECT_EQ(text.at(i + 1), 0) << "layout byte";
        size_t end = i + 2;
        while (text.at(end) != 0) ++end;
        records.push_back({text[i], Bytes(text.begin() + static_cast<long>(i) + 2, text.begin() + static_cast<long>(end))});
        i = end + 1;
    }
    EXPECT_EQ(text.size(), i + 3) << "end marker and two spare zeros";
    return records;
}

}  // namespace

TEST(ArticleBuilder, ParagraphsEndAtEveryParagraphMarkAndAtTheRangeEnd) {
    DropReport report;
    const std::vector<Bytes> paragraphs = BodyParagraphs(SmallBook(), 0, 2, report);
    ASSERT_EQ(paragraphs.size(), 3u);
    EXPECT_EQ(paragraphs[0], Codes(U"(א) א-ב:"));
    EXPECT_EQ(paragraphs[1], Codes(U"(ב) ג | ד"));
    EXPECT_EQ(paragraphs[2], Codes(U"ה: (טו) ו ז:"));
    EXPECT_EQ(report.droppedMarks["nun hafukha (U+05C6)"], 1);
}

TEST(ArticleBuilder, PartOfAParagraphIsItsOwnRecord) {
    DropReport report;
    const std::vector<Bytes> paragraphs = BodyParagraphs(SmallBook(), 2, 2, report);
    ASSERT_EQ(paragraphs.size(), 1u);
    EXPECT_EQ(paragraphs[0], Codes(U"(טו) ו ז:"));
}

TEST(ArticleBuilder, ArticleHasHeadingTitleBodyAndEnd) {
    const std::vector<BookEntry> books = {{"Gen", U"בראשית", 1, 1, 1}};
    const Codex codex = {{"Gen", SmallBook()}};
    ArticleEntry portion{1, 0, "Test", U"נח", {{"Gen", "Gen.1.1", "Gen.2.15"}}, 3};
    DropReport report;
    const auto records = Records(BuildArticleText(portion, books, codex, report));
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[0], std::make_pair(kAttrSectionHeading, ToVisualOrder(Codes(U"בראשית א א - ב טו"))));
    EXPECT_EQ(records[1], std::make_pair(kAttrTitle, ToVisualOrder(Codes(U"פרשת נח"))));
    for (size_t i = 2; i < records.size(); ++i) EXPECT_EQ(records[i].first, kAttrBody);
    EXPECT_EQ(records[2].second, ToVisualOrder(Codes(U"(א) א-ב:")));
}

TEST(ArticleBuilder, SeveralRangesEachGetAHeadingAndTheTitleComesOnce) {
    const std::vector<BookEntry> books = {{"Gen", U"בראשית", 1, 1, 1}};
    const Codex codex = {{"Gen", SmallBook()}};
    ArticleEntry passage{55, -1, "Test", U"שם", {{"Gen", "Gen.2.15", "Gen.2.15"}, {"Gen", "Gen.1.1", "Gen.1.1"}}, 2};
    DropReport report;
    const auto records = Records(BuildArticleText(passage, books, codex, report));
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[0], std::make_pair(kAttrSectionHeading, ToVisualOrder(Codes(U"בראשית ב טו - ב טו"))));
    EXPECT_EQ(records[1], std::make_pair(kAttrTitle, ToVisualOrder(Codes(U"שם"))));
    EXPECT_EQ(records[2], std::make_pair(kAttrBody, ToVisualOrder(Codes(U"(טו) ו ז:"))));
    EXPECT_EQ(records[3], std::make_pair(kAttrSectionHeading, ToVisualOrder(Codes(U"בראשית א א - א א"))));
    EXPECT_EQ(records[4], std::make_pair(kAttrBody, ToVisualOrder(Codes(U"(א) א-ב:"))));
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
        EXPECT_THROW(BuildArticleText(c.article, books, codex, report), std::runtime_error);
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
    EXPECT_LE(BuildArticleText(fits, books, codex, report).size(), kMaxArticleTextSize);
    const ArticleEntry tooLong{1, 0, "x", U"נח", {{"Gen", "Gen.1.1", "Gen.1.400"}}, 400};
    EXPECT_THROW(BuildArticleText(tooLong, books, codex, report), std::runtime_error);
}
