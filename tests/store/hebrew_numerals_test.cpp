// Hebrew numerals: the spelling of chapter and verse numbers, read back. Typed
// numerals are read in the verse reference tests.
#include "store/hebrew_numerals.h"

#include <gtest/gtest.h>

namespace {

// Value of letters summed one by one, apart from the code under test.
int SumOfLetters(std::u16string_view letters) {
    static const std::u16string_view kLetters = u"אבגדהוזחטיכלמנסעפצקרשת";
    static const int kValues[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 200, 300, 400};
    int value = 0;
    for (char16_t letter : letters) value += kValues[kLetters.find(letter)];
    return value;
}

}  // namespace

TEST(HebrewNumerals, KnownNumbers) {
    const struct {
        int n;
        const char16_t* letters;
    } cases[] = {
        {1, u"א"},     {9, u"ט"},     {10, u"י"},     {11, u"יא"},   {14, u"יד"},  {15, u"טו"}, {16, u"טז"},
        {17, u"יז"},   {20, u"כ"},    {49, u"מט"},    {50, u"נ"},    {89, u"פט"},  {99, u"צט"}, {100, u"ק"},
        {115, u"קטו"}, {116, u"קטז"}, {119, u"קיט"}, {176, u"קעו"}, {500, u"תק"}, {915, u"תתקטו"},
        {0, u""},      {-1, u""},     {1000, u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.n);
        EXPECT_EQ(HebrewNumeral(c.n), c.letters);
    }
}

// Dates mark their numbers: gershayim before the last letter, a geresh after a single one.
TEST(HebrewNumerals, MarkedAsInDates) {
    const struct { int n; const char16_t* letters; } cases[] = {
        {1, u"א׳"}, {15, u"ט״ו"}, {30, u"ל׳"}, {400, u"ת׳"}, {787, u"תשפ״ז"}, {0, u""},
    };
    for (const auto& c : cases) EXPECT_EQ(HebrewNumeralWithMarks(c.n), c.letters) << c.n;
}

// Letters largest first, and never yod-he or yod-vav, which would spell a divine name.
TEST(HebrewNumerals, EveryVerseNumberSumsToItsValueLargestFirst) {
    for (int n = 1; n <= 176; ++n) {
        SCOPED_TRACE(n);
        const std::u16string letters = HebrewNumeral(n);
        EXPECT_EQ(SumOfLetters(letters), n);
        for (size_t i = 1; i < letters.size(); ++i)
            EXPECT_GE(SumOfLetters(letters.substr(i - 1, 1)), SumOfLetters(letters.substr(i, 1)));
        EXPECT_EQ(letters.find(u"יה"), std::u16string::npos);
        EXPECT_EQ(letters.find(u"יו"), std::u16string::npos);
        EXPECT_EQ(HebrewNumeralValue(letters), n);
    }
}
