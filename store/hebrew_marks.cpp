// The letters behind the article codes and the classes of the Hebrew marks.
#include "store/hebrew_marks.h"

#include <initializer_list>

namespace {

constexpr char16_t kFinalKaf = 0x05DA;
constexpr char16_t kVav = 0x05D5;
constexpr char16_t kLamed = 0x05DC;
constexpr char16_t kResh = 0x05E8;
constexpr char16_t kShin = 0x05E9;
constexpr char16_t kSheva = 0x05B0;
constexpr char16_t kQamats = 0x05B8;
constexpr char16_t kHolam = 0x05B9;
constexpr char16_t kDagesh = 0x05BC;
constexpr char16_t kShinDot = 0x05C1;
constexpr char16_t kSinDot = 0x05C2;

// The base letters of the codes 0x45..0x57, each with dagesh (mapiq for he).
constexpr char16_t kDageshLetters[] = u"בגדהוזטיךכלמנספצקשת";

LetterForm Form(char16_t letter, char16_t first = 0, char16_t second = 0) {
    LetterForm form;
    form.letter = letter;
    for (char16_t mark : {first, second}) {
        if (mark != 0) form.marks[form.markCount++] = mark;
    }
    return form;
}

}  // namespace

TextLevel TextLevelFromStored(int32_t value) {
    if (value == 0) return TextLevel::kLettersOnly;
    if (value == 2) return TextLevel::kCantillation;
    return TextLevel::kVowels;
}

bool IsLetterCode(uint8_t code) {
    return (code >= 0x10 && code <= 0x14) || (code >= 0x41 && code <= 0x5A) || (code >= 0x61 && code <= 0x7B);
}

LetterForm LetterFormOfCode(uint8_t code) {
    switch (code) {
    case 0x10: return Form(kFinalKaf, kQamats);
    case 0x11: return Form(kFinalKaf, kDagesh, kQamats);
    case 0x12: return Form(kFinalKaf, kSheva);
    case 0x13: return Form(kFinalKaf, kDagesh, kSheva);
    case 0x14: return Form(kResh, kDagesh);
    case 0x41: return Form(kShin, kShinDot);
    case 0x42: return Form(kShin, kSinDot);
    case 0x43: return Form(kShin, kShinDot, kDagesh);
    case 0x44: return Form(kShin, kSinDot, kDagesh);
    case 0x58: return Form(kVav, kHolam);
    case 0x59: return Form(kLamed, kDagesh, kHolam);
    case 0x5A: return Form(kLamed, kHolam);
    }
    if (code >= 0x45 && code <= 0x57) return Form(kDageshLetters[code - 0x45], kDagesh);
    if (code >= 0x61 && code <= 0x7B) return Form(static_cast<char16_t>(0x05D0 + (code - 0x61)));
    return LetterForm{};
}

bool IsLayerMark(char16_t mark) {
    return (mark >= 0x0591 && mark <= 0x05AF) || mark == 0x05BD || mark == 0x05BF || mark == 0x05C4 ||
           mark == 0x05C5;
}

MarkSide SideOfMark(char16_t mark) {
    switch (mark) {
    case 0x0591: case 0x0596: case 0x059A: case 0x059B: case 0x05A2: case 0x05A3: case 0x05A4:
    case 0x05A5: case 0x05A6: case 0x05A7: case 0x05AA: case 0x05AD: case 0x05BD: case 0x05C5:
        return MarkSide::kBelow;
    case kDagesh:
        return MarkSide::kInside;
    case kHolam: case 0x05BA: case 0x05BF: case kShinDot: case kSinDot: case 0x05C4:
        return MarkSide::kAbove;
    }
    if (mark >= 0x0591 && mark <= 0x05AF) return MarkSide::kAbove;
    return MarkSide::kBelow;  // the vowel points
}

MarkCorner CornerOfMark(char16_t mark) {
    switch (mark) {
    case 0x059A: case 0x05A0: case 0x05AD: return MarkCorner::kRight;
    case 0x0592: case 0x0599: case 0x05A9: case 0x05AE: return MarkCorner::kLeft;
    }
    return MarkCorner::kNone;
}
