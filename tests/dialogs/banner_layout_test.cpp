// The search hit's banner box on screens of 96 and 192 dots per inch: inside
// its rings there is room for exactly its lines, and it keeps its gap above
// the view's bottom.
#include "dialogs/banner_layout.h"

#include <gtest/gtest.h>

TEST(BannerLayout, TheRingsHoldTheLinesAtEveryScale) {
    const struct { int dpi, lines, ringWidth, gap, extraWidth; } cases[] = {
        {96, 1, 5, 2, 8}, {96, 2, 5, 2, 8}, {192, 2, 10, 4, 16}, {144, 1, 8, 3, 13},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.lines << " lines at " << c.dpi);
        const BannerRings rings = BannerRingsForDpi(c.dpi);
        EXPECT_EQ(rings.red + rings.white + rings.blue, c.ringWidth);
        const BannerBox box = PlaceBanner(10, 20, 600, 400, c.lines, 30, 200, c.dpi);
        EXPECT_EQ(box.bottom, 20 + 400 - c.gap);
        EXPECT_EQ(box.bottom - box.top - 2 * c.ringWidth, c.lines * 30);
        EXPECT_EQ(box.right - box.left, 200 + 2 * 30 + c.extraWidth);
        EXPECT_NEAR(box.left - 10, 600 + 10 - box.right, 1);  // centred
    }
    EXPECT_EQ(PlaceBanner(0, 0, 100, 400, 1, 30, 200, 96).right, 100);  // no wider than the view
}
