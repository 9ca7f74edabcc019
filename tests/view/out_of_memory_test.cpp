// Memory that runs out while painting, exporting or opening the Search
// dialog: the conversion to display characters, the paint plan and their
// callers give up quietly instead of throwing through the window procedure
// that called them. The suite's allocations go through a counter
// here that can refuse the next one.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <vector>

#include "dialogs/hebrew_typing.h"
#include "output/export_text.h"
#include "store/article_text.h"
#include "tests/view/view_test_support.h"
#include "view/paint_plan.h"

namespace {

// The allocations to let through before the next one is refused; -1 = all.
int allowedAllocations = -1;

void* Allocate(std::size_t size) {
    if (allowedAllocations == 0) {
        allowedAllocations = -1;
        throw std::bad_alloc();
    }
    if (allowedAllocations > 0) --allowedAllocations;
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr) throw std::bad_alloc();
    return block;
}

}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }

TEST(OutOfMemory, DisplayCharsLeaveAnEmptyBufferToSkip) {
    const uint8_t text[] = {0x60, 0x61, 0x62, 0};
    std::vector<char16_t> buffer;
    allowedAllocations = 0;
    int adjustment = -1;
    EXPECT_NO_THROW(adjustment = ToDisplayChars(text, 3, buffer, DisplayMode{0x5D0, false}));
    EXPECT_TRUE(buffer.empty());
    EXPECT_EQ(adjustment, 0);
    ToDisplayChars(text, 3, buffer, DisplayMode{0x5D0, false});
    EXPECT_EQ(buffer[3], 0);
}

TEST(OutOfMemory, APaintPlanWithoutMemoryPaintsNothing) {
    ViewState view = LaidOut(Article({{0x01, 0, "ab"}, {0x01, 0, "cd"}}), 0, 0, 100, 100);
    ASSERT_EQ(view.rowCount, 2);
    allowedAllocations = 0;
    PaintPlan plan;
    EXPECT_NO_THROW(plan = PlanPaint(view, true));
    EXPECT_TRUE(plan.rows.empty());
    EXPECT_EQ(plan.rowsOnPage, 0);
    EXPECT_EQ(PlanPaint(view, true).rows.size(), 2u);
}

// A conversion that runs out of memory abandons its operation instead of
// reading the buffer it could not fill.
TEST(OutOfMemory, ConversionsGiveUpWithoutReadingAnEmptyBuffer) {
    const ArticleText text = Article({{0xB1, 0, "abc"}}).Build();
    std::vector<char16_t> exported(64, u'?');
    allowedAllocations = 0;
    EXPECT_EQ(BuildExportText(text, exported.data(), exported.size() * 2, DisplayFont{}), kExportNoMemory);
    allowedAllocations = 0;
    EXPECT_TRUE(SearchTextForEdit("abc", 3, DisplayFont{}).empty());
}
