// The main window in the test's own process on screens of other scales and
// at other font sizes: a move to a screen of another scale (WM_DPICHANGED)
// and zooming keep the text that was at the top there, and the zoom keys are
// free in the accelerator table.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

#include "app/program.h"
#include "resources/resource.h"
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

// Zooming steps through the font chooser's sizes from the stored 20 and back
// to it, the wheel alone still scrolls, and the size reached is stored.
TEST_F(ScreenScale, ZoomStepsThroughTheFontSizesAndKeepsTheTopText) {
    ASSERT_TRUE(Open(30));
    const struct { const char* label; UINT message; WPARAM wParam; int size; } steps[] = {
        {"Ctrl+Plus", WM_COMMAND, IDM_ZOOM_IN, 22},
        {"Ctrl and the wheel away", WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, WHEEL_DELTA), 24},
        {"Ctrl and the wheel back three notches", WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, static_cast<WORD>(-3 * WHEEL_DELTA)), 18},
        {"Ctrl+Minus", WM_COMMAND, IDM_ZOOM_OUT, 16},
        {"the wheel alone", WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 16},
        {"Ctrl+0", WM_COMMAND, IDM_ZOOM_RESET, 20},
        {"Ctrl+Plus again", WM_COMMAND, IDM_ZOOM_IN, 22},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.label);
        const int topText = TopRowTextOffset(View());
        const int topRow = View().topRow;
        const bool zooms = step.size != program.settings.font.FontSize;
        SendMessageW(window_, step.message, step.wParam, 0);
        EXPECT_EQ(program.settings.font.FontSize, step.size);
        EXPECT_EQ(View().fontSettings.FontSize, step.size);
        if (zooms) EXPECT_TRUE(TopRowHolds(View(), topText)) << "the text at the top moved";
        else EXPECT_EQ(View().topRow, topRow + 1);
    }
    EXPECT_TRUE(DestroyMainWindow());
    EXPECT_EQ(ReadDword(L"FontSize"), 22u);
}

// Each key of the table has one command: the zoom keys, Ctrl with the plus,
// minus and zero keys of the main keyboard and the keypad, are taken by
// nothing else.
TEST(Accelerators, ZoomKeysAreFreeForZoom) {
    HACCEL table = LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_ACCELERATORS));
    ASSERT_NE(table, nullptr);
    std::vector<ACCEL> entries(static_cast<size_t>(CopyAcceleratorTableW(table, nullptr, 0)));
    CopyAcceleratorTableW(table, entries.data(), static_cast<int>(entries.size()));
    std::set<std::pair<int, int>> keys;
    for (const ACCEL& entry : entries) {
        EXPECT_TRUE(keys.insert({entry.fVirt & ~FNOINVERT, entry.key}).second) << "key " << entry.key << " twice";
    }
    const BYTE ctrl = FVIRTKEY | FCONTROL;
    const struct { BYTE modifiers; WORD key; WORD command; } zoomKeys[] = {
        {ctrl, VK_OEM_PLUS, IDM_ZOOM_IN}, {ctrl | FSHIFT, VK_OEM_PLUS, IDM_ZOOM_IN}, {ctrl, VK_ADD, IDM_ZOOM_IN},
        {ctrl, VK_OEM_MINUS, IDM_ZOOM_OUT}, {ctrl, VK_SUBTRACT, IDM_ZOOM_OUT},
        {ctrl, '0', IDM_ZOOM_RESET}, {ctrl, VK_NUMPAD0, IDM_ZOOM_RESET},
    };
    for (const auto& zoom : zoomKeys) {
        SCOPED_TRACE(zoom.key);
        const auto found = std::find_if(entries.begin(), entries.end(), [&](const ACCEL& entry) {
            return (entry.fVirt & ~FNOINVERT) == zoom.modifiers && entry.key == zoom.key;
        });
        ASSERT_NE(found, entries.end());
        EXPECT_EQ(found->cmd, zoom.command);
    }
    DestroyAcceleratorTable(table);
}
