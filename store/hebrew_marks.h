// The marks of a Hebrew letter as the levels of the text show them: the base
// letter and the marks its article code expresses, the marks no code can
// express (the accents, meteg and the dots above and below, kept in a layer of
// their own), and where a mark sits on its letter.
#pragma once

#include <cstdint>

// How much of the pointed text is shown and copied.
enum class TextLevel : uint8_t {
    kLettersOnly = 0,
    kVowels = 1,        // what the article codes hold: points, dagesh and dots
    kCantillation = 2,  // and the marks of the layer too
};

// A stored level: 0, 1 or 2; anything else reads as the vowels.
TextLevel TextLevelFromStored(int32_t value);

// The codes that stand for one letter (alone, or with its dagesh, dots or a
// point): 0x10..0x14, 0x41..0x5A and 0x61..0x7B.
bool IsLetterCode(uint8_t code);

constexpr int kMaxExpressedMarks = 2;

// A letter code as a base letter (U+05D0..U+05EA) and the marks the code
// itself carries, in the order a letter's marks are written: shin or sin dot,
// dagesh, then the point of a pair code (final kaf with qamats or sheva, vav
// or lamed with holam).
struct LetterForm {
    char16_t letter = 0;
    char16_t marks[kMaxExpressedMarks] = {};
    int markCount = 0;
};
// The form of a letter code; letter 0 for any other code.
LetterForm LetterFormOfCode(uint8_t code);

// The marks no article code expresses: the accents U+0591..U+05AF, meteg
// U+05BD, rafe U+05BF and the dots U+05C4 above and U+05C5 below the letter.
bool IsLayerMark(char16_t mark);

// Where a mark sits: above or below its letter, or inside it (dagesh).
enum class MarkSide : uint8_t { kBelow, kAbove, kInside };
MarkSide SideOfMark(char16_t mark);

// Accents that stand at a corner of their word rather than over their letter:
// the prepositive ones at the right (yetiv, telisha gedola, dehi), the
// postpositive ones at the left (segolta, pashta, telisha qetana, zarqa).
enum class MarkCorner : uint8_t { kNone, kRight, kLeft };
MarkCorner CornerOfMark(char16_t mark);
