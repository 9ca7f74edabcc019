// The arithmetic of wheel turns, and the cases the main window's own tests
// cannot reach through its messages; keys and scroll-bar codes are tested
// there.
#include "view/input_map.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

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

// Turns add up to whole notches, the rest kept for the next turn, as a
// precision touchpad's small turns need; a turn the other way starts afresh.
TEST(InputMap, WheelTurnsAddUpToWholeNotches) {
    const std::vector<std::pair<std::vector<int16_t>, std::vector<int>>> cases = {
        {{240, -120}, {2, -1}},                                   // whole notches
        {{30, 30, 30, 30, 40, 40, 40}, {0, 0, 0, 1, 0, 0, 1}},    // a touchpad's small turns
        {{60, 239}, {0, 2}},                                      // the rest counts
        {{100, -30, -90}, {0, 0, -1}},                            // the other way drops it
        {{-32768, 32767}, {-273, 273}},
    };
    for (const auto& [turns, notches] : cases) {
        WheelTurns wheel;
        std::vector<int> taken;
        for (int16_t turn : turns) taken.push_back(TakeWheelNotches(wheel, turn));
        EXPECT_EQ(taken, notches);
    }
}
