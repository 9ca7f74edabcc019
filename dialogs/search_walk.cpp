// The walk of a repeated search: the start offset in the shown article,
// derived from its rows, the top row and the last hit, and the order of the
// articles. Only the hit's article is kept; every other text is released as
// soon as it has been scanned.
#include "dialogs/search_walk.h"

#include <algorithm>

#include "store/article_text.h"

namespace {

// The index of the row drawn at the top: the row whose number reaches or
// passes topRow (a topRow on a gap row gives the row after the gap).
size_t TopRowIndex(const ViewState& view, size_t rowCount) {
    int number = 0;
    for (size_t index = 0; index < rowCount; ++index) {
        if (number >= view.topRow) return index;
        number += (view.rows[index].attr & kAttrParagraphGap) ? 2 : 1;
    }
    return rowCount - 1;
}

unsigned FirstReadByte(const ViewRow& row) { return row.offset + row.count - (row.count > 0 ? 1u : 0u); }

}  // namespace

SearchPosition SearchStartOffset(const ViewState& view) {
    const size_t rowCount = std::min<size_t>(view.rowCount, view.rows.size());
    if (rowCount == 0) return {};
    const ViewRow& row = view.rows[TopRowIndex(view, rowCount)];
    const bool hit = view.highlightStart != 0 || view.highlightEnd != 0;
    const bool hitOnTop = row.offset <= view.highlightEnd && view.highlightEnd <= row.offset + row.count;
    if (hit && (hitOnTop || view.topRow >= view.maxRow)) return PositionAfterHit(view.text, view.highlightStart);
    return PositionAtByte(view.text, FirstReadByte(row));
}

std::vector<uint16_t> OtherArticles(uint16_t lesson) {
    std::vector<uint16_t> order;
    const bool known = lesson >= 1 && lesson <= kArticleCount;
    for (int step = 1; step <= kArticleCount; ++step) {
        const int n = known ? (lesson - 1 + step) % kArticleCount + 1 : step;
        if (n != lesson) order.push_back(static_cast<uint16_t>(n));
    }
    return order;
}

LibraryHit FindNextHit(const ViewState* view, uint16_t lesson, const uint8_t* pattern, size_t count,
                       const std::function<ArticleText(int)>& load) {
    LibraryHit result;
    const bool hasText = view != nullptr && !view->text.empty();
    if (hasText) {
        result.hit = FindInText(view->text, SearchStartOffset(*view), pattern, count);
        if (result.hit.offset != 0) return {true, 0, {}, result.hit};
    }
    for (const uint16_t n : OtherArticles(lesson)) {
        ArticleText text = load(n);
        if (text.empty()) continue;
        const TextHit hit = FindInText(text, {}, pattern, count);
        if (hit.offset != 0) return {true, n, std::move(text), hit};
    }
    if (hasText) result.hit = FindInText(view->text, {}, pattern, count);
    result.found = result.hit.offset != 0;
    return result;
}
