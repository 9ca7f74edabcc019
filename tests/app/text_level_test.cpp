// The levels of the text in the real main window of the test's own process:
// the View menu's state and the stored value, and what Copy gives at each
// level.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/program.h"
#include "resources/resource.h"
#include "store/verse_map_resource.h"
#include "tests/app/main_window_fixture.h"
#include "tests/support/clipboard_access.h"
#include "tests/support/scratch_registry.h"
#include "view/reading_view.h"
#include "view/verse_selection.h"

namespace {

constexpr uint16_t kMiketz = 10;  // opens with Gen 41:1

// Gen 41:1 as the Codex has it, with its number, maqaf and sof pasuq as the
// program writes them.
constexpr char16_t kGenesis41Verse1[] =
    u"(\u05D0) \u05D5\u05B7\u05D9\u05B0\u05D4\u05B4\u0595\u05D9 \u05DE\u05B4\u05E7\u05BC\u05B5\u0596\u05E5 "
    u"\u05E9\u05C1\u05B0\u05E0\u05B8\u05EA\u05B7\u05A3\u05D9\u05B4\u05DD \u05D9\u05B8\u05DE\u05B4\u0591\u05D9\u05DD "
    u"\u05D5\u05BC\u05E4\u05B7\u05E8\u05B0\u05E2\u05B9\u05A3\u05D4 \u05D7\u05B9\u05DC\u05B5\u0594\u05DD "
    u"\u05D5\u05B0\u05D4\u05B4\u05E0\u05BC\u05B5\u0596\u05D4 \u05E2\u05B9\u05DE\u05B5\u05A5\u05D3 "
    u"\u05E2\u05B7\u05DC-\u05D4\u05B7\u05D9\u05B0\u05D0\u05B9\u05BD\u05E8:";

}  // namespace

class TextLevels : public MainWindowTest {
protected:
    bool Open() {
        WriteDword(L"Lesson", kMiketz);
        WriteDword(L"Flags", kDefaultFlags | kFlagPinnedArticle);
        return CreateFromRegistry() != nullptr && program.view != nullptr;
    }
    UINT State(int command) { return GetMenuState(GetMenu(window_), command, MF_BYCOMMAND); }
};

// The shown level's item is checked; with a face or an 8-bit font that cannot
// show the cantillation its item is greyed, says so, and the vowels are shown
// while the stored level stays. Settings without a level show the vowels; the
// level chosen is stored at exit.
TEST_F(TextLevels, TheViewMenuShowsTheLevelAndStoresIt) {
    const struct {
        const char* label;
        std::optional<DWORD> stored;
        const wchar_t* face;
        DWORD base;
        int checked;
        bool shows;
    } cases[] = {
        {"no level stored", std::nullopt, L"Ezra SIL", 0x5D0, IDM_LEVEL_VOWELS, true},
        {"cantillation", 2, L"Frank Ruehl CLM", 0x5D0, IDM_LEVEL_CANTILLATION, true},
        {"a face without the marks", 2, L"DejaVu Sans", 0x5D0, IDM_LEVEL_VOWELS, false},
        {"an 8-bit font", 2, L"Ezra SIL", 224, IDM_LEVEL_VOWELS, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        WriteString(L"FontName", c.face);
        WriteDword(L"FontAsciiBase", c.base);
        if (c.stored) WriteDword(L"TextLevel", *c.stored);
        ASSERT_TRUE(Open());
        for (int command = IDM_LEVEL_LETTERS; command <= IDM_LEVEL_CANTILLATION; ++command) {
            EXPECT_EQ((State(command) & MF_CHECKED) != 0, command == c.checked) << command;
        }
        EXPECT_EQ((State(IDM_LEVEL_CANTILLATION) & MF_GRAYED) != 0, !c.shows);
        wchar_t text[80] = {};
        GetMenuStringW(GetMenu(window_), IDM_LEVEL_CANTILLATION, text, 80, MF_BYCOMMAND);
        EXPECT_EQ(std::wstring(text).find(L"not in this font") != std::wstring::npos, !c.shows);
        SendMessageW(window_, WM_COMMAND, IDM_LEVEL_LETTERS, 0);
        EXPECT_TRUE(State(IDM_LEVEL_LETTERS) & MF_CHECKED);
        EXPECT_EQ(program.view->level, TextLevel::kLettersOnly);
        ASSERT_TRUE(DestroyMainWindow());
        EXPECT_EQ(ReadDword(L"TextLevel"), std::optional<DWORD>(0));
        ASSERT_TRUE(ClearProgramKeys());
        UseTestFont();
        UseTestWindow();
    }
}

// A copy of Gen 41:1 at Vowels and Cantillation gives the verse letter by
// letter and mark by mark as the Codex has it, and the Rich Text names the
// display face, which draws the marks; at Letters Only the same letters and
// no point at all.
TEST_F(TextLevels, CopyGivesTheLevelShown) {
    ASSERT_TRUE(Open());
    ASSERT_TRUE(SetViewSelection(*program.view, ProgramVerseMap().articles[kMiketz], VerseSelection{0, 0}));
    const auto copy = [&](int level) {
        SendMessageW(window_, WM_COMMAND, level, 0);
        SendMessageW(window_, WM_COMMAND, IDM_COPY, 0);
        const std::string block = ClipboardBlock(CF_UNICODETEXT);
        const std::u16string text(reinterpret_cast<const char16_t*>(block.data()), block.size() / 2);
        return text.substr(0, text.find(u"\r\n"));
    };
    EXPECT_EQ(copy(IDM_LEVEL_CANTILLATION), kGenesis41Verse1);
    EXPECT_NE(ClipboardBlock(RichTextClipboardFormat()).find("\\cpg1255 Ezra SIL;"), std::string::npos);
    std::u16string letters(kGenesis41Verse1);
    std::erase_if(letters, [](char16_t c) { return c >= 0x0591 && c <= 0x05C7; });
    EXPECT_EQ(copy(IDM_LEVEL_LETTERS), letters);
}
