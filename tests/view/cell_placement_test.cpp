#include "view/cell_placement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr int kRight = 100;
constexpr char16_t kDalet = 0x5D3, kAlef = 0x5D0, kLamed = 0x5DC, kFinalKaf = 0x5DA, kShin = 0x5E9;
constexpr char16_t kQamats = 0x5B8, kHolam = 0x5B9, kDagesh = 0x5BC, kShinDot = 0x5C1, kTipcha = 0x596;

// Dalet 10, alef 12, lamed with dagesh 8, final kaf 9; every other code 11.
WidthTable Widths() {
    WidthTable table{};
    std::fill(std::begin(table.widths), std::end(table.widths), static_cast<int16_t>(11));
    for (uint8_t code = 0x15; code <= 0x1F; ++code) table.widths[code - kFirstMeasuredCode] = 0;
    table.widths[0x64 - kFirstMeasuredCode] = 10;
    table.widths[0x61 - kFirstMeasuredCode] = 12;
    table.widths[0x4F - kFirstMeasuredCode] = 8;
    table.widths[0x59 - kFirstMeasuredCode] = 8;
    table.widths[0x10 - kFirstMeasuredCode] = 9;
    return table;
}

ClusterCell Cell(CellKind kind, char16_t c, int left, int right, std::u16string marks = u"", std::u16string layer = u"") {
    ClusterCell cell;
    cell.kind = kind;
    cell.c = c;
    cell.left = left;
    cell.right = right;
    for (char16_t mark : marks) cell.marks[cell.markCount++] = mark;
    for (char16_t mark : layer) cell.layerMarks[cell.layerCount++] = mark;
    return cell;
}

ClusterCell Letter(char16_t c, int left, int right, std::u16string marks = u"", std::u16string layer = u"") {
    return Cell(CellKind::kLetter, c, left, right, marks, layer);
}

}  // namespace

// Stored bytes are in visual order: the cells run from the right end, and a
// letter takes the points stored before it, with the marks its code carries;
// the level decides which marks a cell shows.
TEST(CellPlacement, CellsFromTheRightHoldTheirLettersMarks) {
    const WidthTable widths = Widths();
    const MarkLayer layer{{LetterMarks{1, 1, {{kTipcha, 0}}}}};
    ViewState view;
    view.level = TextLevel::kCantillation;
    view.levelSpans = {{2, 4, TextLevel::kLettersOnly}};
    const CellLevels vowels{nullptr, TextLevel::kVowels};
    const struct {
        const char* label;
        std::vector<uint8_t> codes;
        std::vector<ClusterCell> cells;
        CellLevels levels = CellLevels{nullptr, TextLevel::kVowels};
        bool withoutTable = false;
    } cases[] = {
        {"dalet", {0x64}, {Letter(kDalet, 90, 100)}},
        {"qamats joins the dalet", {0x16, 0x64}, {Letter(kDalet, 90, 100, {kQamats})}},
        {"after alef", {0x16, 0x64, 0x61}, {Letter(kAlef, 88, 100), Letter(kDalet, 78, 88, {kQamats})}},
        {"holam too", {0x16, 0x1F, 0x64}, {Letter(kDalet, 90, 100, {kHolam, kQamats})}},
        {"lamed with dagesh and holam", {0x59}, {Letter(kLamed, 92, 100, {kDagesh, kHolam})}},
        {"final kaf with qamats", {0x10}, {Letter(kFinalKaf, 91, 100, {kQamats})}},
        {"shin with its dot and dagesh", {0x43}, {Letter(kShin, 89, 100, {kShinDot, kDagesh})}},
        {"a point with no letter before it", {0x16}, {Cell(CellKind::kLonePoint, kQamats, 100, 100)}},
        {"codes outside the table take no room", {0x05, 0x64}, {Letter(kDalet, 90, 100), Cell(CellKind::kOther, 0x05, 90, 90)}},
        {"without a table every cell is empty", {0x16, 0x64, 0x61},
         {Letter(kAlef, 100, 100), Letter(kDalet, 100, 100, {kQamats})}, vowels, true},
        {"letters only", {0x16, 0x43, 0x61}, {Letter(kAlef, 88, 100), Letter(kShin, 77, 88)},
         CellLevels{nullptr, TextLevel::kLettersOnly}},
        {"cantillation below the vowels level", {0x16, 0x64}, {Letter(kDalet, 90, 100, {kQamats})},
         CellLevels{nullptr, TextLevel::kCantillation, TextLevel::kVowels, &layer}},
        {"a span at another level", {0x16, 0x64, 0x16, 0x61},
         {Letter(kAlef, 88, 100), Letter(kDalet, 78, 88, {kQamats}, {kTipcha})},
         CellLevels{&view, TextLevel::kVowels, TextLevel::kCantillation, &layer}},
    };
    std::vector<ClusterCell> cells;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        PlaceCells(c.withoutTable ? nullptr : &widths, c.codes.data(), static_cast<int>(c.codes.size()), 0, kRight,
                   c.levels, cells);
        EXPECT_TRUE(cells == c.cells);
    }
}
