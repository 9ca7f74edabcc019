// The trailing mark glyphs read from GPOS tables made here byte by byte: one
// lookup whose subtable's mark coverage is a glyph list or ranges, directly
// or through an extension lookup; other lookup types and lookups of other
// scripts give nothing. (Tables of any bytes are the fuzzer's.)
#include "dialogs/mark_glyphs.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tests/dialogs/shared_offsets_gpos.h"

namespace {

using Bytes = std::vector<uint8_t>;

void Put(Bytes& bytes, unsigned word) {
    bytes.push_back(static_cast<uint8_t>(word >> 8));
    bytes.push_back(static_cast<uint8_t>(word));
}

// Coverage format 1 with the glyphs given, or format 2 with (first, last) pairs.
Bytes Coverage(unsigned format, const std::vector<unsigned>& values) {
    Bytes bytes;
    Put(bytes, format);
    Put(bytes, static_cast<unsigned>(format == 1 ? values.size() : values.size() / 2));
    for (size_t i = 0; i < values.size(); ++i) {
        Put(bytes, values[i]);
        if (format == 2 && i % 2 == 1) Put(bytes, 0);  // the start coverage index
    }
    return bytes;
}

// A GPOS table with one script, whose default language system names one
// feature, which names the one lookup: of the given type, with one subtable
// (format 1, the coverage at offset 2 given as 12, after its 12 bytes),
// behind an extension subtable for type 9, which names the type extended.
Bytes Gpos(unsigned lookupType, const Bytes& coverage, unsigned extended = 6, const char* script = "latn") {
    Bytes table;
    for (unsigned word : {1u, 0u, 10u, 30u, 44u}) Put(table, word);  // the script, feature and lookup lists
    Put(table, 1);
    table.insert(table.end(), script, script + 4);
    for (unsigned word : {8u, 4u, 0u}) Put(table, word);           // its script table at 18, language system at 22
    for (unsigned word : {0u, 0xFFFFu, 1u, 0u}) Put(table, word);  // feature 0
    Put(table, 1);
    table.insert(table.end(), {'m', 'k', 'm', 'k'});
    for (unsigned word : {8u, 0u, 1u, 0u}) Put(table, word);  // the feature at 38: lookup 0
    for (unsigned word : {1u, 4u}) Put(table, word);          // the lookup list at 44: one lookup, at 48
    for (unsigned word : {lookupType, 0u, 1u, 8u}) Put(table, word);  // one subtable, at 56
    if (lookupType == 9) {
        for (unsigned word : {1u, extended, 0u, 8u}) Put(table, word);  // the extended subtable 8 bytes on
    }
    for (unsigned word : {1u, 12u, 0u, 0u, 0u, 0u}) Put(table, word);
    table.insert(table.end(), coverage.begin(), coverage.end());
    return table;
}

std::vector<unsigned> SetGlyphs(const std::vector<bool>& glyphs) {
    std::vector<unsigned> set;
    for (size_t glyph = 0; glyph < glyphs.size(); ++glyph) {
        if (glyphs[glyph]) set.push_back(static_cast<unsigned>(glyph));
    }
    return set;
}

}  // namespace

TEST(TrailingMarkGlyphs, AreTheMarksOfMarkToLigatureAndMarkToMarkLookups) {
    const struct {
        const char* label;
        Bytes table;
        std::vector<unsigned> glyphs;
    } cases[] = {
        {"glyph list", Gpos(6, Coverage(1, {70, 5, 9})), {5, 9, 70}},
        {"overlapping ranges", Gpos(6, Coverage(2, {10, 12, 11, 14, 65534, 65535})), {10, 11, 12, 13, 14, 65534, 65535}},
        {"mark-to-ligature", Gpos(5, Coverage(1, {6})), {6}},
        {"mark-to-mark through an extension", Gpos(9, Coverage(1, {300})), {300}},
        {"mark-to-ligature through an extension", Gpos(9, Coverage(1, {301}), 5), {301}},
        {"mark-to-base", Gpos(4, Coverage(1, {5})), {}},
        {"mark-to-base through an extension", Gpos(9, Coverage(1, {5}), 4), {}},
        {"default script", Gpos(6, Coverage(1, {7}), 6, "DFLT"), {7}},
        {"Hebrew script only", Gpos(6, Coverage(1, {7}), 6, "hebr"), {}},
        {"unknown coverage format", Gpos(6, Coverage(3, {5})), {}},
        {"empty table", {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const std::vector<bool> glyphs = TrailingMarkGlyphs(c.table.data(), c.table.size());
        EXPECT_EQ(SetGlyphs(glyphs), c.glyphs);
        EXPECT_TRUE(glyphs.empty() || glyphs.size() == 65536u);
    }
}

// With marks at glyphs 8, 22 and 102 ("f"), a left-to-right character whose
// code or glyph is one is refused; Hebrew and control characters never are.
TEST(TrailingMarkGlyphs, EditsTakeEveryControlCharacter) {
    std::vector<bool> marks(65536, false);
    marks[8] = marks[22] = marks[102] = true;
    const struct { char16_t unit; uint16_t glyph; bool taken; } cases[] = {
        {u'f', 0xFFFF, false}, {u'a', 102, false}, {u'a', 70, true}, {u'\u05D0', 102, true},
        {0x08, 8, true},       {0x16, 22, true},   {0x0D, 0xFFFF, true},
    };
    for (const auto& c : cases) EXPECT_EQ(EditCanTake(c.unit, c.glyph, marks), c.taken) << int{c.unit};
}

// A table of 12 KB whose offsets all point at one lookup and one subtable,
// whose coverage is every glyph a thousand times over: read once each, not
// a billion times.
TEST(TrailingMarkGlyphs, SharedOffsetsAreReadOnce) {
    const std::vector<uint8_t> table = SharedOffsetsGpos(1000, 1000, 1000);
    const std::vector<bool> glyphs = TrailingMarkGlyphs(table.data(), table.size());
    EXPECT_EQ(glyphs, std::vector<bool>(65536, true));
}
