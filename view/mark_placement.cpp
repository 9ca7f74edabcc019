// Separating marks that meet, and placing marks that shaping left alone.
// The order of the marks decides: those placed first keep their place.
#include "view/mark_placement.h"

#include <algorithm>
#include <climits>

namespace {

// The boxes that box meets.
std::vector<InkBox> Meeting(const InkBox& box, const std::vector<InkBox>& taken, int gap) {
    std::vector<InkBox> met;
    for (const InkBox& other : taken) {
        if (Meets(box, other, gap)) met.push_back(other);
    }
    return met;
}

bool IsFree(const InkBox& box, const std::vector<InkBox>& taken, int gap) {
    return std::none_of(taken.begin(), taken.end(), [&](const InkBox& other) { return Meets(box, other, gap); });
}

// Beside what a mark below meets, left first, when it stays in the cell and free.
bool PlaceBeside(InkBox& box, const std::vector<InkBox>& met, const std::vector<InkBox>& taken, int cellLeft,
                 int cellRight, int gap) {
    int leftmost = INT_MAX, rightmost = INT_MIN;
    for (const InkBox& other : met) {
        leftmost = std::min(leftmost, other.left);
        rightmost = std::max(rightmost, other.right);
    }
    const InkBox left = box.Moved(leftmost - gap - box.right, 0);
    if (left.left >= cellLeft && IsFree(left, taken, gap)) {
        box = left;
        return true;
    }
    const InkBox right = box.Moved(rightmost + gap - box.left, 0);
    if (right.right <= cellRight && IsFree(right, taken, gap)) {
        box = right;
        return true;
    }
    return false;
}

// Under (below) or over (above) everything it meets, until it meets nothing.
void Stack(InkBox& box, MarkSide side, const std::vector<InkBox>& taken, int gap) {
    for (size_t step = 0; step <= taken.size(); ++step) {
        const std::vector<InkBox> met = Meeting(box, taken, gap);
        if (met.empty()) return;
        int edge = side == MarkSide::kBelow ? INT_MIN : INT_MAX;
        for (const InkBox& other : met) {
            edge = side == MarkSide::kBelow ? std::max(edge, other.bottom) : std::min(edge, other.top);
        }
        box = side == MarkSide::kBelow ? box.Moved(0, edge + gap - box.top) : box.Moved(0, edge - gap - box.bottom);
    }
}

}  // namespace

bool Meets(const InkBox& a, const InkBox& b, int gap) {
    if (a.Empty() || b.Empty()) return false;
    return a.left < b.right + gap && b.left < a.right + gap && a.top < b.bottom + gap && b.top < a.bottom + gap;
}

InkBox Union(const InkBox& a, const InkBox& b) {
    if (a.Empty()) return b;
    if (b.Empty()) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

void SeparateMarks(const std::vector<InkBox>& fixed, std::vector<MarkToPlace>& marks, int cellLeft, int cellRight,
                   int gap) {
    std::vector<InkBox> taken = fixed;
    for (MarkToPlace& mark : marks) {
        InkBox box = mark.ink.Moved(mark.dx, mark.dy);
        const std::vector<InkBox> met = Meeting(box, taken, gap);
        if (!met.empty()) {
            const bool beside =
                mark.side == MarkSide::kBelow && PlaceBeside(box, met, taken, cellLeft, cellRight, gap);
            if (!beside) Stack(box, mark.side == MarkSide::kAbove ? MarkSide::kAbove : MarkSide::kBelow, taken, gap);
        }
        mark.dx = box.left - mark.ink.left;
        mark.dy = box.top - mark.ink.top;
        taken.push_back(box);
    }
}

void PlaceOnLetter(char16_t letterChar, char16_t mark, const InkBox& letter, const InkBox& markInk, int gap, int& dx,
                   int& dy) {
    const int width = markInk.right - markInk.left;
    const int height = markInk.bottom - markInk.top;
    int anchor = (letter.left + letter.right) / 2;
    switch (CornerOfMark(mark)) {
    case MarkCorner::kRight: anchor = letter.right; break;
    case MarkCorner::kLeft: anchor = letter.left; break;
    case MarkCorner::kNone:
        if (mark == 0x05C1) anchor = letter.right - width / 2;
        if (mark == 0x05C2 || mark == 0x05B9 || mark == 0x05BA) anchor = letter.left + width / 2;
        break;
    }
    dx = anchor - width / 2 - markInk.left;
    if (letterChar == 0x05DA && (mark == 0x05B8 || mark == 0x05B0)) {
        // Inside the final kaf, halfway between its top and the baseline.
        dy = letter.top / 2 - height / 2 - markInk.top;
        return;
    }
    switch (SideOfMark(mark)) {
    case MarkSide::kInside: dy = (letter.top + letter.bottom) / 2 - (markInk.top + markInk.bottom) / 2; break;
    case MarkSide::kAbove: dy = letter.top - gap - markInk.bottom; break;
    case MarkSide::kBelow: dy = gap - markInk.top; break;
    }
}
