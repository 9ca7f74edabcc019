// The keyboard's place in the Choose Article list: one focused entry, which
// the arrows move among the shown entries, Right and Left open and close
// (or step into and out of) headings, Space opens and closes a heading, and
// Enter chooses an article; the list scrolls to keep it in sight. The shown
// entries are also the list's items for a screen reader.
#pragma once

#include <string>
#include <vector>

#include "dialogs/picker_list.h"

// The first row of each shown entry, in list order.
std::vector<int> ShownEntries(const PickerState& state);

// Focuses the first shown entry of an article (the current one, which the
// opening revealed), else the first shown entry.
void FocusArticle(PickerState& state, unsigned article);

// The first row of the focused entry among the shown ones; a focused entry
// that a closed heading hid gives way to the nearest shown entry above it.
// -1 when no entry is shown.
int FocusedRow(PickerState& state);

// A key (virtual key code) on the list. moved: the focus or the open
// headings changed and the list is to be painted again; chosen: the article
// Enter chose (0 for none).
struct PickerKeyResult {
    bool moved = false;
    unsigned chosen = 0;
};
PickerKeyResult PressPickerKey(PickerState& state, int virtualKey);

// The end (one past the last row) of the entry whose first row is row.
int EntryRowsEnd(const PickerState& state, int row);

// The title of the entry whose first row is row, as Unicode Hebrew in
// reading order.
std::u16string EntryTitle(const PickerState& state, int row);

// Virtual keys of the list besides those of the Reading view.
constexpr int kKeySpace = 32;
