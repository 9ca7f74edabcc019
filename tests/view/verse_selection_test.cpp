// Whole verses selected by a drag over the rows of a small article.
#include "view/verse_selection.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "tests/view/view_test_support.h"

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
        int first, last, anchor;  // the anchor is the press's verse
    } cases[] = {
        {"one row inside a verse", {1}, {1}, 0, 0, 0},
        {"a row holding the end of one verse and another", {2}, {2}, 0, 1, 0},
        {"down over the chapter mark", {1}, {4}, 0, 2, 0},
        {"up", {4}, {1}, 0, 2, 2},
        {"from the heading", {0}, {2}, 0, 1, 0},
        {"from the chapter mark", {3}, {4}, 2, 2, 2},
        {"from the byte of a label", {2, 8}, {4}, 1, 2, 1},
        {"along one row, backwards", {2, 6}, {2, 10}, 0, 1, 1},
        {"from the space between two verses to the later", {2, 9}, {2, 6}, 1, 1, 1},
        {"from the space between two verses to the earlier", {2, 9}, {1, 12}, 0, 0, 0},
        {"both on that space", {2, 9}, {2, 9}, -1, -1, -1},
        {"the heading alone", {0}, {0}, -1, -1, -1},
        {"a row past the view's", {1}, {5}, -1, -1, -1},
    };
    const ViewState view = SmallView();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const VerseSelection selection = SelectVerses(view, kVerses, c.press, c.pointer);
        EXPECT_EQ(selection.first, c.first);
        EXPECT_EQ(selection.last, c.last);
        EXPECT_EQ(selection.anchor, c.anchor);
    }
}

// The view keeps the selected verses with their bytes, one span per record,
// and says when the selection changed.
TEST(VerseSelection, TheViewKeepsTheSelectionAndItsBytes) {
    ViewState view = SmallView();
    const struct {
        const char* name;
        VerseSelection selection;
        VerseSelection kept;
        std::vector<std::pair<int, int>> spans;
        bool changed;
    } steps[] = {
        {"two verses of one record", {0, 1}, {0, 1}, {{6, 17}}, true},
        {"the same again", {0, 1}, {0, 1}, {{6, 17}}, false},
        {"across the chapter mark", {1, 2}, {1, 2}, {{6, 9}, {24, 30}}, true},
        {"verses past the list", {2, 3}, {}, {}, true},
        {"none stays none", {}, {}, {}, false},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        EXPECT_EQ(SetViewSelection(view, kVerses, step.selection), step.changed);
        EXPECT_EQ(view.selection, step.kept);
        std::vector<std::pair<int, int>> spans;
        for (const TextSpan& span : view.selectedSpans) spans.emplace_back(span.start, span.end);
        EXPECT_EQ(spans, step.spans);
    }
}

// A right-to-left record "(a) xy" under a heading with a gap, in a box 100 px
// wide from y 10: the heading's row at 10, its gap row at 30, the record's
// row at 50, right-aligned from x 45, stored "yx )a(" with letters 10 px wide
// and the space 5. Left of the text is the row's last byte read, right of it
// its first.
TEST(VerseSelection, APointFindsTheRowAndTheByteUnderIt) {
    ViewState view = LaidOut(Article({{0x81, 0, "h"}, {0x31, 0, "(a) xy"}}), 0, 10, 100, 200);
    ASSERT_EQ(view.rowCount, 2);
    ASSERT_EQ(view.rows[1].x, 45);
    const struct { int y, row; } rows[] = {{0, 0}, {10, 0}, {29, 0}, {45, 0}, {50, 1}, {69, 1}, {500, 1}};
    for (const auto& c : rows) {
        SCOPED_TRACE(c.y);
        EXPECT_EQ(RowAtY(view, c.y), c.row);
    }
    FakeMeasurer measurer;
    const WidthTable* widths = measurer.SelectStyle(0x31).widths;
    const int offset = view.rows[1].offset;
    const struct { int x, byte; } bytes[] = {
        {0, 0}, {44, 0}, {45, 0}, {54, 0}, {55, 1}, {69, 2}, {70, 3}, {99, 5}, {100, 5}, {900, 5},
    };
    for (const auto& c : bytes) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(ByteAtX(view, widths, view.rows[1], c.x), offset + c.byte);
    }
    view.rowCount = 0;
    EXPECT_EQ(RowAtY(view, 50), -1);
}
