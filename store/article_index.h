// Article index: the rows of the decoded index resource (group headings and
// article rows with their titles), a reader that walks them and a writer that
// appends them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Row identifier, little-endian 16-bit.
constexpr uint16_t kIndexHeadingBit = 0x8000;
constexpr uint16_t kIndexArticleBit = 0x4000;
constexpr uint16_t kIndexNumberMask = 0x3FFF;

// Row attribute byte; 0 ends the list. The low five bits are a style key with
// the meanings of the article text's attribute byte.
constexpr uint8_t kIndexAttrShown = 0x80;
constexpr uint8_t kIndexAttrExpanded = 0x40;
constexpr uint8_t kIndexStyleMask = 0x1F;

// Identifier, attribute and level come before the title.
constexpr size_t kIndexRowHeaderSize = 4;

inline bool IsHeadingRowId(uint16_t id) { return (id & kIndexHeadingBit) != 0; }
inline bool IsArticleRowId(uint16_t id) { return !IsHeadingRowId(id) && (id & kIndexArticleBit) != 0; }
inline unsigned ArticleOfRowId(uint16_t id) { return id & kIndexNumberMask; }
inline uint16_t ArticleRowId(unsigned article) {
    return static_cast<uint16_t>(kIndexArticleBit | (article & kIndexNumberMask));
}
// Headings are identified by the complement of (article bit + their position in
// the list, counted from 1), which sets the heading bit.
inline uint16_t HeadingRowId(unsigned position) {
    return static_cast<uint16_t>(~(kIndexArticleBit + position));
}

// One row; title points into the index bytes and holds titleLength codes
// (without the terminating zero), in visual order.
struct IndexRow {
    uint16_t id = 0;
    uint8_t attr = 0;
    uint8_t level = 0;
    const uint8_t* title = nullptr;
    size_t titleLength = 0;
};

// Reads the row at offset of an index of size bytes and moves offset past it.
// Returns false, leaving offset, at the end of the list (attribute 0) and when
// the row's header or its zero-terminated title does not lie wholly inside size.
bool ReadIndexRow(const uint8_t* index, size_t size, size_t& offset, IndexRow& row);

// All rows up to the end of the list (or up to the first row that runs past size).
std::vector<IndexRow> ReadIndexRows(const uint8_t* index, size_t size);

// Appends one row. The title must not contain a zero byte; attr must not be 0.
void AppendIndexRow(std::vector<uint8_t>& index, uint16_t id, uint8_t attr, uint8_t level,
                    const std::vector<uint8_t>& title);

// Ends the list: a row header of zeros (attribute 0) after the last title.
void AppendIndexEnd(std::vector<uint8_t>& index);

// The names the index gives the articles, by article number (1..57; [0] and
// the articles it does not list stay empty), as Unicode Hebrew in reading
// order. The calendar and the window title name portions by them.
using ArticleNames = std::vector<std::u16string>;
ArticleNames ArticleNamesFromIndex(const uint8_t* index, size_t size);

// Title codes stored in visual order, as Unicode Hebrew in reading order;
// empty when memory for the conversion runs out.
std::u16string IndexTitleText(const uint8_t* title, size_t length);
