#include "dialogs/search_walk.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/view/view_test_support.h"

namespace {

constexpr uint8_t kLine = 0x31, kLineGap = 0xB1;

// Four one-row records "ab" (with a gap row after it), "cd", "ef", "gh": record
// i's text at 5i + 2 (its lowest byte, the last read) and 5i + 3, its zero at
// 5i + 4. Two rows fit, so the row numbers are 0 (gap 1), 2, 3, 4 and maxRow 3.
ViewState FourRows() {
    return LaidOut(Article({{kLineGap, 0, "ab"}, {kLine, 0, "cd"}, {kLine, 0, "ef"}, {kLine, 0, "gh"}}), 0, 0, 200,
                   2 * FakeMeasurer::kRowHeight);
}

}  // namespace

TEST(SearchWalk, StartOffsetFollowsTheTopRowAndTheLastHit) {
    // Places as (record, bytes of it still to read); records at 0, 5, 10, 15, the end at 20.
    constexpr size_t kWhole = kWholeRecord;
    const struct { const char* label; uint16_t topRow, start, end; SearchPosition want; } cases[] = {
        {"no hit: the top row's first byte", 0, 0, 0, {0, 2}},
        {"top row on a gap row: the row after it", 1, 0, 0, {5, 2}},
        {"hit on the top row: the byte after it", 2, 8, 9, {5, 1}},
        {"hit ends the top row: the next row", 2, 7, 9, {10, kWhole}},
        {"scrolled away from the hit: the top row", 0, 17, 18, {0, 2}},
        {"cannot scroll to the hit: after it", 3, 18, 19, {15, 1}},
        {"hit ends its record, below the top row: the next record", 3, 17, 18, {20, kWhole}},
        {"hit ends the last row: nothing more here", 4, 17, 19, {20, kWhole}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        ViewState view = FourRows();
        ASSERT_EQ(view.maxRow, 3);
        view.topRow = c.topRow;
        view.highlightStart = c.start;
        view.highlightEnd = c.end;
        const SearchPosition got = SearchStartOffset(view);
        EXPECT_EQ(got.record, c.want.record);
        EXPECT_EQ(got.remaining, c.want.remaining);
    }
}

// Repeated searches go on after each hit instead of finding it again: a hit
// that is the last word of its paragraph, and a hit that ends a row inside a
// word too wide for the view (its next row continues without a space).
TEST(SearchWalk, AHitIsNotFoundAgain) {
    const struct {
        const char* label;
        std::vector<Rec> records;
        int width;
        const char* pattern;
        std::vector<unsigned> want;
    } cases[] = {
        {"last word of its record", {{kLine, 0, "xab"}, {kLine, 0, "yab"}}, 200, "ba", {3, 9, 3}},
        {"ends a row inside a word", {{kLine, 0, "abab"}}, 2 * FakeMeasurer::kLetter, "b", {4, 2, 4}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        ViewState view = LaidOut(Article(c.records), 0, 0, c.width, 100);
        ASSERT_EQ(view.maxRow, 0);
        const auto* p = reinterpret_cast<const uint8_t*>(c.pattern);
        const size_t count = std::string(c.pattern).size();
        std::vector<unsigned> hits;
        for (int i = 0; i < 3; ++i) {
            const LibraryHit found = FindNextHit(&view, 1, p, count, [](int) { return ArticleText{}; });
            ASSERT_TRUE(found.found);
            hits.push_back(found.hit.offset);
            view.highlightStart = static_cast<uint16_t>(found.hit.offset - found.hit.length + 1);
            view.highlightEnd = static_cast<uint16_t>(found.hit.offset + 1);
        }
        EXPECT_EQ(hits, c.want);
    }
}

TEST(SearchWalk, OtherArticlesVisitEachOnceWrapping) {
    const struct { uint16_t lesson; uint16_t first, last; } cases[] = {
        {5, 6, 4}, {1, 2, 57}, {57, 1, 56}, {0, 1, 57}, {70, 1, 57},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lesson);
        const std::vector<uint16_t> order = OtherArticles(c.lesson);
        const bool known = c.lesson >= 1 && c.lesson <= 57;
        ASSERT_EQ(order.size(), known ? 56u : 57u);
        EXPECT_EQ(order.front(), c.first);
        EXPECT_EQ(order.back(), c.last);
        for (size_t i = 1; i < order.size(); ++i) EXPECT_EQ(order[i], order[i - 1] % 57 + 1);
    }
}

// Another article's hit comes with its text; unloadable articles are skipped;
// the shown article is searched from its beginning last.
TEST(SearchWalk, SearchesTheOtherArticlesThenTheShownOneFromItsStart) {
    ViewState view = LaidOut(Article({{kLine, 0, "ab"}, {kLine, 0, "cd"}}), 0, 0, 200, 100);
    view.topRow = 1;
    std::vector<int> loaded;
    const auto load = [&loaded](int n) {
        loaded.push_back(n);
        if (n == 2) return ArticleText{};
        return Article({{kLine, 0, n == 3 ? "xyz" : "ef"}}).Build();
    };
    const std::string y = "y";
    const LibraryHit other = FindNextHit(&view, 56, reinterpret_cast<const uint8_t*>(y.data()), 1, load);
    EXPECT_EQ(loaded, (std::vector<int>{57, 1, 2, 3}));
    ASSERT_TRUE(other.found);
    EXPECT_EQ(other.article, 3);
    EXPECT_EQ(other.hit.offset, 3u);
    EXPECT_FALSE(other.text.empty());

    loaded.clear();
    const std::string a = "a";
    const LibraryHit own = FindNextHit(&view, 70, reinterpret_cast<const uint8_t*>(a.data()), 1, load);
    EXPECT_EQ(loaded.size(), 57u);
    ASSERT_TRUE(own.found);
    EXPECT_EQ(own.article, 0);
    EXPECT_EQ(own.hit.offset, 3u);
}
