#include "view/view_geometry.h"

#include <gtest/gtest.h>

#include "settings/settings.h"
#include "tests/view/view_test_support.h"

namespace {

uint32_t ClickFlags(int mode, bool vertical) {
    return kFlagClickPaging | (static_cast<uint32_t>(mode) << 24) | (vertical ? kFlagClickPageVertical : 0);
}

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

// Near the end the page counts on below the last row: ten rows of 20 px in a
// 200 px box, from row 8 two are painted and eight more would fit below.
TEST(ViewGeometry, APageNearTheEndIsAsLongAsAnyOther) {
    std::vector<Rec> records(10, Rec{0x01, 0, "ab"});
    ViewState view = LaidOut(Article(records), 0, 0, 100, 200);
    ASSERT_EQ(view.totalRows, 10);
    view.topRow = 8;
    view.rowsOnPage = 2;
    EXPECT_EQ(PageAmount(1, view), 9);
    EXPECT_EQ(PageAmount(2, view), 5);
    view.topRow = 0;
    view.rowsOnPage = 10;
    EXPECT_EQ(PageAmount(1, view), 9);
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
    view.rowsOnPage = 0;  // before any paint: still a row
    EXPECT_EQ(DecideClickPage(view, ClickFlags(0, false), 0, 20, 30).delta, -1);
}

TEST(Scroll, ClampsAndPaintsByMode) {
    constexpr int kPainted = 9, kSame = kScrollUnchanged;
    const struct { int topRow, totalRows, maxRow, delta, mode; bool clamp; int result, after; } cases[] = {
        {2, 50, 40, -5, 1, true, kPainted, 0},  // stops at the first row
        {0, 50, 40, -1, 1, true, kSame, 0},
        {40, 50, 40, 1, 1, true, kSame, 40},  // at maxRow: nothing, not even a paint
        {39, 50, 40, 10, 1, true, kPainted, 49},  // a page may end below the last row,
        {49, 50, 40, 10, 1, true, kSame, 49},     // the next does nothing,
        {49, 50, 40, -10, 1, true, kPainted, 39}, // and a page up comes back
        {39, 45, 40, 10, 1, true, kPainted, 40},    // past the total: maxRow
        {10, 45, 40, 100, 1, false, kPainted, 40},
        {45, 50, 40, 3, 1, false, kPainted, 48},    // unclamped: past maxRow within the total
        {48, 50, 40, 3, 1, false, kSame, 48},
        {48, 50, 40, 3, 1, true, kSame, 48},
        {5, 50, 40, 2, 0, true, kScrollMovedNoPaint, 7},
        {5, 50, 40, 0, 0, true, kSame, 5},
        {5, 50, 40, 0, 2, true, kPainted, 5},  // mode 2 paints always
        {5, 50, 40, 1, 2, true, kPainted, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.topRow << " + " << c.delta << " mode " << c.mode << " " << c.clamp);
        ViewState view;
        view.topRow = static_cast<uint16_t>(c.topRow);
        view.totalRows = static_cast<uint16_t>(c.totalRows);
        view.maxRow = static_cast<uint16_t>(c.maxRow);
        int paints = 0;
        const auto paint = [&](ViewState&) {
            ++paints;
            return kPainted;
        };
        EXPECT_EQ(ScrollView(&view, c.delta, c.mode, c.clamp, paint), c.result);
        EXPECT_EQ(view.topRow, c.after);
        EXPECT_EQ(paints, c.result == kPainted ? 1 : 0);
    }
    EXPECT_EQ(ScrollView(nullptr, 1, 1, true, [](ViewState&) { return 0; }), kScrollNoView);
}
