// The bookmark list and its bookmark group. The stored value is input like any
// other: whatever its length or contents, the list that comes out of it holds
// each article once, no 0 before its end, and a count that fits 16 bits.
#include "view/bookmark_list.h"

#include <algorithm>
#include <bitset>
#include <memory>
#include <new>

#include "store/article_index.h"
#include "view/layout.h"

namespace {

constexpr uint8_t kHeadingTitle[] = {0x6A, 0x69, 0x79, 0x75};
constexpr size_t kIndexEndSize = 5;

void Clear(BookmarkList& list) {
    list.entries.clear();
    list.count = 0;
}

// The first index row of the article, if any.
bool FindArticleRow(const std::vector<IndexRow>& rows, unsigned article, IndexRow& found) {
    if (article == 0 || article > kIndexNumberMask) return false;
    const uint16_t id = ArticleRowId(article);
    const auto row = std::find_if(rows.begin(), rows.end(), [id](const IndexRow& r) { return r.id == id; });
    if (row == rows.end()) return false;
    found = *row;
    return true;
}

// The heading and the rows of the bookmarks found in the index.
std::vector<uint8_t> BuildGroup(const BookmarkList& list, const std::vector<IndexRow>& rows) {
    std::vector<uint8_t> group;
    AppendIndexRow(group, kBookmarkHeadingId, kBookmarkHeadingAttr, 1,
                   std::vector<uint8_t>(std::begin(kHeadingTitle), std::end(kHeadingTitle)));
    for (uint16_t i = 0; i < list.count; ++i) {
        IndexRow row;
        if (!FindArticleRow(rows, list.entries[i], row)) continue;
        AppendIndexRow(group, row.id, kBookmarkRowAttr, 2, std::vector<uint8_t>(row.title, row.title + row.titleLength));
    }
    return group;
}

// Bytes of the index's rows before its ending row (or before the first row
// that runs past its end).
size_t IndexRowsLength(const ArticleText& index) {
    size_t offset = 0;
    IndexRow row;
    while (ReadIndexRow(index.data(), index.size(), offset, row)) {
    }
    return offset;
}

}  // namespace

void ReadBookmarks(BookmarkList& list, const uint8_t* bytes, size_t size) {
    Clear(list);
    list.loaded = true;
    const size_t entries = size / 2;
    if (bytes == nullptr || entries < 2) return;
    try {
        // Every number once: at most 65535 entries, so the count cannot wrap.
        auto seen = std::make_unique<std::bitset<0x10000>>();
        for (size_t i = 0; i + 1 < entries; ++i) {
            const auto article = static_cast<uint16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
            if (article == 0 || seen->test(article)) continue;
            seen->set(article);
            list.entries.push_back(article);
        }
        // Stored zeros alone are an empty list, held as no entries like any other.
        if (list.entries.empty()) return;
        list.entries.push_back(0);
        list.count = static_cast<uint16_t>(list.entries.size() - 1);
    } catch (const std::bad_alloc&) {
        // Nothing half-read stays behind; the exit then writes nothing.
        Clear(list);
        list.loaded = false;
    }
}

std::vector<uint8_t> BookmarkBytes(const BookmarkList& list) {
    std::vector<uint8_t> bytes;
    bytes.reserve(2 * list.count + 2);
    for (uint16_t i = 0; i < list.count; ++i) {
        bytes.push_back(static_cast<uint8_t>(list.entries[i] & 0xFF));
        bytes.push_back(static_cast<uint8_t>(list.entries[i] >> 8));
    }
    bytes.insert(bytes.end(), {0, 0});
    return bytes;
}

bool IsBookmarked(const BookmarkList& list, unsigned article) {
    if (article == 0) return false;
    return std::find(list.entries.begin(), list.entries.begin() + list.count, article) !=
           list.entries.begin() + list.count;
}

void AddBookmark(BookmarkList& list, unsigned article) {
    if (article < 1 || article > kArticleCount || IsBookmarked(list, article)) return;
    try {
        std::vector<uint16_t> grown(list.entries.begin(), list.entries.begin() + list.count);
        grown.push_back(static_cast<uint16_t>(article));
        grown.push_back(0);
        list.entries.swap(grown);
        ++list.count;
    } catch (const std::bad_alloc&) {
    }
}

void RemoveBookmark(BookmarkList& list, unsigned article) {
    if (list.count == 0) return;
    const auto end = list.entries.begin() + list.count;
    const auto kept = std::remove(list.entries.begin(), end, article);
    list.count = static_cast<uint16_t>(kept - list.entries.begin());
    list.entries.resize(list.count);
    list.entries.push_back(0);
}

ArticleText PrependBookmarkGroup(const BookmarkList& list, ArticleText&& index) {
    if (list.count == 0) return std::move(index);
    try {
        const std::vector<uint8_t> group = BuildGroup(list, ReadIndexRows(index.data(), index.size()));
        const size_t rowsLength = IndexRowsLength(index);
        if (group.size() + rowsLength + kIndexEndSize > kMaxArticleTextSize) return std::move(index);
        ArticleText text(group);
        text.insert(text.end(), index.begin(), index.begin() + static_cast<ptrdiff_t>(rowsLength));
        text.insert(text.end(), kIndexEndSize, uint8_t{0});
        return text;
    } catch (const std::bad_alloc&) {
        return std::move(index);
    }
}
