// The verse map's stored form and its lookups. The map comes from the
// program's resources, so every count and position is checked before use;
// the article texts are walked with the one record reader.
#include "store/verse_map.h"

#include "store/article_records.h"

#include <algorithm>

namespace {

void AppendNumber(std::vector<uint8_t>& out, size_t value) {
    out.push_back(static_cast<uint8_t>(value & 0xFF));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

uint16_t NumberAt(const uint8_t* data, size_t at) { return static_cast<uint16_t>(data[at] | (data[at + 1] << 8)); }

// The entry of verse i of count verses whose columns start at data.
VerseEntry EntryAt(const uint8_t* data, size_t count, size_t i) {
    const auto column = [&](size_t c) { return data[c * count + i]; };
    return {column(0), column(1), column(2), static_cast<uint16_t>(column(3) | (column(4) << 8)),
            static_cast<uint16_t>(column(5) | (column(6) << 8))};
}

bool IsSound(const VerseEntry& verse) {
    return verse.book >= 1 && verse.book <= kTorahBookCount && verse.chapter > 0 && verse.verse > 0;
}

size_t TextEnd(const ArticleRecord& record) { return record.textPos + record.length; }

// The verse's bytes in one record, whose position relative to the verse's
// records is known to be inside them.
TextSpan PartInRecord(const VerseEntry& verse, const ArticleRecord& record) {
    const bool beginsHere = verse.first >= record.textPos;
    const bool endsHere = verse.last < TextEnd(record);
    return {static_cast<uint16_t>(endsHere ? verse.last : record.textPos),
            static_cast<uint16_t>(beginsHere ? verse.first + 1 : TextEnd(record))};
}

// Whether the verse has bytes in the record: it begins there or before, and
// ends there or after.
bool Touches(const VerseEntry& verse, const ArticleRecord& record) {
    return verse.first < TextEnd(record) && verse.last >= record.textPos;
}

// A verse that follows the previous one in the same record widens its span
// downwards, over the space between them.
void AddSpan(std::vector<TextSpan>& spans, TextSpan span, size_t& lastRecordStart, size_t recordStart) {
    if (!spans.empty() && lastRecordStart == recordStart) {
        spans.back().start = std::min(spans.back().start, span.start);
        spans.back().end = std::max(spans.back().end, span.end);
    } else {
        spans.push_back(span);
        lastRecordStart = recordStart;
    }
}

// Appends the spans of one verse: the record holding its first byte and the
// ones after it, up to the one holding its last. False when the positions do
// not fit the text's records.
bool AddVerseSpans(const ArticleText& text, const VerseEntry& verse, std::vector<TextSpan>& spans,
                   size_t& lastRecordStart) {
    ArticleRecord record;
    if (!FindRecordHolding(text, verse.first, record) || verse.first < record.textPos || verse.first >= TextEnd(record))
        return false;
    for (;;) {
        const TextSpan span = PartInRecord(verse, record);
        if (!Touches(verse, record) || span.start >= span.end) return false;
        AddSpan(spans, span, lastRecordStart, record.start);
        if (verse.last >= record.textPos && verse.last < TextEnd(record)) return true;
        if (!ReadRecord(text, record.next, record)) return false;
    }
}

}  // namespace

std::vector<uint8_t> WriteVerseMap(const VerseMap& map) {
    std::vector<uint8_t> out;
    std::vector<VerseEntry> all;
    AppendNumber(out, kArticleCount);
    for (int article = 1; article <= kArticleCount; ++article) {
        AppendNumber(out, map.articles[article].size());
        all.insert(all.end(), map.articles[article].begin(), map.articles[article].end());
    }
    for (const VerseEntry& verse : all) out.push_back(verse.book);
    for (const VerseEntry& verse : all) out.push_back(verse.chapter);
    for (const VerseEntry& verse : all) out.push_back(verse.verse);
    for (uint16_t VerseEntry::*position : {&VerseEntry::first, &VerseEntry::last}) {
        for (const VerseEntry& verse : all) out.push_back(static_cast<uint8_t>(verse.*position & 0xFF));
        for (const VerseEntry& verse : all) out.push_back(static_cast<uint8_t>(verse.*position >> 8));
    }
    return out;
}

bool ReadVerseMap(const uint8_t* data, size_t size, VerseMap& map) {
    map = VerseMap{};
    const size_t countsEnd = 2 + 2 * kArticleCount;
    if (data == nullptr || size < countsEnd || NumberAt(data, 0) != kArticleCount) return false;
    size_t total = 0;
    for (int article = 1; article <= kArticleCount; ++article) total += NumberAt(data, 2 * article);
    if (total > (size - countsEnd) / kVerseColumns) return false;
    size_t i = 0;
    for (int article = 1; article <= kArticleCount; ++article) {
        for (size_t k = NumberAt(data, 2 * article); k > 0; --k, ++i) {
            map.articles[article].push_back(EntryAt(data + countsEnd, total, i));
            if (!IsSound(map.articles[article].back())) {
                map = VerseMap{};
                return false;
            }
        }
    }
    return true;
}

VersePlace FindVerse(const VerseMap& map, const VerseReference& reference) {
    for (int article = 1; article <= kWeeklyPortionArticles; ++article) {
        const std::vector<VerseEntry>& verses = map.articles[article];
        for (size_t i = 0; i < verses.size(); ++i) {
            const VerseEntry& verse = verses[i];
            if (verse.book == reference.book && verse.chapter == reference.chapter && verse.verse == reference.verse)
                return {article, i};
        }
    }
    return {};
}

int VerseAt(const ArticleText& text, std::span<const VerseEntry> verses, size_t position) {
    ArticleRecord record;
    if (!FindRecordHolding(text, position, record) || position < record.textPos || position >= TextEnd(record))
        return -1;
    for (size_t i = 0; i < verses.size(); ++i) {
        if (!Touches(verses[i], record)) continue;
        const TextSpan span = PartInRecord(verses[i], record);
        if (position >= span.start && position < span.end) return static_cast<int>(i);
    }
    return -1;
}

std::vector<TextSpan> VerseSpans(const ArticleText& text, std::span<const VerseEntry> verses, size_t first,
                                 size_t last) {
    std::vector<TextSpan> spans;
    if (first > last || last >= verses.size()) return spans;
    size_t lastRecordStart = 0;
    for (size_t i = first; i <= last; ++i) {
        if (!AddVerseSpans(text, verses[i], spans, lastRecordStart)) return {};
    }
    return spans;
}
