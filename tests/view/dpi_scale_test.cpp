// Sizes given for 96 dots per inch on screens of other scales, and the
// scale of the drawn pictures a screen uses.
#include "view/dpi_scale.h"

#include <gtest/gtest.h>

TEST(DpiScale, ScalesPixelsToTheNearestAndPicksTheLargestDrawingThatFits) {
    const struct { int pixels, dpi, scaled, artPercent; } cases[] = {
        {10, 96, 10, 100}, {10, 0, 10, 100}, {10, -5, 10, 100},  // never told: 96
        {10, 120, 13, 100}, {1, 144, 2, 150}, {5, 144, 8, 150}, {7, 144, 11, 150},
        {-3, 144, -5, 150}, {13, 191, 26, 150}, {10, 192, 20, 200}, {10, 288, 30, 200},
        {1, 143, 1, 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pixels << " at " << c.dpi);
        EXPECT_EQ(ScaleForDpi(c.pixels, c.dpi), c.scaled);
        EXPECT_EQ(ArtScaleForDpi(c.dpi), c.artPercent);
    }
    EXPECT_EQ(ArtSize(154, 150), 231);
    EXPECT_EQ(ArtSize(95, 150), 143);  // a half pixel drawn whole
    EXPECT_EQ(ArtSize(9, 200), 18);
}
