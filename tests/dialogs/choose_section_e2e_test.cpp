// Bookmarks and the Choose Article window in the real program: the Bookmark
// command and its removal box, the stored list, and the window opened from
// the menu, drawn over the main window and answering clicks.
#include <gtest/gtest.h>

#include <vector>

#include "resources/resource.h"
#include "tests/app/e2e_fixture.h"
#include "tests/dialogs/index_builder.h"
#include "tests/support/keyboard_input.h"
#include "tests/dialogs/picker_rows.h"
#include "tests/support/screen_capture.h"
#include "tests/support/wait.h"

namespace {

constexpr int kBookmarkCommand = 123, kChooseSection = 107, kChooseArticle = 119;
const int kRowHeight = PickerRowHeight(20), kHeadingHeight = PickerRowHeight(20, true);
// The picture's size: the opened group's rows below the bookmarks fit the window.
constexpr int kPictureFontSize = 14;

HWND FindDialog(const wchar_t* caption) { return FindWindowW(L"#32770", caption); }

HWND WaitForDialog(const wchar_t* caption) {
    HWND dialog = nullptr;
    WaitUntil([&] {
        dialog = FindDialog(caption);
        return dialog != nullptr && IsWindowVisible(dialog);
    });
    return dialog;
}

void WaitUntilHandled(HWND window) {
    DWORD_PTR result;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK, 10000, &result);
}

}  // namespace

class ChooseArticleEndToEnd : public VelmoraEndToEnd {
protected:
    // Posts a command, since it may open a modal box, and waits until the
    // program has taken it.
    void PostCommand(int command) {
        PostMessageW(run.window, WM_COMMAND, command, 0);
        WaitUntilHandled(run.window);
    }

    // Answers the removal box, which must be open.
    void Answer(int button) {
        HWND box = WaitForDialog(L"Bookmark");
        ASSERT_NE(box, nullptr) << "no removal box";
        PostMessageW(box, WM_COMMAND, button, 0);
        ASSERT_TRUE(WaitUntil([] { return FindDialog(L"Bookmark") == nullptr; }));
    }

    HWND OpenChooseArticle(int command = kChooseSection) {
        PostMessageW(run.window, WM_COMMAND, command, 0);
        HWND dialog = WaitForDialog(L"Choose Article");
        EXPECT_NE(dialog, nullptr);
        return dialog;
    }

    // A left click at the right end of the text of a row whose top is y and
    // that is indented by level.
    static void ClickRow(HWND dialog, int y, int height, int level) {
        RECT client;
        GetClientRect(dialog, &client);
        const int x = client.right - 5 - 13 * level - 3;
        PostMessageW(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y + height / 2));
    }
};

TEST_F(ChooseArticleEndToEnd, TheBookmarkCommandIsStoredAtExit) {
    PinArticle(7);
    Start();
    PostCommand(kBookmarkCommand);
    Stop();
    EXPECT_EQ(ReadBinary(L"Bookmarks"), BookmarkValue({7}));
    // A damaged value comes back well formed, even when nothing changed.
    WriteBinary(L"Bookmarks", {5, 0, 0, 0, 12, 0, 5, 0, 0, 0, 9});
    Start();
    Stop();
    EXPECT_EQ(ReadBinary(L"Bookmarks"), BookmarkValue({5, 12}));
}

// Yes removes, No keeps, and so does the Escape key, as the user presses it;
// "Don't ask again" with Yes silences the question until the next start.
TEST_F(ChooseArticleEndToEnd, TheRemovalBoxAnswers) {
    PinArticle(7);
    WriteBinary(L"Bookmarks", BookmarkValue({7}));
    Start();
    PostCommand(kBookmarkCommand);
    Answer(IDNO);
    PostCommand(kBookmarkCommand);
    Answer(IDYES);
    PostCommand(kBookmarkCommand);  // adds again, without a box
    EXPECT_EQ(FindDialog(L"Bookmark"), nullptr);
    PostCommand(kBookmarkCommand);
    HWND box = WaitForDialog(L"Bookmark");
    ASSERT_TRUE(box != nullptr && BringToFront(box));
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([] { return FindDialog(L"Bookmark") == nullptr; }));
    PostCommand(kBookmarkCommand);
    box = WaitForDialog(L"Bookmark");
    ASSERT_NE(box, nullptr);
    SendMessageW(GetDlgItem(box, IDC_DONT_ASK_AGAIN), BM_SETCHECK, BST_CHECKED, 0);
    Answer(IDYES);
    PostCommand(kBookmarkCommand);
    PostCommand(kBookmarkCommand);  // removes at once
    EXPECT_EQ(FindDialog(L"Bookmark"), nullptr);
    PostCommand(kBookmarkCommand);
    Stop();
    EXPECT_EQ(ReadBinary(L"Bookmarks"), BookmarkValue({7}));

    Start();
    PostCommand(kBookmarkCommand);
    Answer(IDNO);
    Stop();
    EXPECT_EQ(ReadBinary(L"Bookmarks"), BookmarkValue({7}));
}

// The window opens one eighth of the main window's box in from its corner,
// three quarters of its size; a click on a bookmark row loads that article at
// its top.
TEST_F(ChooseArticleEndToEnd, AClickOnARowLoadsItsArticle) {
    PinArticle(40, 7);
    WriteBinary(L"Bookmarks", BookmarkValue({12}));
    Start();
    for (int command : {kChooseArticle, kChooseSection}) {
        SCOPED_TRACE(command);
        HWND dialog = OpenChooseArticle(command);
        ASSERT_NE(dialog, nullptr);
        RECT main, placed;
        GetWindowRect(run.window, &main);
        GetWindowRect(dialog, &placed);
        // The box the main window records: its outer size less three gutters of 10.
        const int w = main.right - main.left - 30, h = main.bottom - main.top - 30;
        EXPECT_EQ(placed.left, main.left + w / 8);
        EXPECT_EQ(placed.top, main.top + h / 8);
        EXPECT_EQ(placed.right - placed.left, 3 * w / 4);
        EXPECT_EQ(placed.bottom - placed.top, 3 * h / 4);
        if (command == kChooseArticle) {
            PostMessageW(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
            ASSERT_TRUE(WaitUntil([] { return FindDialog(L"Choose Article") == nullptr; }));
            continue;
        }
        ClickRow(dialog, kRowHeight, kRowHeight, 2);
        ASSERT_TRUE(WaitUntil([] { return FindDialog(L"Choose Article") == nullptr; }));
    }
    WaitUntilHandled(run.window);
    Stop();
    EXPECT_EQ(Lesson(), 12u);
    EXPECT_EQ(Position(), 0u);
}

// The list draws blue bold headings, black article rows and an icon beside
// each entry; with a group opened it is the README's picture.
TEST_F(ChooseArticleEndToEnd, TheListShowsIconsAndBlueHeadings) {
    PinArticle(5);
    WriteBinary(L"Bookmarks", BookmarkValue({12, 5, 55}));
    UseTestFont(kPictureFontSize);
    Start();
    const int rowHeight = PickerRowHeight(kPictureFontSize), headingHeight = PickerRowHeight(kPictureFontSize, true);
    HWND dialog = OpenChooseArticle();
    ASSERT_NE(dialog, nullptr);
    // The bookmark heading and three rows, then the first group's heading: open it.
    const int groupTop = 4 * rowHeight;
    ClickRow(dialog, groupTop, headingHeight, 1);
    WaitUntilHandled(dialog);
    // The picture is taken once the whole list is painted: the opened group's
    // rows at the bottom and the icons at the top.
    Capture capture;
    ASSERT_TRUE(WaitUntil([&] {
        capture = CaptureClient(dialog);
        const int right = capture.width - 5;
        return capture.width > 0 &&
               capture.CountInk(RECT{0, groupTop + 3 * headingHeight, capture.width, capture.height}) > 500 &&
               capture.CountInk(RECT{right - 13 + 4, 0, right, rowHeight}) > 10;
    }));
    wchar_t folder[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, folder);
    SaveCapture(capture, std::wstring(folder) + L"\\choose-article.bmp");

    const int right = capture.width - 5;
    // Icons: beside the level-1 rows (the headings) and the level-2 rows.
    const RECT headingIcons{right - 13 + 4, 0, right, capture.height};
    const RECT articleIcons{right - 26 + 4, 0, right - 13, capture.height};
    EXPECT_GT(capture.CountInk(RECT{headingIcons.left, 0, headingIcons.right, rowHeight}), 10);
    EXPECT_GT(capture.CountInk(RECT{articleIcons.left, rowHeight, articleIcons.right, 2 * rowHeight}), 10);
    EXPECT_GT(capture.CountInk(RECT{headingIcons.left, groupTop, headingIcons.right, groupTop + headingHeight}), 10);
    // Headings in blue, the bookmark rows in black only.
    const RECT bookmarks{0, rowHeight, right - 26, 4 * rowHeight};
    const RECT group{0, groupTop, right - 13, groupTop + headingHeight};
    EXPECT_EQ(capture.Count(bookmarks, RGB(0, 0, 255), 40), 0);
    EXPECT_GT(capture.Count(bookmarks, RGB(0, 0, 0), 60), 100);
    EXPECT_GT(capture.Count(group, RGB(0, 0, 255), 40), 100);
    PostMessageW(dialog, WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_TRUE(WaitUntil([] { return FindDialog(L"Choose Article") == nullptr; }));
    Stop();
    EXPECT_EQ(Lesson(), 5u);
}
