// The layout of an article into the rows of a view. Each paragraph record is
// placed by its alignment, edge offset and hanging indent, and broken into
// rows that fit the box: at a space, or after a hyphen, where a word would not
// fit. Right-to-left records are stored in visual order; they are fitted in
// reading order on a reversed copy and their rows point back at the stored
// bytes. Failures leave the view consistent: either its old rows, or none.
#include "view/layout.h"

#include "store/aliyah_table.h"
#include "store/article_records.h"
#include "view/line_breaker.h"

#include <algorithm>
#include <new>

namespace {

constexpr uint8_t kSpace = 0x20;
constexpr unsigned kFirstStyle = 1;
constexpr uint16_t kEdgeWithoutLevel = 0xFF3F;
constexpr int kMeasureAll = 0x7FFF;

// A text is laid out only when its first record has text or is a rule, and
// when every record's text ends with a zero inside the buffer, within reach of
// the 16-bit offsets.
bool IsAcceptable(const ArticleText& text) {
    if (text.size() > kMaxArticleTextSize || text.back() != 0) return false;
    ArticleRecord first;
    if (!ReadRecord(text, 0, first)) return false;
    return first.length > 0 || IsRuleRecord(first.attr);
}

// The state carried from record to record.
struct LayoutPass {
    ViewState& view;
    LayoutMeasurer& measurer;
    const ArticleText& text;
    StyleMetrics metrics;
    unsigned style = kFirstStyle;
    int row = 0;             // index of the next ViewRow
    uint16_t edge = 0;       // running edge offset; 16-bit, so a step below 0 wraps and is dropped as too wide
    int hang = 0;            // hanging indent of the next row
    int previousLayout = 0;  // layout byte of the previous record
};

// One text record being broken into rows.
struct Paragraph {
    const uint8_t* work;  // the text in reading order, followed by a zero
    size_t length;
    size_t storedPos;     // position of the stored text in the article
    uint8_t attr;
    bool rightToLeft;
};

void ClearLayoutCounts(ViewState& view) {
    view.totalRows = 0;
    view.maxRow = 0;
    view.highlightStart = 0;
    view.highlightEnd = 0;
}

// The selection is a run of verses of the text, not of rows: it outlives a
// new layout of the same text and goes with the text, as do the ranges shown
// at another level and the practice word.
void ClearSelection(ViewState& view) {
    view.selection = VerseSelection{};
    view.selectedSpans.clear();
    view.levelSpans.clear();
    view.practiceWord = TextSpan{};
}

// After a failure the rows no longer match any text: the view is left without
// rows, so that nothing reads the text through them.
void DropRows(ViewState& view) {
    view.rowCount = 0;
    view.totalRows = 0;
    view.maxRow = 0;
    if (view.rows.size() < view.rowCapacity + 1u) {
        view.rows.clear();
        view.rowCapacity = 0;
    } else {
        view.rows[0] = ViewRow{};
    }
}

// x of a row width wide in a box from boxLeft, boxWidth wide.
int AlignedX(int boxLeft, int boxWidth, uint8_t attr, int edge, int edgeWithIndent, int width) {
    switch (attr & kAttrAlignMask) {
    case kAttrAlignRight: return boxLeft + boxWidth - edgeWithIndent - width;
    case kAttrAlignCenter: return boxLeft + edge + (boxWidth - edgeWithIndent - width) / 2;
    default: return boxLeft + edgeWithIndent;
    }
}

int RuleLength(uint8_t layout, int viewWidth) {
    int length = layout <= 160 ? layout : (layout - 160) * viewWidth * 2 / 100;
    return std::clamp(length, 0, std::max(viewWidth, 0));
}

int EnsureRowRoom(LayoutPass& pass) {
    if (pass.row < pass.view.rowCapacity) return 0;
    return GrowRows(pass.view, pass.row);
}

int LayOutRule(LayoutPass& pass, const ArticleRecord& record) {
    if (record.layout == 0) return 0;
    if (EnsureRowRoom(pass) != 0) return kLayoutOutOfMemory;
    const ViewState& view = pass.view;
    const int length = RuleLength(record.layout, view.width);
    const int x = AlignedX(view.left, view.width, record.attr, 0, 0, length);
    ViewRow& row = pass.view.rows[pass.row++];
    row = ViewRow{};
    row.offset = static_cast<uint16_t>(record.textPos);
    row.x = static_cast<int16_t>(x);
    row.width = static_cast<uint16_t>(length);
    row.height = static_cast<uint16_t>(pass.metrics.rowHeight);
    row.attr = record.attr;
    if (record.attr & kAttrParagraphGap) ++pass.view.totalRows;
    return 0;
}

// The box that text rows fill: the view's, less the room its font's marks
// need beyond the letters at either edge and the aliyot's margin (at least
// one pixel wide).
int TextLeft(const LayoutPass& pass) { return pass.view.left + pass.metrics.leftRoom; }
int TextWidth(const LayoutPass& pass) {
    const int room = pass.metrics.leftRoom + pass.metrics.rightRoom + pass.view.marginWidth;
    return std::max(pass.view.width - room, std::min(pass.view.width, 1));
}

// The aliyot's margin: the widest name in the running head's style and half
// its widest letter between it and the text; none while it is not wanted.
int MarginWidth(const ViewState& view, LayoutMeasurer& measurer) {
    if (!view.aliyahMargin) return 0;
    const StyleMetrics metrics = measurer.SelectStyle(kRunningHeadStyle);
    int widest = 0;
    for (int number = 1; number <= kMaftirNumber; ++number) {
        const std::vector<uint8_t> codes = PlainTextCodes(AliyahHebrewName(number));
        int width = kMeasureAll;
        int count = static_cast<int>(codes.size());
        FitByWidthTable(metrics.widths, codes.data(), width, count);
        widest = std::max(widest, width);
    }
    return widest + metrics.maxCharWidth / 2;
}

void AddRow(LayoutPass& pass, const Paragraph& para, const uint8_t* first, const uint8_t* fitStart, int count,
            int width) {
    const int edgeWithIndent = pass.edge + pass.hang;
    // A right-to-left row points at its bytes in storage: the fitted run of the
    // reading-order copy, mirrored.
    const size_t offset = para.rightToLeft ? para.storedPos + para.length - (fitStart - para.work) - count
                                           : para.storedPos + (first - para.work);
    ViewRow& row = pass.view.rows[pass.row];
    row = ViewRow{};
    row.offset = static_cast<uint16_t>(offset);
    row.count = static_cast<uint16_t>(count);
    row.x = static_cast<int16_t>(AlignedX(TextLeft(pass), TextWidth(pass), para.attr, pass.edge, edgeWithIndent, width));
    row.indent = static_cast<uint16_t>(pass.hang);
    row.width = static_cast<uint16_t>(width);
    row.height = static_cast<uint16_t>(pass.metrics.rowHeight);
    // The following rows of the record line up under the text after the first word.
    pass.edge = static_cast<uint16_t>(edgeWithIndent);
}

// Only the record's last row, after which nothing but spaces remains, keeps
// the paragraph gap; a record ending in spaces keeps it too.
void EndRow(LayoutPass& pass, const Paragraph& para, const uint8_t* rest) {
    const uint8_t* end = para.work + para.length;
    const bool last = std::all_of(rest, end, [](uint8_t code) { return code == kSpace; });
    pass.view.rows[pass.row].attr = last ? para.attr : static_cast<uint8_t>(para.attr & ~kAttrParagraphGap);
    if (last && (para.attr & kAttrParagraphGap)) ++pass.view.totalRows;
    ++pass.row;
}

// Lays out one row starting at p (not a space); returns the bytes it took.
size_t LayOutRow(LayoutPass& pass, const Paragraph& para, const uint8_t* p) {
    const uint8_t* end = para.work + para.length;
    const uint8_t* fitStart = p;
    int available = TextWidth(pass) - pass.edge;
    if (pass.hang > 0) {
        // The first word and its spaces are set apart in the indent.
        while (fitStart < end && *fitStart != kSpace) ++fitStart;
        while (fitStart < end && *fitStart == kSpace) ++fitStart;
        available = std::max(available - pass.hang, 0);
    }
    const size_t wordLength = fitStart - p;
    const LineMeasure measure{pass.measurer, para.rightToLeft ? pass.metrics.widths : nullptr};
    // A box narrower than a letter still takes one, unless the row holds a first word already.
    // A heading is a reference; its numbers stay in their pairs.
    const BreakAt breakAt = para.attr == kAttrSectionHeading ? BreakAt::kReference : BreakAt::kSpacesAndHyphens;
    const LineFit line = FitLine(measure, fitStart, end, available, breakAt, wordLength == 0);
    AddRow(pass, para, p, fitStart, line.count, line.width);
    pass.hang = 0;
    const size_t taken = wordLength + line.count;
    EndRow(pass, para, p + taken);
    return taken;
}

int LayOutParagraph(LayoutPass& pass, const Paragraph& para) {
    const uint8_t* p = para.work;
    const uint8_t* end = para.work + para.length;
    for (;;) {
        // Leading spaces are skipped, so trailing spaces make no row of their own.
        while (p < end && *p == kSpace) ++p;
        if (p == end) return 0;
        if (EnsureRowRoom(pass) != 0) return kLayoutOutOfMemory;
        p += LayOutRow(pass, para, p);
    }
}

int LayOutTextRecord(LayoutPass& pass, const ArticleRecord& record, int level) {
    const unsigned style = record.attr & kStyleKeyMask;
    if (style != pass.style) {
        pass.metrics = pass.measurer.SelectStyle(style);
        pass.style = style;
    }
    // Cleared for every record, so that a hanging record without rows does not
    // hand its indent on to the next one.
    pass.hang = 0;
    if (level > 0) {
        pass.edge &= kEdgeWithoutLevel;
        pass.hang = (level + 1) * pass.metrics.maxCharWidth / 2;
    }
    if (pass.edge >= TextWidth(pass)) pass.edge = 0;
    if (record.length == 0) return 0;
    const uint8_t* stored = pass.text.data() + record.textPos;
    Paragraph para{stored, record.length, record.textPos, record.attr, (record.attr & kAttrRightToLeft) != 0};
    std::vector<uint8_t> reversed;
    if (para.rightToLeft) {
        reversed.assign(std::make_reverse_iterator(stored + record.length), std::make_reverse_iterator(stored));
        reversed.push_back(0);
        para.work = reversed.data();
    }
    return LayOutParagraph(pass, para);
}

int LayOutRecords(LayoutPass& pass) {
    ArticleRecord record;
    for (size_t pos = 0; ReadRecord(pass.text, pos, record); pos = record.next) {
        int level = record.layout >> kLayoutLevelShift;
        const bool continuation =
            level > 0 && record.length > 0 && pass.text[record.textPos] == kSpace && pass.row > 0;
        if (continuation) {
            // Continues the previous record's hanging layout, moved by the
            // difference between the two edge offsets.
            const int now = record.layout & kLayoutEdgeOffsetMask;
            const int before = pass.previousLayout & kLayoutEdgeOffsetMask;
            if (now != before) pass.edge = static_cast<uint16_t>(pass.edge + now - before);
            level = 0;
        } else {
            pass.edge = record.layout;
        }
        pass.previousLayout = record.layout;
        const int result = IsRuleRecord(record.attr) ? LayOutRule(pass, record) : LayOutTextRecord(pass, record, level);
        if (result != 0) return result;
    }
    return 0;
}

void FinishRows(ViewState& view, int rowCount) {
    view.rows[rowCount] = ViewRow{};
    view.totalRows = static_cast<uint16_t>(view.totalRows + rowCount);
    view.rowCount = static_cast<uint16_t>(rowCount);
    // The article's last row is followed by no gap.
    if (rowCount > 0 && (view.rows[rowCount - 1].attr & kAttrParagraphGap)) {
        --view.totalRows;
        view.rows[rowCount - 1].attr &= static_cast<uint8_t>(~kAttrParagraphGap);
    }
}

// Breaks an accepted text into the view's rows. On failure the view has no rows.
int LayOutText(ViewState& view, LayoutMeasurer& measurer, const ArticleText& text) {
    int result = kLayoutOutOfMemory;
    try {
        if (view.rowCapacity == 0 || view.rows.size() < view.rowCapacity + 1u) {
            view.rows.assign(kRowGrowth + 1, ViewRow{});
            view.rowCapacity = kRowGrowth;
        }
        view.headHeight = view.runningHead ? measurer.SelectStyle(kRunningHeadStyle).rowHeight : 0;
        view.marginWidth = MarginWidth(view, measurer);
        LayoutPass pass{view, measurer, text, measurer.SelectStyle(kFirstStyle)};
        result = LayOutRecords(pass);
        if (result == 0) FinishRows(view, pass.row);
    } catch (const std::bad_alloc&) {
        result = kLayoutOutOfMemory;
    }
    if (result != 0) DropRows(view);
    return result;
}

}  // namespace

int LayoutArticle(ViewState* view, LayoutMeasurer& measurer, ArticleText&& text, bool release) {
    if (view == nullptr) return kLayoutNoView;
    if (&text == &view->text) return LayoutViewText(view, measurer);
    ClearLayoutCounts(*view);
    if (text.empty()) {
        if (release) {
            ArticleText().swap(view->text);
            ClearSelection(*view);
        }
        return kLayoutNoText;
    }
    if (!IsAcceptable(text)) return kLayoutTextRefused;
    if (release) {
        ArticleText().swap(view->text);
        ClearSelection(*view);
    }
    const int result = LayOutText(*view, measurer, text);
    if (result != 0) return result;
    ClearSelection(*view);
    view->text = std::move(text);
    ComputeMaxRow(view);
    return 0;
}

int ReplaceArticle(ViewState* view, LayoutMeasurer& measurer, ArticleText&& text) {
    if (view == nullptr) return kLayoutNoView;
    const int result = LayoutArticle(view, measurer, std::move(text), false);
    if (result != 0 && !view->text.empty()) LayoutViewText(view, measurer);
    return result;
}

int LayoutViewText(ViewState* view, LayoutMeasurer& measurer) {
    if (view == nullptr) return kLayoutNoView;
    ClearLayoutCounts(*view);
    if (view->text.empty()) return kLayoutNoText;
    if (!IsAcceptable(view->text)) return kLayoutTextRefused;
    const int result = LayOutText(*view, measurer, view->text);
    if (result == 0) ComputeMaxRow(view);
    return result;
}

int ResizeView(ViewState* view, LayoutMeasurer& measurer, int width, int height) {
    if (view == nullptr) return kLayoutNoView;
    if (width <= 0 || height <= 0) return kResizeBadSize;
    view->width = width;
    view->height = height;
    return LayoutViewText(view, measurer);
}

int ComputeMaxRow(ViewState* view) {
    if (view == nullptr) return -1;
    if (view->rows.size() <= view->rowCount || view->rowCount == 0 || view->totalRows == 0) {
        view->maxRow = 0;
        return -1;
    }
    const int rowsHeight = view->height - view->headHeight;
    const int fitting = RowsFittingAtBottom(view->rows, view->rowCount, rowsHeight, [](const ViewRow& row) {
        return (row.attr & kAttrParagraphGap) ? 2 : 1;
    });
    view->maxRow = static_cast<uint16_t>(view->totalRows - fitting);
    return view->maxRow;
}

int GrowRows(ViewState& view, int index) {
    if (EnsureRowRoom(view.rows, view.rowCapacity, view.rowCapacity)) return 0;
    if (index >= 0 && static_cast<size_t>(index) < view.rows.size()) view.rows[index] = ViewRow{};
    return kLayoutOutOfMemory;
}

int TopRowTextOffset(const ViewState& view) {
    const size_t rowCount = std::min<size_t>(view.rowCount, view.rows.size());
    int number = 0;
    for (size_t index = 0; index < rowCount; ++index) {
        const ViewRow& row = view.rows[index];
        if (number >= view.topRow) {
            // A right-to-left row's bytes are stored in visual order: its
            // reading starts at the last of them.
            const bool mirrored = (row.attr & kAttrRightToLeft) != 0 && row.count > 0;
            return mirrored ? row.offset + row.count - 1 : row.offset;
        }
        number += (row.attr & kAttrParagraphGap) ? 2 : 1;
    }
    return -1;
}

int FindRowForOffset(ViewState& view, unsigned offset) {
    const size_t rowCount = std::min<size_t>(view.rowCount, view.rows.size());
    int number = 0;
    for (size_t index = 0; index < rowCount; ++index) {
        const ViewRow& row = view.rows[index];
        if (row.offset <= offset && offset <= static_cast<unsigned>(row.offset + row.count)) {
            view.topRow = static_cast<uint16_t>(std::min<int>(number, view.maxRow));
            return 1;
        }
        number += (row.attr & kAttrParagraphGap) ? 2 : 1;
    }
    return 0;
}
