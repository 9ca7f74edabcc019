// What a font does with the marks, found once when its style font is made:
// whether it draws the accents at all (some fonts map them to empty glyphs),
// and how much room its tallest, deepest and widest stacks take. The room is
// reserved whatever the level, so that showing more or fewer marks never
// moves a row.
#include <algorithm>
#include <iterator>
#include <new>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "view/cluster_shaper.h"

namespace {

// The accents of the text, meteg and the upper dot.
constexpr char16_t kLayerMarksOfText[] = u"\u0591\u0592\u0593\u0594\u0595\u0596\u0597\u0598\u0599\u059A\u059B\u059C"
                                         u"\u059D\u059E\u059F\u05A0\u05A1\u05A3\u05A4\u05A5\u05A6\u05A7\u05A8\u05A9"
                                         u"\u05AA\u05AE\u05BD\u05C4";

// Tall and narrow letters take the marks above, deep and narrow ones those
// below, with the marks that stack with them; the pairs of layer marks that
// share a letter in the text.
struct Probe {
    const char16_t* letters;
    const char16_t* marks;  // expressed marks, each probed alone
};
constexpr Probe kAboveProbes[] = {{u"\u05DC\u05D5", u"\u05B9"}, {u"\u05E9", u"\u05C1\u05C2"}};
constexpr Probe kBelowProbes[] = {{u"\u05D1\u05D5", u"\u05B7\u05B1\u05BB"}, {u"\u05E7\u05DA\u05DF", u""}};
constexpr const char16_t* kLayerPairs[] = {
    u"\u05DC\u05B9|\u05C4\u0594", u"\u05DC|\u059E\u05A0", u"\u05DC|\u05C4\u0599", u"\u05DB\u05B7|\u05A4\u0596",
    u"\u05D5\u05B7|\u05BD\u05A0", u"\u05DC\u05B9|\u05BD\u05A3",
};

bool HasInk(HDC dc, WORD glyph) {
    const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    GLYPHMETRICS metrics{};
    const DWORD size = GetGlyphOutlineW(dc, glyph, GGO_NATIVE | GGO_GLYPH_INDEX, &metrics, 0, nullptr, &identity);
    return size != GDI_ERROR && size > 0;
}

ClusterCell Letter(char16_t letter, const char16_t* marks, const char16_t* layerMarks) {
    ClusterCell cell;
    cell.kind = CellKind::kLetter;
    cell.c = letter;
    for (; marks != nullptr && *marks != 0 && cell.markCount < kMaxCellMarks; ++marks) cell.marks[cell.markCount++] = *marks;
    for (; layerMarks != nullptr && *layerMarks != 0 && cell.layerCount < kMaxLayerMarks; ++layerMarks) {
        cell.layerMarks[cell.layerCount++] = *layerMarks;
    }
    return cell;
}

// Widens the room by a cluster's ink.
void Measure(HDC dc, ClusterShaper& shaper, const ClusterCell& cell) {
    const ShapedCluster& cluster = ShapeCell(dc, shaper, cell);
    for (int i = 0; i < cluster.count; ++i) {
        const ShapedGlyph& glyph = cluster.glyphs[i];
        const auto known = shaper.inks.find(glyph.glyph);
        if (known == shaper.inks.end() || known->second.Empty()) continue;
        const InkBox ink = known->second.Moved(glyph.x, glyph.y);
        shaper.room.above = std::max(shaper.room.above, -ink.top);
        shaper.room.below = std::max(shaper.room.below, ink.bottom);
        shaper.room.left = std::max(shaper.room.left, -ink.left);
        shaper.room.right = std::max(shaper.room.right, ink.right - cluster.advance);
    }
}

// Each letter alone and with each expressed mark, and with each layer mark
// of the side (when the font shows them) on top of either.
void MeasureProbe(HDC dc, ClusterShaper& shaper, const Probe& probe, MarkSide side) {
    for (const char16_t* letter = probe.letters; *letter != 0; ++letter) {
        for (const char16_t* mark = probe.marks;; ++mark) {
            const char16_t expressed[] = {*mark, 0};
            Measure(dc, shaper, Letter(*letter, expressed, nullptr));
            for (const char16_t* layer = kLayerMarksOfText; shaper.showsLayerMarks && *layer != 0; ++layer) {
                const char16_t layerMark[] = {*layer, 0};
                if (SideOfMark(*layer) == side) Measure(dc, shaper, Letter(*letter, expressed, layerMark));
            }
            if (*mark == 0) break;
        }
    }
}

void MeasurePairs(HDC dc, ClusterShaper& shaper) {
    for (const std::u16string_view pair : kLayerPairs) {
        const size_t bar = pair.find(u'|');
        const std::u16string marks(pair.substr(1, bar - 1)), layer(pair.substr(bar + 1));
        Measure(dc, shaper, Letter(pair[0], marks.c_str(), layer.c_str()));
    }
}

// The glyphs the font gives the Hebrew characters, marks and presentation forms.
void FindEncodedGlyphs(HDC dc, ClusterShaper& shaper) {
    for (const auto& [first, last] : {std::pair<wchar_t, wchar_t>{0x0591, 0x05F4}, {0xFB1D, 0xFB4F}}) {
        std::wstring chars;
        for (wchar_t c = first; c <= last; ++c) chars += c;
        std::vector<WORD> glyphs(chars.size());
        if (GetGlyphIndicesW(dc, chars.c_str(), static_cast<int>(chars.size()), glyphs.data(),
                             GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR) {
            continue;
        }
        for (WORD glyph : glyphs) {
            if (glyph != 0xFFFF) shaper.encoded.push_back(glyph);
        }
    }
    std::sort(shaper.encoded.begin(), shaper.encoded.end());
}

}  // namespace

bool SelectedFontShowsLayerMarks(HDC dc) {
    constexpr int kCount = static_cast<int>(std::size(kLayerMarksOfText)) - 1;
    WORD glyphs[kCount];
    if (GetGlyphIndicesW(dc, reinterpret_cast<const wchar_t*>(kLayerMarksOfText), kCount, glyphs,
                         GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR) {
        return false;
    }
    for (WORD glyph : glyphs) {
        if (glyph == 0xFFFF || !HasInk(dc, glyph)) return false;
    }
    return true;
}

void PrepareShaper(HDC dc, ClusterShaper& shaper, int gap) {
    ReleaseShaper(shaper);
    shaper.prepared = true;
    shaper.gap = gap;
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    shaper.room.above = shaper.ascent = metrics.tmAscent;
    shaper.room.below = metrics.tmDescent;
    shaper.showsLayerMarks = SelectedFontShowsLayerMarks(dc);
    const MarkRoom ascentAndDescent = shaper.room;
    try {
        FindEncodedGlyphs(dc, shaper);
        for (const Probe& probe : kAboveProbes) MeasureProbe(dc, shaper, probe, MarkSide::kAbove);
        for (const Probe& probe : kBelowProbes) MeasureProbe(dc, shaper, probe, MarkSide::kBelow);
        if (shaper.showsLayerMarks) MeasurePairs(dc, shaper);
    } catch (const std::bad_alloc&) {
        shaper.room = ascentAndDescent;
        shaper.encoded.clear();
    }
}

void CopyMeasurements(const ClusterShaper& from, ClusterShaper& to) {
    ReleaseShaper(to);
    to.prepared = true;
    to.showsLayerMarks = from.showsLayerMarks;
    to.room = from.room;
    to.ascent = from.ascent;
    to.gap = from.gap;
    try {
        to.encoded = from.encoded;
    } catch (const std::bad_alloc&) {
        to.encoded.clear();
    }
}
