// The Choose Article list for a screen reader: an outline whose items are
// the shown entries, each named by its title, open or closed when it is a
// heading, and focused when it is the keyboard's entry.
#include "dialogs/picker_focus.h"
#include "dialogs/picker_gdi.h"
#include "store/article_index.h"
#include "view/dpi_scale.h"

namespace {

// The shown entries of the window's list; none while it has no state.
std::vector<int> Entries(HWND window) {
    PickerState* state = WindowPicker(window);
    return state != nullptr ? ShownEntries(*state) : std::vector<int>{};
}

int EntryRow(HWND window, long item) {
    const std::vector<int> entries = Entries(window);
    return item >= 1 && static_cast<size_t>(item) <= entries.size() ? entries[item - 1] : -1;
}

long CountItems(HWND window) { return static_cast<long>(Entries(window).size()); }

std::u16string ItemName(HWND window, long item) {
    const int row = EntryRow(window, item);
    return row >= 0 ? EntryTitle(*WindowPicker(window), row) : std::u16string();
}

// The drawn rows of the entry with their icon place; empty when none is drawn.
RECT ItemArea(PickerState& state, int row) {
    RECT area{};
    const int end = EntryRowsEnd(state, row);
    for (const PickerLine& line : PlanPickerPaint(state)) {
        const PickerRow& drawn = state.rows[line.row];
        if (line.row < row || line.row >= end) continue;
        const RECT rowArea{drawn.x, line.y, drawn.x + drawn.width + ScaleForDpi(kPickerIconZone, state.dpi),
                           line.y + drawn.height};
        UnionRect(&area, &area, &rowArea);
    }
    return area;
}

long ItemState(HWND window, long item) {
    const int row = EntryRow(window, item);
    if (row < 0) return STATE_SYSTEM_UNAVAILABLE;
    PickerState& state = *WindowPicker(window);
    long bits = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
    if (row == FocusedRow(state)) bits |= STATE_SYSTEM_SELECTED | (GetFocus() == window ? STATE_SYSTEM_FOCUSED : 0);
    if (IsHeadingRowId(state.rows[row].id)) {
        bits |= (state.rows[row].attr & kIndexAttrExpanded) ? STATE_SYSTEM_EXPANDED : STATE_SYSTEM_COLLAPSED;
    }
    const RECT area = ItemArea(state, row);
    if (IsRectEmpty(&area)) bits |= STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN;
    return bits;
}

bool ItemRect(HWND window, long item, RECT& client) {
    const int row = EntryRow(window, item);
    if (row < 0) return false;
    client = ItemArea(*WindowPicker(window), row);
    return !IsRectEmpty(&client);
}

long ItemAt(HWND window, POINT client) {
    PickerState* state = WindowPicker(window);
    if (state == nullptr) return 0;
    const std::vector<int> entries = ShownEntries(*state);
    for (const PickerLine& line : PlanPickerPaint(*state)) {
        if (client.y < line.y || client.y >= line.y + state->rows[line.row].height) continue;
        // The entry is the last one that starts at or above the row.
        long item = 0;
        for (size_t i = 0; i < entries.size() && entries[i] <= line.row; ++i) item = static_cast<long>(i + 1);
        return item;
    }
    return 0;
}

long FocusedItem(HWND window) {
    PickerState* state = WindowPicker(window);
    return state != nullptr ? PickerFocusItem(*state) : 0;
}

constexpr AccessibleItems kItems{
    ROLE_SYSTEM_OUTLINEITEM, CountItems, ItemName, ItemState, ItemRect, ItemAt, FocusedItem,
};

}  // namespace

long PickerFocusItem(PickerState& state) {
    const int row = FocusedRow(state);
    const std::vector<int> entries = ShownEntries(state);
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i] == row) return static_cast<long>(i + 1);
    }
    return 0;
}

const AccessibleParts kPickerAccessible{ROLE_SYSTEM_OUTLINE, nullptr, nullptr, 0, nullptr, nullptr, &kItems};
