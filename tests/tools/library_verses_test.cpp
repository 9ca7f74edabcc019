// The built verse map against the portion table, the Codex and the built
// texts: every verse of the five books leads to the weekly portion whose range
// holds it, and every verse's bytes read back as the Codex has the verse.
#include <gtest/gtest.h>

#include "store/article_text.h"
#include "store/hebrew_numerals.h"
#include "store/verse_map.h"
#include "store/verse_reference.h"
#include "tests/tools/library_reference.h"
#include "tools/library/utf8.h"

namespace {

const VerseMap& BuiltMap() {
    static const VerseMap map = [] {
        int error = -1;
        const Bytes decoded = DecodeBlock(ReadFileBytes(VELMORA_GENERATED_DIR "/verses_32766.bin"), &error);
        VerseMap read;
        EXPECT_TRUE(ReadVerseMap(decoded.data(), decoded.size(), read));
        return read;
    }();
    return map;
}

int BookNumber(const std::string& book) {
    const std::vector<BookEntry>& books = Reference().books;
    for (size_t i = 0; i < books.size(); ++i)
        if (books[i].book == book) return static_cast<int>(i) + 1;
    return 0;
}

// An article as the decoder delivers it, with its zero and spare byte.
ArticleText LoadedArticle(int article) {
    Bytes text = DecodedArticle(article);
    text.insert(text.end(), {0, 0});
    return text;
}

// The verse's bytes in reading order, its records joined by pilcrows.
std::u32string VerseText(const ArticleText& text, const std::vector<VerseEntry>& verses, size_t i) {
    std::u32string read;
    for (const TextSpan& span : VerseSpans(text, verses, i, i)) {
        if (!read.empty()) read += U'\u00B6';
        read += ReadingText(Bytes(text.begin() + span.start, text.begin() + span.end));
    }
    return read;
}

std::u32string Label(int verse) {
    const std::u16string letters = HebrewNumeral(verse);
    return U"(" + std::u32string(letters.begin(), letters.end()) + U") ";
}

}  // namespace

TEST(LibraryVerses, EveryVerseOfTheFiveBooksLeadsToItsWeeklyPortion) {
    size_t found = 0;
    for (const ArticleEntry& article : Reference().articles) {
        SCOPED_TRACE("article " + std::to_string(article.article));
        std::vector<VerseEntry> expected;
        for (const VerseRange& range : article.ranges)
            for (const ReferenceVerse& verse : RangeVerses(range))
                expected.push_back({uint8_t(BookNumber(range.book)), uint8_t(verse.chapter), uint8_t(verse.verse), 0, 0});
        const std::vector<VerseEntry>& mapped = BuiltMap().articles[article.article];
        ASSERT_EQ(mapped.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            const VerseEntry& verse = mapped[i];
            EXPECT_EQ(std::tie(verse.book, verse.chapter, verse.verse),
                      std::tie(expected[i].book, expected[i].chapter, expected[i].verse));
            const VersePlace place = FindVerse(BuiltMap(), {verse.book, verse.chapter, verse.verse});
            if (article.portion < 0) {
                // The further passages are looked up in the weekly portions.
                EXPECT_TRUE(place.article >= 1 && place.article <= kWeeklyPortionArticles) << place.article;
                continue;
            }
            EXPECT_EQ(place.article, article.article);
            EXPECT_EQ(place.index, i);
            ++found;
        }
    }
    EXPECT_EQ(found, 5853u);
}

// Typed references go to the portion that holds the verse in the Codex's
// numbering, or nowhere; the Hebrew book names are the books table's.
TEST(LibraryVerses, TypedReferencesFindTheirPortion) {
    const struct {
        const char16_t* typed;
        int article;
    } cases[] = {
        {u"Gen 42:5", 10},   {u"בראשית מב ה", 10}, {u"Exod 20:26", 17}, {u"Num 30:1", 41}, {u"Num 30:2", 42},
        {u"Deut 34:12", 54}, {u"Gen 51:1", 0},      {u"Gen 42:99", 0},   {u"Exod 41:1", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.article);
        VerseReference reference;
        ASSERT_TRUE(ParseVerseReference(c.typed, reference));
        EXPECT_EQ(FindVerse(BuiltMap(), reference).article, c.article);
    }
    ASSERT_EQ(Reference().books.size(), size_t(kTorahBookCount));
    for (int book = 1; book <= kTorahBookCount; ++book) {
        const std::u16string_view name = HebrewBookName(book);
        EXPECT_EQ(std::u32string(name.begin(), name.end()), Reference().books[book - 1].nameHe);
    }
}

TEST(LibraryVerses, EveryVerseReadsBackFromItsPlaceInTheText) {
    for (const ArticleEntry& article : Reference().articles) {
        SCOPED_TRACE("article " + std::to_string(article.article));
        const ArticleText text = LoadedArticle(article.article);
        const std::vector<VerseEntry>& verses = BuiltMap().articles[article.article];
        size_t i = 0;
        for (const VerseRange& range : article.ranges) {
            for (const ReferenceVerse& verse : RangeVerses(range)) {
                SCOPED_TRACE(verse.ref);
                ASSERT_LT(i, verses.size());
                int lost = 0;
                EXPECT_EQ(EncodeUtf8(NormalisePointed(VerseText(text, verses, i), &lost)),
                          EncodeUtf8(NormalisePointed(Label(verse.verse) + verse.text, &lost)));
                EXPECT_EQ(VerseAt(text, verses, verses[i].first), static_cast<int>(i));
                EXPECT_EQ(VerseAt(text, verses, verses[i].last), static_cast<int>(i));
                ++i;
            }
        }
    }
}

// Headings, the title and chapter marks belong to no verse.
TEST(LibraryVerses, RecordsOtherThanTheBodyHoldNoVerse) {
    for (int article = 1; article <= kArticleCount; ++article) {
        SCOPED_TRACE(article);
        const ArticleText text = LoadedArticle(article);
        const std::vector<VerseEntry>& verses = BuiltMap().articles[article];
        size_t end = 0;
        size_t at = 0;
        for (const Record& record : SplitRecords(Bytes(text.begin(), text.end() - 2), &end)) {
            const bool body = record.attr == kAttrBody || record.attr == kAttrBodyRunsOn;
            for (size_t k = 0; k < record.text.size() && !body; ++k) EXPECT_EQ(VerseAt(text, verses, at + 2 + k), -1);
            at += record.text.size() + 3;
        }
        EXPECT_EQ(at, end);
    }
}
