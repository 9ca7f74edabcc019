// Copy in the test's own process, for what cannot be seen from outside: a
// text too long for its buffer shows the program's message while the settings
// stay as they are, and leaves the clipboard alone.
#include "output/export_article.h"

#include <gtest/gtest.h>

#include <string>

#include "app/program.h"
#include "tests/support/clipboard_access.h"

namespace {

// What the message box said, and Flags while it was open.
struct ShownMessage {
    std::wstring text;
    std::wstring caption;
    uint32_t flags = 0;
    int count = 0;
};

ShownMessage shown;
HHOOK hook;

// The message box's longest static text is its message.
BOOL CALLBACK ReadMessageText(HWND child, LPARAM) {
    wchar_t text[128] = {};
    GetWindowTextW(child, text, 128);
    if (std::wstring(text).size() > shown.text.size()) shown.text = text;
    return TRUE;
}

LRESULT CALLBACK OnActivate(int code, WPARAM wParam, LPARAM lParam) {
    wchar_t className[16] = {};
    const auto box = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && GetClassNameW(box, className, 16) && std::wstring(className) == L"#32770") {
        EnumChildWindows(box, ReadMessageText, 0);
        wchar_t caption[128] = {};
        GetWindowTextW(box, caption, 128);
        shown.caption = caption;
        shown.flags = program.settings.Flags;
        ++shown.count;
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

}  // namespace

// Forty codes that each give two characters need more room than the size
// formula gives. The export never turns the Reverse option on meanwhile.
TEST(ExportArticle, ATextThatDoesNotFitShowsTheMessageAndChangesNothing) {
    program = ProgramState{};
    program.settings.font.FontAsciiBase = kUnicodeAsciiBase;
    program.settings.Flags = kDefaultFlags;
    ViewState view;
    view.fontSettings.FontAsciiBase = kUnicodeAsciiBase;
    view.text = ArticleText{0xB1, 0x00};
    view.text.insert(view.text.end(), 40, 0x10);
    view.text.insert(view.text.end(), {0, 0, 0});
    const std::string marker = "marker";
    ASSERT_TRUE(SetClipboardBlock(CF_TEXT, marker + '\0'));

    shown = ShownMessage{};
    hook = SetWindowsHookExW(WH_CBT, OnActivate, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    ExportArticle(&view, false);
    UnhookWindowsHookEx(hook);

    EXPECT_EQ(shown.count, 1);
    EXPECT_EQ(shown.text, L"(obuf > (start + size))");
    EXPECT_EQ(shown.caption, L"Error");
    EXPECT_EQ(shown.flags, kDefaultFlags);
    EXPECT_EQ(program.settings.Flags, kDefaultFlags);
    EXPECT_EQ(ClipboardBlock(CF_TEXT).substr(0, marker.size()), marker);
    program = ProgramState{};
}
