// The built resources as the program finds them: the resource script, the
// block headers, and the Article index with its rows.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "store/article_index.h"
#include "store/compression.h"
#include "tests/tools/library_reference.h"
#include "tools/library/library_tables.h"

namespace {

unsigned Field(const Bytes& block, size_t offset) { return (block[offset] << 8) | block[offset + 1]; }

std::string BlockPath(int resourceId) {
    const std::string name = resourceId == 32767   ? "index_32767.bin"
                             : resourceId == 32766 ? "verses_32766.bin"
                                                   : "article_" + std::to_string(resourceId) + ".bin";
    return VELMORA_GENERATED_DIR "/" + name;
}

}  // namespace

TEST(Library, ResourceScriptNamesEveryBlock) {
    std::ifstream in(VELMORA_GENERATED_DIR "/library.rc");
    std::stringstream expected;
    for (int n = 1; n <= 57; ++n) expected << 1000 + n << " RCDATA \"article_" << 1000 + n << ".bin\"\n";
    for (int n = 1; n <= 57; ++n) expected << 2000 + n << " RCDATA \"marks_" << 2000 + n << ".bin\"\n";
    expected << "32767 RCDATA \"index_32767.bin\"\n32766 RCDATA \"verses_32766.bin\"\n";
    expected << "32764 RCDATA \"aliyot_32764.bin\"\n";
    std::stringstream actual;
    actual << in.rdbuf();
    EXPECT_EQ(actual.str(), expected.str());
}

// The build keeps the builder's summary out of its output, in a log beside the blocks.
TEST(Library, SummaryGoesToItsLog) {
    std::ifstream in(VELMORA_GENERATED_DIR "/library-summary.log");
    std::stringstream summary;
    summary << in.rdbuf();
    EXPECT_EQ(summary.str().rfind("resource  decoded  block  ratio  name\n", 0), 0u);
    EXPECT_NE(summary.str().find("\nmarks dropped:\n"), std::string::npos);
}

// The weekly portions carry their number twice, the other three articles
// 81 to 83, the index 1 and 255, the verse map 2 and 254. The blocks decode in
// the round trip and under Wine; the articles' streams are well under their
// texts' size.
TEST(Library, BlockHeadersCarryLengthsAndNumbers) {
    size_t streams = 0, texts = 0;
    for (unsigned n = 1; n <= 59; ++n) {
        const int resourceId = n <= 57 ? 1000 + n : n == 58 ? 32767 : 32766;
        const unsigned number = n <= 54 ? n : n <= 57 ? n + 26 : n == 58 ? 1 : 2;
        SCOPED_TRACE(resourceId);
        const Bytes block = ReadFileBytes(BlockPath(resourceId));
        ASSERT_GE(block.size(), kBlockHeaderSize);
        EXPECT_EQ(Field(block, 0), block.size() - kPayloadOffset);
        EXPECT_EQ(Field(block, 2), number);
        EXPECT_EQ(Field(block, 4), n <= 57 ? number : 256 - number);
        streams += n <= 57 ? Field(block, 6) : 0;
        texts += n <= 57 ? Field(block, 8) : 0;
    }
    EXPECT_LT(streams * 10, texts * 6);
}

TEST(Library, IndexListsGroupsAndArticles) {
    const std::vector<BookEntry> books = ReadBooksTable(VELMORA_DATA_DIR "/books.tsv");
    const std::vector<ArticleEntry> articles = ReadPortionsTable(VELMORA_DATA_DIR "/portions.tsv");
    int error = -1;
    const Bytes index = DecodeBlock(ReadFileBytes(BlockPath(32767)), &error);
    ASSERT_EQ(error, kUnCompressOk);
    ASSERT_GE(index.size(), 5u);
    EXPECT_EQ(Bytes(index.end() - 5, index.end()), Bytes(5, 0));

    struct Row {
        uint16_t id;
        uint8_t attr, level;
        std::u32string title;
    };
    std::vector<Row> expected;
    const uint16_t headingIds[] = {0xBFFE, 0xBFF1, 0xBFE5, 0xBFDA, 0xBFCF};
    for (size_t g = 0; g < books.size(); ++g) {
        expected.push_back({headingIds[g], 0x8C, 1, U"ספר " + books[g].nameHe});
        for (int n = books[g].firstArticle; n <= books[g].lastArticle; ++n)
            expected.push_back({uint16_t(0x4000 + n), 0x01, 2, articles.at(n - 1).nameHe});
    }
    for (int n = 55; n <= 57; ++n) expected.push_back({uint16_t(0x4000 + n), 0x8C, 1, articles.at(n - 1).nameHe});

    const std::vector<IndexRow> rows = ReadIndexRows(index.data(), index.size());
    ASSERT_EQ(rows.size(), 62u);
    ASSERT_EQ(expected.size(), 62u);
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(rows[i].id, expected[i].id);
        EXPECT_EQ(rows[i].attr, expected[i].attr);
        EXPECT_EQ(rows[i].level, expected[i].level);
        EXPECT_EQ(ReadingText(Bytes(rows[i].title, rows[i].title + rows[i].titleLength)), expected[i].title);
    }
}
