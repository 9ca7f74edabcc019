// Zooming in the real program, through its accelerator keys: Ctrl+Plus makes
// the text larger, the font chooser then shows the size reached, Ctrl+Minus
// on the keypad steps back, and the size is stored at exit.
#include <gtest/gtest.h>

#include "resources/resource.h"
#include "tests/app/e2e_fixture.h"
#include "tests/dialogs/font_dialog_driver.h"
#include "tests/support/keyboard_input.h"
#include "tests/support/modal_dialog.h"
#include "tests/support/screen_capture.h"
#include "tests/support/wait.h"

namespace {

// Height of the first band of ink in the lower two thirds of the window,
// where the article's body rows are.
int BodyInkBand(HWND window) {
    const Capture capture = CaptureClient(window);
    const auto rowHasInk = [&](int y) { return capture.CountInk(RECT{0, y, capture.width, y + 1}) > 0; };
    int top = capture.height / 3;
    while (top < capture.height && rowHasInk(top)) ++top;
    while (top < capture.height && !rowHasInk(top)) ++top;
    int bottom = top;
    while (bottom < capture.height && rowHasInk(bottom)) ++bottom;
    return bottom - top;
}

void PressZoomKey(const VelmoraRun& run, WORD key) {
    PressWithControl(key);
    DWORD_PTR result;
    SendMessageTimeoutW(run.window, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &result);
}

}  // namespace

class ZoomEndToEnd : public VelmoraEndToEnd {};

TEST_F(ZoomEndToEnd, KeysStepTheFontAndTheChooserShowsTheSize) {
    PinArticle(1, 10);
    Start();
    ASSERT_TRUE(BringToFront(run.window));
    int before = 0;
    ASSERT_TRUE(WaitUntil([&] { return (before = BodyInkBand(run.window)) > 0; }));
    PressZoomKey(run, VK_OEM_PLUS);
    PressZoomKey(run, VK_OEM_PLUS);
    EXPECT_TRUE(WaitUntil([&] { return BodyInkBand(run.window) > before; })) << "the text did not grow";

    PostMessageW(run.window, WM_COMMAND, IDM_FONT, 0);
    HWND chooser = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        chooser = FindProcessDialog(run.process.dwProcessId, L"Choose Font");
        return chooser != nullptr && IsWindowVisible(chooser);
    }));
    EXPECT_EQ(SelectedRow(chooser, IDC_FONT_SIZES), L"24");
    PostMessageW(chooser, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(chooser); }));

    ASSERT_TRUE(BringToFront(run.window));
    PressZoomKey(run, VK_SUBTRACT);
    Stop();
    EXPECT_EQ(ReadDword(L"FontSize"), 22u);
}
