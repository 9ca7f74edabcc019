// The per-style fonts of a view and their width tables.
#include "view/style_font.h"

#include <algorithm>
#include <new>

#include "view/char_widths.h"
#include "view/dpi_scale.h"
#include "view/font_size.h"
#include "view/view_colours.h"

// A size nearer to 0 is moved out to this, keeping its sign (a negative size
// is a cell height): the platform's text drawing has been seen to corrupt its
// own memory with a font one pixel high.
constexpr int kSmallestPoints = 4;

HFONT CreateStyleFont(HDC dc, const FontSettings& settings, unsigned key, int dpi) {
    LOGFONTW logFont{};
    lstrcpynW(logFont.lfFaceName, reinterpret_cast<const wchar_t*>(settings.FontName), LF_FACESIZE);
    // A stored size may be any 32-bit value.
    int points = ClampFontSize(settings.FontSize);
    if (key & kAttrLarger) {
        points = points == 0 ? 20 : points * 5 / 4;
    } else if (key & kAttrSmaller) {
        points = points == 0 ? 14 : points * 6 / 8;
    } else if (key & kPrintFontKey) {
        points = 8;
    }
    if (points > 0) points = std::max(points, kSmallestPoints);
    if (points < 0) points = std::min(points, -kSmallestPoints);
    logFont.lfHeight = FontHeightForPoints(points, dpi > 0 ? dpi : GetDeviceCaps(dc, LOGPIXELSY));
    logFont.lfWeight = (key & kAttrBold) ? FW_BOLD : FW_NORMAL;
    // Any character set: the mapper then keeps the chosen face even where it
    // has no Western one (most Hebrew faces), instead of replacing it.
    logFont.lfCharSet = DEFAULT_CHARSET;
    return CreateFontIndirectW(&logFont);
}

int ViewDpi(const ViewState& view) {
    if (view.dpi > 0) return view.dpi;
    const int own = view.dc != nullptr ? GetDeviceCaps(static_cast<HDC>(view.dc), LOGPIXELSY) : 0;
    return own > 0 ? own : kDefaultDpi;
}

// The style's entry, or none when memory for a new one runs out.
static StyleFont* FindOrCreateStyleFont(ViewState* view, unsigned key, bool& isNew) {
    for (StyleFont* entry = view->fonts; entry != nullptr; entry = entry->next) {
        if (entry->key == key) return entry;
    }
    auto* entry = new (std::nothrow) StyleFont{};
    if (entry == nullptr) return nullptr;
    entry->key = static_cast<uint16_t>(key);
    entry->font = CreateStyleFont(static_cast<HDC>(view->dc), view->fontSettings, key, view->dpi);
    MarkWidthTableUnmeasured(entry->widths);
    entry->next = view->fonts;
    view->fonts = entry;
    isNew = true;
    return entry;
}

// The bits of a style key that make its font (CreateStyleFont).
constexpr unsigned kFontMakingBits = kAttrLarger | kAttrSmaller | kAttrBold | kPrintFontKey;

// A prepared style font whose key makes the same font, or none.
const StyleFont* PreparedTwin(const ViewState& view, const StyleFont& entry) {
    for (const StyleFont* other = view.fonts; other != nullptr; other = other->next) {
        if (other != &entry && other->shaper.prepared &&
            (other->key & kFontMakingBits) == (entry.key & kFontMakingBits)) {
            return other;
        }
    }
    return nullptr;
}

// The text of a Unicode font is drawn in shaped clusters; an 8-bit font's is
// not. A font made like another takes what was measured of that one.
void UseShaper(ViewState* view, StyleFont* entry) {
    view->shaper = nullptr;
    if (view->fontSettings.FontAsciiBase != kUnicodeAsciiBase) return;
    if (!entry->shaper.prepared) {
        if (const StyleFont* twin = PreparedTwin(*view, *entry)) {
            CopyMeasurements(twin->shaper, entry->shaper);
        } else {
            PrepareShaper(static_cast<HDC>(view->dc), entry->shaper, ScaleForDpi(1, ViewDpi(*view)));
        }
    }
    view->shaper = &entry->shaper;
}

HFONT SelectStyleFont(ViewState* view, unsigned style) {
    HDC dc = static_cast<HDC>(view->dc);
    bool isNew = false;
    StyleFont* entry = FindOrCreateStyleFont(view, style & 0x101F, isNew);
    if (style & 0x300) {
        const ViewColours colours = ColoursFor(view->systemColours);
        SetTextColor(dc, IsBlueStyle(style) ? colours.heading : colours.text);
    }
    // Without memory for the style the current font and widths stay.
    if (entry == nullptr) return static_cast<HFONT>(GetCurrentObject(dc, OBJ_FONT));
    HFONT previous = static_cast<HFONT>(SelectObject(dc, entry->font));
    MeasureCharWidths(view, entry, isNew);
    UseShaper(view, entry);
    return previous;
}

void DeleteStyleFonts(ViewState* view) {
    StyleFont* entry = view->fonts;
    while (entry != nullptr) {
        StyleFont* next = entry->next;
        ReleaseShaper(entry->shaper);
        if (entry->font != nullptr) DeleteObject(entry->font);
        delete entry;
        entry = next;
    }
    view->fonts = nullptr;
    view->widths = nullptr;
    view->shaper = nullptr;
}

void RecreateStyleFonts(ViewState* view) {
    for (StyleFont* entry = view->fonts; entry != nullptr; entry = entry->next) {
        ReleaseShaper(entry->shaper);
        if (entry->font != nullptr) DeleteObject(entry->font);
        entry->font = CreateStyleFont(static_cast<HDC>(view->dc), view->fontSettings, entry->key, view->dpi);
        MarkWidthTableUnmeasured(entry->widths);
    }
    view->widths = nullptr;
    view->shaper = nullptr;
}

bool ViewFontShowsLayerMarks(ViewState* view) {
    if (view == nullptr || view->dc == nullptr) return false;
    HFONT previous = SelectStyleFont(view, kAttrBody & kStyleKeyMask);
    const bool shows = view->shaper != nullptr && view->shaper->showsLayerMarks;
    SelectObject(static_cast<HDC>(view->dc), previous);
    return shows;
}
