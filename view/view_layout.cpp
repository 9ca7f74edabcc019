// The layout on the view's device context: a measurer over the style fonts,
// and the layout operations that the window and the navigation call.
#include <algorithm>

#include "app/program.h"
#include "view/char_widths.h"
#include "view/layout.h"
#include "view/reading_view.h"
#include "view/style_font.h"

namespace {

// Measures with the view's style fonts and puts back the font that was
// selected before the first style, when the layout is done.
class GdiMeasurer : public LayoutMeasurer {
public:
    explicit GdiMeasurer(ViewState* view) : view_(view) {}
    ~GdiMeasurer() override {
        if (selected_) SelectObject(Dc(), previous_);
    }
    GdiMeasurer(const GdiMeasurer&) = delete;
    GdiMeasurer& operator=(const GdiMeasurer&) = delete;

    StyleMetrics SelectStyle(unsigned style) override {
        HFONT before = SelectStyleFont(view_, style);
        if (!selected_) {
            previous_ = before;
            selected_ = true;
        }
        TEXTMETRICW metrics{};
        GetTextMetricsW(Dc(), &metrics);
        StyleMetrics selected{metrics.tmHeight, metrics.tmMaxCharWidth, view_->widths};
        // The room of the marks is kept whatever the level, so that no level moves a row.
        if (const ClusterShaper* shaper = view_->shaper) {
            selected.rowHeight = std::max<int>(selected.rowHeight, shaper->room.above + shaper->room.below);
            selected.leftRoom = shaper->room.left;
            selected.rightRoom = shaper->room.right;
        }
        return selected;
    }

    void FitLeftToRight(const uint8_t* text, int& width, int& count) override { FitByFont(Dc(), view_->fontSettings.FontAsciiBase, text, width, count); }

private:
    HDC Dc() const { return static_cast<HDC>(view_->dc); }
    ViewState* view_;
    HFONT previous_ = nullptr;
    bool selected_ = false;
};

}  // namespace

int LayoutArticle(ViewState* view, ArticleText&& text, bool release) {
    if (view == nullptr) return kLayoutNoView;
    GdiMeasurer measurer(view);
    return LayoutArticle(view, measurer, std::move(text), release);
}

int ReplaceArticle(ViewState* view, ArticleText&& text) {
    if (view == nullptr) return kLayoutNoView;
    GdiMeasurer measurer(view);
    return ReplaceArticle(view, measurer, std::move(text));
}

int ResizeView(ViewState* view, int width, int height) {
    if (view == nullptr) return kLayoutNoView;
    GdiMeasurer measurer(view);
    return ResizeView(view, measurer, width, height);
}

int RelayoutKeepingText(ViewState* view, int topText) {
    if (view == nullptr) return kLayoutNoView;
    RecreateStyleFonts(view);
    int result;
    {
        GdiMeasurer measurer(view);
        result = LayoutViewText(view, measurer);
    }
    if (result == 0 && topText >= 0) FindRowForOffset(*view, static_cast<unsigned>(topText));
    return result;
}

int ApplyFontSettings(ViewState* view, const FontSettings* settings) {
    if (view == nullptr) return kLayoutNoView;
    if (settings == nullptr) {
        DeleteStyleFonts(view);
        return 0;
    }
    view->fontSettings = *settings;
    RecreateStyleFonts(view);
    int result;
    {
        GdiMeasurer measurer(view);
        result = LayoutViewText(view, measurer);
    }
    if (result != 0) return 1;
    return PaintView(view, true);
}
