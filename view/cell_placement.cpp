// The cells of a row's codes, walked from the last stored byte (the right
// end of the row) to the first: a vowel point comes after its letter.
#include "view/cell_placement.h"

namespace {

constexpr uint8_t kHolam = 0x1F;

bool IsLamedWithHolam(uint8_t code) { return code == 0x59 || code == 0x5A; }

}  // namespace

void PlaceCells(const WidthTable* widths, const uint8_t* bytes, int count, int right, int holamCell,
                int overlap, std::vector<CellChar>& cells) {
    cells.clear();
    int position = right;
    int advance = 0;  // width of the previous cell, which a vowel point takes again
    for (int i = count - 1; i >= 0; --i) {
        const uint8_t code = bytes[i];
        const Glyph glyph = GlyphForCode(code, kUnicodeAsciiBase);
        if (code == kHolam) {
            cells.push_back({glyph.first, position, position + holamCell});
            advance = holamCell;
            continue;
        }
        if (IsVowelPointCode(code)) {
            cells.push_back({glyph.first, position, position + advance});
            continue;
        }
        const int width = widths != nullptr ? CodeWidth(*widths, code) : 0;
        const int left = position - width;
        if (IsLamedWithHolam(code)) {
            cells.push_back({glyph.second, left, position});
            cells.push_back({glyph.first, left + overlap - holamCell, left + overlap});
            advance = holamCell;
        } else {
            cells.push_back({glyph.first, left, position});
            if (glyph.count == 2) cells.push_back({glyph.second, left, position});
            advance = width;
        }
        position = left;
    }
}
