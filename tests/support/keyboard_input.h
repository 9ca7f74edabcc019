// Typing into another program through the system's input queue, as a user
// would: keys by their virtual-key codes and text by its characters.
#pragma once

#include <windows.h>

// Makes window the foreground window and waits until it is. False on timeout.
bool BringToFront(HWND window);

// Presses and releases a key (with Shift held when shift is set).
void PressKey(WORD virtualKey, bool shift = false);

// Types each character as a Unicode keystroke.
void TypeText(const wchar_t* text);
