// Rich Text made from the export text: the document header, the separator
// between appended articles and the body.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The header of a new document, 180 bytes ending in CR LF: font "David" with
// the Hebrew character set and code page 1255, colours black, white and red,
// right-to-left and right-aligned, 10 points, no substitute bytes after \u.
extern const std::string_view kRtfHeader;

// The header naming another font than "David": a face that draws what the
// body holds. A name that is not plain printable ASCII, or holds a character
// that Rich Text reserves, keeps "David".
std::string RtfHeaderNaming(std::u16string_view face);

// Between the old document and an appended article: \uc0, so that a foreign
// document's \uc1 cannot swallow letters, then centred red 36-point asterisks,
// two paragraph ends and right-aligned 10-point black text again.
extern const std::string_view kRtfSeparator;

// The closing brace and line end of every document.
extern const std::string_view kRtfTrailer;

// The Rich Text body of an export text (read up to its zero unit): a run of
// spaces right after a \u escape one space longer (a reader takes the first
// as the escape's end), one "\par\par\r\n" per run of CR and
// LF, printable ASCII as itself with "\", "{" and "}" escaped, Hebrew
// presentation forms decomposed, every other unit as a \u escape; a space
// after an escape that a digit follows. Ends with "\par\par\r\n".
std::string BuildRtfBody(const char16_t* text);

// The Rich Text body of another program's plain text, which goes before an
// appended article when the clipboard held no Rich Text: its units as in
// BuildRtfBody, but each line end (CR LF, CR or LF) one paragraph end, so
// that its lines stay as they were. Ends with a paragraph end.
std::string BuildRtfBodyOfText(std::u16string_view text);

// Up to three units that replace a presentation form (0 for unused places), or
// none when the unit is not in the decomposition table.
const char16_t* DecomposedForm(char16_t unit);
