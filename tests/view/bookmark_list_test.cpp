#include "view/bookmark_list.h"

#include <gtest/gtest.h>

#include <vector>

#include "store/article_index.h"
#include "tests/dialogs/index_builder.h"

namespace {

BookmarkList Read(const std::vector<uint8_t>& bytes) {
    BookmarkList list;
    ReadBookmarks(list, bytes.data(), bytes.size());
    return list;
}

std::vector<uint16_t> Articles(const BookmarkList& list) {
    return std::vector<uint16_t>(list.entries.begin(), list.entries.begin() + list.count);
}

}  // namespace

// Whatever the stored bytes, the list holds each non-zero number once, ends in
// 0, and is written back well formed.
TEST(Bookmarks, ReadStoredValuesIntoAWellFormedList) {
    std::vector<uint16_t> many;
    for (int i = 0; i < 70000; ++i) many.push_back(static_cast<uint16_t>(i + 1));
    std::vector<uint16_t> everyNumber;
    for (int i = 1; i <= 0xFFFF; ++i) everyNumber.push_back(static_cast<uint16_t>(i));
    const struct { const char* label; std::vector<uint8_t> stored; std::vector<uint16_t> list; } cases[] = {
        {"two", {5, 0, 12, 0, 0, 0}, {5, 12}},
        {"empty", {0, 0}, {}},
        {"nothing", {}, {}},
        {"two bytes", {7, 0}, {}},
        {"three bytes", {7, 0, 9}, {}},
        {"no terminator: the last entry stands for it", {5, 0, 12, 0}, {5}},
        {"odd length", {5, 0, 12, 0, 0, 0, 7}, {5, 12}},
        {"0 in the middle", {5, 0, 0, 0, 12, 0, 0, 0}, {5, 12}},
        {"only zeros", {0, 0, 0, 0, 0, 0}, {}},
        {"twice", {5, 0, 12, 0, 5, 0, 0, 0}, {5, 12}},
        {"no index row", {80, 0, 0, 0}, {80}},
        {"tens of thousands of bytes", BookmarkValue(many), std::vector<uint16_t>(many.begin(), many.begin() + 65535)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        BookmarkList list = Read(c.stored);
        EXPECT_TRUE(list.loaded);
        EXPECT_EQ(Articles(list), c.list);
        ASSERT_EQ(list.entries.size(), c.list.empty() ? 0u : c.list.size() + 1);
        if (!list.entries.empty()) {
            EXPECT_EQ(list.entries.back(), 0);
        }
        EXPECT_EQ(BookmarkBytes(list), BookmarkValue(c.list));
    }
    EXPECT_EQ(Read(BookmarkValue(everyNumber)).count, 0xFFFF);  // every number once: the most a 16-bit count holds
}

TEST(Bookmarks, AddAndRemoveKeepEachArticleOnceInOrder) {
    BookmarkList list;
    AddBookmark(list, 7);
    EXPECT_EQ(BookmarkBytes(list), (std::vector<uint8_t>{7, 0, 0, 0}));
    AddBookmark(list, 7);
    for (unsigned notAnArticle : {0u, 58u, 80u}) AddBookmark(list, notAnArticle);
    EXPECT_EQ(Articles(list), (std::vector<uint16_t>{7}));

    // A stored 0 in the middle neither hides 12 nor lets it be added twice.
    list = Read({5, 0, 0, 0, 12, 0, 0, 0});
    EXPECT_TRUE(IsBookmarked(list, 12));
    AddBookmark(list, 12);
    AddBookmark(list, 3);
    EXPECT_EQ(Articles(list), (std::vector<uint16_t>{5, 12, 3}));
    EXPECT_FALSE(IsBookmarked(list, 0));
    RemoveBookmark(list, 12);
    EXPECT_EQ(Articles(list), (std::vector<uint16_t>{5, 3}));
    EXPECT_FALSE(IsBookmarked(list, 12));
    RemoveBookmark(list, 5);
    RemoveBookmark(list, 3);
    RemoveBookmark(list, 3);
    EXPECT_EQ(BookmarkBytes(list), (std::vector<uint8_t>{0, 0}));
    EXPECT_FALSE(IsBookmarked(BookmarkList{}, 5));
}

TEST(Bookmarks, TheGroupComesBeforeTheIndex) {
    const ArticleText index = ShippedShapeIndex();
    const size_t indexRows = index.size() - 6;  // less its ending row and the decoder's two bytes
    std::vector<uint8_t> heading;
    AppendIndexRow(heading, 0x8877, 0xC1, 1, {0x6A, 0x69, 0x79, 0x75});
    auto groupOf = [&](std::vector<int> articles) {
        std::vector<uint8_t> group = heading;
        for (int a : articles) AppendIndexRow(group, ArticleRowId(a), 0x81, 2, VisualTitle("article " + std::to_string(a)));
        return group;
    };
    auto withIndex = [&](std::vector<uint8_t> group) {
        group.insert(group.end(), index.begin(), index.begin() + indexRows);
        group.insert(group.end(), 5, uint8_t{0});
        return group;
    };
    ArticleText truncated(index.begin(), index.begin() + 35);  // no ending row, the third title cut short
    ArticleText huge;
    AppendIndexRow(huge, ArticleRowId(5), 0x81, 1, std::vector<uint8_t>(65525, 'a'));
    EndIndex(huge);
    const struct { const char* label; std::vector<uint8_t> stored; ArticleText index, result; } cases[] = {
        {"5 and 12", {5, 0, 12, 0, 0, 0}, index, withIndex(groupOf({5, 12}))},
        {"none", {0, 0}, index, index},
        {"80 has no row", {80, 0, 0, 0}, index, withIndex(groupOf({}))},
        {"no index", {5, 0, 0, 0}, {}, [&] { auto g = heading; g.insert(g.end(), 5, uint8_t{0}); return g; }()},
        {"index without its end", {12, 0, 1, 0, 0, 0}, truncated,
         [&] {
             auto g = groupOf({1});
             g.insert(g.end(), index.begin(), index.begin() + 4 + 8 + 4 + 10);  // heading and article 1
             g.insert(g.end(), 5, uint8_t{0});
             return g;
         }()},
        {"too long for 16-bit offsets", {5, 0, 0, 0}, huge, huge},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        ArticleText given = c.index;
        EXPECT_EQ(PrependBookmarkGroup(Read(c.stored), std::move(given)), c.result);
    }
}
