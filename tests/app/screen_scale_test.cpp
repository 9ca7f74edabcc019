// The main window in the test's own process: a move to a screen of another
// scale (WM_DPICHANGED) and zooming keep the text that was at the top there,
// and every dialog follows such a move;
// the zoom keys are free in the accelerator table.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/main_window.h"
#include "app/program.h"
#include "resources/resource.h"
#include "tests/app/main_window_fixture.h"
#include "tests/dialogs/font_dialog_driver.h"
#include "tests/support/gdi_counter.h"
#include "tests/support/modal_dialog.h"
#include "view/dpi_scale.h"
#include "view/layout.h"
#include "view/reading_view.h"
#include "view/window_dpi.h"

class ScreenScale : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        WriteDword(L"Lesson", 1);
        WriteDword(L"Flags", kDefaultFlags | kFlagPinnedArticle);
        WriteDword(L"LastPosition", 30);
        ASSERT_NE(CreateFromRegistry(), nullptr);
    }

    // Whether the row painting starts with holds the byte offset text.
    static bool TopRowHolds(int text) {
        const ViewState& view = *program.view;
        for (int i = 0, number = 0; i < view.rowCount; number += (view.rows[i++].attr & kAttrParagraphGap) ? 2 : 1) {
            const ViewRow& row = view.rows[i];
            if (number >= view.topRow) return row.offset <= text && text < row.offset + std::max<int>(row.count, 1);
        }
        return false;
    }
};

// The window takes the suggested rectangle; the toolbar's pictures, the
// gutter and the fonts follow the screen there and back.
TEST_F(ScreenScale, TheWindowFollowsAScreenOfAnotherScale) {
    const int titleHeight = program.view->rows[0].height;
    for (const int dpi : {144, 192, 96}) {
        SCOPED_TRACE(dpi);
        const int topText = TopRowTextOffset(*program.view);
        RECT suggested{20, 10, 20 + ScaleForDpi(640, dpi), 10 + ScaleForDpi(480, dpi)}, placed{};
        SendMessageW(window_, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        GetWindowRect(window_, &placed);
        EXPECT_TRUE(EqualRect(&placed, &suggested));
        int width = 0, height = 0;
        ImageList_GetIconSize(reinterpret_cast<HIMAGELIST>(SendMessageW(program.toolbar, TB_GETIMAGELIST, 0, 0)),
                              &width, &height);
        EXPECT_EQ(height, 16 * ArtScaleForDpi(dpi) / 100);
        EXPECT_EQ(program.view->left, ScaleForDpi(program.gutter, dpi));
        EXPECT_NEAR(program.view->rows[0].height, titleHeight * dpi / 96.0, 3);
        EXPECT_TRUE(TopRowHolds(topText)) << "the text at the top moved";
    }
}

// After a move to a screen of another scale the view's box is the one a
// resize gives: a resize to the same client size lays nothing out again.
TEST_F(ScreenScale, AResizeAfterAScaleChangeKeepsTheBox) {
    RECT suggested{20, 10, 20 + ScaleForDpi(640, 144), 10 + ScaleForDpi(480, 144)};
    SendMessageW(window_, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    const ViewState before = *program.view;
    RECT client{};
    GetClientRect(window_, &client);
    SendMessageW(window_, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
    EXPECT_EQ(program.view->left, before.left);
    EXPECT_EQ(program.view->top, before.top);
    EXPECT_EQ(program.view->width, before.width);
    EXPECT_EQ(program.view->height, before.height);
}

// Every dialog makes what it draws for the new scale when it is told of one:
// the Search box's font, the preview's font and Choose Article's icons (the
// only pictures loaded while it is open) are twice as large at 192 dots.
TEST_F(ScreenScale, EveryDialogFollowsAScreenOfAnotherScale) {
    GdiCounter counter;
    ASSERT_TRUE(counter.installed);
    const auto font = [](HWND dialog, int id) {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HGDIOBJ>(SendDlgItemMessageW(dialog, id, WM_GETFONT, 0, 0)), sizeof font, &font);
        return static_cast<int>(-font.lfHeight);
    };
    const auto icon = [&counter] { return static_cast<int>(BitmapSize(HBITMAP(*counter.liveBitmaps.begin())).cx); };
    const struct { const wchar_t* caption; int command; std::function<int(HWND)> measure; } dialogs[] = {
        {L"Velmora", IDM_SEARCH, [&](HWND d) { return font(d, IDC_SEARCH_TEXT); }},
        {L"Choose Font", IDM_FONT, [&](HWND d) { return font(d, IDC_FONT_PREVIEW); }},
        {L"Choose Article", IDM_CHOOSE_SECTION, [&](HWND) { return icon(); }},
    };
    program.settings.font.FontSize = 8;  // a preview that fits the field at 192 dots too
    for (const auto& d : dialogs) {
        SCOPED_TRACE(d.command);
        int at96 = 0, at192 = 0;
        WithModalDialog(d.caption, [&] { return DispatchCommand(window_, d.command); }, [&](HWND dialog) {
            at96 = d.measure(dialog);
            RECT place{};
            GetWindowRect(dialog, &place);
            SendMessageW(dialog, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&place));
            at192 = d.measure(dialog);
            return IDCANCEL;
        });
        EXPECT_GT(at96, 0);
        EXPECT_NEAR(at192, 2 * at96, 2);
    }
}

// From the stored 20 through the chooser's sizes and back; the wheel alone
// still scrolls, and a touchpad's small turns zoom too. The chooser shows
// the chosen size, stored as "FontSize" beside the zoom; the next start
// shows the zoomed size again, and Ctrl+0 returns to the chosen one.
TEST_F(ScreenScale, ZoomStepsThroughTheFontSizesAndKeepsTheTopText) {
    const struct { const char* label; UINT message; WPARAM wParam; int size; } steps[] = {
        {"Ctrl+Plus", WM_COMMAND, IDM_ZOOM_IN, 22},
        {"Ctrl and the wheel away", WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, WHEEL_DELTA), 24},
        {"Ctrl and the wheel back three notches", WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, WORD(-3 * WHEEL_DELTA)), 18},
        {"Ctrl+Minus", WM_COMMAND, IDM_ZOOM_OUT, 16},
        {"the wheel alone", WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-WHEEL_DELTA)), 16},
        {"Ctrl+0", WM_COMMAND, IDM_ZOOM_RESET, 20},
        {"Ctrl+Plus again", WM_COMMAND, IDM_ZOOM_IN, 22},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.label);
        const int topText = TopRowTextOffset(*program.view), topRow = program.view->topRow;
        const bool zooms = step.size != program.view->fontSettings.FontSize;
        SendMessageW(window_, step.message, step.wParam, 0);
        EXPECT_EQ(program.view->fontSettings.FontSize, step.size);
        if (zooms) EXPECT_TRUE(TopRowHolds(topText)) << "the text at the top moved";
        else EXPECT_EQ(program.view->topRow, topRow + 1);
    }
    // A precision touchpad's small turns add up to a notch.
    for (int turn = 0; turn < 4; ++turn) SendMessageW(window_, WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, 30), 0);
    EXPECT_EQ(program.view->fontSettings.FontSize, 24);
    std::wstring shown;
    WithModalDialog(L"Choose Font", [&] { return DispatchCommand(window_, IDM_FONT); },
                    [&](HWND dialog) { shown = SelectedRow(dialog, IDC_FONT_SIZES); return IDCANCEL; });
    EXPECT_EQ(shown, L"20");
    EXPECT_TRUE(DestroyMainWindow());
    EXPECT_EQ(ReadDword(L"FontSize"), 20u);
    EXPECT_EQ(ReadDword(L"Zoom"), 2u);
    ResetProgram();
    ASSERT_NE(CreateFromRegistry(), nullptr);
    EXPECT_EQ(program.view->fontSettings.FontSize, 24);
    SendMessageW(window_, WM_COMMAND, IDM_ZOOM_RESET, 0);
    EXPECT_EQ(program.view->fontSettings.FontSize, 20);
}

// Ctrl with the plus, minus and zero keys, of the main keys and the keypad,
// zoom, and no key is in the table twice.
TEST(Accelerators, ZoomKeysAreFreeForZoom) {
    ACCEL entries[64];
    const int count = CopyAcceleratorTableW(
        LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_ACCELERATORS)), entries, 64);
    std::set<std::pair<int, int>> keys, zoom;
    for (const ACCEL& entry : std::vector<ACCEL>(entries, entries + count)) {
        EXPECT_TRUE(keys.insert({entry.fVirt, entry.key}).second) << "key " << entry.key << " twice";
        if (entry.cmd >= IDM_ZOOM_IN && entry.cmd <= IDM_ZOOM_RESET) zoom.insert({entry.key, entry.cmd});
    }
    EXPECT_EQ(zoom, (std::set<std::pair<int, int>>{{VK_OEM_PLUS, IDM_ZOOM_IN}, {VK_ADD, IDM_ZOOM_IN},
                                                   {VK_OEM_MINUS, IDM_ZOOM_OUT}, {VK_SUBTRACT, IDM_ZOOM_OUT},
                                                   {'0', IDM_ZOOM_RESET}, {VK_NUMPAD0, IDM_ZOOM_RESET}}));
}
