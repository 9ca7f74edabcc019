// The page arithmetic of printing. Margins come from the registry and the
// page set-up dialog, so they are computed in 64 bits and checked against the
// 16-bit fields of the view's rows before any layout happens.
#include "output/page_layout.h"

#include <algorithm>

#include "view/dpi_scale.h"

namespace {

constexpr int64_t kLargestCoordinate = 32767;

int64_t Scaled(int pixelsPerInch, int32_t thousandths) {
    return static_cast<int64_t>(pixelsPerInch) * thousandths / 1000;
}

bool InRange(int64_t value, int64_t low) { return value >= low && value <= kLargestCoordinate; }

int FrameGap(const ViewState& view) { return ScaleForDpi(kFrameGap, view.dpi); }

}  // namespace

PageBox ComputePageBox(const PrinterGeometry& printer, const PrintMargins& margins) {
    PageBox box;
    box.left = Scaled(printer.pixelsPerInchX, margins.left);
    box.top = Scaled(printer.pixelsPerInchY, margins.top);
    box.width = printer.width - Scaled(printer.pixelsPerInchX, margins.right) - box.left;
    box.height = printer.height - Scaled(printer.pixelsPerInchY, margins.bottom) - box.top;
    return box;
}

bool IsUsablePageBox(const PrinterGeometry& printer, const PageBox& box) {
    return InRange(printer.width, 1) && InRange(printer.height, 1) && InRange(box.left, 0) && InRange(box.top, 0) &&
           InRange(box.width, 1) && InRange(box.height, 1) && box.left + box.width <= printer.width &&
           box.top + box.height <= printer.height;
}

void SetViewBox(ViewState& view, const PageBox& box) {
    view.left = static_cast<int32_t>(box.left);
    view.top = static_cast<int32_t>(box.top);
    view.width = static_cast<int32_t>(box.width);
    view.height = static_cast<int32_t>(box.height);
}

void ReserveFrameBands(ViewState& view, int a, int b) {
    view.top += a + FrameGap(view);
    view.height -= a + b + 2 * FrameGap(view);
}

Band HeaderBand(const ViewState& view, int a) {
    return Band{view.left, view.top - a - FrameGap(view), view.left + view.width, view.top - FrameGap(view)};
}

Band FooterBand(const ViewState& view, int b) {
    const int top = view.top + view.height + FrameGap(view);
    return Band{view.left, top, view.left + view.width, top + b};
}

bool BoxHoldsEveryRow(const ViewState& view) {
    const int count = std::min<int>(view.rowCount, static_cast<int>(view.rows.size()));
    if (count == 0) return false;
    for (int i = 0; i < count; ++i) {
        if (view.rows[i].height > view.height) return false;
    }
    return true;
}
