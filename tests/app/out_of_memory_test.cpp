// Memory that runs out in the Win32 layer: each operation gives up and leaves
// the program as it was, and nothing throws through a window procedure.
#include <gtest/gtest.h>

#include <cstdint>
#include <new>
#include <thread>

#include "app/program.h"
#include "dialogs/picker_gdi.h"
#include "dialogs/search.h"
#include "output/clipboard.h"
#include "store/article_resource.h"
#include "tests/app/main_window_fixture.h"
#include "tests/support/allocation_limit.h"
#include "tests/support/clipboard_access.h"
#include "tests/support/scratch_registry.h"
#include "tests/support/wait.h"
#include "view/reading_view.h"

class OutOfMemoryWin32 : public MainWindowTest {};

// A picker style whose font entry cannot be had keeps the font selected.
TEST_F(OutOfMemoryWin32, APickerStyleWithoutMemoryKeepsTheFont) {
    PickerState state;
    HDC dc = CreateCompatibleDC(nullptr);
    state.dc = dc;
    const HGDIOBJ before = GetCurrentObject(dc, OBJ_FONT);
    RefuseAllocationAfter(0);
    HFONT previous = nullptr;
    EXPECT_NO_THROW(previous = SelectPickerFont(state, 0x1C, true));
    EXPECT_FALSE(RefusalPending());
    EXPECT_EQ(previous, before);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), before);
    EXPECT_EQ(state.fonts, nullptr);
    DeletePickerFonts(state);
    DeleteDC(dc);
}

// Another program's block is unlocked again when its copy runs out of memory.
TEST_F(OutOfMemoryWin32, AClipboardCopyWithoutMemoryUnlocksTheBlock) {
    ASSERT_TRUE(SetClipboardBlock(CF_TEXT, std::string("some text of another program") + '\0'));
    RefuseAllocationAfter(0);
    EXPECT_THROW(ReadClipboard(CF_TEXT), std::bad_alloc);
    EXPECT_FALSE(RefusalPending());
    ASSERT_TRUE(OpenClipboard(nullptr));
    const HANDLE block = GetClipboardData(CF_TEXT);
    EXPECT_EQ(block != nullptr ? GlobalFlags(block) & GMEM_LOCKCOUNT : 1u, 0u);
    CloseClipboard();
}

// Memory that runs out in the middle of an operation (a print job borrows the
// Reading view's text) quits without tearing the view down under it; once
// the loop has taken the quit, the window is closed and the settings saved.
TEST_F(OutOfMemoryWin32, RunningOutQuitsAfterTheLoopAndSavesThen) {
    UseFreshSettings(12);
    ASSERT_NE(CreateFromRegistry(), nullptr);
    ClearProgramKeys();
    std::thread answer([] {
        HWND box = nullptr;
        WaitUntil([&] { return (box = FindWindowW(L"#32770", L"Error")) != nullptr; });
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(AllocOrQuit(SIZE_MAX / 2), nullptr);
    answer.join();
    ASSERT_NE(program.view, nullptr);
    EXPECT_FALSE(ReadDword(L"Lesson").has_value()) << "nothing is saved under the caller";
    EXPECT_EQ(EndRun(RunMessageLoop(nullptr)), 0);
    EXPECT_FALSE(IsWindow(window_));
    EXPECT_EQ(ReadDword(L"Lesson"), 12u);
}

// A found article that cannot be laid out for lack of memory leaves the
// shown article, its text and Lesson as they were.
TEST_F(OutOfMemoryWin32, AFoundArticleWithoutMemoryKeepsTheShownOne) {
    UseFreshSettings(12);
    ASSERT_NE(CreateFromRegistry(), nullptr);
    const uint16_t lesson = program.settings.Lesson;
    const ArticleText shown = program.view->text;
    LibraryHit found;
    found.found = true;
    found.article = 13;
    found.text = LoadArticleResource(13, nullptr);
    found.hit = TextHit{static_cast<unsigned>(found.text.size() / 2), 1};
    RefuseAllocationAfter(0);
    EXPECT_EQ(ShowSearchHit(found), 0);
    EXPECT_FALSE(RefusalPending());
    EXPECT_EQ(program.settings.Lesson, lesson);
    EXPECT_EQ(program.view->text, shown);
    EXPECT_GT(program.view->rowCount, 0);
}
