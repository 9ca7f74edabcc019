// Test support for the Reading view: a measurer with fixed widths and a
// builder of small article texts.
#pragma once

#include <algorithm>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "store/compression.h"
#include "view/layout.h"
#include "view/layout_measurer.h"
#include "view/view_state.h"

// Two fonts: the larger styles (bit 0x04) have letters 16 px wide, rows 30 px
// high and a widest character of 18 px; all others letters 10 px, rows 20 px,
// widest 12 px. Spaces are half a letter, hyphens 6 or 8 px, vowel points 0.
class FakeMeasurer : public LayoutMeasurer {
public:
    static constexpr int kLetter = 10, kRowHeight = 20, kBigLetter = 16, kBigRowHeight = 30;

    FakeMeasurer() {
        Fill(normal_, kLetter, 6);
        Fill(big_, kBigLetter, 8);
    }

    StyleMetrics SelectStyle(unsigned style) override {
        selected.push_back(style);
        bigSelected_ = (style & 0x04) != 0;
        return bigSelected_ ? StyleMetrics{kBigRowHeight, 18, &big_} : StyleMetrics{kRowHeight, 12, &normal_};
    }

    void FitLeftToRight(const uint8_t* text, int& width, int& count) override {
        if (++fits == failOnFit) throw std::bad_alloc();
        FitByWidthTable(bigSelected_ ? &big_ : &normal_, text, width, count);
    }

    std::vector<unsigned> selected;  // styles in the order they were selected
    int fits = 0;
    int failOnFit = 0;  // the left-to-right fit that runs out of memory; 0 = none

private:
    static void Fill(WidthTable& table, int letter, int hyphen) {
        std::fill(std::begin(table.widths), std::end(table.widths), static_cast<int16_t>(letter));
        table.widths[' ' - kFirstMeasuredCode] = static_cast<int16_t>(letter / 2);
        table.widths['-' - kFirstMeasuredCode] = static_cast<int16_t>(hyphen);
    }

    WidthTable normal_{};
    WidthTable big_{};
    bool bigSelected_ = false;
};

// Builds an article: records in order, then the end zero and two spares, as
// the decoder delivers them. Texts are given in reading order; a right-to-left
// record (bit 0x10) is stored reversed. Add returns the position of the
// record's text.
struct ArticleBuilder {
    ArticleText bytes;

    size_t Add(uint8_t attr, uint8_t layout, std::string_view reading) {
        bytes.insert(bytes.end(), {attr, layout});
        const size_t position = bytes.size();
        if (attr & kAttrRightToLeft) bytes.insert(bytes.end(), reading.rbegin(), reading.rend());
        else bytes.insert(bytes.end(), reading.begin(), reading.end());
        bytes.push_back(0);
        return position;
    }
    ArticleText Build() const {
        ArticleText text = bytes;
        text.insert(text.end(), {0, 0, 0});
        return text;
    }
};

struct Rec {
    uint8_t attr;
    uint8_t layout;
    const char* text;  // in reading order
};

inline ArticleBuilder Article(const std::vector<Rec>& records) {
    ArticleBuilder article;
    for (const Rec& r : records) article.Add(r.attr, r.layout, r.text);
    return article;
}

// A view with a box and no rows yet.
inline ViewState MakeView(int left, int top, int width, int height) {
    ViewState view;
    view.left = left;
    view.top = top;
    view.width = width;
    view.height = height;
    return view;
}

// A view with the article laid out over a fresh measurer. A layout that fails
// leaves no rows, which the callers' checks on the rows see.
inline ViewState LaidOut(const ArticleBuilder& article, int left, int top, int width, int height) {
    ViewState view = MakeView(left, top, width, height);
    FakeMeasurer measurer;
    LayoutArticle(&view, measurer, article.Build(), true);
    return view;
}
