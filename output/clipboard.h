// The clipboard as the export uses it: reading another program's data and
// putting new data, in one or more formats, in place of everything the
// clipboard held.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <functional>
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
// clipboard's owner. The blocks are made before the clipboard is emptied, so
// a failure there leaves the clipboard as it was; the clipboard is closed on
// every path. True when every format is in place.
bool PlaceOnClipboard(HWND owner, std::initializer_list<ClipboardData> data);

// The clipboard's data in each format asked for, as ReadClipboard measures
// it (empty where it has none), in the order asked for.
using ClipboardContents = std::vector<std::vector<uint8_t>>;

// Appending: in one opening of the clipboard, reads the data of the formats
// asked for, lets make build the new data from them (its bytes must live
// until this returns) and places that as PlaceOnClipboard does, so that
// nothing another program puts there in between is lost or mixed in. A
// make that throws leaves the clipboard as it was, closed.
bool ReplaceOnClipboard(HWND owner, std::initializer_list<UINT> read,
                        const std::function<std::vector<ClipboardData>(const ClipboardContents&)>& make);
