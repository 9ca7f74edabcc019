// The Choose Article window's list as plain data: the Article index laid out
// into rows in a box, which entries are shown and open, where the list is
// scrolled, what lies under a point, and what keys and the scroll bar do.
// Measuring goes through the Reading view's LayoutMeasurer; drawing is the
// platform layer's.
#pragma once

#include <cstdint>
#include <vector>

#include "settings/settings.h"
#include "store/compression.h"
#include "view/layout_measurer.h"

// One line of an entry's title. An entry whose title needs several lines has
// several rows with the same id and attr.
struct PickerRow {
    uint16_t offset;  // position in the text of the row's first byte in storage order
    uint16_t count;   // title bytes in the row
    uint16_t x;       // left edge of the row's text
    uint16_t width;   // measured width of the row's text
    uint16_t height;  // the font's tmHeight
    uint16_t id;      // the entry's row identifier
    uint8_t attr;     // the entry's attribute; the shown and expanded bits change while the window is open
};

struct PickerFont;

struct PickerState {
    std::vector<PickerRow> rows;  // rowCapacity rows plus the all-zero row that ends them
    void* dc = nullptr;           // the window's device context, held while it is open
    ArticleText text;             // the index bytes the rows point into; owned
    int32_t rowsDrawn = 0;        // rows drawn by the last paint: the scroll bar's page
    FontSettings fontSettings{};
    bool reverseOption = false;   // the Reverse option, which an 8-bit font's titles follow
    bool systemColours = false;   // drawn in the system's colours (high contrast)
    int focusEntry = -1;          // the keyboard's entry, by its place among all entries (picker_focus)
    int32_t dpi = 0;              // dots per inch of the window's screen; 0 counts as 96
    PickerFont* fonts = nullptr;  // newest first
    int32_t left = 0, top = 0, width = 0, height = 0;
    uint16_t topRow = 0;      // shown rows scrolled off above the box
    uint16_t shownCount = 0;  // rows with the shown bit
    uint16_t rowCount = 0;
    uint16_t rowCapacity = 0;
    uint16_t maxTop = 0;      // greatest useful topRow
};

// Pixels at 96 dots per inch; a list has them at its own dots per inch.
constexpr int kPickerLevelIndent = 13;  // per level, from the right edge
constexpr int kPickerIconGap = 4;       // between a row's text and its icon
constexpr int kPickerIconZone = 13;     // the icon's place right of a row's text: the gap and the 9-pixel icon

// Lays out an index text (the state's own text, after a resize) in the box.
// 0, and the state owns the text; kLayoutNoText without text;
// kLayoutTextRefused (nothing changes) when the first entry has attribute 0 or
// an empty title or the text is too long for 16-bit offsets;
// kLayoutOutOfMemory when memory or the 16-bit row count runs out: the rows so
// far stay, ended, but a new text is not taken. topRow is kept.
int LayoutPickerRows(PickerState& state, LayoutMeasurer& measurer, ArticleText&& text);

// Indentation of a row from the box's right edge.
int PickerRowIndent(const PickerState& state, const PickerRow& row);

// maxTop from the rows' heights, also stored, and topRow brought within it;
// -1 (nothing stored) without rows or shown rows.
int ComputePickerMaxTop(PickerState& state);

// Shows the rows of an article, the entry after it and every heading above it,
// without scrolling; those headings show a minus box, as rows under them are
// shown.
void RevealArticle(PickerState& state, unsigned article);

// Shows the rows of the entry at row index, walking by direction (+1 or -1)
// while the identifier stays the same; a heading shown this way is closed.
void ShowEntryRows(PickerState& state, int row, int direction);

// Opens or closes the heading whose entry holds row index: every row of the
// entry flips its expanded bit; closing hides the whole subtree, opening shows
// the direct children. Returns -(identifier & 0x3FFF).
int ToggleHeading(PickerState& state, int row);

// A left click: a positive article number; 0 for nothing; negative when a
// heading was toggled (toggled is then set) or no row lies under the point.
int HitTestPicker(PickerState& state, int x, int y, bool* toggled = nullptr);

// The shown and expanded bits of every entry, to carry them across a new
// layout of the same text; empty when no row is shown.
struct ExpansionEntry {
    uint16_t id;
    uint8_t bits;  // attr & (shown | expanded)
};
std::vector<ExpansionEntry> SaveExpansion(const PickerState& state);
// Gives the entries their saved bits, in order, as long as the identifiers
// match; then ComputePickerMaxTop.
void RestoreExpansion(PickerState& state, const std::vector<ExpansionEntry>& snapshot);

// Moves topRow by delta within 0..maxTop; true when it changed.
bool ScrollPicker(PickerState& state, int delta);

// Row steps of a key (virtual key code) and of a scroll-bar code
// (position = the signed high word of wParam); 0 means nothing to do.
int PickerKeyDelta(int virtualKey, int topRow, int maxTop);
int PickerScrollBarDelta(int code, int position, int topRow, int rowsDrawn);

// One row to draw: its index, its top, and whether its icon goes beside it
// (the first drawn row of each entry).
struct PickerLine {
    int row;
    int y;
    bool icon;
};
// The rows a paint draws from topRow down while they fit; sets rowsDrawn.
std::vector<PickerLine> PlanPickerPaint(PickerState& state);
