// The Go to Verse dialog on a main window in the test's own process: it opens
// centred on the window and offers the reference it opened last, selected,
// and tells a portion that cannot be opened from a verse that does not exist.
#include "dialogs/go_to_verse.h"

#include <gtest/gtest.h>

#include <string>

#include "app/program.h"
#include "resources/resource.h"
#include "store/verse_map_resource.h"
#include "tests/app/main_window_fixture.h"
#include "tests/support/modal_dialog.h"
#include "tests/support/scratch_registry.h"

namespace {

std::wstring ItemText(HWND dialog, int item) {
    wchar_t text[128] = {};
    GetDlgItemTextW(dialog, item, text, 128);
    return text;
}

LONG Centre(LONG low, LONG high) { return (low + high) / 2; }

}  // namespace

class GoToVerseDialog : public MainWindowTest {
protected:
    // Opens the dialog, lets drive act on it and closes it with what drive returns.
    void Open(const std::function<int(HWND)>& drive) {
        WithModalDialog(L"Go to Verse", [&] { OpenGoToVerseDialog(window_); return intptr_t{0}; }, drive);
    }
};

TEST_F(GoToVerseDialog, OffersTheLastReferenceCentredAndSaysWhenTheLoadFails) {
    UseFreshSettings(10);
    ASSERT_NE(CreateFromRegistry(), nullptr);
    RECT owner;
    GetWindowRect(window_, &owner);
    Open([&](HWND dialog) {
        RECT placed;
        GetWindowRect(dialog, &placed);
        EXPECT_NEAR(Centre(placed.left, placed.right), Centre(owner.left, owner.right), 1);
        EXPECT_NEAR(Centre(placed.top, placed.bottom), Centre(owner.top, owner.bottom), 1);
        SetDlgItemTextW(dialog, IDC_VERSE_TEXT, L"Gen 1:2");
        return IDOK;
    });
    ASSERT_EQ(program.settings.Lesson, 1);
    // The first verse's place now lies outside its portion's text.
    program.verses.articles[1][0].first = 0xFFF0;
    Open([&](HWND dialog) {
        EXPECT_EQ(ItemText(dialog, IDC_VERSE_TEXT), L"Gen 1:2");
        const LRESULT selection = SendDlgItemMessageW(dialog, IDC_VERSE_TEXT, EM_GETSEL, 0, 0);
        EXPECT_EQ(LOWORD(selection), 0);
        EXPECT_EQ(HIWORD(selection), 7) << "the reference is offered selected";
        SetDlgItemTextW(dialog, IDC_VERSE_TEXT, L"Gen 1:1");
        SendMessageW(dialog, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(ItemText(dialog, IDC_VERSE_MESSAGE), L"The weekly portion that holds it could not be opened.");
        return IDCANCEL;
    });
    EXPECT_EQ(program.settings.Lesson, 1);
}
