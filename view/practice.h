// Practice for reading aloud: the words of an article's verses in reading
// order, a round of words revealed one after another from a place, and the
// steps a reader takes through them. A revealed word is shown with its marks
// by a level span; nothing else of the view changes, so no word moves.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "store/verse_map.h"
#include "view/view_state.h"

// One word of a verse: its stored bytes (in one record) and its verse's
// index in the article's list. A verse's number in parentheses is no word,
// nor is a mark that stands alone between words (paseq).
struct PracticeWord {
    TextSpan bytes;
    uint16_t verse = 0;
};

// The words of the article's verses in reading order; maqaf joins two words
// into one, as one accent joins them when they are read.
std::vector<PracticeWord> PracticeWords(const ArticleText& text, std::span<const VerseEntry> verses);

// Words first..next-1 are revealed; next is the word underlined, to be
// revealed next (the count of words when all have been).
struct PracticeRound {
    int first = 0;
    int next = 0;
};

enum class PracticeStep : uint8_t {
    kRevealWord,     // Space
    kRevealVerse,    // Shift+Space: the rest of the next word's verse
    kHideWord,       // Backspace: the last word revealed
    kNextVerse,      // Tab: to the next verse's first word, nothing revealed
    kPreviousVerse,  // Shift+Tab: to its verse's first word, or the previous verse's
    kEndRound,       // Escape: nothing revealed, the place kept
};

// Takes a step; false when it changes nothing (at either end of the words).
bool TakePracticeStep(std::span<const PracticeWord> words, PracticeRound& round, PracticeStep step);

// The first word of a verse, or of the first verse after it that has words;
// the count of words when none has.
int FirstWordOfVerse(std::span<const PracticeWord> words, size_t verse);

// The revealed words as spans at a level, one span over the revealed words of
// each record they lie in.
std::vector<LevelSpan> RevealedSpans(std::span<const PracticeWord> words, PracticeRound round, TextLevel level,
                                     const ArticleText& text);

// The word the reader starts from on a page: the first word of the first
// verse that begins on it, else the first word on it; -1 when the page shows
// no word.
int FirstWordOnPage(ViewState& view, std::span<const PracticeWord> words, std::span<const VerseEntry> verses);
