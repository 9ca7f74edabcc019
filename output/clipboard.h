// The clipboard as the export uses it: reading another program's data and
// putting one block of new data in place of everything the clipboard held.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <vector>

// The clipboard format registered under "Rich Text Format".
UINT RichTextFormat();

// A copy of the clipboard's data in format (0 means CF_UNICODETEXT): Unicode
// text up to its zero unit, any other format up to its first zero byte, and
// never more than the block holds. Empty when there is no such data or the
// clipboard cannot be opened.
std::vector<uint8_t> ReadClipboard(UINT format);

// Copies bytes into a new movable global block and makes it the clipboard's
// only data in format, with owner as the clipboard's owner. The block is made
// before the clipboard is opened, so a failure leaves the clipboard as it
// was; the clipboard is closed on every path. True when the data is in place.
bool PlaceOnClipboard(HWND owner, UINT format, const void* bytes, size_t size);
