// Hebrew letter numerals for chapter and verse numbers, both ways.
#include "store/hebrew_numerals.h"

namespace {

constexpr char16_t kUnits[] = {0, u'א', u'ב', u'ג', u'ד', u'ה', u'ו', u'ז', u'ח', u'ט'};
constexpr char16_t kTens[] = {0, u'י', u'כ', u'ל', u'מ', u'נ', u'ס', u'ע', u'פ', u'צ'};
constexpr char16_t kHundreds[] = {0, u'ק', u'ר', u'ש', u'ת'};

bool IsNumeralMark(char16_t c) { return c == u'\u05F3' || c == u'\u05F4' || c == u'\'' || c == u'"'; }

// Value of one letter; 0 when it is no numeral letter (the final forms are not).
int LetterValue(char16_t letter) {
    for (int i = 1; i <= 9; ++i) {
        if (letter == kUnits[i]) return i;
        if (letter == kTens[i]) return i * 10;
        if (i <= 4 && letter == kHundreds[i]) return i * 100;
    }
    return 0;
}

}  // namespace

std::u16string HebrewNumeral(int n) {
    if (n < 1 || n > 999) return {};
    std::u16string letters;
    int hundreds = n / 100;
    for (; hundreds > 4; hundreds -= 4) letters += u'ת';
    if (hundreds > 0) letters += kHundreds[hundreds];
    const int rest = n % 100;
    // 15 and 16 would spell a divine name as yod-he and yod-vav.
    if (rest == 15 || rest == 16) {
        letters += u'ט';
        letters += kUnits[rest - 9];
        return letters;
    }
    if (rest / 10 > 0) letters += kTens[rest / 10];
    if (rest % 10 > 0) letters += kUnits[rest % 10];
    return letters;
}

std::u16string HebrewNumeralWithMarks(int n) {
    std::u16string letters = HebrewNumeral(n);
    if (letters.size() == 1) letters += u'\u05F3';
    else if (letters.size() > 1) letters.insert(letters.size() - 1, 1, u'\u05F4');
    return letters;
}

// Only the one spelling that HebrewNumeral gives is taken, so that a typed
// word that happens to be made of numeral letters is not read as a number.
int HebrewNumeralValue(std::u16string_view letters) {
    std::u16string bare;
    int value = 0;
    for (char16_t c : letters) {
        if (IsNumeralMark(c)) continue;
        const int letterValue = LetterValue(c);
        value += letterValue;
        if (letterValue == 0 || value > 999) return 0;
        bare += c;
    }
    return !bare.empty() && HebrewNumeral(value) == bare ? value : 0;
}
