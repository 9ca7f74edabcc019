// The cells of a row's codes, walked from the last stored byte (the right
// end of the row) to the first: a letter's points are stored before it, so
// they come after it in the walk and join its cell.
#include "view/cell_placement.h"

namespace {

TextLevel LowerLevel(TextLevel a, TextLevel b) { return static_cast<uint8_t>(a) < static_cast<uint8_t>(b) ? a : b; }

TextLevel CellLevel(const CellLevels& levels, size_t position) {
    const TextLevel level = levels.view != nullptr ? LevelAt(*levels.view, position) : levels.level;
    return LowerLevel(level, levels.highest);
}

// Fills a letter's marks; returns the index of the last point it took.
int FillLetter(ClusterCell& cell, const uint8_t* bytes, int at, size_t first, const CellLevels& levels) {
    const LetterForm form = LetterFormOfCode(bytes[at]);
    cell.kind = CellKind::kLetter;
    cell.c = form.letter;
    const size_t position = first + static_cast<size_t>(at);
    const TextLevel level = CellLevel(levels, position);
    int last = at;
    while (last > 0 && IsVowelPointCode(bytes[last - 1])) --last;
    if (level == TextLevel::kLettersOnly) return last;
    for (int i = 0; i < form.markCount; ++i) cell.marks[cell.markCount++] = form.marks[i];
    for (int i = at - 1; i >= last && cell.markCount < kMaxCellMarks; --i) {
        cell.marks[cell.markCount++] = GlyphForCode(bytes[i], kUnicodeAsciiBase).first;
    }
    if (level != TextLevel::kCantillation || levels.layer == nullptr) return last;
    if (const LetterMarks* marks = FindLetterMarks(*levels.layer, position)) {
        for (int i = 0; i < marks->count; ++i) cell.layerMarks[cell.layerCount++] = marks->marks[i].mark;
    }
    return last;
}

}  // namespace

TextLevel LevelAt(const ViewState& view, size_t position) {
    for (auto span = view.levelSpans.rbegin(); span != view.levelSpans.rend(); ++span) {
        if (position >= span->start && position < span->end) return span->level;
    }
    return view.level;
}

void PlaceCells(const WidthTable* widths, const uint8_t* bytes, int count, size_t first, int right,
                const CellLevels& levels, std::vector<ClusterCell>& cells) {
    cells.clear();
    int position = right;
    for (int i = count - 1; i >= 0; --i) {
        const uint8_t code = bytes[i];
        ClusterCell cell;
        if (IsVowelPointCode(code)) {
            if (CellLevel(levels, first + static_cast<size_t>(i)) == TextLevel::kLettersOnly) continue;
            cell.kind = CellKind::kLonePoint;
            cell.c = GlyphForCode(code, kUnicodeAsciiBase).first;
            cell.left = cells.empty() ? right : cells.back().left;
            cell.right = cells.empty() ? right : cells.back().right;
            cells.push_back(cell);
            continue;
        }
        const int width = widths != nullptr ? CodeWidth(*widths, code) : 0;
        cell.left = position - width;
        cell.right = position;
        if (IsLetterCode(code)) {
            i = FillLetter(cell, bytes, i, first, levels);
        } else {
            cell.c = GlyphForCode(code, kUnicodeAsciiBase).first;
        }
        cells.push_back(cell);
        position = cell.left;
    }
}
