// Where a repeated search goes on: the start in the Reading view's article
// after the last hit or at its top row, and the order in which the search
// visits the current article and the rest of the library.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "dialogs/search_match.h"
#include "view/view_state.h"

// Where the search of the view's own article goes on. Without a hit: at the
// first byte in reading order of the row drawn at the top. After a hit that
// is still at the top (or that could not be brought there because the view
// cannot scroll further): right after the hit. After the user scrolled away
// from the hit: at the top row again.
SearchPosition SearchStartOffset(const ViewState& view);

// The other articles to search, in order: lesson + 1 .. 57, then 1 ..
// lesson - 1; all of 1 .. 57 when lesson is not an article number.
std::vector<uint16_t> OtherArticles(uint16_t lesson);

// A hit found by FindNextHit: in the view's article (article 0) or in another
// one, whose decoded text is handed over.
struct LibraryHit {
    bool found = false;
    uint16_t article = 0;
    ArticleText text;
    TextHit hit;
};

// Searches the view's article from SearchStartOffset, then the other articles
// (load returns an empty text for one that cannot be loaded; each text
// without a hit is released before the next is loaded), then the view's
// article from its beginning. view may be null or without text.
LibraryHit FindNextHit(const ViewState* view, uint16_t lesson, const uint8_t* pattern, size_t count,
                       const std::function<ArticleText(int)>& load);
