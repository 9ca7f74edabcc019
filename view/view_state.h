// The Reading view's state: the laid-out rows of one article in a box, and
// where reading stands in them. One exists per main window; printing makes a
// second one on the printer.
#pragma once

#include <cstdint>
#include <vector>

#include "settings/settings.h"
#include "store/article_text.h"
#include "store/display_order.h"
#include "store/compression.h"
#include "store/hebrew_marks.h"
#include "store/mark_layer.h"
#include "store/verse_map.h"

// One row of text or one rule. A row whose attr has bit 0x80 is followed by a
// gap row of the same height that has no ViewRow of its own.
struct ViewRow {
    uint16_t offset;  // position in the text of the row's first byte in storage order
    uint16_t count;   // text bytes drawn in the row (0 for a rule)
    int16_t x;        // left edge of the row's text or rule
    uint16_t indent;  // hanging indent in pixels, only on the first row of a hanging record
    uint16_t width;   // width of the text, or the rule's length
    uint16_t height;  // the font's tmHeight
    uint8_t attr;     // the record's attribute; 0x80 only on the record's last row
};

// Indexes in the article's verse list, first <= last; first -1 for none.
struct VerseSelection {
    int first = -1;
    int last = -1;
    int anchor = -1;  // the verse it was begun from, first or last: a Shift+click extends it from there
    bool operator==(const VerseSelection&) const = default;
};

// Stored bytes [start, end) of the text shown at another level than the view's.
struct LevelSpan {
    uint16_t start = 0;
    uint16_t end = 0;
    TextLevel level = TextLevel::kVowels;
};

// Where an aliyah begins: the stored byte that opens its first verse (the
// verse label's parenthesis) and the numbers (1..8) of the divisions that
// begin there.
struct AliyahMark {
    uint16_t position = 0;
    uint8_t numbers[2] = {};
    uint8_t count = 0;
};

// A font per style key, kept by the platform layer (fonts and their width tables).
struct StyleFont;
// How a font's letters take their marks, kept with each of its style fonts.
struct ClusterShaper;

struct ViewState {
    std::vector<ViewRow> rows;  // rowCapacity rows plus the all-zero row that ends them
    void* dc = nullptr;         // platform device context for measuring and drawing; not owned
    ArticleText text;           // the decoded article, owned once laid out
    int32_t rowsOnPage = 0;     // rows drawn by the last paint, gap rows included
    FontSettings fontSettings{};  // the view's own copy: its FontAsciiBase decides how codes are measured and drawn
    bool reverseOption = false;   // the Reverse option as the shell last gave it
    bool systemColours = false;   // drawn in the system's colours (the screen's view under high contrast)
    int32_t dpi = 0;              // dots per inch its fonts and pixel sizes are made for; 0: the device's own
    StyleFont* fonts = nullptr;             // newest first
    const WidthTable* widths = nullptr;     // table of the font selected last
    ClusterShaper* shaper = nullptr;        // shaping of the font selected last; none for an 8-bit font
    int32_t left = 0, top = 0, width = 0, height = 0;
    // The Reading view keeps a band at the top of its box for a running head
    // that names the chapter whose mark has scrolled off above; the rows
    // start below it. The layout sets its height; printing has none.
    bool runningHead = false;
    int32_t headHeight = 0;
    uint16_t topRow = 0;     // first visible row, gap rows counted
    uint16_t totalRows = 0;  // rows including gap rows
    uint16_t rowCount = 0;   // ViewRow entries (gap rows have none)
    uint16_t rowCapacity = 0;
    uint16_t maxRow = 0;     // greatest top row at which the last row is still fully visible
    uint16_t highlightStart = 0, highlightEnd = 0;  // byte range to paint highlighted; both 0 = none
    VerseSelection selection;             // the selected verses; a new text clears them, a new layout does not
    std::vector<TextSpan> selectedSpans;  // their stored bytes, one span per record, painted as selected
    int firstPaintRow = -1;  // when >= 0, painting starts at this row index at the top (printing)
    int nextPaintRow = 0;    // set by painting: index of the first row that did not fit
    // What is shown of the pointed text: the level, and ranges shown at
    // another one; a font that cannot show the marks of the layer shows the
    // vowels instead. Changing them repaints, it never lays out again.
    TextLevel level = TextLevel::kVowels;
    std::vector<LevelSpan> levelSpans;
    uint16_t article = 0;      // the article whose text the view holds, 0 for none known
    uint16_t marksArticle = 0; // the article whose marks layer marks holds, 0 for none
    MarkLayer marks;
    // The aliyot of the article, named in a margin at the right of the box,
    // which the layout keeps (marginWidth wide) while aliyahMargin is set.
    std::vector<AliyahMark> aliyahMarks;
    bool aliyahMargin = false;
    int32_t marginWidth = 0;
    // The word a practice round reveals next, underlined; empty for none.
    TextSpan practiceWord;
};

// The level of the byte at position: that of the last span holding it, else
// the view's. The spans, like the selection and the practice word, go with
// the text they were made in: a new text clears them, a new layout does not.
TextLevel LevelAt(const ViewState& view, size_t position);

// The display font of a view, for the order of its characters.
inline DisplayFont ViewDisplayFont(const ViewState& view) {
    return DisplayFont{view.fontSettings.FontAsciiBase, view.reverseOption};
}

// Status results of the layouts.
constexpr int kLayoutNoView = -1;
constexpr int kLayoutNoText = 2;
constexpr int kLayoutTextRefused = 0xFFFC;
constexpr int kLayoutOutOfMemory = 0xFFFE;
constexpr int kResizeBadSize = -5;
