// Appending an article to what the clipboard already holds: how much of a
// block another program left is read, and how the old and new data are joined.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "output/rich_text.h"

// The bytes of a clipboard block that count: Unicode text up to its first zero
// unit, any other format up to its first zero byte; never more than size bytes
// (an odd last byte of Unicode text is not a unit and is left out).
size_t ClipboardDataLength(const uint8_t* data, size_t size, bool unicodeText);

// The old Unicode text directly followed by the new one (read up to its zero
// unit); no separator in this format.
std::u16string AppendUnicodeText(std::u16string_view old, const char16_t* text);

// The plain text that goes beside appended Rich Text: the old text without
// its trailing line ends and white space, a blank line, the separator line of
// asterisks, a blank line and the new text; the new text alone when the old
// one holds nothing but white space.
std::u16string AppendPlainText(std::u16string_view old, std::u16string_view text);

// The Rich Text document for the clipboard, without its zero byte. old is the
// previous document (empty when there is none). The old document counts only
// when it starts with "{\rtf" and holds more than white space: it loses its
// trailing CR, LF, spaces and tabs, then its closing brace (not an escaped
// one) and a backslash left open at its end, and the separator follows.
// Otherwise a new document starts with the header, followed, when the
// clipboard's plain text (oldText) holds more than white space, by that text
// turned into Rich Text and the separator, so that the Rich Text keeps what
// the plain text beside it keeps. Then the body and the trailer.
std::string BuildRichTextDocument(std::string_view old, std::u16string_view oldText, std::string_view body,
                                  std::string_view header = kRtfHeader);
