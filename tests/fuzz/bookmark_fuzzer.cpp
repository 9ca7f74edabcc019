// Fuzzes the reader of the stored "Bookmarks" value and the bookmark group
// built from it. The first two input bytes (little-endian) say how many of the
// following bytes are the stored value; the rest is the Article index. The
// list read from any bytes is well formed (each number once, no 0 before the
// ending 0), holds only numbers stored before the value's last entry, is
// written back as 2 x count + 2 bytes and reads back the same. The index with
// the group in front is the index unchanged, or the heading, one row per
// bookmark that has an index row, the index's own rows and five zero bytes.
#include <algorithm>
#include <vector>

#include "store/article_index.h"
#include "tests/fuzz/require.h"
#include "view/bookmark_list.h"
#include "view/layout.h"

namespace {

uint16_t Entry(const uint8_t* bytes, size_t i) { return static_cast<uint16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8)); }

void CheckList(const BookmarkList& list, const uint8_t* stored, size_t size) {
    Require(list.loaded, "a read list is loaded");
    if (list.count == 0) {
        Require(list.entries.empty(), "an empty list holds no entries");
        return;
    }
    Require(list.entries.size() == size_t{list.count} + 1 && list.entries.back() == 0, "the list ends in one 0");
    std::vector<uint16_t> sorted(list.entries.begin(), list.entries.begin() + list.count);
    std::sort(sorted.begin(), sorted.end());
    Require(sorted.front() != 0, "no 0 before the end");
    Require(std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end(), "each number once");
    std::vector<bool> wasStored(0x10000);
    for (size_t j = 0; j + 1 < size / 2; ++j) wasStored[Entry(stored, j)] = true;
    for (const uint16_t article : sorted) Require(wasStored[article], "a bookmark was stored before the last entry");
}

void CheckRoundTrip(const BookmarkList& list) {
    const std::vector<uint8_t> bytes = BookmarkBytes(list);
    Require(bytes.size() == 2 * size_t{list.count} + 2, "written as 2 x count + 2 bytes");
    BookmarkList again;
    ReadBookmarks(again, bytes.data(), bytes.size());
    Require(again.count == list.count && again.entries == list.entries, "a written list reads back the same");
}

void RequireSameRow(const IndexRow& got, uint16_t id, uint8_t attr, uint8_t level, const IndexRow& titled) {
    Require(got.id == id && got.attr == attr && got.level == level, "a row has its identifier, attribute, level");
    Require(std::equal(got.title, got.title + got.titleLength, titled.title, titled.title + titled.titleLength),
            "a row has its title");
}

// The rows the group should hold: each bookmark's first index row, in list order.
std::vector<IndexRow> ExpectedBookmarkRows(const BookmarkList& list, const std::vector<IndexRow>& indexRows) {
    std::vector<IndexRow> expected;
    for (uint16_t i = 0; i < list.count; ++i) {
        const unsigned article = list.entries[i];
        if (article > kIndexNumberMask) continue;
        const auto row = std::find_if(indexRows.begin(), indexRows.end(),
                                      [&](const IndexRow& r) { return r.id == ArticleRowId(article); });
        if (row != indexRows.end()) expected.push_back(*row);
    }
    return expected;
}

void CheckGroup(const BookmarkList& list, const ArticleText& index) {
    const ArticleText text = PrependBookmarkGroup(list, ArticleText(index));
    if (text == index) return;
    Require(list.count != 0, "no bookmarks leave the index as it is");
    Require(text.size() <= kMaxArticleTextSize, "the result fits 16-bit offsets");
    Require(text.size() >= 5 && std::all_of(text.end() - 5, text.end(), [](uint8_t b) { return b == 0; }),
            "the result ends in five zero bytes");
    const std::vector<IndexRow> indexRows = ReadIndexRows(index.data(), index.size());
    const std::vector<IndexRow> bookmarkRows = ExpectedBookmarkRows(list, indexRows);
    const std::vector<IndexRow> rows = ReadIndexRows(text.data(), text.size());
    Require(rows.size() == 1 + bookmarkRows.size() + indexRows.size(), "heading, bookmark rows and index rows");
    const uint8_t heading[] = {0x6A, 0x69, 0x79, 0x75};
    RequireSameRow(rows[0], kBookmarkHeadingId, kBookmarkHeadingAttr, 1, IndexRow{0, 0, 0, heading, 4});
    for (size_t i = 0; i < bookmarkRows.size(); ++i) {
        RequireSameRow(rows[1 + i], bookmarkRows[i].id, kBookmarkRowAttr, 2, bookmarkRows[i]);
    }
    for (size_t i = 0; i < indexRows.size(); ++i) {
        const IndexRow& row = indexRows[i];
        RequireSameRow(rows[1 + bookmarkRows.size() + i], row.id, row.attr, row.level, row);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const size_t storedSize = std::min<size_t>(data[0] | (data[1] << 8), size - 2);
    // The value alone in its block, so that the sanitizer sees any read beyond it.
    const std::vector<uint8_t> stored(data + 2, data + 2 + storedSize);
    BookmarkList list;
    ReadBookmarks(list, stored.data(), stored.size());
    CheckList(list, stored.data(), stored.size());
    CheckRoundTrip(list);
    CheckGroup(list, ArticleText(data + 2 + storedSize, data + size));
    return 0;
}
