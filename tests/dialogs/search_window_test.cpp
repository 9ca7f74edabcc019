// The search on the real main window in the test's own process: Search Again
// over the program's own resources, and a found article that the view refuses.
#include "dialogs/search.h"

#include <gtest/gtest.h>

#include <cstring>

#include "app/program.h"
#include "app/startup.h"
#include "tests/app/main_window_fixture.h"
#include "tests/support/scratch_registry.h"
#include "tests/support/screen_capture.h"
#include "tests/support/wait.h"
#include "view/paint_plan.h"
#include "view/reading_view.h"

namespace {

constexpr uint32_t kUnpinnedFlags = 0xD1140040;

}  // namespace

class SearchWindow : public MainWindowTest {
protected:

    // Opens the window on article 12 (pinned) or on This Week.
    bool Open(uint32_t flags) {
        UseFreshSettings(12);
        WriteDword(L"Flags", flags);
        CreateFromRegistry();
        return program.view != nullptr && !program.view->text.empty();
    }
};

// Aaron is first named in article 13; the hit comes to the top row.
TEST_F(SearchWindow, SearchAgainLoadsTheHitsArticleAndBringsTheHitToTheTop) {
    ASSERT_TRUE(Open(kUnpinnedFlags | kFlagPinnedArticle));
    std::strcpy(program.settings.SearchString, "pyea");
    ASSERT_EQ(SearchAgain(window_), 1);
    const ViewState& view = *program.view;
    EXPECT_EQ(program.settings.Lesson, 13);
    EXPECT_LT(view.highlightStart, view.highlightEnd);
    EXPECT_GE(view.highlightEnd - view.highlightStart, 4);
    const ViewRow* top = nullptr;
    for (int i = 0, number = 0; i < view.rowCount && top == nullptr; ++i) {
        if (number >= view.topRow) top = &view.rows[i];
        number += (view.rows[i].attr & 0x80) ? 2 : 1;
    }
    ASSERT_NE(top, nullptr);
    EXPECT_TRUE(view.topRow == view.maxRow ||
                (top->offset <= view.highlightEnd && view.highlightEnd <= top->offset + top->count));
}

// A hit in the article's last row, which stays at the bottom of the view,
// is not covered by the banner: the banner goes to the top.
TEST_F(SearchWindow, TheBannerKeepsTheHitsRowClear) {
    ASSERT_TRUE(Open(kUnpinnedFlags | kFlagPinnedArticle));
    const ViewState& view = *program.view;
    const ViewRow last = view.rows[view.rowCount - 1];
    LibraryHit found{true, 0, {}, TextHit{static_cast<unsigned>(last.offset + last.count - 1), 2}};
    // The banner is drawn once, over what the window shows: the window is shown first.
    for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&message);
    ASSERT_EQ(ShowSearchHit(found), 1);
    const int lastY = PlanPaint(*program.view, false).rows.back().y;
    const RECT hitRow{view.left, lastY, view.left + view.width, lastY + last.height};
    Capture shown;
    WaitUntil([&] { return (shown = CaptureClient(window_)).Count(hitRow, RGB(255, 255, 0)) > 0; });
    EXPECT_EQ(shown.Count(hitRow, RGB(255, 0, 0)), 0) << "the banner's red lies over the hit";
    EXPECT_GT(shown.Count(RECT{view.left, view.top, view.left + view.width, lastY}, RGB(255, 0, 0)), 50);
}

// A text the layout refuses leaves the article, Lesson, Flags and the view.
TEST_F(SearchWindow, ARefusedFoundArticleChangesNothing) {
    ASSERT_TRUE(Open(kUnpinnedFlags));
    const Settings before = program.settings;
    const ArticleText shown = program.view->text;
    const uint16_t topRow = program.view->topRow;
    LibraryHit found;
    found.found = true;
    found.article = static_cast<uint16_t>(before.Lesson % 57 + 1);
    found.text = ArticleText{0, 0, 'a', 0, 0, 0};  // no first record: refused
    found.hit = TextHit{2, 1};
    EXPECT_EQ(ShowSearchHit(found), 0);
    EXPECT_EQ(program.settings.Lesson, before.Lesson);
    EXPECT_EQ(program.settings.Flags, kUnpinnedFlags);
    EXPECT_EQ(program.view->text, shown);
    EXPECT_EQ(program.view->topRow, topRow);
    EXPECT_EQ(program.view->highlightEnd, 0);
}
