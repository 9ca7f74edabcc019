// The Unicode text that goes on the clipboard beside the Rich Text: what a
// reader of that Rich Text sees, for programs that take plain text only.
#pragma once

#include <string>
#include <string_view>

// The plain text of an export text (read up to its zero unit): its lines in
// the same order and characters, the Hebrew presentation forms decomposed as
// in the Rich Text body, the spaces at each line's end dropped, and a blank
// line between lines where the Rich Text makes "\par\par" for a run of line
// ends. Every line, the last too, ends with CR LF.
std::u16string BuildPlainText(const char16_t* exportText);

// The line between appended articles, as the Rich Text's separator shows.
constexpr std::u16string_view kPlainTextSeparator = u"*  *  *  *  *";
