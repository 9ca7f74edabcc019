// Copy and Append: the article shown in the Reading view, or the verses
// selected in it, go to the clipboard: as Rich Text with Unicode text beside
// it with a Unicode display font, as Unicode text alone with an 8-bit font.
#pragma once

#include <string_view>

#include "output/export_text.h"
#include "view/view_state.h"

// The body of both commands. Copy (append false) replaces the clipboard's
// contents; Append adds the article after what the clipboard holds, each
// format after its own. With a verse selection only the selected verses go,
// followed by their reference in English and Hebrew. Does nothing without a
// view or text; an article that does not fit its buffer shows
// "(obuf > (start + size))" and changes nothing.
void ExportArticle(ViewState* view, bool append);

// The marks the view shows, as Copy gives them: its level, the vowels at
// most where its font cannot show the marks, and the marks layer of its text.
ExportMarks ShownMarks(ViewState& view);

// Put an export text (zero-terminated) on the clipboard, after the
// clipboard's data in each format when append is set: PutUnicodeText as
// Unicode text alone; PutRichText as Rich Text with its plain text beside it
// (appended Rich Text after the separator, appended text after a line of
// asterisks), a new document starting with header.
void PutUnicodeText(const char16_t* text, bool append);
void PutRichText(const char16_t* text, bool append, std::string_view header);
