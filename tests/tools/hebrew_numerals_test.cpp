#include "tools/library/hebrew_numerals.h"

#include <gtest/gtest.h>

#include <map>

#include "tools/library/utf8.h"

namespace {

int LetterValue(char32_t letter) {
    static const std::map<char32_t, int> kValues = {
        {U'א', 1},  {U'ב', 2},  {U'ג', 3},  {U'ד', 4},  {U'ה', 5},   {U'ו', 6},   {U'ז', 7},
        {U'ח', 8},  {U'ט', 9},  {U'י', 10}, {U'כ', 20}, {U'ל', 30},  {U'מ', 40},  {U'נ', 50},
        {U'ס', 60}, {U'ע', 70}, {U'פ', 80}, {U'צ', 90}, {U'ק', 100}, {U'ר', 200}, {U'ש', 300},
        {U'ת', 400},
    };
    auto found = kValues.find(letter);
    return found == kValues.end() ? -1 : found->second;
}

}  // namespace

TEST(HebrewNumerals, KnownNumbers) {
    const struct {
        int n;
        const char* letters;
    } cases[] = {
        {1, "א"},    {9, "ט"},    {10, "י"},    {11, "יא"},   {14, "יד"},  {15, "טו"},
        {16, "טז"},  {17, "יז"},  {20, "כ"},    {49, "מט"},   {50, "נ"},   {89, "פט"},
        {99, "צט"},  {100, "ק"},  {115, "קטו"}, {116, "קטז"}, {119, "קיט"}, {176, "קעו"},
        {500, "תק"}, {915, "תתקטו"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.n);
        EXPECT_EQ(EncodeUtf8(HebrewNumeral(c.n)), c.letters);
    }
}

TEST(HebrewNumerals, EveryVerseNumberSumsToItsValueLargestFirst) {
    for (int n = 1; n <= 176; ++n) {
        SCOPED_TRACE(n);
        const std::u32string letters = HebrewNumeral(n);
        ASSERT_FALSE(letters.empty());
        int sum = 0;
        int previous = 1000;
        for (char32_t letter : letters) {
            const int value = LetterValue(letter);
            ASSERT_GT(value, 0) << "not a numeral letter";
            EXPECT_LE(value, previous);
            previous = value;
            sum += value;
        }
        EXPECT_EQ(sum, n);
        // Never yod-he or yod-vav, which would spell a divine name.
        EXPECT_EQ(letters.find(U"יה"), std::u32string::npos);
        EXPECT_EQ(letters.find(U"יו"), std::u32string::npos);
    }
}

TEST(HebrewNumerals, OutOfRangeIsEmpty) {
    for (int n : {0, -1, 1000}) {
        SCOPED_TRACE(n);
        EXPECT_TRUE(HebrewNumeral(n).empty());
    }
}
