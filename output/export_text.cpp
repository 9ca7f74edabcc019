// Builds the export text from the article's paragraph records, and the size of
// the buffer that holds it.
#include "output/export_text.h"

#include <algorithm>
#include <vector>

#include "settings/settings.h"

namespace {

constexpr char16_t kHyphen = u'-';
constexpr unsigned kRulePixelLimit = 160;

// One paragraph record of the article text; the text runs to its zero byte or
// to the end of the data, whichever comes first.
struct Record {
    uint8_t attr;
    uint8_t layout;
    const uint8_t* text;
    size_t length;
};

// The record at pos, or false at the end marker or the end of the data; pos
// moves past the record's terminator.
bool NextRecord(const ArticleText& text, size_t& pos, Record& record) {
    if (pos + 1 >= text.size() || text[pos] == 0) return false;
    record.attr = text[pos];
    record.layout = text[pos + 1];
    size_t end = pos + 2;
    while (end < text.size() && text[end] != 0) ++end;
    record.text = text.data() + pos + 2;
    record.length = end - (pos + 2);
    pos = end + 1;
    return true;
}

// A rule's layout byte is its length: pixels up to 160, above that a
// percentage of the width in steps of two, exported as one hyphen per step.
size_t RuleHyphens(uint8_t layout) { return layout <= kRulePixelLimit ? layout : (layout - kRulePixelLimit) * 2u; }

size_t EdgeSpaces(uint8_t layout) { return layout & kLayoutEdgeOffsetMask; }

// Appends units while they fit in front of the final zero unit's place.
struct UnitWriter {
    char16_t* out;
    size_t capacity;  // units, the zero unit's place included
    size_t used = 0;
    bool overflow = false;

    void Put(char16_t unit, size_t times = 1) {
        for (size_t i = 0; i < times; ++i) {
            if (used + 1 >= capacity) {
                overflow = true;
                return;
            }
            out[used++] = unit;
        }
    }
};

void WriteRecord(UnitWriter& writer, const Record& record, std::vector<char16_t>& chars, DisplayMode mode) {
    if (IsRuleRecord(record.attr)) {
        writer.Put(kHyphen, RuleHyphens(record.layout));
    } else {
        const int count = static_cast<int>(record.length);
        const int produced = count + ToDisplayChars(record.text, count, chars, mode);
        for (int i = 0; i < produced; ++i) writer.Put(chars[i]);
        writer.Put(u' ', EdgeSpaces(record.layout));
    }
    const int lineEnds = (record.attr & kAttrParagraphGap) ? 2 : 1;
    for (int i = 0; i < lineEnds; ++i) {
        writer.Put(u'\r');
        writer.Put(u'\n');
    }
}

}  // namespace

DisplayMode ExportDisplayMode(int fontAsciiBase, uint32_t flags) {
    const bool reverse = IsReverseOn(flags) != ExportsRichText(fontAsciiBase);
    return DisplayMode{fontAsciiBase, reverse};
}

size_t ExportTextSize(const ArticleText& text) {
    size_t pos = 0;
    size_t records = 0, hyphens = 0, edges = 0;
    Record record{};
    while (NextRecord(text, pos, record)) {
        records += (record.attr & kAttrParagraphGap) ? 2 : 1;
        if (IsRuleRecord(record.attr)) hyphens += RuleHyphens(record.layout);
        else edges += EdgeSpaces(record.layout);
    }
    const size_t bytes = std::min(pos, text.size());
    return bytes + bytes / 2 + 2 * records + hyphens + edges;
}

int BuildExportText(const ArticleText& text, char16_t* buffer, size_t bufferBytes, DisplayMode mode) {
    UnitWriter writer{buffer, bufferBytes / 2};
    if (writer.capacity == 0) return 1;
    std::vector<char16_t> chars;
    size_t pos = 0;
    Record record{};
    while (!writer.overflow && NextRecord(text, pos, record)) WriteRecord(writer, record, chars, mode);
    buffer[writer.used] = 0;
    return writer.overflow ? 1 : 0;
}
