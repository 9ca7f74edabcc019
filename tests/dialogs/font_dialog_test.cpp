// The Choose Font dialog in the test's own process: what opening shows for
// the stored settings, the radio choice and the preview as the lists change,
// what OK and Cancel leave in the settings, and no font or device context
// left behind after many openings.
#include "dialogs/font_dialog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/program.h"
#include "resources/resource.h"
#include "tests/dialogs/font_dialog_driver.h"
#include "tests/support/clipboard_access.h"
#include "tests/support/gdi_counter.h"
#include "tests/support/modal_dialog.h"
#include "tests/support/screen_capture.h"
#include "tests/support/unix_host.h"
#include "view/font_size.h"
#include "view/style_font.h"
#include "view/window_dpi.h"

namespace {

constexpr wchar_t kHebrewFace[] = L"Ezra SIL";
constexpr wchar_t kHebrewOnlyFace[] = L"Frank Ruehl CLM";  // no Western character set

FontSettings Stored(const wchar_t* face, int32_t size, int32_t base) {
    FontSettings settings{};
    lstrcpynW(reinterpret_cast<wchar_t*>(settings.FontName), face, kFontNameMax + 1);
    settings.FontSize = size;
    settings.FontAsciiBase = base;
    return settings;
}

std::wstring Face(const FontSettings& settings) { return reinterpret_cast<const wchar_t*>(settings.FontName); }

// Hebrew (177) when any report of the face is, else its first character set.
int CALLBACK CollectCharset(const LOGFONTW* logFont, const TEXTMETRICW* metrics, DWORD, LPARAM user) {
    auto* charsets = reinterpret_cast<std::map<std::wstring, int>*>(user);
    const auto known = charsets->emplace(logFont->lfFaceName, metrics->tmCharSet).first;
    if (metrics->tmCharSet == 177) known->second = 177;
    return 1;
}

// A face the platform reports with no Hebrew character set.
std::wstring NonHebrewFace() {
    std::map<std::wstring, int> charsets;
    HDC dc = GetDC(nullptr);
    EnumFontsW(dc, nullptr, CollectCharset, reinterpret_cast<LPARAM>(&charsets));
    ReleaseDC(nullptr, dc);
    for (const auto& [face, charset] : charsets) {
        if (charset != 177 && face.size() < 32) return face;
    }
    return L"";
}

int CALLBACK NoteFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool FaceInstalled(const wchar_t* face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(wanted.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesExW(dc, &wanted, NoteFace, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, dc);
    return found;
}

// What the dialog showed when it opened.
struct Opening {
    bool checked224 = false, checked5D0 = false;
    std::wstring preview, face, size;
    std::vector<std::wstring> sizes;
    bool facesOnce = false;  // every face is listed once, sorted
};

Opening ReadOpening(HWND dialog) {
    Opening seen;
    seen.checked224 = IsChecked(dialog, IDC_FONT_BASE_224);
    seen.checked5D0 = IsChecked(dialog, IDC_FONT_BASE_5D0);
    seen.preview = PreviewInReadingOrder(dialog, seen.checked5D0);
    seen.face = SelectedRow(dialog, IDC_FONT_FACES);
    seen.size = SelectedRow(dialog, IDC_FONT_SIZES);
    seen.sizes = ListRows(dialog, IDC_FONT_SIZES);
    const std::vector<std::wstring> faces = ListRows(dialog, IDC_FONT_FACES);
    seen.facesOnce = faces.size() > 1 && std::adjacent_find(faces.begin(), faces.end()) == faces.end();
    return seen;
}

}  // namespace

class FontDialog : public ::testing::Test {
protected:
    void SetUp() override {
        program = ProgramState{};
        program.instance = GetModuleHandleW(nullptr);
        owner_ = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 640, 480, nullptr,
                                 nullptr, program.instance, nullptr);
        ASSERT_NE(owner_, nullptr);
    }
    void TearDown() override { DestroyWindow(owner_); }

    int Run(FontSettings& settings, const std::function<int(HWND)>& drive) {
        return static_cast<int>(WithModalDialog(L"Choose Font", [&] { return ShowFontDialog(owner_, settings); }, drive));
    }

    HWND owner_ = nullptr;
};

// Opening shows the stored base, size and face; OK writes back what is
// selected and keeps what is not; Cancel changes nothing but a base of 0.
TEST_F(FontDialog, OpeningShowsTheStoredChoiceAndCloseKeepsOrCommitsIt) {
    const std::vector<std::wstring> kListed = {L"10", L"11", L"12", L"14", L"16", L"18", L"20",
                                               L"22", L"24", L"26", L"28", L"32", L"52", L"72"};
    std::vector<std::wstring> with15 = kListed;
    with15.insert(with15.begin() + 4, L"15");
    const struct {
        const char* name;
        FontSettings stored;
        int command;
        bool checked224, checked5D0;
        std::wstring preview, face, size;
        std::vector<std::wstring> sizes;
        FontSettings result;
    } cases[] = {
        {"base 0, cancelled", Stored(L"", 15, 0), IDCANCEL, false, true, LettersUpFrom(0x5D0), L"", L"15", with15,
         Stored(L"", 15, 0x5D0)},
        {"unchanged OK", Stored(kHebrewFace, 12, 224), IDOK, true, false, LettersUpFrom(0xE0), kHebrewFace, L"12",
         kListed, Stored(kHebrewFace, 12, 224)},
        {"prefix, 97, size 100", Stored(L"Frank Ruehl", 100, 97), IDOK, false, false, LettersUpFrom(L'a'),
         L"Frank Ruehl CLM", L"", kListed, Stored(L"Frank Ruehl CLM", 100, 97)},
        {"negative size", Stored(kHebrewFace, -5, 0x5D0), IDOK, false, true, LettersUpFrom(0x5D0), kHebrewFace, L"",
         kListed, Stored(kHebrewFace, -5, 0x5D0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FontSettings settings = c.stored;
        Opening seen;
        const int result = Run(settings, [&](HWND dialog) {
            seen = ReadOpening(dialog);
            return c.command;
        });
        EXPECT_EQ(result, c.command);
        EXPECT_EQ(seen.checked224, c.checked224);
        EXPECT_EQ(seen.checked5D0, c.checked5D0);
        EXPECT_EQ(seen.preview, c.preview);
        if (!c.face.empty()) {
            EXPECT_EQ(seen.face, c.face);
        }
        EXPECT_EQ(seen.size, c.size);
        EXPECT_EQ(seen.sizes, c.sizes);
        EXPECT_TRUE(seen.facesOnce);
        EXPECT_EQ(Face(settings), Face(c.result));
        EXPECT_EQ(settings.FontSize, c.result.FontSize);
        EXPECT_EQ(settings.FontAsciiBase, c.result.FontAsciiBase);
    }
}

// Only selecting a Hebrew-charset face checks "5D0"; focus moves, sizes and
// other faces keep a clicked "224", whose preview shows the Latin-1 letters
// in the chosen face (drawn as itself, though it has no Western character
// set), at the chosen size in points or smaller where they would not fit the
// field.
TEST_F(FontDialog, OnlyANewHebrewFaceSwitchesTheBase) {
    const std::wstring other = NonHebrewFace();
    ASSERT_FALSE(other.empty());
    FontSettings settings = Stored(other.c_str(), 20, 224);
    struct {
        bool kept224AtOpening = false, switched = false, kept224 = false;
        std::wstring hebrewPreview, latinPreview, drawnFace;
        LOGFONTW font{};
    } seen;
    const int result = Run(settings, [&](HWND dialog) {
        for (int list : {IDC_FONT_FACES, IDC_FONT_SIZES}) NotifyList(dialog, list, LBN_SETFOCUS);
        seen.kept224AtOpening = IsChecked(dialog, IDC_FONT_BASE_224);
        EXPECT_TRUE(ChooseRow(dialog, IDC_FONT_FACES, kHebrewOnlyFace));
        seen.switched = IsChecked(dialog, IDC_FONT_BASE_5D0) && !IsChecked(dialog, IDC_FONT_BASE_224);
        seen.hebrewPreview = PreviewInReadingOrder(dialog, true);
        ClickButton(dialog, IDC_FONT_BASE_224);
        EXPECT_TRUE(ChooseRow(dialog, IDC_FONT_SIZES, L"52"));
        for (int list : {IDC_FONT_FACES, IDC_FONT_SIZES}) NotifyList(dialog, list, LBN_KILLFOCUS);
        seen.latinPreview = PreviewInReadingOrder(dialog, false);
        seen.font = PreviewFont(dialog);
        seen.drawnFace = PreviewFaceDrawn(dialog);
        EXPECT_TRUE(ChooseRow(dialog, IDC_FONT_FACES, other));
        seen.kept224 = IsChecked(dialog, IDC_FONT_BASE_224);
        return IDOK;
    });
    EXPECT_EQ(result, 1);
    EXPECT_TRUE(seen.kept224AtOpening);
    EXPECT_TRUE(seen.switched);
    EXPECT_EQ(seen.hebrewPreview, LettersUpFrom(0x5D0));
    EXPECT_EQ(seen.latinPreview, LettersUpFrom(0xE0));
    EXPECT_EQ(std::wstring(seen.font.lfFaceName), kHebrewOnlyFace);
    EXPECT_LT(seen.font.lfHeight, 0) << "a size in points";
    EXPECT_GE(seen.font.lfHeight, FontHeightForPoints(52, WindowDpi(owner_))) << "made smaller only to fit";
    EXPECT_EQ(seen.drawnFace, kHebrewOnlyFace);
    EXPECT_TRUE(seen.kept224);
    EXPECT_EQ(Face(settings), other);
    EXPECT_EQ(settings.FontSize, 52);
    EXPECT_EQ(settings.FontAsciiBase, 224);
}

// At every listed size the preview shows all 27 letters: each line fits the
// field's width in the preview's font, the lines fit its height, and on the
// screen no letter is cut at the field's edges.
TEST_F(FontDialog, EverySizeShowsAllTheLetters) {
    FontSettings settings = Stored(kHebrewOnlyFace, 20, 0x5D0);
    Run(settings, [&](HWND dialog) {
        HWND field = GetDlgItem(dialog, IDC_FONT_PREVIEW);
        RECT area{};
        GetClientRect(field, &area);
        const auto margins = static_cast<DWORD>(SendMessageW(field, EM_GETMARGINS, 0, 0));
        area.left += LOWORD(margins);
        area.right -= HIWORD(margins);
        for (const std::wstring& face : {std::wstring(kHebrewOnlyFace), std::wstring(kHebrewFace)}) {
            EXPECT_TRUE(ChooseRow(dialog, IDC_FONT_FACES, face));
            for (const std::wstring& size : ListRows(dialog, IDC_FONT_SIZES)) {
                SCOPED_TRACE(testing::PrintToString(face + L" " + size));
                EXPECT_TRUE(ChooseRow(dialog, IDC_FONT_SIZES, size));
                EXPECT_EQ(PreviewInReadingOrder(dialog, true), LettersUpFrom(0x5D0));
                HDC dc = GetDC(field);
                HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(field, WM_GETFONT, 0, 0)));
                TEXTMETRICW metrics{};
                GetTextMetricsW(dc, &metrics);
                const std::wstring text = PreviewText(dialog);
                int lines = 0;
                for (size_t start = 0; start <= text.size(); ++lines) {
                    const size_t end = std::min(text.find(L"\r\n", start), text.size());
                    SIZE extent{};
                    GetTextExtentPoint32W(dc, text.c_str() + start, static_cast<int>(end - start), &extent);
                    EXPECT_LE(extent.cx, area.right - area.left);
                    start = end + 2;
                }
                SelectObject(dc, previous);
                ReleaseDC(field, dc);
                EXPECT_LE(lines * metrics.tmHeight, area.bottom - area.top);
                UpdateWindow(field);
                const Capture shown = CaptureClient(field);
                EXPECT_EQ(shown.CountInk(RECT{0, 0, area.left + 1, shown.height}), 0) << "a letter is cut at the left";
                EXPECT_EQ(shown.CountInk(RECT{0, area.bottom - 1, shown.width, shown.height}), 0)
                    << "a line is cut at the bottom";
            }
        }
        return IDCANCEL;
    });
}

// The preview shows what the face and size now chosen give, whichever way
// led to them: the same lines in the same font as at an opening on them.
TEST_F(FontDialog, ThePreviewDependsOnlyOnTheChosenFaceAndSize) {
    const std::vector<std::pair<int, std::wstring>> ways[] = {
        {{IDC_FONT_SIZES, L"10"}, {IDC_FONT_FACES, kHebrewOnlyFace}, {IDC_FONT_SIZES, L"72"}},
        {{IDC_FONT_FACES, kHebrewOnlyFace}, {IDC_FONT_SIZES, L"72"}, {IDC_FONT_FACES, kHebrewFace}},
    };
    const auto shown = [](HWND dialog) { return std::make_pair(PreviewText(dialog), PreviewFont(dialog).lfHeight); };
    for (const auto& way : ways) {
        FontSettings settings = Stored(kHebrewFace, 24, 0x5D0);
        std::pair<std::wstring, LONG> reached, opened;
        Run(settings, [&](HWND dialog) {
            for (const auto& [list, row] : way) EXPECT_TRUE(ChooseRow(dialog, list, row));
            reached = shown(dialog);
            return IDOK;
        });
        Run(settings, [&](HWND dialog) {
            opened = shown(dialog);
            return IDCANCEL;
        });
        EXPECT_EQ(reached, opened) << testing::PrintToString(way.back().second);
    }
}

// Shofar's GPOS table attaches the glyphs numbered as the codes of the small
// Latin letters from f on to the glyph before them, and Wine's shaper, which
// takes an edit's codes as glyph numbers, ends the program when such a letter
// begins a left-to-right run: under Wine the preview takes none of them,
// typed or pasted, and the others as usual; elsewhere it takes them all.
TEST_F(FontDialog, ThePreviewTakesOnlyWhatItsFontCanShow) {
    if (!FaceInstalled(L"Shofar")) GTEST_SKIP() << "no Shofar face";
    FontSettings settings = Stored(L"Shofar", 24, 0x5D0);
    std::wstring typed;
    Run(settings, [&](HWND dialog) {
        HWND field = GetDlgItem(dialog, IDC_FONT_PREVIEW);
        SendMessageW(field, EM_SETSEL, 0, -1);
        for (wchar_t key : {L'f', L'a'}) SendMessageW(field, WM_CHAR, key, 1);
        const std::wstring pasted = L"fad";
        SetClipboardBlock(CF_UNICODETEXT, std::string(reinterpret_cast<const char*>(pasted.c_str()), 2 * pasted.size() + 2));
        SendMessageW(field, WM_PASTE, 0, 0);
        typed = PreviewText(dialog);
        return IDCANCEL;
    });
    EXPECT_EQ(typed, HostAvailable() ? L"aad" : L"fafad");
}

// Every font and device context the dialog takes is given back, and no
// preview font is made once closing has begun (the lists still notify then).
TEST_F(FontDialog, FiftyOpeningsLeaveNoFontOrDeviceContext) {
    GdiCounter counter;
    ASSERT_TRUE(counter.installed);
    counter.watchedOwner = owner_;
    for (int opening = 0; opening < 50; ++opening) {
        FontSettings settings = Stored(kHebrewFace, 20, 0x5D0);
        Run(settings, [&](HWND dialog) {
            if (opening % 2) ChooseRow(dialog, IDC_FONT_SIZES, L"28");
            return opening % 3 ? IDOK : IDCANCEL;
        });
    }
    EXPECT_GE(counter.fontsCreated, 50);
    EXPECT_TRUE(counter.liveFonts.empty()) << counter.liveFonts.size() << " fonts left";
    EXPECT_EQ(counter.liveDcs, 0);
    EXPECT_EQ(counter.fontsWhileOwnerEnabled, 0);
}

// Stored sizes near the limits of 32 bits make fonts of the largest size
// instead of overflowing when the larger and smaller styles scale them.
TEST(StyleFontSize, StoredSizesNearTheLimitsAreClamped) {
    HDC dc = GetDC(nullptr);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    const struct {
        int32_t size;
        unsigned key;
        int points;
    } cases[] = {{20, 0x11, 20}, {2147483647, 0x1C, 1250}, {2147483647, 0x12, 750}, {-2147483647 - 1, 0x11, -1000},
                 {-2147483647 - 1, 0x1C, -1250}, {1717986919, 0x11, 1000}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.size << " key " << c.key);
        HFONT font = CreateStyleFont(dc, Stored(kHebrewFace, c.size, 0x5D0), c.key);
        ASSERT_NE(font, nullptr);
        LOGFONTW logFont{};
        GetObjectW(font, sizeof(logFont), &logFont);
        EXPECT_EQ(logFont.lfHeight, -MulDiv(c.points, dpi, 72));
        DeleteObject(font);
    }
    ReleaseDC(nullptr, dc);
}
