// The main window: its procedure, the command dispatcher and the check marks
// of the menu.
#pragma once

#include <windows.h>

// "Velmora": the class, by which the window is found, and the title until an
// article is shown (then the title names it).
extern const wchar_t kMainClassName[];

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// 0 when the command was handled, 1 otherwise.
int DispatchCommand(HWND window, int command);

// In set mode the item becomes checked exactly when value is non-zero;
// otherwise its check is toggled. Returns the new state, 1 or 0.
int UpdateMenuCheck(HMENU menu, bool setMode, int command, int value);

// Sets (or toggles) the Reverse check mark and stores the result in Flags
// and in the Reading view, which draws by it.
void UpdateReverseCheck(HWND window, bool setMode);
