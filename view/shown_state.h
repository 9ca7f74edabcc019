// What the Reading view shows, in the terms that decide it: the article and
// its text, the top row, the rows a page holds, the box and the font. When
// any of them changes, what a screen reader was told of the view is stale.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "settings/settings.h"
#include "view/view_state.h"

struct ShownState {
    uint16_t article = 0;
    const uint8_t* text = nullptr;
    size_t textSize = 0;
    uint16_t topRow = 0;
    int32_t rowsOnPage = 0;
    int32_t width = 0, height = 0, dpi = 0;
    FontSettings font{};

    bool operator==(const ShownState& other) const {
        return article == other.article && text == other.text && textSize == other.textSize &&
               topRow == other.topRow && rowsOnPage == other.rowsOnPage && width == other.width &&
               height == other.height && dpi == other.dpi && std::memcmp(&font, &other.font, sizeof(font)) == 0;
    }
};

inline ShownState ShownStateOf(const ViewState& view, uint16_t article) {
    return ShownState{article,      view.text.data(), view.text.size(), view.topRow, view.rowsOnPage,
                      view.width,   view.height,      view.dpi,         view.fontSettings};
}
