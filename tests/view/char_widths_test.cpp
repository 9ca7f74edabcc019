// Width tables measured with real fonts on a memory device context, and the
// platform fit of left-to-right text.
#include "view/char_widths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>

#include "app/program.h"
#include "view/reading_view.h"
#include "view/style_font.h"

namespace {

constexpr unsigned kBodyStyle = 0x11;
constexpr unsigned kHeadingStyle = 0x1C;

// Codes with the one character that stands for them in each mode.
struct WidthChar {
    uint8_t code;
    wchar_t unicode;
    wchar_t eightBit;
};
constexpr WidthChar kWidthChars[] = {
    {0x11, 0xFB3A, 0xEA},  // qamats and final kaf with dagesh: the letter
    {0x41, 0xFB2A, 0xF9},  // shin with shin dot
    {0x59, 0xFB3C, 0xEC},  // holam and lamed with dagesh: the lamed
    {0x61, 0x05D0, 0xE0},  // alef
    {0x7C, L'|', L'|'},
};

int Extent(HDC dc, const std::wstring& text) {
    SIZE size{};
    EXPECT_TRUE(GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size));
    return size.cx;
}

std::wstring FaceOf(HDC dc) {
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, face);
    return face;
}

int Width(const WidthTable& table, uint8_t code) { return table.widths[code - kFirstMeasuredCode]; }

}  // namespace

// A view without a box on a memory device context, as the Reading view uses
// its window's; the font the context had is selected again before the fonts
// are deleted.
class CharWidths : public ::testing::Test {
protected:
    void SetUp() override {
        program = ProgramState{};
        program.instance = GetModuleHandleW(nullptr);
        dc_ = CreateCompatibleDC(nullptr);
        ASSERT_NE(dc_, nullptr);
        original_ = GetCurrentObject(dc_, OBJ_FONT);
        Open(u"Ezra SIL", kUnicodeAsciiBase);
    }
    void TearDown() override {
        SelectObject(dc_, original_);
        DestroyView(view_, true);
        DeleteDC(dc_);
        program = ProgramState{};
    }

    static void UseFont(const std::u16string& face, int asciiBase) {
        program.settings.font = FontSettings{};
        face.copy(program.settings.font.FontName, kFontNameMax);
        program.settings.font.FontSize = 20;
        program.settings.font.FontAsciiBase = asciiBase;
    }

    // A new view with its fonts made from these settings.
    void Open(const std::u16string& face, int asciiBase) {
        SelectObject(dc_, original_);
        DestroyView(view_, true);
        UseFont(face, asciiBase);
        view_ = CreateView(dc_, nullptr, program.settings.font, 0);
        ASSERT_NE(view_, nullptr);
    }

    // Selects a style and gives its font's table, which must be the view's current one.
    WidthTable& Select(unsigned style) {
        SelectStyleFont(view_, style);
        for (StyleFont* entry = view_->fonts; entry != nullptr; entry = entry->next) {
            if (entry->key != style) continue;
            EXPECT_EQ(view_->widths, &entry->widths);
            return entry->widths;
        }
        ADD_FAILURE() << "no font for style " << style;
        static WidthTable none{};
        return none;
    }

    HDC dc_ = nullptr;
    HGDIOBJ original_ = nullptr;
    ViewState* view_ = nullptr;
};

TEST_F(CharWidths, TableHoldsTheWidthOfEachCodesCharacterInBothModes) {
    for (const bool unicode : {true, false}) {
        const std::u16string face = unicode ? u"Ezra SIL" : u"DejaVu Sans";
        SCOPED_TRACE(std::string(face.begin(), face.end()));
        Open(face, unicode ? kUnicodeAsciiBase : kEightBitAsciiBase);
        const WidthTable& table = Select(kBodyStyle);
        ASSERT_EQ(FaceOf(dc_), std::wstring(face.begin(), face.end()));
        EXPECT_FALSE(IsWidthTableUnmeasured(table));
        for (const WidthChar& c : kWidthChars) {
            const wchar_t expected = unicode ? c.unicode : c.eightBit;
            EXPECT_EQ(Width(table, c.code), Extent(dc_, std::wstring(1, expected))) << int{c.code};
        }
        for (int code = 0x15; code <= 0x1F; ++code) EXPECT_EQ(Width(table, code), 0) << code;
    }
}

// A font's table is measured once: a second select of its style keeps it,
// also after another style was selected in between. New font settings
// re-create every font, and each table is measured again with its new font on
// the next select.
TEST_F(CharWidths, EachFontIsMeasuredOnceUntilTheFontsAreRecreated) {
    WidthTable& body = Select(kBodyStyle);
    const WidthTable ezraBody = body;
    body.widths[0x61 - kFirstMeasuredCode] = 999;
    WidthTable& heading = Select(kHeadingStyle);
    EXPECT_NE(&heading, &body);
    EXPECT_GT(Width(heading, 0x61), Width(ezraBody, 0x61)) << "the heading's font is larger";
    EXPECT_EQ(&Select(kBodyStyle), &body);
    EXPECT_EQ(Width(body, 0x61), 999);

    SelectObject(dc_, original_);
    UseFont(u"DejaVu Sans", kUnicodeAsciiBase);
    view_->fontSettings = program.settings.font;
    RecreateStyleFonts(view_);
    EXPECT_EQ(view_->widths, nullptr);
    EXPECT_TRUE(IsWidthTableUnmeasured(body));
    EXPECT_TRUE(IsWidthTableUnmeasured(heading));
    for (const unsigned style : {kBodyStyle, kHeadingStyle}) {
        SCOPED_TRACE(style);
        EXPECT_EQ(&Select(style), style == kBodyStyle ? &body : &heading);
        EXPECT_EQ(FaceOf(dc_), L"DejaVu Sans");
        EXPECT_EQ(Width(*view_->widths, 0x61), Extent(dc_, L"\u05D0"));
    }
    EXPECT_FALSE(std::equal(std::begin(body.widths), std::end(body.widths), std::begin(ezraBody.widths)))
        << "the two faces measure alike";
}

// Digits and Latin letters are the same characters in storage and on the
// screen, so the fit is checked against the platform's own measure of the
// expected prefix. The fit measures from the first code on whatever the
// Reverse option says.
TEST_F(CharWidths, FitByFontStopsAtTheLimitTheCountOrAZeroByte) {
    program.settings.Flags |= kFlagReverse;
    Select(kBodyStyle);
    const uint8_t digits[] = "0123456789";
    const uint8_t cut[] = "012\000456";
    const uint8_t narrowFirst[] = "....@@@@";
    const struct {
        const char* label;
        const uint8_t* text;
        int limit;
        int count;
        int expectedCount;
    } cases[] = {
        {"limit inside the seventh digit", digits, Extent(dc_, L"0123456") - 1, 10, 6},
        {"limit on a digit's end", digits, Extent(dc_, L"0123"), 10, 4},
        {"limit below the first digit", digits, 1, 10, 0},
        {"count before the limit", digits, 0x7FFF, 3, 3},
        {"everything", digits, 0x7FFF, 10, 10},
        {"zero byte", cut, 0x7FFF, 7, 3},
        {"narrow letters first", narrowFirst, Extent(dc_, L"...."), 8, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        int width = c.limit;
        int count = c.count;
        FitByFont(dc_, view_->fontSettings.FontAsciiBase, c.text, width, count);
        EXPECT_EQ(count, c.expectedCount);
        const std::wstring fitted(reinterpret_cast<const char*>(c.text), reinterpret_cast<const char*>(c.text) + count);
        EXPECT_EQ(width, fitted.empty() ? 0 : Extent(dc_, fitted));
    }
}
