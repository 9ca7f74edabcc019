// The main window in the test's own process on screens of other scales: a
// move to a screen of another scale (WM_DPICHANGED) keeps the text that was
// at the top there.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "app/program.h"
#include "tests/app/main_window_fixture.h"
#include "tests/support/screen_capture.h"
#include "tests/support/scratch_registry.h"
#include "view/dpi_scale.h"
#include "view/layout.h"
#include "view/reading_view.h"

namespace {

constexpr uint16_t kLongArticle = 1;

// Whether the row painting starts with holds the byte offset text.
bool TopRowHolds(const ViewState& view, int text) {
    for (int i = 0, number = 0; i < view.rowCount; number += (view.rows[i++].attr & kAttrParagraphGap) ? 2 : 1) {
        const ViewRow& row = view.rows[i];
        if (number >= view.topRow) return row.offset <= text && text <= row.offset + std::max<int>(row.count - 1, 0);
    }
    return false;
}

// The tallest row of the view's text.
int TallestRow(const ViewState& view) {
    int tallest = 0;
    for (int i = 0; i < view.rowCount; ++i) tallest = std::max<int>(tallest, view.rows[i].height);
    return tallest;
}

// Rows of the toolbar with ink: the height of its pictures on the screen.
int ToolbarPictureHeight() {
    UpdateWindow(program.toolbar);
    const Capture capture = CaptureClient(program.toolbar);
    int top = capture.height, bottom = -1;
    for (int y = 0; y < capture.height; ++y) {
        if (capture.CountInk(RECT{0, y, capture.width, y + 1}) == 0) continue;
        top = std::min(top, y);
        bottom = y;
    }
    return bottom - top + 1;
}

int ToolbarImageSize() {
    const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(program.toolbar, TB_GETIMAGELIST, 0, 0));
    int width = 0, height = 0;
    ImageList_GetIconSize(images, &width, &height);
    return height;
}

}  // namespace

class ScreenScale : public MainWindowTest {
protected:
    bool Open(uint16_t position) {
        WriteDword(L"Lesson", kLongArticle);
        WriteDword(L"Flags", kDefaultFlags | kFlagPinnedArticle);
        WriteDword(L"LastPosition", position);
        return CreateFromRegistry() != nullptr && program.view != nullptr && program.view->rowCount > 0;
    }
    ViewState& View() { return *program.view; }
};

// The window takes the rectangle the system suggests; the toolbar's pictures,
// the gutter and the fonts grow with the screen and come back with it.
TEST_F(ScreenScale, TheWindowFollowsAScreenOfAnotherScale) {
    ASSERT_TRUE(Open(30));
    const int pictureHeight = ToolbarPictureHeight();
    const int rowHeight = TallestRow(View());
    for (const int dpi : {144, 192, 96}) {
        SCOPED_TRACE(dpi);
        const int topText = TopRowTextOffset(View());
        RECT suggested{20, 10, 20 + ScaleForDpi(640, dpi), 10 + ScaleForDpi(480, dpi)};
        SendMessageW(window_, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        RECT placed{};
        GetWindowRect(window_, &placed);
        EXPECT_TRUE(EqualRect(&placed, &suggested));
        EXPECT_EQ(ToolbarImageSize(), ArtSize(16, ArtScaleForDpi(dpi)));
        EXPECT_NEAR(ToolbarPictureHeight(), pictureHeight * dpi / 96.0, 2);
        EXPECT_EQ(View().left, ScaleForDpi(program.gutter, dpi));
        EXPECT_NEAR(TallestRow(View()), rowHeight * dpi / 96.0, 3);
        EXPECT_TRUE(TopRowHolds(View(), topText)) << "the text at the top moved";
    }
}
