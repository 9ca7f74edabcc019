#include "view/layout.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/view/view_test_support.h"

namespace {

constexpr uint8_t kLeft = 0x01, kRight = 0x21, kCentre = 0x41;
constexpr uint8_t kRtl = 0x10, kGap = 0x80;

int Lay(ViewState& view, FakeMeasurer& measurer, const ArticleBuilder& article) {
    return LayoutArticle(&view, measurer, article.Build(), true);
}

ViewState LaidOut(int width, int height, const ArticleBuilder& article) {
    ViewState view = MakeView(7, 3, width, height);
    FakeMeasurer measurer;
    EXPECT_EQ(Lay(view, measurer, article), 0);
    return view;
}

}  // namespace

TEST(Layout, PlacesRowsByAlignmentAndEdgeOffset) {
    const struct { uint8_t attr; uint8_t layout; int width; int x; } cases[] = {
        {kRight, 4, 200, 7 + 200 - 4 - 30},
        {kCentre, 4, 200, 7 + 4 + (200 - 4 - 30) / 2},
        {kLeft, 4, 200, 7 + 4},
        {0x61, 4, 200, 7 + 4},  // both alignment bits: left
        {kRight, 0, 200, 7 + 200 - 30},
        {kRight, 63, 50, 7 + 50 - 30},  // an offset as wide as the box is dropped
        {kLeft, 63, 50, 7},
        {kRight | kRtl, 9, 100, 7 + 100 - 9 - 30},
        {kCentre | kRtl, 9, 100, 7 + 9 + (100 - 9 - 30) / 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << int(c.attr) << " " << std::dec << int(c.layout));
        ArticleBuilder article;
        const size_t at = article.Add(c.attr, c.layout, "abc");
        const ViewState view = LaidOut(c.width, 100, article);
        ASSERT_EQ(view.rowCount, 1);
        EXPECT_EQ(view.rows[0].x, c.x);
        EXPECT_EQ(view.rows[0].offset, at);
        EXPECT_EQ(view.rows[0].count, 3);
        EXPECT_EQ(view.rows[0].width, 30);
        EXPECT_EQ(view.rows[0].height, FakeMeasurer::kRowHeight);
    }
}

TEST(Layout, SetsApartTheFirstWordOfARightToLeftHangingRecord) {
    ArticleBuilder article;
    // Level 1, edge 2: indent (1 + 1) * 12 / 2 = 12.
    const size_t at = article.AddReading(kRight | kRtl, 0x42, "ab cdef ghij klmn");
    const ViewState view = LaidOut(100, 200, article);
    ASSERT_EQ(view.rowCount, 2);
    const ViewRow& first = view.rows[0];
    EXPECT_EQ(first.indent, 12);
    EXPECT_EQ(RowBytes(view, first), "jihg fedc");
    EXPECT_EQ(first.width, 85);
    EXPECT_EQ(first.x, 7 + 100 - 14 - 85);
    // The first word is stored after the row's bytes, behind the space.
    EXPECT_EQ(std::string(view.text.begin() + first.offset + first.count, view.text.begin() + at + 17), " ba");
    const ViewRow& second = view.rows[1];
    EXPECT_EQ(second.indent, 0);
    EXPECT_EQ(RowBytes(view, second), "nmlk");
    EXPECT_EQ(second.offset, at);
    EXPECT_EQ(second.x, 7 + 100 - 14 - 40);  // under the text after the first word
}

TEST(Layout, SetsApartTheFirstWordOfALeftToRightHangingRecord) {
    const struct { uint8_t attr; int x; } cases[] = {
        {kLeft, 7 + 3 + 18},
        {kRight, 7 + 100 - 21 - 45},
        {kCentre, 7 + 3 + (100 - 21 - 45) / 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.attr));
        ArticleBuilder article;
        const size_t at = article.Add(c.attr, 0x83, "ab  cd ef");  // level 2, edge 3: indent 18
        const ViewState view = LaidOut(100, 200, article);
        ASSERT_EQ(view.rowCount, 1);
        EXPECT_EQ(view.rows[0].offset, at);  // the first word
        EXPECT_EQ(view.rows[0].count, 5);    // "cd ef"
        EXPECT_EQ(view.rows[0].width, 45);
        EXPECT_EQ(view.rows[0].indent, 18);
        EXPECT_EQ(view.rows[0].x, c.x);
    }
}

TEST(Layout, HangingIndentFollowsTheRecordsOwnFont) {
    ArticleBuilder article;
    article.AddReading(0x3D, 0xC0, "ab cd");  // larger style, level 3: (3 + 1) * 18 / 2
    const ViewState view = LaidOut(300, 200, article);
    ASSERT_EQ(view.rowCount, 1);
    EXPECT_EQ(view.rows[0].indent, 36);
    EXPECT_EQ(view.rows[0].height, FakeMeasurer::kBigRowHeight);
}

TEST(Layout, ContinuationRecordMovesTheRunningOffsetByTheDifference) {
    ArticleBuilder article;
    article.AddReading(kRight | kRtl, 0x42, "ab cdef ghij klmn");
    // Stored with a leading space: it carries on the hanging layout, edge 5 instead of 2.
    const size_t at = article.AddReading(kRight | kRtl, 0x45, "opq ");
    const ViewState view = LaidOut(100, 200, article);
    ASSERT_EQ(view.rowCount, 3);
    const ViewRow& row = view.rows[2];
    EXPECT_EQ(row.indent, 0);
    // Trailing spaces that fit stay on the row and count in its width.
    EXPECT_EQ(row.offset, at);
    EXPECT_EQ(RowBytes(view, row), " qpo");
    EXPECT_EQ(row.x, 7 + 100 - (14 + 3) - 35);
}

TEST(Layout, ContinuationOffsetWrapsAroundAndIsDropped) {
    ArticleBuilder article;
    article.AddReading(kRight | kRtl, 0x7F, "ab cd");  // edge 63 in 50 px: 0, then 12 after the word
    article.AddReading(kRight | kRtl, 0x40, "ef ");    // 12 + 0 - 63 wraps, then is dropped
    const ViewState view = LaidOut(50, 200, article);
    ASSERT_EQ(view.rowCount, 2);
    EXPECT_EQ(view.rows[0].x, 7 + 50 - 12 - 20);
    EXPECT_EQ(view.rows[1].x, 7 + 50 - 25);
}

TEST(Layout, FirstLineIsNeverAContinuation) {
    ArticleBuilder article;
    article.Add(kLeft, 0x40, " ab cd");
    const ViewState view = LaidOut(100, 200, article);
    ASSERT_EQ(view.rowCount, 1);
    EXPECT_EQ(view.rows[0].indent, 12);
    EXPECT_EQ(view.rows[0].count, 2);
}

TEST(Layout, HangingRecordWithoutRowsLendsNoIndent) {
    ArticleBuilder article;
    article.Add(kLeft, 0x40, "   ");
    article.Add(kLeft, 0, "ab cd");
    const ViewState view = LaidOut(100, 200, article);
    ASSERT_EQ(view.rowCount, 1);
    EXPECT_EQ(view.rows[0].indent, 0);
    EXPECT_EQ(view.rows[0].count, 5);
}

TEST(Layout, BreaksRowsAtSpacesAndHyphens) {
    const struct { const char* text; std::vector<std::string> rows; } cases[] = {
        {"abcde fghij", {"abcde", "fghij"}},         // the cut word moves whole
        {"abc-defghij", {"abc-", "defghij"}},        // the hyphen stays on its row
        {"abcdefghijkl", {"abcdefghij", "kl"}},      // wider than the box: cut
        {"abcde   fghij  ", {"abcde  ", "fghij  "}}, // the spaces that fit stay
        {"abcdefghij kl", {"abcdefghij", "kl"}},     // stopped at a space: nothing to move
        {"abcdefghij   ", {"abcdefghij"}},           // spaces that do not fit make no row
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        ArticleBuilder article;
        article.Add(kLeft, 0, c.text);
        const ViewState view = LaidOut(100, 200, article);
        std::vector<std::string> rows;
        for (int i = 0; i < view.rowCount; ++i) rows.push_back(RowBytes(view, view.rows[i]));
        EXPECT_EQ(rows, c.rows);
        EXPECT_EQ(view.totalRows, view.rowCount);
    }
}

TEST(Layout, RightToLeftRowsRebuildTheRecord) {
    // Rows in reading order; spaces inside a row count in its width.
    const struct { const char* reading; std::vector<std::string> rows; } cases[] = {
        {"ab cde fghi jk lmnop qr st", {"ab cde", "fghi", "jk", "lmnop", "qr st"}},
        {"abc-defghij", {"abc-", "defghi", "j"}},
        {"abcdefghijklmnop q", {"abcdef", "ghijkl", "mnop q"}},
        {"ab  cd   ", {"ab  cd  "}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reading);
        ArticleBuilder article;
        article.AddReading(kRight | kRtl | kGap, 0, c.reading);
        article.Add(kLeft, 0, "x");
        const ViewState view = LaidOut(60, 400, article);
        ASSERT_EQ(view.rowCount, c.rows.size() + 1);
        for (size_t i = 0; i < c.rows.size(); ++i) {
            const ViewRow& row = view.rows[i];
            const std::string stored = RowBytes(view, row);
            EXPECT_EQ(std::string(stored.rbegin(), stored.rend()), c.rows[i]);
            EXPECT_LE(row.width, 60);
            EXPECT_EQ(row.x + row.width, 7 + 60);
            EXPECT_EQ(row.attr, i + 1 == c.rows.size() ? kRight | kRtl | kGap : kRight | kRtl);
        }
    }
}

TEST(Layout, TakesAtLeastOneCodeWithItsPointsPerRow) {
    ArticleBuilder article;
    article.Add(kLeft, 0, "a\x16" "bc");
    article.AddReading(kRight | kRtl, 0, "d\x17\x18" "e");
    const ViewState view = LaidOut(5, 400, article);
    ASSERT_EQ(view.rowCount, 5);
    EXPECT_EQ(RowBytes(view, view.rows[0]), "a\x16");
    EXPECT_EQ(RowBytes(view, view.rows[1]), "b");
    EXPECT_EQ(RowBytes(view, view.rows[2]), "c");
    EXPECT_EQ(RowBytes(view, view.rows[3]), "\x18\x17" "d");
    EXPECT_EQ(RowBytes(view, view.rows[4]), "e");
    for (int i = 0; i < view.rowCount; ++i) EXPECT_EQ(view.rows[i].width, FakeMeasurer::kLetter);
}

TEST(Layout, RuleRecordsTakeTheirLengthAndPlace) {
    const struct { uint8_t attr; uint8_t layout; int width; int length; int x; } cases[] = {
        {0x07, 1, 400, 1, 7},
        {0x07, 160, 400, 160, 7},
        {0x47, 0xB9, 400, 200, 7 + 100},   // 25 * 2 per cent of 400, centred
        {0x27, 0xA1, 400, 8, 7 + 392},     // 2 per cent, right-aligned
        {0x47, 0xFF, 400, 400, 7},         // 190 per cent: cut to the box
        {0x27, 150, 100, 100, 7},          // longer than the box: cut
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.layout));
        ArticleBuilder article;
        const size_t at = article.Add(c.attr, c.layout, "ignored");
        const ViewState view = LaidOut(c.width, 100, article);
        ASSERT_EQ(view.rowCount, 1);
        EXPECT_EQ(view.rows[0].width, c.length);
        EXPECT_EQ(view.rows[0].x, c.x);
        EXPECT_EQ(view.rows[0].count, 0);
        EXPECT_EQ(view.rows[0].offset, at);
        EXPECT_EQ(view.rows[0].attr, c.attr);
    }
}

TEST(Layout, RuleTakesTheCurrentRowHeightAndZeroLengthMakesNoRow) {
    ArticleBuilder article;
    article.Add(0x87, 0, "");  // an empty first record is fine for a rule
    article.Add(0x07, 10, "");
    article.AddReading(0x3D, 0, "ab");
    article.Add(0x87, 10, "");
    article.Add(0x31, 0, "cd");
    const ViewState view = LaidOut(400, 400, article);
    ASSERT_EQ(view.rowCount, 4);
    EXPECT_EQ(view.rows[0].height, FakeMeasurer::kRowHeight);
    EXPECT_EQ(view.rows[2].height, FakeMeasurer::kBigRowHeight);
    EXPECT_EQ(view.rows[2].attr, 0x87);
    EXPECT_EQ(view.totalRows, 5);
}

TEST(Layout, SelectsTheFontOfEachNewStyle) {
    ArticleBuilder article;
    article.AddReading(0xD1, 0, "ab");
    article.AddReading(0xDC, 0, "cd");
    article.AddReading(0xB1, 0, "ef");
    article.AddReading(0xB1, 0, "gh");
    ViewState view = MakeView(0, 0, 300, 400);
    FakeMeasurer measurer;
    ASSERT_EQ(Lay(view, measurer, article), 0);
    EXPECT_EQ(measurer.selected, (std::vector<unsigned>{0x01, 0x11, 0x1C, 0x11}));
    EXPECT_EQ(view.rows[1].height, FakeMeasurer::kBigRowHeight);
    EXPECT_EQ(view.rows[1].width, 2 * FakeMeasurer::kBigLetter);
}

TEST(Layout, CountsGapRowsAndDropsTheLastOne) {
    ArticleBuilder article;
    article.Add(kLeft | kGap, 0, "ab");
    article.Add(kLeft, 0, "cd");
    article.Add(kLeft | kGap, 0, "abcdefghij klmno");
    const ViewState view = LaidOut(100, 400, article);
    ASSERT_EQ(view.rowCount, 4);
    EXPECT_EQ(view.totalRows, 5);
    EXPECT_EQ(view.rows[0].attr, kLeft | kGap);
    EXPECT_EQ(view.rows[2].attr, kLeft);  // not the record's last row
    EXPECT_EQ(view.rows[3].attr, kLeft);  // the article's last row has no gap
    EXPECT_EQ(view.rows[4].attr, 0);
    EXPECT_EQ(view.maxRow, 0);  // everything fits
}

TEST(Layout, SingleParagraphHasNoGapRow) {
    ArticleBuilder article;
    article.AddReading(kAttrBody, 0, "ab cdef ghij klmn opq rst");
    const ViewState view = LaidOut(60, 400, article);
    EXPECT_GT(view.rowCount, 1);
    EXPECT_EQ(view.totalRows, view.rowCount);
}

TEST(Layout, RecordEndingInSpacesKeepsItsGap) {
    ArticleBuilder article;
    article.Add(kLeft | kGap, 0, "abcdefghij   ");  // the spaces do not fit on the row
    article.Add(kLeft, 0, "de");
    const ViewState view = LaidOut(100, 400, article);
    ASSERT_EQ(view.rowCount, 2);
    EXPECT_EQ(view.rows[0].attr, kLeft | kGap);
    EXPECT_EQ(view.totalRows, 3);
}

TEST(Layout, GrowsTheRowArrayBeyondItsCapacity) {
    const struct { uint16_t capacity; int records; uint16_t grown; } cases[] = {
        {0, 200, 256}, {100, 200, 228}, {0, 128, 128}, {0, 129, 256},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.records);
        ArticleBuilder article;
        size_t last = 0;
        for (int i = 0; i < c.records; ++i) last = article.Add(kLeft, 0, "ab");
        ViewState view = MakeView(0, 0, 100, 100);
        if (c.capacity > 0) view.rows.assign(c.capacity + 1, ViewRow{});
        view.rowCapacity = c.capacity;
        FakeMeasurer measurer;
        ASSERT_EQ(Lay(view, measurer, article), 0);
        EXPECT_EQ(view.rowCount, c.records);
        EXPECT_EQ(view.rowCapacity, c.grown);
        ASSERT_EQ(view.rows.size(), c.grown + 1u);
        EXPECT_EQ(view.rows[c.records - 1].offset, last);
        EXPECT_EQ(view.rows[c.records].attr, 0);
        EXPECT_EQ(view.rows[c.records].count, 0);
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
    ArticleBuilder good;
    good.Add(kLeft, 0, "ab cd");
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
        ViewState view = MakeView(0, 0, 100, 10);
        FakeMeasurer measurer;
        ASSERT_EQ(Lay(view, measurer, good), 0);
        const ArticleText oldText = view.text;
        const ViewRow oldRow = view.rows[0];
        view.maxRow = 4;
        view.highlightStart = 1;
        view.highlightEnd = 3;
        ArticleText refused = c.text;
        EXPECT_EQ(LayoutArticle(&view, measurer, std::move(refused), true), kLayoutTextRefused);
        EXPECT_EQ(view.text, oldText);
        EXPECT_EQ(view.rowCount, 1);
        EXPECT_EQ(view.rows[0].offset, oldRow.offset);
        EXPECT_EQ(view.rows[0].count, oldRow.count);
        EXPECT_EQ(view.totalRows, 0);
        EXPECT_EQ(view.maxRow, 0);
        EXPECT_EQ(view.highlightStart, 0);
        EXPECT_EQ(view.highlightEnd, 0);
    }
}

TEST(Layout, NoTextReleasesTheOldOneOnlyWhenAsked) {
    ArticleBuilder article;
    article.Add(kLeft, 0, "ab");
    ViewState view = MakeView(0, 0, 100, 100);
    FakeMeasurer measurer;
    ASSERT_EQ(Lay(view, measurer, article), 0);
    EXPECT_EQ(LayoutArticle(&view, measurer, ArticleText{}, false), kLayoutNoText);
    EXPECT_FALSE(view.text.empty());
    EXPECT_EQ(LayoutArticle(&view, measurer, ArticleText{}, true), kLayoutNoText);
    EXPECT_TRUE(view.text.empty());
    EXPECT_EQ(LayoutArticle(nullptr, measurer, article.Build(), true), kLayoutNoView);
    EXPECT_EQ(LayoutViewText(nullptr, measurer), kLayoutNoView);
    EXPECT_EQ(LayoutViewText(&view, measurer), kLayoutNoText);
}

TEST(Layout, EveryLayoutClearsTheHighlight) {
    ArticleBuilder article;
    article.Add(kLeft, 0, "ab");
    ViewState view = MakeView(0, 0, 100, 100);
    FakeMeasurer measurer;
    ASSERT_EQ(Lay(view, measurer, article), 0);
    view.highlightStart = 2;
    view.highlightEnd = 3;
    view.topRow = 7;
    EXPECT_EQ(LayoutViewText(&view, measurer), 0);
    EXPECT_EQ(view.highlightStart, 0);
    EXPECT_EQ(view.highlightEnd, 0);
    EXPECT_EQ(view.topRow, 7);  // the caller's
}

TEST(Layout, OutOfMemoryLeavesNoRows) {
    ArticleBuilder old;
    old.Add(kLeft, 0, "zz");
    ArticleBuilder article;
    article.Add(kLeft | kGap, 0, "ab");
    article.Add(kLeft, 0, "cd");
    for (bool release : {false, true}) {
        SCOPED_TRACE(release);
        ViewState view = MakeView(0, 0, 100, 100);
        FakeMeasurer measurer;
        ASSERT_EQ(Lay(view, measurer, old), 0);
        measurer.failOnFit = measurer.fits + 2;
        ArticleText text = article.Build();
        EXPECT_EQ(LayoutArticle(&view, measurer, std::move(text), release), kLayoutOutOfMemory);
        EXPECT_EQ(text, article.Build());  // not taken: still the caller's
        EXPECT_EQ(view.text.empty(), release);
        EXPECT_EQ(view.rowCount, 0);
        EXPECT_EQ(view.totalRows, 0);
        EXPECT_EQ(view.rows[0].attr, 0);
    }
}

TEST(Layout, ResizeLaysOutAgain) {
    ArticleBuilder article;
    article.Add(kLeft, 0, "abcde fghij");
    ViewState view = MakeView(0, 0, 200, 100);
    FakeMeasurer measurer;
    ASSERT_EQ(Lay(view, measurer, article), 0);
    EXPECT_EQ(view.rowCount, 1);
    EXPECT_EQ(ResizeView(&view, measurer, 100, 50), 0);
    EXPECT_EQ(view.rowCount, 2);
    EXPECT_EQ(view.width, 100);
    EXPECT_EQ(view.height, 50);
    EXPECT_EQ(ResizeView(&view, measurer, 0, 50), kResizeBadSize);
    EXPECT_EQ(ResizeView(&view, measurer, 50, -1), kResizeBadSize);
    EXPECT_EQ(view.width, 100);
    EXPECT_EQ(view.rowCount, 2);
    EXPECT_EQ(ResizeView(nullptr, measurer, 10, 10), kLayoutNoView);
    ViewState empty = MakeView(0, 0, 10, 10);
    EXPECT_EQ(ResizeView(&empty, measurer, 20, 20), kLayoutNoText);
}

TEST(LayoutMaxRow, IsTheLastTopRowThatShowsTheLastRow) {
    // Rows of 20 px; "g" marks a record with a paragraph gap.
    const struct { const char* records; int height; int maxRow; } cases[] = {
        {"g g . .", 50, 4},   // rows 0, gap, 2, gap, 4, 5: from 4 two rows fit
        {"g .", 50, 1},       // the gap row and the last row fit, the row above does not
        {"g .", 60, 0},       // fits entirely
        {"g g . .", 19, 6},   // not even the last row fits
        {". . .", 40, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.records);
        ArticleBuilder article;
        for (const char* r = c.records; *r; ++r) {
            if (*r != ' ') article.Add(*r == 'g' ? kLeft | kGap : kLeft, 0, "ab");
        }
        ViewState view = LaidOut(100, c.height, article);
        EXPECT_EQ(view.maxRow, c.maxRow);
        EXPECT_EQ(ComputeMaxRow(&view), c.maxRow);
    }
}

TEST(LayoutMaxRow, NoRowsGiveMinusOne) {
    ArticleBuilder article;
    article.Add(0x07, 0, "");
    ViewState view = LaidOut(100, 100, article);
    EXPECT_EQ(view.rowCount, 0);
    EXPECT_EQ(ComputeMaxRow(&view), -1);
    EXPECT_EQ(view.maxRow, 0);
    ViewState empty;
    EXPECT_EQ(ComputeMaxRow(&empty), -1);
    EXPECT_EQ(ComputeMaxRow(nullptr), -1);
}

TEST(LayoutFindRow, PrefersTheRowThatEndsAtTheOffset) {
    ArticleBuilder article;
    const size_t first = article.Add(kLeft | kGap, 0, "ab");
    const size_t cut = article.Add(kLeft, 0, "abcdefghijkl");  // rows "abcdefghij" and "kl"
    ViewState view = LaidOut(100, 20, article);
    ASSERT_EQ(view.rowCount, 3);
    ASSERT_EQ(view.rows[2].offset, cut + 10);
    ASSERT_EQ(view.maxRow, 3);
    const struct { size_t offset; int found; int topRow; } cases[] = {
        {first, 1, 0}, {first + 2, 1, 0}, {cut, 1, 2}, {cut + 10, 1, 2}, {cut + 11, 1, 3},
        {0, 0, 9}, {cut + 13, 0, 9},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.offset);
        view.topRow = 9;
        EXPECT_EQ(FindRowForOffset(view, static_cast<unsigned>(c.offset)), c.found);
        EXPECT_EQ(view.topRow, c.topRow);
    }
}

TEST(LayoutFindRow, StopsAtMaxRow) {
    ArticleBuilder article;
    size_t last = 0;
    for (int i = 0; i < 10; ++i) last = article.Add(kLeft, 0, "ab");
    ViewState view = LaidOut(100, 60, article);
    ASSERT_EQ(view.maxRow, 7);
    EXPECT_EQ(FindRowForOffset(view, static_cast<unsigned>(last)), 1);
    EXPECT_EQ(view.topRow, 7);
}
