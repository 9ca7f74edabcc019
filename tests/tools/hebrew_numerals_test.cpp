#include "tools/library/hebrew_numerals.h"

#include <gtest/gtest.h>

#include "tests/tools/library_reference.h"
#include "tools/library/utf8.h"

TEST(HebrewNumerals, KnownNumbers) {
    const struct {
        int n;
        const char* letters;
    } cases[] = {
        {1, "א"},    {9, "ט"},    {10, "י"},    {11, "יא"},   {14, "יד"},   {15, "טו"}, {16, "טז"},
        {17, "יז"},  {20, "כ"},   {49, "מט"},   {50, "נ"},    {89, "פט"},   {99, "צט"}, {100, "ק"},
        {115, "קטו"}, {116, "קטז"}, {119, "קיט"}, {176, "קעו"}, {500, "תק"}, {915, "תתקטו"},
        {0, ""},     {-1, ""},    {1000, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.n);
        EXPECT_EQ(EncodeUtf8(HebrewNumeral(c.n)), c.letters);
    }
}

// Letters largest first, and never yod-he or yod-vav, which would spell a divine name.
TEST(HebrewNumerals, EveryVerseNumberSumsToItsValueLargestFirst) {
    for (int n = 1; n <= 176; ++n) {
        SCOPED_TRACE(n);
        const std::u32string letters = HebrewNumeral(n);
        EXPECT_EQ(NumeralValue(letters), n);
        for (size_t i = 1; i < letters.size(); ++i) {
            EXPECT_GE(NumeralValue(letters.substr(i - 1, 1)), NumeralValue(letters.substr(i, 1)));
        }
        EXPECT_EQ(letters.find(U"יה"), std::u32string::npos);
        EXPECT_EQ(letters.find(U"יו"), std::u32string::npos);
    }
}
