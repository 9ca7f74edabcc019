// The key table, the scroll-bar table and the wheel rule.
#include "view/input_map.h"

KeyCommand MapKey(int virtualKey, int pageAmount, int topRow, int maxRow, bool hasSearchText) {
    switch (virtualKey) {
    case kKeyEnter: return {hasSearchText ? KeyAction::SearchAgain : KeyAction::Nothing, 0};
    case kKeyEscape: return {KeyAction::ClearSelection, 0};
    case kKeyPageUp: return {KeyAction::ScrollRows, -pageAmount};
    case kKeyPageDown: return {KeyAction::ScrollRows, pageAmount};
    // The last page from anywhere: a step to maxRow, also from above it or
    // from a page that ends below the last row.
    case kKeyEnd: return {KeyAction::ScrollRows, maxRow != 0 ? maxRow - topRow : pageAmount};
    case kKeyHome: return {KeyAction::ScrollRows, topRow != 0 ? -topRow : -pageAmount};
    case kKeyLeft: return {KeyAction::PreviousArticle, 0};
    case kKeyUp: return {KeyAction::ScrollRows, -1};
    case kKeyRight: return {KeyAction::NextArticle, 0};
    case kKeyDown: return {KeyAction::ScrollRows, 1};
    }
    return {KeyAction::NotHandled, 0};
}

int ScrollBarStep(int code, int position, int topRow, int pageAmount) {
    switch (code) {
    case 0: return -1;                       // SB_LINEUP
    case 1: return 1;                        // SB_LINEDOWN
    case 2: return -pageAmount;              // SB_PAGEUP
    case 3: return pageAmount;               // SB_PAGEDOWN
    case 4:                                  // SB_THUMBPOSITION
    case 5: return position - topRow;        // SB_THUMBTRACK
    case 6: return -topRow;                  // SB_TOP
    case 7: return 1;                        // SB_BOTTOM
    }
    return 0;
}

int TakeWheelNotches(WheelTurns& turns, int16_t delta) {
    constexpr int kNotch = 120;
    if ((turns.pending > 0 && delta < 0) || (turns.pending < 0 && delta > 0)) turns.pending = 0;
    turns.pending += delta;
    const int notches = turns.pending / kNotch;
    turns.pending -= notches * kNotch;
    return notches;
}
