// The one reader of an article text's paragraph records: attribute byte,
// layout byte, text, zero. Every caller walks the records through it, so the
// end of the records and the bounds of a malformed text are decided here.
#pragma once

#include <cstddef>
#include <cstdint>

#include "store/compression.h"

struct ArticleRecord {
    uint8_t attr = 0;
    uint8_t layout = 0;
    size_t start = 0;    // position of the attribute byte
    size_t textPos = 0;  // position of the first text byte
    size_t length = 0;   // text bytes before the record's zero
    size_t next = 0;     // position of the next record's attribute byte
};

// Reads the record whose attribute byte is at pos. False at the zero that
// ends the records and where the buffer ends before a layout byte. A text
// cut short is read as far as it goes: a record without its zero runs to the
// buffer's end, and next then lies past it. No caller reads beyond the buffer.
bool ReadRecord(const ArticleText& text, size_t pos, ArticleRecord& record);

// The record whose bytes (attribute to zero) hold position; false when none does.
bool FindRecordHolding(const ArticleText& text, size_t position, ArticleRecord& record);

// Where the records end: the position of the zero attribute byte that ends
// them, of the first record that cannot be read, or the buffer's end.
size_t RecordsEnd(const ArticleText& text);
