// Turns the export text into a Rich Text body in two passes, one that counts
// the bytes and one that writes them, so that the body is allocated once.
#include "output/rich_text.h"

#include <array>

const std::string_view kRtfHeader =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fcharset177\\cpg1255 David;}}"
    "{\\colortbl\\red0\\green0\\blue0;\\red255\\green255\\blue255;\\red255\\green0\\blue0;}"
    "\\rtldoc\\pard\\rtlpar\\qr\\lang1033\\f0\\fs20\\uc0\r\n";

std::string RtfHeaderNaming(std::u16string_view face) {
    constexpr std::string_view kDefaultFace = "David";
    std::string header(kRtfHeader);
    std::string name;
    for (char16_t c : face) {
        if (c < 0x20 || c > 0x7E || c == u';' || c == u'\\' || c == u'{' || c == u'}') return header;
        name += static_cast<char>(c);
    }
    if (!name.empty()) header.replace(header.find(kDefaultFace), kDefaultFace.size(), name);
    return header;
}

const std::string_view kRtfSeparator =
    "\\uc0\\qc\\cf2\\fs72\\b*  *  *  *  *\\b0\\par\\par\\qr\\fs20\\cf0\r\n";

const std::string_view kRtfTrailer = "}\r\n";

namespace {

constexpr std::string_view kParagraphEnd = "\\par\\par\r\n";

// The canonical decompositions of the Hebrew presentation forms the glyph
// table can produce: a form, then the units that replace it.
struct Decomposition {
    char16_t form;
    char16_t units[3];
};

constexpr std::array<Decomposition, 27> kDecompositions = {{
    {0xFB2A, {0x05E9, 0x05C1}}, {0xFB2B, {0x05E9, 0x05C2}},
    {0xFB2C, {0x05E9, 0x05BC, 0x05C1}}, {0xFB2D, {0x05E9, 0x05BC, 0x05C2}},
    {0xFB30, {0x05D0, 0x05BC}}, {0xFB31, {0x05D1, 0x05BC}}, {0xFB32, {0x05D2, 0x05BC}},
    {0xFB33, {0x05D3, 0x05BC}}, {0xFB34, {0x05D4, 0x05BC}}, {0xFB35, {0x05D5, 0x05BC}},
    {0xFB36, {0x05D6, 0x05BC}}, {0xFB38, {0x05D8, 0x05BC}}, {0xFB39, {0x05D9, 0x05BC}},
    {0xFB3A, {0x05DA, 0x05BC}}, {0xFB3B, {0x05DB, 0x05BC}}, {0xFB3C, {0x05DC, 0x05BC}},
    {0xFB3E, {0x05DE, 0x05BC}}, {0xFB40, {0x05E0, 0x05BC}}, {0xFB41, {0x05E1, 0x05BC}},
    {0xFB43, {0x05E3, 0x05BC}}, {0xFB44, {0x05E4, 0x05BC}}, {0xFB46, {0x05E6, 0x05BC}},
    {0xFB47, {0x05E7, 0x05BC}}, {0xFB48, {0x05E8, 0x05BC}}, {0xFB49, {0x05E9, 0x05BC}},
    {0xFB4A, {0x05EA, 0x05BC}}, {0xFB4B, {0x05D5, 0x05B9}},
}};

bool IsLineEnd(char16_t unit) { return unit == u'\r' || unit == u'\n'; }
bool IsDigit(char16_t unit) { return unit >= u'0' && unit <= u'9'; }

// Counts the body's bytes, or writes them into a string reserved beforehand.
struct RtfSink {
    std::string* out = nullptr;
    size_t length = 0;
    bool afterEscape = false;  // the last thing written was a \u escape

    void Put(std::string_view bytes) {
        length += bytes.size();
        if (out != nullptr) out->append(bytes);
        afterEscape = false;
    }
    void PutSpaces(size_t count) {
        length += count;
        if (out != nullptr) out->append(count, ' ');
        afterEscape = false;
    }
    // "\u" and the unit's decimal value, at most five digits.
    void PutEscape(char16_t unit) {
        char escape[8] = {'\\', 'u'};
        char digits[5];
        int count = 0;
        for (unsigned value = unit; count == 0 || value != 0; value /= 10) {
            digits[count++] = static_cast<char>('0' + value % 10);
        }
        for (int i = 0; i < count; ++i) escape[2 + i] = digits[count - 1 - i];
        Put(std::string_view(escape, static_cast<size_t>(2 + count)));
        afterEscape = true;
    }
    // A printable ASCII character; a digit right after an escape would be read
    // as part of its number, so a space ends the escape first.
    void PutAscii(char16_t unit) {
        const char c = static_cast<char>(unit);
        if (afterEscape && IsDigit(unit)) Put(" ");
        if (c == '\\' || c == '{' || c == '}') Put("\\");
        Put(std::string_view(&c, 1));
    }
};

void PutUnit(RtfSink& sink, char16_t unit) {
    if (unit >= 0x21 && unit <= 0x7E) {
        sink.PutAscii(unit);
    } else if (const char16_t* units = DecomposedForm(unit)) {
        for (int i = 0; i < 3 && units[i] != 0; ++i) sink.PutEscape(units[i]);
    } else {
        sink.PutEscape(unit);
    }
}

void EmitBody(const char16_t* text, RtfSink& sink) {
    size_t i = 0;
    while (text[i] != 0) {
        size_t run = i;
        if (text[i] == u' ') {
            while (text[run] == u' ') ++run;
            // A reader takes the first space after a \u escape as its end.
            sink.PutSpaces(run - i + (sink.afterEscape ? 1 : 0));
        } else if (IsLineEnd(text[i])) {
            while (IsLineEnd(text[run])) ++run;
            sink.Put(kParagraphEnd);
        } else {
            PutUnit(sink, text[i]);
            run = i + 1;
        }
        i = run;
    }
    sink.Put(kParagraphEnd);
}

void EmitText(std::u16string_view text, RtfSink& sink) {
    constexpr std::string_view kLineEnd = "\\par\r\n";
    size_t i = 0;
    while (i < text.size()) {
        size_t run = i + 1;
        if (text[i] == u' ') {
            while (run < text.size() && text[run] == u' ') ++run;
            sink.PutSpaces(run - i + (sink.afterEscape ? 1 : 0));
        } else if (IsLineEnd(text[i])) {
            if (text[i] == u'\r' && run < text.size() && text[run] == u'\n') ++run;
            sink.Put(kLineEnd);
        } else {
            PutUnit(sink, text[i]);
        }
        i = run;
    }
    sink.Put(kLineEnd);
}

// Runs emit twice: once counting, so that the second, writing, run fills a
// string reserved at its final length.
template <typename Emit>
std::string EmitSized(const Emit& emit) {
    RtfSink counter;
    emit(counter);
    std::string body;
    body.reserve(counter.length);
    RtfSink writer{&body};
    emit(writer);
    return body;
}

}  // namespace

std::string BuildRtfBodyOfText(std::u16string_view text) {
    return EmitSized([&](RtfSink& sink) { EmitText(text, sink); });
}

const char16_t* DecomposedForm(char16_t unit) {
    if (unit < kDecompositions.front().form || unit > kDecompositions.back().form) return nullptr;
    for (const Decomposition& entry : kDecompositions) {
        if (entry.form == unit) return entry.units;
    }
    return nullptr;
}

std::string BuildRtfBody(const char16_t* text) {
    return EmitSized([&](RtfSink& sink) { EmitBody(text, sink); });
}
