// Reads a font's GPOS table, which comes from whatever fonts are installed,
// for the marks its Latin and default scripts attach: only inside its bytes,
// each of its tables once, and with work bounded by its size, so that no
// table, however its offsets point, holds up the program.
#include "dialogs/mark_glyphs.h"

#include <cstring>

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

// Every array of offsets or indices is read once in an honest table, whose
// tables are visited once each (by their offsets); a table of a few
// kilobytes whose arrays overlap could still make their reading grow with
// the square of its size, so the entries read are counted, and reading stops
// at twice as many as the table has words.
struct Budget {
    size_t left;
    bool Take() {
        if (left == 0) return false;
        --left;
        return true;
    }
};

// The lookups that the features of the left-to-right scripts use. Each
// language system and feature is read once, however often it is named, so
// that the work stays in proportion to the table.
struct LookupsInUse {
    const Table& table;
    Budget& budget;
    size_t features;  // the feature list
    std::vector<bool> lookups = std::vector<bool>(kIndexCount, false);
    std::vector<bool> featureSeen = std::vector<bool>(table.size, false);
    std::vector<bool> langSysSeen = std::vector<bool>(table.size, false);

    void AddFeature(unsigned index) {
        if (index >= table.Word(features)) return;
        const size_t feature = features + table.Word(features + 2 + 6 * size_t{index} + 4);
        if (!table.Has(feature, 4) || featureSeen[feature]) return;
        featureSeen[feature] = true;
        const unsigned count = table.Word(feature + 2);
        for (unsigned i = 0; i < count && table.Has(feature + 4 + 2 * size_t{i}, 2) && budget.Take(); ++i) {
            lookups[table.Word(feature + 4 + 2 * size_t{i})] = true;
        }
    }

    void AddLangSys(size_t langSys) {
        if (!table.Has(langSys, 6) || langSysSeen[langSys]) return;
        langSysSeen[langSys] = true;
        const unsigned required = table.Word(langSys + 2);
        if (required != 0xFFFF) AddFeature(required);
        const unsigned count = table.Word(langSys + 4);
        for (unsigned i = 0; i < count && table.Has(langSys + 6 + 2 * size_t{i}, 2) && budget.Take(); ++i) {
            AddFeature(table.Word(langSys + 6 + 2 * size_t{i}));
        }
    }

    void AddScript(size_t script) {
        if (table.Word(script) != 0) AddLangSys(script + table.Word(script));
        const unsigned count = table.Word(script + 2);
        for (unsigned i = 0; i < count && table.Has(script + 4 + 6 * size_t{i}, 6) && budget.Take(); ++i) {
            AddLangSys(script + table.Word(script + 4 + 6 * size_t{i} + 4));
        }
    }
};

bool LeftToRightScript(const uint8_t* tag) {
    return std::memcmp(tag, "latn", 4) == 0 || std::memcmp(tag, "DFLT", 4) == 0 || std::memcmp(tag, "dflt", 4) == 0;
}

std::vector<bool> LeftToRightLookups(const Table& table, Budget& budget) {
    LookupsInUse use{table, budget, table.Word(6)};
    const size_t scripts = table.Word(4);
    const unsigned count = scripts != 0 ? table.Word(scripts) : 0;
    std::vector<bool> scriptSeen(table.size, false);
    for (unsigned i = 0; i < count && table.Has(scripts + 2 + 6 * size_t{i}, 6) && budget.Take(); ++i) {
        const size_t record = scripts + 2 + 6 * size_t{i};
        const size_t script = scripts + table.Word(record + 4);
        if (!LeftToRightScript(table.bytes + record) || !table.Has(script, 4) || scriptSeen[script]) continue;
        scriptSeen[script] = true;
        use.AddScript(script);
    }
    return use.lookups;
}

// The marked glyphs, gathered as runs: +1 where a run of covered glyphs
// begins, -1 after it ends, so that a run costs the same however long it is.
// Each lookup, subtable and coverage table is visited once, by its offset.
struct MarkCollector {
    const Table& table;
    Budget& budget;
    std::vector<int> runEdges = std::vector<int>(kIndexCount + 1, 0);
    bool any = false;
    std::vector<bool> lookupSeen = std::vector<bool>(table.size, false);
    std::vector<bool> subtableSeen = std::vector<bool>(table.size, false);  // as a mark-attaching one
    std::vector<bool> extensionSeen = std::vector<bool>(table.size, false);
    std::vector<bool> coverageSeen = std::vector<bool>(table.size, false);

    static bool Visit(std::vector<bool>& seen, size_t offset) {
        if (offset >= seen.size() || seen[offset]) return false;
        seen[offset] = true;
        return true;
    }

    void AddRun(unsigned first, unsigned last) {
        if (first > last) return;
        ++runEdges[first];
        --runEdges[last + 1];
        any = true;
    }

    // The glyphs of the coverage table at offset (format 1: a list of glyphs,
    // format 2: ranges of them).
    void AddCoverage(size_t offset) {
        if (!Visit(coverageSeen, offset)) return;
        const unsigned format = table.Word(offset);
        const unsigned count = table.Word(offset + 2);
        if (format == 1 && table.Has(offset + 4, 2 * size_t{count})) {
            for (unsigned i = 0; i < count && budget.Take(); ++i) {
                const unsigned glyph = table.Word(offset + 4 + 2 * size_t{i});
                AddRun(glyph, glyph);
            }
        }
        if (format == 2 && table.Has(offset + 4, 6 * size_t{count})) {
            for (unsigned i = 0; i < count && budget.Take(); ++i) {
                const size_t range = offset + 4 + 6 * size_t{i};
                AddRun(table.Word(range), table.Word(range + 2));
            }
        }
    }

    // A subtable of the given lookup type at offset: one that attaches marks
    // gives its marks' coverage (the first field after the format in both),
    // an extension one the subtable it points to.
    void AddSubtable(unsigned type, size_t offset) {
        if (table.Word(offset) != 1) return;
        if (AttachesMarks(type) && Visit(subtableSeen, offset)) AddCoverage(offset + table.Word(offset + 2));
        const unsigned extended = table.Word(offset + 2);
        if (type == kExtension && AttachesMarks(extended) && Visit(extensionSeen, offset)) {
            const unsigned long target = table.Long(offset + 4);
            if (target != 0 && table.Has(offset, target)) AddSubtable(extended, offset + target);
        }
    }

    void AddLookup(size_t lookup) {
        const unsigned type = table.Word(lookup);
        if ((!AttachesMarks(type) && type != kExtension) || !Visit(lookupSeen, lookup)) return;
        const unsigned subtables = table.Word(lookup + 4);
        for (unsigned j = 0; j < subtables && table.Has(lookup + 6 + 2 * size_t{j}, 2) && budget.Take(); ++j) {
            AddSubtable(type, lookup + table.Word(lookup + 6 + 2 * size_t{j}));
        }
    }

    std::vector<bool> Glyphs() const {
        std::vector<bool> glyphs;
        if (!any) return glyphs;
        glyphs.assign(kIndexCount, false);
        int depth = 0;
        for (size_t glyph = 0; glyph < kIndexCount; ++glyph) {
            depth += runEdges[glyph];
            glyphs[glyph] = depth > 0;
        }
        return glyphs;
    }
};

}  // namespace

bool EditCanTake(char16_t unit, uint16_t glyph, const std::vector<bool>& marks) {
    // Hebrew is laid out in right-to-left runs, where the shaper looks after
    // the glyph instead.
    const bool rightToLeft = (unit >= 0x0590 && unit <= 0x05FF) || (unit >= 0xFB1D && unit <= 0xFB4F);
    const bool control = unit < 0x20 || unit == 0x7F;
    if (marks.empty() || rightToLeft || control) return true;
    return !marks[unit] && (glyph == 0xFFFF || !marks[glyph]);
}

std::vector<bool> TrailingMarkGlyphs(const uint8_t* gpos, size_t size) {
    const Table table{gpos, size};
    Budget budget{size};
    const std::vector<bool> inUse = LeftToRightLookups(table, budget);
    MarkCollector marks{table, budget};
    const size_t lookups = table.Word(8);
    const unsigned lookupCount = lookups != 0 ? table.Word(lookups) : 0;
    for (unsigned i = 0; i < lookupCount && table.Has(lookups + 2 + 2 * size_t{i}, 2) && budget.Take(); ++i) {
        if (inUse[i]) marks.AddLookup(lookups + table.Word(lookups + 2 + 2 * size_t{i}));
    }
    return marks.Glyphs();
}
