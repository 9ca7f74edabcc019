// Fuzzes the walk of an article's paragraph records: any bytes as a decoded
// article. The records as ReadRecord walks them lie inside the buffer, each
// text up to its zero or the buffer's end, and the walk moves on to the end
// of the records. Then the article is laid out in a box whose size (from one
// pixel up) comes from the first input bytes, over the fixed-width measurer
// of the view tests; the row arithmetic and the paint plan run over the rows,
// and every row must point inside the text.
#include <algorithm>
#include <cstring>

#include "store/article_records.h"
#include "tests/fuzz/require.h"
#include "tests/view/view_test_support.h"
#include "view/layout.h"
#include "view/paint_plan.h"
#include "view/view_geometry.h"

namespace {

void CheckRecords(const ArticleText& text) {
    size_t pos = 0;
    ArticleRecord record;
    for (; ReadRecord(text, pos, record); pos = record.next) {
        Require(record.start == pos && record.textPos == pos + 2, "a record starts where the walk is");
        Require(record.attr != 0 && record.attr == text[pos] && record.layout == text[pos + 1], "a record's header");
        const size_t end = record.textPos + record.length;
        Require(end <= text.size(), "a record's text lies inside the buffer");
        Require(std::memchr(text.data() + record.textPos, 0, record.length) == nullptr, "a record's text has no zero");
        Require(end == text.size() || text[end] == 0, "a record's text ends at its zero or the buffer's end");
        Require(record.next == end + 1, "the next record follows the zero");
    }
    Require(RecordsEnd(text) == std::min(pos, text.size()), "the records end where the walk stops");
}

void CheckRows(const ViewState& view) {
    Require(view.rowCount <= view.rowCapacity && view.rows.size() > view.rowCount, "the rows fit their array");
    Require(view.maxRow <= view.totalRows, "maxRow lies within the rows");
    for (int i = 0; i < view.rowCount; ++i) {
        const ViewRow& row = view.rows[i];
        Require(row.offset + row.count <= view.text.size(), "a row lies inside the text");
        const RowRuns runs = SplitRow(view.text, row);
        Require(runs.word.start + runs.word.count <= static_cast<int>(view.text.size()), "a first word lies inside");
        Require(runs.rest.start + runs.rest.count <= static_cast<int>(view.text.size()), "a row's run lies inside");
    }
    Require(view.rows[view.rowCount].attr == 0, "the row after the last is cleared");
}

void CheckPaging(ViewState& view) {
    for (const int top : {0, view.maxRow / 2, int{view.maxRow}, view.totalRows + 3}) {
        view.topRow = static_cast<uint16_t>(top);
        const PaintPlan plan = PlanPaint(view, false);
        for (const PlacedRow& placed : plan.rows) Require(placed.index < view.rowCount, "a planned row exists");
        Require(PageAmount(1, view) >= 1, "a page step moves");
        view.rowsOnPage = plan.rowsOnPage;
    }
    view.firstPaintRow = view.rowCount;
    Require(PlanPaint(view, true).rowsOnPage == 0, "nothing is left to print after the last row");
    view.firstPaintRow = -1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    ViewState view = MakeView(3, 4, 1 + data[0] * 3, 1 + data[1] * 2);
    FakeMeasurer measurer;
    const ArticleText text(data + 2, data + size);
    CheckRecords(text);
    const int result = LayoutArticle(&view, measurer, ArticleText(text), true);
    if (result != 0) {
        Require(result == kLayoutTextRefused || result == kLayoutOutOfMemory, "a failure has its code");
        return 0;
    }
    CheckRows(view);
    CheckPaging(view);
    for (size_t offset = 0; offset < view.text.size(); offset += 1 + view.text.size() / 8) {
        FindRowForOffset(view, static_cast<unsigned>(offset));
        Require(view.topRow <= view.maxRow, "a found row is no further than maxRow");
    }
    return 0;
}
