// The steps of a practice round over the words of three verses: what each
// reveals, hides or skips, and that a step at either end changes nothing.
#include <gtest/gtest.h>

#include <vector>

#include "view/practice.h"

namespace {

// Three verses of three, two and two words.
std::vector<PracticeWord> ThreeVerses() {
    std::vector<PracticeWord> words;
    for (const uint16_t verse : {0, 0, 0, 1, 1, 2, 2}) words.push_back(PracticeWord{{}, verse});
    return words;
}

}  // namespace

TEST(Practice, StepsMoveTheRoundsEnds) {
    const struct {
        const char* label;
        PracticeRound from;
        PracticeStep step;
        PracticeRound to;
    } cases[] = {
        {"Space reveals a word", {0, 0}, PracticeStep::kRevealWord, {0, 1}},
        {"Space after the last word", {0, 7}, PracticeStep::kRevealWord, {0, 7}},
        {"Shift+Space reveals the rest of the verse", {0, 1}, PracticeStep::kRevealVerse, {0, 3}},
        {"Shift+Space in the second verse", {0, 3}, PracticeStep::kRevealVerse, {0, 5}},
        {"Shift+Space in the last verse", {5, 6}, PracticeStep::kRevealVerse, {5, 7}},
        {"Backspace hides the last word", {0, 2}, PracticeStep::kHideWord, {0, 1}},
        {"Backspace with nothing revealed", {3, 3}, PracticeStep::kHideWord, {3, 3}},
        {"Tab goes to the next verse, nothing revealed", {0, 2}, PracticeStep::kNextVerse, {3, 3}},
        {"Tab in the last verse", {5, 6}, PracticeStep::kNextVerse, {5, 6}},
        {"Shift+Tab starts its verse again", {3, 4}, PracticeStep::kPreviousVerse, {3, 3}},
        {"Shift+Tab at a verse's start", {3, 3}, PracticeStep::kPreviousVerse, {0, 0}},
        {"Shift+Tab at the first word", {0, 0}, PracticeStep::kPreviousVerse, {0, 0}},
        {"Shift+Tab after everything", {5, 7}, PracticeStep::kPreviousVerse, {5, 5}},
        {"Escape ends the round where it is", {0, 2}, PracticeStep::kEndRound, {2, 2}},
    };
    const std::vector<PracticeWord> words = ThreeVerses();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        PracticeRound round = c.from;
        const bool changed = c.to.first != c.from.first || c.to.next != c.from.next;
        EXPECT_EQ(TakePracticeStep(words, round, c.step), changed);
        EXPECT_EQ(round.first, c.to.first);
        EXPECT_EQ(round.next, c.to.next);
    }
}
