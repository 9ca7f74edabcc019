// The glyph tables of the article codes and the conversions built on them:
// display characters for drawing and export, and widths for measuring.
#include "store/article_text.h"

#include <algorithm>
#include <new>
#include <utility>

namespace {

// Unicode forms of the codes 0x41..0x58: shin with its dots, and the letters
// with dagesh or mapiq.
constexpr char16_t kUnicodeDotted[] = {
    0xFB2A, 0xFB2B, 0xFB2C, 0xFB2D, 0xFB31, 0xFB32, 0xFB33, 0xFB34, 0xFB35, 0xFB36, 0xFB38, 0xFB39,
    0xFB3A, 0xFB3B, 0xFB3C, 0xFB3E, 0xFB40, 0xFB41, 0xFB44, 0xFB46, 0xFB47, 0xFB49, 0xFB4A, 0xFB4B,
};
// Plain 8-bit letters for the same codes 0x41..0x58.
constexpr uint8_t kEightBitDotted[] = {
    0xF9, 0xF9, 0xF9, 0xF9, 0xE1, 0xE2, 0xE3, 0xE4, 0xE5, 0xE6, 0xE8, 0xE9,
    0xEA, 0xEB, 0xEC, 0xEE, 0xF0, 0xF1, 0xF4, 0xF6, 0xF7, 0xF9, 0xFA, 0xE5,
};
// Vowel points 0x15..0x1F.
constexpr char16_t kUnicodePoints[] = {
    0x05B4, 0x05B8, 0x05B7, 0x05B5, 0x05B6, 0x05BB, 0x05B0, 0x05B3, 0x05B2, 0x05B1, 0x05B9,
};

constexpr Glyph One(char16_t c) { return Glyph{c, 0, 1}; }
constexpr Glyph Two(char16_t first, char16_t second) { return Glyph{first, second, 2}; }

Glyph UnicodeGlyph(uint8_t code) {
    switch (code) {
    case 0x10: return Two(0x05B8, 0x05DA);
    case 0x11: return Two(0x05B8, 0xFB3A);
    case 0x12: return Two(0x05B0, 0x05DA);
    case 0x13: return Two(0x05B0, 0xFB3A);
    case 0x14: return One(0xFB48);
    case 0x59: return Two(0x05B9, 0xFB3C);
    case 0x5A: return Two(0x05B9, 0x05DC);
    }
    if (IsVowelPointCode(code)) return One(kUnicodePoints[code - 0x15]);
    if (code >= 0x41 && code <= 0x58) return One(kUnicodeDotted[code - 0x41]);
    if (code >= 0x61) return One(static_cast<char16_t>(0x05D0 + (code - 0x61)));
    return One(code);
}

Glyph EightBitGlyph(uint8_t code) {
    if (code <= 0x13) return One(0xEA);
    if (code == 0x14) return One(0xF8);
    if (IsVowelPointCode(code)) return Glyph{};
    if (code >= 0x41 && code <= 0x58) return One(kEightBitDotted[code - 0x41]);
    if (code == 0x59 || code == 0x5A) return One(0xEC);
    if (code >= 0x61) return One(static_cast<char16_t>(code + 0x7F));
    return One(code);
}

}  // namespace

Glyph GlyphForCode(uint8_t code, int fontAsciiBase) {
    if (code < 0x10 || code > 0x7B) return One(code);
    return fontAsciiBase == kUnicodeAsciiBase ? UnicodeGlyph(code) : EightBitGlyph(code);
}

char16_t WidthCharForCode(uint8_t code, int fontAsciiBase) {
    Glyph glyph = GlyphForCode(code, fontAsciiBase);
    if (glyph.count == 2) return glyph.second;
    return glyph.first;
}

void MarkWidthTableUnmeasured(WidthTable& table) {
    std::fill(std::begin(table.widths), std::end(table.widths), int16_t{0});
    table.widths[0] = -1;
    table.widths[1] = static_cast<int16_t>(0xBAAD);
}

bool IsWidthTableUnmeasured(const WidthTable& table) {
    return table.widths[0] == -1 && table.widths[1] == static_cast<int16_t>(0xBAAD);
}

int CodeWidth(const WidthTable& table, uint8_t code) {
    if (code < kFirstMeasuredCode || code >= kFirstMeasuredCode + kWidthTableSize) return 0;
    if (IsVowelPointCode(code)) return 0;
    return table.widths[code - kFirstMeasuredCode];
}

int ToDisplayChars(const uint8_t* text, int count, std::vector<char16_t>& buffer, DisplayMode mode) {
    const size_t needed = static_cast<size_t>(std::max(count, 0)) * 2 + 2;
    if (buffer.size() < needed) {
        try {
            buffer.resize(needed);
        } catch (const std::bad_alloc&) {
            buffer.clear();
            return 0;
        }
    }
    int adjustment = 0;
    size_t produced = 0;
    for (int i = 0; i < count && text[i] != 0; ++i) {
        Glyph glyph = GlyphForCode(text[i], mode.fontAsciiBase);
        adjustment += glyph.count - 1;
        if (glyph.count >= 1) buffer[produced++] = glyph.first;
        if (glyph.count == 2) buffer[produced++] = glyph.second;
    }
    buffer[produced] = 0;
    if (count > 0 && mode.reverse && mode.fontAsciiBase != kNoReverseAsciiBase) {
        // A zero byte before count leaves fewer characters than count + adjustment:
        // only what was produced is reversed, never the terminator behind it.
        const int length = std::min(count + adjustment, static_cast<int>(produced));
        ReverseDisplayChars(buffer.data(), length);
    }
    return adjustment;
}

char16_t MirroredBracket(char16_t c) {
    switch (c) {
    case u'(': return u')';
    case u')': return u'(';
    case u'[': return u']';
    case u']': return u'[';
    case u'{': return u'}';
    case u'}': return u'{';
    }
    return c;
}

void ReverseDisplayChars(char16_t* chars, int length) {
    std::reverse(chars, chars + std::max(length, 0));
    for (int i = 0; i < length; ++i) chars[i] = MirroredBracket(chars[i]);
}

std::vector<uint8_t> PlainTextCodes(std::u16string_view text) {
    constexpr char16_t kAlef = 0x05D0, kTav = 0x05EA;
    constexpr uint8_t kAlefCode = 0x61;
    std::vector<uint8_t> codes;
    for (const char16_t c : text) {
        if (c >= kAlef && c <= kTav) codes.push_back(static_cast<uint8_t>(kAlefCode + (c - kAlef)));
        else if (c >= 0x20 && c <= 0x40) codes.push_back(static_cast<uint8_t>(c));
    }
    return codes;
}

void FitByWidthTable(const WidthTable* table, const uint8_t* text, int& width, int& count) {
    if (table == nullptr) {
        width = 0;
        return;
    }
    const int limit = width;
    int total = 0;
    int taken = 0;
    while (taken < count && text[taken] != 0) {
        const int w = CodeWidth(*table, text[taken]);
        if (w != 0 && total + w > limit) break;
        total += w;
        ++taken;
    }
    width = total;
    count = taken;
}
