// The built verse map against the portion table, the Codex and the built
// texts: every verse of the five books leads to the weekly portion whose range
// holds it, and every verse's bytes read back as the Codex has the verse.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <tuple>

#include "store/hebrew_numerals.h"
#include "store/verse_lookup.h"
#include "store/level_text.h"
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

// The weekly portion whose range holds a verse, by the portion table.
int PortionHolding(const std::string& ref) {
    static const std::map<std::string, int> portions = [] {
        std::map<std::string, int> byRef;
        for (const ArticleEntry& article : Reference().articles)
            for (const VerseRange& range : article.ranges)
                for (const ReferenceVerse& verse : RangeVerses(range))
                    if (article.portion >= 0) byRef[verse.ref] = article.article;
        return byRef;
    }();
    const auto found = portions.find(ref);
    return found == portions.end() ? 0 : found->second;
}

// The verse's bytes in reading order, its records joined by pilcrows.
std::u32string VerseText(const Bytes& text, const std::vector<VerseEntry>& verses, size_t i) {
    std::u32string read;
    for (const TextSpan& span : VerseSpans(text, verses, i, i)) {
        if (!read.empty()) read += U'\u00B6';
        read += ReadingText(Bytes(text.begin() + span.start, text.begin() + span.end));
    }
    return read;
}

// The same with every mark: the codes' and the marks layer's.
std::u32string VerseTextWithMarks(const Bytes& text, const MarkLayer& layer, const std::vector<VerseEntry>& verses,
                                  size_t i) {
    std::u16string read;
    for (const TextSpan& span : VerseSpans(text, verses, i, i)) {
        if (!read.empty()) read += u'\u00B6';
        AppendTextAtLevel(text, span.start, span.end - span.start, true, TextLevel::kCantillation, &layer, read);
    }
    return std::u32string(read.begin(), read.end());
}

// The Codex's verse with the marks the program documents as changed: holam
// haser for vav as holam, no dagesh in alef.
std::u32string WithDocumentedChanges(std::u32string verse) {
    std::replace(verse.begin(), verse.end(), U'\u05BA', U'\u05B9');
    for (size_t at = 0; (at = verse.find(U"\u05D0\u05BC", at)) != std::u32string::npos;) verse.erase(at + 1, 1);
    return verse;
}

std::u32string Label(int verse) {
    const std::u16string letters = HebrewNumeral(verse);
    return U"(" + std::u32string(letters.begin(), letters.end()) + U") ";
}

}  // namespace

// Each article's verses, in order, with the positions of their bytes; each
// verse of a weekly portion is found there, those of the further passages in
// some weekly portion. With its marks layer every verse reads back letter by
// letter and mark by mark as the Codex has it, in the Codex's order, nothing
// normalised.
TEST(LibraryVerses, EveryVerseLeadsToItsWeeklyPortionAndItsBytes) {
    size_t found = 0;
    for (const ArticleEntry& article : Reference().articles) {
        SCOPED_TRACE("article " + std::to_string(article.article));
        const Bytes text = DecodedArticle(article.article);
        int error = -1;
        const std::string marks = "/marks_" + std::to_string(2000 + article.article) + ".bin";
        const Bytes layerBytes = DecodeBlock(ReadFileBytes(VELMORA_GENERATED_DIR + marks), &error);
        MarkLayer layer;
        ASSERT_TRUE(ReadMarkLayer(text, text.size(), layerBytes.data(), layerBytes.size(), layer));
        const std::vector<VerseEntry>& verses = BuiltMap().articles[article.article];
        size_t i = 0;
        for (const VerseRange& range : article.ranges) {
            for (const ReferenceVerse& expected : RangeVerses(range)) {
                SCOPED_TRACE(expected.ref);
                ASSERT_LT(i, verses.size());
                const VerseEntry& verse = verses[i];
                EXPECT_EQ(std::make_tuple(int{verse.book}, int{verse.chapter}, int{verse.verse}),
                          std::make_tuple(BookNumber(range.book), expected.chapter, expected.verse));
                int lost = 0;
                EXPECT_EQ(EncodeUtf8(NormalisePointed(VerseText(text, verses, i), &lost)),
                          EncodeUtf8(NormalisePointed(Label(expected.verse) + expected.text, &lost)));
                EXPECT_EQ(EncodeUtf8(VerseTextWithMarks(text, layer, verses, i)),
                          EncodeUtf8(WithDocumentedChanges(Label(expected.verse) + expected.text)));
                EXPECT_EQ(VerseAt(text, verses, verse.first), static_cast<int>(i));
                EXPECT_EQ(VerseAt(text, verses, verse.last), static_cast<int>(i));
                const VersePlace place = FindVerse(BuiltMap(), {verse.book, verse.chapter, verse.verse});
                EXPECT_EQ(place.article, PortionHolding(expected.ref));
                if (article.portion >= 0) {
                    EXPECT_EQ(place.index, i);
                    ++found;
                }
                ++i;
            }
        }
        EXPECT_EQ(i, verses.size());
    }
    EXPECT_EQ(found, 5853u);
}

// Typed references go to the portion that holds the verse in the Codex's
// numbering, a range to the portion that holds all of it; what does not exist
// is answered with what does. The Hebrew book names are the books table's.
TEST(LibraryVerses, TypedReferencesFindTheirPortion) {
    const struct {
        const char16_t* typed;
        int article;
        size_t first, last;  // for a found article
        const char16_t* message;
    } cases[] = {
        {u"Gen 42:5", 10, 0, 0, u""}, {u"בראשית מב ה", 10, 0, 0, u""}, {u"Exod 20:26", 17, 0, 0, u""},
        {u"Num 30:1", 41, 0, 0, u""}, {u"Num 30:2", 42, 0, 0, u""}, {u"Deut 34:12", 54, 0, 0, u""},
        {u"Gen 1:1-3", 1, 0, 2, u""}, {u"Gen 1", 1, 0, 0, u""},
        {u"Gen 51:1", 0, 0, 0, u"Genesis has 50 chapters."},
        {u"Gen 42:99", 0, 0, 0, u"Genesis 42 has 38 verses."},
        {u"Gen 1:32", 0, 0, 0, u"Genesis 1 has 31 verses."},
        {u"Exod 41:1", 0, 0, 0, u"Exodus has 40 chapters."},
        {u"Josh 1:1", 0, 0, 0, u"Only the five books of the Torah are here."},
        {u"Gen 1:3-1", 0, 0, 0, u"The range ends before it begins."},
        {u"Gen 6:5-12", 0, 0, 0, u"That range runs on into the next weekly portion."},
        {u"verse", 0, 0, 0, u"Type a book, a chapter and a verse, as Gen 42:5."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        const VerseLookup lookup = LookUpReference(BuiltMap(), c.typed);
        EXPECT_EQ(lookup.article, c.article);
        EXPECT_EQ(LookupMessage(lookup), c.message);
        if (c.article == 0 || c.last == 0) continue;
        EXPECT_EQ(std::tie(lookup.first, lookup.last), std::tie(c.first, c.last));
        EXPECT_TRUE(lookup.range);
    }
    ASSERT_EQ(Reference().books.size(), size_t(kTorahBookCount));
    for (int book = 1; book <= kTorahBookCount; ++book) {
        const std::u16string_view name = HebrewBookName(book);
        EXPECT_EQ(std::u32string(name.begin(), name.end()), Reference().books[book - 1].nameHe);
    }
}
