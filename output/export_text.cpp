// Builds the export text from the article's paragraph records, and the size of
// the buffer that holds it.
#include "output/export_text.h"

#include <algorithm>
#include <vector>

#include "settings/settings.h"
#include "store/article_records.h"

namespace {

constexpr char16_t kHyphen = u'-';
constexpr unsigned kRulePixelLimit = 160;

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

// A text record's characters; false when they could not be converted for lack of memory.
bool WriteRecordText(UnitWriter& writer, const ArticleText& text, const ArticleRecord& record,
                     std::vector<char16_t>& chars, DisplayFont font) {
    const int count = static_cast<int>(record.length);
    const bool visual = (record.attr & kAttrRightToLeft) != 0;
    const int adjustment = DisplayCharsFor(TextSurface::kExport, font, visual, text.data() + record.textPos, count, chars);
    if (chars.empty()) return false;
    for (int i = 0; i < count + adjustment && chars[i] != 0; ++i) writer.Put(chars[i]);
    writer.Put(u' ', EdgeSpaces(record.layout));
    return true;
}

// The record that holds the whole span; false when none does.
bool FindSpanRecord(const ArticleText& text, TextSpan span, ArticleRecord& record) {
    return span.start < span.end && FindRecordHolding(text, span.start, record) && span.start >= record.textPos &&
           span.end <= record.textPos + record.length;
}

bool WriteRecord(UnitWriter& writer, const ArticleText& text, const ArticleRecord& record,
                 std::vector<char16_t>& chars, DisplayFont font) {
    if (IsRuleRecord(record.attr)) writer.Put(kHyphen, RuleHyphens(record.layout));
    else if (!WriteRecordText(writer, text, record, chars, font)) return false;
    const int lineEnds = (record.attr & kAttrParagraphGap) ? 2 : 1;
    for (int i = 0; i < lineEnds; ++i) {
        writer.Put(u'\r');
        writer.Put(u'\n');
    }
    return true;
}

}  // namespace

size_t ExportTextSize(const ArticleText& text) {
    size_t records = 0, hyphens = 0, edges = 0;
    ArticleRecord record;
    for (size_t pos = 0; ReadRecord(text, pos, record); pos = record.next) {
        records += (record.attr & kAttrParagraphGap) ? 2 : 1;
        if (IsRuleRecord(record.attr)) hyphens += RuleHyphens(record.layout);
        else edges += EdgeSpaces(record.layout);
    }
    const size_t bytes = RecordsEnd(text);
    return bytes + bytes / 2 + 2 * records + hyphens + edges;
}

int BuildExportText(const ArticleText& text, char16_t* buffer, size_t bufferBytes, DisplayFont font) {
    UnitWriter writer{buffer, bufferBytes / 2};
    if (writer.capacity == 0) return kExportDoesNotFit;
    std::vector<char16_t> chars;
    ArticleRecord record;
    bool converted = true;
    for (size_t pos = 0; converted && !writer.overflow && ReadRecord(text, pos, record); pos = record.next) {
        converted = WriteRecord(writer, text, record, chars, font);
    }
    buffer[writer.used] = 0;
    if (!converted) return kExportNoMemory;
    return writer.overflow ? kExportDoesNotFit : 0;
}

std::u16string BuildVersesExportText(const ArticleText& text, std::span<const TextSpan> spans, DisplayFont font,
                                     std::u16string_view reference) {
    std::u16string out;
    std::vector<char16_t> chars;
    for (size_t i = 0; i < spans.size(); ++i) {
        ArticleRecord record;
        if (!FindSpanRecord(text, spans[i], record)) return {};
        const int count = spans[i].end - spans[i].start;
        const bool visual = (record.attr & kAttrRightToLeft) != 0;
        const uint8_t* bytes = text.data() + spans[i].start;
        const int adjustment = DisplayCharsFor(TextSurface::kExport, font, visual, bytes, count, chars);
        if (chars.empty()) return {};
        for (int k = 0; k < count + adjustment && chars[k] != 0; ++k) out += chars[k];
        out += u"\r\n";
        if ((record.attr & kAttrParagraphGap) || i + 1 == spans.size()) out += u"\r\n";
    }
    out += reference;
    out += u"\r\n";
    return out;
}
