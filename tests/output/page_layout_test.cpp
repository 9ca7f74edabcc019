// The printed page's arithmetic: the text box inside the margins, the bands
// of the frame, the checks that refuse a box without room, and the header
// mark's characters in either kind of font.
#include <gtest/gtest.h>

#include "output/page_layout.h"
#include "store/article_text.h"

namespace {

// A letter page at 600 pixels per inch, less a quarter inch of unprintable edge.
constexpr PrinterGeometry kPrinter{600, 600, 4800, 6300};

}  // namespace

// The box inside the margins, and whether it is usable: inside the printable
// area, with a positive size, and within the 16-bit row fields.
TEST(PageLayout, BoxLiesInsideTheMargins) {
    const struct {
        PrinterGeometry printer;
        PrintMargins margins;
        PageBox box;
        bool usable;
    } cases[] = {
        {kPrinter, {1000, 1000, 1000, 1000}, {600, 600, 3600, 5100}, true},
        {kPrinter, {0, 0, 0, 0}, {0, 0, 4800, 6300}, true},
        {kPrinter, {500, 250, 1500, 2000}, {300, 150, 3600, 4950}, true},
        // Divisions truncate: 300 * 999 / 1000 = 299.7.
        {{300, 200, 2400, 3000}, {999, 999, 999, 999}, {299, 199, 1802, 2602}, true},
        {kPrinter, {4000, 1000, 4000, 1000}, {2400, 600, 0, 5100}, false},
        {kPrinter, {1000, 5000, 1000, 5500}, {600, 3000, 3600, 0}, false},
        {kPrinter, {-1000, 1000, 1000, 1000}, {-600, 600, 4800, 5100}, false},
        {{600, 600, 40000, 6300}, {1000, 1000, 1000, 1000}, {600, 600, 38800, 5100}, false},
        // Margins from a hostile registry do not overflow.
        {kPrinter, {0x7FFFFFFF, 0, 0, 0}, {1288490188, 0, -1288485388, 6300}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.margins.left << ", " << c.margins.top);
        const PageBox box = ComputePageBox(c.printer, c.margins);
        EXPECT_EQ(box.left, c.box.left);
        EXPECT_EQ(box.top, c.box.top);
        EXPECT_EQ(box.width, c.box.width);
        EXPECT_EQ(box.height, c.box.height);
        EXPECT_EQ(IsUsablePageBox(c.printer, box), c.usable);
    }
}

TEST(PageLayout, FrameBandsSitAboveAndBelowTheText) {
    ViewState view;
    SetViewBox(view, ComputePageBox(kPrinter, PrintMargins{}));
    ReserveFrameBands(view, 40, 42);
    EXPECT_EQ(view.left, 600);
    EXPECT_EQ(view.top, 600 + 40 + 5);
    EXPECT_EQ(view.width, 3600);
    EXPECT_EQ(view.height, 5100 - 40 - 42 - 10);
    const Band header = HeaderBand(view, 40);
    EXPECT_EQ(header.top, 600);
    EXPECT_EQ(header.bottom, 640);
    EXPECT_EQ(header.left, 600);
    EXPECT_EQ(header.right, 4200);
    const Band footer = FooterBand(view, 42);
    EXPECT_EQ(footer.top, 600 + 5100 - 42);
    EXPECT_EQ(footer.bottom, 600 + 5100);
}

TEST(PageLayout, BoxMustHoldTheTallestRow) {
    ViewState view;
    view.height = 30;
    EXPECT_FALSE(BoxHoldsEveryRow(view)) << "no rows";
    view.rows = {ViewRow{0, 1, 0, 0, 10, 20, 0x31}, ViewRow{2, 1, 0, 0, 10, 30, 0xDC}, ViewRow{}};
    view.rowCount = 2;
    EXPECT_TRUE(BoxHoldsEveryRow(view));
    view.height = 29;
    EXPECT_FALSE(BoxHoldsEveryRow(view));
}

TEST(PageLayout, HeaderMarkReadsBetSamekhQuoteDalet) {
    const struct {
        int fontAsciiBase;
        char16_t units[kHeaderMarkLength];
    } cases[] = {
        {kUnicodeAsciiBase, {0x05D3, 0x0022, 0x05E1, 0x05D1}},
        {kEightBitAsciiBase, {0x00E3, 0x0022, 0x00F1, 0x00E1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fontAsciiBase);
        for (int i = 0; i < kHeaderMarkLength; ++i) {
            const Glyph glyph = GlyphForCode(kHeaderMarkCodes[i], c.fontAsciiBase);
            EXPECT_EQ(glyph.count, 1);
            EXPECT_EQ(glyph.first, c.units[i]);
        }
    }
}
