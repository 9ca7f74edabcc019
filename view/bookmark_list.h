// The bookmark list as plain data: the article numbers the user bookmarked,
// their stored bytes, and the group of rows the Choose Article window shows
// above the Article index.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "store/compression.h"

struct BookmarkList {
    // The bookmarks in the order they were added, each at most once and never
    // 0, followed by the 0 that ends them; empty when there are no bookmarks.
    std::vector<uint16_t> entries;
    uint16_t count = 0;    // entries before the ending 0
    bool loaded = false;   // the stored value was read (or is missing): the exit may write the list back
    bool dontAsk = false;  // removal no longer asks, for the rest of the run
};

// The bookmark group's heading row: identifier 0x8877, shown and open, level 1.
constexpr uint16_t kBookmarkHeadingId = 0x8877;
constexpr uint8_t kBookmarkHeadingAttr = 0xC1;
constexpr uint8_t kBookmarkRowAttr = 0x81;

// Replaces the list by the one stored in size bytes (none: an empty list) and
// marks it loaded. Of the size / 2 little-endian entries the last stands for
// the ending 0; 0 entries and repeats are dropped, every other number is kept,
// also one without an index row.
void ReadBookmarks(BookmarkList& list, const uint8_t* bytes, size_t size);

// The stored form: every entry and the ending 0, little-endian; 00 00 for an
// empty list.
std::vector<uint8_t> BookmarkBytes(const BookmarkList& list);

bool IsBookmarked(const BookmarkList& list, unsigned article);

// Appends an article (1..57) that is not in the list yet; the list stays as it
// was when memory runs out.
void AddBookmark(BookmarkList& list, unsigned article);
void RemoveBookmark(BookmarkList& list, unsigned article);

// The Article index with the bookmark group in front of it: the heading, then
// one row per bookmark whose article has a row in the index (title copied from
// its first row). Takes the index (empty when it could not be loaded) and
// returns it unchanged when there are no bookmarks, when memory runs out or
// when the result would be too long for 16-bit offsets; else a new text that
// ends like the index, with five zero bytes.
ArticleText PrependBookmarkGroup(const BookmarkList& list, ArticleText&& index);
