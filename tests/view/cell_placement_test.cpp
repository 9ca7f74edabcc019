#include "view/cell_placement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <vector>

namespace {

constexpr int kRight = 100, kHolam = 3;
constexpr char16_t kDalet = 0x5D3, kAlef = 0x5D0, kQamats = 0x5B8, kHolamMark = 0x5B9, kFinalKaf = 0x5DA;
constexpr char16_t kLamedDagesh = 0xFB3C;

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

}  // namespace

// Stored bytes are in visual order: the cells run from the right end, and a
// point stored before its letter follows it.
TEST(CellPlacement, CellsFromTheRightKeepPointsOnTheirLetters) {
    const WidthTable widths = Widths();
    const struct {
        const char* label;
        std::vector<uint8_t> codes;
        std::vector<CellChar> cells;
        bool withoutTable = false;
    } cases[] = {
        {"dalet", {0x64}, {{kDalet, 90, 100}}},
        {"qamats takes the dalet's cell", {0x16, 0x64}, {{kDalet, 90, 100}, {kQamats, 90, 100}}},
        {"after alef", {0x16, 0x64, 0x61}, {{kAlef, 88, 100}, {kDalet, 78, 88}, {kQamats, 78, 88}}},
        {"holam at the dalet's left edge", {0x1F, 0x64}, {{kDalet, 90, 100}, {kHolamMark, 90, 93}}},
        {"a point after a holam takes its cell", {0x16, 0x1F, 0x64},
         {{kDalet, 90, 100}, {kHolamMark, 90, 93}, {kQamats, 90, 93}}},
        {"lamed with holam: the holam a pixel into the lamed", {0x59}, {{kLamedDagesh, 92, 100}, {kHolamMark, 90, 93}}},
        {"two characters share one cell", {0x10}, {{kQamats, 91, 100}, {kFinalKaf, 91, 100}}},
        {"a point with no letter before it", {0x16}, {{kQamats, 100, 100}}},
        {"codes outside the table take no room", {0x05, 0x64}, {{kDalet, 90, 100}, {0x05, 90, 90}}},
        {"without a table every cell is empty", {0x16, 0x64, 0x61},
         {{kAlef, 100, 100}, {kDalet, 100, 100}, {kQamats, 100, 100}}, true},
    };
    std::vector<CellChar> cells;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        PlaceCells(c.withoutTable ? nullptr : &widths, c.codes.data(), static_cast<int>(c.codes.size()), kRight, kHolam, 1, cells);
        EXPECT_TRUE(cells == c.cells);
    }
}
