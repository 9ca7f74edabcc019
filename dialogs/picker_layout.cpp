// Laying the Article index out for the Choose Article window: each entry's
// title, right-aligned and indented by its level, broken at spaces into rows
// that fit the box. Titles are stored in visual order; they are fitted in
// reading order on a reversed copy and the rows point back at the stored bytes.
#include <algorithm>
#include <new>

#include "dialogs/picker_list.h"
#include "store/article_index.h"
#include "view/dpi_scale.h"
#include "view/layout.h"

namespace {

constexpr uint8_t kSpace = 0x20;
constexpr unsigned kFirstStyle = 1;

// The first entry must have a title, and every offset must fit 16 bits.
bool IsAcceptableIndex(const ArticleText& text) {
    if (text.size() > kMaxArticleTextSize) return false;
    size_t offset = 0;
    IndexRow first;
    return ReadIndexRow(text.data(), text.size(), offset, first) && first.titleLength > 0;
}

struct PickerPass {
    PickerState& state;
    LayoutMeasurer& measurer;
    const ArticleText& text;
    int rowHeight = 0;
    unsigned style = kFirstStyle;
    int row = 0;  // index of the next PickerRow
};

void StoreRow(PickerPass& pass, const IndexRow& entry, size_t position, int count, int width, int indent) {
    PickerState& state = pass.state;
    PickerRow& row = state.rows[pass.row++];
    row = PickerRow{};
    row.offset = static_cast<uint16_t>(position);
    row.count = static_cast<uint16_t>(count);
    row.x = static_cast<uint16_t>(std::clamp(state.left + state.width - indent - width, 0, 0xFFFF));
    row.width = static_cast<uint16_t>(width);
    row.height = static_cast<uint16_t>(pass.rowHeight);
    row.id = entry.id;
    row.attr = entry.attr;
    if (row.attr & kIndexAttrShown) ++state.shownCount;
}

int LayOutEntry(PickerPass& pass, const IndexRow& entry) {
    int indent = entry.level * ScaleForDpi(kPickerLevelIndent, pass.state.dpi);
    if (indent >= pass.state.width) indent = 0;
    const unsigned style = entry.attr & kIndexStyleMask;
    if (style != pass.style) {
        pass.rowHeight = pass.measurer.SelectStyle(style).rowHeight;
        pass.style = style;
    }
    const int length = static_cast<int>(entry.titleLength);
    std::vector<uint8_t> reading(std::make_reverse_iterator(entry.title + length),
                                 std::make_reverse_iterator(entry.title));
    reading.push_back(0);
    const size_t titlePos = static_cast<size_t>(entry.title - pass.text.data());
    int cursor = 0;
    for (;;) {
        while (cursor < length && reading[cursor] == kSpace) ++cursor;
        if (cursor == length) return 0;
        if (!EnsureRowRoom(pass.state.rows, pass.state.rowCapacity, pass.row)) return kLayoutOutOfMemory;
        const LineFit line = FitLine(LineMeasure{pass.measurer}, reading.data() + cursor, reading.data() + length,
                                     pass.state.width - indent, BreakAt::kSpaces, true);
        StoreRow(pass, entry, titlePos + length - cursor - line.count, line.count, line.width, indent);
        cursor += line.count;
    }
}

int LayOutEntries(PickerPass& pass) {
    const ArticleText& text = pass.text;
    size_t offset = 0;
    IndexRow entry;
    while (ReadIndexRow(text.data(), text.size(), offset, entry)) {
        const int result = LayOutEntry(pass, entry);
        if (result != 0) return result;
    }
    return 0;
}

}  // namespace

int LayoutPickerRows(PickerState& state, LayoutMeasurer& measurer, ArticleText&& text) {
    if (text.empty()) {
        state.shownCount = 0;
        state.maxTop = 0;
        return kLayoutNoText;
    }
    if (!IsAcceptableIndex(text)) return kLayoutTextRefused;
    state.shownCount = 0;
    state.maxTop = 0;
    PickerPass pass{state, measurer, text};
    int result = kLayoutOutOfMemory;
    try {
        if (EnsureRowRoom(state.rows, state.rowCapacity, 0)) {
            pass.rowHeight = measurer.SelectStyle(kFirstStyle).rowHeight;
            result = LayOutEntries(pass);
        }
    } catch (const std::bad_alloc&) {
        result = kLayoutOutOfMemory;
    }
    const bool ownText = &text == &state.text;
    // Rows into a text the state does not keep would point nowhere: none stay.
    if (result != 0 && !ownText) {
        pass.row = 0;
        state.shownCount = 0;
    }
    if (state.rows.size() > static_cast<size_t>(pass.row)) state.rows[pass.row] = PickerRow{};
    state.rowCount = static_cast<uint16_t>(state.rows.empty() ? 0 : pass.row);
    if (result == 0 && !ownText) state.text = std::move(text);
    ComputePickerMaxTop(state);
    return result;
}

int PickerRowIndent(const PickerState& state, const PickerRow& row) {
    return state.left + state.width - row.x - row.width;
}

int ComputePickerMaxTop(PickerState& state) {
    if (state.rowCount == 0 || state.shownCount == 0 || state.rows.size() <= state.rowCount) return -1;
    const int fit = RowsFittingAtBottom(state.rows, state.rowCount, state.height, [](const PickerRow& row) {
        return (row.attr & kIndexAttrShown) ? 1 : 0;
    });
    state.maxTop = static_cast<uint16_t>(std::max(state.shownCount - fit, 0));
    // A collapse can leave the list scrolled past its new end.
    state.topRow = std::min(state.topRow, state.maxTop);
    return state.maxTop;
}
