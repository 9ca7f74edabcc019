// A GPOS table in which every lookup of the Latin script's one feature is the
// same mark-to-mark lookup, each of its subtables the same subtable, whose
// coverage has the given number of ranges of every glyph: read naively,
// lookups x subtables x ranges entries. For the unit test and the fuzzer.
#pragma once

#include <cstdint>
#include <vector>

inline std::vector<uint8_t> SharedOffsetsGpos(unsigned lookups, unsigned subtables, unsigned ranges) {
    std::vector<uint8_t> table;
    const auto put = [&table](unsigned word) {
        table.push_back(static_cast<uint8_t>(word >> 8));
        table.push_back(static_cast<uint8_t>(word));
    };
    const unsigned lookupList = 42 + 2 * lookups;
    for (unsigned word : {1u, 0u, 10u, 30u, lookupList, 1u}) put(word);  // the lists; one script
    table.insert(table.end(), {'l', 'a', 't', 'n'});
    for (unsigned word : {8u, 4u, 0u, 0u, 0xFFFFu, 1u, 0u, 1u}) put(word);  // script at 18, language system at 22
    table.insert(table.end(), {'m', 'k', 'm', 'k'});
    for (unsigned word : {8u, 0u, lookups}) put(word);  // the feature at 38 names every lookup
    for (unsigned i = 0; i < lookups; ++i) put(i);
    put(lookups);  // the lookup list: every entry the one lookup after it
    for (unsigned i = 0; i < lookups; ++i) put(2 + 2 * lookups);
    for (unsigned word : {6u, 0u, subtables}) put(word);  // the lookup: every subtable the one after it
    for (unsigned i = 0; i < subtables; ++i) put(6 + 2 * subtables);
    for (unsigned word : {1u, 12u, 0u, 0u, 0u, 0u, 2u, ranges}) put(word);  // the subtable and its coverage
    for (unsigned i = 0; i < ranges; ++i) {
        for (unsigned word : {0u, 0xFFFFu, 0u}) put(word);
    }
    return table;
}
