// A small UTF-8 codec: the Codex and the tables are UTF-8, the encoder works on
// code points, and the summary prints UTF-8 again.
#include "tools/library/utf8.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

int ContinuationCount(unsigned char lead, char32_t& value) {
    if (lead < 0x80) { value = lead; return 0; }
    if ((lead & 0xE0) == 0xC0) { value = lead & 0x1F; return 1; }
    if ((lead & 0xF0) == 0xE0) { value = lead & 0x0F; return 2; }
    if ((lead & 0xF8) == 0xF0) { value = lead & 0x07; return 3; }
    return -1;
}

}  // namespace

std::u32string DecodeUtf8(std::string_view text) {
    std::u32string out;
    size_t i = 0;
    while (i < text.size()) {
        char32_t value = 0;
        const int more = ContinuationCount(static_cast<unsigned char>(text[i++]), value);
        if (more < 0) { out.push_back(kReplacement); continue; }
        int taken = 0;
        while (taken < more && i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) {
            value = (value << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
            ++taken;
        }
        out.push_back(taken == more ? value : kReplacement);
    }
    return out;
}

std::string EncodeUtf8(std::u32string_view text) {
    std::string out;
    for (char32_t c : text) {
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}
