// The font chooser's two callers on the real main window in the test's own
// process: the first start, which asks over the shown window and applies the
// settings however the dialog closes, and the Font command, which lays the
// article out again only after OK.
#include <gtest/gtest.h>

#include <string>

#include "app/main_window.h"
#include "app/program.h"
#include "app/startup.h"
#include "dialogs/font_faces.h"
#include "resources/resource.h"
#include "tests/app/main_window_fixture.h"
#include "tests/dialogs/font_dialog_driver.h"
#include "tests/support/modal_dialog.h"
#include "tests/support/scratch_registry.h"
#include "view/reading_view.h"
#include "view/style_font.h"

namespace {

constexpr uint16_t kArticle = 1;

std::wstring Face(const FontSettings& settings) { return reinterpret_cast<const wchar_t*>(settings.FontName); }

}  // namespace

class FontCommand : public MainWindowTest {
protected:
    void SetUp() override { Prepare(); }

    // An empty registry but for the window's place and a pinned article.
    void Prepare() {
        ResetProgram();
        ASSERT_TRUE(ClearProgramKeys());
        UseTestWindow();
        WriteDword(L"Lesson", kArticle);
        WriteDword(L"Flags", kDefaultFlags | kFlagPinnedArticle);
    }

    // Creates the main window; drive answers the font dialog of a first start.
    void Open(const std::function<int(HWND)>& drive = nullptr) {
        const auto create = [&] {
            CreateFromRegistry();
            return 0;
        };
        if (drive) WithModalDialog(L"Choose Font", create, drive);
        else create();
        ASSERT_NE(window_, nullptr);
        ASSERT_NE(program.view, nullptr);
    }

    void Close() { DestroyMainWindow(); }
};

// The dialog comes over the shown main window, which already reads in the
// face it offers, with "5D0" checked and a Hebrew face and a readable size
// selected; the view takes the settings after OK, and keeps the offered face
// after Cancel; they are saved at exit.
TEST_F(FontCommand, FirstStartAsksOverTheShownWindowAndAppliesTheSettings) {
    constexpr wchar_t kOffered[] = L"Frank Ruehl CLM";  // the first installed face of the preferred ones
    const struct {
        int command;
        const wchar_t* face;
        int32_t size;
    } cases[] = {{IDOK, L"Ezra SIL", 28}, {IDCANCEL, kOffered, 24}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        WriteDword(L"FontAsciiBase", 0);
        bool overShownWindow = false, checked5D0 = false;
        std::wstring offeredFace, offeredSize, behind;
        Open([&](HWND dialog) {
            offeredFace = SelectedRow(dialog, IDC_FONT_FACES);
            offeredSize = SelectedRow(dialog, IDC_FONT_SIZES);
            behind = Face(program.view->fontSettings);
            HWND owner = GetWindow(dialog, GW_OWNER);
            overShownWindow = owner != nullptr && owner == FindWindowW(L"Velmora", nullptr) && IsWindowVisible(owner);
            checked5D0 = IsChecked(dialog, IDC_FONT_BASE_5D0);
            if (c.command == IDOK) {
                ChooseRow(dialog, IDC_FONT_FACES, c.face);
                ChooseRow(dialog, IDC_FONT_SIZES, std::to_wstring(c.size));
            }
            return c.command;
        });
        EXPECT_TRUE(overShownWindow);
        EXPECT_TRUE(checked5D0);
        EXPECT_EQ(offeredFace, kOffered);
        EXPECT_EQ(offeredSize, L"24");
        EXPECT_EQ(behind, kOffered);
        const FontSettings& shown = program.view->fontSettings;
        EXPECT_EQ(Face(shown), c.face);
        EXPECT_EQ(shown.FontSize, c.size);
        EXPECT_EQ(shown.FontAsciiBase, 0x5D0);
        Close();
        EXPECT_EQ(ReadString(L"FontName").value_or(L""), c.face);
        EXPECT_EQ(ReadDword(L"FontSize").value_or(0), static_cast<DWORD>(c.size));
        EXPECT_EQ(ReadDword(L"FontAsciiBase"), 1488u);
        ASSERT_TRUE(ClearProgramKeys());
        Prepare();
    }
}

// OK with a larger size lays the article out in more rows; Cancel keeps the
// rows and the view's settings.
TEST_F(FontCommand, FontCommandLaysTheArticleOutAgainOnlyAfterOk) {
    UseTestFont(20);
    Open();
    for (const int command : {IDCANCEL, IDOK}) {
        SCOPED_TRACE(command);
        const uint16_t rows = program.view->totalRows;
        WithModalDialog(L"Choose Font", [&] { return SendMessageW(window_, WM_COMMAND, IDM_FONT, 0); },
                        [&](HWND dialog) {
                            ChooseRow(dialog, IDC_FONT_SIZES, L"52");
                            return command;
                        });
        const int32_t size = command == IDOK ? 52 : 20;
        EXPECT_EQ(program.view->fontSettings.FontSize, size);
        EXPECT_EQ(program.settings.font.FontSize, size);
        if (command == IDOK) {
            EXPECT_GT(program.view->totalRows, rows);
        } else {
            EXPECT_EQ(program.view->totalRows, rows);
        }
    }
}

// Faces with no Western character set, the CFF-outline ones of the culmus
// package among them, lay out and are drawn as themselves (only the
// platform's PostScript printing fails on the CFF ones).
TEST_F(FontCommand, HebrewOnlyFacesAreDrawnAsThemselves) {
    UseTestFont(20);
    Open();
    for (const wchar_t* face : {L"Frank Ruehl CLM", L"David CLM", L"Nachlieli CLM"}) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(face)));
        FontSettings font = program.settings.font;
        lstrcpynW(reinterpret_cast<wchar_t*>(font.FontName), face, kFontNameMax + 1);
        EXPECT_EQ(ApplyFontSettings(program.view, &font), 0);
        EXPECT_GT(program.view->totalRows, 0);
        HDC dc = static_cast<HDC>(program.view->dc);
        HFONT previous = SelectStyleFont(program.view, 0x11);
        wchar_t drawn[LF_FACESIZE] = {};
        GetTextFaceW(dc, LF_FACESIZE, drawn);
        SelectObject(dc, previous);
        EXPECT_EQ(std::wstring(drawn), face);
    }
}

// Choose Font marks the faces whose cantillation marks have ink: measured from
// the glyphs, as some faces map the marks to empty glyphs and others lack them.
TEST(FontFaces, TheFacesThatShowTheCantillationAreFoundByTheirInk) {
    const struct {
        const char16_t* face;
        bool shows;
    } cases[] = {
        {u"Ezra SIL", true},     {u"Frank Ruehl CLM", true}, {u"Taamey Frank CLM", true}, {u"Keter YG", true},
        {u"Simple CLM", false},  {u"Hadasim CLM", false},    {u"David CLM", false},        {u"DejaVu Sans", false},
        {u"No Such Face", false},
    };
    HDC dc = GetDC(nullptr);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::u16string(c.face)));
        EXPECT_EQ(FaceShowsCantillation(dc, c.face), c.shows);
    }
    ReleaseDC(nullptr, dc);
}
