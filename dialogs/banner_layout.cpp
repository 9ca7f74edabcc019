// The banner's content and geometry, kept apart from its drawing.
#include "dialogs/banner_layout.h"

#include <algorithm>

#include "store/article_records.h"
#include "store/article_text.h"
#include "view/dpi_scale.h"

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

BannerRings BannerRingsForDpi(int dpi) { return {ScaleForDpi(2, dpi), ScaleForDpi(1, dpi), ScaleForDpi(2, dpi)}; }

BannerBox PlaceBanner(int viewLeft, int viewTop, int viewWidth, int viewHeight, int lines, int lineHeight,
                      int textWidth, int dpi) {
    const BannerRings rings = BannerRingsForDpi(dpi);
    const int frame = 2 * (rings.red + rings.white + rings.blue);
    const int gap = ScaleForDpi(2, dpi);
    const int width = std::min(textWidth + 2 * lineHeight + frame - gap, viewWidth);
    BannerBox box{};
    box.left = viewLeft + (viewWidth - width) / 2;
    box.right = box.left + width;
    box.bottom = viewTop + viewHeight - gap;
    box.top = box.bottom - lines * lineHeight - frame;
    return box;
}

BannerBox KeepBannerClear(BannerBox box, int viewTop, int clearTop, int clearBottom, int dpi) {
    const auto covers = [&](const BannerBox& b) { return b.top < clearBottom && clearTop < b.bottom; };
    if (!covers(box)) return box;
    BannerBox moved = box;
    moved.top = viewTop + ScaleForDpi(2, dpi);
    moved.bottom = moved.top + (box.bottom - box.top);
    return covers(moved) ? box : moved;
}
