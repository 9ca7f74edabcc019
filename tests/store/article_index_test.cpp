#include "store/article_index.h"

#include <gtest/gtest.h>

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

TEST(ArticleIndex, RowIdentifiersFollowTheStoredValues) {
    const struct {
        unsigned position;
        uint16_t id;
    } headings[] = {{1, 0xBFFE}, {14, 0xBFF1}, {26, 0xBFE5}, {37, 0xBFDA}, {48, 0xBFCF}};
    for (const auto& heading : headings) {
        SCOPED_TRACE(heading.position);
        EXPECT_EQ(HeadingRowId(heading.position), heading.id);
        EXPECT_TRUE(IsHeadingRowId(heading.id));
        EXPECT_FALSE(IsArticleRowId(heading.id));
    }
    for (unsigned article : {1u, 54u, 57u}) {
        SCOPED_TRACE(article);
        const uint16_t id = ArticleRowId(article);
        EXPECT_EQ(id, 0x4000 + article);
        EXPECT_TRUE(IsArticleRowId(id));
        EXPECT_FALSE(IsHeadingRowId(id));
        EXPECT_EQ(ArticleOfRowId(id), article);
    }
}

TEST(ArticleIndex, WrittenRowsReadBack) {
    Bytes index;
    AppendIndexRow(index, HeadingRowId(1), 0x8C, 1, Codes("abc"));
    AppendIndexRow(index, ArticleRowId(1), 0x01, 2, Codes("d"));
    AppendIndexRow(index, ArticleRowId(57), 0x8C, 1, Codes("(ef)"));
    AppendIndexEnd(index);
    const Bytes firstRow = {0xFE, 0xBF, 0x8C, 0x01, 'a', 'b', 'c', 0};
    EXPECT_TRUE(std::equal(firstRow.begin(), firstRow.end(), index.begin()));
    // The last title's terminator and an empty row header: five zeros.
    EXPECT_EQ(Bytes(index.end() - 5, index.end()), Bytes(5, 0));

    std::unique_ptr<uint8_t[]> copy;
    const std::vector<IndexRow> rows = ReadExact(index, copy);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].id, 0xBFFE);
    EXPECT_EQ(rows[1].id, 0x4001);
    EXPECT_EQ(rows[1].attr, 0x01);
    EXPECT_EQ(rows[1].level, 2);
    EXPECT_EQ(TitleOf(rows[1]), "d");
    EXPECT_EQ(rows[2].id, 0x4039);
    EXPECT_EQ(TitleOf(rows[2]), "(ef)");
}

TEST(ArticleIndex, ReaderStopsAtZeroAttributeAndKeepsOffset) {
    Bytes index;
    AppendIndexRow(index, ArticleRowId(3), 0x80, 1, Codes("x"));
    const size_t end = index.size();
    index.insert(index.end(), {0x05, 0x40, 0x00, 0x01, 'y', 0});  // attribute 0 ends the list
    size_t offset = 0;
    IndexRow row;
    ASSERT_TRUE(ReadIndexRow(index.data(), index.size(), offset, row));
    EXPECT_EQ(offset, end);
    EXPECT_FALSE(ReadIndexRow(index.data(), index.size(), offset, row));
    EXPECT_EQ(offset, end);
}

TEST(ArticleIndex, DamagedIndexYieldsTheWholeRowsOnly) {
    Bytes whole;
    AppendIndexRow(whole, ArticleRowId(1), 0x8C, 1, Codes("first"));
    AppendIndexRow(whole, ArticleRowId(2), 0x8C, 1, Codes("second"));
    const size_t firstRowSize = 4 + 5 + 1;
    // Cut inside the second header, inside its title, and just before its terminator.
    for (size_t size : {firstRowSize + 2, firstRowSize + 4, firstRowSize + 7, whole.size() - 1}) {
        SCOPED_TRACE(size);
        const Bytes cut(whole.begin(), whole.begin() + static_cast<long>(size));
        std::unique_ptr<uint8_t[]> copy;
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
