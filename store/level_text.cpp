// The characters of stored codes at the letters-only and cantillation levels.
// A letter's points follow it in reading order; its layer marks are put back
// among the marks its code and points express, each before as many of them
// as the layer says, which restores the order the Codex wrote them in.
#include "store/level_text.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "store/article_text.h"

void AppendLetterAtLevel(uint8_t code, const uint8_t* points, int pointCount, const LetterMarks* marks,
                         TextLevel level, std::u16string& out) {
    const LetterForm form = LetterFormOfCode(code);
    out += form.letter;
    if (level == TextLevel::kLettersOnly) return;
    char16_t expressed[kMaxExpressedMarks + 8];
    int count = 0;
    for (int i = 0; i < form.markCount; ++i) expressed[count++] = form.marks[i];
    for (int i = 0; i < pointCount && count < static_cast<int>(std::size(expressed)); ++i) {
        expressed[count++] = GlyphForCode(points[i], kUnicodeAsciiBase).first;
    }
    const int layerCount = level == TextLevel::kCantillation && marks != nullptr ? marks->count : 0;
    for (int at = 0; at <= count; ++at) {
        for (int i = 0; i < layerCount; ++i) {
            // A mark before more expressed marks than there are goes first.
            const int after = count - marks->marks[i].before;
            if (after == at || (at == 0 && after < 0)) out += marks->marks[i].mark;
        }
        if (at < count) out += expressed[at];
    }
}

void AppendTextAtLevel(const ArticleText& text, size_t first, size_t count, bool storedVisual, TextLevel level,
                       const MarkLayer* layer, std::u16string& out) {
    if (first > text.size()) return;
    count = std::min(count, text.size() - first);
    // The positions in reading order, up to a zero byte.
    std::vector<size_t> order;
    order.reserve(count);
    for (size_t i = 0; i < count && text[first + i] != 0; ++i) order.push_back(first + i);
    if (storedVisual) std::reverse(order.begin(), order.end());
    std::vector<uint8_t> points;
    for (size_t k = 0; k < order.size();) {
        const size_t position = order[k++];
        const uint8_t code = text[position];
        if (IsLetterCode(code)) {
            points.clear();
            while (k < order.size() && IsVowelPointCode(text[order[k]])) points.push_back(text[order[k++]]);
            const LetterMarks* marks = layer != nullptr ? FindLetterMarks(*layer, position) : nullptr;
            AppendLetterAtLevel(code, points.data(), static_cast<int>(points.size()), marks, level, out);
        } else if (!IsVowelPointCode(code) || level != TextLevel::kLettersOnly) {
            const char16_t c = GlyphForCode(code, kUnicodeAsciiBase).first;
            out += storedVisual ? MirroredBracket(c) : c;
        }
    }
}
