#include "view/paint_plan.h"

#include <gtest/gtest.h>

#include <tuple>

#include "view/layout.h"
#include "tests/view/view_test_support.h"

namespace {

constexpr int kTop = 5;

using Rows = std::vector<std::pair<int, int>>;  // row index and y

// Rows A (gap), B, C (gap) of 20 px and D of 30 px: row numbers A 0, gap 1,
// B 2, C 3, gap 4, D 5.
ViewState FourRows(int height) {
    const ArticleBuilder article = Article({{0x81, 0, "ab"}, {0x01, 0, "cd"}, {0x81, 0, "ef"}, {0x05, 0, "gh"}});
    ViewState view = LaidOut(article, 0, kTop, 100, height);
    EXPECT_EQ(view.totalRows, 6);
    return view;
}

Rows Placed(const PaintPlan& plan) {
    Rows placed;
    for (const PlacedRow& row : plan.rows) placed.emplace_back(row.index, row.y);
    return placed;
}

}  // namespace

// rowsOnPage counts the rows painted; below the last row the page counts on
// in rows of its height (30 px) only for paging.
TEST(Paint, PlansTheRowsFromTheTopRow) {
    const struct { int topRow; int height; Rows rows; int rowsOnPage; int nextRow; int below; } cases[] = {
        {0, 200, {{0, kTop}, {1, kTop + 40}, {2, kTop + 60}, {3, kTop + 100}}, 6, 4, 70 / 30},
        {1, 200, {{1, kTop + 20}, {2, kTop + 40}, {3, kTop + 80}}, 4, 4, 90 / 30},  // a gap row on top
        {4, 200, {{3, kTop + 20}}, 1, 4, 150 / 30},
        {2, 60, {{1, kTop}, {2, kTop + 20}}, 3, 3, 0},
        {3, 65, {{2, kTop}}, 2, 3, 0},  // D is taller than the 25 px left
        {0, 50, {{0, kTop}}, 2, 1, 0},  // B is taller than the 10 px left
        {0, 30, {{0, kTop}}, 2, 1, 0},  // the gap row is passed even when it does not fit
        {1, 40, {{1, kTop + 20}}, 1, 2, 0},  // 20 px left below the gap row
        {1, 39, {}, 0, 1, 0},
        {0, 19, {}, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.topRow << " in " << c.height);
        ViewState view = FourRows(c.height);
        view.topRow = static_cast<uint16_t>(c.topRow);
        const PaintPlan plan = PlanPaint(view, true);
        EXPECT_EQ(Placed(plan), c.rows);
        EXPECT_EQ(plan.rowsOnPage, c.rowsOnPage);
        EXPECT_EQ(plan.nextRow, c.nextRow);
        EXPECT_EQ(RowsBelowArticleEnd(view), c.below);
    }
}

// A printer pages with firstPaintRow = nextPaintRow until a page paints
// nothing: once every row is printed the count must be 0.
TEST(Paint, NothingLeftToPrintCountsNoRows) {
    ViewState view = FourRows(200);
    view.firstPaintRow = view.rowCount;
    const PaintPlan plan = PlanPaint(view, true);
    EXPECT_TRUE(plan.rows.empty());
    EXPECT_EQ(plan.rowsOnPage, 0);
    EXPECT_EQ(plan.nextRow, view.rowCount);
}

TEST(Paint, TopRowPastTheTotalFallsBackToMaxRow) {
    ViewState view = FourRows(50);
    ASSERT_EQ(view.maxRow, 4);
    view.topRow = 7;
    EXPECT_EQ(Placed(PlanPaint(view, false)), (Rows{{3, kTop + 20}}));  // from the gap row above D
    EXPECT_EQ(view.topRow, 4);
    view.topRow = 6;  // the total itself is kept: nothing below it
    EXPECT_TRUE(PlanPaint(view, false).rows.empty());
    EXPECT_EQ(view.topRow, 6);
}

TEST(Paint, FirstPaintRowStartsAtTheTopOfTheBox) {
    ViewState view = FourRows(40);
    view.firstPaintRow = 2;
    EXPECT_EQ(Placed(PlanPaint(view, true)), (Rows{{2, kTop}}));
    EXPECT_EQ(PlanPaint(view, true).nextRow, 3);
    EXPECT_EQ(Placed(PlanPaint(view, false)), (Rows{{0, kTop}}));
    view.firstPaintRow = 9;  // past the rows: nothing left to print
    EXPECT_TRUE(PlanPaint(view, true).rows.empty());
    EXPECT_EQ(PlanPaint(view, true).nextRow, 4);

    ViewState empty = MakeView(0, 0, 100, 100);
    const PaintPlan none = PlanPaint(empty, false);
    EXPECT_TRUE(none.rows.empty());
    EXPECT_EQ(none.nextRow + none.rowsOnPage, 0);
}

// The first word of a right-to-left hanging row is stored after the row's
// bytes and the space behind them, and drawn ending where the edge offset
// begins; a left-to-right one runs from the row's offset and is drawn at the
// edge offset, the row's bytes following its spaces.
TEST(Paint, SplitsAHangingRowIntoItsFirstWordAndTheRest) {
    ArticleBuilder article;
    const int rtl = static_cast<int>(article.Add(0x31, 0x42, "ab cdef ghij klmn"));
    const int ltr = static_cast<int>(article.Add(0x01, 0x83, "ab  cd ef"));
    const ViewState view = LaidOut(article, 7, 0, 100, 100);
    ASSERT_EQ(view.rowCount, 3);
    const struct { int row, wordStart, wordCount, restStart, restCount, wordX; } cases[] = {
        // Stored "nmlk jihg fedc ba": the first row "jihg fedc", its word "ba".
        {0, rtl + 15, 2, rtl + 5, 9, 7 + 100 - 2 - 20},
        {1, rtl + 4, 0, rtl, 4, 0},  // not hanging: no word
        {2, ltr, 2, ltr + 4, 5, 7 + 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        const RowRuns runs = SplitRow(view.text, view.rows[c.row]);
        EXPECT_EQ(std::tuple(runs.word.start, runs.word.count, runs.rest.start, runs.rest.count),
                  std::tuple(c.wordStart, c.wordCount, c.restStart, c.restCount));
        if (c.wordCount > 0) {
            EXPECT_EQ(FirstWordX(view.rows[c.row], 20), c.wordX);
        }
    }
}

// The highlight [10, 14): the rows that touch it are painted again, and the
// part of each run inside it.
TEST(Paint, HighlightFindsTheRowsAndThePartOfARun) {
    ViewState view;
    const std::string text = "abcdefgh\x16i jklmnopqrst";
    view.text.assign(text.c_str(), text.c_str() + text.size() + 1);  // with its zero
    view.highlightStart = 10;
    view.highlightEnd = 14;
    const struct { uint16_t offset, count; bool meets; } rows[] = {
        {0, 10, true}, {0, 9, false}, {14, 3, true}, {15, 3, false}, {11, 1, true},
    };
    for (const auto& c : rows) {
        SCOPED_TRACE(testing::Message() << c.offset << "+" << c.count);
        EXPECT_EQ(RowMeetsHighlight(view, ViewRow{c.offset, c.count, 0, 0, 0, 20, 0x31}), c.meets);
    }
    FakeMeasurer measurer;
    const WidthTable* widths = measurer.SelectStyle(1).widths;
    const struct { int start, count; bool draw; int partStart, partCount, x, width; } cases[] = {
        {10, 4, true, 10, 4, 100, 35},      // " jkl": the space is 5 px
        {0, 10, false, 0, 0, 0, 0},         // touches the range, draws nothing
        {5, 9, true, 10, 4, 100 + 40, 35},  // the point before the range has no width
        {12, 5, true, 12, 2, 100, 20},
        {14, 3, false, 0, 0, 0, 0},
        {5, 3, false, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.start << "+" << c.count);
        const HighlightPart part = FindHighlightPart(view, widths, TextRun{c.start, c.count}, 100);
        EXPECT_EQ(part.draw, c.draw);
        if (!c.draw) continue;
        EXPECT_EQ(std::tuple(part.start, part.count, part.x, part.width),
                  std::tuple(c.partStart, c.partCount, c.x, c.width));
    }
}

// A view with a running head starts its rows below the band, whose height is
// the chapter marks' row height (20 px here), and lasts one row less at its
// end. The head names the chapter whose mark lies above the first row drawn,
// unless a heading or the title stands between them.
TEST(Paint, TheRunningHeadNamesTheChapterWhoseMarkIsAbove) {
    const ArticleBuilder article = Article({{kAttrTitle, 0, "t"}, {0xB1, 0, "a"}, {kAttrChapterMark, 0, "m"},
                                            {0xB1, 0, "b"}, {0xB1, 0, "c"}, {kAttrSectionHeading, 0, "h"},
                                            {0xB1, 0, "d"}});
    ViewState view = MakeView(0, kTop, 100, 110);
    view.runningHead = true;
    FakeMeasurer measurer;
    ASSERT_EQ(LayoutArticle(&view, measurer, article.Build(), true), 0);
    ASSERT_EQ(view.rowCount, 7);
    EXPECT_EQ(view.headHeight, FakeMeasurer::kRowHeight);
    // Rows of 20 px with gap rows but for the mark: t 0, a 2, m 4, b 5, c 7, h 9 (30 px), d 11.
    const size_t mark = view.rows[2].offset;
    const struct { int topRow; int headStart; } cases[] = {
        {2, -1}, {4, -1}, {5, int(mark)}, {7, int(mark)}, {9, -1}, {11, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.topRow);
        view.topRow = static_cast<uint16_t>(c.topRow);
        const PaintPlan plan = PlanPaint(view, false);
        ASSERT_FALSE(plan.rows.empty());
        EXPECT_EQ(plan.rows.front().y, kTop + view.headHeight);
        const TextRun head = RunningHead(view, plan);
        EXPECT_EQ(head.count > 0 ? head.start : -1, c.headStart);
    }
    EXPECT_EQ(view.maxRow, 9) << "h and d fill the 90 px below the band";
}
