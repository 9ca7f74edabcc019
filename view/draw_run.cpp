// Drawing one row's codes. With a Unicode font each letter takes a cell of
// its own from the right, and goes out with the marks the level shows as one
// shaped cluster centred in its cell, by glyph index; with an 8-bit font the
// converted line is drawn in one call.
#include <algorithm>
#include <new>
#include <vector>

#include "view/cell_placement.h"
#include "view/char_widths.h"
#include "view/cluster_shaper.h"
#include "view/reading_view.h"
#include "view/style_font.h"

namespace {

constexpr UINT kCellFormat = DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX;

// Reused from row to row; never held across calls.
struct CellBuffers {
    std::vector<ClusterCell> cells;
    std::vector<WORD> glyphs;
    std::vector<INT> xs;
    std::vector<INT> advances;
};

CellBuffers& SharedCellBuffers() {
    static CellBuffers buffers;
    return buffers;
}

// The text position of a run's first byte, for its level and its layer marks;
// a run that is not the view's text has none, and shows no layer marks.
size_t RunPosition(const ViewState& view, const uint8_t* bytes) {
    const uint8_t* text = view.text.data();
    return bytes >= text && bytes < text + view.text.size() ? static_cast<size_t>(bytes - text) : view.text.size();
}

CellLevels LevelsOf(const ViewState& view, const uint8_t* bytes) {
    const bool own = RunPosition(view, bytes) < view.text.size();
    const bool marksRead = view.marksArticle != 0 && view.marksArticle == view.article;
    const bool shows = view.shaper != nullptr && view.shaper->showsLayerMarks;
    return CellLevels{own ? &view : nullptr, view.level, shows ? TextLevel::kCantillation : TextLevel::kVowels,
                      own && marksRead ? &view.marks : nullptr};
}

// The glyphs on the baseline go out in one call, right to left as the cells
// run, each at its place through the steps between origins; a mark moved off
// the baseline goes out alone. Nothing is clipped: the layout keeps the room
// the marks need inside the row.
void DrawGlyphs(HDC dc, CellBuffers& b, const std::vector<ShapedGlyph>& offBaseline, int baseline) {
    const UINT align = SetTextAlign(dc, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
    const int n = static_cast<int>(b.glyphs.size());
    if (n > 0) {
        b.advances.resize(n);
        for (int i = 0; i < n; ++i) b.advances[i] = i + 1 < n ? b.xs[i + 1] - b.xs[i] : 0;
        ExtTextOutW(dc, b.xs[0], baseline, ETO_GLYPH_INDEX, nullptr, reinterpret_cast<const wchar_t*>(b.glyphs.data()),
                    static_cast<UINT>(n), b.advances.data());
    }
    for (const ShapedGlyph& glyph : offBaseline) {
        ExtTextOutW(dc, glyph.x, baseline + glyph.y, ETO_GLYPH_INDEX, nullptr,
                    reinterpret_cast<const wchar_t*>(&glyph.glyph), 1, nullptr);
    }
    SetTextAlign(dc, align);
}

// A row's baseline lies as far below its top as the marks above need; a box
// lower than the marks' room (a banner line) takes the font's own ascent.
int Baseline(const ClusterShaper& shaper, int y, int h) {
    return y + (h >= shaper.room.above + shaper.room.below ? shaper.room.above : shaper.ascent);
}

void DrawCells(ViewState* view, const uint8_t* bytes, int count, int x, int y, int w, int h) {
    HDC dc = static_cast<HDC>(view->dc);
    if (view->shaper == nullptr) return;
    SetBkMode(dc, TRANSPARENT);
    CellBuffers& b = SharedCellBuffers();
    try {
        PlaceCells(view->widths, bytes, count, RunPosition(*view, bytes), x + w, LevelsOf(*view, bytes), b.cells);
        b.glyphs.clear();
        b.xs.clear();
        std::vector<ShapedGlyph> offBaseline;
        for (const ClusterCell& cell : b.cells) {
            const ShapedCluster& cluster = ShapeCell(dc, *view->shaper, cell);
            const int origin = cell.left + (cell.right - cell.left - cluster.advance) / 2;
            for (int i = 0; i < cluster.count; ++i) {
                const ShapedGlyph& glyph = cluster.glyphs[i];
                if (glyph.y != 0) {
                    offBaseline.push_back({glyph.glyph, static_cast<int16_t>(origin + glyph.x), glyph.y});
                    continue;
                }
                b.glyphs.push_back(glyph.glyph);
                b.xs.push_back(origin + glyph.x);
            }
        }
        DrawGlyphs(dc, b, offBaseline, Baseline(*view->shaper, y, h));
    } catch (const std::bad_alloc&) {
        // Out of memory: the row is skipped, as a failed conversion skips it.
    }
}

}  // namespace

void DrawConvertedText(HDC dc, DisplayFont font, bool storedVisual, const uint8_t* bytes, int count, int x, int y,
                       int w, int h) {
    std::vector<char16_t>& buffer = SharedDisplayBuffer();
    const int adjustment = DisplayCharsFor(TextSurface::kPlatformRun, font, storedVisual, bytes, count, buffer);
    if (buffer.empty()) return;  // out of memory: the text is skipped
    const auto* chars = reinterpret_cast<const wchar_t*>(buffer.data());
    const int length = std::min(count + adjustment, lstrlenW(chars));
    RECT box{x, y, x + w, y + h};
    DrawTextW(dc, chars, length, &box, kCellFormat);
}

void DrawRun(ViewState* view, const uint8_t* bytes, int count, int x, int y, int w, int h) {
    const DisplayFont font = ViewDisplayFont(*view);
    if (PlatformReorders(font)) {
        DrawCells(view, bytes, count, x, y, w, h);
    } else {
        DrawConvertedText(static_cast<HDC>(view->dc), font, true, bytes, count, x, y, w, h);
    }
}
