// Marks that meet are moved apart, and marks the shaping left alone are put
// on their letter by class.
#include "view/mark_placement.h"

#include <gtest/gtest.h>

#include <vector>

constexpr int kGap = 1;

// A box w wide and h high with its top left corner at (x, y).
static InkBox Box(int x, int y, int w, int h) { return {x, y, x + w, y + h}; }

// A mark below goes beside what it meets (left, else right) while it stays in
// the cell, else under it; a mark above goes over it, each keeping the gap.
TEST(MarkPlacement, MarksThatMeetAreMovedApart) {
    const InkBox vowel = Box(8, 4, 6, 3);  // under a letter 0..22 wide
    const struct {
        const char* label;
        std::vector<InkBox> fixed;
        std::vector<MarkToPlace> marks;
        int cellRight;
        std::vector<InkBox> placed;
    } cases[] = {
        {"free marks stay", {vowel}, {{Box(16, 4, 4, 3), MarkSide::kBelow}}, 22, {Box(16, 4, 4, 3)}},
        {"beside, to the left", {vowel}, {{Box(9, 5, 4, 3), MarkSide::kBelow}}, 22, {Box(3, 5, 4, 3)}},
        {"to the right where the left has no room", {Box(2, 4, 6, 3)}, {{Box(3, 5, 4, 3), MarkSide::kBelow}}, 22,
         {Box(9, 5, 4, 3)}},
        {"under it in a narrow cell", {Box(2, 4, 10, 3)}, {{Box(4, 5, 4, 3), MarkSide::kBelow}}, 15, {Box(4, 8, 4, 3)}},
        {"two below: beside, then under", {Box(6, 4, 8, 3)}, {{Box(7, 4, 5, 3), MarkSide::kBelow}, {Box(8, 4, 5, 3), MarkSide::kBelow}},
         19, {Box(0, 4, 5, 3), Box(8, 8, 5, 3)}},
        {"above: over it", {Box(4, -20, 4, 4)}, {{Box(5, -19, 6, 3), MarkSide::kAbove}}, 22, {Box(5, -24, 6, 3)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        std::vector<MarkToPlace> marks = c.marks;
        SeparateMarks(c.fixed, marks, 0, c.cellRight, kGap);
        ASSERT_EQ(marks.size(), c.placed.size());
        std::vector<InkBox> taken = c.fixed;
        for (size_t i = 0; i < marks.size(); ++i) {
            const InkBox box = marks[i].ink.Moved(marks[i].dx, marks[i].dy);
            EXPECT_EQ(box, c.placed[i]) << "mark " << i;
            for (const InkBox& other : taken) EXPECT_FALSE(Meets(box, other, kGap));
            taken.push_back(box);
        }
    }
}

// Marks are put on the letter's ink by their class.
TEST(MarkPlacement, MarksTheShapingLeftAloneGoByTheirClass) {
    const InkBox letter = Box(2, -20, 18, 20);  // baseline at 0
    const InkBox mark = Box(-3, -5, 6, 4);      // its ink as drawn at the origin
    const struct {
        const char* label;
        char16_t letterChar, markChar;
        InkBox placed;
    } cases[] = {
        {"a vowel centred below", 0x05D1, 0x05B8, Box(8, 1, 6, 4)},
        {"an accent above", 0x05D1, 0x0594, Box(8, -25, 6, 4)},
        {"a postpositive accent at the left corner", 0x05D1, 0x0599, Box(-1, -25, 6, 4)},
        {"a prepositive accent at the right corner", 0x05D1, 0x05A0, Box(17, -25, 6, 4)},
        {"the shin dot at the right", 0x05E9, 0x05C1, Box(14, -25, 6, 4)},
        {"dagesh inside", 0x05D1, 0x05BC, Box(8, -12, 6, 4)},
        {"qamats inside a final kaf", 0x05DA, 0x05B8, Box(8, -12, 6, 4)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        int dx = 0, dy = 0;
        PlaceOnLetter(c.letterChar, c.markChar, letter, mark, kGap, dx, dy);
        EXPECT_EQ(mark.Moved(dx, dy), c.placed);
    }
}
