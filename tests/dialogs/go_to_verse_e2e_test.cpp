// Go to Verse in the real program: Ctrl+G opens the dialog; a reference typed
// in English or in Hebrew opens the weekly portion with the verse's row at the
// top of the view, highlighted as a search hit; a reference that names no
// verse keeps the dialog open with its message and changes nothing.
#include <gtest/gtest.h>

#include <string>

#include "resources/resource.h"
#include "tests/app/e2e_fixture.h"
#include "tests/support/keyboard_input.h"
#include "tests/support/modal_dialog.h"
#include "tests/support/screen_capture.h"
#include "tests/support/wait.h"

namespace {

std::wstring WindowText(HWND window) {
    wchar_t text[256] = {};
    DWORD_PTR result;
    SendMessageTimeoutW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 10000, &result);
    return text;
}

// Saves a capture in the current folder, for looking at.
void SaveInFolder(const Capture& capture, const wchar_t* name) {
    wchar_t folder[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, folder);
    SaveCapture(capture, std::wstring(folder) + L"\\" + name);
}

// The first client row, from the top, that holds a pixel of the colour; -1 when none does.
int FirstRowWith(const Capture& capture, COLORREF colour) {
    for (int y = 0; y < capture.height; ++y)
        if (capture.Count(RECT{0, y, capture.width, y + 1}, colour) > 0) return y;
    return -1;
}

}  // namespace

class GoToVerseEndToEnd : public VelmoraEndToEnd {
protected:
    // Ctrl+G in the main window, and the dialog that it opens.
    HWND OpenDialog() {
        EXPECT_TRUE(BringToFront(run.window));
        PressWithControl('G');
        HWND dialog = nullptr;
        WaitUntil([&] {
            dialog = FindProcessDialog(run.process.dwProcessId, L"Go to Verse");
            return dialog != nullptr && IsWindowVisible(dialog);
        });
        EXPECT_NE(dialog, nullptr) << "Ctrl+G opened no Go to Verse dialog";
        return dialog;
    }
};

// The same verse typed both ways: the dialog closes, the verse's first row is
// the view's first, drawn blue on yellow, and the portion stays pinned at that
// row for the next start.
TEST_F(GoToVerseEndToEnd, AReferenceInEnglishOrHebrewOpensItsPortionAtTheVerse) {
    const wchar_t* typed[] = {L"Gen 42:5", L"\u05D1\u05E8\u05D0\u05E9\u05D9\u05EA \u05DE\u05D1 \u05D4"};
    DWORD positions[2] = {};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        PinArticle(1, 3);
        Start();
        HWND dialog = OpenDialog();
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(BringToFront(dialog));
        TypeText(typed[i]);
        EXPECT_TRUE(WaitUntil([&] { return WindowText(GetDlgItem(dialog, IDC_VERSE_TEXT)) == typed[i]; }));
        if (i == 0) {
            // Once the dialog's buttons are on the screen, for looking at.
            WaitUntil([&] {
                const Capture shown = CaptureWindow(dialog);
                return shown.Count(RECT{0, shown.height * 2 / 3, shown.width, shown.height}, RGB(0, 0, 0), 80) > 30;
            });
            SaveInFolder(CaptureWindow(run.window), L"go-to-verse-dialog.bmp");
        }
        PressKey(VK_RETURN);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
        Capture capture;
        const int top = ViewTop();
        EXPECT_TRUE(WaitUntil([&] {
            capture = CaptureClient(run.window);
            return FirstRowWith(capture, RGB(255, 255, 0)) == top;
        })) << "the highlight does not begin at the view's top, row " << top;
        EXPECT_GT(capture.Count(RECT{0, top, capture.width, top + 20}, RGB(0, 0, 255)), 50) << "no blue text on it";
        if (i == 0) SaveInFolder(capture, L"go-to-verse.bmp");
        Stop();
        EXPECT_EQ(Lesson(), 10u);
        EXPECT_NE(Flags() & 0x4, 0u);
        positions[i] = Position();
        EXPECT_GT(positions[i], 0u);
    }
    EXPECT_EQ(positions[0], positions[1]);
}

// A chapter or verse the book does not have, and a word, keep the dialog open
// with their message; Cancel then leaves the view, the article and its
// position as they were.
TEST_F(GoToVerseEndToEnd, AReferenceThatNamesNoVerseChangesNothing) {
    PinArticle(3, 4);
    Start();
    Capture before;
    ASSERT_TRUE(WaitUntil([&] {
        before = CaptureClient(run.window);
        return before.width > 0 && before.CountInk(RECT{0, 40, before.width, before.height}) > 2000;
    }));
    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    HWND edit = GetDlgItem(dialog, IDC_VERSE_TEXT);
    HWND message = GetDlgItem(dialog, IDC_VERSE_MESSAGE);
    const struct { const wchar_t* typed; const wchar_t* says; } cases[] = {
        {L"Gen 51:1", L"No weekly portion holds that verse."},
        {L"Gen 42:99", L"No weekly portion holds that verse."},
        {L"verse", L"Type a book, a chapter and a verse, as Gen 42:5."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(c.typed));
        EXPECT_EQ(WindowText(message), L"") << "the message stays after the text changed";
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(WaitUntil([&] { return WindowText(message) == c.says; }));
        EXPECT_TRUE(IsWindow(dialog));
    }
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    EXPECT_TRUE(WaitUntil([&] { return CaptureClient(run.window).pixels == before.pixels; }));
    Stop();
    EXPECT_EQ(Lesson(), 3u);
    EXPECT_EQ(Position(), 4u);
}
