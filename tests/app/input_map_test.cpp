#include "app/input_map.h"

#include <gtest/gtest.h>

TEST(InputMap, KeysScrollByTheirSteps) {
    const struct { int key; int rows; } cases[] = {
        {kKeyPageUp, -39}, {kKeyPageDown, 39}, {kKeyUp, -1}, {kKeyDown, 1}, {kKeyEnd, 120}, {kKeyHome, -7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        KeyCommand command = MapKey(c.key, 39, 7, 120, false);
        EXPECT_EQ(command.action, KeyAction::ScrollRows);
        EXPECT_EQ(command.rows, c.rows);
    }
}

TEST(InputMap, HomeAtTheTopAndEndWithoutALastPageFallBackToThePage) {
    EXPECT_EQ(MapKey(kKeyHome, 20, 0, 50, false).rows, -20);
    EXPECT_EQ(MapKey(kKeyEnd, 20, 0, 0, false).rows, 20);
}

TEST(InputMap, ArrowsLeftAndRightStepArticles) {
    EXPECT_EQ(MapKey(kKeyLeft, 10, 0, 0, false).action, KeyAction::PreviousArticle);
    EXPECT_EQ(MapKey(kKeyRight, 10, 0, 0, false).action, KeyAction::NextArticle);
}

TEST(InputMap, EnterSearchesAgainOnlyWithASearchText) {
    EXPECT_EQ(MapKey(kKeyEnter, 10, 0, 0, true).action, KeyAction::SearchAgain);
    EXPECT_EQ(MapKey(kKeyEnter, 10, 0, 0, false).action, KeyAction::Nothing);
}

TEST(InputMap, KeysOutsideTheTableAreNotHandled) {
    for (int key : {12, 14, 27, 32, 41, 65, 112}) {
        SCOPED_TRACE(key);
        EXPECT_EQ(MapKey(key, 10, 3, 30, true).action, KeyAction::NotHandled);
    }
}

TEST(InputMap, ScrollBarCodes) {
    const int topRow = 12, rowsOnPage = 40;
    const struct { int code; int position; int step; } cases[] = {
        {0, 0, -1}, {1, 0, 1}, {2, 0, -39}, {3, 0, 39}, {4, 30, 18}, {5, 2, -10}, {6, 0, -12}, {7, 0, 1}, {8, 0, 0}, {15, 9, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(ScrollBarStep(c.code, c.position, topRow, rowsOnPage), c.step);
    }
}

TEST(InputMap, WheelTurnsScrollWholeNotchesTowardTheUser) {
    EXPECT_EQ(WheelStep(240), -2);
    EXPECT_EQ(WheelStep(60), 0);
    EXPECT_EQ(WheelStep(-120), 1);
    EXPECT_EQ(WheelStep(-239), 1);
    EXPECT_EQ(WheelStep(-32768), 273);
}
