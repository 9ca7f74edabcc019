// Fuzzes the append of an exported article to what another program left on
// the clipboard. Input: a byte whose low bit picks the format (set: Unicode
// text, clear: Rich Text), two bytes (little-endian) with the size of the old
// clipboard block, the block, then the new export text as UTF-16 units. The
// measured length of the block never exceeds it, is even for Unicode text and
// stops at the first zero; Unicode text is the old text then the new one, with
// no zero unit inside, and Rich Text begun with it (the clipboard held only
// that text) is one closed group. The Rich Text body keeps every brace
// escaped and ends its paragraphs; the document starts with "{\rtf", ends
// with the body and the trailer, continues the old document only where it
// was Rich Text (with no escape of it left open before the separator), and is
// one closed group whenever the old document was.
#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "output/clipboard_append.h"
#include "output/rich_text.h"
#include "tests/fuzz/require.h"

namespace {

constexpr std::string_view kSignature = "{\\rtf";

// Whether the Rich Text forms one group: it opens with a brace, and the depth
// of its unescaped braces first comes back to 0 at its last byte.
bool IsOneGroup(std::string_view text) {
    if (text.empty() || text.front() != '{') return false;
    int depth = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\') {
            ++i;
        } else if (text[i] == '{') {
            ++depth;
        } else if (text[i] == '}' && --depth == 0) {
            return i + 1 == text.size();
        }
    }
    return false;
}

size_t CheckDataLength(const std::vector<uint8_t>& block, bool unicode) {
    const size_t length = ClipboardDataLength(block.data(), block.size(), unicode);
    Require(length <= block.size(), "the length lies inside the block");
    if (unicode) {
        Require(length % 2 == 0, "Unicode text has whole units");
        for (size_t i = 0; i < length; i += 2) {
            Require(block[i] != 0 || block[i + 1] != 0, "no zero unit before the length");
        }
        Require(length + 1 >= block.size() || (block[length] == 0 && block[length + 1] == 0),
                "the length ends at a zero unit or the block's end");
    } else {
        Require(std::find(block.begin(), block.begin() + length, 0) == block.begin() + length,
                "no zero byte before the length");
        Require(length == block.size() || block[length] == 0, "the length ends at a zero byte or the block's end");
    }
    return length;
}

void CheckUnicodeAppend(const std::vector<uint8_t>& block, size_t length, const std::u16string& text) {
    std::u16string old(length / 2, u'\0');
    if (!old.empty()) std::memcpy(old.data(), block.data(), length);
    const std::u16string joined = AppendUnicodeText(old, text.c_str());
    const std::u16string added(text.c_str());
    Require(joined == old + added, "the new text follows the old one directly");
    Require(joined.find(u'\0') == std::u16string::npos, "no zero unit inside the joined text");
    const std::string document = BuildRichTextDocument({}, old, BuildRtfBody(text.c_str()));
    Require(document.starts_with(kRtfHeader), "the old text begins a new document");
    Require(IsOneGroup(std::string_view(document.data(), document.size() - 2)), "the new document is one closed group");
}

void CheckRtfBody(const std::string& body) {
    const std::string_view paragraphEnd = "\\par\\par\r\n";
    Require(body.size() >= paragraphEnd.size() && body.ends_with(paragraphEnd), "the body ends its paragraphs");
    for (size_t i = 0; i < body.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(body[i]);
        Require((c >= 0x20 && c <= 0x7E) || c == '\r' || c == '\n', "the body is printable ASCII and line ends");
        if (c == '\\') {
            ++i;
        } else {
            Require(c != '{' && c != '}', "every brace of the body is escaped");
        }
    }
}

void CheckDocument(std::string_view old, const std::string& body) {
    const std::string document = BuildRichTextDocument(old, {}, body);
    const std::string ending = body + std::string(kRtfTrailer);
    Require(document.starts_with(kSignature), "a document starts with {\\rtf");
    Require(document.size() > ending.size() && document.ends_with(ending), "a document ends with body and trailer");
    const std::string_view start(document.data(), document.size() - ending.size());
    const std::string_view closed(document.data(), document.size() - 2);  // without the trailer's CR LF
    if (start == kRtfHeader) {
        Require(IsOneGroup(closed), "a new document is one closed group");
        return;
    }
    Require(old.starts_with(kSignature), "only Rich Text is continued");
    Require(start.ends_with(kRtfSeparator), "the separator comes before the body");
    const std::string_view kept = start.substr(0, start.size() - kRtfSeparator.size());
    Require(kept.size() >= kSignature.size() && old.starts_with(kept), "the old document is kept from its start");
    const size_t backslashes = kept.size() - 1 - kept.find_last_not_of('\\');
    Require(backslashes % 2 == 0, "no escape of the old document reaches into the separator");
    std::string_view trimmed = old;
    while (!trimmed.empty() && std::string_view(" \t\r\n").find(trimmed.back()) != std::string_view::npos) {
        trimmed.remove_suffix(1);
    }
    if (IsOneGroup(trimmed)) {
        Require(IsOneGroup(closed), "a closed old document stays one closed group");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    const bool unicode = (data[0] & 1) != 0;
    const size_t blockSize = std::min<size_t>(data[1] | (data[2] << 8), size - 3);
    // The block alone, so that the sanitizer sees any read beyond it.
    const std::vector<uint8_t> block(data + 3, data + 3 + blockSize);
    std::u16string text((size - 3 - blockSize) / 2, u'\0');
    if (!text.empty()) std::memcpy(text.data(), data + 3 + blockSize, text.size() * 2);
    const size_t length = CheckDataLength(block, unicode);
    if (unicode) {
        CheckUnicodeAppend(block, length, text);
        return 0;
    }
    const std::string body = BuildRtfBody(text.c_str());
    CheckRtfBody(body);
    CheckDocument(std::string_view(reinterpret_cast<const char*>(block.data()), length), body);
    return 0;
}
