// Practice mode in the Reading view: the round of the article shown, drawn
// as the words revealed at the full level over a text shown at the practice
// level, and the next word underlined; and the place reached in each article,
// kept for the run.
#pragma once

#include <cstddef>

#include "view/practice.h"
#include "view/view_state.h"

// Whether practice mode is on.
bool PracticeOn();

// What the view shows while it is on: the letters alone, or with the vowels
// ("PracticeLevel").
TextLevel PracticeLevel();

// Gives the view its level, revealed spans and underlined word from the
// round, or its own level and none of them while practice is off. The words
// of a new article are read first, its round starting at the place kept for
// it, or (the first time) at the first verse on the page. Nothing is painted.
void ShowPracticeRound(ViewState& view);

// After a new article is laid in at its top: while practising, a place kept
// for it is brought onto the page and its round starts there.
void FollowArticleInPractice(ViewState& view);

// Starts the round afresh at the first word of a verse of the view's article
// (going to a verse or an aliyah), while practising.
void MovePracticeToVerse(ViewState& view, size_t verse);

// Takes a step, keeps the place for the article and scrolls the least that
// brings the next word onto the page. False when the step changes nothing.
// Nothing is painted.
bool StepPractice(ViewState& view, PracticeStep step);

// Starts the round at the first word on the page when it has no place yet
// (practice just turned on).
void PlacePracticeRound(ViewState& view);
