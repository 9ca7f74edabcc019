// The arithmetic of wheel turns, and the cases the main window's own tests
// cannot reach through its messages; keys and scroll-bar codes are tested
// there.
#include "view/input_map.h"

#include <gtest/gtest.h>

TEST(InputMap, HomeAtTheTopAndEndWithoutALastPageFallBackToThePage) {
    EXPECT_EQ(MapKey(kKeyHome, 20, 0, 50, false).rows, -20);
    EXPECT_EQ(MapKey(kKeyEnd, 20, 0, 0, false).rows, 20);
}

TEST(InputMap, EnterSearchesAgainOnlyWithASearchText) {
    EXPECT_EQ(MapKey(kKeyEnter, 10, 0, 0, true).action, KeyAction::SearchAgain);
    EXPECT_EQ(MapKey(kKeyEnter, 10, 0, 0, false).action, KeyAction::Nothing);
}

TEST(InputMap, UnknownScrollBarCodesDoNothing) {
    EXPECT_EQ(ScrollBarStep(15, 9, 12, 40), 0);
    EXPECT_EQ(ScrollBarStep(-1, 9, 12, 40), 0);
}

// One row up per notch turned away from the user, truncated toward zero, so
// that less than a notch scrolls nothing; down to the most negative turn.
TEST(InputMap, WheelTurnsScrollWholeNotches) {
    EXPECT_EQ(WheelStep(240), -2);
    EXPECT_EQ(WheelStep(60), 0);
    EXPECT_EQ(WheelStep(-120), 1);
    EXPECT_EQ(WheelStep(-239), 1);
    EXPECT_EQ(WheelStep(239), -1);
    EXPECT_EQ(WheelStep(-32768), 273);
}
