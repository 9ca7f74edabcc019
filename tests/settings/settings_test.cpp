#include "settings/settings.h"

#include <gtest/gtest.h>

#include <string>

TEST(Settings, ParseDecimalUnitsReadsDigits) {
    const struct {
        std::u16string text;
        int32_t expected;
    } cases[] = {
        {u"25", 25},
        {u"0", 0},
        {u"", 0},
        {u"007", 7},
        {u"1488", 1488},
        {u"3507748928", -787218368},  // 0xD1140040 written out in decimal
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
        EXPECT_EQ(ParseDecimalUnits(c.text.data(), c.text.size()), c.expected);
    }
}

TEST(Settings, ParseDecimalUnitsStopsAtZeroUnitOrCount) {
    const char16_t embedded[] = {u'1', u'2', 0, u'9', u'9'};
    EXPECT_EQ(ParseDecimalUnits(embedded, 5), 12);
    EXPECT_EQ(ParseDecimalUnits(u"12345", 3), 123);
    EXPECT_EQ(ParseDecimalUnits(u"12345", 0), 0);
    EXPECT_EQ(ParseDecimalUnits(nullptr, 0), 0);
}

// Every unit counts as unit - 48, digit or not.
TEST(Settings, ParseDecimalUnitsTakesNonDigitsAsTheirArithmetic) {
    const struct {
        std::u16string text;
        int32_t expected;
    } cases[] = {
        {u"2x", 2 * 10 + (120 - 48)},
        {u"A", 17},
        {u"-5", (45 - 48) * 10 + 5},
        {u" 7", (32 - 48) * 10 + 7},
        {u"\u05D0", 0x5D0 - 48},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.text[0]));
        EXPECT_EQ(ParseDecimalUnits(c.text.data(), c.text.size()), c.expected);
    }
}

// Long numbers wrap modulo 2^32 (the suite runs under the undefined-behaviour
// sanitizer natively, which would stop on a signed overflow).
TEST(Settings, ParseDecimalUnitsWrapsInsteadOfOverflowing) {
    const struct {
        std::u16string text;
        int32_t expected;
    } cases[] = {
        {u"2147483647", 2147483647},
        {u"2147483648", INT32_MIN},
        {u"4294967295", -1},
        {u"4294967296", 0},
        {u"4294967321", 25},
        {u"99999999999", 1215752191},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
        EXPECT_EQ(ParseDecimalUnits(c.text.data(), c.text.size()), c.expected);
    }
}
