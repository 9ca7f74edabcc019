#include "dialogs/mark_glyphs.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

constexpr unsigned kMarkToLigature = 5;
constexpr unsigned kMarkToMark = 6;
constexpr unsigned kExtension = 9;
constexpr size_t kIndexCount = 65536;  // glyphs, lookups: any 16-bit number

bool AttachesMarks(unsigned type) { return type == kMarkToLigature || type == kMarkToMark; }

struct Table {
    const uint8_t* bytes;
    size_t size;

    bool Has(size_t offset, size_t length) const { return offset <= size && length <= size - offset; }
    // Big-endian 16-bit value, 0 beyond the end.
    unsigned Word(size_t offset) const { return Has(offset, 2) ? (bytes[offset] << 8) | bytes[offset + 1] : 0; }
    unsigned long Long(size_t offset) const {
        return Has(offset, 4) ? (static_cast<unsigned long>(Word(offset)) << 16) | Word(offset + 2) : 0;
    }
};

// The lookups that the features of the left-to-right scripts use. Each
// language system and feature is read once, however often it is named, so
// that the work stays in proportion to the table.
struct LookupsInUse {
    const Table& table;
    size_t features;  // the feature list
    std::vector<bool> lookups = std::vector<bool>(kIndexCount, false);
    std::vector<bool> featureSeen = std::vector<bool>(kIndexCount, false);
    std::vector<bool> langSysSeen = std::vector<bool>(table.size, false);

    void AddFeature(unsigned index) {
        if (index >= table.Word(features) || featureSeen[index]) return;
        featureSeen[index] = true;
        const size_t feature = features + table.Word(features + 2 + 6 * size_t{index} + 4);
        const unsigned count = table.Word(feature + 2);
        for (unsigned i = 0; i < count && table.Has(feature + 4 + 2 * size_t{i}, 2); ++i) {
            lookups[table.Word(feature + 4 + 2 * size_t{i})] = true;
        }
    }

    void AddLangSys(size_t langSys) {
        if (!table.Has(langSys, 6) || langSysSeen[langSys]) return;
        langSysSeen[langSys] = true;
        const unsigned required = table.Word(langSys + 2);
        if (required != 0xFFFF) AddFeature(required);
        const unsigned count = table.Word(langSys + 4);
        for (unsigned i = 0; i < count && table.Has(langSys + 6 + 2 * size_t{i}, 2); ++i) {
            AddFeature(table.Word(langSys + 6 + 2 * size_t{i}));
        }
    }

    void AddScript(size_t script) {
        if (table.Word(script) != 0) AddLangSys(script + table.Word(script));
        const unsigned count = table.Word(script + 2);
        for (unsigned i = 0; i < count && table.Has(script + 4 + 6 * size_t{i}, 6); ++i) {
            AddLangSys(script + table.Word(script + 4 + 6 * size_t{i} + 4));
        }
    }
};

bool LeftToRightScript(const uint8_t* tag) {
    return std::memcmp(tag, "latn", 4) == 0 || std::memcmp(tag, "DFLT", 4) == 0 || std::memcmp(tag, "dflt", 4) == 0;
}

std::vector<bool> LeftToRightLookups(const Table& table) {
    LookupsInUse use{table, table.Word(6)};
    const size_t scripts = table.Word(4);
    const unsigned count = scripts != 0 ? table.Word(scripts) : 0;
    std::vector<bool> scriptSeen(table.size, false);
    for (unsigned i = 0; i < count && table.Has(scripts + 2 + 6 * size_t{i}, 6); ++i) {
        const size_t record = scripts + 2 + 6 * size_t{i};
        const size_t script = scripts + table.Word(record + 4);
        if (!LeftToRightScript(table.bytes + record) || !table.Has(script, 4) || scriptSeen[script]) continue;
        scriptSeen[script] = true;
        use.AddScript(script);
    }
    return use.lookups;
}

// First and last glyph of each run of covered glyphs.
using GlyphRanges = std::vector<std::pair<unsigned, unsigned>>;

// The glyphs of the coverage table at offset (format 1: a list of glyphs,
// format 2: ranges of them).
void AddCoverage(const Table& table, size_t offset, GlyphRanges& ranges) {
    const unsigned format = table.Word(offset);
    const unsigned count = table.Word(offset + 2);
    if (format == 1 && table.Has(offset + 4, 2 * size_t{count})) {
        for (unsigned i = 0; i < count; ++i) {
            const unsigned glyph = table.Word(offset + 4 + 2 * size_t{i});
            ranges.emplace_back(glyph, glyph);
        }
    }
    if (format == 2 && table.Has(offset + 4, 6 * size_t{count})) {
        for (unsigned i = 0; i < count; ++i) {
            const size_t range = offset + 4 + 6 * size_t{i};
            ranges.emplace_back(table.Word(range), table.Word(range + 2));
        }
    }
}

// A subtable of the given lookup type at offset: one that attaches marks
// gives its marks' coverage (the first field after the format in both), an
// extension one the subtable it points to.
void AddSubtable(const Table& table, unsigned type, size_t offset, GlyphRanges& ranges) {
    if (table.Word(offset) != 1) return;
    if (AttachesMarks(type)) AddCoverage(table, offset + table.Word(offset + 2), ranges);
    const unsigned extended = table.Word(offset + 2);
    if (type == kExtension && AttachesMarks(extended)) {
        const unsigned long target = table.Long(offset + 4);
        if (target != 0 && table.Has(offset, target)) AddSubtable(table, extended, offset + target, ranges);
    }
}

}  // namespace

std::vector<bool> TrailingMarkGlyphs(const uint8_t* gpos, size_t size) {
    const Table table{gpos, size};
    const std::vector<bool> inUse = LeftToRightLookups(table);
    GlyphRanges ranges;
    const size_t lookups = table.Word(8);
    const unsigned lookupCount = lookups != 0 ? table.Word(lookups) : 0;
    for (unsigned i = 0; i < lookupCount && table.Has(lookups + 2 + 2 * size_t{i}, 2); ++i) {
        if (!inUse[i]) continue;
        const size_t lookup = lookups + table.Word(lookups + 2 + 2 * size_t{i});
        const unsigned type = table.Word(lookup);
        if (!AttachesMarks(type) && type != kExtension) continue;
        const unsigned subtables = table.Word(lookup + 4);
        for (unsigned j = 0; j < subtables && table.Has(lookup + 6 + 2 * size_t{j}, 2); ++j) {
            AddSubtable(table, type, lookup + table.Word(lookup + 6 + 2 * size_t{j}), ranges);
        }
    }
    // Sorted by their first glyph, so that each glyph is set once however
    // the ranges overlap.
    std::sort(ranges.begin(), ranges.end());
    std::vector<bool> glyphs;
    unsigned next = 0;
    for (const auto& [first, last] : ranges) {
        if (glyphs.empty()) glyphs.assign(kIndexCount, false);
        for (unsigned glyph = std::max(first, next); glyph <= last; ++glyph) glyphs[glyph] = true;
        next = std::max(next, last + 1);
    }
    return glyphs;
}
