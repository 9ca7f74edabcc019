#include "settings/settings.h"

#include <gtest/gtest.h>

#include <string>

// Every unit up to a zero unit or the count counts as unit - 48, digit or not,
// and long numbers wrap modulo 2^32 (the native suite runs under the
// undefined-behaviour sanitizer, which would stop on a signed overflow).
TEST(Settings, ParseDecimalUnits) {
    const char16_t embedded[] = {u'1', u'2', 0, u'9', u'9'};
    const struct { std::u16string text; size_t count; int32_t expected; } cases[] = {
        {u"25", 2, 25},
        {u"007", 3, 7},
        {u"", 0, 0},
        {u"3507748928", 10, -787218368},  // 0xD1140040 written out in decimal
        {std::u16string(embedded, 5), 5, 12},
        {u"12345", 3, 123},
        {u"2x", 2, 2 * 10 + (120 - 48)},
        {u"-5", 2, (45 - 48) * 10 + 5},
        {u"\u05D0", 1, 0x5D0 - 48},
        {u"2147483648", 10, INT32_MIN},
        {u"4294967296", 10, 0},
        {u"4294967321", 10, 25},
        {u"99999999999", 11, 1215752191},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
        EXPECT_EQ(ParseDecimalUnits(c.text.data(), c.count), c.expected);
    }
    EXPECT_EQ(ParseDecimalUnits(nullptr, 0), 0);
}
