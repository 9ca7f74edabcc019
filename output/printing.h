// Printing the current article: the page set-up, the printer's device
// context and the page frame around the Reading view's rows.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

#include "output/page_layout.h"
#include "view/view_state.h"

// The Print command: page set-up, then every row of the view's article (or
// of the verses selected in it) on the chosen printer inside the margins,
// with a header mark, the selection's name and a numbered footer.
void PrintArticle(ViewState* view);

// Runs the page set-up dialog (always when show is set, else only without a
// usable device mode) and starts a job named documentName with its first page.
// The printer's context, with the margins in margins; none after a failure,
// which has been reported already, or after the user cancelled.
HDC StartPrinting(bool show, const wchar_t* documentName, PrintMargins& margins);

// The text of the common dialogs' last extended error, or none.
const wchar_t* CommDlgErrorText();

// The value of the settings key in new movable global memory, or fallback when
// the value is missing, larger than any device mode, or cannot be read.
HGLOBAL RegReadGlobalBlock(const char16_t* name, HGLOBAL fallback);

// AbortDoc with abort set, else EndDoc; then DeleteDC.
void EndPrinting(HDC dc, bool abort);

// Heights of the header band (a) and the footer band (b): those of the print
// fonts. Shrinks the view's box by the bands and their gaps.
struct FrameHeights {
    int a = 0;
    int b = 0;
};
FrameHeights ReservePageFrame(ViewState* view);

// The header mark above the box on the right, a title (article codes in
// visual order; none when empty) in the middle of the header, the web
// address and the product at the left of the footer, " Page n" at its right.
void DrawPageFrame(ViewState* view, int a, int b, int page, std::span<const uint8_t> title = {});

// A face the printer can print for the face the user chose: the same when the
// printer realizes it with TrueType outlines, else a TrueType face with Hebrew
// letters, which is a Unicode font whatever the chosen face was.
void UsePrintableFace(HDC printer, FontSettings& settings);
