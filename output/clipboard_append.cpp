// Joins an exported article to the clipboard's previous text or document.
// Whatever another program left is treated as untrusted: only the bytes the
// block holds are read, and a document that is not Rich Text is replaced.
#include "output/clipboard_append.h"

#include <cstring>

#include "output/plain_text.h"
#include "output/rich_text.h"

namespace {

constexpr std::string_view kRtfSignature = "{\\rtf";

bool IsTrailingSpace(char c) { return c == '\r' || c == '\n' || c == ' ' || c == '\t'; }
bool IsTrailingSpace(char16_t c) { return c == u'\r' || c == u'\n' || c == u' ' || c == u'\t'; }

// Whether the text ends in a backslash that escapes nothing yet: an odd run of them.
bool EndsInOpenEscape(std::string_view text) {
    const size_t lastOther = text.find_last_not_of('\\');
    const size_t run = text.size() - (lastOther == std::string_view::npos ? 0 : lastOther + 1);
    return run % 2 == 1;
}

// The old document without its trailing white space and closing brace, or
// nothing when it is no Rich Text document to continue. An escaped brace is
// text, not the closing one; a backslash left open at the end (a document
// cut off inside an escape) is dropped, or it would escape the separator.
std::string_view ReopenedDocument(std::string_view old) {
    while (!old.empty() && IsTrailingSpace(old.back())) old.remove_suffix(1);
    if (old.size() <= kRtfSignature.size() || old.substr(0, kRtfSignature.size()) != kRtfSignature) return {};
    if (old.back() == '}' && !EndsInOpenEscape(old.substr(0, old.size() - 1))) old.remove_suffix(1);
    if (EndsInOpenEscape(old)) old.remove_suffix(1);
    return old;
}

}  // namespace

size_t ClipboardDataLength(const uint8_t* data, size_t size, bool unicodeText) {
    if (data == nullptr) return 0;
    if (!unicodeText) {
        const void* zero = std::memchr(data, 0, size);
        return zero != nullptr ? static_cast<size_t>(static_cast<const uint8_t*>(zero) - data) : size;
    }
    size_t bytes = 0;
    while (bytes + 1 < size && (data[bytes] != 0 || data[bytes + 1] != 0)) bytes += 2;
    return bytes;
}

std::u16string AppendUnicodeText(std::u16string_view old, const char16_t* text) {
    std::u16string joined(old);
    joined += text;
    return joined;
}

std::u16string AppendPlainText(std::u16string_view old, std::u16string_view text) {
    while (!old.empty() && IsTrailingSpace(old.back())) old.remove_suffix(1);
    if (old.empty()) return std::u16string(text);
    std::u16string joined(old);
    joined.append(u"\r\n\r\n").append(kPlainTextSeparator).append(u"\r\n\r\n").append(text);
    return joined;
}

std::string BuildRichTextDocument(std::string_view old, std::u16string_view oldText, std::string_view body,
                                  std::string_view header) {
    const std::string_view reopened = ReopenedDocument(old);
    while (!oldText.empty() && IsTrailingSpace(oldText.back())) oldText.remove_suffix(1);
    const std::string converted = reopened.empty() && !oldText.empty() ? BuildRtfBodyOfText(oldText) : std::string();
    std::string document;
    document.reserve(reopened.size() + converted.size() + header.size() + kRtfSeparator.size() + body.size() +
                     kRtfTrailer.size());
    if (reopened.empty()) {
        document += header;
        if (!converted.empty()) document.append(converted).append(kRtfSeparator);
    } else {
        document += reopened;
        document += kRtfSeparator;
    }
    document += body;
    document += kRtfTrailer;
    return document;
}
