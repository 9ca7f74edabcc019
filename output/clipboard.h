// The clipboard as the export uses it: reading another program's data and
// putting new data, in one or more formats, in place of everything the
// clipboard held.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

// The clipboard format registered under "Rich Text Format".
UINT RichTextFormat();

// A copy of the clipboard's data in format (0 means CF_UNICODETEXT): Unicode
// text up to its zero unit, any other format up to its first zero byte, and
// never more than the block holds. Empty when there is no such data or the
// clipboard cannot be opened.
std::vector<uint8_t> ReadClipboard(UINT format);

// One format's data for the clipboard: size bytes from bytes.
struct ClipboardData {
    UINT format;
    const void* bytes;
    size_t size;
};

// Copies each format's bytes into a new movable global block and makes them
// the clipboard's only data, all in one opening, with owner as the
// clipboard's owner. The blocks are made before the clipboard is opened, so
// a failure there leaves the clipboard as it was; the clipboard is closed on
// every path. True when every format is in place.
bool PlaceOnClipboard(HWND owner, std::initializer_list<ClipboardData> data);
