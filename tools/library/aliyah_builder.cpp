// Turns the leyning package's readings into the program's aliyah table. The
// package's verses are moved to the Codex's numbering first; then every
// reading is checked against the Codex and the portions table, so that a
// wrong or shifted range stops the build instead of reaching the program.
#include "tools/library/aliyah_builder.h"

#include <algorithm>
#include <map>
#include <stdexcept>

#include "store/verse_reference.h"
#include "tools/library/json_value.h"

namespace {

constexpr int kCombinedPairs = 7;
constexpr int kPortionWithoutMaftir = 54;  // Vezot Haberakhah, read on Simchat Torah
constexpr char kItsMaftirsReading[] = "Simchat Torah";

// One reading being checked: its name for the messages, its divisions by number.
struct Reading {
    std::string name;
    std::map<int, Division> divisions;
};

int DivisionNumber(const std::string& key) {
    if (key == "M") return kMaftirNumber;
    if (key.size() == 1 && key[0] >= '1' && key[0] < '1' + kAliyotPerReading) return key[0] - '0';
    return 0;
}

const JsonValue& Member(const JsonValue& object, const std::string& name, const std::string& where) {
    const JsonValue* value = object.Find(name);
    if (value == nullptr) throw std::runtime_error(where + ": no \"" + name + "\"");
    return *value;
}

int NumberMember(const JsonValue& object, const std::string& name, const std::string& where) {
    const JsonValue& value = Member(object, name, where);
    if (value.kind != JsonValue::Kind::kNumber) throw std::runtime_error(where + ": \"" + name + "\" is no number");
    return static_cast<int>(value.number);
}

std::string TextOf(const JsonValue& value, const std::string& where) {
    if (value.kind != JsonValue::Kind::kString) throw std::runtime_error(where + ": a verse is no text");
    return value.text;
}

// The Codex's position of a verse in its book, or -1.
class CodexPlaces {
public:
    CodexPlaces(const std::vector<BookEntry>& books, const Codex& codex) : books_(books), codex_(codex) {}
    int Of(const VerseReference& verse) const {
        if (verse.book < 1 || static_cast<size_t>(verse.book) > books_.size()) return -1;
        const std::string& book = books_[verse.book - 1].book;
        const auto found = codex_.find(book);
        if (found == codex_.end()) return -1;
        return FindVerse(found->second, book + "." + std::to_string(verse.chapter) + "." + std::to_string(verse.verse));
    }
    std::string Name(const VerseReference& verse) const {
        const std::string book = verse.book >= 1 && static_cast<size_t>(verse.book) <= books_.size()
                                     ? books_[verse.book - 1].book : "?";
        return book + "." + std::to_string(verse.chapter) + "." + std::to_string(verse.verse);
    }
    VerseReference Parse(const std::string& osis) const {
        VerseRef ref;
        if (!ParseVerseRef(osis, ref)) throw std::runtime_error("bad reference " + osis);
        for (size_t i = 0; i < books_.size(); ++i)
            if (books_[i].book == ref.book) return {static_cast<int>(i) + 1, ref.chapter, ref.verse};
        throw std::runtime_error("no book " + ref.book);
    }

private:
    const std::vector<BookEntry>& books_;
    const Codex& codex_;
};

Division MakeDivision(DivisionKind kind, int group, int number, int book, const std::string& first,
                      const std::string& last) {
    return Division{kind, static_cast<uint8_t>(group), static_cast<uint8_t>(number), CodexVerseOf(book, first),
                    CodexVerseOf(book, last)};
}

// A portion's or a pair's "fullkriyah": "1".."7" and "M" as [first, last, note].
Reading ReadFullReading(const std::string& name, const JsonValue& entry, DivisionKind kind, int group) {
    Reading reading{name, {}};
    const int book = NumberMember(entry, "book", name);
    for (const auto& [key, range] : Member(entry, "fullkriyah", name).members) {
        const int number = DivisionNumber(key);
        if (number == 0 || range.kind != JsonValue::Kind::kArray || range.items.size() < 2)
            throw std::runtime_error(name + ": a division \"" + key + "\" of another shape");
        reading.divisions[number] = MakeDivision(kind, group, number, book, TextOf(range.items[0], name),
                                                 TextOf(range.items[1], name));
    }
    return reading;
}

// A holiday reading's maftir: {"k": book, "b": first, "e": last}.
Division HolidayMaftir(const JsonValue& holidays, const std::string& key, DivisionKind kind, int group) {
    const JsonValue& maftir = Member(Member(Member(holidays, key, key), "fullkriyah", key), "M", key);
    return MakeDivision(kind, group, kMaftirNumber, NumberMember(maftir, "k", key),
                        TextOf(Member(maftir, "b", key), key), TextOf(Member(maftir, "e", key), key));
}

void CheckRange(const CodexPlaces& places, const std::string& where, const Division& division) {
    const int first = places.Of(division.first);
    const int last = places.Of(division.last);
    const std::string range = places.Name(division.first) + "-" + places.Name(division.last);
    if (first < 0 || last < 0) throw std::runtime_error(where + ": " + range + " is not in the Codex");
    if (last < first) throw std::runtime_error(where + ": " + range + " ends before it begins");
}

// Aliyot 1..7 follow each other from the first verse of the reading's
// articles to the last, and the maftir lies inside the seventh and ends with it.
void CheckReading(const CodexPlaces& places, const Reading& reading, const VerseReference& begin,
                  const VerseReference& end, bool hasMaftir) {
    for (int number = 1; number <= kAliyotPerReading; ++number) {
        if (!reading.divisions.count(number))
            throw std::runtime_error(reading.name + ": no aliyah " + std::to_string(number));
    }
    if (hasMaftir != (reading.divisions.count(kMaftirNumber) == 1))
        throw std::runtime_error(reading.name + (hasMaftir ? ": no maftir" : ": a maftir of its own"));
    for (const auto& [number, division] : reading.divisions)
        CheckRange(places, reading.name + " " + std::to_string(number), division);
    const auto at = [&](int number) { return reading.divisions.at(number); };
    if (places.Of(at(1).first) != places.Of(begin) || places.Of(at(kAliyotPerReading).last) != places.Of(end))
        throw std::runtime_error(reading.name + ": the aliyot do not cover " + places.Name(begin) + "-" +
                                 places.Name(end));
    for (int number = 2; number <= kAliyotPerReading; ++number) {
        if (places.Of(at(number).first) != places.Of(at(number - 1).last) + 1)
            throw std::runtime_error(reading.name + ": aliyah " + std::to_string(number) + " does not follow " +
                                     places.Name(at(number - 1).last));
    }
    if (!hasMaftir) return;
    const Division& maftir = at(kMaftirNumber);
    if (places.Of(maftir.first) < places.Of(at(kAliyotPerReading).first) ||
        places.Of(maftir.last) != places.Of(at(kAliyotPerReading).last))
        throw std::runtime_error(reading.name + ": the maftir is not the end of the seventh aliyah");
}

VerseReference RangeStart(const CodexPlaces& places, const ArticleEntry& article) {
    return places.Parse(article.ranges.front().start);
}

VerseReference RangeEnd(const CodexPlaces& places, const ArticleEntry& article) {
    return places.Parse(article.ranges.back().end);
}

void AddReading(AliyahTable& table, const Reading& reading) {
    for (const auto& [number, division] : reading.divisions) table.divisions.push_back(division);
}

// The package's portions and pairs, each checked; the portions' divisions
// first, then the pairs'.
void AddFullReadings(AliyahTable& table, const JsonValue& aliyot, const JsonValue& holidays,
                     const CodexPlaces& places, const std::vector<ArticleEntry>& articles) {
    std::map<int, Reading> portions, pairs;
    for (const auto& [name, entry] : aliyot.members) {
        const JsonValue* pair = entry.Find("combined");
        const bool combined = pair != nullptr && pair->boolean;
        const int article = NumberMember(entry, combined ? "num1" : "num", name);
        if (article < 1 || article > kWeeklyPortionArticles || (combined && NumberMember(entry, "num2", name) != article + 1))
            throw std::runtime_error(name + ": no portion of the Torah");
        const DivisionKind kind = combined ? DivisionKind::kCombined : DivisionKind::kPortion;
        Reading reading = ReadFullReading(name, entry, kind, article);
        const bool ownMaftir = combined || article != kPortionWithoutMaftir;
        const ArticleEntry& last = articles.at(combined ? article : article - 1);
        CheckReading(places, reading, RangeStart(places, articles.at(article - 1)), RangeEnd(places, last), ownMaftir);
        if (!ownMaftir) {
            reading.divisions[kMaftirNumber] = HolidayMaftir(holidays, kItsMaftirsReading, kind, article);
            CheckRange(places, name + " maftir", reading.divisions.at(kMaftirNumber));
        }
        (combined ? pairs : portions)[article] = std::move(reading);
    }
    if (portions.size() != static_cast<size_t>(kWeeklyPortionArticles) || pairs.size() != kCombinedPairs)
        throw std::runtime_error("the package has " + std::to_string(portions.size()) + " portions and " +
                                 std::to_string(pairs.size()) + " pairs");
    for (const auto& [article, reading] : portions) AddReading(table, reading);
    for (const auto& [article, reading] : pairs) AddReading(table, reading);
}

// The package's chapters, shifted, have as many verses as the Codex's: the
// proof that the shift is the only difference of numbering.
void CheckChapterLengths(const JsonValue& numverses, const std::vector<BookEntry>& books, const Codex& codex) {
    for (size_t b = 0; b < books.size(); ++b) {
        const std::u16string_view english = EnglishBookName(static_cast<int>(b) + 1);
        const std::string name(english.begin(), english.end());
        const JsonValue& counts = Member(numverses, name, "numverses");
        std::map<int, int> lengths;
        for (const CodexVerse& verse : codex.at(books[b].book).verses)
            lengths[verse.chapter] = std::max(lengths[verse.chapter], verse.verse);
        for (const auto& [chapter, length] : lengths) {
            const size_t at = static_cast<size_t>(chapter);
            const int counted = at < counts.items.size() ? static_cast<int>(counts.items[at].number) : 0;
            const int shifted = CodexVerseOf(static_cast<int>(b) + 1, std::to_string(chapter) + ":" +
                                                                        std::to_string(counted)).verse;
            if (shifted != length)
                throw std::runtime_error(name + " " + std::to_string(chapter) + ": the package counts " +
                                         std::to_string(counted) + " verses, the Codex " + std::to_string(length));
        }
    }
}

void AddSpecialMaftirs(AliyahTable& table, const JsonValue& holidays, const CodexPlaces& places,
                       const std::vector<SpecialMaftirEntry>& specials) {
    for (const SpecialMaftirEntry& special : specials) {
        const Division maftir = HolidayMaftir(holidays, special.key, DivisionKind::kSpecial,
                                              static_cast<int>(table.names.size()));
        CheckRange(places, special.key, maftir);
        table.names.push_back({std::u16string(special.nameEn.begin(), special.nameEn.end()),
                               std::u16string(special.nameHe.begin(), special.nameHe.end())});
        table.divisions.push_back(maftir);
    }
}

}  // namespace

VerseReference CodexVerseOf(int book, const std::string& chapterVerse) {
    const size_t colon = chapterVerse.find(':');
    size_t used = 0;
    VerseReference verse{book, 0, 0};
    try {
        verse.chapter = std::stoi(chapterVerse.substr(0, colon), &used);
        if (colon == std::string::npos || used != colon) throw std::invalid_argument(chapterVerse);
        verse.verse = std::stoi(chapterVerse.substr(colon + 1), &used);
        if (colon + 1 + used != chapterVerse.size()) throw std::invalid_argument(chapterVerse);
    } catch (const std::logic_error&) {
        throw std::runtime_error("a verse \"" + chapterVerse + "\" of another shape");
    }
    for (const VerseShift& shift : kTenCommandmentsShifts) {
        if (book == shift.book && verse.chapter == shift.chapter && verse.verse >= shift.fromVerse) verse.verse += shift.by;
    }
    return verse;
}

AliyahTable BuildAliyahTable(const std::string& leyningDir, const std::string& dataDir,
                             const std::vector<BookEntry>& books, const std::vector<ArticleEntry>& articles,
                             const Codex& codex) {
    const JsonValue aliyot = ReadJsonFile(leyningDir + "/aliyot.json.js");
    const JsonValue holidays = ReadJsonFile(leyningDir + "/holiday-readings.json.js");
    CheckChapterLengths(ReadJsonFile(leyningDir + "/numverses.json.js"), books, codex);
    const CodexPlaces places(books, codex);
    AliyahTable table;
    AddFullReadings(table, aliyot, holidays, places, articles);
    AddSpecialMaftirs(table, holidays, places, ReadSpecialMaftirsTable(dataDir + "/special_maftirs.tsv"));
    return table;
}
