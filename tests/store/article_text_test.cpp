// The glyph tables of the article codes, their conversion into display
// characters, the width table's markers and the fit of codes by a width table.
#include "store/article_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Converts into a buffer that starts too small and holds stale characters.
std::u16string Convert(const std::vector<uint8_t>& bytes, DisplayMode mode, int* adjustment) {
    std::vector<char16_t> buffer(3, u'?');
    *adjustment = ToDisplayChars(bytes.data(), static_cast<int>(bytes.size()), buffer, mode);
    return std::u16string(buffer.data());
}

// The letters with dagesh U+FB30..U+FB4A in order, '-' where Unicode has none.
constexpr std::u16string_view kDageshForms = u"אבגדהוז-טיךכל-מ-נס-ףפ-צקרשת";

// The base letter of a Hebrew presentation form, or c itself.
char16_t BaseLetter(char16_t c) {
    if (c >= 0xFB30 && c <= 0xFB4A) return kDageshForms[c - 0xFB30];
    if (c >= 0xFB2A && c <= 0xFB2D) return u'ש';
    return c == 0xFB4B ? u'ו' : c;
}

}  // namespace

// Plain letters follow Unicode order; a dotted letter's 8-bit form is its
// plain letter, so both tables must name the same letter for every code.
TEST(GlyphTables, EveryLetterCodeNamesTheSameLetterInBothTables) {
    for (int code = 0x10; code <= 0x7B; ++code) {
        if (IsVowelPointCode(code) || (code >= 0x20 && code <= 0x40) || (code >= 0x5B && code <= 0x60)) continue;
        SCOPED_TRACE(code);
        const Glyph unicode = GlyphForCode(code, kUnicodeAsciiBase);
        if (code >= 0x61) {
            EXPECT_EQ(unicode.first, 0x05D0 + (code - 0x61));
        }
        const char16_t letter = BaseLetter(unicode.count == 2 ? unicode.second : unicode.first);
        ASSERT_GE(letter, 0x05D0);
        ASSERT_LE(letter, 0x05EA);
        EXPECT_EQ(GlyphForCode(code, kEightBitAsciiBase).first, letter - 0x05D0 + 0xE0);
    }
    for (int code : {0x01, 0x0F, 0x20, 0x28, 0x2D, 0x3A, 0x40, 0x5B, 0x60, 0x7C, 0x7F, 0x80, 0xD1}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(GlyphForCode(code, kUnicodeAsciiBase).first, code);
        EXPECT_EQ(GlyphForCode(code, kEightBitAsciiBase).first, code);
    }
}

TEST(GlyphTables, PairsAreMeasuredAsTheirLetter) {
    const Glyph holamLamed = GlyphForCode(0x59, kUnicodeAsciiBase);
    EXPECT_EQ(holamLamed.count, 2);
    EXPECT_EQ(holamLamed.first, 0x05B9);
    EXPECT_EQ(holamLamed.second, 0xFB3C);
    EXPECT_EQ(WidthCharForCode(0x59, kUnicodeAsciiBase), 0xFB3C);
    EXPECT_EQ(WidthCharForCode(0x10, kUnicodeAsciiBase), 0x05DA);
    EXPECT_EQ(WidthCharForCode(0x11, kEightBitAsciiBase), 0xEA);
    EXPECT_EQ(WidthCharForCode(0x7E, kEightBitAsciiBase), 0x7E);
}

TEST(DisplayChars, ConvertForTheModeAndReverseWithBracketsMirrored) {
    const struct {
        const char* name;
        std::vector<uint8_t> text;
        DisplayMode mode;
        std::u16string chars;
        int adjustment;
    } cases[] = {
        {"Unicode: pairs expand, points kept", {0x12, 0x16, 0x64}, {kUnicodeAsciiBase, false},
         {0x05B0, 0x05DA, 0x05B8, 0x05D3}, 1},
        {"8-bit: points dropped", {0x64, 0x16, 0x68, 0x19, 0x61}, {kEightBitAsciiBase, false}, {0xE3, 0xE7, 0xE0}, -2},
        {"reversed", {'(', 'a', 'b', ')'}, {kEightBitAsciiBase, true}, u"(\u00E1\u00E0)", 0},
        {"base 97 never reversed", {'(', 'a', 'b', ')'}, {kNoReverseAsciiBase, true}, u"(\u00E0\u00E1)", 0},
        {"brackets mirrored", {'[', ']', '}', '|'}, {kEightBitAsciiBase, true}, u"|{[]", 0},
        {"a zero byte ends the conversion and the reversal", {'(', 'b', 0, 'c', 'd'}, {kEightBitAsciiBase, true},
         u"\u00E1)", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int adjustment = 99;
        EXPECT_EQ(Convert(c.text, c.mode, &adjustment), c.chars);
        EXPECT_EQ(adjustment, c.adjustment);
    }
    std::u16string chars = u"{a";  // 0x7B is a letter code, so only here
    ReverseDisplayChars(chars.data(), 2);
    EXPECT_EQ(chars, u"a}");
}

TEST(WidthTable, FreshTableCarriesTheMarkers) {
    WidthTable table;
    MarkWidthTableUnmeasured(table);
    EXPECT_TRUE(IsWidthTableUnmeasured(table));
    EXPECT_EQ(table.widths[0], -1);
    EXPECT_EQ(static_cast<uint16_t>(table.widths[1]), 0xBAAD);
    table.widths[0] = 7;
    EXPECT_FALSE(IsWidthTableUnmeasured(table));
}

// Letters 10 pixels, space 4, vowel points (which never count) 99.
TEST(FitByWidthTable, TakesBytesUntilTheLimitTheCountOrAZeroByte) {
    WidthTable table{};
    for (int16_t& width : table.widths) width = 10;
    table.widths[' ' - kFirstMeasuredCode] = 4;
    for (int code = 0x15; code <= 0x1F; ++code) table.widths[code - kFirstMeasuredCode] = 99;
    const uint8_t letters[] = {0x61, 0x16, 0x62, ' ', 0x63, 0x64};
    const uint8_t withoutWidth[] = {0x61, 0x05, 0x1B, 0x90, 0x62};
    const uint8_t zero[] = {0x61, 0, 0x62};
    const struct {
        const uint8_t* text;
        int limit, count, fitted, width;
    } cases[] = {
        {letters, 100, 6, 6, 44}, {letters, 34, 6, 5, 34}, {letters, 33, 6, 4, 24}, {letters, 9, 6, 0, 0},
        {letters, 10, 6, 2, 10},  {letters, 100, 3, 3, 20}, {withoutWidth, 10, 5, 4, 10}, {zero, 100, 3, 1, 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.limit << " " << c.count << " " << int{c.text[1]});
        int width = c.limit;
        int count = c.count;
        FitByWidthTable(&table, c.text, width, count);
        EXPECT_EQ(count, c.fitted);
        EXPECT_EQ(width, c.width);
    }
    int width = 100;
    int count = 3;
    FitByWidthTable(nullptr, letters, width, count);
    EXPECT_EQ(width, 0);
    EXPECT_EQ(count, 3);
}
