// The aliyah table's stored form and its lookups. The table comes from the
// program's resources, so every count and field is checked before use; its
// ranges are found in the articles through the verse map.
#include "store/aliyah_table.h"

#include <algorithm>
#include <iterator>

#include "store/article_text.h"

namespace {

constexpr size_t kColumns = 8;

constexpr std::u16string_view kHebrewNames[] = {u"ראשון", u"שני",  u"שלישי", u"רביעי",
                                                u"חמישי", u"שישי", u"שביעי", u"מפטיר"};
constexpr std::u16string_view kEnglishNames[] = {u"Rishon",   u"Sheni",  u"Shlishi", u"Revi'i",
                                                 u"Chamishi", u"Shishi", u"Shvi'i",  u"Maftir"};

bool IsSound(const Division& division, size_t nameCount) {
    const auto sound = [](const VerseReference& verse) {
        return verse.book >= 1 && verse.book <= kTorahBookCount && verse.chapter > 0 && verse.verse > 0;
    };
    if (division.number < 1 || division.number > kMaftirNumber || !sound(division.first) || !sound(division.last))
        return false;
    switch (division.kind) {
    case DivisionKind::kPortion: return division.group >= 1 && division.group <= kWeeklyPortionArticles;
    case DivisionKind::kCombined: return division.group >= 1 && division.group < kWeeklyPortionArticles;
    case DivisionKind::kSpecial: return division.group < nameCount;
    }
    return false;
}

// A zero-terminated string at data[at], within size; at moves past its zero.
bool ReadString(const uint8_t* data, size_t size, size_t& at, std::vector<uint8_t>& out) {
    out.clear();
    for (; at < size; ++at) {
        if (data[at] == 0) {
            ++at;
            return true;
        }
        out.push_back(data[at]);
    }
    return false;
}

bool ReadNames(const uint8_t* data, size_t size, size_t at, std::vector<SpecialName>& names) {
    if (at >= size) return false;
    const size_t count = data[at++];
    std::vector<uint8_t> english, hebrew;
    for (size_t i = 0; i < count; ++i) {
        if (!ReadString(data, size, at, english) || !ReadString(data, size, at, hebrew)) return false;
        SpecialName name{std::u16string(english.begin(), english.end()), {}};
        for (const uint8_t code : hebrew) name.hebrew += GlyphForCode(code, kUnicodeAsciiBase).first;
        names.push_back(std::move(name));
    }
    return true;
}

bool Matches(const VerseEntry& entry, const VerseReference& reference) {
    return entry.book == reference.book && entry.chapter == reference.chapter && entry.verse == reference.verse;
}

// The index of the reference in an article's verses, or -1.
int IndexOf(std::span<const VerseEntry> verses, const VerseReference& reference) {
    const auto found = std::find_if(verses.begin(), verses.end(),
                                    [&](const VerseEntry& entry) { return Matches(entry, reference); });
    return found == verses.end() ? -1 : static_cast<int>(found - verses.begin());
}

bool OwnDivision(const Division& division, int article) {
    return division.kind == DivisionKind::kPortion && division.group == article;
}

bool PairDivision(const Division& division, int article) {
    return division.kind == DivisionKind::kCombined && (division.group == article || division.group + 1 == article);
}

}  // namespace

std::vector<uint8_t> WriteAliyahTable(const AliyahTable& table) {
    const size_t count = table.divisions.size();
    std::vector<uint8_t> out{static_cast<uint8_t>(count & 0xFF), static_cast<uint8_t>(count >> 8)};
    const auto column = [&](auto field) {
        for (const Division& division : table.divisions) out.push_back(static_cast<uint8_t>(field(division)));
    };
    column([](const Division& d) { return static_cast<int>(d.kind); });
    column([](const Division& d) { return d.group; });
    column([](const Division& d) { return d.number; });
    column([](const Division& d) { return d.first.book; });
    column([](const Division& d) { return d.first.chapter; });
    column([](const Division& d) { return d.first.verse; });
    column([](const Division& d) { return d.last.chapter; });
    column([](const Division& d) { return d.last.verse; });
    out.push_back(static_cast<uint8_t>(table.names.size()));
    for (const SpecialName& name : table.names) {
        out.insert(out.end(), name.english.begin(), name.english.end());
        out.push_back(0);
        const std::vector<uint8_t> codes = PlainTextCodes(name.hebrew);
        out.insert(out.end(), codes.begin(), codes.end());
        out.push_back(0);
    }
    return out;
}

bool ReadAliyahTable(const uint8_t* data, size_t size, AliyahTable& table) {
    table = AliyahTable{};
    if (data == nullptr || size < 2) return false;
    const size_t count = data[0] | (data[1] << 8);
    if (count > (size - 2) / kColumns) return false;
    const uint8_t* columns = data + 2;
    AliyahTable read;
    if (!ReadNames(data, size, 2 + kColumns * count, read.names)) return false;
    for (size_t i = 0; i < count; ++i) {
        const auto at = [&](size_t c) { return columns[c * count + i]; };
        const Division division{static_cast<DivisionKind>(at(0)), at(1), at(2), {at(3), at(4), at(5)},
                                {at(3), at(6), at(7)}};
        if (!IsSound(division, read.names.size())) return false;
        read.divisions.push_back(division);
    }
    table = std::move(read);
    return true;
}

std::u16string_view AliyahHebrewName(int number) {
    return number >= 1 && number <= kMaftirNumber ? kHebrewNames[number - 1] : std::u16string_view();
}

std::u16string_view AliyahEnglishName(int number) {
    return number >= 1 && number <= kMaftirNumber ? kEnglishNames[number - 1] : std::u16string_view();
}

std::vector<AliyahStart> AliyahStartsIn(const AliyahTable& table, std::span<const VerseEntry> verses, int article) {
    std::vector<AliyahStart> starts;
    for (const Division& division : table.divisions) {
        if (!OwnDivision(division, article)) continue;
        const int verse = IndexOf(verses, division.first);
        if (verse < 0) continue;
        const auto same = std::find_if(starts.begin(), starts.end(), [&](const AliyahStart& start) {
            return start.verse == static_cast<size_t>(verse);
        });
        if (same == starts.end()) {
            starts.push_back(AliyahStart{static_cast<size_t>(verse), {division.number}, 1});
        } else if (same->count < std::size(same->numbers)) {
            same->numbers[same->count++] = division.number;
        }
    }
    std::sort(starts.begin(), starts.end(), [](const AliyahStart& a, const AliyahStart& b) { return a.verse < b.verse; });
    return starts;
}

std::vector<size_t> DivisionsFor(const AliyahTable& table, const VerseMap& map, int article) {
    std::vector<size_t> found;
    if (article < 1 || article > kWeeklyPortionArticles) return found;
    const std::vector<VerseEntry>& verses = map.articles[article];
    for (size_t i = 0; i < table.divisions.size(); ++i) {
        const Division& division = table.divisions[i];
        const bool related = OwnDivision(division, article) || PairDivision(division, article);
        if (related || (division.kind != DivisionKind::kCombined && IndexOf(verses, division.first) >= 0))
            found.push_back(i);
    }
    return found;
}

int PortionDivision(const AliyahTable& table, int article, int number) {
    for (size_t i = 0; i < table.divisions.size(); ++i) {
        const Division& division = table.divisions[i];
        if (OwnDivision(division, article) && division.number == number) return static_cast<int>(i);
    }
    return -1;
}

int DivisionSelected(const AliyahTable& table, const VerseMap& map, int article, size_t first, size_t last) {
    if (article < 1 || article > kWeeklyPortionArticles) return -1;
    const std::vector<VerseEntry>& verses = map.articles[article];
    if (first > last || last >= verses.size()) return -1;
    const auto exact = [&](size_t i) {
        const Division& division = table.divisions[i];
        return Matches(verses[first], division.first) && Matches(verses[last], division.last);
    };
    const std::vector<size_t> candidates = DivisionsFor(table, map, article);
    // The portion's own divisions come before the others of its article.
    for (const bool own : {true, false}) {
        for (const size_t i : candidates) {
            if (OwnDivision(table.divisions[i], article) == own && exact(i)) return static_cast<int>(i);
        }
    }
    return -1;
}

std::u16string DivisionHebrewName(const AliyahTable& table, const Division& division, int article,
                                  const std::vector<std::u16string>& names) {
    std::u16string name(AliyahHebrewName(division.number));
    const auto portion = [&](int n) { return n >= 0 && static_cast<size_t>(n) < names.size() ? names[n] : u""; };
    switch (division.kind) {
    case DivisionKind::kPortion:
        if (division.group != article) name += u", " + portion(division.group);
        break;
    case DivisionKind::kCombined: name += u", " + portion(division.group) + u"-" + portion(division.group + 1); break;
    case DivisionKind::kSpecial:
        if (division.group < table.names.size()) name += u", " + table.names[division.group].hebrew;
        break;
    }
    return name;
}
