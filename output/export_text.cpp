// Builds the export text from the article's paragraph records, and the size of
// the buffer that holds it.
#include "output/export_text.h"

#include <algorithm>
#include <new>
#include <vector>

#include "settings/settings.h"
#include "store/article_records.h"
#include "store/level_text.h"

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

// Whether the export leaves the glyph table's conversion for a level's own.
bool ExportsAtLevel(DisplayFont font, ExportMarks marks) {
    return PlatformReorders(font) && marks.level != TextLevel::kVowels;
}

// The characters of count stored bytes at position in the export's order;
// false when memory runs out.
bool AppendExportChars(const ArticleText& text, size_t position, size_t count, bool visual, DisplayFont font,
                       ExportMarks marks, std::vector<char16_t>& chars, std::u16string& out) {
    if (ExportsAtLevel(font, marks)) {
        AppendTextAtLevel(text, position, count, visual, marks.level, marks.layer, out);
        return true;
    }
    const int length = static_cast<int>(count);
    const int adjustment = DisplayCharsFor(TextSurface::kExport, font, visual, text.data() + position, length, chars);
    if (chars.empty()) return false;
    for (int i = 0; i < length + adjustment && chars[i] != 0; ++i) out += chars[i];
    return true;
}

// A text record's characters; false when they could not be converted for lack of memory.
bool WriteRecordText(UnitWriter& writer, const ArticleText& text, const ArticleRecord& record,
                     std::vector<char16_t>& chars, DisplayFont font, ExportMarks marks) {
    std::u16string line;
    const bool visual = (record.attr & kAttrRightToLeft) != 0;
    try {
        if (!AppendExportChars(text, record.textPos, record.length, visual, font, marks, chars, line)) return false;
    } catch (const std::bad_alloc&) {
        return false;
    }
    for (char16_t c : line) writer.Put(c);
    writer.Put(u' ', EdgeSpaces(record.layout));
    return true;
}

// The record that holds the whole span; false when none does.
bool FindSpanRecord(const ArticleText& text, TextSpan span, ArticleRecord& record) {
    return span.start < span.end && FindRecordHolding(text, span.start, record) && span.start >= record.textPos &&
           span.end <= record.textPos + record.length;
}

bool WriteRecord(UnitWriter& writer, const ArticleText& text, const ArticleRecord& record,
                 std::vector<char16_t>& chars, DisplayFont font, ExportMarks marks) {
    if (IsRuleRecord(record.attr)) writer.Put(kHyphen, RuleHyphens(record.layout));
    else if (!WriteRecordText(writer, text, record, chars, font, marks)) return false;
    const int lineEnds = (record.attr & kAttrParagraphGap) ? 2 : 1;
    for (int i = 0; i < lineEnds; ++i) {
        writer.Put(u'\r');
        writer.Put(u'\n');
    }
    return true;
}

}  // namespace

size_t ExportTextSize(const ArticleText& text, ExportMarks marks) {
    size_t records = 0, hyphens = 0, edges = 0;
    ArticleRecord record;
    for (size_t pos = 0; ReadRecord(text, pos, record); pos = record.next) {
        records += (record.attr & kAttrParagraphGap) ? 2 : 1;
        if (IsRuleRecord(record.attr)) hyphens += RuleHyphens(record.layout);
        else edges += EdgeSpaces(record.layout);
    }
    const size_t bytes = RecordsEnd(text);
    size_t layerMarks = 0;
    if (marks.level == TextLevel::kCantillation && marks.layer != nullptr) {
        for (const LetterMarks& letter : marks.layer->letters) layerMarks += letter.count;
    }
    const size_t atLevel = marks.level == TextLevel::kCantillation ? bytes + bytes / 2 + layerMarks : 0;
    return bytes + bytes / 2 + 2 * records + hyphens + edges + atLevel;
}

int BuildExportText(const ArticleText& text, char16_t* buffer, size_t bufferBytes, DisplayFont font,
                    ExportMarks marks) {
    UnitWriter writer{buffer, bufferBytes / 2};
    if (writer.capacity == 0) return kExportDoesNotFit;
    std::vector<char16_t> chars;
    ArticleRecord record;
    bool converted = true;
    for (size_t pos = 0; converted && !writer.overflow && ReadRecord(text, pos, record); pos = record.next) {
        converted = WriteRecord(writer, text, record, chars, font, marks);
    }
    buffer[writer.used] = 0;
    if (!converted) return kExportNoMemory;
    return writer.overflow ? kExportDoesNotFit : 0;
}

std::u16string BuildVersesExportText(const ArticleText& text, std::span<const TextSpan> spans, DisplayFont font,
                                     std::u16string_view reference, ExportMarks marks) {
    std::u16string out;
    std::vector<char16_t> chars;
    for (size_t i = 0; i < spans.size(); ++i) {
        ArticleRecord record;
        if (!FindSpanRecord(text, spans[i], record)) return {};
        const size_t count = spans[i].end - spans[i].start;
        const bool visual = (record.attr & kAttrRightToLeft) != 0;
        if (!AppendExportChars(text, spans[i].start, count, visual, font, marks, chars, out)) return {};
        out += u"\r\n";
        if ((record.attr & kAttrParagraphGap) || i + 1 == spans.size()) out += u"\r\n";
    }
    out += reference;
    out += u"\r\n";
    return out;
}
