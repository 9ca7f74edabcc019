// Laying the Article index out for the Choose Section window: each entry's
// title, right-aligned and indented by its level, broken at spaces into rows
// that fit the box. Titles are stored in visual order; they are fitted in
// reading order on a reversed copy and the rows point back at the stored bytes.
#include <algorithm>
#include <new>

#include "dialogs/picker_list.h"
#include "store/article_index.h"
#include "view/layout.h"

namespace {

constexpr uint8_t kSpace = 0x20;
constexpr int kFitAll = 0x7FFF;
constexpr unsigned kFirstStyle = 1;
// The row counters are 16-bit: the array never holds more rows than they count.
constexpr int kMaxPickerRows = 0xFFFF;

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

int EnsureRowRoom(PickerState& state, int row) {
    if (row < state.rowCapacity && state.rows.size() > static_cast<size_t>(row) + 1) return 0;
    const int capacity = std::min(state.rowCapacity + kPickerRowGrowth, kMaxPickerRows);
    if (capacity <= row) return kLayoutOutOfMemory;
    state.rows.resize(static_cast<size_t>(capacity) + 1);
    state.rowCapacity = static_cast<uint16_t>(capacity);
    return 0;
}

// Fits a row from start (not a space), remaining bytes long. A word the width
// cuts moves whole to the next row when a space inside the fitted bytes
// allows; a row that would take nothing takes one code with its points, so
// that any width makes progress.
void FitPickerRow(LayoutMeasurer& measurer, const uint8_t* start, int remaining, int available, int& width,
                  int& count) {
    count = remaining;
    width = std::max(available, 0);
    measurer.FitLeftToRight(start, width, count);
    if (count < remaining && start[count] != kSpace) {
        int k = count - 1;
        while (k >= 1 && start[k] != kSpace) --k;
        if (k >= 1) {
            count = k;
            measurer.FitLeftToRight(start, width, count);
        }
    }
    if (count > 0) return;
    int taken = 1;
    while (taken < remaining && IsVowelPointCode(start[taken])) ++taken;
    count = taken;
    width = kFitAll;
    measurer.FitLeftToRight(start, width, count);
    count = taken;
}

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
    int indent = entry.level * kPickerLevelIndent;
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
        if (EnsureRowRoom(pass.state, pass.row) != 0) return kLayoutOutOfMemory;
        int width = 0, count = 0;
        FitPickerRow(pass.measurer, reading.data() + cursor, length - cursor, pass.state.width - indent, width, count);
        StoreRow(pass, entry, titlePos + length - cursor - count, count, width, indent);
        cursor += count;
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
        if (EnsureRowRoom(state, 0) == 0) {
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
    int free = static_cast<int16_t>(state.height);
    int fit = 0;
    for (int index = state.rowCount - 1; index >= 0; --index) {
        const PickerRow& row = state.rows[index];
        if (row.height > free) break;
        if (row.attr & kIndexAttrShown) {
            free -= row.height;
            ++fit;
        }
    }
    if (free < 0) --fit;
    state.maxTop = static_cast<uint16_t>(std::max(state.shownCount - fit, 0));
    // A collapse can leave the list scrolled past its new end.
    state.topRow = std::min(state.topRow, state.maxTop);
    return state.maxTop;
}
