// The Search dialog's typing rules: the key table of the standard Israeli
// layout, the keyboard picture's cells, and the conversion of the edit's
// characters into article codes.
#include "dialogs/hebrew_typing.h"

#include <algorithm>
#include <vector>

#include "store/article_text.h"
#include "view/dpi_scale.h"

namespace {

struct KeyEntry {
    char key;
    uint8_t value;  // 0xE0..0xFA: a letter in the 8-bit numbering; else the character
};

constexpr KeyEntry kHebrewKeys[] = {
    {'a', 0xF9}, {'b', 0xF0}, {'c', 0xE1}, {'d', 0xE2}, {'e', 0xF7}, {'f', 0xEB}, {'g', 0xF2}, {'h', 0xE9},
    {'i', 0xEF}, {'j', 0xE7}, {'k', 0xEC}, {'l', 0xEA}, {'m', 0xF6}, {'n', 0xEE}, {'o', 0xED}, {'p', 0xF4},
    {'q', 0x2F}, {'r', 0xF8}, {'s', 0xE3}, {'t', 0xE0}, {'u', 0xE5}, {'v', 0xE4}, {'w', 0x27}, {'x', 0xF1},
    {'y', 0xE8}, {'z', 0xE6}, {';', 0xF3}, {'.', 0xF5}, {',', 0xFA}, {'/', 0x2E}, {'\'', 0x2C},
};

constexpr char kCellLetters[] = "abcdefghijlkmonqprsutwvxyz{";
constexpr int kLetterCount = 27;
constexpr uint8_t kFirstLetterCode = 0x61;
// A stored byte of class 0 that no typed character produces: it matches nothing.
constexpr uint8_t kMatchesNothing = 0x7F;

// The code shown as a single Unicode form with dagesh or dots, or 0.
uint8_t CodeForPresentationForm(char16_t unit) {
    if (unit < 0xFB1D || unit > 0xFB4F) return 0;
    for (int code = 0x14; code <= 0x58; ++code) {
        const Glyph glyph = GlyphForCode(static_cast<uint8_t>(code), kUnicodeAsciiBase);
        if (glyph.count == 1 && glyph.first == unit) return static_cast<uint8_t>(code);
    }
    return 0;
}

// Points, accents and dots that a paste may bring; not maqaf, paseq, sof pasuq.
bool IsHebrewMark(char16_t unit) {
    if (unit < 0x0591 || unit > 0x05C7) return false;
    return unit != 0x05BE && unit != 0x05C0 && unit != 0x05C3 && unit != 0x05C6;
}

uint8_t StoredCode(char16_t unit, int fontAsciiBase) {
    if (unit >= fontAsciiBase && unit < fontAsciiBase + kLetterCount)
        return static_cast<uint8_t>(kFirstLetterCode + (unit - fontAsciiBase));
    if (const uint8_t code = CodeForPresentationForm(unit)) return code;
    if (unit > 0xFF || unit == 0) return kMatchesNothing;
    return static_cast<uint8_t>(unit);
}

}  // namespace

char16_t HebrewForKey(char16_t ch, int fontAsciiBase) {
    if ((ch >= u'0' && ch <= u'9') || ch < 0x20) return 0;
    const char16_t key = (ch >= u'A' && ch <= u'Z') ? static_cast<char16_t>(ch - u'A' + u'a') : ch;
    for (const KeyEntry& entry : kHebrewKeys) {
        if (key != static_cast<char16_t>(entry.key)) continue;
        if (entry.value < 0xE0) return entry.value;
        return static_cast<char16_t>(fontAsciiBase + (entry.value - 0xE0));
    }
    return ch;
}

int PictureCellAt(int px, int py, int artPercent) {
    if (px < 0 || py < 0) return kNoCell;
    px = ArtPixelAt100(px, artPercent);
    py = ArtPixelAt100(py, artPercent);
    if (px >= kPictureWidth || py >= kPictureHeight) return kNoCell;
    const int row = py / kPictureCellHeight;
    const int column = px / kPictureCellWidth;
    if (row < 3) return column < 9 ? (row + 1) * 9 - column : kNoCell;
    return column >= 2 && column <= 6 ? 0 : kNoCell;
}

char16_t PictureCellChar(int cell, int fontAsciiBase) {
    if (cell == 0) return u' ';
    if (cell < 1 || cell > kLetterCount) return 0;
    return static_cast<char16_t>(fontAsciiBase + (kCellLetters[cell - 1] - kFirstLetterCode));
}

std::string StoreSearchText(const char16_t* units, size_t count, int fontAsciiBase, size_t max) {
    std::string stored;
    for (size_t i = 0; i < count && units[i] != 0 && stored.size() < max; ++i) {
        const char16_t unit = units[i];
        if (unit == u' ' && i + 1 < count && units[i + 1] == u' ') continue;
        if (IsHebrewMark(unit)) continue;
        stored.push_back(static_cast<char>(StoredCode(unit, fontAsciiBase)));
    }
    return stored;
}

bool EditHoldsReadingOrder(DisplayFont editFont) {
    return DisplayModeFor(TextSurface::kPlatformRun, editFont, true).reverse;
}

std::u16string SearchTextForEdit(const char* stored, size_t count, DisplayFont editFont) {
    std::vector<char16_t> shown;
    DisplayCharsFor(TextSurface::kPlatformRun, editFont, true, reinterpret_cast<const uint8_t*>(stored),
                    static_cast<int>(count), shown);
    if (shown.empty()) return {};
    return std::u16string(shown.data());
}

std::string SearchTextFromEdit(const char16_t* units, size_t count, DisplayFont editFont, size_t max) {
    std::u16string text(units, units + count);
    text.resize(std::char_traits<char16_t>::length(text.c_str()));
    if (EditHoldsReadingOrder(editFont)) ReverseDisplayChars(text.data(), static_cast<int>(text.size()));
    return StoreSearchText(text.data(), text.size(), editFont.fontAsciiBase, max);
}

int TypingAsciiBase(int fontAsciiBase) { return std::clamp(fontAsciiBase, 1, 0xFFFF - kLetterCount); }
