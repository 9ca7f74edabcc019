// Copied and printed selections. The name comes from the aliyah table; the
// printed text is made of the selected records' parts, each a record again,
// so that the printer's layout and painting take it as any article.
#include "output/selection_text.h"

#include <algorithm>

#include "store/article_records.h"
#include "store/article_text.h"
#include "store/verse_reference.h"

namespace {

std::span<const VerseEntry> Selected(const VerseMap& map, int article, size_t first, size_t last) {
    if (article < 1 || article > kArticleCount) return {};
    const std::vector<VerseEntry>& verses = map.articles[article];
    if (first > last || last >= verses.size()) return {};
    return std::span<const VerseEntry>(verses.data() + first, last - first + 1);
}

std::u16string NamePrefix(const AliyahTable& table, const VerseMap& map, const ArticleNames& names, int article,
                          size_t first, size_t last) {
    const int division = DivisionSelected(table, map, article, first, last);
    if (division < 0) return {};
    return DivisionHebrewName(table, table.divisions[division], article, names) + u", ";
}

}  // namespace

std::u16string NamedVerseReference(const AliyahTable& table, const VerseMap& map, const ArticleNames& names,
                                   int article, size_t first, size_t last) {
    const std::u16string reference = FormatVerseReference(Selected(map, article, first, last));
    if (reference.empty()) return reference;
    return NamePrefix(table, map, names, article, first, last) + reference;
}

std::vector<uint8_t> SelectionHeaderCodes(const AliyahTable& table, const VerseMap& map, const ArticleNames& names,
                                          int article, size_t first, size_t last) {
    std::u16string header = FormatVerseReferenceParts(Selected(map, article, first, last)).hebrew;
    if (header.empty()) return {};
    header = NamePrefix(table, map, names, article, first, last) + header;
    std::replace(header.begin(), header.end(), u'\u2013', u'-');
    std::vector<uint8_t> codes = PlainTextCodes(header);
    std::reverse(codes.begin(), codes.end());
    return codes;
}

SelectionText SelectedText(const ArticleText& text, std::span<const TextSpan> spans, const MarkLayer& marks) {
    SelectionText selected;
    for (const TextSpan& span : spans) {
        ArticleRecord record;
        if (span.start >= span.end || !FindRecordHolding(text, span.start, record) || span.start < record.textPos ||
            span.end > record.textPos + record.length)
            return {};
        selected.text.push_back(record.attr);
        selected.text.push_back(record.layout);
        const size_t moved = selected.text.size();
        selected.text.insert(selected.text.end(), text.begin() + span.start, text.begin() + span.end);
        selected.text.push_back(0);
        for (const LetterMarks& letter : marks.letters) {
            if (letter.position < span.start || letter.position >= span.end) continue;
            LetterMarks copy = letter;
            copy.position = static_cast<uint16_t>(moved + (letter.position - span.start));
            selected.marks.letters.push_back(copy);
        }
    }
    if (selected.text.empty()) return {};
    // The end marker, then the decoder's zero and spare byte.
    selected.text.insert(selected.text.end(), {0, 0, 0});
    return selected;
}
