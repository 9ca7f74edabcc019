// The Reading view on a real device context: the layout of a shipped article
// with a real font, the cells of single codes, and what painting leaves in
// the pixels of a memory bitmap.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "app/program.h"
#include "store/article_resource.h"
#include "store/verse_map_resource.h"
#include "view/cell_placement.h"
#include "view/cluster_shaper.h"
#include "view/layout.h"
#include "view/navigation.h"
#include "view/paint_plan.h"
#include "view/reading_view.h"
#include "view/style_font.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr unsigned kBodyStyle = 0x11;
constexpr int kWidth = 600, kHeight = 400;
constexpr RECT kAll{0, 0, kWidth, kHeight};

// Top of a row when painting from row 0, gap rows counted.
int RowTop(const ViewState& view, int index) {
    int y = view.top;
    for (int i = 0; i < index; ++i) y += view.rows[i].height * ((view.rows[i].attr & kAttrParagraphGap) ? 2 : 1);
    return y;
}

// The bounding box of the pixels that differ between two pictures.
struct Extent {
    int left = kWidth, top = kHeight, right = -1, bottom = -1;
};
Extent Difference(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
    Extent e;
    for (int i = 0; i < kWidth * kHeight; ++i) {
        if (a[i] == b[i]) continue;
        e.left = std::min(e.left, i % kWidth);
        e.top = std::min(e.top, i / kWidth);
        e.right = std::max(e.right, i % kWidth + 1);
        e.bottom = std::max(e.bottom, i / kWidth + 1);
    }
    return e;
}

}  // namespace

// A view on a 32-bit top-down memory bitmap, its box leaving a margin all
// round, with Ezra SIL at 20 points in Unicode mode. The device context draws
// red in its own font until the view selects its fonts and colours, which it
// must put back.
class ViewGdi : public ::testing::Test {
protected:
    static constexpr RECT kBox{12, 10, 582, 370};

    void SetUp() override {
        program = ProgramState{};
        program.instance = GetModuleHandleW(nullptr);
        FontSettings& font = program.settings.font;
        std::u16string(u"Ezra SIL").copy(font.FontName, kFontNameMax);
        font.FontSize = 20;
        font.FontAsciiBase = kUnicodeAsciiBase;
        program.settings.Flags = kDefaultFlags;
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = kWidth;
        info.bmiHeader.biHeight = -kHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        ASSERT_NE(bits_, nullptr);
        previousBitmap_ = SelectObject(dc_, bitmap_);
        Fill(kWhite);
        original_ = GetCurrentObject(dc_, OBJ_FONT);
        SetTextColor(dc_, kRed);
        view_ = CreateView(dc_, &kBox, font, 100);
        ASSERT_NE(view_, nullptr);
    }
    void TearDown() override {
        SelectObject(dc_, original_);
        DestroyView(view_, true);
        if (previousBitmap_ != nullptr) SelectObject(dc_, previousBitmap_);
        if (bitmap_ != nullptr) DeleteObject(bitmap_);
        DeleteDC(dc_);
        program = ProgramState{};
    }

    void Fill(COLORREF c) {
        GdiFlush();
        std::fill(bits_, bits_ + kWidth * kHeight, (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c));
    }
    std::vector<uint32_t> Pixels() const {
        GdiFlush();
        return std::vector<uint32_t>(bits_, bits_ + kWidth * kHeight);
    }
    // The pixels of an area, clipped to the bitmap, for which test holds.
    template <typename Test>
    int CountIf(const RECT& area, Test test) const {
        GdiFlush();
        int count = 0;
        for (int y = std::max<int>(area.top, 0); y < std::min<int>(area.bottom, kHeight); ++y) {
            for (int x = std::max<int>(area.left, 0); x < std::min<int>(area.right, kWidth); ++x) {
                const uint32_t pixel = bits_[y * kWidth + x];
                count += test(RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF));
            }
        }
        return count;
    }
    int Count(const RECT& area, COLORREF colour) const {
        return CountIf(area, [colour](COLORREF c) { return c == colour; });
    }

    void LayOut() {
        ArticleText text = LoadArticleResource(1, nullptr);
        ASSERT_FALSE(text.empty());
        ASSERT_EQ(LayoutArticle(view_, std::move(text), true), 0);
        ASSERT_GT(view_->rowCount, 0);
        ExpectFontAndColourPutBack();
    }

    void ExpectFontAndColourPutBack() const {
        EXPECT_EQ(GetCurrentObject(dc_, OBJ_FONT), original_);
        EXPECT_EQ(GetTextColor(dc_), kRed);
    }

    // The width a style's table gives the bytes; -1 without a font for the style.
    int MeasureBytes(unsigned style, int start, int count) const {
        const StyleFont* entry = view_->fonts;
        while (entry != nullptr && entry->key != style) entry = entry->next;
        if (entry == nullptr) return -1;
        int width = 0;
        for (int i = start; i < start + count; ++i) width += CodeWidth(entry->widths, view_->text[i]);
        return width;
    }

    // The first body row with at least minCount bytes.
    int FirstBodyRow(int minCount) const {
        for (int i = 0; i < view_->rowCount; ++i) {
            const ViewRow& row = view_->rows[i];
            if ((row.attr & kStyleKeyMask) == kBodyStyle && row.count >= minCount && row.indent == 0) return i;
        }
        return -1;
    }

    // The view's font settings with another face and size.
    FontSettings Face(const char16_t* face, int size) const {
        FontSettings font = view_->fontSettings;
        std::fill(std::begin(font.FontName), std::end(font.FontName), 0);
        std::u16string(face).copy(font.FontName, kFontNameMax);
        font.FontSize = size;
        return font;
    }

    // Calls draw(cell, glyph index, origin) for every glyph of the run's cells,
    // with each glyph's origin where the row puts it (text aligned to the baseline).
    template <typename Draw>
    void ForEachGlyph(const uint8_t* bytes, int count, int x, int w, int y, Draw draw) {
        std::vector<ClusterCell> cells;
        const TextLevel highest = view_->shaper->showsLayerMarks ? TextLevel::kCantillation : TextLevel::kVowels;
        const CellLevels levels{view_, view_->level, highest, &view_->marks};
        PlaceCells(view_->widths, bytes, count, static_cast<size_t>(bytes - view_->text.data()), x + w, levels, cells);
        SetBkMode(dc_, TRANSPARENT);
        const UINT align = SetTextAlign(dc_, TA_BASELINE);
        for (const ClusterCell& cell : cells) {
            const ShapedCluster& cluster = ShapeCell(dc_, *view_->shaper, cell);
            const int origin = cell.left + (cell.right - cell.left - cluster.advance) / 2;
            for (int g = 0; g < cluster.count; ++g) {
                const ShapedGlyph& glyph = cluster.glyphs[g];
                draw(cell, g == cluster.letter, POINT{origin + glyph.x, y + view_->shaper->room.above + glyph.y},
                     glyph.glyph);
            }
        }
        SetTextAlign(dc_, align);
    }

    void DrawGlyph(POINT at, WORD glyph) {
        ExtTextOutW(dc_, at.x, at.y, ETO_GLYPH_INDEX, nullptr, reinterpret_cast<const wchar_t*>(&glyph), 1, nullptr);
    }

    // Draws each mark of a run's letters alone where the row puts it, and
    // expects no two marks of a letter to share a pixel of ink.
    template <typename Ink>
    void ExpectMarksApart(const uint8_t* bytes, int count, int x, int w, int y, Ink ink) {
        const ClusterCell* letter = nullptr;
        std::vector<bool> taken;
        ForEachGlyph(bytes, count, x, w, y, [&](const ClusterCell& cell, bool isLetter, POINT at, WORD glyph) {
            if (&cell != letter) taken.assign(kWidth * kHeight, false);
            letter = &cell;
            if (isLetter) return;
            Fill(kWhite);
            DrawGlyph(at, glyph);
            GdiFlush();
            int shared = 0;
            for (int i = std::max(0, y - 20) * kWidth; i < std::min(kHeight, y + 200) * kWidth; ++i) {
                if (!ink(bits_[i])) continue;
                shared += taken[i];
                taken[i] = true;
            }
            EXPECT_EQ(shared, 0) << "the marks of the letter at x " << cell.left << " meet";
        });
    }

    HDC dc_ = CreateCompatibleDC(nullptr);
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previousBitmap_ = nullptr;
    uint32_t* bits_ = nullptr;
    HGDIOBJ original_ = nullptr;
    ViewState* view_ = nullptr;
};

// Every row fits the box, with the width its style's table gives its bytes,
// and the heading's larger font makes taller rows.
TEST_F(ViewGdi, ArticleLayoutFitsTheBoxWithARealFont) {
    LayOut();
    int tallest = 0, bodyHeight = 0;
    for (int i = 0; i < view_->rowCount; ++i) {
        SCOPED_TRACE(testing::Message() << "row " << i);
        const ViewRow& row = view_->rows[i];
        EXPECT_GT(row.count, 0);
        EXPECT_LE(row.width, view_->width);
        EXPECT_EQ(row.width, MeasureBytes(row.attr & kStyleKeyMask, row.offset, row.count));
        tallest = std::max<int>(tallest, row.height);
        if ((row.attr & kStyleKeyMask) == kBodyStyle) bodyHeight = row.height;
    }
    EXPECT_GT(tallest, bodyHeight);
}

// A row that does not fit completely is not drawn at all: with the box one
// pixel too low for a body row, its place stays white while the rows above
// are drawn; one pixel more and it is drawn.
TEST_F(ViewGdi, RowThatDoesNotFitIsNotDrawn) {
    LayOut();
    const int cut = FirstBodyRow(4) + 1;
    ASSERT_GT(cut, 1);
    ASSERT_LT(cut, view_->rowCount);
    const int top = RowTop(*view_, cut), height = view_->rows[cut].height;
    const int left = view_->left, right = view_->left + view_->width;
    for (const int extra : {-1, 0}) {
        SCOPED_TRACE(extra);
        ASSERT_EQ(ResizeView(view_, view_->width, top - view_->top + height + extra), 0);
        Fill(kWhite);
        EXPECT_EQ(PaintView(view_, true), 0);
        EXPECT_EQ(Count(RECT{left, top, right, top + height}, kWhite) < view_->width * height, extra == 0);
        EXPECT_LT(Count(RECT{left, view_->top, right, top}, kWhite), view_->width * (top - view_->top));
    }
}

// Section headings (bold and larger) are blue, body text black: every inked
// pixel of a heading row is full blue mixed with white, every one of a body
// row a grey.
TEST_F(ViewGdi, HeadingsAreBlueAndBodyTextBlack) {
    LayOut();
    ASSERT_EQ(PaintView(view_, true), 0);
    ExpectFontAndColourPutBack();
    int headings = 0, bodies = 0;
    for (const PlacedRow& placed : PlanPaint(*view_, false).rows) {
        const ViewRow& row = view_->rows[placed.index];
        const bool heading = (row.attr & kStyleKeyMask) == (kAttrSectionHeading & kStyleKeyMask);
        const bool body = (row.attr & kStyleKeyMask) == kBodyStyle;
        if (!heading && !body) continue;
        SCOPED_TRACE(testing::Message() << "row " << placed.index);
        const RECT place{row.x, placed.y, row.x + row.width, placed.y + row.height};
        EXPECT_GT(CountIf(place, [](COLORREF c) { return c != kWhite; }), 0);
        EXPECT_EQ(CountIf(place, [heading](COLORREF c) {
            const bool grey = GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c);
            return heading ? GetBValue(c) != 255 || GetRValue(c) != GetGValue(c) : !grey;
        }), 0);
        headings += heading;
        bodies += body;
    }
    EXPECT_GT(headings, 0);
    EXPECT_GT(bodies, 0);
}

// The highlight paints yellow behind exactly the highlighted bytes: from the
// width of the bytes before them, as wide as they are, one pixel above and
// below the row.
TEST_F(ViewGdi, HighlightPaintsYellowBehindExactlyItsBytes) {
    LayOut();
    const int index = FirstBodyRow(12);
    ASSERT_GE(index, 0);
    const ViewRow& row = view_->rows[index];
    const int top = RowTop(*view_, index) - 1, bottom = top + row.height + 2;
    ASSERT_LE(bottom - 1, view_->top + view_->height);
    view_->highlightStart = row.offset + 4;
    view_->highlightEnd = row.offset + 10;
    ASSERT_EQ(PaintView(view_, true), 0);
    ExpectFontAndColourPutBack();

    const int left = row.x + MeasureBytes(kBodyStyle, row.offset, 4);
    const int right = left + MeasureBytes(kBodyStyle, row.offset + 4, 6);
    ASSERT_GT(right, left);
    for (int x = view_->left; x < view_->left + view_->width; ++x) {
        EXPECT_EQ(Count(RECT{x, top, x + 1, bottom}, kYellow) > 0, x >= left && x < right) << "column " << x;
    }
    EXPECT_EQ(Count(RECT{0, 0, kWidth, top}, kYellow), 0);
    EXPECT_EQ(Count(RECT{0, bottom, kWidth, kHeight}, kYellow), 0);
}

// A hit on the top row stays inside the box, so that a repaint after
// scrolling away, which clears only the box, leaves nothing of it behind. A
// paint with a hit tells where it stopped, as any paint does.
TEST_F(ViewGdi, AHighlightOnTheTopRowLeavesNothingAfterScrolling) {
    LayOut();
    const int index = FirstBodyRow(12);
    ASSERT_GE(index, 0);
    FindRowForOffset(*view_, view_->rows[index].offset);
    ASSERT_EQ(FindFirstPaintRow(*view_).row, index);
    view_->highlightStart = view_->rows[index].offset;
    view_->highlightEnd = view_->rows[index].offset + 6;
    view_->nextPaintRow = -1;
    ASSERT_EQ(PaintView(view_, true), 0);
    EXPECT_GT(Count(kBox, kYellow), 0);
    EXPECT_EQ(view_->nextPaintRow, PlanPaint(*view_, true).nextRow);
    view_->highlightStart = view_->highlightEnd = 0;
    ASSERT_EQ(ScrollView(view_, 1, 1, true), 0);
    EXPECT_EQ(Count(kAll, kYellow), 0);
}

// Without text nothing is drawn. With erase the box is cleared first and
// nothing outside it is touched; without, what was there stays between the
// letters.
TEST_F(ViewGdi, EraseClearsTheBoxOnly) {
    Fill(kRed);
    EXPECT_EQ(PaintView(view_, true), -1);
    EXPECT_EQ(Count(kAll, kRed), kWidth * kHeight);

    LayOut();
    const RECT box{view_->left, view_->top, view_->left + view_->width, view_->top + view_->height};
    const int inside = view_->width * view_->height, outside = kWidth * kHeight - inside;
    ASSERT_EQ(PaintView(view_, true), 0);
    EXPECT_EQ(Count(box, kRed), 0);
    EXPECT_EQ(Count(kAll, kRed), outside);

    Fill(kRed);
    ASSERT_EQ(PaintView(view_, false), 0);
    EXPECT_GT(Count(box, kRed), inside / 2);
    EXPECT_EQ(Count(kAll, kRed) - Count(box, kRed), outside);
}

// Single codes drawn by DrawRun at the right end of a box: each point sits on
// its letter, below it or above it, within its letter's cell as widened by
// the room the font's marks may take, and inside the row.
TEST_F(ViewGdi, VowelPointsSitOnTheirLetters) {
    SelectStyleFont(view_, kBodyStyle);
    ASSERT_NE(view_->shaper, nullptr);
    const WidthTable& table = *view_->widths;
    const MarkRoom room = view_->shaper->room;
    const int y = 40, h = room.above + room.below, right = 300;
    const auto draw = [&](const std::vector<uint8_t>& codes) {
        Fill(kWhite);
        DrawRun(view_, codes.data(), static_cast<int>(codes.size()), right - 200, y, 200, h);
        return Pixels();
    };
    const int dalet = CodeWidth(table, 0x64), lamed = CodeWidth(table, 0x4F), alef = CodeWidth(table, 0x61);
    const struct {
        const char* label;
        std::vector<uint8_t> withPoint, without;
        int cellLeft, cellRight;
        bool below;
    } cases[] = {
        {"qamats under dalet", {0x16, 0x64}, {0x64}, right - dalet, right, true},
        {"qamats under dalet after alef", {0x16, 0x64, 0x61}, {0x64, 0x61}, right - alef - dalet, right - alef, true},
        {"holam over dalet", {0x1F, 0x64}, {0x64}, right - dalet, right, false},
        {"holam on lamed", {0x59}, {0x4F}, right - lamed, right, false},
    };
    const std::vector<uint32_t> white = draw({});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const std::vector<uint32_t> plain = draw(c.without);
        const Extent letters = Difference(white, plain);
        const Extent point = Difference(plain, draw(c.withPoint));
        ASSERT_GE(letters.right, 0);
        ASSERT_GE(point.right, 0) << "the point left no mark";
        EXPECT_GE(point.left, c.cellLeft - room.left);
        EXPECT_LE(point.right, c.cellRight + room.right);
        EXPECT_GE(point.top, y);
        EXPECT_LE(point.bottom, y + h);
        const int middle = (letters.top + letters.bottom) / 2;
        EXPECT_TRUE(c.below ? point.top > middle : point.bottom < middle);
    }
}

// With an 8-bit font the row is converted and drawn in one call, centred in
// its box: the same pixels as drawing the converted characters directly.
TEST_F(ViewGdi, EightBitRowIsDrawnAsOneCentredLine) {
    view_->fontSettings.FontAsciiBase = kEightBitAsciiBase;
    std::u16string(u"DejaVu Sans").copy(view_->fontSettings.FontName, kFontNameMax);
    view_->fontSettings.FontName[11] = 0;
    SelectStyleFont(view_, kBodyStyle);
    RECT box{50, 30, 350, 70};
    const uint8_t stored[] = {0x64, 0x16, 0x68, 0x19, 0x61};
    DrawRun(view_, stored, 5, box.left, box.top, box.right - box.left, box.bottom - box.top);
    const std::vector<uint32_t> drawn = Pixels();
    Fill(kWhite);
    DrawTextW(dc_, L"\u00E3\u00E7\u00E0", 3, &box, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
    EXPECT_TRUE(drawn == Pixels());
    EXPECT_LT(Count(kAll, kWhite), kWidth * kHeight) << "nothing was drawn";
}

// A row drawn in one call, as the screen and the printer draw it, has exactly
// the pixels of its clusters each drawn alone: every letter and mark lands
// where its shaping put it, in faces that place their marks differently, and
// at every level.
TEST_F(ViewGdi, ARowInOneCallPutsEveryGlyphWhereItsClusterSays) {
    LayOut();
    view_->article = 1;
    view_->level = TextLevel::kCantillation;
    EnsureMarkLayer(view_);
    ASSERT_FALSE(view_->marks.letters.empty());
    const struct { const char16_t* face; int size; } fonts[] = {
        {u"Ezra SIL", 20}, {u"Frank Ruehl CLM", 28}, {u"DejaVu Sans", 12},
    };
    constexpr int kRowsPerFace = 40, y = 40;
    for (const auto& f : fonts) {
        SCOPED_TRACE(testing::PrintToString(std::u16string(f.face)));
        const FontSettings font = Face(f.face, f.size);
        ASSERT_EQ(ApplyFontSettings(view_, &font), 0);
        for (int i = 0; i < std::min<int>(view_->rowCount, kRowsPerFace); ++i) {
            const ViewRow& row = view_->rows[i];
            if (IsRuleRecord(row.attr)) continue;
            SCOPED_TRACE(testing::Message() << "row " << i);
            SelectStyleFont(view_, row.attr & kStyleKeyMask);
            const uint8_t* bytes = view_->text.data() + row.offset;
            const RECT box{0, y, kWidth, y + row.height};
            Fill(kWhite);
            DrawRun(view_, bytes, row.count, row.x, y, row.width, row.height);
            const std::vector<uint32_t> inOneCall = Pixels();
            Fill(kWhite);
            ForEachGlyph(bytes, row.count, row.x, row.width, y, [&](const ClusterCell&, bool, POINT at, WORD glyph) {
                DrawGlyph(at, glyph);
            });
            const std::vector<uint32_t> eachAlone = Pixels();
            ASSERT_LT(Count(box, kWhite), kWidth * row.height) << "nothing drawn";
            EXPECT_TRUE(inOneCall == eachAlone);
        }
    }
}

namespace {

// The rows that hold a verse's stored bytes.
std::vector<int> RowsOfVerse(const ViewState& view, const VerseReference& reference) {
    const VersePlace place = FindVerse(ProgramVerseMap(), reference);
    const std::vector<TextSpan> spans =
        VerseSpans(view.text, ProgramVerseMap().articles[place.article], place.index, place.index);
    std::vector<int> rows;
    for (int i = 0; i < view.rowCount; ++i) {
        const auto meets = [&](const TextSpan& span) { return RowMeetsRange(view.rows[i], {span.start, span.end - 1}); };
        if (std::any_of(spans.begin(), spans.end(), meets)) rows.push_back(i);
    }
    return rows;
}

}  // namespace

// Gen 41:1-4 and Lev 25:20 (where one letter carries two accents) in two
// faces at two sizes, with every mark: no two marks' ink meets, all ink stays
// in its row and the box, and the letters and points keep their pixels when
// the cantillation is shown or hidden (a letter drawn with its dagesh as one
// glyph keeps most of them: the font's own form of that letter).
TEST_F(ViewGdi, MarksStayApartInsideTheirRowsAndLeaveTheLettersInPlace) {
    const struct { const char16_t* face; int size; } fonts[] = {
        {u"Ezra SIL", 20}, {u"Ezra SIL", 32}, {u"Frank Ruehl CLM", 20}, {u"Frank Ruehl CLM", 32},
    };
    const VerseReference verses[] = {{1, 41, 1}, {1, 41, 2}, {1, 41, 3}, {1, 41, 4}, {3, 25, 20}};
    constexpr int y = 100;
    const auto ink = [](uint32_t pixel) { return ((pixel >> 8) & 0xFF) < 128; };
    for (const auto& f : fonts) {
        for (const VerseReference& reference : verses) {
            SCOPED_TRACE(testing::PrintToString(std::u16string(f.face)) + " " + std::to_string(f.size) + ", " +
                         std::to_string(reference.chapter) + ":" + std::to_string(reference.verse));
            const VersePlace place = FindVerse(ProgramVerseMap(), reference);
            view_->fontSettings = Face(f.face, f.size);
            RecreateStyleFonts(view_);
            ASSERT_EQ(LayoutArticle(view_, LoadArticleResource(place.article, nullptr), true), 0);
            view_->article = static_cast<uint16_t>(place.article);
            view_->level = TextLevel::kCantillation;
            EnsureMarkLayer(view_);
            ASSERT_FALSE(view_->marks.letters.empty());
            const std::vector<int> rows = RowsOfVerse(*view_, reference);
            ASSERT_FALSE(rows.empty());
            for (int index : rows) {
                const ViewRow& row = view_->rows[index];
                SelectStyleFont(view_, row.attr & kStyleKeyMask);
                ASSERT_TRUE(view_->shaper->showsLayerMarks);
                const uint8_t* bytes = view_->text.data() + row.offset;
                std::vector<std::vector<uint32_t>> levels;
                for (TextLevel level : {TextLevel::kLettersOnly, TextLevel::kVowels, TextLevel::kCantillation}) {
                    view_->level = level;
                    Fill(kWhite);
                    DrawRun(view_, bytes, row.count, row.x, y, row.width, row.height);
                    levels.push_back(Pixels());
                }
                int outside = 0, lost = 0, letters = 0, lettersLost = 0;
                for (int i = 0; i < kWidth * kHeight; ++i) {
                    const int px = i % kWidth, py = i / kWidth;
                    const bool inRow = py >= y && py < y + row.height && px >= kBox.left && px < kBox.right;
                    outside += ink(levels[2][i]) && !inRow;
                    lost += ink(levels[1][i]) && !ink(levels[2][i]);
                    letters += ink(levels[0][i]);
                    lettersLost += ink(levels[0][i]) && !ink(levels[1][i]);
                }
                EXPECT_EQ(outside, 0) << "row " << index << ": ink beyond its row";
                EXPECT_EQ(lost, 0) << "row " << index << ": the points moved";
                EXPECT_LT(lettersLost * 20, letters) << "row " << index << ": the letters moved";
                ExpectMarksApart(bytes, row.count, row.x, row.width, y, ink);
            }
        }
    }
}
