// The real main window created in the test's own process, so that its menu,
// its scroll bar and its Reading view can be read directly while keys,
// scroll-bar codes, wheel turns, clicks and commands are sent to it.
#include "app/main_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "app/program.h"
#include "app/startup.h"
#include "calendar/current_article.h"
#include "resources/resource.h"
#include "view/navigation.h"
#include "tests/app/main_window_fixture.h"
#include "tests/support/scratch_registry.h"
#include "view/paint_plan.h"
#include "view/reading_view.h"
#include "view/verse_drag.h"
#include "view/view_geometry.h"

namespace {

constexpr uint32_t kPinned = kFlagPinnedArticle;
constexpr uint32_t kReverse = kFlagReverse;
constexpr int kLongArticle = 1;
constexpr uint16_t kGenesis41Article = 10;

uint32_t WithKeyPageStep(uint32_t flags, int step) {
    return (flags & ~0x00700000u) | (static_cast<uint32_t>(step) << 20);
}

// The keyboard's page: half a page in step modes 2 and 4, else a page less one row.
int KeyPage(const ViewState& view) {
    const int mode = KeyPageStep(program.settings.Flags);
    return mode == 2 || mode == 4 ? view.rowsOnPage / 2 : view.rowsOnPage - 1;
}

}  // namespace

// Opens the window with the article, Flags and position it writes first.
class MainWindow : public MainWindowTest {
protected:

    // True when the window is open with its article laid out.
    bool Open(uint16_t lesson, uint32_t flags, uint16_t position = 0) {
        WriteDword(L"Lesson", lesson);
        WriteDword(L"Flags", flags);
        WriteDword(L"LastPosition", position);
        return CreateFromRegistry() != nullptr && program.view != nullptr && program.view->rowCount > 0;
    }

    // Destroys the window, which saves the settings and posts the quit message.
    void Close() {
        if (window_ == nullptr) return;
        EXPECT_TRUE(DestroyMainWindow());
        EXPECT_EQ(program.view, nullptr);
    }

    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam = 0) {
        return SendMessageW(window_, message, wParam, lParam);
    }

    bool ReverseChecked() { return (GetMenuState(GetMenu(window_), IDM_REVERSE, MF_BYCOMMAND) & MF_CHECKED) != 0; }

    // The scroll bar shows range 0..maxRow and the top row (the system keeps
    // the thumb within the range).
    void ExpectScrollBarFollows() {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_POS;
        ASSERT_TRUE(GetScrollInfo(window_, SB_VERT, &info));
        EXPECT_EQ(info.nMin, 0);
        EXPECT_EQ(info.nMax, program.view->maxRow);
        EXPECT_EQ(info.nPos, std::min<int>(program.view->topRow, program.view->maxRow));
    }

    ViewState& View() { return *program.view; }

    // Shows the view from a row as the window would after scrolling there:
    // painted (which sets the rows on a page) and with the scroll bar updated.
    void MoveTo(int row) {
        View().topRow = static_cast<uint16_t>(row);
        PaintView(program.view, true);
        UpdateScrollBar(window_);
    }
};

namespace {

RECT created{};  // the first window this thread creates after the hook is set

LRESULT CALLBACK NoteCreation(int code, WPARAM wParam, LPARAM lParam) {
    const CREATESTRUCTW* create = code == HCBT_CREATEWND ? reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs : nullptr;
    if (create != nullptr && IsRectEmpty(&created)) {
        created = {create->x, create->y, create->x + create->cx, create->y + create->cy};
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

// The window is made where it was last, not moved there after it is made:
// a move onto a screen of another scale would rescale the stored size once
// more at every start.
TEST_F(MainWindow, IsCreatedAtItsStoredPlace) {
    for (const auto& [name, value] : {std::pair{L"Left", 30}, {L"Top", 40}, {L"Width", 600}, {L"Height", 400}}) {
        WriteDword(name, value);
    }
    HHOOK hook = SetWindowsHookExW(WH_CBT, NoteCreation, nullptr, GetCurrentThreadId());
    const bool opened = Open(1, kDefaultFlags);
    UnhookWindowsHookEx(hook);
    ASSERT_TRUE(opened);
    const RECT stored{30, 40, 630, 440};
    EXPECT_TRUE(EqualRect(&created, &stored));
}

// The check mark follows Flags at start; the command flips the check mark and
// the option together, and twice restores both.
TEST_F(MainWindow, ReverseCheckFollowsFlagsAndTheCommandTogglesBoth) {
    for (const uint32_t flags : {kDefaultFlags | kPinned, kDefaultFlags | kPinned | kReverse}) {
        SCOPED_TRACE(testing::Message() << std::hex << flags);
        ASSERT_TRUE(Open(kLongArticle, flags));
        const bool on = (flags & kReverse) != 0;
        EXPECT_EQ(ReverseChecked(), on);
        EXPECT_EQ(Send(WM_COMMAND, IDM_REVERSE), 0);
        EXPECT_EQ(ReverseChecked(), !on);
        EXPECT_EQ(program.settings.Flags, flags ^ kReverse);
        EXPECT_EQ(DispatchCommand(window_, IDM_REVERSE), 0);
        EXPECT_EQ(ReverseChecked(), on);
        EXPECT_EQ(program.settings.Flags, flags);
        Close();
    }
}

// Set mode checks exactly when value is non-zero; toggle mode flips whatever
// the item shows. The item's whole state is replaced.
TEST(MenuCheck, SetModeFollowsValueToggleModeFlips) {
    const struct { const char* label; UINT initial; bool setMode; int value; int expected; } cases[] = {
        {"set any non-zero", MF_UNCHECKED, true, 7, 1}, {"set off", MF_CHECKED, true, 0, 0},
        {"toggle on", MF_UNCHECKED, false, 0, 1},       {"toggle reads the item, not value", MF_UNCHECKED, false, 1, 1},
        {"toggle off", MF_CHECKED, false, 1, 0},        {"set on a greyed item", MF_GRAYED, true, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        HMENU menu = CreatePopupMenu();
        ASSERT_NE(menu, nullptr);
        ASSERT_TRUE(AppendMenuW(menu, MF_STRING | c.initial, 500, L"Item"));
        EXPECT_EQ(UpdateMenuCheck(menu, c.setMode, 500, c.value), c.expected);
        const UINT state = GetMenuState(menu, 500, MF_BYCOMMAND);
        EXPECT_EQ((state & MF_CHECKED) != 0, c.expected == 1);
        EXPECT_EQ(state & MF_GRAYED, 0u);
        DestroyMenu(menu);
    }
}

namespace {

// An action on the view from a top row (kAtMax stands for maxRow, kAtMax - n
// for maxRow - n, kAtMax + n for maxRow + n), and the top row it should lead
// to, from the view as it stands just before the action.
struct Step { const char* label; int start; UINT message; WPARAM wParam; int (*expected)(const ViewState&, int); };

constexpr int kAtMax = 100000;

int Resolve(int start, const ViewState& view) { return start > kAtMax / 2 ? view.maxRow - (kAtMax - start) : start; }

int Stays(const ViewState&, int start) { return start; }
int ToTop(const ViewState&, int) { return 0; }
int ToMaxRow(const ViewState& view, int) { return view.maxRow; }
int OneUp(const ViewState&, int start) { return start - 1; }
int OneDown(const ViewState&, int start) { return start + 1; }
int KeyPageUp(const ViewState& view, int start) { return start - KeyPage(view); }
int KeyPageDown(const ViewState& view, int start) { return start + KeyPage(view); }
int BarPageUp(const ViewState& view, int start) { return start - PageAmount(1, view); }
int BarPageDown(const ViewState& view, int start) { return start + PageAmount(1, view); }

}  // namespace

class MainWindowSteps : public MainWindow {
protected:
    void Run(const std::vector<Step>& steps) {
        for (const Step& step : steps) {
            SCOPED_TRACE(step.label);
            MoveTo(Resolve(step.start, View()));
            const int expected = step.expected(View(), View().topRow);
            ASSERT_GE(expected, 0);
            Send(step.message, step.wParam);
            EXPECT_EQ(View().topRow, expected);
            ExpectScrollBarFollows();
        }
    }
};

// Keys page by the keyboard's page amount (rowsOnPage - 1 in step mode 1);
// End and Home jump; scrolling stops at the top and, going down, once the top
// row has reached maxRow. Other keys are left to the system.
TEST_F(MainWindowSteps, KeysScrollByRowsAndPages) {
    ASSERT_TRUE(Open(kLongArticle, WithKeyPageStep(kDefaultFlags | kPinned, 1)));
    ASSERT_GT(View().maxRow, 3 * View().rowsOnPage);
    Run({
        {"Page Down", 0, WM_KEYDOWN, VK_NEXT, KeyPageDown},
        {"Page Down from just above maxRow", kAtMax - 1, WM_KEYDOWN, VK_NEXT, KeyPageDown},
        {"Page Down at maxRow", kAtMax, WM_KEYDOWN, VK_NEXT, Stays},
        {"Page Down once past maxRow", kAtMax + 3, WM_KEYDOWN, VK_NEXT, Stays},
        {"Page Up", kAtMax, WM_KEYDOWN, VK_PRIOR, KeyPageUp},
        {"Page Up near the top", 1, WM_KEYDOWN, VK_PRIOR, ToTop},
        {"End", 0, WM_KEYDOWN, VK_END, ToMaxRow},
        {"End from the middle", 5, WM_KEYDOWN, VK_END, ToMaxRow},
        {"End from a page below maxRow", kAtMax + 3, WM_KEYDOWN, VK_END, ToMaxRow},
        {"Home", kAtMax, WM_KEYDOWN, VK_HOME, ToTop},
        {"Down", 0, WM_KEYDOWN, VK_DOWN, OneDown},
        {"Down at maxRow", kAtMax, WM_KEYDOWN, VK_DOWN, Stays},
        {"Up", 3, WM_KEYDOWN, VK_UP, OneUp},
        {"Up at the top", 0, WM_KEYDOWN, VK_UP, ToTop},
        {"Enter without a search text", 3, WM_KEYDOWN, VK_RETURN, Stays},
    });
    for (const int key : {VK_TAB, int{'A'}, VK_F3}) EXPECT_EQ(Send(WM_KEYDOWN, key), 1) << "not the view's key";
}

// In step modes 2 and 4 the keys page by half a page; the scroll bar's page
// stays rowsOnPage - 1.
TEST_F(MainWindowSteps, HalfPageStepsForKeysOnly) {
    for (const int step : {2, 4}) {
        SCOPED_TRACE(step);
        ASSERT_TRUE(Open(kLongArticle, WithKeyPageStep(kDefaultFlags | kPinned, step)));
        Run({
            {"Page Down", 0, WM_KEYDOWN, VK_NEXT, [](const ViewState& v, int) { return v.rowsOnPage / 2; }},
            {"Page Up", 40, WM_KEYDOWN, VK_PRIOR, [](const ViewState& v, int s) { return s - v.rowsOnPage / 2; }},
            {"SB_PAGEDOWN", 0, WM_VSCROLL, SB_PAGEDOWN, BarPageDown},
        });
        Close();
    }
}

TEST_F(MainWindowSteps, ScrollBarCodes) {
    ASSERT_TRUE(Open(kLongArticle, kDefaultFlags | kPinned));
    ASSERT_GT(View().maxRow, 20);
    Run({
        {"SB_LINEUP", 5, WM_VSCROLL, SB_LINEUP, OneUp},
        {"SB_LINEDOWN", 5, WM_VSCROLL, SB_LINEDOWN, OneDown},
        {"SB_PAGEUP", kAtMax, WM_VSCROLL, SB_PAGEUP, BarPageUp},
        {"SB_PAGEDOWN", 0, WM_VSCROLL, SB_PAGEDOWN, BarPageDown},
        {"SB_THUMBPOSITION", 2, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 17), [](const ViewState&, int) { return 17; }},
        {"SB_THUMBTRACK", 17, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 9), [](const ViewState&, int) { return 9; }},
        {"SB_TOP", 12, WM_VSCROLL, SB_TOP, ToTop},
        {"SB_BOTTOM moves one row", 12, WM_VSCROLL, SB_BOTTOM, OneDown},
        {"SB_ENDSCROLL", 12, WM_VSCROLL, SB_ENDSCROLL, Stays},
        {"SB_LINEDOWN at maxRow", kAtMax, WM_VSCROLL, SB_LINEDOWN, Stays},
    });
    EXPECT_EQ(Send(WM_VSCROLL, SB_LINEDOWN), 1);
    // Before any paint (no rows on a page yet) the page codes still move
    // their way, by a row.
    MoveTo(5);
    View().rowsOnPage = 0;
    Send(WM_VSCROLL, SB_PAGEUP);
    EXPECT_EQ(View().topRow, 4);
    View().rowsOnPage = 0;
    Send(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(View().topRow, 5);
}

// Click paging: with Flags bit 31 clear nothing; with bit 28 set the top half
// pages back and the bottom half forward, with it clear the left and right
// halves; the gutter of g pixels round the box still counts.
TEST_F(MainWindow, ClicksPageByHalves) {
    ASSERT_TRUE(Open(kLongArticle, kDefaultFlags | kPinned));
    const ViewState& view = View();
    const int left = view.left, top = view.top, right = view.left + view.width, bottom = view.top + view.height;
    const int midX = left + view.width / 2, midY = top + view.height / 2, g = program.gutter;
    constexpr uint32_t kPaging = kFlagClickPaging, kVertical = kFlagClickPageVertical;
    const uint32_t base = kDefaultFlags & ~(kPaging | kVertical);
    // direction: -1 a page back, +1 a page forward, 0 nothing.
    const struct { const char* label; uint32_t flags; int x, y, direction; } cases[] = {
        {"paging off", base | kVertical, midX, top + 5, 0},
        {"top half", base | kPaging | kVertical, midX, top + 5, -1},
        {"bottom half", base | kPaging | kVertical, midX, bottom - 5, +1},
        {"left half", base | kPaging, left + 5, midY, -1},
        {"right half", base | kPaging, right - 5, midY, +1},
        {"left gutter", base | kPaging, left - g, midY, -1},
        {"right gutter", base | kPaging, right + g, midY, +1},
        {"top gutter", base | kPaging | kVertical, midX, top - g, -1},
        {"beyond the left gutter", base | kPaging, left - g - 1, midY, 0},
        {"beyond the bottom gutter", base | kPaging | kVertical, midX, bottom + g + 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        program.settings.Flags = c.flags | kPinned;
        const int start = 2 * View().rowsOnPage;
        ASSERT_LT(start + View().rowsOnPage, View().maxRow);
        MoveTo(start);
        const int amount = View().rowsOnPage - 1;  // click page step 1
        ASSERT_EQ(ClickPageStep(c.flags), 1);
        EXPECT_EQ(Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.x, c.y)), 0);
        EXPECT_EQ(View().topRow, start) << "a press alone does not page";
        EXPECT_EQ(Send(WM_LBUTTONUP, 0, MAKELPARAM(c.x, c.y)), 0);
        EXPECT_EQ(View().topRow, start + c.direction * amount);
        ExpectScrollBarFollows();
    }
}

// A press that moves beyond the drag distance selects whole verses, from the
// article's first verse under the press at the first body row's right end,
// and never pages. A press that moves less is a click: it clears the
// selection, or, when there is none, pages by the half of the box it is in;
// Escape clears the selection too. On a screen of twice the dots the drag
// distance is twice as long.
TEST_F(MainWindow, DragsSelectVersesAndClicksStillPage) {
    UseTestFont(12);  // four body rows below the headings, with rooms for the marks
    ASSERT_TRUE(Open(kGenesis41Article, kDefaultFlags | kPinned));
    const PaintPlan plan = PlanPaint(View(), false);
    const auto body = std::find_if(plan.rows.begin(), plan.rows.end(), [&](const PlacedRow& placed) {
        return (View().rows[placed.index].attr | kAttrParagraphGap) == kAttrBody;
    });
    ASSERT_LT(body + 3, plan.rows.end());
    const ViewRow first = View().rows[body->index];
    const int right = first.x + first.width - 3, y = body->y + first.height / 2;
    const LPARAM press = MAKELPARAM(right, y);
    const LPARAM below = MAKELPARAM(first.x + first.width / 2, (body + 3)->y + first.height / 2);
    const LPARAM nudged = MAKELPARAM(right + GetSystemMetrics(SM_CXDRAG), y);
    ASSERT_GT(HIWORD(below), View().top + View().height / 2) << "not in the lower half";
    const int nudgedPages = y < View().top + View().height / 2 ? -1 : 1;
    const auto pressAndRelease = [&](LPARAM at, LPARAM to) {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, at);
        Send(WM_MOUSEMOVE, MK_LBUTTON, to);
        Send(WM_LBUTTONUP, 0, to);
    };
    const auto drag = [&] { pressAndRelease(press, below); };
    const struct {
        const char* name;
        std::function<void()> act;
        bool selected;
        int pages;  // the pages the top row moves by, a page as long as the one shown before
    } steps[] = {
        {"a drag", drag, true, 0},
        {"Escape", [&] { Send(WM_KEYDOWN, VK_ESCAPE); }, false, 0},
        {"a drag again", drag, true, 0},
        {"a click that clears the selection", [&] { pressAndRelease(below, below); }, false, 0},
        {"a click in the lower half", [&] { pressAndRelease(below, below); }, false, 1},
        {"a press moved by the drag distance", [&] { pressAndRelease(press, nudged); }, false, nudgedPages},
        {"the same at twice the dots", [&] {
             program.dpi = 2 * 96;
             pressAndRelease(below, MAKELPARAM(LOWORD(below) + GetSystemMetrics(SM_CXDRAG) + 1, HIWORD(below)));
         }, false, 1},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        const int before = View().topRow, page = PageAmount(ClickPageStep(program.settings.Flags), View());
        step.act();
        EXPECT_EQ(View().topRow, before + step.pages * page);
        EXPECT_EQ(View().selectedSpans.empty(), !step.selected);
        if (!step.selected) continue;
        EXPECT_EQ(View().selection.first, 0);
        EXPECT_GT(View().selection.last, 0);
    }
    EXPECT_EQ(GetCapture(), nullptr);
}

// A double click selects the verse under the pointer on the page the first
// click was made on; Shift+click extends the selection from the verse it was
// begun at; a drag held below the text scrolls a row at each tick of its
// timer and selects on. A new layout during a drag keeps the press on its
// verse; another article ends the press.
TEST_F(MainWindow, TheMouseSelectsAsInATextView) {
    UseTestFont(12);
    ASSERT_TRUE(Open(kGenesis41Article, kDefaultFlags | kPinned));
    const PaintPlan plan = PlanPaint(View(), false);
    const auto body = std::find_if(plan.rows.begin(), plan.rows.end(), [&](const PlacedRow& placed) {
        return (View().rows[placed.index].attr | kAttrParagraphGap) == kAttrBody;
    });
    ASSERT_LT(body + 3, plan.rows.end());
    const ViewRow row = View().rows[body->index];
    const LPARAM first = MAKELPARAM(row.x + row.width - 3, body->y + row.height / 2);
    const LPARAM lower = MAKELPARAM(row.x + row.width / 2, (body + 3)->y + row.height / 2);
    const LPARAM belowText = MAKELPARAM(row.x + row.width / 2, View().top + View().height + 20);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, lower);
    Send(WM_LBUTTONUP, 0, lower);
    ASSERT_GT(View().topRow, 0) << "the first click pages";
    Send(WM_LBUTTONDBLCLK, MK_LBUTTON, lower);
    Send(WM_LBUTTONUP, 0, lower);
    const int doubleClicked = View().selection.first;
    EXPECT_EQ(View().topRow, 0);
    EXPECT_GT(doubleClicked, 0);
    EXPECT_EQ(View().selection, (VerseSelection{doubleClicked, doubleClicked, doubleClicked}));

    Send(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, first);
    Send(WM_LBUTTONUP, MK_SHIFT, first);
    EXPECT_EQ(View().selection, (VerseSelection{0, doubleClicked, doubleClicked}));
    EXPECT_EQ(View().topRow, 0);

    Send(WM_LBUTTONDOWN, MK_LBUTTON, first);
    Send(WM_MOUSEMOVE, MK_LBUTTON, belowText);
    const int lastShown = View().selection.last;
    for (int tick = 0; tick < 3; ++tick) Send(WM_TIMER, kEdgeScrollTimer);
    EXPECT_EQ(View().topRow, 3);
    EXPECT_GT(View().selection.last, lastShown);
    Send(WM_LBUTTONUP, 0, belowText);
    EXPECT_EQ(GetCapture(), nullptr);

    MoveTo(0);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, lower);
    Send(WM_MOUSEMOVE, MK_LBUTTON, first);
    Send(WM_COMMAND, IDM_ZOOM_IN);
    SetWindowPos(window_, nullptr, 0, 0, 500, 480, SWP_NOMOVE | SWP_NOZORDER);
    Send(WM_MOUSEMOVE, MK_LBUTTON, first);
    EXPECT_EQ(View().selection.anchor, doubleClicked) << "the press moved with the layout";
    Send(WM_KEYDOWN, VK_RIGHT);
    Send(WM_MOUSEMOVE, MK_LBUTTON, lower);
    EXPECT_TRUE(View().selectedSpans.empty()) << "the press outlived its article";
    Send(WM_LBUTTONUP, 0, lower);
}

// The window cannot be shrunk below a text area that shows a few rows of a
// few words each.
TEST_F(MainWindow, TheWindowKeepsAFewRowsOfAFewWords) {
    ASSERT_TRUE(Open(kGenesis41Article, kDefaultFlags | kPinned, 20));
    SetWindowPos(window_, nullptr, 0, 0, 112, 52, SWP_NOMOVE | SWP_NOZORDER);
    const PaintPlan plan = PlanPaint(View(), false);
    ASSERT_GE(plan.rows.size(), 3u);
    const ViewRow& row = View().rows[plan.rows.front().index];
    EXPECT_GE(std::count(&View().text[row.offset], &View().text[row.offset] + row.count, ' '), 2);
}

// Left and Right, and the Next and Previous commands, step through the
// articles with wrap-around, each from its top, and pin the article; This Week
// clears the pin.
TEST_F(MainWindow, ArrowKeysAndCommandsStepArticles) {
    ASSERT_TRUE(Open(kArticleCount, kDefaultFlags | kPinned));
    const struct { const char* label; UINT message; WPARAM wParam; uint16_t lesson; bool pinned; } steps[] = {
        {"Right from 57", WM_KEYDOWN, VK_RIGHT, 1, true},
        {"Left from 1", WM_KEYDOWN, VK_LEFT, 57, true},
        {"Next from 57", WM_COMMAND, IDM_NEXT_ARTICLE, 1, true},
        {"Next", WM_COMMAND, IDM_NEXT_ARTICLE, 2, true},
        {"Previous", WM_COMMAND, IDM_PREVIOUS_ARTICLE, 1, true},
        {"Previous from 1", WM_COMMAND, IDM_PREVIOUS_ARTICLE, 57, true},
        {"This Week", WM_COMMAND, IDM_THIS_WEEK, ThisWeekArticleToday(), false},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.label);
        MoveTo(4);
        EXPECT_EQ(Send(step.message, step.wParam), 0);
        EXPECT_EQ(program.settings.Lesson, step.lesson);
        EXPECT_EQ(View().topRow, 0);
        EXPECT_EQ((program.settings.Flags & kPinned) != 0, step.pinned);
        ExpectScrollBarFollows();
    }
}

// Flags bit 7 puts the scroll bar on the left, bit 6 alone on the right; with
// both clear there is none.
TEST_F(MainWindow, TheScrollBarStandsWhereFlagsSay) {
    const struct { uint32_t bits; bool bar, onLeft; } cases[] = {
        {0x40, true, false}, {0x80, true, true}, {0xC0, true, true}, {0, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bits);
        ASSERT_TRUE(Open(kLongArticle, (kDefaultFlags & ~0xC0u) | c.bits | kPinned));
        EXPECT_EQ((GetWindowLongW(window_, GWL_STYLE) & WS_VSCROLL) != 0, c.bar);
        EXPECT_EQ((GetWindowLongW(window_, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0, c.onLeft);
        RECT outer, client;
        GetWindowRect(window_, &outer);
        GetClientRect(window_, &client);
        MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&client), 2);
        const int left = client.left - outer.left, right = outer.right - client.right;
        if (!c.bar) EXPECT_EQ(left, right);
        else if (c.onLeft) EXPECT_GT(left, right + 8);
        else EXPECT_GT(right, left + 8);
        Close();
    }
}

// A load that fails keeps the article, Lesson and Flags (pinned bit included).
TEST_F(MainWindow, FailedArticleLoadKeepsTheCurrentOne) {
    ASSERT_TRUE(Open(ThisWeekArticleToday(), kDefaultFlags));
    ASSERT_FALSE(program.settings.Flags & kPinned);
    const Settings before = program.settings;
    const ArticleText text = View().text;
    View().topRow = 6;
    for (const uint16_t article : {uint16_t{kArticleCount + 1}, uint16_t{999}}) {
        SCOPED_TRACE(article);
        EXPECT_EQ(GoToArticle(window_, article), 1);
        EXPECT_EQ(program.settings.Lesson, before.Lesson);
        EXPECT_EQ(program.settings.Flags, before.Flags);
        EXPECT_TRUE(View().text == text);
        EXPECT_EQ(View().topRow, 6);
    }
}

// The stored position is where the article opens; one past the article's rows
// shows its last page. Going to the current article starts it at the top.
TEST_F(MainWindow, StartsAtTheStoredPosition) {
    for (const uint16_t position : {uint16_t{9}, uint16_t{60000}, uint16_t{65535}}) {
        SCOPED_TRACE(position);
        ASSERT_TRUE(Open(kLongArticle, kDefaultFlags | kPinned, position));
        RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        ASSERT_GT(View().maxRow, 9);
        EXPECT_EQ(View().topRow, position == 9 ? 9 : View().maxRow);
        EXPECT_EQ(GoToArticle(window_, kLongArticle), 0);
        EXPECT_EQ(program.settings.Lesson, kLongArticle);
        EXPECT_EQ(View().topRow, 0);
        ExpectScrollBarFollows();
        Close();
    }
}
