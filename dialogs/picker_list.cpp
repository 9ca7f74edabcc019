// What the Choose Article window does with its laid-out rows: revealing the
// current article, opening and closing headings, carrying the open entries
// across a new layout, hit testing, scrolling and the rows a paint draws. All
// of it walks the row array without measuring.
#include <algorithm>

#include "view/dpi_scale.h"
#include "view/input_map.h"
#include "dialogs/picker_list.h"
#include "store/article_index.h"

namespace {

constexpr uint8_t kShownAndExpanded = kIndexAttrShown | kIndexAttrExpanded;

bool IsShown(const PickerRow& row) { return (row.attr & kIndexAttrShown) != 0; }

// Index of the first row after those scrolled off above the box.
int FirstRowBelowTop(const PickerState& state) {
    int index = 0;
    for (int passed = 0; index < state.rowCount && passed < state.topRow; ++index) {
        if (IsShown(state.rows[index])) ++passed;
    }
    return index;
}

// Rows [first, end) of the entry that holds row index.
void EntryRows(const PickerState& state, int index, int& first, int& end) {
    const uint16_t id = state.rows[index].id;
    first = index;
    while (first > 0 && state.rows[first - 1].id == id) --first;
    end = index;
    while (end < state.rowCount && state.rows[end].id == id) ++end;
}

bool HasRows(const PickerState& state) {
    return state.rowCount > 0 && state.rows.size() > state.rowCount && !state.text.empty();
}

void MarkEntryOpen(PickerState& state, int row) {
    int first = 0, end = 0;
    EntryRows(state, row, first, end);
    for (int i = first; i < end; ++i) state.rows[i].attr |= kIndexAttrExpanded;
}

}  // namespace

void ShowEntryRows(PickerState& state, int row, int direction) {
    if (row < 0 || row >= state.rowCount) return;
    const uint16_t id = state.rows[row].id;
    for (int i = row; i >= 0 && i < state.rowCount && state.rows[i].attr != 0 && state.rows[i].id == id;
         i += direction) {
        PickerRow& r = state.rows[i];
        if (IsShown(r)) continue;
        r.attr |= kIndexAttrShown;
        ++state.shownCount;
        // Its children are hidden, so its box must show a plus.
        if (IsHeadingRowId(id)) r.attr &= static_cast<uint8_t>(~kIndexAttrExpanded);
    }
}

void RevealArticle(PickerState& state, unsigned article) {
    if (article == 0 || state.rowCount == 0 || state.rows.size() <= state.rowCount) return;
    int found = 0;
    while (found < state.rowCount &&
           (ArticleOfRowId(state.rows[found].id) != article || IsHeadingRowId(state.rows[found].id))) {
        ++found;
    }
    if (found == state.rowCount || IsShown(state.rows[found])) return;
    ShowEntryRows(state, found, +1);
    int first = 0, next = 0;
    EntryRows(state, found, first, next);
    ShowEntryRows(state, next, +1);
    int smallest = PickerRowIndent(state, state.rows[found]);
    for (int i = found - 1; i >= 0; --i) {
        const int indent = PickerRowIndent(state, state.rows[i]);
        if (indent >= smallest) continue;
        smallest = indent;
        ShowEntryRows(state, i, -1);
        // Rows under it are shown now: its box shows a minus, and a click closes it.
        if (IsHeadingRowId(state.rows[i].id)) MarkEntryOpen(state, i);
    }
    ComputePickerMaxTop(state);
}

int ToggleHeading(PickerState& state, int row) {
    if (row < 0 || row >= state.rowCount) return 0;
    PickerRow& heading = state.rows[row];
    const bool wasOpen = (heading.attr & kIndexAttrExpanded) != 0;
    int first = 0, end = 0;
    EntryRows(state, row, first, end);
    // Every row of a title that needs several rows carries the same box state.
    for (int i = first; i < end; ++i) {
        uint8_t& attr = state.rows[i].attr;
        attr = wasOpen ? static_cast<uint8_t>(attr & ~kIndexAttrExpanded) : static_cast<uint8_t>(attr | kIndexAttrExpanded);
    }
    const int shownBefore = state.shownCount;
    // Only rows indented deeper than the heading are its children.
    const int childIndent = end < state.rowCount ? PickerRowIndent(state, state.rows[end]) : 0;
    if (end < state.rowCount && childIndent > PickerRowIndent(state, heading)) {
        for (int i = end; i < state.rowCount; ++i) {
            PickerRow& r = state.rows[i];
            const int indent = PickerRowIndent(state, r);
            if (indent < childIndent) break;
            if (wasOpen && IsShown(r)) {
                r.attr &= static_cast<uint8_t>(~kShownAndExpanded);
                --state.shownCount;
            } else if (!wasOpen && indent == childIndent && !IsShown(r)) {
                r.attr |= kIndexAttrShown;
                ++state.shownCount;
            }
        }
    }
    if (state.shownCount != shownBefore) ComputePickerMaxTop(state);
    return -static_cast<int>(ArticleOfRowId(heading.id));
}

int HitTestPicker(PickerState& state, int x, int y, bool* toggled) {
    if (toggled != nullptr) *toggled = false;
    if (!HasRows(state)) return 0;
    if (x < state.left || x > state.left + state.width || y < state.top || y > state.top + state.height) return 0;
    int bottom = state.top;
    int free = state.height;
    int hit = -1;
    for (int i = FirstRowBelowTop(state); i < state.rowCount && hit < 0; ++i) {
        const PickerRow& r = state.rows[i];
        if (free < r.height) break;
        if (!IsShown(r)) continue;
        bottom += r.height;
        free -= r.height;
        if (y <= bottom) hit = i;
    }
    if (hit < 0) return -1;
    const PickerRow& r = state.rows[hit];
    const bool onText = r.x <= x && x <= r.x + r.width + ScaleForDpi(kPickerIconZone, state.dpi);
    if (onText && IsArticleRowId(r.id)) return static_cast<int>(ArticleOfRowId(r.id));
    // A heading opens from its text, its icon, or anywhere right of them.
    if (!IsHeadingRowId(r.id) || (!onText && x <= r.x + r.width)) return 0;
    if (toggled != nullptr) *toggled = true;
    return ToggleHeading(state, hit);
}

std::vector<ExpansionEntry> SaveExpansion(const PickerState& state) {
    std::vector<ExpansionEntry> snapshot;
    if (state.shownCount == 0) return snapshot;
    for (int i = 0; i < state.rowCount; ++i) {
        const PickerRow& r = state.rows[i];
        if (i == 0 || r.id != state.rows[i - 1].id) {
            snapshot.push_back({r.id, static_cast<uint8_t>(r.attr & kShownAndExpanded)});
        }
    }
    return snapshot;
}

void RestoreExpansion(PickerState& state, const std::vector<ExpansionEntry>& snapshot) {
    size_t entry = 0;
    bool matching = true;
    for (int i = 0; i < state.rowCount && matching && !snapshot.empty(); ++i) {
        PickerRow& r = state.rows[i];
        if (i > 0 && r.id != state.rows[i - 1].id) ++entry;
        matching = entry < snapshot.size() && snapshot[entry].id == r.id;
        if (matching) r.attr = static_cast<uint8_t>((r.attr & ~kShownAndExpanded) | snapshot[entry].bits);
    }
    state.shownCount = static_cast<uint16_t>(
        std::count_if(state.rows.begin(), state.rows.begin() + state.rowCount, IsShown));
    ComputePickerMaxTop(state);
}

bool ScrollPicker(PickerState& state, int delta) {
    const int wanted = std::clamp(state.topRow + delta, 0, static_cast<int>(state.maxTop));
    if (wanted == state.topRow) return false;
    state.topRow = static_cast<uint16_t>(wanted);
    return true;
}

int PickerKeyDelta(int virtualKey, int topRow, int maxTop) {
    switch (virtualKey) {
    case kKeyPageUp: return -1;
    case kKeyPageDown: return 1;
    case kKeyHome: return topRow != 0 ? -topRow : -1;
    case kKeyEnd: return maxTop;
    case kKeyUp: return -1;
    case kKeyDown: return 1;
    }
    return 0;
}

int PickerScrollBarDelta(int code, int position, int topRow, int rowsDrawn) {
    switch (code) {
    case 0: return -1;                   // SB_LINEUP
    case 1: return 1;                    // SB_LINEDOWN
    case 2: return -rowsDrawn;           // SB_PAGEUP
    case 3: return rowsDrawn;            // SB_PAGEDOWN
    case 4:                              // SB_THUMBPOSITION
    case 5: return position - topRow;    // SB_THUMBTRACK
    case 6: return -topRow;              // SB_TOP
    case 7: return 1;                    // SB_BOTTOM
    }
    return 0;
}

std::vector<PickerLine> PlanPickerPaint(PickerState& state) {
    std::vector<PickerLine> lines;
    state.rowsDrawn = 0;
    if (!HasRows(state)) return lines;
    if (state.topRow > state.shownCount) state.topRow = state.maxTop;
    int y = state.top;
    int free = state.height;
    uint16_t lastId = 0;
    for (int i = FirstRowBelowTop(state); i < state.rowCount && free >= state.rows[i].height; ++i) {
        const PickerRow& r = state.rows[i];
        if (!IsShown(r)) continue;
        lines.push_back({i, y, r.id != lastId});
        lastId = r.id;
        y += r.height;
        free -= r.height;
        ++state.rowsDrawn;
    }
    return lines;
}
