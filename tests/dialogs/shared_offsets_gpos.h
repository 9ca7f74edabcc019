// A GPOS table in which every lookup of the Latin script's one feature is the
// same mark-to-mark lookup, each of its subtables the same subtable, whose
// coverage has the given number of ranges of every glyph: read naively,
// lookups x subtables x ranges entries. For the unit test and the fuzzer.
#pragma once

#include <cstdint>
#include <vector>

inline std::vector<uint8_t> SharedOffsetsGpos(unsigned lookups, unsigned subtables, unsigned ranges) {
    std::vector<unsigned> words = {1, 0, 10, 30, 42 + 2 * lookups, 1, 'l' << 8 | 'a', 't' << 8 | 'n', 8, 4, 0, 0,
                                   0xFFFF, 1, 0, 1, 'm' << 8 | 'k', 'm' << 8 | 'k', 8, 0, lookups};
    for (unsigned i = 0; i < lookups; ++i) words.push_back(i);  // the feature names every lookup
    words.push_back(lookups);                                      // all of them the one lookup after the list
    words.insert(words.end(), lookups, 2 + 2 * lookups);
    words.insert(words.end(), {6, 0, subtables});                  // its subtables the one after it
    words.insert(words.end(), subtables, 6 + 2 * subtables);
    words.insert(words.end(), {1, 12, 0, 0, 0, 0, 2, ranges});     // the subtable and its coverage
    for (unsigned i = 0; i < ranges; ++i) words.insert(words.end(), {0, 0xFFFF, 0});
    std::vector<uint8_t> table;
    for (unsigned word : words) table.insert(table.end(), {static_cast<uint8_t>(word >> 8), static_cast<uint8_t>(word)});
    return table;
}
