#include "view/view_geometry.h"

#include <gtest/gtest.h>

#include "settings/settings.h"
#include "tests/view/view_test_support.h"

namespace {

uint32_t ClickFlags(int mode, bool vertical) {
    return kFlagClickPaging | (static_cast<uint32_t>(mode) << 24) | (vertical ? kFlagClickPageVertical : 0);
}

// A view scrolled by a counting paint.
struct ScrollFixture {
    ViewState view;
    int paints = 0;
    int paintResult = 0;
    std::function<int(ViewState&)> paint = [this](ViewState&) {
        ++paints;
        return paintResult;
    };

    ScrollFixture(int topRow, int totalRows, int maxRow) {
        view.topRow = static_cast<uint16_t>(topRow);
        view.totalRows = static_cast<uint16_t>(totalRows);
        view.maxRow = static_cast<uint16_t>(maxRow);
    }
    int Scroll(int delta, int mode = 1, bool clamp = true) { return ScrollView(&view, delta, mode, clamp, paint); }
};

}  // namespace

TEST(ViewGeometry, PageAmountIsHalfAPageInModesTwoAndFour) {
    const struct { int mode; int rowsOnPage; int amount; } cases[] = {
        {2, 40, 20}, {4, 40, 20}, {0, 40, 39}, {1, 40, 39}, {3, 40, 39}, {5, 40, 39}, {7, 40, 39},
        {2, 7, 3}, {2, 3, 1},
        // A page of one row or none still steps one row, never backwards.
        {1, 1, 1}, {0, 0, 1}, {4, 0, 1}, {2, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.mode << " " << c.rowsOnPage);
        ViewState view;
        view.rowsOnPage = c.rowsOnPage;
        EXPECT_EQ(PageAmount(c.mode, view), c.amount);
    }
}

TEST(ViewGeometry, PointInViewCountsTheGutter) {
    const ViewState view = MakeView(10, 20, 100, 50);
    const struct { int x, y, gutter; bool inside; } cases[] = {
        {10, 20, 0, true},   {110, 70, 0, true},   {9, 30, 0, false},   {50, 71, 0, false},
        {0, 10, 10, true},   {120, 80, 10, true},  {-1, 30, 10, false}, {121, 30, 10, false},
        {50, 9, 10, false},  {50, 81, 10, false},  {60, 45, 10, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y << " g " << c.gutter);
        EXPECT_EQ(PointInView(view, c.x, c.y, c.gutter), c.inside);
    }
}

TEST(ViewClick, PagesByHalvesOfTheBox) {
    ViewState view = MakeView(10, 20, 100, 50);  // middles: x 60, y 45
    view.rowsOnPage = 11;
    const struct { uint32_t flags; int x, y; bool page; int delta; } cases[] = {
        {ClickFlags(1, false) & ~kFlagClickPaging, 20, 30, false, 0},  // click paging off
        {ClickFlags(1, false), 59, 60, true, -10},
        {ClickFlags(1, false), 60, 25, true, 10},
        {ClickFlags(2, false), 100, 25, true, 5},
        {ClickFlags(1, false), 0, 30, true, -10},       // in the gutter
        {ClickFlags(1, false), 121, 30, false, 0},      // beyond it
        {ClickFlags(1, true), 100, 44, true, -10},
        {ClickFlags(1, true), 20, 45, true, 10},
        {ClickFlags(4, true), 20, 80, true, 5},         // in the gutter below
        {kDefaultFlags, 20, 60, true, 10},              // vertical halves, a page less one row
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.flags << std::dec << " " << c.x << "," << c.y);
        const ClickPageDecision decision = DecideClickPage(view, c.flags, 10, c.x, c.y);
        EXPECT_EQ(decision.page, c.page);
        EXPECT_EQ(decision.delta, c.delta);
    }
}

TEST(ViewClick, PagesAtLeastOneRowBeforeAnyPaint) {
    ViewState view = MakeView(0, 0, 100, 100);
    const ClickPageDecision decision = DecideClickPage(view, ClickFlags(0, false), 0, 10, 10);
    EXPECT_TRUE(decision.page);
    EXPECT_EQ(decision.delta, -1);
}

TEST(Scroll, StopsAtTheFirstRow) {
    ScrollFixture f(2, 50, 40);
    EXPECT_EQ(f.Scroll(-5), 0);
    EXPECT_EQ(f.view.topRow, 0);
    EXPECT_EQ(f.paints, 1);
    EXPECT_EQ(f.Scroll(-1), kScrollUnchanged);
    EXPECT_EQ(f.paints, 1);
}

TEST(Scroll, DoesNothingDownwardAtTheEnd) {
    ScrollFixture f(40, 50, 40);
    EXPECT_EQ(f.Scroll(1), kScrollUnchanged);
    EXPECT_EQ(f.view.topRow, 40);
    EXPECT_EQ(f.paints, 0);
}

TEST(Scroll, LastPageMayEndBelowTheLastRow) {
    ScrollFixture f(39, 50, 40);
    EXPECT_EQ(f.Scroll(10), 0);
    EXPECT_EQ(f.view.topRow, 49);
    EXPECT_EQ(f.Scroll(10), kScrollUnchanged);
    EXPECT_EQ(f.view.topRow, 49);
    EXPECT_EQ(f.Scroll(-10), 0);
    EXPECT_EQ(f.view.topRow, 39);
    EXPECT_EQ(f.paints, 2);
}

TEST(Scroll, StepPastTheTotalLandsOnMaxRow) {
    ScrollFixture f(39, 45, 40);
    EXPECT_EQ(f.Scroll(10), 0);
    EXPECT_EQ(f.view.topRow, 40);
    ScrollFixture unclamped(10, 45, 40);
    EXPECT_EQ(unclamped.Scroll(100, 1, false), 0);
    EXPECT_EQ(unclamped.view.topRow, 40);
}

TEST(Scroll, WithoutClampMovesPastMaxRowWithinTheTotal) {
    ScrollFixture f(45, 50, 40);
    EXPECT_EQ(f.Scroll(3, 1, false), 0);
    EXPECT_EQ(f.view.topRow, 48);
    EXPECT_EQ(f.Scroll(3, 1, false), kScrollUnchanged);  // 51 is past the total, and 48 is at the end
    EXPECT_EQ(f.Scroll(3, 1, true), kScrollUnchanged);
    EXPECT_EQ(f.view.topRow, 48);
}

TEST(Scroll, RedrawModes) {
    ScrollFixture noPaint(5, 50, 40);
    EXPECT_EQ(noPaint.Scroll(2, 0), kScrollMovedNoPaint);
    EXPECT_EQ(noPaint.view.topRow, 7);
    EXPECT_EQ(noPaint.Scroll(0, 0), kScrollUnchanged);
    EXPECT_EQ(noPaint.paints, 0);

    ScrollFixture always(5, 50, 40);
    always.paintResult = 9;
    EXPECT_EQ(always.Scroll(0, 2), 9);
    EXPECT_EQ(always.Scroll(1, 2), 9);
    EXPECT_EQ(always.view.topRow, 6);
    EXPECT_EQ(always.paints, 2);

    ScrollFixture failing(5, 50, 40);
    failing.paintResult = -1;  // no text: the paint's result comes back
    EXPECT_EQ(failing.Scroll(1), -1);
    EXPECT_EQ(ScrollView(nullptr, 1, 1, true, failing.paint), kScrollNoView);
}
