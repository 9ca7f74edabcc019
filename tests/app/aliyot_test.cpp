// The aliyot in the real main window of the test's own process: Go to Aliyah
// brings an aliyah's first verse to the top row and the title names it, the
// step after the last maftir opens the next portion, Select Aliyah and Copy
// give the aliyah's name, and Show Aliyot is stored.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "app/program.h"
#include "resources/resource.h"
#include "store/verse_map_resource.h"
#include "tests/app/main_window_fixture.h"
#include "tests/support/clipboard_access.h"
#include "tests/support/scratch_registry.h"
#include "view/paint_plan.h"

namespace {

constexpr uint16_t kMiketz = 10, kVayigash = 11, kYitro = 17;

std::wstring Title(HWND window) {
    wchar_t text[200] = {};
    GetWindowTextW(window, text, 200);
    return text;
}

}  // namespace

class Aliyot : public MainWindowTest {
protected:
    bool Open(uint16_t article) {
        WriteDword(L"Lesson", article);
        WriteDword(L"Flags", kDefaultFlags | kFlagPinnedArticle);
        return CreateFromRegistry() != nullptr && program.view != nullptr;
    }
    // Whether the top row drawn holds the first byte of a verse of the article shown.
    bool VerseAtTop(int chapter, int verse) {
        const std::vector<VerseEntry>& verses = ProgramVerseMap().articles[program.view->article];
        const auto found = std::find_if(verses.begin(), verses.end(), [&](const VerseEntry& v) {
            return v.chapter == chapter && v.verse == verse;
        });
        return found != verses.end() && RowHoldingByte(*program.view, found->first) == TopRowIndex(*program.view);
    }
};

TEST_F(Aliyot, GoToAliyahPutsItsFirstVerseAtTheTop) {
    const struct {
        uint16_t article;
        int number, chapter, verse;
        const wchar_t* title;
    } cases[] = {
        {kMiketz, 3, 41, 39, L"Shlishi, Miketz \u2014 Velmora"},
        {kMiketz, 1, 41, 1, L"Rishon, Miketz \u2014 Velmora"},
        {kYitro, 7, 20, 18, L"Shvi'i, Yitro \u2014 Velmora"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        ASSERT_TRUE(Open(c.article));
        SendMessageW(window_, WM_COMMAND, IDM_ALIYAH_1 + c.number - 1, 0);
        EXPECT_TRUE(VerseAtTop(c.chapter, c.verse));
        EXPECT_EQ(Title(window_), c.title);
        ASSERT_TRUE(DestroyMainWindow());
    }
}

// After Miketz's maftir comes Vayigash's first aliyah; back from there comes
// the maftir again.
TEST_F(Aliyot, StepsCrossIntoTheNextPortion) {
    ASSERT_TRUE(Open(kMiketz));
    SendMessageW(window_, WM_COMMAND, IDM_ALIYAH_MAFTIR, 0);
    EXPECT_EQ(Title(window_), L"Maftir, Miketz \u2014 Velmora");
    SendMessageW(window_, WM_COMMAND, IDM_NEXT_ALIYAH, 0);
    EXPECT_EQ(program.settings.Lesson, kVayigash);
    EXPECT_TRUE(VerseAtTop(44, 18));
    EXPECT_EQ(Title(window_), L"Rishon, Vayigash \u2014 Velmora");
    SendMessageW(window_, WM_COMMAND, IDM_PREVIOUS_ALIYAH, 0);
    EXPECT_EQ(program.settings.Lesson, kMiketz);
    EXPECT_EQ(Title(window_), L"Maftir, Miketz \u2014 Velmora");
}

TEST_F(Aliyot, SelectAliyahCopiesItWithItsName) {
    ASSERT_TRUE(Open(kMiketz));
    SendMessageW(window_, WM_COMMAND, IDM_ALIYAH_1 + 2, 0);
    SendMessageW(window_, WM_COMMAND, IDM_SELECT_ALIYAH, 0);
    ASSERT_TRUE(ClearClipboard());
    SendMessageW(window_, WM_COMMAND, IDM_COPY, 0);
    const std::string block = ClipboardBlock(CF_UNICODETEXT);
    const std::u16string text(reinterpret_cast<const char16_t*>(block.data()), block.size() / 2);
    const std::u16string reference = u"\r\nשלישי, Genesis 41:39–52 / בראשית מא לט–נב";
    EXPECT_NE(text.find(reference), std::u16string::npos);
}

TEST_F(Aliyot, ShowAliyotIsStored) {
    ASSERT_TRUE(Open(kMiketz));
    EXPECT_TRUE(program.view->aliyahMargin);
    const int width = program.view->marginWidth;
    EXPECT_GT(width, 0);
    SendMessageW(window_, WM_COMMAND, IDM_SHOW_ALIYOT, 0);
    EXPECT_FALSE(program.view->aliyahMargin);
    EXPECT_EQ(program.view->marginWidth, 0);
    EXPECT_FALSE(GetMenuState(GetMenu(window_), IDM_SHOW_ALIYOT, MF_BYCOMMAND) & MF_CHECKED);
    ASSERT_TRUE(DestroyMainWindow());
    EXPECT_EQ(ReadDword(L"ShowAliyot"), std::optional<DWORD>(0));
}
