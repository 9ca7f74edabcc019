// Breaking an article's paragraph records into the rows of a view, and the
// row arithmetic built on them (the last top row, finding a byte's row).
#pragma once

#include "store/compression.h"
#include "view/layout_measurer.h"
#include "view/line_breaker.h"
#include "view/view_state.h"

// The running head is drawn in the chapter marks' style.
constexpr unsigned kRunningHeadStyle = kAttrChapterMark & kStyleKeyMask;

// The largest text the 16-bit row offsets can address: 65535 bytes of records,
// the zero that ends them and one spare zero, as the decoder produces.
constexpr size_t kMaxArticleTextSize = 65537;

// Lays out a new text in the view's box. Returns 0 on success, and the view
// then owns the text; kLayoutNoView without a view; kLayoutNoText when text is
// empty ("no text": the view's own text is released when release is set);
// kLayoutTextRefused when the first attribute byte is 0, the first record is
// empty and not a rule, the text does not end with a zero byte or is longer
// than kMaxArticleTextSize: the view keeps its old text and rows;
// kLayoutOutOfMemory when memory runs out: the view has no rows, and no text
// when release was set, its old text otherwise.
// A text that is not taken is left in the argument, so a temporary is
// released with it. Every call clears totalRows, maxRow and the highlight
// range first; topRow is the caller's. The verse selection, the level spans
// and the practice word go with the text they were made in: a new layout of
// the view's own text keeps them. While the view's aliyahMargin is set the
// rows leave a margin at the right for the aliyot's names (marginWidth).
int LayoutArticle(ViewState* view, LayoutMeasurer& measurer, ArticleText&& text, bool release);

// Lays out a new article in place of the view's. When the new text is
// refused, missing or memory runs out, the old text is laid out again, so
// that the view keeps showing the old article with rows, totalRows and
// maxRow that match it (topRow is never touched). Results as LayoutArticle.
int ReplaceArticle(ViewState* view, LayoutMeasurer& measurer, ArticleText&& text);

// Lays out the view's own text again (new box size, new fonts). Results as
// LayoutArticle without release.
int LayoutViewText(ViewState* view, LayoutMeasurer& measurer);

// Sets the box size and lays the view's text out again. kLayoutNoView without
// a view, kResizeBadSize (nothing changed) when width or height is not
// positive, else the layout's result.
int ResizeView(ViewState* view, LayoutMeasurer& measurer, int width, int height);

// The greatest top row at which the last row is still fully visible below the
// running head's band; stored in maxRow. -1 when there are no rows (maxRow is then 0).
int ComputeMaxRow(ViewState* view);

// Makes room for kRowGrowth more rows. Returns 0, or kLayoutOutOfMemory with
// the row at index zeroed when memory runs out or the 16-bit row capacity is
// used up.
int GrowRows(ViewState& view, int index);

// Makes the first row that holds the byte offset (offset <= o <= offset +
// count) the top row, no further down than maxRow, and returns 1; 0 when no
// row holds it.
int FindRowForOffset(ViewState& view, unsigned offset);

// The text at the top of the view, to bring back there after a new layout
// with FindRowForOffset: the first byte in reading order of the first row
// drawn from topRow (a rule's own offset); -1 when no row is drawn there.
int TopRowTextOffset(const ViewState& view);
