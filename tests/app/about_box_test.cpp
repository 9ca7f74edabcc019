// The About box in the test's own process, where its font and cursor can be
// read: every opening makes one link font and deletes it at the close, the
// link shows the hand cursor and the rest of the box the arrow, an OK button
// takes the focus, and help asked for while the box is open opens no second
// box.
#include "app/about_box.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/program.h"
#include "app/startup.h"
#include "resources/resource.h"
#include "tests/app/main_window_fixture.h"
#include "tests/support/scratch_registry.h"

namespace {

// What one opening showed, read when the box became active, just before the
// hook closes it.
struct Opening {
    HFONT linkFont;
    HFONT controlFont;
    HCURSOR overLink;
    HCURSOR overBox;
    bool okFirst;  // an OK button, the default one, comes first, so that it takes the focus
};

std::vector<Opening> openings;
HHOOK hook;
bool askingForHelp;  // so that a second box, should one open, does not ask again

HCURSOR CursorAfterSetCursor(HWND window) {
    SetCursor(nullptr);
    SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor();
}

// The link's font when it is the bold, underlined one the box makes, else none.
HFONT LinkFontOf(HWND link) {
    const auto font = reinterpret_cast<HFONT>(SendMessageW(link, WM_GETFONT, 0, 0));
    LOGFONTW logFont{};
    if (font == nullptr || GetObjectW(font, sizeof(logFont), &logFont) == 0) return nullptr;
    return logFont.lfUnderline && logFont.lfWeight == 800 ? font : nullptr;
}

void RecordAndClose(HWND dialog) {
    const HWND link = GetDlgItem(dialog, IDC_ABOUT_LINK);
    const HWND ok = GetDlgItem(dialog, IDOK);
    const bool okFirst = ok != nullptr && (GetWindowLongW(ok, GWL_STYLE) & WS_VISIBLE) &&
                         GetNextDlgTabItem(dialog, nullptr, FALSE) == ok &&
                         LOWORD(SendMessageW(dialog, DM_GETDEFID, 0, 0)) == IDOK;
    openings.push_back(Opening{LinkFontOf(link), reinterpret_cast<HFONT>(SendMessageW(link, WM_GETFONT, 0, 0)),
                               CursorAfterSetCursor(link), CursorAfterSetCursor(dialog), okFirst});
    // F1 inside the box asks its owner for help again.
    if (!askingForHelp) {
        askingForHelp = true;
        SendMessageW(GetWindow(dialog, GW_OWNER), WM_HELP, 0, 0);
        askingForHelp = false;
    }
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
}

LRESULT CALLBACK OnActivate(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        const auto window = reinterpret_cast<HWND>(wParam);
        wchar_t className[16] = {};
        GetClassNameW(window, className, 16);
        if (std::wstring(className) == L"#32770") RecordAndClose(window);
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

}  // namespace

class AboutBox : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_NE(CreateFromRegistry(), nullptr);
        openings.clear();
        hook = SetWindowsHookExW(WH_CBT, OnActivate, nullptr, GetCurrentThreadId());
        ASSERT_NE(hook, nullptr);
    }
    void TearDown() override {
        UnhookWindowsHookEx(hook);
        MainWindowTest::TearDown();
    }
};

TEST_F(AboutBox, EachOpeningMakesAndDeletesOneLinkFont) {
    const DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    for (int opening = 0; opening < 20; ++opening) {
        SCOPED_TRACE(opening);
        SendMessageW(window_, opening % 2 ? WM_HELP : WM_COMMAND, opening % 2 ? 0 : IDM_ABOUT, 0);
        ASSERT_EQ(openings.size(), static_cast<size_t>(opening + 1));
        const Opening& shown = openings.back();
        ASSERT_NE(shown.linkFont, nullptr);
        EXPECT_EQ(shown.controlFont, shown.linkFont);
        EXPECT_EQ(GetObjectType(shown.linkFont), 0u) << "the link font outlived its box";
        EXPECT_EQ(shown.overLink, LoadCursorW(nullptr, IDC_HAND));
        EXPECT_EQ(shown.overBox, LoadCursorW(nullptr, IDC_ARROW));
        EXPECT_TRUE(shown.okFirst);
    }
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), before);
}

// While another modal box is open its owner is disabled, and help asked for
// inside it (F1) opens no About box over it.
TEST_F(AboutBox, NoneOpensOverAnotherModalBox) {
    EnableWindow(window_, FALSE);
    SendMessageW(window_, WM_HELP, 0, 0);
    EnableWindow(window_, TRUE);
    EXPECT_TRUE(openings.empty());
    SendMessageW(window_, WM_HELP, 0, 0);
    EXPECT_EQ(openings.size(), 1u);
}
