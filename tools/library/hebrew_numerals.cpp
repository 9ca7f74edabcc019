// Hebrew letter numerals for chapter and verse numbers.
#include "tools/library/hebrew_numerals.h"

namespace {

constexpr char32_t kUnits[] = {0, U'א', U'ב', U'ג', U'ד', U'ה', U'ו', U'ז', U'ח', U'ט'};
constexpr char32_t kTens[] = {0, U'י', U'כ', U'ל', U'מ', U'נ', U'ס', U'ע', U'פ', U'צ'};
constexpr char32_t kHundreds[] = {0, U'ק', U'ר', U'ש', U'ת'};

}  // namespace

std::u32string HebrewNumeral(int n) {
    if (n < 1 || n > 999) return {};
    std::u32string letters;
    int hundreds = n / 100;
    for (; hundreds > 4; hundreds -= 4) letters += U'ת';
    if (hundreds > 0) letters += kHundreds[hundreds];
    const int rest = n % 100;
    // 15 and 16 would spell a divine name as yod-he and yod-vav.
    if (rest == 15 || rest == 16) {
        letters += U'ט';
        letters += kUnits[rest - 9];
        return letters;
    }
    if (rest / 10 > 0) letters += kTens[rest / 10];
    if (rest % 10 > 0) letters += kUnits[rest % 10];
    return letters;
}
