#include "store/article_text.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

std::u16string Convert(const std::vector<uint8_t>& bytes, DisplayMode mode, int* adjustment = nullptr) {
    std::vector<char16_t> buffer;
    const int adjust = ToDisplayChars(bytes.data(), static_cast<int>(bytes.size()), buffer, mode);
    if (adjustment != nullptr) *adjustment = adjust;
    return std::u16string(buffer.data());
}

// The base letter of each Hebrew presentation form, as Unicode decomposes it.
const std::map<char16_t, char16_t> kPresentationBase = {
    {0xFB2A, 0x05E9}, {0xFB2B, 0x05E9}, {0xFB2C, 0x05E9}, {0xFB2D, 0x05E9}, {0xFB31, 0x05D1}, {0xFB32, 0x05D2},
    {0xFB33, 0x05D3}, {0xFB34, 0x05D4}, {0xFB35, 0x05D5}, {0xFB36, 0x05D6}, {0xFB38, 0x05D8}, {0xFB39, 0x05D9},
    {0xFB3A, 0x05DA}, {0xFB3B, 0x05DB}, {0xFB3C, 0x05DC}, {0xFB3E, 0x05DE}, {0xFB40, 0x05E0}, {0xFB41, 0x05E1},
    {0xFB44, 0x05E4}, {0xFB46, 0x05E6}, {0xFB47, 0x05E7}, {0xFB48, 0x05E8}, {0xFB49, 0x05E9}, {0xFB4A, 0x05EA},
    {0xFB4B, 0x05D5},
};

char16_t BaseLetter(char16_t c) {
    auto found = kPresentationBase.find(c);
    return found == kPresentationBase.end() ? c : found->second;
}

}  // namespace

TEST(GlyphTables, LettersFollowUnicodeOrderInBothTables) {
    for (int code = 0x61; code <= 0x7B; ++code) {
        SCOPED_TRACE(code);
        EXPECT_EQ(GlyphForCode(code, kUnicodeAsciiBase).first, 0x05D0 + (code - 0x61));
        EXPECT_EQ(GlyphForCode(code, kEightBitAsciiBase).first, code + 0x7F);
    }
}

TEST(GlyphTables, EveryLetterCodeNamesTheSameLetterInBothTables) {
    // A dotted letter's 8-bit form is its plain letter; both tables must agree.
    for (int code = 0x10; code <= 0x7B; ++code) {
        if (IsVowelPointCode(code) || (code >= 0x20 && code <= 0x40) || (code >= 0x5B && code <= 0x60)) continue;
        SCOPED_TRACE(code);
        const Glyph unicode = GlyphForCode(code, kUnicodeAsciiBase);
        const char16_t letter = BaseLetter(unicode.count == 2 ? unicode.second : unicode.first);
        ASSERT_GE(letter, 0x05D0);
        ASSERT_LE(letter, 0x05EA);
        EXPECT_EQ(GlyphForCode(code, kEightBitAsciiBase).first, letter - 0x05D0 + 0xE0);
    }
}

TEST(GlyphTables, PunctuationAndControlCodesPassUnchanged) {
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

TEST(DisplayChars, UnicodeModeExpandsPairsAndKeepsPoints) {
    int adjustment = 0;
    // sheva + final kaf, qamats, dalet, in stored order
    const std::u16string chars = Convert({0x12, 0x16, 0x64}, DisplayMode{kUnicodeAsciiBase, false}, &adjustment);
    EXPECT_EQ(chars, (std::u16string{0x05B0, 0x05DA, 0x05B8, 0x05D3}));
    EXPECT_EQ(adjustment, 1);
}

TEST(DisplayChars, EightBitModeDropsPoints) {
    int adjustment = 0;
    const std::u16string chars = Convert({0x64, 0x16, 0x68, 0x19, 0x61}, DisplayMode{kEightBitAsciiBase, false}, &adjustment);
    EXPECT_EQ(chars, (std::u16string{0xE3, 0xE7, 0xE0}));
    EXPECT_EQ(adjustment, -2);
}

TEST(DisplayChars, ReverseMirrorsBracketsExceptForBase97) {
    const std::vector<uint8_t> text = {'(', 'a', 'b', ')'};
    EXPECT_EQ(Convert(text, DisplayMode{kEightBitAsciiBase, true}), u"(\u00E1\u00E0)");
    EXPECT_EQ(Convert(text, DisplayMode{kNoReverseAsciiBase, true}), u"(\u00E0\u00E1)");
    EXPECT_EQ(Convert({'[', '}', '|'}, DisplayMode{kEightBitAsciiBase, true}), u"|{]");
}

TEST(DisplayChars, StopsAtAZeroByteAndReversesOnlyWhatWasConverted) {
    std::vector<char16_t> buffer(3, u'?');
    const uint8_t text[] = {'(', 'b', 0, 'c', 'd'};
    const int adjustment = ToDisplayChars(text, 5, buffer, DisplayMode{kEightBitAsciiBase, true});
    EXPECT_EQ(adjustment, 0);
    EXPECT_EQ(std::u16string(buffer.data()), u"\u00E1)");
    EXPECT_GE(buffer.size(), 12u);
}

TEST(DisplayChars, ReusesALargeEnoughBuffer) {
    std::vector<char16_t> buffer(100, u'x');
    const uint8_t text[] = {0x61, 0x62};
    ToDisplayChars(text, 2, buffer, DisplayMode{});
    EXPECT_EQ(buffer.size(), 100u);
    EXPECT_EQ(std::u16string(buffer.data()), u"\u05D0\u05D1");
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

namespace {

WidthTable TenPixelLetters() {
    WidthTable table{};
    for (int i = 0; i < kWidthTableSize; ++i) table.widths[i] = 10;
    table.widths[' ' - kFirstMeasuredCode] = 4;
    for (int code = 0x15; code <= 0x1F; ++code) table.widths[code - kFirstMeasuredCode] = 99;
    return table;
}

}  // namespace

TEST(FitByWidthTable, TakesBytesUntilTheLimit) {
    const WidthTable table = TenPixelLetters();
    const uint8_t text[] = {0x61, 0x16, 0x62, ' ', 0x63, 0x64};
    const struct { int limit; int count; int fitted; int width; } cases[] = {
        {100, 6, 6, 44}, {34, 6, 5, 34}, {33, 6, 4, 24}, {9, 6, 0, 0}, {10, 6, 2, 10}, {100, 3, 3, 20},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.limit * 100 + c.count);
        int width = c.limit;
        int count = c.count;
        FitByWidthTable(&table, text, width, count);
        EXPECT_EQ(count, c.fitted);
        EXPECT_EQ(width, c.width);
    }
}

TEST(FitByWidthTable, CodesWithoutWidthNeverStopTheScan) {
    const WidthTable table = TenPixelLetters();
    const uint8_t text[] = {0x61, 0x05, 0x1B, 0x90, 0x62};
    int width = 10;
    int count = 5;
    FitByWidthTable(&table, text, width, count);
    EXPECT_EQ(count, 4);
    EXPECT_EQ(width, 10);
}

TEST(FitByWidthTable, StopsAtZeroAndNeedsATable) {
    const WidthTable table = TenPixelLetters();
    const uint8_t text[] = {0x61, 0, 0x62};
    int width = 100;
    int count = 3;
    FitByWidthTable(&table, text, width, count);
    EXPECT_EQ(count, 1);
    width = 100;
    count = 3;
    FitByWidthTable(nullptr, text, width, count);
    EXPECT_EQ(width, 0);
    EXPECT_EQ(count, 3);
}
