// Zooming changes only the size the Reading view shows: the view takes the
// chosen font settings with the zoomed size and is laid out anew, and the
// row that holds the text that was at the top becomes the top row.
#include "app/zoom.h"

#include "app/program.h"
#include "dialogs/font_choice.h"
#include "view/layout.h"
#include "view/reading_view.h"

namespace {

void SetZoom(HWND window, int zoom) {
    const int32_t chosen = program.settings.font.FontSize;
    zoom = ClampZoom(chosen, zoom);
    if (program.view == nullptr || zoom == ClampZoom(chosen, program.settings.Zoom)) return;
    program.settings.Zoom = zoom;
    const int topText = TopRowTextOffset(*program.view);
    program.view->fontSettings = ZoomedFontSettings();
    RelayoutKeepingText(program.view, topText);
    RepaintView(window, kPaintClearClient | kPaintView);
}

}  // namespace

FontSettings ZoomedFontSettings() {
    FontSettings font = program.settings.font;
    font.FontSize = ZoomedFontSize(font.FontSize, font.FontSize, ClampZoom(font.FontSize, program.settings.Zoom));
    return font;
}

void ZoomDisplayFont(HWND window, int steps) {
    SetZoom(window, ClampZoom(program.settings.font.FontSize, program.settings.Zoom) + steps);
}

void ResetZoom(HWND window) { SetZoom(window, 0); }
