// The search in the real program: a stored search text and Search Again, the
// "Not Found!" box, and the Search dialog with its Hebrew typing.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/app/e2e_fixture.h"
#include "tests/support/clipboard_access.h"
#include "tests/support/keyboard_input.h"
#include "tests/support/screen_capture.h"
#include "tests/support/unix_host.h"
#include "tests/support/wait.h"

namespace {

constexpr int kSearchCommand = 116;
constexpr int kSearchAgainCommand = 117;
constexpr int kEditId = 1013;
// Aaron, first named in Exodus 4 (article 13), as stored: visual order; and
// as the edit shows it with a Unicode font: reading order.
const std::vector<BYTE> kAaronStored = {'p', 'y', 'e', 'a', 0};
const wchar_t kAaronShown[] = L"\u05D0\u05D4\u05E8\u05DF";
constexpr DWORD kAaronFirstArticle = 13;

std::wstring WindowText(HWND window) {
    wchar_t text[256] = {};
    DWORD_PTR result;
    SendMessageTimeoutW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 10000, &result);
    return text;
}

// A dialog or message box titled "Velmora" owned by owner, or none.
HWND OwnedBox(HWND owner) {
    for (HWND box = FindWindowExW(nullptr, nullptr, L"#32770", L"Velmora"); box != nullptr;
         box = FindWindowExW(nullptr, box, L"#32770", L"Velmora"))
        if (GetWindow(box, GW_OWNER) == owner && IsWindowVisible(box)) return box;
    return nullptr;
}

HWND WaitForBox(HWND owner) {
    HWND box = nullptr;
    WaitUntil([&] { return (box = OwnedBox(owner)) != nullptr; });
    return box;
}

// The text of a message box: its static control that is not the icon.
bool BoxSays(HWND box, const wchar_t* text) {
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        if (WindowText(child) == text) return true;
    return false;
}

// Saves a capture in the current folder, for looking at.
void SaveInFolder(const Capture& capture, const wchar_t* name) {
    wchar_t folder[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, folder);
    SaveCapture(capture, std::wstring(folder) + L"\\" + name);
}

void DismissBox(HWND box) {
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    WaitUntil([&] { return !IsWindow(box); });
}

}  // namespace

class SearchEndToEnd : public VelmoraEndToEnd {
protected:
    // Starts the program and waits for its first paint, which would otherwise
    // wipe out a banner drawn before it.
    void StartShown() {
        Start();
        EXPECT_TRUE(WaitUntil([&] {
            const Capture capture = CaptureClient(run.window);
            return capture.width > 0 && capture.CountInk(RECT{0, 40, capture.width, capture.height}) > 2000;
        }));
    }

    HWND OpenDialog() {
        PostMessageW(run.window, WM_COMMAND, kSearchCommand, 0);
        HWND dialog = WaitForBox(run.window);
        EXPECT_NE(dialog, nullptr) << "no Search dialog";
        return dialog;
    }
};

TEST_F(SearchEndToEnd, SearchAgainShowsTheHitHighlightedWithItsBanner) {
    PinArticle(1, 5);
    WriteBinary(L"SearchString", kAaronStored);
    StartShown();
    SendCommand(run, kSearchAgainCommand);
    // The hit at the top of the view, yellow under blue text; the banner at
    // the bottom with its red and blue frame and yellow box. The drawing
    // reaches the screen a moment after the command returns.
    Capture capture;
    const auto shown = [&](const RECT& area, COLORREF colour, int least) { return capture.Count(area, colour) > least; };
    const bool drawn = WaitUntil([&] {
        capture = CaptureClient(run.window);
        const int w = capture.width, h = capture.height;
        const RECT banner{0, h - 90, w, h};
        return shown(RECT{0, 25, w, 90}, RGB(255, 255, 0), 100) && shown(banner, RGB(255, 0, 0), 200) &&
               shown(banner, RGB(255, 255, 0), 1000) && shown(banner, RGB(0, 0, 255), 200);
    });
    SaveInFolder(capture, L"search-hit.bmp");
    EXPECT_TRUE(drawn) << "no highlighted hit with its banner on the screen";
    // Enter searches again: a later hit in the same article.
    SendKey(run, VK_RETURN);
    Stop();
    EXPECT_EQ(Lesson(), kAaronFirstArticle);
    EXPECT_GT(Position(), 0u);
}

TEST_F(SearchEndToEnd, AMissShowsNotFoundAndLeavesTheView) {
    PinArticle(5, 3);
    WriteBinary(L"SearchString", {'{', '{', '{', '{', '{', 0});
    StartShown();
    const Capture before = CaptureClient(run.window);
    PostMessageW(run.window, WM_COMMAND, kSearchAgainCommand, 0);
    HWND box = WaitForBox(run.window);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(BoxSays(box, L"Not Found!"));
    DismissBox(box);
    Capture after;
    EXPECT_TRUE(WaitUntil([&] {
        after = CaptureClient(run.window);
        return after.pixels == before.pixels;
    }));
    Stop();
    EXPECT_EQ(Lesson(), 5u);
    EXPECT_EQ(Position(), 3u);
}

// Typing, the picture, a miss that keeps the dialog open and a hit that closes it.
namespace {

// Where the ink of two letters lies in a capture: from the leftmost inked
// column, and from the leftmost column inked in the lowest quarter of the
// letters, which a yod, a mark high in the line, never reaches.
struct InkSpread {
    int left = -1;
    int lowLeft = -1;
};

InkSpread SpreadOfInk(const Capture& capture) {
    int top = capture.height, bottom = -1;
    for (int y = 0; y < capture.height; ++y) {
        if (capture.CountInk(RECT{0, y, capture.width, y + 1}) == 0) continue;
        top = std::min(top, y);
        bottom = y;
    }
    InkSpread spread;
    if (bottom < 0) return spread;
    const int low = bottom - (bottom - top) / 4;
    for (int x = capture.width - 1; x >= 0; --x) {
        if (capture.CountInk(RECT{x, top, x + 1, bottom + 1}) > 0) spread.left = x;
        if (capture.CountInk(RECT{x, low, x + 1, bottom + 1}) > 0) spread.lowLeft = x;
    }
    return spread;
}

}  // namespace

// With a Unicode font the edit holds the text in reading order, so that the
// platform shows it right to left, and keys act as in any edit; with an
// 8-bit font it holds the stored visual order: each letter goes left of the
// one before, Backspace removes the letter right of the caret, Home goes to
// the right end and Delete removes the letter left of the caret.
TEST_F(SearchEndToEnd, TheDialogTypesHebrewAndSearches) {
    const struct {
        DWORD base;
        const wchar_t* alef;
        const wchar_t* alefYod;
        const wchar_t* pictureTyped;
        const wchar_t* miss;
        const wchar_t* aaron;
    } fonts[] = {
        {0x5D0, L"\u05D0", L"\u05D0\u05D9", L"t\u05D0 ", L"\u05EA\u05EA\u05EA\u05EA\u05EA", L"\u05D0\u05D4\u05E8\u05DF"},
        {224, L"\u00E0", L"\u00E9\u00E0", L"t \u00E0", L"\u00FA\u00FA\u00FA\u00FA\u00FA", L"\u00EF\u00F8\u00E4\u00E0"},
    };
    for (const auto& font : fonts) {
        SCOPED_TRACE(font.base);
        ClearProgramKeys();
        UseTestFont();
        UseTestWindow();
        WriteDword(L"FontAsciiBase", font.base);
        PinArticle(1);
        Start();
        HWND dialog = OpenDialog();
        ASSERT_NE(dialog, nullptr);
        HWND edit = GetDlgItem(dialog, kEditId);
        ASSERT_TRUE(BringToFront(dialog));
        const auto editSays = [&](const wchar_t* text) { return WaitUntil([&] { return WindowText(edit) == text; }); };

        TypeText(L"t");
        EXPECT_TRUE(editSays(font.alef));
        TypeText(L"h");
        EXPECT_TRUE(editSays(font.alefYod));
        if (font.base == 0x5D0) {
            // Read off the screen: the wide alef stands right of the yod. The
            // dialog gives up the focus first, so that no caret is in the picture.
            HWND elsewhere = CreateWindowW(L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 1, 1, nullptr, nullptr,
                                           nullptr, nullptr);
            ASSERT_TRUE(BringToFront(elsewhere));
            InkSpread spread;
            EXPECT_TRUE(WaitUntil([&] {
                spread = SpreadOfInk(CaptureClient(edit));
                return spread.lowLeft >= 0;
            }));
            EXPECT_GT(spread.lowLeft, spread.left + 2) << "the alef is not right of the yod";
            DestroyWindow(elsewhere);
            ASSERT_TRUE(BringToFront(dialog));
        }
        PressKey(VK_BACK);
        EXPECT_TRUE(editSays(font.alef));
        PressKey(VK_HOME);
        PressKey(VK_DELETE);
        EXPECT_TRUE(editSays(L""));
        PressKey(VK_SCROLL);
        TypeText(L"t");
        PressKey(VK_SCROLL);
        EXPECT_TRUE(editSays(L"t"));

        // The picture's top-right cell types alef; the space bar a space.
        HWND picture = FindWindowExW(dialog, nullptr, L"Static", nullptr);
        while (picture != nullptr && (GetWindowLongW(picture, GWL_STYLE) & SS_TYPEMASK) != SS_BITMAP)
            picture = FindWindowExW(dialog, picture, L"Static", nullptr);
        ASSERT_NE(picture, nullptr);
        RECT place{};
        GetWindowRect(picture, &place);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
        PostMessageW(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(place.left + 150, place.top + 10));
        PostMessageW(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(place.left + 75, place.top + 85));
        PostMessageW(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(place.left + 20, place.top + 85));
        EXPECT_TRUE(editSays(font.pictureTyped));

        SetWindowTextW(edit, font.miss);
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        HWND box = WaitForBox(dialog);
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(BoxSays(box, L"Not Found!"));
        DismissBox(box);
        EXPECT_TRUE(IsWindow(dialog));
        const DWORD selection = static_cast<DWORD>(SendMessageW(edit, EM_GETSEL, 0, 0));
        EXPECT_EQ(LOWORD(selection), 0);
        EXPECT_EQ(HIWORD(selection), 5);

        SetWindowTextW(edit, font.aaron);
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
        Stop();
        EXPECT_EQ(Lesson(), kAaronFirstArticle);
        EXPECT_EQ(ReadBinary(L"SearchString"), kAaronStored);
    }
}

// The edit shows the stored search in reading order, with Reverse on or
// off, all of it selected so that typing replaces it, and OK searches for it
// unchanged.
TEST_F(SearchEndToEnd, TheDialogShowsTheStoredSearchWithReverseOnAndOff) {
    for (const DWORD reverse : {0x0u, 0x800u}) {
        SCOPED_TRACE(reverse);
        ClearProgramKeys();
        UseTestFont();
        UseTestWindow();
        PinArticle(1);
        WriteDword(L"Flags", 0xD1140040 | 0x4 | reverse);
        WriteBinary(L"SearchString", kAaronStored);
        Start();
        HWND dialog = OpenDialog();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(WindowText(GetDlgItem(dialog, kEditId)), kAaronShown);
        const DWORD selection = static_cast<DWORD>(SendMessageW(GetDlgItem(dialog, kEditId), EM_GETSEL, 0, 0));
        EXPECT_EQ(LOWORD(selection), 0);
        EXPECT_EQ(HIWORD(selection), 4);
        if (reverse == 0) {
            // Once the keyboard picture is on the screen, for looking at.
            Capture shown;
            EXPECT_TRUE(WaitUntil([&] {
                shown = CaptureWindow(dialog);
                return shown.Count(RECT{0, shown.height / 2, shown.width, shown.height}, RGB(0, 0, 0)) > 1000;
            }));
            SaveInFolder(shown, L"search-dialog.bmp");
        }
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
        Stop();
        EXPECT_EQ(Lesson(), kAaronFirstArticle);
        EXPECT_EQ(ReadBinary(L"SearchString"), kAaronStored);
    }
}

// OK on an empty edit empties the search for this run only: Search Again then
// does nothing, and the stored value stays for the next start.
TEST_F(SearchEndToEnd, AnEmptyTextEndsTheSearchForTheRunOnly) {
    PinArticle(1);
    WriteBinary(L"SearchString", kAaronStored);
    Start();
    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    SetWindowTextW(GetDlgItem(dialog, kEditId), L"");
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    SendCommand(run, kSearchAgainCommand);
    EXPECT_EQ(OwnedBox(run.window), nullptr);
    Stop();
    EXPECT_EQ(Lesson(), 1u);
    EXPECT_EQ(ReadBinary(L"SearchString"), kAaronStored);
}

// Under Wine an edit's codes are taken as glyph numbers, and Shofar attaches
// the glyphs numbered as the small Latin letters from f on and as "|" to the
// glyph before them: one that begins a left-to-right run would end the
// program. The edit leaves out a stored "|" (no letter code) and an "f"
// typed with Scroll Lock on, takes an "a", of a pasted text the first line
// without its "f", and the program ends cleanly.
TEST_F(SearchEndToEnd, TheEditLeavesOutWhatItsFontCannotShow) {
    if (!HostAvailable()) GTEST_SKIP() << "a fault of Wine's shaper";
    WriteString(L"FontName", L"Shofar");
    WriteBinary(L"SearchString", {'|'});
    PinArticle(1);
    Start();
    HWND dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    HWND edit = GetDlgItem(dialog, kEditId);
    EXPECT_EQ(WindowText(edit), L"");
    ASSERT_TRUE(BringToFront(dialog));
    PressKey(VK_SCROLL);
    TypeText(L"fa");
    PressKey(VK_SCROLL);
    EXPECT_TRUE(WaitUntil([&] { return WindowText(edit) == L"a"; }));
    const std::wstring pasted = L"fb\r\nxyz";
    ASSERT_TRUE(SetClipboardBlock(CF_UNICODETEXT,
                                  std::string(reinterpret_cast<const char*>(pasted.c_str()), 2 * pasted.size() + 2)));
    PostMessageW(edit, WM_PASTE, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return WindowText(edit) == L"ab"; })) << "one line: " << WindowText(edit).size();
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    Stop();
}
