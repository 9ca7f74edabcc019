// The banner's content and geometry, kept apart from its drawing.
#include "dialogs/banner_layout.h"

#include <algorithm>

#include "store/article_text.h"

namespace {

// The record at position: its attribute and text, or none past the end.
struct RecordAt {
    uint8_t attr = 0;
    RecordText text;
    size_t next = 0;
};

RecordAt ReadRecord(const ArticleText& text, size_t position) {
    if (position + 2 >= text.size() || text[position] == 0) return {};
    size_t zero = position + 2;
    while (zero < text.size() && text[zero] != 0) ++zero;
    if (zero == text.size()) return {};
    return {text[position], {&text[position + 2], static_cast<int>(zero - position - 2)}, zero + 1};
}

}  // namespace

TitleRecords FindTitleRecords(const ArticleText& text) {
    TitleRecords found;
    RecordAt record = ReadRecord(text, 0);
    if (record.attr == kAttrSectionHeading) {
        found.heading = record.text;
        record = ReadRecord(text, record.next);
    }
    if (record.attr == kAttrTitle) found.title = record.text;
    return found;
}

BannerBox PlaceBanner(int viewLeft, int viewTop, int viewWidth, int viewHeight, int lines, int lineHeight,
                      int textWidth) {
    const int width = std::min(textWidth + 2 * lineHeight + 8, viewWidth);
    BannerBox box{};
    box.left = viewLeft + (viewWidth - width) / 2;
    box.right = box.left + width;
    box.top = viewTop + viewHeight - lines * lineHeight - 12;
    box.bottom = viewTop + viewHeight - 2;
    return box;
}
