// Reading and writing the rows of the Article index. The reader never looks
// past the bytes it is given, so a damaged index yields fewer rows, not a crash.
#include "store/article_index.h"

#include <cassert>
#include <cstring>

#include "store/compression.h"
#include "store/display_order.h"

bool ReadIndexRow(const uint8_t* index, size_t size, size_t& offset, IndexRow& row) {
    if (index == nullptr || offset > size || size - offset < kIndexRowHeaderSize) return false;
    const uint8_t* header = index + offset;
    if (header[2] == 0) return false;
    const uint8_t* title = header + kIndexRowHeaderSize;
    const size_t room = size - offset - kIndexRowHeaderSize;
    const void* end = std::memchr(title, 0, room);
    if (end == nullptr) return false;
    row.id = static_cast<uint16_t>(header[0] | (header[1] << 8));
    row.attr = header[2];
    row.level = header[3];
    row.title = title;
    row.titleLength = static_cast<size_t>(static_cast<const uint8_t*>(end) - title);
    offset += kIndexRowHeaderSize + row.titleLength + 1;
    return true;
}

std::vector<IndexRow> ReadIndexRows(const uint8_t* index, size_t size) {
    std::vector<IndexRow> rows;
    size_t offset = 0;
    IndexRow row;
    while (ReadIndexRow(index, size, offset, row)) rows.push_back(row);
    return rows;
}

void AppendIndexRow(std::vector<uint8_t>& index, uint16_t id, uint8_t attr, uint8_t level,
                    const std::vector<uint8_t>& title) {
    assert(attr != 0);
    index.push_back(static_cast<uint8_t>(id & 0xFF));
    index.push_back(static_cast<uint8_t>(id >> 8));
    index.push_back(attr);
    index.push_back(level);
    for (uint8_t code : title) {
        assert(code != 0);
        index.push_back(code);
    }
    index.push_back(0);
}

void AppendIndexEnd(std::vector<uint8_t>& index) { index.insert(index.end(), kIndexRowHeaderSize, uint8_t{0}); }

ArticleNames ArticleNamesFromIndex(const uint8_t* index, size_t size) {
    ArticleNames names(kArticleCount + 1);
    for (const IndexRow& row : ReadIndexRows(index, size)) {
        const unsigned article = ArticleOfRowId(row.id);
        if (!IsArticleRowId(row.id) || article < 1 || article > kArticleCount) continue;
        names[article] = IndexTitleText(row.title, row.titleLength);
    }
    return names;
}

std::u16string IndexTitleText(const uint8_t* title, size_t length) {
    std::vector<char16_t> buffer;
    DisplayCharsFor(TextSurface::kExport, DisplayFont{}, true, title, static_cast<int>(length), buffer);
    return buffer.empty() ? std::u16string() : std::u16string(buffer.data());
}
