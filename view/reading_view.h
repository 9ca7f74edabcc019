// The Reading view on a device context: its creation and destruction, and
// the operations the main window calls.
#pragma once

#include <windows.h>

#include "view/view_state.h"

// A view on dc with the box (or none), a copy of the font settings and room
// for rowCapacity rows; none when memory runs out.
ViewState* CreateView(HDC dc, const RECT* box, const FontSettings& font, int rowCapacity);

// Releases the text, the rows and every font; deletes the record when asked.
void DestroyView(ViewState* view, bool freeRecord);

// Lays out a new text (empty = none) on the view's device context; on
// success the view owns it. Results as the portable layout.
int LayoutArticle(ViewState* view, ArticleText&& text, bool release);

// Lays out a new article in place of the view's; on failure the old one is
// laid out again and stays shown. Results as the portable layout.
int ReplaceArticle(ViewState* view, ArticleText&& text);

// Sets the box's size and lays the same text out again: -1 without a view,
// -5 when a size is not positive.
int ResizeView(ViewState* view, int width, int height);

// Copies new font settings into the view, re-creates its fonts, lays the
// text out again and repaints with erasing. With none, only deletes the fonts.
int ApplyFontSettings(ViewState* view, const FontSettings* settings);

// Re-creates the view's fonts from its font settings and dots per inch, lays
// the text out again and makes the row holding topText (TopRowTextOffset;
// -1 for none) the top row. Nothing is painted. Results as the layout.
int RelayoutKeepingText(ViewState* view, int topText);

// Draws the rows that fit, from topRow (or firstPaintRow); with erase the box
// is cleared first. 0, or -1 without text or rows.
int PaintView(ViewState* view, bool erase);
int PaintHighlight(ViewState* view);

// Draws count bytes of one row, stored in visual order, into the box (x, y,
// w, h): with a font the platform would reorder, code by code into cells
// from the right; otherwise as one run of display characters.
void DrawRun(ViewState* view, const uint8_t* bytes, int count, int x, int y, int w, int h);

// Converts count bytes for a font and draws them in one call, centred in the
// box (x, y, w, h), in the order the platform needs (storedVisual: the bytes
// are right-to-left text in visual order).
void DrawConvertedText(HDC dc, DisplayFont font, bool storedVisual, const uint8_t* bytes, int count, int x, int y,
                       int w, int h);

// Height of the toolbar, 0 when there is none.
int ToolbarHeight();

// Scrolls by delta rows (negative is up). Every caller passes redraw mode 1
// and clamp set, and updates the scroll bar afterwards.
int ScrollView(ViewState* view, int delta, int redrawMode, bool clamp);

// Range 0..maxRow and position topRow, when the window has a scroll bar; and
// the title's aliyah, which follows the top row (FollowTopRowInTitle).
void UpdateScrollBar(HWND window);

// A left click in the box (or its gutter) pages back or forward. 1 when it scrolled.
int ClickPage(HWND window, ViewState* view, int x, int y, int redrawMode);

// Paint flags: 0x100 clears the client area below the toolbar, 0x01 paints
// the view (erasing when 0x100 is set too).
constexpr unsigned kPaintClearClient = 0x100;
constexpr unsigned kPaintView = 0x01;
void PaintWindow(HDC dc, HWND window, unsigned flags);
void RepaintView(HWND window, unsigned flags);

// The main window's outer size, less the gutter as the view box is: g off the
// near edges, 2g off the far ones, each only where it is larger than 2g. The
// Choose Article window is placed by it.
SIZE OuterSizeLessGutter(HWND window);

// The gutter in pixels of the main window's screen: the stored one counts
// pixels at 96 dots per inch.
int ViewGutter();

// The client rectangle below the toolbar, less the gutter: g at the top and
// left, 2g at the bottom and right, each only when the box is large enough.
RECT ReadingViewBox(HWND window);

// The smallest outer size of the main window: a box for a few words of a
// row and a few rows of the body's font, with the gutter, the toolbar, the
// menu, the frame and the scroll bar. 0 by 0 before the view exists.
SIZE MinimumWindowSize(HWND window);

// Follows the main window's new client size.
void OnViewSize(HWND window, int clientWidth, int clientHeight);

// Follows the main window to a screen of program.dpi: a new box below the
// toolbar, new fonts, a new layout with topText (TopRowTextOffset) at the
// top, and a repaint.
void OnViewDpiChanged(HWND window, int topText);
