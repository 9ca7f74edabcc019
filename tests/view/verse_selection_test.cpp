// Whole verses selected by a drag over the rows of a small article.
#include "view/verse_selection.h"

#include <gtest/gtest.h>

namespace {

// A heading; a body record stored "(b) :yx (a)" (verse a from 16 down to 10,
// verse b from 8 down to 6) in two rows; a chapter mark; verse c from 29 down
// to 24 in one row.
ViewState SmallView() {
    ViewState view;
    view.text = {0xDC, 0, 'h', 0,
                 0x31, 0, '(', 'b', ')', ' ', ':', 'y', 'x', ' ', '(', 'a', ')', 0,
                 0x52, 0, 'm', 0,
                 0xB1, 0, ':', 'z', ' ', '(', 'c', ')', 0, 0, 0, 0};
    const uint16_t rows[][2] = {{2, 1}, {11, 6}, {6, 5}, {20, 1}, {24, 6}};  // offset, count
    for (const auto& row : rows) view.rows.push_back(ViewRow{row[0], row[1], 0, 0, 0, 20, 0x31});
    view.rowCount = static_cast<uint16_t>(view.rows.size());
    view.rows.push_back(ViewRow{});
    return view;
}

const std::vector<VerseEntry> kVerses = {{1, 1, 1, 16, 10}, {1, 1, 2, 8, 6}, {1, 2, 1, 29, 24}};

}  // namespace

TEST(VerseSelection, DragsSelectWholeVersesEitherWay) {
    const struct {
        const char* name;
        DragPoint press, pointer;
        int first, last;
    } cases[] = {
        {"one row inside a verse", {1}, {1}, 0, 0},
        {"a row holding the end of one verse and another", {2}, {2}, 0, 1},
        {"down over the chapter mark", {1}, {4}, 0, 2},
        {"up", {4}, {1}, 0, 2},
        {"from the heading", {0}, {2}, 0, 1},
        {"from the chapter mark", {3}, {4}, 2, 2},
        {"from the byte of a label", {2, 8}, {4}, 1, 2},
        {"along one row, backwards", {2, 6}, {2, 10}, 0, 1},
        {"the heading alone", {0}, {0}, -1, -1},
        {"a row past the view's", {1}, {5}, -1, -1},
    };
    const ViewState view = SmallView();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const VerseSelection selection = SelectVerses(view, kVerses, c.press, c.pointer);
        EXPECT_EQ(selection.first, c.first);
        EXPECT_EQ(selection.last, c.last);
    }
}
