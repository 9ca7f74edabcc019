// Bookmarks and the Choose Article window on a main window created in the
// test's own process, so that the menu's check mark, the window's results and
// its scroll bar can be read directly. The modal window is driven from a
// timer that its own message loop runs.
#include "dialogs/choose_section.h"

#include <gtest/gtest.h>

#include <functional>

#include "app/main_window.h"
#include "app/program.h"
#include "app/startup.h"
#include "resources/resource.h"
#include "tests/app/main_window_fixture.h"
#include "tests/dialogs/index_builder.h"
#include "tests/dialogs/picker_rows.h"
#include "tests/support/gdi_counter.h"
#include "tests/support/scratch_registry.h"
#include "view/bookmarks.h"
#include "view/navigation.h"

namespace {

std::function<void(HWND)> dialogAction;
const wchar_t* dialogCaption;

// Runs the action once on the dialog, as soon as it exists.
void CALLBACK ActOnDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = FindWindowW(L"#32770", dialogCaption);
    if (dialog == nullptr || !IsWindowVisible(dialog)) return;
    KillTimer(nullptr, timer);
    auto action = std::move(dialogAction);
    dialogAction = nullptr;
    action(dialog);
}

void WhenTheDialogOpens(std::function<void(HWND)> action, const wchar_t* caption = L"Choose Article") {
    dialogAction = std::move(action);
    dialogCaption = caption;
    SetTimer(nullptr, 0, 10, ActOnDialog);
}

bool HasScrollRange(HWND window) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE;
    return GetScrollInfo(window, SB_VERT, &info) && info.nMax > 0;
}

}  // namespace

class ChooseArticle : public MainWindowTest {
protected:

    void Open(uint16_t lesson, std::vector<uint16_t> bookmarks) {
        WriteDword(L"Lesson", lesson);
        WriteDword(L"Flags", 0xD1140040 | 0x4);
        WriteBinary(L"Bookmarks", BookmarkValue(bookmarks));
        ASSERT_NE(CreateFromRegistry(), nullptr);
    }

    bool Checked() { return (GetMenuState(GetMenu(window_), IDM_BOOKMARK, MF_BYCOMMAND) & MF_CHECKED) != 0; }
    void Command(int command) { SendMessageW(window_, WM_COMMAND, command, 0); }

    // The window's result when the action runs on it.
    uint16_t Show(uint16_t current, std::function<void(HWND)> action) {
        WhenTheDialogOpens(std::move(action));
        return ShowChooseSection(window_, current, program.settings.font, false);
    }
};

// The check mark shows whether the current article is bookmarked: at
// creation, after the Bookmark command and after every load, a pick included.
TEST_F(ChooseArticle, TheBookmarkCheckFollowsTheArticle) {
    Open(5, {12, 5});
    EXPECT_TRUE(Checked());
    Command(IDM_NEXT_ARTICLE);
    EXPECT_FALSE(Checked());
    Command(IDM_BOOKMARK);
    EXPECT_TRUE(Checked());
    Command(IDM_NEXT_ARTICLE);
    EXPECT_FALSE(Checked());
    Command(IDM_PREVIOUS_ARTICLE);
    EXPECT_TRUE(Checked());
    Command(IDM_THIS_WEEK);
    EXPECT_EQ(Checked(), program.settings.Lesson == 5 || program.settings.Lesson == 6 || program.settings.Lesson == 12);
    // The second bookmark row is article 5's.
    WhenTheDialogOpens([](HWND dialog) {
        RECT client;
        GetClientRect(dialog, &client);
        const int y = 2 * PickerRowHeight(20) + PickerRowHeight(20) / 2;
        SendMessageW(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.right - 5 - 26 - 3, y));
    });
    Command(IDM_CHOOSE_SECTION);
    EXPECT_EQ(program.settings.Lesson, 5);
    EXPECT_TRUE(Checked());
}

// Backing out of the removal question (Escape, the close box) keeps the
// bookmark and lets the check box count for nothing; with No it silences
// the question. (Yes and No alone: ChooseArticleEndToEnd.TheRemovalBoxAnswers.)
TEST_F(ChooseArticle, BackingOutOfTheRemovalQuestionKeepsTheBookmark) {
    Open(7, {7});
    const struct { const char* name; UINT message; WPARAM wParam; bool silenced; } cases[] = {
        {"Escape", WM_KEYDOWN, VK_ESCAPE, false},
        {"the close box", WM_SYSCOMMAND, SC_CLOSE, false},
        {"No", WM_COMMAND, IDNO, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WhenTheDialogOpens([&](HWND box) {
            CheckDlgButton(box, IDC_DONT_ASK_AGAIN, BST_CHECKED);
            PostMessageW(box, c.message, c.wParam, 0);
        }, L"Bookmark");
        Command(IDM_BOOKMARK);
        EXPECT_TRUE(Checked());
        EXPECT_EQ(program.bookmarks.dontAsk, c.silenced);
    }
}

// Enter returns the current article, Escape and the close box 0, a click on
// an article row its number; the scroll bar shows only when the list is
// longer than the window.
TEST_F(ChooseArticle, ReturnsWhatTheUserChose) {
    constexpr int kSize = 14;  // small enough that nine rows fit the window
    UseTestFont(kSize);
    Open(56, {});
    auto post = [](UINT message, WPARAM wParam, LPARAM lParam = 0) {
        return [=](HWND dialog) { PostMessageW(dialog, message, wParam, lParam); };
    };
    EXPECT_EQ(Show(56, post(WM_KEYDOWN, VK_RETURN)), 56);
    EXPECT_EQ(Show(56, post(WM_KEYDOWN, VK_ESCAPE)), 0);
    EXPECT_EQ(Show(56, post(WM_SYSCOMMAND, SC_CLOSE)), 0);
    // Article 55 is the sixth row, below five headings.
    EXPECT_EQ(Show(56, [](HWND dialog) {
                  RECT client;
                  GetClientRect(dialog, &client);
                  const int y = 5 * PickerRowHeight(kSize, true) + PickerRowHeight(kSize, true) / 2;
                  PostMessageW(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.right - 5 - 13 - 3, y));
              }),
              55);
    bool hasBar = true, validated = false;
    int position = -1;
    GdiCounter counter;
    ASSERT_TRUE(counter.installed);
    size_t iconsWhileOpen = 0;
    Show(56, [&](HWND dialog) {
        iconsWhileOpen = counter.liveBitmaps.size();
        hasBar = HasScrollRange(dialog);
        // A paint validates the window.
        InvalidateRect(dialog, nullptr, TRUE);
        UpdateWindow(dialog);
        validated = !GetUpdateRect(dialog, nullptr, FALSE);
        PostMessageW(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    EXPECT_FALSE(hasBar) << "nine rows fit the window";
    EXPECT_TRUE(validated);
    EXPECT_EQ(iconsWhileOpen, 3u) << "the icons are loaded when the window opens";
    EXPECT_TRUE(counter.liveBitmaps.empty()) << "and deleted when it closes";
    EXPECT_TRUE(counter.liveFonts.empty());
    Show(56, [&](HWND dialog) {
        RECT client;
        GetClientRect(dialog, &client);
        SendMessageW(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.right - 5 - 3, 10));  // the first group
        hasBar = HasScrollRange(dialog);
        // The arrows and Page Down reach the list through the dialog's key
        // handling; with Ctrl held they scroll it by rows.
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_CONTROL] = 0x80;
        SetKeyboardState(keys);
        for (WPARAM key : {VK_DOWN, VK_DOWN, VK_NEXT, VK_UP}) PostMessageW(dialog, WM_KEYDOWN, key, 0);
        WhenTheDialogOpens([&](HWND same) {
            keys[VK_CONTROL] = 0;
            SetKeyboardState(keys);
            SCROLLINFO info{};
            info.cbSize = sizeof info;
            info.fMask = SIF_POS;
            GetScrollInfo(same, SB_VERT, &info);
            position = info.nPos;
            PostMessageW(same, WM_KEYDOWN, VK_ESCAPE, 0);
        });
    });
    EXPECT_TRUE(hasBar) << "the open group is longer than the window";
    EXPECT_EQ(position, 2);
    EXPECT_EQ(program.settings.Lesson, 56);
}

// A list that was never loaded (a failed read, or an exit during start-up)
// leaves the stored value as it is.
TEST_F(ChooseArticle, AnUnloadedListIsNotWrittenAtExit) {
    WriteBinary(L"Bookmarks", BookmarkValue({5, 12}));
    SaveSettingsAndQuit();
    EXPECT_EQ(ReadBinary(L"Bookmarks"), BookmarkValue({5, 12}));
    ClearProgramKeys();
    LoadBookmarks();
    SaveSettingsAndQuit();
    EXPECT_EQ(ReadBinary(L"Bookmarks"), BookmarkValue({}));
}
