// Article text: paragraph records in the 7-bit Hebrew codes, their control
// bytes, and the conversion of codes into the characters that are measured and
// drawn, for a Unicode Hebrew font or for an 8-bit Hebrew font.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// Attribute byte of a paragraph record.
constexpr uint8_t kAttrParagraphGap = 0x80;
constexpr uint8_t kAttrAlignMask = 0x60;
constexpr uint8_t kAttrAlignRight = 0x20;
constexpr uint8_t kAttrAlignCenter = 0x40;
constexpr uint8_t kAttrRightToLeft = 0x10;
constexpr uint8_t kAttrBold = 0x08;
constexpr uint8_t kAttrLarger = 0x04;
constexpr uint8_t kAttrSmaller = 0x02;
constexpr uint8_t kStyleKeyMask = 0x1F;

// The attributes the shipped articles use.
constexpr uint8_t kAttrTitle = 0xD1;
constexpr uint8_t kAttrSectionHeading = 0xDC;
constexpr uint8_t kAttrBody = 0xB1;
// A body paragraph that goes on after a chapter mark: no gap before the mark.
constexpr uint8_t kAttrBodyRunsOn = kAttrBody & ~kAttrParagraphGap;
// "פרק" and the chapter in letters before the first verse of a chapter:
// centred, right-to-left and smaller, set close to the verse it opens.
constexpr uint8_t kAttrChapterMark = kAttrAlignCenter | kAttrRightToLeft | kAttrSmaller;

// Layout byte of a text record.
constexpr uint8_t kLayoutEdgeOffsetMask = 0x3F;
constexpr int kLayoutLevelShift = 6;

inline bool IsRuleRecord(uint8_t attr) { return (attr & 0x07) == 0x07; }
inline bool IsChapterMark(uint8_t attr) { return (attr & ~kAttrParagraphGap) == kAttrChapterMark; }
// Headings (bold and larger) are drawn in blue.
inline bool IsBlueStyle(unsigned style) { return (style & 0x0C) == 0x0C; }
inline bool IsVowelPointCode(uint8_t code) { return code >= 0x15 && code <= 0x1F; }

// FontAsciiBase values: where the display font keeps alef.
constexpr int kUnicodeAsciiBase = 0x5D0;
constexpr int kEightBitAsciiBase = 224;
constexpr int kNoReverseAsciiBase = 97;

// The two settings that the conversion depends on, read at each call.
struct DisplayMode {
    int fontAsciiBase = kUnicodeAsciiBase;
    bool reverse = false;
};

// Up to two characters for one code; count 0 means the code is dropped.
struct Glyph {
    char16_t first = 0;
    char16_t second = 0;
    int count = 0;
};

// The glyph table of the mode: the Unicode table for FontAsciiBase 0x5D0,
// the 8-bit table for any other value. Codes below 0x10 and above 0x7B map to
// themselves.
Glyph GlyphForCode(uint8_t code, int fontAsciiBase);

// The one character that stands for a code when its width is measured: the
// second character of a pair, else the first; codes 0x7C..0x7F themselves.
char16_t WidthCharForCode(uint8_t code, int fontAsciiBase);

// Per-font widths of the codes 0x10..0x7F (index = code - 0x10). A fresh table
// carries the markers -1 and 0xBAAD in its first two entries.
constexpr int kWidthTableSize = 112;
constexpr uint8_t kFirstMeasuredCode = 0x10;
struct WidthTable {
    int16_t widths[kWidthTableSize];
};
void MarkWidthTableUnmeasured(WidthTable& table);
bool IsWidthTableUnmeasured(const WidthTable& table);
// Width of one code: 0 for codes outside the table and for vowel points.
int CodeWidth(const WidthTable& table, uint8_t code);

// Converts up to count bytes of text, stopping early at a zero byte, into
// display characters in buffer (zero-terminated; the buffer is reused when it
// is large enough). Returns the count adjustment: +1 for every two-character
// code, -1 for every dropped code, so drawing uses count + adjustment
// characters. With the Reverse option on and FontAsciiBase not 97 the
// characters are reversed with their brackets mirrored.
int ToDisplayChars(const uint8_t* text, int count, std::vector<char16_t>& buffer, DisplayMode mode);

// Reverses the order of the characters and exchanges each bracket of (), []
// and {} with its partner.
void ReverseDisplayChars(char16_t* chars, int length);

// The partner of a bracket of (), [] and {}; any other character itself.
char16_t MirroredBracket(char16_t c);

// The codes of plain text, in the order given: the Hebrew letters without
// marks (U+05D0..U+05EA) and U+0020..U+0040 (the space, digits and
// punctuation), which the codes keep as they are; other characters are left
// out.
std::vector<uint8_t> PlainTextCodes(std::u16string_view text);

// On entry width is the limit and count the most bytes to take; on return
// count is the number of bytes that fit and width their total width. Stops at a
// zero byte. Codes without a width (below 0x10, vowel points, above 0x7F) never
// stop the scan. Without a table the width becomes 0 and the count is kept.
void FitByWidthTable(const WidthTable* table, const uint8_t* text, int& width, int& count);
