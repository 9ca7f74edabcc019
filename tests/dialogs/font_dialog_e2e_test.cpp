// The font chooser in the real program: a first start asks for the display
// font over the reader and reads in it afterwards, a second start does not
// ask, Cancel still stores the Unicode base, and the Font command changes
// the stored face and size.
#include <gtest/gtest.h>

#include <string>

#include "resources/resource.h"
#include "tests/app/e2e_fixture.h"
#include "tests/dialogs/font_dialog_driver.h"
#include "tests/support/modal_dialog.h"
#include "tests/support/screen_capture.h"
#include "tests/support/wait.h"

namespace {

// Height of the first band of ink below the toolbar: the article's first row.
int FirstInkBand(HWND window, const Capture& capture) {
    RECT toolbar{};
    GetWindowRect(FindWindowExW(window, nullptr, L"ToolbarWindow32", nullptr), &toolbar);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&toolbar), 2);
    const auto rowHasInk = [&](int y) { return capture.CountInk(RECT{0, y, capture.width, y + 1}) > 0; };
    int top = toolbar.bottom + 1;
    while (top < capture.height && !rowHasInk(top)) ++top;
    int bottom = top;
    while (bottom < capture.height && rowHasInk(bottom)) ++bottom;
    return bottom - top;
}

}  // namespace

class FontDialogEndToEnd : public VelmoraEndToEnd {
protected:
    // A fresh registry but for the window's place and a pinned article, so
    // that the program asks for the display font.
    void StartFirstTime(int32_t storedBase = 1488) {
        ClearProgramKeys();
        UseTestWindow();
        PinArticle(1);
        WriteDword(L"FontAsciiBase", static_cast<DWORD>(storedBase));
        ASSERT_TRUE(StartVelmora(run, SW_SHOWNORMAL, FontStart::FirstStart));
    }

    HWND WaitForDialog() {
        HWND dialog = nullptr;
        // Shown only once its lists are filled.
        WaitUntil([&] {
            dialog = FindProcessDialog(run.process.dwProcessId, L"Choose Font");
            return dialog != nullptr && IsWindowVisible(dialog);
        });
        return dialog;
    }

    void Answer(HWND dialog, int command) {
        PostMessageW(dialog, WM_COMMAND, command, 0);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    }
};

TEST_F(FontDialogEndToEnd, FirstStartAsksForTheFontAndReadsInIt) {
    StartFirstTime();
    HWND dialog = WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(IsChecked(dialog, IDC_FONT_BASE_5D0));
    // The dialog as the first start offers it, for looking at.
    Capture offered;
    EXPECT_TRUE(WaitUntil([&] {
        offered = CaptureWindow(dialog);
        return offered.width > 0 && offered.CountInk(RECT{0, offered.height / 2, offered.width, offered.height}) > 500;
    }));
    SaveCapture(offered, L"font-dialog.bmp");
    const Capture before = CaptureClient(run.window);
    EXPECT_TRUE(ChooseRow(dialog, IDC_FONT_FACES, L"Ezra SIL"));
    EXPECT_TRUE(ChooseRow(dialog, IDC_FONT_SIZES, L"52"));
    Answer(dialog, IDOK);
    Capture after;
    // The larger font's first row is much taller than the offered font's.
    EXPECT_TRUE(WaitUntil([&] {
        after = CaptureClient(run.window);
        return FirstInkBand(run.window, after) > FirstInkBand(run.window, before) * 3 / 2;
    })) << FirstInkBand(run.window, before) << " then " << FirstInkBand(run.window, after);
    SaveCapture(before, L"font-first-start-before.bmp");
    SaveCapture(after, L"font-first-start-after.bmp");
    Stop();
    EXPECT_EQ(ReadString(L"FontName"), L"Ezra SIL");
    EXPECT_EQ(ReadDword(L"FontSize"), 52u);
    EXPECT_EQ(ReadDword(L"FontAsciiBase"), 1488u);

    Start();  // the stored face is kept: no seeding, and no dialog
    EXPECT_EQ(FindProcessDialog(run.process.dwProcessId, L"Choose Font"), nullptr);
    Stop();
    EXPECT_EQ(ReadString(L"FontName"), L"Ezra SIL");
}

// Cancel keeps the offered face, which draws Hebrew, and the Unicode base.
TEST_F(FontDialogEndToEnd, CancelAtTheFirstStartStillStoresTheUnicodeBase) {
    StartFirstTime(0);
    HWND dialog = WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(IsChecked(dialog, IDC_FONT_BASE_5D0));
    Answer(dialog, IDCANCEL);
    Stop();
    EXPECT_EQ(ReadDword(L"FontAsciiBase"), 1488u);
    EXPECT_EQ(ReadString(L"FontName"), L"Frank Ruehl CLM");
}

TEST_F(FontDialogEndToEnd, TheFontCommandStoresTheChosenFaceAndSize) {
    PinArticle(1);
    Start();
    PostMessageW(run.window, WM_COMMAND, IDM_FONT, 0);
    HWND dialog = WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(SelectedRow(dialog, IDC_FONT_FACES), L"Ezra SIL");
    EXPECT_TRUE(ChooseRow(dialog, IDC_FONT_FACES, L"Frank Ruehl CLM"));
    EXPECT_TRUE(ChooseRow(dialog, IDC_FONT_SIZES, L"52"));
    Answer(dialog, IDOK);
    Stop();
    EXPECT_EQ(ReadString(L"FontName"), L"Frank Ruehl CLM");
    EXPECT_EQ(ReadDword(L"FontSize"), 52u);
}
