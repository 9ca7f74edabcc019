// Go to Verse in the real program: Ctrl+G opens the dialog; a reference that
// names no verse keeps it open with its message and changes nothing; then a
// reference typed in English or in Hebrew opens the weekly portion with the
// verse's row at the top of the view, highlighted as a search hit, below the
// running head that names its chapter.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

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

// The client area below a window that covers its top, as the screen shows it.
std::vector<uint32_t> PixelsBelow(HWND window, HWND cover) {
    const Capture capture = CaptureClient(window);
    RECT covered{};
    GetWindowRect(cover, &covered);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&covered), 2);
    const size_t from = static_cast<size_t>(std::max(0L, covered.bottom)) * capture.width;
    return std::vector<uint32_t>(capture.pixels.begin() + std::min(from, capture.pixels.size()), capture.pixels.end());
}

}  // namespace

// The same verse typed both ways, each after three references that name no
// verse. The portion stays pinned at the verse's row for the next start.
TEST_F(VelmoraEndToEnd, GoToVerseOpensThePortionWithTheVerseAtTheTop) {
    const wchar_t* typed[] = {L"Gen 42:5", L"\u05D1\u05E8\u05D0\u05E9\u05D9\u05EA \u05DE\u05D1 \u05D4"};
    const struct { const wchar_t* typed; const wchar_t* says; } refused[] = {
        {L"Gen 51:1", L"Genesis has 50 chapters."},
        {L"Gen 42:99", L"Genesis 42 has 38 verses."},
        {L"verse", L"Type a book, a chapter and a verse, as Gen 42:5."},
    };
    DWORD positions[2] = {};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        PinArticle(1, 3);
        Start();
        ASSERT_TRUE(WaitUntil([&] { return CaptureClient(run.window).CountInk(RECT{0, 40, 600, 400}) > 2000; }));
        ASSERT_TRUE(BringToFront(run.window));
        PressWithControl('G');
        HWND dialog = nullptr;
        ASSERT_TRUE(WaitUntil([&] {
            dialog = FindProcessDialog(run.process.dwProcessId, L"Go to Verse");
            return dialog != nullptr && IsWindowVisible(dialog);
        })) << "Ctrl+G opened no Go to Verse dialog";
        HWND edit = GetDlgItem(dialog, IDC_VERSE_TEXT);
        HWND message = GetDlgItem(dialog, IDC_VERSE_MESSAGE);
        const std::vector<uint32_t> view = PixelsBelow(run.window, dialog);
        for (const auto& c : refused) {
            SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(c.typed));
            EXPECT_EQ(WindowText(message), L"") << "the message outlives the text it was for";
            PostMessageW(dialog, WM_COMMAND, IDOK, 0);
            EXPECT_TRUE(WaitUntil([&] { return WindowText(message) == c.says; })) << c.typed;
        }
        EXPECT_EQ(PixelsBelow(run.window, dialog), view) << "a refused reference changed the view";

        SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
        ASSERT_TRUE(BringToFront(dialog));
        TypeText(typed[i]);
        EXPECT_TRUE(WaitUntil([&] { return WindowText(edit) == typed[i]; }));
        if (i == 0) SaveCaptureHere(CaptureWindow(run.window), L"go-to-verse-dialog.bmp");
        PressKey(VK_RETURN);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
        const int top = FirstRowTop() - 1;
        Capture shown;
        EXPECT_TRUE(WaitUntil([&] {
            shown = CaptureClient(run.window);
            return shown.FirstRowWith(RGB(255, 255, 0)) == top;
        })) << "the highlight does not begin at the view's top, row " << top;
        EXPECT_GT(shown.Count(RECT{0, top, shown.width, top + 20}, RGB(0, 0, 255)), 50) << "no blue text on it";
        Stop();
        EXPECT_EQ(Lesson(), 10u);
        EXPECT_NE(Flags() & 0x4, 0u);
        positions[i] = Position();
        EXPECT_GT(positions[i], 0u);
    }
    EXPECT_EQ(positions[0], positions[1]);
}
