// The focused entry of the Choose Article list and the keys that move it.
// The focus is kept as the entry's place among all entries, which a new
// layout of the same index keeps, while rows are laid out anew.
#include "dialogs/picker_focus.h"

#include <algorithm>

#include "store/article_index.h"
#include "view/input_map.h"

namespace {

bool IsShown(const PickerRow& row) { return (row.attr & kIndexAttrShown) != 0; }
bool IsEntryStart(const PickerState& state, int row) { return row == 0 || state.rows[row].id != state.rows[row - 1].id; }

int EntryOrdinal(const PickerState& state, int row) {
    int ordinal = -1;
    for (int i = 0; i <= row && i < state.rowCount; ++i) ordinal += IsEntryStart(state, i) ? 1 : 0;
    return ordinal;
}

int EntryStart(const PickerState& state, int ordinal) {
    for (int i = 0, seen = -1; i < state.rowCount; ++i) {
        if (IsEntryStart(state, i) && ++seen == ordinal) return i;
    }
    return -1;
}

bool IsOpenHeading(const PickerState& state, int row) {
    return IsHeadingRowId(state.rows[row].id) && (state.rows[row].attr & kIndexAttrExpanded) != 0;
}

// Scrolls the least that shows every row of the entry, its first row first.
void ScrollToEntry(PickerState& state, int row) {
    int shownAbove = 0;
    for (int i = 0; i < row; ++i) shownAbove += IsShown(state.rows[i]) ? 1 : 0;
    if (shownAbove < state.topRow) {
        state.topRow = static_cast<uint16_t>(shownAbove);
        return;
    }
    const int last = EntryRowsEnd(state, row) - 1;
    const auto drawn = [&] {
        const std::vector<PickerLine> lines = PlanPickerPaint(state);
        return std::any_of(lines.begin(), lines.end(), [&](const PickerLine& line) { return line.row == last; });
    };
    while (state.topRow < state.maxTop && state.topRow < shownAbove && !drawn()) ++state.topRow;
}

// The heading above the entry whose children it is; -1 for none.
int ParentHeading(const PickerState& state, const std::vector<int>& entries, size_t at) {
    const int indent = PickerRowIndent(state, state.rows[entries[at]]);
    for (size_t i = at; i-- > 0;) {
        const PickerRow& row = state.rows[entries[i]];
        if (PickerRowIndent(state, row) < indent) return IsHeadingRowId(row.id) ? entries[i] : -1;
    }
    return -1;
}

size_t StepTo(const PickerState& state, const std::vector<int>& entries, size_t at, int key) {
    const size_t last = entries.size() - 1;
    const size_t page = static_cast<size_t>(std::max(1, state.rowsDrawn - 1));
    switch (key) {
    case kKeyUp: return at > 0 ? at - 1 : at;
    case kKeyDown: return std::min(last, at + 1);
    case kKeyPageUp: return at - std::min(at, page);
    case kKeyPageDown: return std::min(last, at + page);
    case kKeyHome: return 0;
    case kKeyEnd: return last;
    }
    return at;
}

}  // namespace

int EntryRowsEnd(const PickerState& state, int row) {
    int end = row + 1;
    while (end < state.rowCount && !IsEntryStart(state, end)) ++end;
    return end;
}

std::vector<int> ShownEntries(const PickerState& state) {
    std::vector<int> entries;
    for (int i = 0; i < state.rowCount; ++i) {
        if (IsEntryStart(state, i) && IsShown(state.rows[i])) entries.push_back(i);
    }
    return entries;
}

void FocusArticle(PickerState& state, unsigned article) {
    for (int row : ShownEntries(state)) {
        if (!IsHeadingRowId(state.rows[row].id) && ArticleOfRowId(state.rows[row].id) == article) {
            state.focusEntry = EntryOrdinal(state, row);
            return;
        }
    }
    state.focusEntry = -1;
    FocusedRow(state);
}

int FocusedRow(PickerState& state) {
    const std::vector<int> entries = ShownEntries(state);
    if (entries.empty()) return -1;
    const int focused = state.focusEntry >= 0 ? EntryStart(state, state.focusEntry) : -1;
    int row = entries.front();
    for (int entry : entries) {
        if (entry <= focused) row = entry;
    }
    state.focusEntry = EntryOrdinal(state, row);
    return row;
}

PickerKeyResult PressPickerKey(PickerState& state, int virtualKey) {
    const int row = FocusedRow(state);
    if (row < 0) return {};
    const std::vector<int> entries = ShownEntries(state);
    const size_t at = static_cast<size_t>(std::find(entries.begin(), entries.end(), row) - entries.begin());
    const bool heading = IsHeadingRowId(state.rows[row].id);
    const bool open = IsOpenHeading(state, row);
    int target = entries[StepTo(state, entries, at, virtualKey)];
    if (virtualKey == kKeyEnter && !heading) return {false, ArticleOfRowId(state.rows[row].id)};
    const bool toggles = heading && (virtualKey == kKeyEnter || virtualKey == kKeySpace ||
                                     (virtualKey == kKeyRight && !open) || (virtualKey == kKeyLeft && open));
    if (toggles) {
        ToggleHeading(state, row);
        ScrollToEntry(state, row);
        return {true, 0};
    }
    if (virtualKey == kKeyRight && open && at + 1 < entries.size()) target = entries[at + 1];
    if (virtualKey == kKeyLeft) target = ParentHeading(state, entries, at);
    if (target < 0 || target == row) return {};
    state.focusEntry = EntryOrdinal(state, target);
    ScrollToEntry(state, target);
    return {true, 0};
}

std::u16string EntryTitle(const PickerState& state, int row) {
    if (row < 0 || row >= state.rowCount) return {};
    const int end = EntryRowsEnd(state, row);
    size_t first = state.rows[row].offset, last = first;
    for (int i = row; i < end; ++i) {
        first = std::min<size_t>(first, state.rows[i].offset);
        last = std::max<size_t>(last, size_t{state.rows[i].offset} + state.rows[i].count);
    }
    if (last > state.text.size()) return {};
    return IndexTitleText(state.text.data() + first, last - first);
}
