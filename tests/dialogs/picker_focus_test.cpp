// The keyboard on the Choose Section list: which entry the keys focus, which
// headings they open and close, what Enter chooses, and the scrolling that
// keeps the focused entry in sight.
#include "dialogs/picker_focus.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/dialogs/index_builder.h"
#include "tests/view/view_test_support.h"
#include "view/input_map.h"

namespace {

const uint16_t kGroup1 = HeadingRowId(1), kGroup2 = HeadingRowId(14), kGroup3 = HeadingRowId(26);

// Opened on article 5: group 1 open down to articles 5 and 6, the other
// groups closed, articles 55 to 57 below them.
PickerState OpenedOnArticle5(int height = 1000) {
    PickerState state;
    state.width = 400;
    state.height = height;
    FakeMeasurer measurer;
    LayoutPickerRows(state, measurer, ShippedShapeIndex());
    RevealArticle(state, 5);
    FocusArticle(state, 5);
    PlanPickerPaint(state);
    return state;
}

bool IsShownId(const PickerState& state, uint16_t id) {
    for (int row : ShownEntries(state)) {
        if (state.rows[row].id == id) return true;
    }
    return false;
}

}  // namespace

TEST(PickerFocus, KeysMoveTheFocusOpenAndCloseHeadingsAndChoose) {
    const struct {
        const char* what;
        std::vector<int> keys;
        uint16_t focused;
        unsigned chosen;
        uint16_t shownOrNot;  // an entry, shown when the next field says so
        bool shown;
    } cases[] = {
        {"the current article at first", {}, ArticleRowId(5), 0, kGroup1, true},
        {"down", {kKeyDown}, ArticleRowId(6), 0, 0, false},
        {"up to its heading, not past the first entry", {kKeyUp, kKeyUp}, kGroup1, 0, 0, false},
        {"end, home", {kKeyEnd}, ArticleRowId(57), 0, 0, false},
        {"home", {kKeyEnd, kKeyHome}, kGroup1, 0, 0, false},
        {"left from an article to its heading", {kKeyLeft}, kGroup1, 0, ArticleRowId(5), true},
        {"right opens a closed heading", {kKeyDown, kKeyDown, kKeyRight}, kGroup2, 0, ArticleRowId(13), true},
        {"and right again steps into it", {kKeyDown, kKeyDown, kKeyRight, kKeyRight}, ArticleRowId(13), 0, 0, false},
        {"left back out, and left again closes it", {kKeyDown, kKeyDown, kKeyRight, kKeyRight, kKeyLeft, kKeyLeft},
         kGroup2, 0, ArticleRowId(13), false},
        {"space opens and closes", {kKeyDown, kKeyDown, kKeySpace, kKeySpace}, kGroup2, 0, ArticleRowId(13), false},
        {"enter on a heading opens it", {kKeyDown, kKeyDown, kKeyEnter}, kGroup2, 0, ArticleRowId(13), true},
        {"enter on an article chooses it", {kKeyDown, kKeyEnter}, ArticleRowId(6), 6, 0, false},
        {"down from a heading closed again to the next", {kKeyDown, kKeyDown, kKeySpace, kKeySpace, kKeyDown},
         kGroup3, 0, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PickerState state = OpenedOnArticle5();
        unsigned chosen = 0;
        for (int key : c.keys) chosen = PressPickerKey(state, key).chosen;
        const int focused = FocusedRow(state);
        ASSERT_GE(focused, 0);
        EXPECT_EQ(state.rows[focused].id, c.focused);
        EXPECT_EQ(chosen, c.chosen);
        if (c.shownOrNot != 0) {
            EXPECT_EQ(IsShownId(state, c.shownOrNot), c.shown);
        }
    }
}

// In a list three rows high the focus keeps to the rows drawn, however far
// End or Page Down take it; the titles are the entries' own.
TEST(PickerFocus, TheFocusedEntryStaysInSight) {
    PickerState state = OpenedOnArticle5(3 * FakeMeasurer::kBigRowHeight);
    for (int key : {kKeyEnd, kKeyHome, kKeyPageDown, kKeyDown, kKeyEnd}) {
        SCOPED_TRACE(key);
        PressPickerKey(state, key);
        const int focused = FocusedRow(state);
        bool drawn = false;
        for (const PickerLine& line : PlanPickerPaint(state)) drawn |= line.row == focused;
        EXPECT_TRUE(drawn);
    }
    EXPECT_EQ(EntryTitle(state, FocusedRow(state)), IndexTitleText(VisualTitle("article 57").data(), 10));
}

// A heading closed under the focused entry (by a click) takes the focus.
TEST(PickerFocus, AHiddenFocusFallsBackToItsHeading) {
    PickerState state = OpenedOnArticle5();
    for (int key : {kKeyDown, kKeyDown, kKeyRight, kKeyRight, kKeyDown}) PressPickerKey(state, key);
    const int heading = FocusedRow(state) - 2;
    ASSERT_EQ(state.rows[heading].id, kGroup2);
    ToggleHeading(state, heading);
    EXPECT_EQ(state.rows[FocusedRow(state)].id, kGroup2);
}
