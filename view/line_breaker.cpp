// Breaking text into lines; see the header.
#include "view/line_breaker.h"

namespace {

constexpr uint8_t kSpace = 0x20;
constexpr uint8_t kHyphen = 0x2D;
constexpr int kFitAll = 0x7FFF;

bool IsBreak(uint8_t code, BreakAt breakAt) {
    return code == kSpace || (breakAt == BreakAt::kSpacesAndHyphens && code == kHyphen);
}

// Where a reference that does not fit whole breaks among count fitted bytes:
// after a dash between spaces, the last one; else at the first space; 0 for
// neither.
int ReferenceBreak(const uint8_t* start, int count) {
    for (int k = count - 2; k >= 1; --k) {
        if (start[k] == kHyphen && start[k - 1] == kSpace && start[k + 1] == kSpace) return k + 1;
    }
    for (int k = 1; k < count; ++k) {
        if (start[k] == kSpace) return k;
    }
    return 0;
}

}  // namespace

void LineMeasure::Fit(const uint8_t* text, int& width, int& count) const {
    if (widths != nullptr) FitByWidthTable(widths, text, width, count);
    else measurer.FitLeftToRight(text, width, count);
}

LineFit FitLine(const LineMeasure& measure, const uint8_t* start, const uint8_t* end, int available, BreakAt breakAt,
                bool mustTake) {
    LineFit line{static_cast<int>(end - start), std::max(available, 0)};
    measure.Fit(start, line.width, line.count);
    if (breakAt == BreakAt::kReference && start + line.count < end) {
        // The space after the fitted bytes counts: "44 -" may end the line.
        if (const int k = ReferenceBreak(start, std::min<int>(line.count + 1, static_cast<int>(end - start)))) {
            line.count = k;
            measure.Fit(start, line.width, line.count);
            return line;
        }
    }
    if (start + line.count < end && start[line.count] != kSpace) {
        int k = line.count - 1;
        while (k >= 1 && !IsBreak(start[k], breakAt)) --k;
        if (k >= 1) {
            line.count = start[k] == kHyphen ? k + 1 : k;
            measure.Fit(start, line.width, line.count);
        }
    }
    if (line.count == 0 && mustTake && start < end) {
        int taken = 1;
        while (start + taken < end && IsVowelPointCode(start[taken])) ++taken;
        int measured = taken;
        line.width = kFitAll;
        measure.Fit(start, line.width, measured);
        line.count = taken;
    }
    return line;
}
