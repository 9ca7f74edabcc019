#include "view/layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "tests/view/view_test_support.h"

namespace {

constexpr uint8_t kLeft = 0x01, kRight = 0x21, kCentre = 0x41;
constexpr uint8_t kRtl = 0x10, kGap = 0x80;

struct Row {
    std::string text;  // the row's bytes in reading order
    int x, width, indent;
    bool operator==(const Row&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Row& r) {
    return out << '"' << r.text << "\" x " << r.x << " w " << r.width << " i " << r.indent;
}

std::vector<Row> Rows(const ViewState& view) {
    std::vector<Row> rows;
    for (int i = 0; i < view.rowCount; ++i) {
        const ViewRow& r = view.rows[i];
        std::string bytes(view.text.begin() + r.offset, view.text.begin() + r.offset + r.count);
        if (r.attr & kRtl) std::reverse(bytes.begin(), bytes.end());
        rows.push_back(Row{bytes, r.x, r.width, r.indent});
    }
    return rows;
}

}  // namespace

// One row of one record, in a box at x 7: alignment, edge offset and, on a
// hanging record (level above 0), the first word set apart in the indent; and
// the length of a rule.
TEST(Layout, PlacesARowByAlignmentEdgeAndIndent) {
    const struct { uint8_t attr, layout; int box; const char* text; int x, width, indent, count; } cases[] = {
        {kRight, 4, 200, "abc", 7 + 200 - 4 - 30, 30, 0, 3},
        {kCentre, 4, 200, "abc", 7 + 4 + (200 - 4 - 30) / 2, 30, 0, 3},
        {kLeft, 4, 200, "abc", 7 + 4, 30, 0, 3},
        {0x61, 4, 200, "abc", 7 + 4, 30, 0, 3},  // both alignment bits: left
        {kRight, 63, 50, "abc", 7 + 50 - 30, 30, 0, 3},  // an offset as wide as the box is dropped
        {kLeft, 63, 50, "abc", 7, 30, 0, 3},
        {kRight | kRtl, 9, 100, "abc", 7 + 100 - 9 - 30, 30, 0, 3},
        // Level 2, edge 3: indent (2 + 1) * 12 / 2; the row counts "cd ef" from the first word.
        {kLeft, 0x83, 100, "ab  cd ef", 7 + 3 + 18, 45, 18, 5},
        {kRight, 0x83, 100, "ab  cd ef", 7 + 100 - 21 - 45, 45, 18, 5},
        {kCentre, 0x83, 100, "ab  cd ef", 7 + 3 + (100 - 21 - 45) / 2, 45, 18, 5},
        {kLeft, 0x40, 100, " ab cd", 7 + 12, 20, 12, 2},  // the first record is never a continuation
        {0x3D, 0xC0, 300, "ab cd", 7 + 300 - 36 - 32, 32, 36, 2},  // the larger font's widest: (3 + 1) * 18 / 2
        // Rules: up to 160 a length in pixels, above it (layout - 160) * 2 per cent of the box.
        {0x07, 1, 400, "ignored", 7, 1, 0, 0},
        {0x07, 160, 400, "ignored", 7, 160, 0, 0},
        {0x47, 0xB9, 400, "ignored", 7 + 100, 200, 0, 0},  // (185 - 160) * 2 = 50 per cent, centred
        {0x27, 0xA1, 400, "ignored", 7 + 392, 8, 0, 0},    // 2 per cent, right-aligned
        {0x47, 0xFF, 400, "ignored", 7, 400, 0, 0},        // 190 per cent: cut to the box
        {0x27, 150, 100, "ignored", 7, 100, 0, 0},         // longer than the box: cut
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << int(c.attr) << " " << int(c.layout));
        const ViewState view = LaidOut(Article({{c.attr, c.layout, c.text}}), 7, 3, c.box, 100);
        ASSERT_EQ(view.rowCount, 1);
        const ViewRow& row = view.rows[0];
        EXPECT_EQ(std::tuple(row.x, row.width, row.indent, row.count), std::tuple(c.x, c.width, c.indent, c.count));
    }
}

TEST(Layout, PlacesTheRowsOfHangingAndContinuedRecords) {
    const struct { const char* label; int box; std::vector<Rec> records; std::vector<Row> rows; } cases[] = {
        // Level 1, edge 2: indent 12; the following rows line up under the text
        // after the first word, and a record stored with a leading space
        // carries that on, moved by the difference of the edges (5 - 2).
        {"hanging, continued", 100,
         {{kRight | kRtl, 0x42, "ab cdef ghij klmn"}, {kRight | kRtl, 0x45, "opq "}},
         {{"cdef ghij", 7 + 100 - 14 - 85, 85, 12}, {"klmn", 7 + 100 - 14 - 40, 40, 0},
          {"opq ", 7 + 100 - 17 - 35, 35, 0}}},
        {"the indent narrows the first row", 70,
         {{kRight | kRtl, 0x40, "ab cdef gh"}},
         {{"cdef", 7 + 70 - 12 - 40, 40, 12}, {"gh", 7 + 70 - 12 - 20, 20, 0}}},
        // Edge 63 in 50 px is dropped; 12 + 0 - 63 wraps below 0 and is dropped too.
        {"offset wraps", 50,
         {{kRight | kRtl, 0x7F, "ab cd"}, {kRight | kRtl, 0x40, "ef "}},
         {{"cd", 7 + 50 - 12 - 20, 20, 12}, {"ef ", 7 + 50 - 25, 25, 0}}},
        {"hanging record without rows lends no indent", 100,
         {{kLeft, 0x40, "   "}, {kLeft, 0, "ab cd"}},
         {{"ab cd", 7, 45, 0}}},
        // A box narrower than a letter still takes one code, with its points, a row.
        {"one code a row", 5,
         {{kLeft, 0, "a\x16" "bc"}, {kRight | kRtl, 0, "d\x17\x18" "e"}},
         {{"a\x16", 7, 10, 0}, {"b", 7, 10, 0}, {"c", 7, 10, 0}, {"d\x17\x18", 2, 10, 0}, {"e", 2, 10, 0}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(Rows(LaidOut(Article(c.records), 7, 3, c.box, 200)), c.rows);
    }
}

TEST(Layout, BreaksRowsAtSpacesAndHyphens) {
    const struct { uint8_t attr; int box; const char* text; std::vector<std::string> rows; } cases[] = {
        {kLeft, 100, "abcde fghij", {"abcde", "fghij"}},          // the cut word moves whole
        {kLeft, 100, "abc-defghij", {"abc-", "defghij"}},         // the hyphen stays on its row
        {kLeft, 100, "abcdefghijkl", {"abcdefghij", "kl"}},       // wider than the box: cut
        {kLeft, 100, "abcde   fghij  ", {"abcde  ", "fghij  "}},  // the spaces that fit stay
        {kLeft, 100, "abcdefghij kl", {"abcdefghij", "kl"}},      // stopped at a space: nothing to move
        {kLeft, 100, "abcdefghij   ", {"abcdefghij"}},            // spaces that do not fit make no row
        {kRight | kRtl, 60, "ab cde fghi jk lmnop qr st", {"ab cde", "fghi", "jk", "lmnop", "qr st"}},
        {kRight | kRtl, 60, "abc-defghij", {"abc-", "defghi", "j"}},
        {kRight | kRtl, 60, "abcdefghijklmnop q", {"abcdef", "ghijkl", "mnop q"}},
        {kRight | kRtl, 60, "ab  cd   ", {"ab  cd  "}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const ViewState view = LaidOut(Article({{c.attr, 0, c.text}}), 7, 3, c.box, 400);
        std::vector<std::string> texts;
        for (const Row& row : Rows(view)) {
            texts.push_back(row.text);
            EXPECT_LE(row.width, c.box);
            EXPECT_EQ(row.x, (c.attr & kRtl) ? 7 + c.box - row.width : 7);
        }
        EXPECT_EQ(texts, c.rows);
    }
}

// A font is selected when the style changes, never for a rule; a rule takes
// the current row height, and one of length 0 makes no row.
TEST(Layout, SelectsTheFontOfEachNewStyleAndRulesTakeTheCurrentOne) {
    ViewState view = MakeView(0, 0, 400, 400);
    FakeMeasurer measurer;
    // An empty first record is fine for a rule.
    const ArticleBuilder article =
        Article({{0x87, 0, ""}, {0x07, 10, ""}, {0x3D, 0, "ab"}, {0x87, 10, ""}, {0xB1, 0, "cd"}, {0x31, 0, "ef"}});
    ASSERT_EQ(LayoutArticle(&view, measurer, article.Build(), true), 0);
    EXPECT_EQ(measurer.selected, (std::vector<unsigned>{0x01, 0x1D, 0x11}));
    ASSERT_EQ(view.rowCount, 5);
    EXPECT_EQ(view.rows[0].height, FakeMeasurer::kRowHeight);
    EXPECT_EQ(view.rows[1].width, 2 * FakeMeasurer::kBigLetter);
    EXPECT_EQ(view.rows[2].height, FakeMeasurer::kBigRowHeight);
    EXPECT_EQ(view.rows[2].attr, 0x87);
    EXPECT_EQ(view.totalRows, 5 + 2);  // the gap rows of the rule and of "cd"

    ViewState none = LaidOut(Article({{0x07, 0, ""}}), 0, 0, 100, 100);
    EXPECT_EQ(none.rowCount, 0);
    EXPECT_EQ(ComputeMaxRow(&none), -1);
    EXPECT_EQ(none.maxRow, 0);
    EXPECT_EQ(ComputeMaxRow(nullptr), -1);
}

// Rows of 20 px in a box 100 px wide: a record's last row carries its gap
// row, the article's last row none; maxRow is the last top row from which the
// last row is fully visible.
TEST(Layout, CountsGapRowsAndFindsMaxRow) {
    const struct { const char* records; int height, totalRows, maxRow; } cases[] = {
        // g: "ab" with a gap, .: "ab", G: two rows with a gap, S: one row and
        // spaces that do not fit, with a gap.
        {"gg..", 50, 6, 4},  // A, gap, B, gap, C, D: from C two rows fit
        {"g.", 50, 3, 1},    // the gap row and the last row fit, the row above does not
        {"g.", 60, 3, 0},    // fits entirely
        {"gg..", 19, 6, 6},  // not even the last row fits
        {"...", 40, 3, 1},
        {"gg", 50, 3, 1},    // no gap after the last row
        {"g.G", 50, 5, 3},   // only the record's last row has the gap
        {"G", 400, 2, 0},    // a single paragraph: as many rows as ViewRows
        {"S.", 50, 3, 1},    // a record ending in spaces keeps its gap
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.records);
        std::vector<Rec> records;
        for (const char* r = c.records; *r; ++r) {
            const char* text = *r == 'G' ? "abcdefghij klmno" : *r == 'S' ? "abcdefghij   " : "ab";
            records.push_back(Rec{static_cast<uint8_t>(*r == '.' ? kLeft : kLeft | kGap), 0, text});
        }
        ViewState view = LaidOut(Article(records), 0, 0, 100, c.height);
        EXPECT_EQ(view.totalRows, c.totalRows);
        EXPECT_EQ(view.maxRow, c.maxRow);
        EXPECT_EQ(ComputeMaxRow(&view), c.maxRow);
    }
}

TEST(Layout, GrowsTheRowArrayBeyondItsCapacity) {
    const struct { uint16_t capacity; int records; uint16_t grown; } cases[] = {
        {0, 200, 256}, {100, 200, 228}, {0, 128, 128}, {0, 129, 256},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.records);
        const ArticleBuilder article = Article(std::vector<Rec>(c.records, Rec{kLeft, 0, "ab"}));
        ViewState view = MakeView(0, 0, 100, 100);
        if (c.capacity > 0) view.rows.assign(c.capacity + 1, ViewRow{});
        view.rowCapacity = c.capacity;
        FakeMeasurer measurer;
        ASSERT_EQ(LayoutArticle(&view, measurer, article.Build(), true), 0);
        EXPECT_EQ(view.rowCount, c.records);
        EXPECT_EQ(view.rowCapacity, c.grown);
        ASSERT_EQ(view.rows.size(), c.grown + 1u);
        EXPECT_EQ(view.rows[c.records - 1].offset, 5 * c.records - 3);  // records of 5 bytes, the text after 2
    }
}

TEST(Layout, GrowRowsStopsAtTheSixteenBitCapacity) {
    ViewState view;
    view.rows.assign(0x10000, ViewRow{1, 1, 1, 0, 1, 1, 1});
    view.rowCapacity = 0xFFFF;
    EXPECT_EQ(GrowRows(view, 5), kLayoutOutOfMemory);
    EXPECT_EQ(view.rowCapacity, 0xFFFF);
    EXPECT_EQ(view.rows[5].attr, 0);
    EXPECT_EQ(view.rows[4].attr, 1);

    view.rows.assign(0xFF81, ViewRow{1, 1, 1, 0, 1, 1, 1});
    view.rowCapacity = 0xFF80;
    EXPECT_EQ(GrowRows(view, 0xFF80), 0);
    EXPECT_EQ(view.rowCapacity, 0xFFFF);
    EXPECT_EQ(view.rows.size(), 0x10000u);
    EXPECT_EQ(view.rows[0xFF7F].attr, 1);
}

TEST(Layout, RefusedTextKeepsTheOldTextAndRows) {
    ArticleText tooLong(kMaxArticleTextSize + 1, 0);
    tooLong[0] = kLeft;
    tooLong[2] = 'a';
    const struct { const char* name; ArticleText text; } cases[] = {
        {"first attribute 0", ArticleText{0, 0, 0}},
        {"first record empty", ArticleText{kLeft, 0, 0, kLeft, 0, 'a', 0, 0}},
        {"no end zero", ArticleText{kLeft, 0, 'a', 0, kLeft, 0, 'b'}},
        {"too long", tooLong},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ViewState view = LaidOut(Article({{kLeft, 0, "ab cd"}}), 0, 0, 100, 10);
        const ArticleText oldText = view.text;
        view.maxRow = 4;
        view.highlightStart = 1;
        view.highlightEnd = 3;
        FakeMeasurer measurer;
        ArticleText refused = c.text;
        EXPECT_EQ(LayoutArticle(&view, measurer, std::move(refused), true), kLayoutTextRefused);
        EXPECT_EQ(view.text, oldText);
        EXPECT_EQ(view.rowCount, 1);
        EXPECT_EQ(view.rows[0].count, 5);
        EXPECT_EQ(view.totalRows + view.maxRow + view.highlightStart + view.highlightEnd, 0);
    }
}

TEST(Layout, NoTextReleasesTheOldOneOnlyWhenAsked) {
    const ArticleBuilder article = Article({{kLeft, 0, "ab"}});
    ViewState view = LaidOut(article, 0, 0, 100, 100);
    FakeMeasurer measurer;
    EXPECT_EQ(LayoutArticle(&view, measurer, ArticleText{}, false), kLayoutNoText);
    EXPECT_FALSE(view.text.empty());
    EXPECT_EQ(LayoutArticle(&view, measurer, ArticleText{}, true), kLayoutNoText);
    EXPECT_TRUE(view.text.empty());
    EXPECT_EQ(LayoutViewText(&view, measurer), kLayoutNoText);
    EXPECT_EQ(ResizeView(&view, measurer, 20, 20), kLayoutNoText);
    EXPECT_EQ(LayoutArticle(nullptr, measurer, article.Build(), true), kLayoutNoView);
    EXPECT_EQ(LayoutViewText(nullptr, measurer), kLayoutNoView);
    EXPECT_EQ(ResizeView(nullptr, measurer, 10, 10), kLayoutNoView);
}

// A heading breaks its reference after the dash, or after the book's name,
// never between a chapter and its verse.
TEST(Layout, AHeadingBreaksItsReferenceAtTheDash) {
    const struct { int width; std::vector<std::string> rows; } cases[] = {
        {240, {"book 44 18 - 47 27"}},
        {200, {"book 44 18 -", "47 27"}},
        {120, {"book", "44 18 -", "47 27"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        const ViewState view = LaidOut(Article({{kAttrSectionHeading, 0, "book 44 18 - 47 27"}}), 0, 0, c.width, 400);
        std::vector<std::string> rows;
        for (int i = 0; i < view.rowCount; ++i) {
            const auto stored = view.text.begin() + view.rows[i].offset;
            rows.emplace_back(std::make_reverse_iterator(stored + view.rows[i].count),
                              std::make_reverse_iterator(stored));
        }
        EXPECT_EQ(rows, c.rows);
    }
}

// A resize lays the text out again and clears the highlight; the verse
// selection, a run of verses of the text, stays until another text comes, and
// topRow is the caller's.
TEST(Layout, ResizeLaysOutAgain) {
    ViewState view = LaidOut(Article({{kLeft, 0, "abcde fghij"}}), 0, 0, 200, 100);
    EXPECT_EQ(view.rowCount, 1);
    view.highlightStart = 2;
    view.highlightEnd = 3;
    view.selection = VerseSelection{0, 1};
    view.selectedSpans = {{2, 9}};
    view.topRow = 7;
    FakeMeasurer measurer;
    EXPECT_EQ(ResizeView(&view, measurer, 100, 50), 0);
    EXPECT_EQ(view.rowCount, 2);
    EXPECT_EQ(view.highlightStart + view.highlightEnd, 0);
    EXPECT_EQ(view.selection, (VerseSelection{0, 1}));
    EXPECT_EQ(view.selectedSpans.size(), 1u);
    EXPECT_EQ(view.topRow, 7);
    EXPECT_EQ(ResizeView(&view, measurer, 0, 50), kResizeBadSize);
    EXPECT_EQ(ResizeView(&view, measurer, 50, -1), kResizeBadSize);
    EXPECT_EQ(view.width, 100);
    EXPECT_EQ(view.rowCount, 2);
    EXPECT_EQ(ResizeView(&view, measurer, 200, 50), 0);
    EXPECT_EQ(view.rowCount, 1);
    EXPECT_EQ(view.rows[1].count + view.rows[1].attr, 0) << "the row after the last is cleared";
    EXPECT_EQ(LayoutArticle(&view, measurer, Article({{kLeft, 0, "x"}}).Build(), true), 0);
    EXPECT_EQ(view.selection, VerseSelection{});
    EXPECT_TRUE(view.selectedSpans.empty());
}

TEST(Layout, OutOfMemoryLeavesNoRows) {
    const ArticleBuilder article = Article({{kLeft | kGap, 0, "ab"}, {kLeft, 0, "cd"}});
    for (bool release : {false, true}) {
        SCOPED_TRACE(release);
        ViewState view = MakeView(0, 0, 100, 100);
        FakeMeasurer measurer;
        ASSERT_EQ(LayoutArticle(&view, measurer, Article({{kLeft, 0, "zz"}}).Build(), true), 0);
        measurer.failOnFit = measurer.fits + 2;
        ArticleText text = article.Build();
        EXPECT_EQ(LayoutArticle(&view, measurer, std::move(text), release), kLayoutOutOfMemory);
        EXPECT_EQ(text, article.Build());  // not taken: still the caller's
        EXPECT_EQ(view.text.empty(), release);
        EXPECT_EQ(view.rowCount + view.totalRows, 0);
        EXPECT_EQ(view.rows[0].attr, 0);
    }
}

// Going to an article whose text cannot be laid out keeps the old one shown:
// its rows, total and maxRow as before, topRow untouched.
TEST(Layout, AFailedReplacementKeepsTheOldArticleLaidOut) {
    const ArticleBuilder old = Article({{kLeft | kGap, 0, "ab"}, {kLeft, 0, "cd ef gh ij kl"}, {kLeft, 0, "mn"}});
    const struct { const char* name; ArticleText text; int failOnFit; int result; } cases[] = {
        {"refused", ArticleText{0, 0, 0}, 0, kLayoutTextRefused},
        {"none", ArticleText{}, 0, kLayoutNoText},
        {"out of memory", Article({{kLeft, 0, "op"}, {kLeft, 0, "qr"}}).Build(), 2, kLayoutOutOfMemory},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ViewState before = LaidOut(old, 0, 0, 40, 60);
        ViewState view = before;
        view.topRow = 3;
        FakeMeasurer measurer;
        measurer.failOnFit = c.failOnFit == 0 ? 0 : measurer.fits + c.failOnFit;
        EXPECT_EQ(ReplaceArticle(&view, measurer, ArticleText(c.text)), c.result);
        EXPECT_EQ(view.text, before.text);
        EXPECT_EQ(view.rowCount, before.rowCount);
        EXPECT_EQ(view.totalRows, before.totalRows);
        EXPECT_EQ(view.maxRow, before.maxRow);
        EXPECT_GT(view.maxRow, 0);
        EXPECT_EQ(view.topRow, 3);
    }
    ViewState view = LaidOut(old, 0, 0, 40, 60);
    FakeMeasurer measurer;
    EXPECT_EQ(ReplaceArticle(&view, measurer, Article({{kLeft, 0, "op"}}).Build()), 0);
    EXPECT_EQ(view.rowCount, 1);
}

// Rows: "ab" 0, its gap 1, "abcdefghij" 2, "kl" 3, "mn" 4; from 3 the last
// two fit. A row that ends at the offset wins over the one that starts there.
TEST(Layout, FindRowForOffsetPrefersTheRowThatEndsThereAndStopsAtMaxRow) {
    ArticleBuilder article;
    const size_t first = article.Add(kLeft | kGap, 0, "ab");
    const size_t cut = article.Add(kLeft, 0, "abcdefghijkl");
    const size_t last = article.Add(kLeft, 0, "mn");
    ViewState view = LaidOut(article, 0, 0, 100, 40);
    ASSERT_EQ(view.rowCount, 4);
    ASSERT_EQ(view.maxRow, 3);
    const struct { size_t offset; int found; int topRow; } cases[] = {
        {first, 1, 0}, {first + 2, 1, 0}, {cut, 1, 2}, {cut + 10, 1, 2}, {cut + 11, 1, 3},
        {last, 1, 3}, {0, 0, 9}, {last + 3, 0, 9},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.offset);
        view.topRow = 9;
        EXPECT_EQ(FindRowForOffset(view, static_cast<unsigned>(c.offset)), c.found);
        EXPECT_EQ(view.topRow, c.topRow);
    }
}
