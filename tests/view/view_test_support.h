// Test support for the Reading view: a measurer with fixed widths and a
// builder of small article texts.
#pragma once

#include <algorithm>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "store/compression.h"
#include "view/layout_measurer.h"
#include "view/view_state.h"

// Two fonts: the larger styles (bit 0x04) have letters 16 px wide, rows 30 px
// high and a widest character of 18 px; all others letters 10 px, rows 20 px,
// widest 12 px. Spaces are half a letter, hyphens 6 or 8 px, vowel points 0.
class FakeMeasurer : public LayoutMeasurer {
public:
    static constexpr int kLetter = 10, kSpace = 5, kHyphen = 6, kRowHeight = 20, kMaxChar = 12;
    static constexpr int kBigLetter = 16, kBigSpace = 8, kBigHyphen = 8, kBigRowHeight = 30, kBigMaxChar = 18;

    FakeMeasurer() {
        Fill(normal_, kLetter, kSpace, kHyphen);
        Fill(big_, kBigLetter, kBigSpace, kBigHyphen);
    }

    StyleMetrics SelectStyle(unsigned style) override {
        selected.push_back(style);
        bigSelected_ = (style & 0x04) != 0;
        if (bigSelected_) return StyleMetrics{kBigRowHeight, kBigMaxChar, &big_};
        return StyleMetrics{kRowHeight, kMaxChar, &normal_};
    }

    void FitLeftToRight(const uint8_t* text, int& width, int& count) override {
        if (++fits == failOnFit) throw std::bad_alloc();
        FitByWidthTable(bigSelected_ ? &big_ : &normal_, text, width, count);
    }

    std::vector<unsigned> selected;  // styles in the order they were selected
    int fits = 0;
    int failOnFit = 0;  // the left-to-right fit that runs out of memory; 0 = none

private:
    static void Fill(WidthTable& table, int letter, int space, int hyphen) {
        std::fill(std::begin(table.widths), std::end(table.widths), static_cast<int16_t>(letter));
        table.widths[' ' - kFirstMeasuredCode] = static_cast<int16_t>(space);
        table.widths['-' - kFirstMeasuredCode] = static_cast<int16_t>(hyphen);
    }

    WidthTable normal_{};
    WidthTable big_{};
    bool bigSelected_ = false;
};

// Builds an article: records in order, then the end zero and two spares, as
// the decoder delivers them. Each Add returns the position of the record's text.
struct ArticleBuilder {
    ArticleText bytes;

    size_t Add(uint8_t attr, uint8_t layout, std::string_view stored) {
        bytes.push_back(attr);
        bytes.push_back(layout);
        const size_t position = bytes.size();
        bytes.insert(bytes.end(), stored.begin(), stored.end());
        bytes.push_back(0);
        return position;
    }
    // A right-to-left record given in reading order, stored reversed.
    size_t AddReading(uint8_t attr, uint8_t layout, std::string_view reading) {
        return Add(attr, layout, std::string(reading.rbegin(), reading.rend()));
    }
    ArticleText Build() const {
        ArticleText text = bytes;
        text.insert(text.end(), {0, 0, 0});
        return text;
    }
};

// The stored bytes of a row.
inline std::string RowBytes(const ViewState& view, const ViewRow& row) {
    return std::string(view.text.begin() + row.offset, view.text.begin() + row.offset + row.count);
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
