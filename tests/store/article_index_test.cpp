// The Article index rows: their identifiers, the writer's bytes, and the
// reader on whole and on damaged indexes.
#include "store/article_index.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

namespace {

using Bytes = std::vector<uint8_t>;

std::string TitleOf(const IndexRow& row) { return std::string(row.title, row.title + row.titleLength); }

Bytes Codes(const std::string& text) { return Bytes(text.begin(), text.end()); }

// Reads rows from an exact-size copy, so the sanitizer sees any read past the end.
std::vector<IndexRow> ReadExact(const Bytes& index, std::unique_ptr<uint8_t[]>& copy) {
    copy = std::make_unique<uint8_t[]>(index.size() + 1);
    std::copy(index.begin(), index.end(), copy.get());
    return ReadIndexRows(copy.get(), index.size());
}

}  // namespace

// Identifiers are little-endian: a heading's is the complement of 0x4000 plus
// its position, an article's 0x4000 plus its number. A row with attribute 0
// ends the list, whatever follows it.
TEST(ArticleIndex, WrittenRowsReadBackUpToTheEnd) {
    Bytes index;
    AppendIndexRow(index, HeadingRowId(1), 0x8C, 1, Codes("abc"));
    AppendIndexRow(index, ArticleRowId(57), 0x01, 2, Codes("(ef)"));
    AppendIndexEnd(index);
    EXPECT_EQ(index, (Bytes{0xFE, 0xBF, 0x8C, 0x01, 'a', 'b', 'c', 0, 0x39, 0x40, 0x01, 0x02, '(', 'e', 'f', ')', 0,
                            0, 0, 0, 0}));
    const size_t end = index.size() - 4;
    index.resize(end);
    index.insert(index.end(), {0x05, 0x40, 0x00, 0x01, 'y', 0});

    std::unique_ptr<uint8_t[]> copy;
    const std::vector<IndexRow> rows = ReadExact(index, copy);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].id, 0xBFFE);
    EXPECT_TRUE(IsHeadingRowId(rows[0].id) && !IsArticleRowId(rows[0].id));
    EXPECT_EQ(TitleOf(rows[0]), "abc");
    EXPECT_EQ(rows[1].id, 0x4039);
    EXPECT_TRUE(IsArticleRowId(rows[1].id) && !IsHeadingRowId(rows[1].id));
    EXPECT_EQ(ArticleOfRowId(rows[1].id), 57u);
    EXPECT_EQ(rows[1].attr, 0x01);
    EXPECT_EQ(rows[1].level, 2);
    EXPECT_EQ(TitleOf(rows[1]), "(ef)");
    size_t offset = end;
    IndexRow row;
    EXPECT_FALSE(ReadIndexRow(index.data(), index.size(), offset, row));
    EXPECT_EQ(offset, end);
}

// Article rows give their titles in reading order by number; headings and
// numbers beyond the library give none.
TEST(ArticleIndex, NamesOfTheArticles) {
    Bytes index;
    AppendIndexRow(index, HeadingRowId(1), 0x8C, 1, Codes("abc"));
    AppendIndexRow(index, ArticleRowId(10), 0x01, 2, Codes("vxo"));
    AppendIndexRow(index, ArticleRowId(58), 0x01, 2, Codes("a"));
    AppendIndexEnd(index);
    const ArticleNames names = ArticleNamesFromIndex(index.data(), index.size());
    ASSERT_EQ(names.size(), 58u);
    EXPECT_EQ(names[10], u"מקץ");
    EXPECT_EQ(std::count(names.begin(), names.end(), u""), 57);
}

TEST(ArticleIndex, DamagedIndexYieldsTheWholeRowsOnly) {
    Bytes whole;
    AppendIndexRow(whole, ArticleRowId(1), 0x8C, 1, Codes("first"));
    AppendIndexRow(whole, ArticleRowId(2), 0x8C, 1, Codes("second"));
    const size_t firstRowSize = 4 + 5 + 1;
    // Cut inside the second header, inside its title, and just before its terminator.
    for (size_t size : {firstRowSize + 2, firstRowSize + 4, firstRowSize + 7, whole.size() - 1}) {
        SCOPED_TRACE(size);
        std::unique_ptr<uint8_t[]> copy;
        const Bytes cut(whole.begin(), whole.begin() + static_cast<long>(size));
        const std::vector<IndexRow> rows = ReadExact(cut, copy);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(TitleOf(rows[0]), "first");
    }
    size_t offset = 0;
    IndexRow row;
    EXPECT_FALSE(ReadIndexRow(nullptr, 10, offset, row));
    offset = whole.size() + 3;
    EXPECT_FALSE(ReadIndexRow(whole.data(), whole.size(), offset, row));
    EXPECT_TRUE(ReadIndexRows(whole.data(), 0).empty());
}
