// The search over the library the build made from the Codex: hit counts of a
// few words against counts taken from the records' reading text, and the
// order in which repeated searches walk the library.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/hebrew_typing.h"
#include "dialogs/search_walk.h"
#include "tests/tools/library_reference.h"
#include "tests/view/view_test_support.h"

namespace {

// An article as the decoder delivers it: its text, the end zero and a spare byte.
ArticleText LoadArticle(int article) {
    int error = -1;
    Bytes text = DecodeBlock(ReadFileBytes(VELMORA_GENERATED_DIR "/article_" + std::to_string(1000 + article) + ".bin"),
                             &error);
    if (!text.empty()) text.insert(text.end(), {0, 0});
    return text;
}

const std::vector<ArticleText>& Library() {
    static const std::vector<ArticleText> library = [] {
        std::vector<ArticleText> articles(58);
        for (int n = 1; n <= 57; ++n) articles[n] = LoadArticle(n);
        return articles;
    }();
    return library;
}

bool IsDroppedMark(char32_t c) { return c >= 0x0591 && c <= 0x05C7 && c != 0x05BE && c != 0x05C0 && c != 0x05C3; }

// The records' reading text with the points and dots taken out, per article.
const std::vector<std::vector<std::u32string>>& PlainRecords() {
    static const std::vector<std::vector<std::u32string>> plain = [] {
        std::vector<std::vector<std::u32string>> articles(58);
        for (int n = 1; n <= 57; ++n) {
            const ArticleText& text = Library()[n];
            size_t end = 0;
            for (const Record& record : SplitRecords(Bytes(text.begin(), text.end() - 2), &end)) {
                int dagesh = 0;
                std::u32string letters;
                for (char32_t c : NormalisePointed(ReadingText(record.text), &dagesh))
                    if (!IsDroppedMark(c)) letters += c;
                articles[n].push_back(std::move(letters));
            }
        }
        return articles;
    }();
    return plain;
}

// Occurrences of a word of plain letters in an article's reading text: what
// the search should find.
int CountInReadingText(int article, const std::u32string& word) {
    int count = 0;
    for (const std::u32string& letters : PlainRecords()[article])
        for (size_t at = letters.find(word); at != std::u32string::npos; at = letters.find(word, at + word.size()))
            ++count;
    return count;
}

// The stored search text for a word as the dialog's edit shows it (visual order).
std::string Pattern(const std::u32string& word) {
    std::u16string shown(word.rbegin(), word.rend());
    return StoreSearchText(shown.data(), shown.size(), 0x5D0, 33);
}

const uint8_t* Bytes8(const std::string& s) { return reinterpret_cast<const uint8_t*>(s.data()); }

// Hits of one article in reading order, each search going on after the last.
std::vector<unsigned> HitsInArticle(const ArticleText& text, const std::string& pattern) {
    std::vector<unsigned> hits;
    for (TextHit hit = FindInText(text, {}, Bytes8(pattern), pattern.size()); hit.offset != 0;) {
        hits.push_back(hit.offset);
        hit = FindInText(text, PositionAfterHit(text, hit.offset - hit.length + 1), Bytes8(pattern), pattern.size());
    }
    return hits;
}

}  // namespace

// Kaf and final kaf are different letters; letters with dagesh are found by
// their plain letters (bet, kaf and pe mostly carry one).
TEST(LibrarySearch, HitCountsMatchTheReadingText) {
    const std::u32string words[] = {U"משה", U"אהרן", U"בני", U"לך", U"לכ", U"ארץ", U"כדמותנו", U"פני"};
    for (const std::u32string& word : words) {
        const std::string pattern = Pattern(word);
        int total = 0;
        for (int n = 1; n <= 57; ++n) {
            SCOPED_TRACE(testing::Message() << "word " << word.size() << " letters, article " << n);
            const int expected = CountInReadingText(n, word);
            EXPECT_EQ(static_cast<int>(HitsInArticle(Library()[n], pattern).size()), expected);
            total += expected;
        }
        EXPECT_GT(total, 0);
    }
}

// Search Again from article 50's top: every hit of 50 in reading order, then
// 51 .. 57, 1 .. 49, then 50's first hit again; the view lays each hit's
// article out and brings the hit to the top as the program does.
TEST(LibrarySearch, RepeatedSearchWalksTheLibraryInOrder) {
    for (const std::u32string& word : {std::u32string(U"אהרן"), std::u32string(U"כדמותנו")}) {
        const std::string pattern = Pattern(word);
        std::vector<std::pair<int, unsigned>> expected;
        for (int step = 0; step < 57; ++step) {
            const int n = (49 + step) % 57 + 1;
            for (unsigned offset : HitsInArticle(Library()[n], pattern)) expected.emplace_back(n, offset);
        }
        ASSERT_FALSE(expected.empty());
        expected.push_back(expected.front());

        ViewState view = MakeView(0, 0, 600, 400);
        FakeMeasurer measurer;
        uint16_t lesson = 50;
        ASSERT_EQ(LayoutArticle(&view, measurer, ArticleText(Library()[50]), true), 0);
        std::vector<std::pair<int, unsigned>> walked;
        while (walked.size() < expected.size()) {
            LibraryHit found = FindNextHit(&view, lesson, Bytes8(pattern), pattern.size(),
                                           [](int n) { return ArticleText(Library()[n]); });
            ASSERT_TRUE(found.found);
            if (found.article != 0) {
                ASSERT_EQ(LayoutArticle(&view, measurer, std::move(found.text), true), 0);
                lesson = found.article;
            }
            FindRowForOffset(view, found.hit.offset);
            view.highlightStart = static_cast<uint16_t>(found.hit.offset - found.hit.length + 1);
            view.highlightEnd = static_cast<uint16_t>(found.hit.offset + 1);
            walked.emplace_back(lesson, found.hit.offset);
        }
        EXPECT_EQ(walked, expected);
    }
}

TEST(LibrarySearch, ASingleHitInTheLibraryIsFoundAgainEachTime) {
    const std::u32string word = U"כדמותנו";
    int total = 0;
    for (int n = 1; n <= 57; ++n) total += CountInReadingText(n, word);
    ASSERT_EQ(total, 1);
    const std::string pattern = Pattern(word);
    ViewState view = MakeView(0, 0, 600, 400);
    FakeMeasurer measurer;
    ASSERT_EQ(LayoutArticle(&view, measurer, ArticleText(Library()[1]), true), 0);
    view.topRow = 30;  // below the hit: the search wraps through the library back to it
    unsigned first = 0;
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const LibraryHit found = FindNextHit(&view, 1, Bytes8(pattern), pattern.size(),
                                             [](int n) { return ArticleText(Library()[n]); });
        ASSERT_TRUE(found.found);
        EXPECT_EQ(found.article, 0);
        EXPECT_GE(found.hit.length, 7);
        if (i == 0) first = found.hit.offset;
        EXPECT_EQ(found.hit.offset, first);
        view.highlightStart = static_cast<uint16_t>(found.hit.offset - found.hit.length + 1);
        view.highlightEnd = static_cast<uint16_t>(found.hit.offset + 1);
        FindRowForOffset(view, found.hit.offset);
    }
}
