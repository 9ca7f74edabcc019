// The banner's content and geometry, kept apart from its drawing.
#include "dialogs/banner_layout.h"

#include <algorithm>

#include "store/article_records.h"
#include "store/article_text.h"

namespace {

RecordText TextOf(const ArticleText& text, const ArticleRecord& record) {
    return {text.data() + record.textPos, static_cast<int>(record.length)};
}

}  // namespace

TitleRecords FindTitleRecords(const ArticleText& text) {
    TitleRecords found;
    ArticleRecord record;
    if (!ReadRecord(text, 0, record)) return found;
    if (record.attr == kAttrSectionHeading) {
        found.heading = TextOf(text, record);
        if (!ReadRecord(text, record.next, record)) return found;
    }
    if (record.attr == kAttrTitle) found.title = TextOf(text, record);
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
