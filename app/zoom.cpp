// Zooming changes only the size of the font settings block; the Reading view
// takes the block again and is laid out anew, and the row that holds the
// text that was at the top becomes the top row.
#include "app/zoom.h"

#include "app/program.h"
#include "dialogs/font_choice.h"
#include "view/layout.h"
#include "view/reading_view.h"

namespace {

void SetDisplayFontSize(HWND window, int32_t size) {
    if (program.view == nullptr || size == program.settings.font.FontSize) return;
    const int topText = TopRowTextOffset(*program.view);
    program.settings.font.FontSize = size;
    program.view->fontSettings = program.settings.font;
    RelayoutKeepingText(program.view, topText);
    RepaintView(window, kPaintClearClient | kPaintView);
}

}  // namespace

void ZoomDisplayFont(HWND window, int steps) {
    SetDisplayFontSize(window, ZoomedFontSize(program.chosenFontSize, program.settings.font.FontSize, steps));
}

void ResetZoom(HWND window) { SetDisplayFontSize(window, program.chosenFontSize); }
