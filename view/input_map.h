// What keys, scroll-bar codes and wheel turns mean for the Reading view, as
// plain arithmetic on the view's rows.
#pragma once

#include <cstdint>

enum class KeyAction {
    NotHandled,
    Nothing,          // handled, but nothing to do (Enter without a search text)
    ScrollRows,
    SearchAgain,
    PreviousArticle,
    NextArticle,
    ClearSelection,   // Escape: the verse selection goes
};

struct KeyCommand {
    KeyAction action;
    int rows;  // for ScrollRows: the step, negative is up
};

// Virtual keys the view answers: Enter, Escape, Page Up/Down, End, Home and the arrows.
constexpr int kKeyEnter = 13, kKeyEscape = 27, kKeyPageUp = 33, kKeyPageDown = 34, kKeyEnd = 35, kKeyHome = 36;
constexpr int kKeyLeft = 37, kKeyUp = 38, kKeyRight = 39, kKeyDown = 40;

// pageAmount is the keyboard's page step in rows. End steps to maxRow from
// any top row.
KeyCommand MapKey(int virtualKey, int pageAmount, int topRow, int maxRow, bool hasSearchText);

// Row step of a scroll-bar code (position = the signed high word of wParam);
// 0 means nothing to do. The page codes step by pageAmount, the page step of
// the keys' default mode (at least one row). SB_BOTTOM moves one row, like
// SB_LINEDOWN.
int ScrollBarStep(int code, int position, int topRow, int pageAmount);

// What a wheel has turned and no whole notch (120) has taken yet: a precision
// touchpad sends turns of a few units each, which add up. One for scrolling,
// one for zooming.
struct WheelTurns {
    int pending = 0;
};

// Adds a turn and returns the whole notches completed (positive: away from
// the user), keeping what is left for the next turn; a turn the other way
// first drops what was left the first way.
int TakeWheelNotches(WheelTurns& turns, int16_t delta);
