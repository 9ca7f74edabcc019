// The verse map as resource data: what the builder writes reads back, and a
// damaged map or positions outside the text are refused, never read past.
// The shipped map is checked against the texts in the library tests.
#include "store/verse_map.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A body record stored "(b) :yx (a)", read "(a) xy: (b)", and a second one
// that verse b goes on into: verse a from 12 down to 6, verse b from 4 down to
// 2 and from 17 down to 16.
const ArticleText kText = {0xB1, 0, '(', 'b', ')', ' ', ':', 'y', 'x', ' ', '(', 'a', ')', 0,
                           0xB1, 0, ':', 'z', 0, 0, 0, 0};

VerseMap SmallMap() {
    VerseMap map;
    map.articles[3] = {{1, 2, 1, 12, 6}, {1, 2, 2, 4, 16}};
    return map;
}

}  // namespace

TEST(VerseMap, WrittenMapReadsBackAndDamageIsRefused) {
    const std::vector<uint8_t> written = WriteVerseMap(SmallMap());
    VerseMap read;
    ASSERT_TRUE(ReadVerseMap(written.data(), written.size(), read));
    ASSERT_EQ(read.articles[3].size(), 2u);
    EXPECT_EQ(read.articles[3][1].last, 16);
    EXPECT_EQ(FindVerse(read, {1, 2, 2}).article, 3);
    EXPECT_EQ(FindVerse(read, {1, 2, 3}).article, 0);
    for (size_t size = 0; size < written.size(); ++size) {
        SCOPED_TRACE(size);
        // An exact-size copy, so that the sanitizer sees any read past it.
        auto copy = std::make_unique<uint8_t[]>(size + 1);
        std::copy(written.begin(), written.begin() + static_cast<long>(size), copy.get());
        EXPECT_FALSE(ReadVerseMap(copy.get(), size, read));
        EXPECT_TRUE(read.articles[3].empty());
    }
    std::vector<uint8_t> badBook = written;
    badBook[badBook.size() - 7 * 2 + 1] = 6;
    EXPECT_FALSE(ReadVerseMap(badBook.data(), badBook.size(), read));
}

// The bytes of two verses of one record make one span with the space between
// them; the second verse goes on into the next record.
TEST(VerseMap, VersesCoverTheirBytesRecordByRecord) {
    const std::vector<VerseEntry> verses = SmallMap().articles[3];
    const std::vector<TextSpan> spans = VerseSpans(kText, verses, 0, 1);
    ASSERT_EQ(spans.size(), 2u);
    EXPECT_EQ(std::make_pair(spans[0].start, spans[0].end), std::make_pair(uint16_t{2}, uint16_t{13}));
    EXPECT_EQ(std::make_pair(spans[1].start, spans[1].end), std::make_pair(uint16_t{16}, uint16_t{18}));
    EXPECT_EQ(VerseAt(kText, verses, 5), -1);
    EXPECT_EQ(VerseAt(kText, verses, 17), 1);
    EXPECT_TRUE(VerseSpans(kText, verses, 1, 2).empty());
    const std::vector<VerseEntry> outside = {{1, 2, 1, 12, 6}, {1, 2, 2, 40, 30}};
    EXPECT_TRUE(VerseSpans(kText, outside, 0, 1).empty());
    EXPECT_EQ(VerseAt(kText, outside, 99), -1);
}
