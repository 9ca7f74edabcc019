#include "view/paint_plan.h"

#include <gtest/gtest.h>

#include "view/layout.h"
#include "tests/view/view_test_support.h"

namespace {

constexpr int kTop = 5;

// Rows A (gap), B, C (gap), D of 20 px: row numbers A 0, gap 1, B 2, C 3, gap 4, D 5.
ViewState FourRows(int height) {
    ArticleBuilder article;
    article.Add(0x81, 0, "ab");
    article.Add(0x01, 0, "cd");
    article.Add(0x81, 0, "ef");
    article.Add(0x01, 0, "gh");
    ViewState view = MakeView(0, kTop, 100, height);
    FakeMeasurer measurer;
    EXPECT_EQ(LayoutArticle(&view, measurer, article.Build(), true), 0);
    EXPECT_EQ(view.totalRows, 6);
    return view;
}

std::vector<std::pair<int, int>> Placed(const PaintPlan& plan) {
    std::vector<std::pair<int, int>> placed;
    for (const PlacedRow& row : plan.rows) placed.emplace_back(row.index, row.y);
    return placed;
}

using Rows = std::vector<std::pair<int, int>>;

}  // namespace

TEST(Paint, PlansTheRowsFromTheTopRow) {
    const struct { int topRow; int height; Rows rows; int rowsOnPage; int nextRow; } cases[] = {
        // Below the last row the page counts on in rows of its height (20 px).
        {0, 200, {{0, kTop}, {1, kTop + 40}, {2, kTop + 60}, {3, kTop + 100}}, 6 + 4, 4},
        {1, 200, {{1, kTop + 20}, {2, kTop + 40}, {3, kTop + 80}}, 4 + 5, 4},  // a gap row on top
        {4, 200, {{3, kTop + 20}}, 1 + 8, 4},
        {2, 60, {{1, kTop}, {2, kTop + 20}}, 3, 3},  // D would need 20 px more
        {0, 50, {{0, kTop}}, 2, 1},                  // B is taller than the 10 px left
        {0, 30, {{0, kTop}}, 2, 1},                  // the gap row is passed even when it does not fit
        {1, 40, {{1, kTop + 20}}, 1, 2},  // 20 px left below the gap row
        {1, 39, {}, 0, 1},
        {0, 19, {}, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.topRow << " in " << c.height);
        ViewState view = FourRows(c.height);
        view.topRow = static_cast<uint16_t>(c.topRow);
        const PaintPlan plan = PlanPaint(view, true);
        EXPECT_EQ(Placed(plan), c.rows);
        EXPECT_EQ(plan.rowsOnPage, c.rowsOnPage);
        EXPECT_EQ(plan.nextRow, c.nextRow);
    }
}

TEST(Paint, TopRowPastTheTotalFallsBackToMaxRow) {
    ViewState view = FourRows(50);
    ASSERT_EQ(view.maxRow, 4);
    view.topRow = 7;
    const PaintStart start = FindFirstPaintRow(view);
    EXPECT_EQ(view.topRow, 4);
    EXPECT_EQ(start.row, 3);
    EXPECT_EQ(start.y, kTop + 20);
    EXPECT_EQ(start.remaining, 30);
    view.topRow = 6;  // the total itself is kept: nothing below it
    EXPECT_EQ(FindFirstPaintRow(view).row, 4);
    EXPECT_EQ(view.topRow, 6);
    EXPECT_TRUE(PlanPaint(view, false).rows.empty());
}

TEST(Paint, FirstPaintRowStartsAtTheTopOfTheBox) {
    ViewState view = FourRows(40);
    view.topRow = 0;
    view.firstPaintRow = 2;
    EXPECT_EQ(Placed(PlanPaint(view, true)), (Rows{{2, kTop}}));
    EXPECT_EQ(PlanPaint(view, true).nextRow, 3);
    EXPECT_EQ(Placed(PlanPaint(view, false)), (Rows{{0, kTop}}));
    view.firstPaintRow = 4;  // the terminator: nothing left to print
    EXPECT_TRUE(PlanPaint(view, true).rows.empty());
    EXPECT_EQ(PlanPaint(view, true).nextRow, 4);
}

TEST(Paint, TallerRowIsNotDrawnPartly) {
    ArticleBuilder article;
    article.Add(0x01, 0, "ab");
    article.Add(0x05, 0, "cd");  // 30 px high
    ViewState view = MakeView(0, 0, 100, 45);
    FakeMeasurer measurer;
    ASSERT_EQ(LayoutArticle(&view, measurer, article.Build(), true), 0);
    const PaintPlan plan = PlanPaint(view, false);
    EXPECT_EQ(Placed(plan), (Rows{{0, 0}}));
    EXPECT_EQ(plan.nextRow, 1);
}

TEST(Paint, ViewWithoutRowsPlansNothing) {
    ViewState view = MakeView(0, 0, 100, 100);
    const PaintPlan plan = PlanPaint(view, false);
    EXPECT_TRUE(plan.rows.empty());
    EXPECT_EQ(plan.nextRow, 0);
    EXPECT_EQ(plan.rowsOnPage, 0);
}

TEST(Paint, SplitsARightToLeftHangingRow) {
    ArticleBuilder article;
    const size_t at = article.AddReading(0x31, 0x42, "ab cdef ghij klmn");
    ViewState view = MakeView(7, 0, 100, 100);
    FakeMeasurer measurer;
    ASSERT_EQ(LayoutArticle(&view, measurer, article.Build(), true), 0);
    ASSERT_EQ(view.rowCount, 2);
    const RowRuns first = SplitRow(view.text, view.rows[0]);
    EXPECT_EQ(first.word.start, static_cast<int>(at) + 15);
    EXPECT_EQ(first.word.count, 2);  // "ba"
    EXPECT_EQ(first.rest.start, view.rows[0].offset);
    EXPECT_EQ(first.rest.count, 9);
    // The first word ends where the edge offset begins.
    EXPECT_EQ(FirstWordX(view.rows[0], 20) + 20, 7 + 100 - 2);
    const RowRuns second = SplitRow(view.text, view.rows[1]);
    EXPECT_EQ(second.word.count, 0);
    EXPECT_EQ(second.rest.start, static_cast<int>(at));
    EXPECT_EQ(second.rest.count, 4);
}

TEST(Paint, SplitsALeftToRightHangingRow) {
    ArticleBuilder article;
    const int at = static_cast<int>(article.Add(0x01, 0x83, "ab  cd ef"));
    ViewState view = MakeView(7, 0, 100, 100);
    FakeMeasurer measurer;
    ASSERT_EQ(LayoutArticle(&view, measurer, article.Build(), true), 0);
    const RowRuns runs = SplitRow(view.text, view.rows[0]);
    EXPECT_EQ(runs.word.start, at);
    EXPECT_EQ(runs.word.count, 2);
    EXPECT_EQ(runs.rest.start, at + 4);
    EXPECT_EQ(runs.rest.count, 5);
    EXPECT_EQ(FirstWordX(view.rows[0], 20), 7 + 3);  // at the edge offset
}

TEST(Paint, HighlightTestsRowsTouchingTheRange) {
    ViewState view;
    view.highlightStart = 10;
    view.highlightEnd = 14;
    const struct { uint16_t offset, count; bool meets; } cases[] = {
        {0, 10, true}, {0, 9, false}, {14, 3, true}, {15, 3, false}, {11, 1, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.offset << "+" << c.count);
        EXPECT_EQ(RowMeetsHighlight(view, ViewRow{c.offset, c.count, 0, 0, 0, 20, 0x31}), c.meets);
    }
}

TEST(Paint, HighlightPartOfARun) {
    FakeMeasurer measurer;
    const WidthTable* widths = measurer.SelectStyle(1).widths;
    ViewState view;
    const std::string text = "abcdefgh\x16i jklmnopqrst";
    view.text.assign(text.begin(), text.end());
    view.text.push_back(0);
    view.highlightStart = 10;
    view.highlightEnd = 14;
    const struct { int start, count; bool draw; int partStart, partCount, x, width; } cases[] = {
        {10, 4, true, 10, 4, 100, 35},   // " jkl": the space is 5 px
        {0, 10, false, 0, 0, 0, 0},      // touches the range, draws nothing
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
        EXPECT_EQ(part.start, c.partStart);
        EXPECT_EQ(part.count, c.partCount);
        EXPECT_EQ(part.x, c.x);
        EXPECT_EQ(part.width, c.width);
    }
}
