// The Reading view on a real device context: the layout of a shipped article
// with a real font, the cells of single codes, and what painting leaves in
// the pixels of a memory bitmap.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "app/program.h"
#include "store/article_resource.h"
#include "view/reading_view.h"
#include "view/style_font.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr unsigned kBodyStyle = 0x11;

struct Ink {
    int r, g, b;
};
Ink InkOf(COLORREF colour) { return {GetRValue(colour), GetGValue(colour), GetBValue(colour)}; }

// A 32-bit top-down bitmap selected into a memory device context.
class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height) {
        dc_ = CreateCompatibleDC(nullptr);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<uint32_t*>(bits);
        if (bitmap_ != nullptr) previous_ = SelectObject(dc_, bitmap_);
        Fill(kWhite);
    }
    ~Canvas() {
        if (previous_ != nullptr) SelectObject(dc_, previous_);
        if (bitmap_ != nullptr) DeleteObject(bitmap_);
        if (dc_ != nullptr) DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    bool Ready() const { return dc_ != nullptr && bits_ != nullptr; }
    HDC Dc() const { return dc_; }

    void Fill(COLORREF colour) {
        GdiFlush();
        const uint32_t pixel = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
        std::fill(bits_, bits_ + width_ * height_, pixel);
    }
    COLORREF At(int x, int y) const {
        const uint32_t pixel = bits_[y * width_ + x];
        return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    }
    // The pixels of an area, left to right, top down, clipped to the bitmap.
    template <typename Visit>
    void ForEach(const RECT& area, Visit visit) const {
        GdiFlush();
        for (int y = std::max<int>(area.top, 0); y < std::min<int>(area.bottom, height_); ++y) {
            for (int x = std::max<int>(area.left, 0); x < std::min<int>(area.right, width_); ++x) visit(x, y, At(x, y));
        }
    }
    int Count(const RECT& area, COLORREF colour) const {
        int count = 0;
        ForEach(area, [&](int, int, COLORREF c) { count += c == colour; });
        return count;
    }
    int Width() const { return width_; }
    int Height() const { return height_; }
    std::vector<uint32_t> Pixels() const {
        GdiFlush();
        return std::vector<uint32_t>(bits_, bits_ + width_ * height_);
    }

private:
    int width_, height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    uint32_t* bits_ = nullptr;
};

// Top of every ViewRow when painting from row 0, gap rows counted.
std::vector<int> RowTops(const ViewState& view) {
    std::vector<int> tops;
    int y = view.top;
    for (int i = 0; i < view.rowCount; ++i) {
        tops.push_back(y);
        const ViewRow& row = view.rows[i];
        y += row.height * ((row.attr & kAttrParagraphGap) ? 2 : 1);
    }
    return tops;
}

bool IsRightAligned(uint8_t attr) { return (attr & kAttrAlignMask) == kAttrAlignRight; }
bool IsCentred(uint8_t attr) { return (attr & kAttrAlignMask) == kAttrAlignCenter; }

}  // namespace

// A 600 x 400 bitmap with a view on it whose box leaves a margin all round,
// with Ezra SIL at 20 points in Unicode mode.
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
        ASSERT_TRUE(canvas_.Ready());
        original_ = GetCurrentObject(canvas_.Dc(), OBJ_FONT);
        view_ = CreateView(canvas_.Dc(), &kBox, font, 100);
        ASSERT_NE(view_, nullptr);
    }
    void TearDown() override {
        SelectObject(canvas_.Dc(), original_);
        DestroyView(view_, true);
        program = ProgramState{};
    }

    void LayOut(int article) {
        ArticleText text = LoadArticleResource(article, nullptr);
        ASSERT_FALSE(text.empty());
        ASSERT_EQ(LayoutArticle(view_, std::move(text), true), 0);
        ASSERT_GT(view_->rowCount, 0);
    }

    const WidthTable* TableOf(unsigned style) const {
        for (const StyleFont* entry = view_->fonts; entry != nullptr; entry = entry->next) {
            if (entry->key == style) return &entry->widths;
        }
        return nullptr;
    }

    // The first body row with at least minCount bytes.
    int FirstBodyRow(int minCount) const {
        for (int i = 0; i < view_->rowCount; ++i) {
            const ViewRow& row = view_->rows[i];
            if ((row.attr & kStyleKeyMask) == kBodyStyle && row.count >= minCount && row.indent == 0) return i;
        }
        return -1;
    }

    int MeasureBytes(unsigned style, int start, int count) const {
        int width = 0;
        for (int i = start; i < start + count; ++i) width += CodeWidth(*TableOf(style), view_->text[i]);
        return width;
    }

    Canvas canvas_{600, 400};
    HGDIOBJ original_ = nullptr;
    ViewState* view_ = nullptr;
};

// Every row fits the box and stands where its alignment puts it, with the
// width its style's table gives its bytes; the row counts and the last top
// row agree with the rows' heights.
TEST_F(ViewGdi, ArticleLayoutFitsTheBoxWithARealFont) {
    LayOut(1);
    const ViewState& view = *view_;
    int gapRows = 0;
    int tallest = 0, bodyHeight = 0;
    for (int i = 0; i < view.rowCount; ++i) {
        SCOPED_TRACE(testing::Message() << "row " << i);
        const ViewRow& row = view.rows[i];
        EXPECT_LE(row.width, view.width);
        EXPECT_GT(row.count, 0);
        ASSERT_NE(TableOf(row.attr & kStyleKeyMask), nullptr);
        EXPECT_EQ(row.width, MeasureBytes(row.attr & kStyleKeyMask, row.offset, row.count));
        if (IsRightAligned(row.attr)) {
            EXPECT_EQ(row.x + row.width, view.left + view.width);
        } else if (IsCentred(row.attr)) {
            EXPECT_EQ(row.x, view.left + (view.width - row.width) / 2);
        }
        gapRows += (row.attr & kAttrParagraphGap) ? 1 : 0;
        tallest = std::max<int>(tallest, row.height);
        if ((row.attr & kStyleKeyMask) == kBodyStyle) bodyHeight = row.height;
    }
    EXPECT_EQ(view.rows[view.rowCount - 1].attr & kAttrParagraphGap, 0);
    EXPECT_EQ(view.rows[view.rowCount].attr, 0) << "terminator row";
    EXPECT_EQ(view.totalRows, view.rowCount + gapRows);
    EXPECT_GT(tallest, bodyHeight) << "the heading's larger font";

    // maxRow leaves exactly the rows that fit the box below it.
    std::vector<int> heights;
    for (int i = 0; i < view.rowCount; ++i) {
        const ViewRow& row = view.rows[i];
        heights.push_back(row.height);
        if (row.attr & kAttrParagraphGap) heights.push_back(row.height);
    }
    ASSERT_EQ(heights.size(), view.totalRows);
    int fitting = 0, used = 0;
    while (fitting < view.totalRows && used + heights[view.totalRows - 1 - fitting] <= view.height) {
        used += heights[view.totalRows - 1 - fitting];
        ++fitting;
    }
    EXPECT_GT(view.maxRow, 0) << "article 1 is longer than the box";
    EXPECT_EQ(view.maxRow, view.totalRows - fitting);
}

TEST_F(ViewGdi, LayoutAndPaintPutTheFontAndColourBack) {
    HFONT chosen = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, L"DejaVu Sans");
    ASSERT_NE(chosen, nullptr);
    HDC dc = canvas_.Dc();
    SelectObject(dc, chosen);
    SetTextColor(dc, kRed);
    LayOut(1);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), chosen);
    EXPECT_EQ(PaintView(view_, true), 0);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), chosen);
    EXPECT_EQ(GetTextColor(dc), kRed);
    view_->highlightStart = view_->rows[0].offset;
    view_->highlightEnd = view_->rows[0].offset + 3;
    EXPECT_EQ(PaintView(view_, false), 0);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), chosen);
    EXPECT_EQ(GetTextColor(dc), kRed);
    SelectObject(dc, original_);
    DeleteObject(chosen);
}

TEST_F(ViewGdi, PaintWithoutTextDrawsNothing) {
    canvas_.Fill(kRed);
    EXPECT_EQ(PaintView(view_, true), -1);
    EXPECT_EQ(canvas_.Count(RECT{0, 0, 600, 400}, kRed), 600 * 400);
}

// A row that does not fit completely is not drawn at all: with the box one
// pixel too low for a body row, its place stays white; one pixel more and it
// is drawn.
TEST_F(ViewGdi, RowThatDoesNotFitIsNotDrawn) {
    LayOut(1);
    const int cut = FirstBodyRow(4) + 1;
    ASSERT_GT(cut, 1);
    ASSERT_LT(cut, view_->rowCount);
    const std::vector<int> tops = RowTops(*view_);
    const ViewRow row = view_->rows[cut];
    int rowsAbove = 0;
    for (int i = 0; i < cut; ++i) rowsAbove += (view_->rows[i].attr & kAttrParagraphGap) ? 2 : 1;
    const RECT place{view_->left, tops[cut], view_->left + view_->width, tops[cut] + row.height};

    for (const int extra : {-1, 0}) {
        SCOPED_TRACE(extra);
        ASSERT_EQ(ResizeView(view_, view_->width, tops[cut] - view_->top + row.height + extra), 0);
        canvas_.Fill(kWhite);
        EXPECT_EQ(PaintView(view_, true), 0);
        const int ink = view_->width * row.height - canvas_.Count(place, kWhite);
        if (extra < 0) {
            EXPECT_EQ(view_->rowsOnPage, rowsAbove);
            EXPECT_EQ(ink, 0) << "the row that does not fit left ink";
            EXPECT_LT(canvas_.Count(RECT{view_->left, tops[cut - 1], view_->left + view_->width, tops[cut]}, kWhite),
                      view_->width * (tops[cut] - tops[cut - 1]))
                << "the row above it is drawn";
        } else {
            EXPECT_GE(view_->rowsOnPage, rowsAbove + 1);
            EXPECT_GT(ink, 0);
        }
    }
}

// Section headings (bold and larger) are blue, body text black: every inked
// pixel of a heading row is full blue mixed with white, every one of a body
// row a grey.
TEST_F(ViewGdi, HeadingsAreBlueAndBodyTextBlack) {
    LayOut(1);
    ASSERT_EQ(PaintView(view_, true), 0);
    const std::vector<int> tops = RowTops(*view_);
    int headings = 0, bodies = 0;
    for (int i = 0; i < view_->rowCount && tops[i] + view_->rows[i].height <= view_->top + view_->height; ++i) {
        const ViewRow& row = view_->rows[i];
        const bool heading = (row.attr & kStyleKeyMask) == (kAttrSectionHeading & kStyleKeyMask);
        const bool body = (row.attr & kStyleKeyMask) == kBodyStyle;
        if (!heading && !body) continue;
        SCOPED_TRACE(testing::Message() << "row " << i);
        int inked = 0, wrong = 0;
        canvas_.ForEach(RECT{row.x, tops[i], row.x + row.width, tops[i] + row.height}, [&](int, int, COLORREF c) {
            if (c == kWhite) return;
            ++inked;
            const Ink ink = InkOf(c);
            const bool right = heading ? ink.b == 255 && ink.r == ink.g : ink.r == ink.g && ink.g == ink.b;
            wrong += right ? 0 : 1;
        });
        EXPECT_GT(inked, 0);
        EXPECT_EQ(wrong, 0);
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
    LayOut(1);
    const int index = FirstBodyRow(12);
    ASSERT_GE(index, 0);
    const ViewRow& row = view_->rows[index];
    const std::vector<int> tops = RowTops(*view_);
    ASSERT_LE(tops[index] + row.height, view_->top + view_->height);
    view_->highlightStart = row.offset + 4;
    view_->highlightEnd = row.offset + 10;
    ASSERT_EQ(PaintView(view_, true), 0);

    const int left = row.x + MeasureBytes(kBodyStyle, row.offset, 4);
    const int right = left + MeasureBytes(kBodyStyle, row.offset + 4, 6);
    ASSERT_GT(right, left);
    const int top = tops[index] - 1, bottom = tops[index] + row.height + 1;
    for (int x = view_->left; x < view_->left + view_->width; ++x) {
        const int yellow = canvas_.Count(RECT{x, top, x + 1, bottom}, kYellow);
        if (x >= left && x < right) {
            EXPECT_GT(yellow, 0) << "column " << x;
        } else {
            EXPECT_EQ(yellow, 0) << "column " << x;
        }
    }
    EXPECT_EQ(canvas_.Count(RECT{0, 0, 600, top}, kYellow), 0);
    EXPECT_EQ(canvas_.Count(RECT{0, bottom, 600, 400}, kYellow), 0);
}

// With erase the box is cleared first and nothing outside it is touched;
// without, what was there stays between the letters.
TEST_F(ViewGdi, EraseClearsTheBoxOnly) {
    LayOut(1);
    const RECT box{view_->left, view_->top, view_->left + view_->width, view_->top + view_->height};
    const int outside = 600 * 400 - view_->width * view_->height;
    canvas_.Fill(kRed);
    ASSERT_EQ(PaintView(view_, true), 0);
    EXPECT_EQ(canvas_.Count(box, kRed), 0);
    EXPECT_EQ(canvas_.Count(RECT{0, 0, 600, 400}, kRed), outside);

    canvas_.Fill(kRed);
    ASSERT_EQ(PaintView(view_, false), 0);
    EXPECT_GT(canvas_.Count(box, kRed), view_->width * view_->height / 2);
    EXPECT_EQ(canvas_.Count(RECT{0, 0, 600, 400}, kRed) - canvas_.Count(box, kRed), outside);
}

namespace {

struct Extent {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    bool Empty() const { return right < 0; }
    void Add(int x, int y) {
        left = std::min(left, x);
        top = std::min(top, y);
        right = std::max(right, x + 1);
        bottom = std::max(bottom, y + 1);
    }
};

}  // namespace

// Single codes drawn by DrawRun at the right end of a box: a vowel point lands
// in its letter's cell (the cell before it in drawing order), a holam in a
// 3-pixel cell at the letter's left edge, and the lamed with holam draws its
// holam left of the lamed's cell, above.
TEST_F(ViewGdi, VowelPointsSitInTheirLettersCells) {
    SelectStyleFont(view_, kBodyStyle);
    TEXTMETRICW metrics{};
    GetTextMetricsW(canvas_.Dc(), &metrics);
    const WidthTable& table = *view_->widths;
    const int x = 100, y = 40, w = 200, h = metrics.tmHeight;
    const int right = x + w;
    const auto draw = [&](std::initializer_list<uint8_t> codes) {
        canvas_.Fill(kWhite);
        const std::vector<uint8_t> bytes(codes);
        DrawRun(view_, bytes.data(), static_cast<int>(bytes.size()), x, y, w, h);
        return canvas_.Pixels();
    };
    const int dalet = CodeWidth(table, 0x64), lamed = CodeWidth(table, 0x4F), alef = CodeWidth(table, 0x61);
    const struct {
        const char* label;
        std::initializer_list<uint8_t> withPoint, without;
        int cellLeft, cellRight;
        bool below;
    } cases[] = {
        {"qamats under dalet", {0x16, 0x64}, {0x64}, right - dalet, right, true},
        {"qamats under dalet after alef", {0x16, 0x64, 0x61}, {0x64, 0x61}, right - alef - dalet, right - alef, true},
        {"holam beside dalet", {0x1F, 0x64}, {0x64}, right - dalet, right - dalet + 3, false},
        {"holam on lamed", {0x59}, {0x4F}, right - lamed - 2, right - lamed + 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const std::vector<uint32_t> plain = draw(c.without);
        Extent letters;
        for (int i = 0; i < canvas_.Width() * canvas_.Height(); ++i) {
            if (plain[i] != 0xFFFFFF) letters.Add(i % canvas_.Width(), i / canvas_.Width());
        }
        ASSERT_FALSE(letters.Empty());
        const std::vector<uint32_t> pointed = draw(c.withPoint);
        Extent point;
        for (int i = 0; i < canvas_.Width() * canvas_.Height(); ++i) {
            if (pointed[i] != plain[i]) point.Add(i % canvas_.Width(), i / canvas_.Width());
        }
        ASSERT_FALSE(point.Empty()) << "the point left no mark";
        EXPECT_GE(point.left, c.cellLeft);
        EXPECT_LE(point.right, c.cellRight);
        EXPECT_GE(point.top, y);
        EXPECT_LE(point.bottom, y + h);
        const int middle = (letters.top + letters.bottom) / 2;
        if (c.below) {
            EXPECT_GT(point.top, middle);
        } else {
            EXPECT_LT(point.bottom, middle);
        }
    }
    SelectObject(canvas_.Dc(), original_);
}

// With an 8-bit font the row is converted and drawn in one call, centred in
// its box: the same pixels as drawing the converted characters directly.
TEST_F(ViewGdi, EightBitRowIsDrawnAsOneCentredLine) {
    program.settings.font.FontAsciiBase = kEightBitAsciiBase;
    std::u16string(u"DejaVu Sans").copy(view_->fontSettings.FontName, kFontNameMax);
    view_->fontSettings.FontName[11] = 0;
    SelectStyleFont(view_, kBodyStyle);
    const RECT box{50, 30, 350, 70};
    const uint8_t stored[] = {0x64, 0x16, 0x68, 0x19, 0x61};
    DrawRun(view_, stored, 5, box.left, box.top, box.right - box.left, box.bottom - box.top);
    const std::vector<uint32_t> drawn = canvas_.Pixels();

    canvas_.Fill(kWhite);
    RECT direct = box;
    DrawTextW(canvas_.Dc(), L"\u00E3\u00E7\u00E0", 3, &direct, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
    EXPECT_TRUE(drawn == canvas_.Pixels());
    EXPECT_LT(canvas_.Count(RECT{0, 0, 600, 400}, kWhite), 600 * 400) << "nothing was drawn";
    SelectObject(canvas_.Dc(), original_);
}
