// Copy and Append: the whole article shown in the Reading view goes to the
// clipboard, as Rich Text with a Unicode display font or as Unicode text with
// an 8-bit font.
#pragma once

#include "view/view_state.h"

// The body of both commands. Copy (append false) replaces the clipboard's
// contents; Append adds the article after what the clipboard holds in the
// same format. Does nothing without a view or text; a text that does not fit
// its buffer shows "(obuf > (start + size))" and changes nothing.
void ExportArticle(ViewState* view, bool append);

// Put an export text (zero-terminated) on the clipboard, after the
// clipboard's text or document in that format when append is set.
void PutUnicodeText(const char16_t* text, bool append);
void PutRichText(const char16_t* text, bool append);
