// The Go to Verse dialog on a main window in the test's own process: it offers
// the reference it opened last, selected, and tells a portion that cannot be
// opened from a verse that does not exist.
#include "dialogs/go_to_verse.h"

#include <gtest/gtest.h>

#include "app/program.h"
#include "resources/resource.h"
#include "store/verse_map_resource.h"
#include "tests/app/main_window_fixture.h"
#include "tests/support/modal_dialog.h"
#include "tests/support/scratch_registry.h"

class GoToVerseDialog : public MainWindowTest {};

TEST_F(GoToVerseDialog, OffersTheLastReferenceAndSaysWhenTheLoadFails) {
    UseFreshSettings(10);
    ASSERT_NE(CreateFromRegistry(), nullptr);
    const auto open = [&] { OpenGoToVerseDialog(window_); return intptr_t{0}; };
    WithModalDialog(L"Go to Verse", open, [](HWND dialog) {
        SetDlgItemTextW(dialog, IDC_VERSE_TEXT, L"Gen 1:2");
        return IDOK;
    });
    ASSERT_EQ(program.settings.Lesson, 1);
    // The first verse's place now lies outside its portion's text.
    program.verses.articles[1][0].first = 0xFFF0;
    wchar_t offered[16] = {}, message[80] = {};
    LRESULT selection = 0;
    WithModalDialog(L"Go to Verse", open, [&](HWND dialog) {
        GetDlgItemTextW(dialog, IDC_VERSE_TEXT, offered, 16);
        selection = SendDlgItemMessageW(dialog, IDC_VERSE_TEXT, EM_GETSEL, 0, 0);
        SetDlgItemTextW(dialog, IDC_VERSE_TEXT, L"Gen 1:1");
        SendMessageW(dialog, WM_COMMAND, IDOK, 0);
        GetDlgItemTextW(dialog, IDC_VERSE_MESSAGE, message, 80);
        return IDCANCEL;
    });
    EXPECT_STREQ(offered, L"Gen 1:2");
    EXPECT_EQ(selection, MAKELRESULT(0, 7)) << "the offered reference is selected";
    EXPECT_STREQ(message, L"The weekly portion that holds it could not be opened.");
}
