// Shaping cells into glyphs. A letter's cluster is shaped in two parts: the
// letter with the marks its code expresses, as one run, exactly as the vowels
// level shows it (so that showing more marks moves nothing), and each layer
// mark on the letter alone, where the font's mark attachment puts it. Layer
// marks that then meet a mark are moved apart; a mark the platform cannot
// place, or leaves off its letter, is placed by its class.
#include "view/cluster_shaper.h"

#include <usp10.h>

#include <algorithm>
#include <new>

#include "app/program.h"

namespace {

using ItemizeCall = HRESULT(WINAPI*)(const WCHAR*, int, int, const SCRIPT_CONTROL*, const SCRIPT_STATE*,
                                     SCRIPT_ITEM*, int*);
using ShapeCall = HRESULT(WINAPI*)(HDC, SCRIPT_CACHE*, const WCHAR*, int, int, SCRIPT_ANALYSIS*, WORD*, WORD*,
                                   SCRIPT_VISATTR*, int*);
using PlaceCall = HRESULT(WINAPI*)(HDC, SCRIPT_CACHE*, const WORD*, int, const SCRIPT_VISATTR*, SCRIPT_ANALYSIS*,
                                   int*, GOFFSET*, ABC*);
using FreeCacheCall = HRESULT(WINAPI*)(SCRIPT_CACHE*);

constexpr wchar_t kUniscribe[] = L"usp10.dll";
constexpr int kMaxRunGlyphs = 16;
constexpr char16_t kOtherKey = 0x0001, kLonePointKey = 0x0002, kLayerKey = 0xFFFF;

// Uniscribe, loaded on the first shaping, and the analysis of a Hebrew run.
struct Uniscribe {
    ShapeCall shape = nullptr;
    PlaceCall place = nullptr;
    FreeCacheCall freeCache = nullptr;
    SCRIPT_ANALYSIS hebrew{};
    bool ready = false;
};

const Uniscribe& Platform() {
    static const Uniscribe calls = [] {
        Uniscribe u;
        const auto itemize = LateBound<ItemizeCall>(kUniscribe, "ScriptItemize");
        u.shape = LateBound<ShapeCall>(kUniscribe, "ScriptShape");
        u.place = LateBound<PlaceCall>(kUniscribe, "ScriptPlace");
        u.freeCache = LateBound<FreeCacheCall>(kUniscribe, "ScriptFreeCache");
        SCRIPT_ITEM items[3]{};
        int found = 0;
        u.ready = itemize != nullptr && u.shape != nullptr && u.place != nullptr && u.freeCache != nullptr &&
                  SUCCEEDED(itemize(L"\u05D0", 1, 2, nullptr, nullptr, items, &found)) && found >= 1 &&
                  items[0].a.fRTL;
        u.hebrew = items[0].a;
        return u;
    }();
    return calls;
}

// A glyph of a shaped run, in visual order, with its origin.
struct RunGlyph {
    WORD glyph = 0;
    int x = 0;
    int y = 0;
    int advance = 0;
    bool mark = false;
};

struct Run {
    int count = 0;
    RunGlyph glyphs[kMaxRunGlyphs];
};

bool AllInFont(HDC dc, const wchar_t* chars, int length) {
    WORD glyphs[kMaxRunGlyphs];
    if (length > kMaxRunGlyphs || GetGlyphIndicesW(dc, chars, length, glyphs, GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR) {
        return false;
    }
    return std::none_of(glyphs, glyphs + length, [](WORD glyph) { return glyph == 0xFFFF; });
}

// Shapes a run of Hebrew; false when the platform cannot, or the font lacks a character.
bool ShapeRun(HDC dc, ClusterShaper& shaper, const wchar_t* chars, int length, Run& run) {
    const Uniscribe& u = Platform();
    if (!u.ready || !AllInFont(dc, chars, length)) return false;
    auto* cache = reinterpret_cast<SCRIPT_CACHE*>(&shaper.scriptCache);
    SCRIPT_ANALYSIS analysis = u.hebrew;
    WORD glyphs[kMaxRunGlyphs], clusters[kMaxRunGlyphs];
    SCRIPT_VISATTR attributes[kMaxRunGlyphs];
    int advances[kMaxRunGlyphs];
    GOFFSET offsets[kMaxRunGlyphs];
    ABC abc{};
    int count = 0;
    if (FAILED(u.shape(dc, cache, chars, length, kMaxRunGlyphs, &analysis, glyphs, clusters, attributes, &count)) ||
        FAILED(u.place(dc, cache, glyphs, count, attributes, &analysis, advances, offsets, &abc))) {
        return false;
    }
    int pen = 0;
    run.count = count;
    for (int i = 0; i < count; ++i) {
        run.glyphs[i] = RunGlyph{glyphs[i], pen + offsets[i].du, -offsets[i].dv, advances[i],
                                 attributes[i].fDiacritic || advances[i] == 0};
        pen += advances[i];
    }
    return count > 0;
}

InkBox InkOf(HDC dc, ClusterShaper& shaper, WORD glyph) {
    const auto known = shaper.inks.find(glyph);
    if (known != shaper.inks.end()) return known->second;
    const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    GLYPHMETRICS metrics{};
    InkBox ink;
    // A glyph without an outline has no ink, whatever box its metrics give.
    const DWORD outline = GetGlyphOutlineW(dc, glyph, GGO_NATIVE | GGO_GLYPH_INDEX, &metrics, 0, nullptr, &identity);
    if (outline != GDI_ERROR && outline > 0 &&
        GetGlyphOutlineW(dc, glyph, GGO_METRICS | GGO_GLYPH_INDEX, &metrics, 0, nullptr, &identity) != GDI_ERROR) {
        ink.left = metrics.gmptGlyphOrigin.x;
        ink.top = -metrics.gmptGlyphOrigin.y;
        ink.right = ink.left + static_cast<int>(metrics.gmBlackBoxX);
        ink.bottom = ink.top + static_cast<int>(metrics.gmBlackBoxY);
    }
    shaper.inks.emplace(glyph, ink);
    return ink;
}

WORD GlyphOf(HDC dc, char16_t c) {
    const auto wide = static_cast<wchar_t>(c);
    WORD glyph = 0;
    GetGlyphIndicesW(dc, &wide, 1, &glyph, 0);
    return glyph;
}

void Append(ShapedCluster& cluster, WORD glyph, int x, int y) {
    if (cluster.count < kMaxClusterGlyphs) {
        cluster.glyphs[cluster.count++] = ShapedGlyph{glyph, static_cast<int16_t>(x), static_cast<int16_t>(y)};
    }
}

bool IsEncoded(const ClusterShaper& shaper, WORD glyph) {
    return std::binary_search(shaper.encoded.begin(), shaper.encoded.end(), glyph);
}

bool AllEncoded(const ClusterShaper& shaper, const Run& run) {
    return std::all_of(run.glyphs, run.glyphs + run.count, [&](const RunGlyph& g) { return IsEncoded(shaper, g.glyph); });
}

// A mark that shaping left off its letter: not beside it, or on the wrong side of the baseline.
bool IsOffLetter(const InkBox& mark, const InkBox& letter, MarkSide side) {
    const int width = mark.right - mark.left;
    if (mark.Empty()) return false;
    if (mark.right < letter.left - width || mark.left > letter.right + width) return true;
    const int middle = mark.top + mark.bottom;
    return (side == MarkSide::kAbove && middle > 0) || (side == MarkSide::kBelow && middle < 0);
}

// A mark on a letter alone, from the letter's origin: where the font's mark
// attachment puts it, else by its class.
ShapedGlyph ShapeMarkOnLetter(HDC dc, ClusterShaper& shaper, char16_t letter, char16_t mark) {
    const uint32_t key = (uint32_t{letter} << 16) | mark;
    const auto known = shaper.marksOnLetters.find(key);
    if (known != shaper.marksOnLetters.end()) return known->second;
    const wchar_t chars[] = {static_cast<wchar_t>(letter), static_cast<wchar_t>(mark)};
    Run run;
    const RunGlyph* base = nullptr;
    const RunGlyph* placed = nullptr;
    if (ShapeRun(dc, shaper, chars, 2, run) && run.count == 2) {
        base = run.glyphs[0].mark ? &run.glyphs[1] : &run.glyphs[0];
        placed = run.glyphs[0].mark ? &run.glyphs[0] : &run.glyphs[1];
        if (!placed->mark || base->mark || !AllEncoded(shaper, run)) base = placed = nullptr;
    }
    const WORD letterGlyph = base != nullptr ? base->glyph : GlyphOf(dc, letter);
    const InkBox letterInk = InkOf(dc, shaper, letterGlyph);
    ShapedGlyph result{placed != nullptr ? placed->glyph : GlyphOf(dc, mark), 0, 0};
    const InkBox markInk = InkOf(dc, shaper, result.glyph);
    if (placed != nullptr) {
        result.x = static_cast<int16_t>(placed->x - base->x);
        result.y = static_cast<int16_t>(placed->y - base->y);
    }
    if (placed == nullptr || IsOffLetter(markInk.Moved(result.x, result.y), letterInk, SideOfMark(mark))) {
        int dx = 0, dy = 0;
        PlaceOnLetter(letter, mark, letterInk, markInk, shaper.gap, dx, dy);
        result.x = static_cast<int16_t>(dx);
        result.y = static_cast<int16_t>(dy);
    }
    shaper.marksOnLetters.emplace(key, result);
    return result;
}

// The letter with the marks its code expresses, shaped as one run; each mark
// on the letter alone (as a layer mark is) when the run holds an unnamed glyph.
void PlaceExpressed(HDC dc, ClusterShaper& shaper, const ClusterCell& cell, ShapedCluster& cluster,
                    std::vector<InkBox>& markInks, int& letterX) {
    wchar_t chars[1 + kMaxCellMarks];
    chars[0] = cell.c;
    for (int i = 0; i < cell.markCount; ++i) chars[1 + i] = cell.marks[i];
    Run run;
    if (ShapeRun(dc, shaper, chars, 1 + cell.markCount, run) && AllEncoded(shaper, run)) {
        letterX = 0;
        for (int i = 0; i < run.count; ++i) {
            const RunGlyph& glyph = run.glyphs[i];
            Append(cluster, glyph.glyph, glyph.x, glyph.y);
            cluster.advance = static_cast<int16_t>(cluster.advance + glyph.advance);
            if (glyph.mark) {
                markInks.push_back(InkOf(dc, shaper, glyph.glyph).Moved(glyph.x, glyph.y));
            } else {
                letterX = glyph.x;
                cluster.letter = static_cast<int8_t>(cluster.count - 1);
            }
        }
        return;
    }
    SIZE size{};
    GetTextExtentPoint32W(dc, chars, 1, &size);
    cluster.advance = static_cast<int16_t>(size.cx);
    letterX = 0;
    Append(cluster, GlyphOf(dc, cell.c), 0, 0);
    cluster.letter = 0;
    std::vector<MarkToPlace> marks;
    std::vector<ShapedGlyph> glyphs;
    for (int i = 0; i < cell.markCount; ++i) {
        glyphs.push_back(ShapeMarkOnLetter(dc, shaper, cell.c, cell.marks[i]));
        const ShapedGlyph& glyph = glyphs.back();
        marks.push_back(MarkToPlace{InkOf(dc, shaper, glyph.glyph).Moved(glyph.x, glyph.y), SideOfMark(cell.marks[i])});
    }
    SeparateMarks({}, marks, 0, cluster.advance, shaper.gap);
    for (size_t i = 0; i < marks.size(); ++i) {
        Append(cluster, glyphs[i].glyph, glyphs[i].x + marks[i].dx, glyphs[i].y + marks[i].dy);
        markInks.push_back(marks[i].ink.Moved(marks[i].dx, marks[i].dy));
    }
}

ShapedCluster ShapeLetter(HDC dc, ClusterShaper& shaper, const ClusterCell& cell) {
    ShapedCluster cluster;
    std::vector<InkBox> markInks;
    int letterX = 0;
    PlaceExpressed(dc, shaper, cell, cluster, markInks, letterX);
    std::vector<MarkToPlace> layer;
    ShapedGlyph glyphs[kMaxLayerMarks];
    for (int i = 0; i < cell.layerCount; ++i) {
        glyphs[i] = ShapeMarkOnLetter(dc, shaper, cell.c, cell.layerMarks[i]);
        const InkBox ink = InkOf(dc, shaper, glyphs[i].glyph).Moved(letterX + glyphs[i].x, glyphs[i].y);
        layer.push_back(MarkToPlace{ink, SideOfMark(cell.layerMarks[i])});
    }
    SeparateMarks(markInks, layer, 0, cluster.advance, shaper.gap);
    for (int i = 0; i < cell.layerCount; ++i) {
        Append(cluster, glyphs[i].glyph, letterX + glyphs[i].x + layer[i].dx, glyphs[i].y + layer[i].dy);
    }
    return cluster;
}

ShapedCluster ShapeCharacter(HDC dc, const ClusterCell& cell) {
    ShapedCluster cluster;
    const auto wide = static_cast<wchar_t>(cell.c);
    SIZE size{};
    if (cell.kind == CellKind::kOther) GetTextExtentPoint32W(dc, &wide, 1, &size);
    cluster.advance = static_cast<int16_t>(size.cx);
    Append(cluster, GlyphOf(dc, cell.c), 0, 0);
    return cluster;
}

std::u16string KeyOf(const ClusterCell& cell) {
    std::u16string key;
    if (cell.kind != CellKind::kLetter) key += cell.kind == CellKind::kOther ? kOtherKey : kLonePointKey;
    key += cell.c;
    key.append(cell.marks, cell.markCount);
    if (cell.layerCount > 0) {
        key += kLayerKey;
        key.append(cell.layerMarks, cell.layerCount);
    }
    return key;
}

}  // namespace

const ShapedCluster& ShapeCell(HDC dc, ClusterShaper& shaper, const ClusterCell& cell) {
    std::u16string key = KeyOf(cell);
    const auto known = shaper.clusters.find(key);
    if (known != shaper.clusters.end()) return known->second;
    const ShapedCluster shaped = cell.kind == CellKind::kLetter ? ShapeLetter(dc, shaper, cell) : ShapeCharacter(dc, cell);
    return shaper.clusters.emplace(std::move(key), shaped).first->second;
}

void ReleaseShaper(ClusterShaper& shaper) {
    if (shaper.scriptCache != nullptr && Platform().freeCache != nullptr) {
        Platform().freeCache(reinterpret_cast<SCRIPT_CACHE*>(&shaper.scriptCache));
    }
    shaper = ClusterShaper{};
}
