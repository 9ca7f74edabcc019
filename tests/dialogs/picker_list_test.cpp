#include "dialogs/picker_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "tests/dialogs/index_builder.h"
#include "tests/view/view_test_support.h"
#include "view/bookmark_list.h"

namespace {

const uint16_t kGroup1 = HeadingRowId(1), kGroup2 = HeadingRowId(14), kGroup3 = HeadingRowId(26);
const uint16_t kGroup4 = HeadingRowId(37), kGroup5 = HeadingRowId(48);
const uint16_t kBookmarks = kBookmarkHeadingId;
uint16_t A(int article) { return ArticleRowId(article); }

ArticleText WithBookmarks(std::vector<uint8_t> stored, ArticleText index = ShippedShapeIndex()) {
    BookmarkList list;
    ReadBookmarks(list, stored.data(), stored.size());
    return PrependBookmarkGroup(list, std::move(index));
}

// A window's list as opened: laid out in a box at (0, 0), the current article revealed.
PickerState Opened(ArticleText text, unsigned current, int width = 400, int height = 1000) {
    PickerState state;
    state.width = width;
    state.height = height;
    FakeMeasurer measurer;
    LayoutPickerRows(state, measurer, std::move(text));
    RevealArticle(state, current);
    return state;
}

// The identifiers of the shown entries, in order.
std::vector<uint16_t> Shown(const PickerState& state) {
    std::vector<uint16_t> ids;
    for (int i = 0; i < state.rowCount; ++i) {
        const PickerRow& r = state.rows[i];
        if ((r.attr & 0x80) && (ids.empty() || ids.back() != r.id)) ids.push_back(r.id);
    }
    return ids;
}

// Each entry's identifier with its shown and expanded bits.
std::vector<std::pair<uint16_t, int>> Bits(const PickerState& state) {
    std::vector<std::pair<uint16_t, int>> bits;
    for (int i = 0; i < state.rowCount; ++i) {
        const PickerRow& r = state.rows[i];
        if (i == 0 || r.id != state.rows[i - 1].id) bits.emplace_back(r.id, r.attr & 0xC0);
    }
    return bits;
}

int RowOf(const PickerState& state, uint16_t id) {
    for (int i = 0; i < state.rowCount; ++i) {
        if (state.rows[i].id == id) return i;
    }
    return -1;
}

// The middle of a row's height on the screen, for clicks.
int RowMiddle(PickerState& state, int row) {
    for (const PickerLine& line : PlanPickerPaint(state)) {
        if (line.row == row) return line.y + state.rows[row].height / 2;
    }
    return -1000;
}

}  // namespace

TEST(Picker, OpensWithTheCurrentArticleRevealed) {
    const std::vector<uint16_t> headings = {kGroup1, kGroup2, kGroup3, kGroup4, kGroup5};
    auto plus = [](std::vector<uint16_t> before, std::vector<uint16_t> after) {
        before.insert(before.end(), after.begin(), after.end());
        return before;
    };
    const std::vector<uint16_t> topLevel = plus(headings, {A(55), A(56), A(57)});
    // open: the headings whose box shows a minus, as rows under them are shown.
    const struct {
        const char* label;
        ArticleText text;
        unsigned current;
        std::vector<uint16_t> shown;
        std::vector<uint16_t> open;
    } cases[] = {
        {"article 5 inside a closed group", ShippedShapeIndex(), 5,
         plus({kGroup1, A(5), A(6)}, plus({kGroup2, kGroup3, kGroup4, kGroup5}, {A(55), A(56), A(57)})), {kGroup1}},
        {"the last of a group", ShippedShapeIndex(), 12,
         plus({kGroup1, A(12)}, plus({kGroup2, kGroup3, kGroup4, kGroup5}, {A(55), A(56), A(57)})), {kGroup1}},
        {"a top-level article", ShippedShapeIndex(), 56, topLevel, {}},
        {"a bookmarked article", WithBookmarks({5, 0, 12, 0, 0, 0}), 5, plus({kBookmarks, A(5), A(12)}, topLevel), {}},
        {"a bookmark without an index row", WithBookmarks({80, 0, 0, 0}), 56, plus({kBookmarks}, topLevel), {}},
        {"only the group", WithBookmarks({5, 0, 0, 0}, {}), 5, {kBookmarks}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const PickerState state = Opened(c.text, c.current);
        EXPECT_EQ(Shown(state), c.shown);
        EXPECT_EQ(state.shownCount, c.shown.size());
        EXPECT_EQ(state.topRow, 0);
        for (uint16_t heading : headings) {
            const int row = RowOf(state, heading);
            const bool open = std::find(c.open.begin(), c.open.end(), heading) != c.open.end();
            if (row >= 0) EXPECT_EQ((state.rows[row].attr & 0x40) != 0, open) << "the box on " << std::hex << heading;
        }
    }
}

// Clicks on a heading open and close it from its text, its icon and anywhere
// right of them, never from the left; an article row answers on its text and
// its 13-pixel icon zone only.
TEST(Picker, ClicksOpenHeadingsAndChooseArticles) {
    PickerState state = Opened(ShippedShapeIndex(), 56);
    const PickerRow heading = state.rows[0];
    const int y = RowMiddle(state, 0);
    EXPECT_EQ(HitTestPicker(state, heading.x - 1, y), 0);
    EXPECT_EQ(Shown(state).size(), 8u);
    bool toggled = false;
    EXPECT_EQ(HitTestPicker(state, heading.x + 2, y, &toggled), -static_cast<int>(kGroup1 & 0x3FFF));
    EXPECT_TRUE(toggled);
    EXPECT_EQ(Shown(state).size(), 8u + 12u);
    EXPECT_EQ(state.rows[0].attr & 0x40, 0x40);
    EXPECT_LT(HitTestPicker(state, state.left + state.width, y), 0);
    EXPECT_EQ(Shown(state).size(), 8u);
    EXPECT_EQ(state.rows[0].attr & 0x40, 0);
    HitTestPicker(state, heading.x + heading.width + kPickerIconZone, y);

    const int row = RowOf(state, A(3));
    const PickerRow article = state.rows[row];
    const int articleY = RowMiddle(state, row);
    const struct { int x; int result; } clicks[] = {
        {article.x, 3}, {article.x + article.width, 3}, {article.x + article.width + kPickerIconZone, 3},
        {article.x + article.width + kPickerIconZone + 1, 0}, {article.x - 1, 0},
    };
    for (const auto& c : clicks) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(HitTestPicker(state, c.x, articleY, &toggled), c.result);
        EXPECT_FALSE(toggled);
    }
    EXPECT_EQ(HitTestPicker(state, article.x, 990), -1);  // below the last row
    EXPECT_EQ(HitTestPicker(state, article.x, 1001), 0);  // outside the box
}

// A heading of three rows: a click on any of them flips the box of all three;
// closing hides its children and keeps its own rows.
TEST(Picker, AHeadingOfSeveralRowsTogglesAsOne) {
    std::vector<uint8_t> index;
    AppendIndexRow(index, kGroup1, 0xCC, 1, VisualTitle("alpha beta gamma"));
    AppendIndexRow(index, A(1), 0x81, 2, VisualTitle("one"));
    AppendIndexRow(index, A(2), 0x81, 2, VisualTitle("two"));
    AppendIndexRow(index, A(3), 0x8C, 1, VisualTitle("three"));
    EndIndex(index);
    PickerState state = Opened(index, 0, 150);
    ASSERT_EQ(RowOf(state, A(1)), 3);
    for (int clicked : {1, 0, 2}) {
        SCOPED_TRACE(clicked);
        const bool wasOpen = state.rows[clicked].attr & 0x40;
        EXPECT_LT(HitTestPicker(state, state.rows[clicked].x + 1, RowMiddle(state, clicked)), 0);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(state.rows[i].attr & 0xC0, wasOpen ? 0x80 : 0xC0);
        EXPECT_EQ(state.shownCount, wasOpen ? 4 : 6);
    }
}

// Mended: the heading of a group with no rows under it only flips its box,
// instead of hiding every row that follows it.
TEST(Picker, AHeadingWithoutChildrenOnlyFlipsItsBox) {
    PickerState state = Opened(WithBookmarks({80, 0, 0, 0}), 56);
    const std::vector<uint16_t> before = Shown(state);
    for (int click = 0; click < 2; ++click) {
        EXPECT_EQ(ToggleHeading(state, 0), -0x0877);
        EXPECT_EQ(Shown(state), before);
        EXPECT_EQ(state.rows[0].attr & 0x40, click == 0 ? 0 : 0x40);
    }
}

// Mended: closing a group while the list is scrolled to its end leaves the
// list scrolled no further than its new end, with rows to draw.
TEST(Picker, ClosingWhileScrolledKeepsRowsInView) {
    PickerState state = Opened(ShippedShapeIndex(), 56, 400, 200);
    ToggleHeading(state, 0);
    ASSERT_GT(state.maxTop, 0);
    ScrollPicker(state, state.maxTop);
    ToggleHeading(state, 0);
    EXPECT_LE(state.topRow, state.maxTop);
    const std::vector<PickerLine> lines = PlanPickerPaint(state);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back().row, RowOf(state, A(57)));
}

// A new layout for a new size keeps what was open open and what was closed
// closed, each box matching its rows.
TEST(Picker, AResizeKeepsEveryEntryAsItWas) {
    PickerState state = Opened(WithBookmarks({5, 0, 12, 0, 0, 0}), 20, 400, 300);
    ToggleHeading(state, 0);                           // close the bookmarks
    ToggleHeading(state, RowOf(state, kGroup3));       // open group 3
    ScrollPicker(state, 3);
    const auto bits = Bits(state);
    for (int width : {250, 400, 90}) {
        SCOPED_TRACE(width);
        const std::vector<ExpansionEntry> snapshot = SaveExpansion(state);
        state.width = width;
        FakeMeasurer measurer;
        ASSERT_EQ(LayoutPickerRows(state, measurer, std::move(state.text)), 0);
        RestoreExpansion(state, snapshot);
        EXPECT_EQ(Bits(state), bits);
        EXPECT_LE(state.topRow, state.maxTop);
    }
}

// A box too narrow for the levels lays rows out without indentation; one too
// narrow for a single letter still takes a letter per row and ends.
TEST(Picker, NarrowBoxesStillLayOutEveryByte) {
    const struct { int width; uint16_t entry; int indent; } indents[] = {
        {60, kGroup1, 13}, {60, A(5), 26}, {29, kGroup1, 13}, {26, A(5), 0}, {13, A(5), 0},
    };
    for (const auto& c : indents) {
        SCOPED_TRACE(c.width);
        const PickerState state = Opened(ShippedShapeIndex(), 5, c.width);
        EXPECT_EQ(PickerRowIndent(state, state.rows[RowOf(state, c.entry)]), c.indent);
    }
    const ArticleText index = ShippedShapeIndex();
    size_t letters = 0;
    for (const IndexRow& row : ReadIndexRows(index.data(), index.size())) {
        letters += row.titleLength - std::count(row.title, row.title + row.titleLength, ' ');
    }
    for (int width : {5, 1, 0, -4}) {
        SCOPED_TRACE(width);
        const PickerState state = Opened(index, 5, width);
        EXPECT_EQ(state.rowCount, letters);
        for (int i = 0; i < state.rowCount; ++i) EXPECT_EQ(state.rows[i].count, 1);
        EXPECT_EQ(state.rows[state.rowCount].attr, 0);
    }
    // Far more rows than the first allocation, and the row counters do not wrap.
    std::vector<uint8_t> long_;
    AppendIndexRow(long_, A(1), 0x81, 1, std::vector<uint8_t>(60000, 'a'));
    EndIndex(long_);
    const PickerState state = Opened(long_, 1, 5, 100);
    EXPECT_EQ(state.rowCount, 60000);
    EXPECT_EQ(state.shownCount, 60000);
    EXPECT_EQ(state.maxTop, 60000 - 5);
}

// Index texts that are not acceptable lay nothing out; one that lacks its
// ending row lays out its complete rows only.
TEST(Picker, RefusesIndexTextsItCannotShow) {
    std::vector<uint8_t> emptyTitle, noAttribute;
    AppendIndexRow(emptyTitle, A(1), 0x81, 1, {});
    EndIndex(emptyTitle);
    noAttribute = {1, 0x40, 0, 1, 'a', 0, 0, 0, 0, 0};
    const ArticleText index = ShippedShapeIndex();
    const struct { const char* label; ArticleText text; int result; int rows; } cases[] = {
        {"none", {}, kLayoutNoText, 0},
        {"an empty first title", emptyTitle, kLayoutTextRefused, 0},
        {"attribute 0 first", noAttribute, kLayoutTextRefused, 0},
        {"no ending row", ArticleText(index.begin(), index.begin() + 35), 0, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        PickerState state;
        state.width = 400;
        state.height = 400;
        FakeMeasurer measurer;
        EXPECT_EQ(LayoutPickerRows(state, measurer, ArticleText(c.text)), c.result);
        EXPECT_EQ(state.rowCount, c.rows);
        EXPECT_TRUE(PlanPickerPaint(state).size() <= 1u);
        EXPECT_EQ(HitTestPicker(state, 390, 10), c.rows == 0 ? 0 : -static_cast<int>(kGroup1 & 0x3FFF));
    }
}

// Keys move by one row (Page Up and Down too), Home to the top, End to the
// end; the bar pages by the rows drawn last, and its bottom event moves one row.
TEST(Picker, KeysAndTheScrollBarMoveTheList) {
    constexpr int kPageUp = 33, kPageDown = 34, kEnd = 35, kHome = 36, kUp = 38, kDown = 40, kLeft = 37;
    constexpr int kBarLineUp = 0, kBarPageUp = 2, kBarPageDown = 3, kBarThumb = 5, kBarTop = 6, kBarBottom = 7;
    PickerState state = Opened(ShippedShapeIndex(), 20, 400, 200);
    ToggleHeading(state, 0);
    ASSERT_GT(PlanPickerPaint(state).size(), 2u);
    const int page = state.rowsDrawn;
    const int last = state.maxTop;
    const struct { bool key; int code; int position; int top; } steps[] = {
        {true, kPageDown, 0, 1}, {true, kDown, 0, 2}, {true, kPageUp, 0, 1}, {true, kUp, 0, 0},
        {true, kHome, 0, 0}, {true, kLeft, 0, 0}, {false, kBarPageDown, 0, page}, {false, kBarBottom, 0, page + 1},
        {false, kBarPageUp, 0, 1}, {false, kBarLineUp, 0, 0}, {true, kEnd, 0, last}, {true, kDown, 0, last},
        {true, kHome, 0, 0}, {false, kBarThumb, 4, 4}, {false, kBarTop, 0, 0}, {false, kBarThumb, 999, last},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(testing::Message() << (s.key ? "key " : "bar ") << s.code);
        const int delta = s.key ? PickerKeyDelta(s.code, state.topRow, state.maxTop)
                                : PickerScrollBarDelta(s.code, s.position, state.topRow, state.rowsDrawn);
        ScrollPicker(state, delta);
        EXPECT_EQ(state.topRow, s.top);
    }
}

// A paint draws the shown rows that fit from topRow, with one icon per entry
// on its first drawn row.
TEST(Picker, APaintDrawsTheShownRowsThatFit) {
    std::vector<uint8_t> index;
    AppendIndexRow(index, kGroup1, 0xCC, 1, VisualTitle("alpha beta gamma"));
    AppendIndexRow(index, A(1), 0x01, 2, VisualTitle("hidden"));
    AppendIndexRow(index, A(2), 0x81, 2, VisualTitle("two"));
    EndIndex(index);
    const struct { int height, topRow; std::vector<PickerLine> lines; } cases[] = {
        {200, 0, {{0, 0, true}, {1, 30, false}, {2, 60, false}, {4, 90, true}}},
        {89, 0, {{0, 0, true}, {1, 30, false}}},
        {200, 1, {{1, 0, true}, {2, 30, false}, {4, 60, true}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.height << " " << c.topRow);
        PickerState state = Opened(index, 0, 150, c.height);
        state.topRow = static_cast<uint16_t>(c.topRow);
        const std::vector<PickerLine> lines = PlanPickerPaint(state);
        ASSERT_EQ(lines.size(), c.lines.size());
        for (size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(std::tuple(lines[i].row, lines[i].y, lines[i].icon),
                      std::tuple(c.lines[i].row, c.lines[i].y, c.lines[i].icon));
        }
        EXPECT_EQ(state.rowsDrawn, static_cast<int>(lines.size()));
    }
}

// Out of memory: a new layout of the window's own text keeps the rows laid
// out so far, ended; a new text is not taken and leaves no rows.
TEST(Picker, RunningOutOfMemoryKeepsOnlyRowsOfItsOwnText) {
    PickerState state = Opened(ShippedShapeIndex(), 0);
    FakeMeasurer failing;
    failing.failOnFit = 10;
    EXPECT_EQ(LayoutPickerRows(state, failing, std::move(state.text)), kLayoutOutOfMemory);
    EXPECT_EQ(state.rowCount, 9);
    EXPECT_EQ(state.rows[9].attr, 0);
    EXPECT_FALSE(state.text.empty());
    PickerState fresh;
    fresh.width = 400;
    fresh.height = 400;
    failing.fits = 0;
    EXPECT_EQ(LayoutPickerRows(fresh, failing, ShippedShapeIndex()), kLayoutOutOfMemory);
    EXPECT_EQ(fresh.rowCount, 0);
    EXPECT_TRUE(fresh.text.empty());
    EXPECT_EQ(HitTestPicker(fresh, 390, 10), 0);
}
