// Page steps, hit tests, click paging and row scrolling of the Reading view,
// apart from any drawing: the platform layer calls these and paints when told.
#include "view/view_geometry.h"

#include <algorithm>
#include <cstdlib>

#include "settings/settings.h"
#include "view/paint_plan.h"

int PageAmount(int mode, const ViewState& view) {
    // A page near the end is as long as any other, so that paging back from
    // there moves a whole page rather than the few rows left.
    const int page = view.rowsOnPage + RowsBelowArticleEnd(view);
    const int amount = (mode == 2 || mode == 4) ? page / 2 : page - 1;
    // A box that holds one row or none still pages, and forward means forward.
    return std::max(amount, 1);
}

bool PointInView(const ViewState& view, int x, int y, int gutter) {
    return view.left - gutter <= x && x <= view.left + view.width + gutter &&
           view.top - gutter <= y && y <= view.top + view.height + gutter;
}

ClickPageDecision DecideClickPage(const ViewState& view, uint32_t flags, int gutter, int x, int y) {
    if (!PointInView(view, x, y, gutter)) return {};
    if ((flags & kFlagClickPaging) == 0) return {};
    const bool vertical = (flags & kFlagClickPageVertical) != 0;
    const int middle = vertical ? view.top + view.height / 2 : view.left + view.width / 2;
    const int coordinate = vertical ? y : x;
    const int amount = std::abs(PageAmount(ClickPageStep(flags), view));
    return ClickPageDecision{true, coordinate < middle ? -amount : amount};
}

int ScrollView(ViewState* view, int delta, int mode, bool clamp, const std::function<int(ViewState&)>& paint) {
    if (view == nullptr) return kScrollNoView;
    int target = view->topRow + delta;
    if (target < 0) {
        target = 0;
    } else if (clamp || target > view->totalRows) {
        // Already at the end: a step down does nothing, not even a paint.
        if (target >= view->topRow && view->topRow >= view->maxRow) return kScrollUnchanged;
        if (target > view->totalRows) target = view->maxRow;
    }
    const bool moved = target != view->topRow;
    if (mode == 0) {
        if (!moved) return kScrollUnchanged;
        view->topRow = static_cast<uint16_t>(target);
        return kScrollMovedNoPaint;
    }
    if (mode == 1 && !moved) return kScrollUnchanged;
    view->topRow = static_cast<uint16_t>(target);
    return paint(*view);
}
