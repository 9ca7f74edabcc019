#include "tools/library/library_tables.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace {

std::string WriteTable(const std::string& text) {
    static int count = 0;
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() /
        ("velmora_table_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
         std::to_string(++count) + ".tsv");
    std::ofstream(path) << text;
    return path.string();
}

const char kHeader[] = "# comment\n\narticle\tportion\tname_en\tname_he\tbook\tstart\tend\tverses\n";

}  // namespace

// The round trip reads the weekly portions' ranges through this reader too;
// here the other articles' ranges and a written table with CRLF endings.
TEST(LibraryTables, RowsReadByColumnName) {
    const std::vector<ArticleEntry> shipped = ReadPortionsTable(VELMORA_DATA_DIR "/portions.tsv");
    const std::vector<BookEntry> books = ReadBooksTable(VELMORA_DATA_DIR "/books.tsv");
    ASSERT_EQ(books.size(), 5u);
    EXPECT_EQ(books[0].book, "Gen");
    EXPECT_EQ(books[0].nameHe, U"בראשית");
    EXPECT_EQ(books[4].lastArticle, 54);
    ASSERT_EQ(shipped.size(), 57u);
    EXPECT_EQ(shipped[53].portion, 53);
    EXPECT_EQ(shipped[54].portion, -1);
    ASSERT_EQ(shipped[56].ranges.size(), 3u);
    EXPECT_EQ(shipped[56].ranges[2].book, "Num");
    EXPECT_EQ(shipped[56].ranges[2].end, "Num.15.41");

    const std::string path = WriteTable(std::string(kHeader) + "57\t\tName\tשם\tDeut;Num\tDeut.6.4;Num.15.37\tDeut.6.9;Num.15.41\t11\r\n");
    const std::vector<ArticleEntry> articles = ReadPortionsTable(path);
    std::filesystem::remove(path);
    ASSERT_EQ(articles.size(), 1u);
    EXPECT_EQ(articles[0].article, 57);
    EXPECT_EQ(articles[0].portion, -1);
    EXPECT_EQ(articles[0].nameHe, U"שם");
    ASSERT_EQ(articles[0].ranges.size(), 2u);
    EXPECT_EQ(articles[0].ranges[1].start, "Num.15.37");
    EXPECT_EQ(articles[0].verses, 11);
}

TEST(LibraryTables, MalformedRowsAreRefused) {
    const char* rows[] = {
        "1\t0\tx\tא\tDeut;Num\tDeut.6.4\tDeut.6.9\t6\n",   // lists of unequal length
        "1\tzero\tx\tא\tGen\tGen.1.1\tGen.1.2\t2\n",      // not a number
        "1\t0\tx\tא\tGen\tGen.1.1\n",                      // missing columns
        "1x\t0\tx\tא\tGen\tGen.1.1\tGen.1.2\t2\n",        // trailing garbage
    };
    for (const char* row : rows) {
        SCOPED_TRACE(row);
        const std::string path = WriteTable(std::string(kHeader) + row);
        EXPECT_THROW(ReadPortionsTable(path), std::runtime_error);
        std::filesystem::remove(path);
    }
    EXPECT_THROW(ReadBooksTable("/nonexistent/books.tsv"), std::runtime_error);
    const std::string empty = WriteTable("# only a comment\n");
    EXPECT_THROW(ReadBooksTable(empty), std::runtime_error);
    std::filesystem::remove(empty);
}
