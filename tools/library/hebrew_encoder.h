// Pointed Hebrew in Unicode to the article codes, and the codes of a
// right-to-left record into the visual order in which they are stored.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/mark_layer.h"
#include "tools/library/drop_report.h"

// The layer marks of the letter whose code is codes[code].
struct CodedLetterMarks {
    size_t code = 0;
    LetterMarks marks;
};

// Appends the codes of text to codes, both in reading order. A letter is
// followed by its vowel points; the letters with dagesh, mapiq or shin/sin dots
// use their precomposed codes, as do final kaf with qamats or sheva, resh with
// dagesh, vav with holam and lamed with holam. Holam haser for vav (U+05BA) is
// coded as holam and qamats qatan (U+05C7) as qamats. Maqaf becomes "-", sof
// pasuq ":" and paseq "|". The accents, meteg, rafe and the upper and lower
// dots go to marks, each with its place among the letter's other marks, and
// every letter that has them must then read back with all its marks in the
// order they were written (AppendLetterAtLevel), else std::runtime_error;
// without marks they are dropped and counted in report, as nun hafukha always
// is. A mark that the codes cannot express on its letter (alef with dagesh,
// say) is dropped and recorded as a case with where and the word. Spaces,
// digits and ASCII punctuation (0x20..0x40, 0x5B..0x60, "|") stay as they are.
// Throws std::runtime_error, naming where, for any other character.
void AppendHebrewCodes(std::u32string_view text, const std::string& where, std::vector<uint8_t>& codes,
                       DropReport& report, std::vector<CodedLetterMarks>* marks = nullptr);

// The stored form of a right-to-left record from its codes in reading order:
// reversed, with each bracket of () and [] exchanged for its partner, so that
// every point comes before its letter and the first word read is last (braces
// have no codes of their own: 0x7B is tav).
std::vector<uint8_t> ToVisualOrder(const std::vector<uint8_t>& readingCodes);

// Reading-order codes of a short text without points (titles, headings).
std::vector<uint8_t> EncodePlainHebrew(std::u32string_view text, const std::string& where, DropReport& report);
