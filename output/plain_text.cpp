// Turns the export text into the plain text that a paste into a text field
// gives: the lines the Rich Text shows, with standard Hebrew characters.
#include "output/plain_text.h"

#include "output/rich_text.h"

namespace {

constexpr std::u16string_view kLineEnd = u"\r\n";

bool IsLineEnd(char16_t unit) { return unit == u'\r' || unit == u'\n'; }

void DropTrailingSpaces(std::u16string& text) {
    while (!text.empty() && text.back() == u' ') text.pop_back();
}

void AppendUnit(std::u16string& text, char16_t unit) {
    const char16_t* units = DecomposedForm(unit);
    if (units == nullptr) {
        text += unit;
        return;
    }
    for (int i = 0; i < 3 && units[i] != 0; ++i) text += units[i];
}

}  // namespace

std::u16string BuildPlainText(const char16_t* exportText) {
    std::u16string text;
    size_t i = 0;
    while (exportText[i] != 0) {
        if (!IsLineEnd(exportText[i])) {
            AppendUnit(text, exportText[i++]);
            continue;
        }
        while (IsLineEnd(exportText[i])) ++i;
        DropTrailingSpaces(text);
        text += kLineEnd;
        if (exportText[i] != 0) text += kLineEnd;
    }
    DropTrailingSpaces(text);
    if (!text.empty() && !text.ends_with(kLineEnd)) text += kLineEnd;
    return text;
}
