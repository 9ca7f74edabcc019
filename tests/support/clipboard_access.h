// The clipboard as another program sees it: its formats, its owner, the whole
// block of a format, and data put there by the test as its own owner.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

UINT RichTextClipboardFormat();

// The formats on the clipboard in enumeration order; empty when it cannot be opened.
std::vector<UINT> ClipboardFormats();

// Every byte of a format's block (its whole GlobalSize), empty when absent.
std::string ClipboardBlock(UINT format);

// Makes bytes the clipboard's only data in format, owned by a window of the
// test. True when the data is in place.
bool SetClipboardBlock(UINT format, const std::string& bytes);

// Empties the clipboard (as the test's own).
bool ClearClipboard();
