// The page loop over the real paint plan: every row lands on exactly one page
// in order, no page is empty, an article that ends exactly at a page's end
// opens no further page, and a box that cannot hold a row ends the job.
#include <gtest/gtest.h>

#include <vector>

#include "output/page_loop.h"
#include "tests/view/view_test_support.h"
#include "view/paint_plan.h"

namespace {

constexpr uint8_t kPlainRow = 0x31;    // right-to-left, no gap row after it
constexpr uint8_t kGappedRow = 0xB1;   // the same with a gap row

// Paints as PaintView does, through the plan, and keeps each page's rows.
class RecordingDevice : public PageDevice {
public:
    void PaintPage(ViewState& view) override {
        const PaintPlan plan = PlanPaint(view, true);
        view.rowsOnPage = plan.rowsOnPage;
        view.nextPaintRow = plan.nextRow;
        painted.emplace_back();
        for (const PlacedRow& row : plan.rows) painted.back().push_back(row.index);
    }
    bool FinishPage(ViewState&, int page) override {
        finished.push_back(page);
        return true;
    }
    bool StartNextPage() override {
        ++opened;
        return true;
    }

    std::vector<std::vector<int>> painted;
    std::vector<int> finished;
    int opened = 0;
};

ViewState LaidOutRecords(int records, uint8_t attr, int boxHeight) {
    std::vector<Rec> recs(static_cast<size_t>(records), Rec{attr, 0, "ab"});
    return LaidOut(Article(recs), 0, 0, 200, boxHeight);
}

}  // namespace

TEST(PageLoop, EveryRowIsPrintedOnceOnTheFewestPages) {
    const int rows = FakeMeasurer::kRowHeight;
    const struct {
        const char* what;
        int records;
        uint8_t attr;
        int boxHeight;
        int pages;
    } cases[] = {
        {"one row", 1, kPlainRow, 5 * rows, 1},
        {"one page, part full", 3, kPlainRow, 5 * rows, 1},
        {"ends exactly at the first page's end", 5, kPlainRow, 5 * rows, 1},
        {"ends exactly at the second page's end", 10, kPlainRow, 5 * rows, 2},
        {"one row more", 11, kPlainRow, 5 * rows, 3},
        {"gap rows between records", 6, kGappedRow, 5 * rows, 2},
        {"box of one row", 7, kGappedRow, rows, 7},
        {"long article", 2000, kPlainRow, 50 * rows, 40},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ViewState view = LaidOutRecords(c.records, c.attr, c.boxHeight);
        ASSERT_EQ(view.rowCount, c.records);
        RecordingDevice device;
        const PageRun run = PrintPages(view, device);
        EXPECT_TRUE(run.complete);
        EXPECT_EQ(run.pages, c.pages);
        EXPECT_EQ(device.opened, c.pages - 1);
        std::vector<int> expectedPages;
        for (int page = 1; page <= c.pages; ++page) expectedPages.push_back(page);
        EXPECT_EQ(device.finished, expectedPages);
        std::vector<int> printed;
        for (const auto& page : device.painted) {
            EXPECT_FALSE(page.empty());
            printed.insert(printed.end(), page.begin(), page.end());
        }
        std::vector<int> all;
        for (int i = 0; i < c.records; ++i) all.push_back(i);
        EXPECT_EQ(printed, all);
    }
}

TEST(PageLoop, BoxLowerThanARowEndsTheJobAtOnce) {
    ViewState view = LaidOutRecords(3, kPlainRow, FakeMeasurer::kRowHeight - 1);
    RecordingDevice device;
    const PageRun run = PrintPages(view, device);
    EXPECT_FALSE(run.complete);
    EXPECT_EQ(run.pages, 0);
    EXPECT_EQ(device.painted.size(), 1u);
    EXPECT_EQ(device.opened, 0);
}
