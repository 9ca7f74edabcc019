// Reading and working the Choose Font dialog's controls with messages, as a
// user's clicks would; works across processes too.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

std::vector<std::wstring> ListRows(HWND dialog, int list);
// The selected row's text, empty when nothing is selected.
std::wstring SelectedRow(HWND dialog, int list);
// Selects the row with exactly this text and notifies the dialog of the new
// selection. False when there is no such row.
bool ChooseRow(HWND dialog, int list, const std::wstring& text);
// A list's notification without a change (focus gained or lost).
void NotifyList(HWND dialog, int list, int code);
void ClickButton(HWND dialog, int button);
bool IsChecked(HWND dialog, int button);
std::wstring PreviewText(HWND dialog);
// The preview field's font, or an all-zero one when it has none of its own.
LOGFONTW PreviewFont(HWND dialog);
// The face the platform draws the preview in (this process's dialogs only).
std::wstring PreviewFaceDrawn(HWND dialog);
// The letters from first up to first + 26.
std::wstring LettersUpFrom(wchar_t first);
// The preview's letters in reading order: its lines one after another, each
// turned round unless the platform lays it out right to left itself.
std::wstring PreviewInReadingOrder(HWND dialog, bool platformReorders);
