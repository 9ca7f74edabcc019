// The aliyah table: how each weekly portion is divided among the readers
// called up to it, seven aliyot and the maftir, and the divisions of the
// portions read together with their neighbours and of the special maftirs,
// as verse ranges; and the names and lookups made with it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "store/compression.h"
#include "store/verse_map.h"

// The table is the RCDATA resource 32764, a block in the articles' format,
// loaded as article 31764.
constexpr int kAliyahTableResourceId = 32764;
constexpr int kAliyahTableArticleNumber = kAliyahTableResourceId - kArticleResourceBase;

// Aliyot 1..7 and the maftir, numbered 8.
constexpr int kAliyotPerReading = 7;
constexpr int kMaftirNumber = 8;

enum class DivisionKind : uint8_t {
    kPortion = 0,   // of one weekly portion's own reading; group: its article (1..54)
    kCombined = 1,  // of two portions read together; group: the first one's article
    kSpecial = 2,   // a special maftir; group: the index of its name
};

// One division: a range of verses of one book.
struct Division {
    DivisionKind kind = DivisionKind::kPortion;
    uint8_t group = 0;
    uint8_t number = 0;  // 1..8
    VerseReference first;
    VerseReference last;
    bool operator==(const Division&) const = default;
};

// The name of a special maftir's Shabbat, in English and in Hebrew letters.
struct SpecialName {
    std::u16string english;
    std::u16string hebrew;
    bool operator==(const SpecialName&) const = default;
};

struct AliyahTable {
    std::vector<Division> divisions;  // by kind, then group, then number
    std::vector<SpecialName> names;
};

// The decoded table: the division count (little-endian 16 bits), then for N
// divisions eight columns of N bytes (kind, group, number, book, first
// chapter, first verse, last chapter, last verse), column by column as the
// verse map is; then the name count (one byte) and each name as its English
// letters and its Hebrew codes (PlainTextCodes), each ended by a zero.
std::vector<uint8_t> WriteAliyahTable(const AliyahTable& table);

// Reads size bytes of a decoded table (bytes after it, such as the decoder's
// zero and spare byte, are passed over). False, with the table left empty,
// when the counts run past size, a division's kind, number, book, chapter or
// verse is out of range or a special maftir names no name.
bool ReadAliyahTable(const uint8_t* data, size_t size, AliyahTable& table);

// "ראשון" … "שביעי", "מפטיר"; and "Rishon" … "Shvi'i", "Maftir"; empty
// outside 1..8.
std::u16string_view AliyahHebrewName(int number);
std::u16string_view AliyahEnglishName(int number);

// Where an aliyah begins in an article's text: the verse (an index in the
// article's list) and the numbers of the divisions of its portion that
// begin there, in order (the seventh and the maftir may begin together).
struct AliyahStart {
    size_t verse = 0;
    uint8_t numbers[2] = {};
    uint8_t count = 0;
};

// The starts of the article's own divisions in its verses, in reading
// order; none for an article without them (the passages, an empty table).
std::vector<AliyahStart> AliyahStartsIn(const AliyahTable& table, std::span<const VerseEntry> verses, int article);

// Indexes in table.divisions of the divisions that concern an article: its
// portion's own, those of the pair it is read in, and the special maftirs
// whose first verse it holds; each group in the table's order.
std::vector<size_t> DivisionsFor(const AliyahTable& table, const VerseMap& map, int article);

// The index of the portion's own division of a number; -1 when there is none.
int PortionDivision(const AliyahTable& table, int article, int number);

// The division whose verses the selected ones (first..last, indexes in the
// article's list) are exactly, among those that concern the article, its
// portion's own first; -1 when none is.
int DivisionSelected(const AliyahTable& table, const VerseMap& map, int article, size_t first, size_t last);

// What a division is called: its aliyah's name, followed for a division not
// of the article's own portion by the reading it belongs to (", ויקהל-פקודי",
// ", שבת שקלים"), with the portions named by names (the Article index's).
std::u16string DivisionHebrewName(const AliyahTable& table, const Division& division, int article,
                                  const std::vector<std::u16string>& names);
