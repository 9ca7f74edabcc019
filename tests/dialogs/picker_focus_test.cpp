// The keyboard on the Choose Article list: which entry the keys focus, which
// headings they open and close, what Enter chooses, and the scrolling that
// keeps the focused entry in sight.
#include "dialogs/picker_focus.h"

#include <gtest/gtest.h>

#include "tests/dialogs/index_builder.h"
#include "tests/view/view_test_support.h"
#include "view/input_map.h"

namespace {

const uint16_t kGroup1 = HeadingRowId(1), kGroup2 = HeadingRowId(14), kGroup3 = HeadingRowId(26);
constexpr int kDown = kKeyDown, kRight = kKeyRight, kLeft = kKeyLeft;

// Opened on article 5: group 1 open down to articles 5 and 6, the other
// groups closed, articles 55 to 57 below them; three big rows high.
PickerState OpenedOnArticle5() {
    PickerState state;
    state.width = 400;
    state.height = 3 * FakeMeasurer::kBigRowHeight;
    FakeMeasurer measurer;
    LayoutPickerRows(state, measurer, ShippedShapeIndex());
    RevealArticle(state, 5);
    FocusArticle(state, 5);
    PlanPickerPaint(state);  // the first paint, which sets the page
    return state;
}

}  // namespace

TEST(PickerFocus, KeysMoveTheFocusOpenAndCloseHeadingsAndChoose) {
    const struct {
        std::vector<int> keys;
        uint16_t focused;
        unsigned chosen;
        int shownEntries;
    } cases[] = {
        {{}, ArticleRowId(5), 0, 10},                                      // the current article
        {{kDown}, ArticleRowId(6), 0, 10},
        {{kKeyUp, kKeyUp}, kGroup1, 0, 10},                                // not past the first entry
        {{kKeyEnd}, ArticleRowId(57), 0, 10},
        {{kLeft}, kGroup1, 0, 10},                                         // out to the heading
        {{kDown, kDown, kRight}, kGroup2, 0, 21},                          // opens a heading
        {{kDown, kDown, kRight, kRight}, ArticleRowId(13), 0, 21},         // steps into it
        {{kDown, kDown, kRight, kRight, kLeft, kLeft}, kGroup2, 0, 10},    // out, and closes it
        {{kDown, kDown, kKeySpace, kKeySpace, kDown}, kGroup3, 0, 10},     // space opens and closes
        {{kDown, kKeyEnter}, ArticleRowId(6), 6, 10},                      // and chooses an article
        {{kKeyPageDown}, kGroup2, 0, 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.keys));
        PickerState state = OpenedOnArticle5();
        unsigned chosen = 0;
        for (int key : c.keys) chosen = PressPickerKey(state, key).chosen;
        const int focused = FocusedRow(state);
        EXPECT_EQ(state.rows[focused].id, c.focused);
        EXPECT_EQ(chosen, c.chosen);
        EXPECT_EQ(ShownEntries(state).size(), static_cast<size_t>(c.shownEntries));
        bool drawn = false;
        for (const PickerLine& line : PlanPickerPaint(state)) drawn |= line.row == focused;
        EXPECT_TRUE(drawn) << "in sight";
    }
    // A heading closed over the focused entry (by a click) takes the focus.
    PickerState state = OpenedOnArticle5();
    for (int key : {kDown, kDown, kRight, kRight, kDown}) PressPickerKey(state, key);
    ToggleHeading(state, FocusedRow(state) - 2);
    EXPECT_EQ(state.rows[FocusedRow(state)].id, kGroup2);
    EXPECT_EQ(EntryTitle(state, FocusedRow(state)), IndexTitleText(VisualTitle("group 2").data(), 7));
}
