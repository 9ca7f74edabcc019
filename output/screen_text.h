// What the Reading view shows, as text for a screen reader: the verses on
// the screen, their name ("Miketz — Genesis 42:5–12") and their words.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "store/verse_map.h"
#include "view/view_state.h"

// The verses that the rows a paint from topRow places touch, the first read
// to the last read; none when those rows hold no verse (or none fit).
VerseSelection VersesOnScreen(ViewState& view, std::span<const VerseEntry> verses);

// The article's name, then, when verses are on the screen, their reference
// in English or in Hebrew after a dash: "Miketz — Genesis 42:5–12",
// "פרשת מקץ — בראשית מב ה–יב".
std::u16string ScreenName(std::u16string_view articleName, std::span<const VerseEntry> verses,
                          VerseSelection onScreen, bool hebrew);

// The verses as Copy gives them in plain Unicode text, without the reference
// that follows them there: reading order, the presentation forms decomposed,
// each line ended by CR LF with a blank line between lines. Copy's own text
// of these verses is this, CR LF, the reference and CR LF. A display font
// that keeps the letters at 8-bit codes gives the same Hebrew letters. Empty
// without verses, or when the verses do not fit the text or memory runs out.
std::u16string ScreenText(const ViewState& view, std::span<const VerseEntry> verses, VerseSelection onScreen);
