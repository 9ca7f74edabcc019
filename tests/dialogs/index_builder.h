// Test support for the Choose Article window's list and the bookmarks: an
// Article index of the shipped shape with plain titles, built as the decoder
// delivers it, and the stored form of a bookmark list.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/article_index.h"
#include "store/compression.h"

// A title given in reading order, stored in visual order.
inline std::vector<uint8_t> VisualTitle(std::string_view reading) {
    return std::vector<uint8_t>(reading.rbegin(), reading.rend());
}

inline void EndIndex(std::vector<uint8_t>& index) {
    AppendIndexEnd(index);
    index.insert(index.end(), {0, 0});  // the decoder's ending zero and spare byte
}

// Five closed headings ("group 1" .. "group 5", attribute 0x8C, level 1), each
// followed by its hidden articles ("article n", 0x01, level 2): 1..12, 13..23,
// 24..33, 34..43, 44..54; then the articles 55..57 shown at level 1 (0x8C).
inline ArticleText ShippedShapeIndex() {
    const int groups[][2] = {{1, 12}, {13, 23}, {24, 33}, {34, 43}, {44, 54}};
    std::vector<uint8_t> index;
    unsigned position = 0;
    for (int g = 0; g < 5; ++g) {
        AppendIndexRow(index, HeadingRowId(++position), 0x8C, 1, VisualTitle("group " + std::to_string(g + 1)));
        for (int a = groups[g][0]; a <= groups[g][1]; ++a, ++position) {
            AppendIndexRow(index, ArticleRowId(a), 0x01, 2, VisualTitle("article " + std::to_string(a)));
        }
    }
    for (int a = 55; a <= 57; ++a) AppendIndexRow(index, ArticleRowId(a), 0x8C, 1, VisualTitle("article " + std::to_string(a)));
    EndIndex(index);
    return index;
}

// The "Bookmarks" value of a list: each number little-endian, then 0.
inline std::vector<uint8_t> BookmarkValue(std::vector<uint16_t> articles) {
    articles.push_back(0);
    std::vector<uint8_t> bytes;
    for (uint16_t a : articles) bytes.insert(bytes.end(), {static_cast<uint8_t>(a & 0xFF), static_cast<uint8_t>(a >> 8)});
    return bytes;
}
