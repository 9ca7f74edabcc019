// Width tables measured with real fonts on a memory device context, and the
// platform fit of left-to-right text.
#include "store/char_widths.h"

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
    {0x10, 0x05DA, 0xEA},  // qamats and final kaf: the letter
    {0x11, 0xFB3A, 0xEA},  // qamats and final kaf with dagesh
    {0x14, 0xFB48, 0xF8},  // resh with dagesh
    {0x20, L' ', L' '},
    {0x31, L'1', L'1'},
    {0x41, 0xFB2A, 0xF9},  // shin with shin dot
    {0x4F, 0xFB3C, 0xEC},  // lamed with dagesh
    {0x58, 0xFB4B, 0xE5},  // vav with holam
    {0x59, 0xFB3C, 0xEC},  // holam and lamed with dagesh: the lamed
    {0x5A, 0x05DC, 0xEC},  // holam and lamed
    {0x61, 0x05D0, 0xE0},  // alef
    {0x6F, 0x05DE, 0xEE},  // mem
    {0x7B, 0x05EA, 0xFA},  // tav
    {0x7C, L'|', L'|'},
    {0x7F, 0x7F, 0x7F},
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
        UseFont(u"Ezra SIL", kUnicodeAsciiBase);
        dc_ = CreateCompatibleDC(nullptr);
        ASSERT_NE(dc_, nullptr);
        original_ = GetCurrentObject(dc_, OBJ_FONT);
        view_ = CreateView(dc_, nullptr, program.settings.font, 0);
        ASSERT_NE(view_, nullptr);
    }
    void TearDown() override {
        if (dc_ != nullptr) SelectObject(dc_, original_);
        DestroyView(view_, true);
        if (dc_ != nullptr) DeleteDC(dc_);
        program = ProgramState{};
    }

    static void UseFont(const std::u16string& face, int asciiBase) {
        FontSettings& font = program.settings.font;
        font = FontSettings{};
        face.copy(font.FontName, kFontNameMax);
        font.FontSize = 20;
        font.FontAsciiBase = asciiBase;
    }

    StyleFont* FontOf(unsigned key) {
        for (StyleFont* entry = view_->fonts; entry != nullptr; entry = entry->next) {
            if (entry->key == key) return entry;
        }
        return nullptr;
    }

    // Selects a style and gives its font's table, which must be the view's current one.
    WidthTable& Select(unsigned style) {
        SelectStyleFont(view_, style);
        StyleFont* entry = FontOf(style);
        if (entry == nullptr) {
            ADD_FAILURE() << "no font for style " << style;
            static WidthTable none{};
            return none;
        }
        EXPECT_EQ(view_->widths, &entry->widths);
        return entry->widths;
    }

    HDC dc_ = nullptr;
    HGDIOBJ original_ = nullptr;
    ViewState* view_ = nullptr;
};

TEST_F(CharWidths, UnicodeTableHoldsEachCodesLetterWidth) {
    const WidthTable& table = Select(kBodyStyle);
    ASSERT_EQ(FaceOf(dc_), L"Ezra SIL");
    EXPECT_FALSE(IsWidthTableUnmeasured(table));
    for (const WidthChar& c : kWidthChars) {
        SCOPED_TRACE(testing::Message() << "code 0x" << std::hex << int{c.code});
        EXPECT_EQ(Width(table, c.code), Extent(dc_, std::wstring(1, c.unicode)));
    }
    for (int code = 0x15; code <= 0x1F; ++code) EXPECT_EQ(Width(table, code), 0) << code;
    for (int code = 0x61; code <= 0x7B; ++code) EXPECT_GT(Width(table, code), 0) << code;
    const int mem = Width(table, 0x6F), vav = Width(table, 0x66), yod = Width(table, 0x6A);
    EXPECT_GT(mem, vav);
    EXPECT_GT(mem, yod);
    EXPECT_EQ(Width(table, 0x59), Width(table, 0x4F)) << "measured as the lamed with dagesh";
}

TEST_F(CharWidths, EightBitTableHoldsTheEightBitCharactersWidths) {
    DestroyView(view_, true);
    UseFont(u"DejaVu Sans", kEightBitAsciiBase);
    view_ = CreateView(dc_, nullptr, program.settings.font, 0);
    ASSERT_NE(view_, nullptr);
    const WidthTable& table = Select(kBodyStyle);
    ASSERT_EQ(FaceOf(dc_), L"DejaVu Sans");
    for (const WidthChar& c : kWidthChars) {
        SCOPED_TRACE(testing::Message() << "code 0x" << std::hex << int{c.code});
        EXPECT_EQ(Width(table, c.code), Extent(dc_, std::wstring(1, c.eightBit)));
    }
    for (int code = 0x15; code <= 0x1F; ++code) EXPECT_EQ(Width(table, code), 0) << code;
}

// A font's table is measured once; a second select of its style keeps it,
// also after another style was selected in between.
TEST_F(CharWidths, SelectingAgainDoesNotMeasureAgain) {
    WidthTable& body = Select(kBodyStyle);
    const int alef = Width(body, 0x61);
    body.widths[0x61 - kFirstMeasuredCode] = 999;
    Select(kBodyStyle);
    EXPECT_EQ(Width(body, 0x61), 999);

    const WidthTable& heading = Select(kHeadingStyle);
    EXPECT_NE(&heading, &body);
    EXPECT_GT(Width(heading, 0x61), alef) << "the heading's font is larger";
    EXPECT_EQ(&Select(kBodyStyle), &body);
    EXPECT_EQ(Width(body, 0x61), 999);
}

// New font settings re-create every font; each table is measured again with
// its new font on the next select.
TEST_F(CharWidths, RecreatedFontsAreMeasuredAgain) {
    WidthTable& body = Select(kBodyStyle);
    WidthTable& heading = Select(kHeadingStyle);
    const WidthTable ezraBody = body;
    body.widths[0x61 - kFirstMeasuredCode] = 999;
    heading.widths[0x61 - kFirstMeasuredCode] = 999;
    SelectObject(dc_, original_);
    UseFont(u"DejaVu Sans", kUnicodeAsciiBase);
    view_->fontSettings = program.settings.font;
    RecreateStyleFonts(view_);
    EXPECT_EQ(view_->widths, nullptr);
    EXPECT_TRUE(IsWidthTableUnmeasured(body));
    EXPECT_TRUE(IsWidthTableUnmeasured(heading));

    for (const unsigned style : {kBodyStyle, kHeadingStyle}) {
        SCOPED_TRACE(style);
        const WidthTable& table = Select(style);
        EXPECT_EQ(&table, style == kBodyStyle ? &body : &heading);
        EXPECT_EQ(FaceOf(dc_), L"DejaVu Sans");
        for (const WidthChar& c : kWidthChars) EXPECT_EQ(Width(table, c.code), Extent(dc_, std::wstring(1, c.unicode)));
    }
    EXPECT_FALSE(std::equal(std::begin(body.widths), std::end(body.widths), std::begin(ezraBody.widths)))
        << "the two faces measure alike";
}

// Digits are the same characters in storage and on the screen, so the fit is
// checked against the platform's own measure of the expected prefix.
TEST_F(CharWidths, FitByFontStopsAtTheLimitTheCountOrAZeroByte) {
    Select(kBodyStyle);
    const uint8_t digits[] = "0123456789";
    const uint8_t cut[] = "012\000456";
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
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        int width = c.limit;
        int count = c.count;
        FitByFont(dc_, c.text, width, count);
        EXPECT_EQ(count, c.expectedCount);
        const std::wstring fitted(reinterpret_cast<const char*>(c.text), reinterpret_cast<const char*>(c.text) + count);
        EXPECT_EQ(width, fitted.empty() ? 0 : Extent(dc_, fitted));
    }
}
