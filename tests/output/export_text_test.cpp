// The export text: one line per record, its size formula and its bounds, and
// which way the characters run for each kind of font and Reverse option.
#include "output/export_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/settings.h"

namespace {

struct TestRecord {
    uint8_t attr;
    uint8_t layout;
    std::vector<uint8_t> text;
};

// Records, the end marker and the decoder's spare byte.
ArticleText MakeText(const std::vector<TestRecord>& records) {
    ArticleText text;
    for (const TestRecord& r : records) {
        text.push_back(r.attr);
        text.push_back(r.layout);
        text.insert(text.end(), r.text.begin(), r.text.end());
        text.push_back(0);
    }
    text.push_back(0);
    text.push_back(0);
    return text;
}

// Exports into a buffer of the formula's size; the result must fit.
std::u16string Export(const ArticleText& text, DisplayFont font) {
    std::vector<char16_t> buffer(ExportTextSize(text) + 1, u'?');
    EXPECT_EQ(BuildExportText(text, buffer.data(), buffer.size() * 2, font), 0);
    return std::u16string(buffer.data());
}

constexpr DisplayFont kUnicode{kUnicodeAsciiBase, false};
constexpr uint8_t kAlef = 0x61, kBet = 0x62;

}  // namespace

// Left-to-right records, which every font exports in their stored order.
TEST(ExportText, EachRecordBecomesOneLine) {
    const struct {
        const char* name;
        std::vector<TestRecord> records;
        std::u16string expected;
    } cases[] = {
        {"edge offset and gap", {{0xA1, 0x05, {kAlef, kBet}}}, u"\u05D0\u05D1     \r\n\r\n"},
        {"hanging level ignored", {{0x21, 0xC2, {kAlef}}}, u"\u05D0  \r\n"},
        {"rule of 0xA5", {{0x07, 0xA5, {kAlef}}}, u"----------\r\n"},
        {"rule of 0x00", {{0x07, 0x00, {}}}, u"\r\n"},
        {"rule of 3 with a gap", {{0x87, 0x03, {}}}, u"---\r\n\r\n"},
        {"two-character code", {{0x21, 0x00, {0x59, 0x7C}}}, u"\u05B9\uFB3C|\r\n"},
        {"empty record", {{0x21, 0x00, {}}, {0x21, 0x00, {kBet}}}, u"\r\n\u05D1\r\n"},
        {"no records", {}, u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Export(MakeText(c.records), kUnicode), c.expected);
    }
}

TEST(ExportText, SizeFollowsTheFormula) {
    // T = 5 + 4 + 3 = 12 bytes, R = 3 + 1 gap, D = 10 hyphens, E = 5.
    const ArticleText text = MakeText({{0xB1, 0x05, {kAlef, kBet}}, {0x07, 0xA5, {kAlef}}, {0x31, 0, {}}});
    EXPECT_EQ(ExportTextSize(text), 12u + 6u + 2u * 4u + 10u + 5u);
    EXPECT_EQ(ExportTextSize(ArticleText{}), 0u);
    // A text without its end marker is measured to its end and never beyond.
    EXPECT_EQ(ExportTextSize(ArticleText{0x31, 0x00, kAlef}), 3u + 1u + 2u);
}

// The writer stops at the buffer's end, terminates what it wrote and reports
// that the text did not fit; it never writes past the buffer.
TEST(ExportText, ATextThatDoesNotFitIsRefused) {
    const ArticleText text = MakeText({{0x31, 0x00, std::vector<uint8_t>(40, 0x10)}});
    for (size_t bytes : {0u, 1u, 2u, 3u, 17u, 80u, 163u}) {
        SCOPED_TRACE(bytes);
        std::vector<char16_t> buffer(bytes / 2 + 1, u'?');
        const char16_t guard = buffer.back();
        EXPECT_EQ(BuildExportText(text, buffer.data(), bytes, kUnicode), 1);
        if (bytes >= 2) {
            EXPECT_EQ(std::u16string(buffer.data()).size(), bytes / 2 - 1);
        }
        if (bytes % 2 == 0) {
            EXPECT_EQ(buffer.back(), guard);
        }
    }
    std::vector<char16_t> exact(80 + 2 + 1);
    EXPECT_EQ(BuildExportText(text, exact.data(), exact.size() * 2, kUnicode), 0);
}

// Stored right-to-left text is in visual order. A Unicode font exports it in
// reading order whatever the Reverse option says; an 8-bit font exports it as
// the view converts it.
TEST(ExportText, ReversalDependsOnTheFontKindAndTheReverseOption) {
    const ArticleText text = MakeText({{0xB1, 0x00, {'(', kAlef, kBet, ')'}}});
    const struct {
        int fontAsciiBase;
        uint32_t flags;
        std::u16string expected;
    } cases[] = {
        {kUnicodeAsciiBase, kDefaultFlags, u"(\u05D1\u05D0)\r\n\r\n"},
        {kUnicodeAsciiBase, kDefaultFlags | kFlagReverse, u"(\u05D1\u05D0)\r\n\r\n"},
        {kEightBitAsciiBase, kDefaultFlags, u"(\u00E0\u00E1)\r\n\r\n"},
        {kEightBitAsciiBase, kDefaultFlags | kFlagReverse, u"(\u00E1\u00E0)\r\n\r\n"},
        {kNoReverseAsciiBase, kDefaultFlags | kFlagReverse, u"(\u00E0\u00E1)\r\n\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fontAsciiBase);
        SCOPED_TRACE(c.flags);
        EXPECT_EQ(Export(text, DisplayFont{c.fontAsciiBase, IsReverseOn(c.flags)}), c.expected);
        EXPECT_EQ(ExportsRichText(c.fontAsciiBase), c.fontAsciiBase == kUnicodeAsciiBase);
    }
}

// Selected verses: each record's part in the order the font exports its
// record, a blank line where the record has a gap and after the last part,
// then the reference. A record "(a) ab" stored in visual order "ba (a)"
// without a gap at 2, and "bb" with a gap at 11.
TEST(ExportText, SelectedVersesAreFollowedByTheirReference) {
    const ArticleText text = MakeText({{0x31, 0x00, {kBet, kAlef, ' ', '(', kAlef, ')'}}, {0xB1, 0x00, {kBet, kBet}}});
    constexpr DisplayFont kEightBit{kEightBitAsciiBase, false};
    const struct {
        const char* name;
        std::vector<TextSpan> spans;
        DisplayFont font;
        std::u16string expected;
    } cases[] = {
        {"a verse in reading order", {{5, 8}}, kUnicode, u"(\u05D0)\r\n\r\nRef\r\n"},
        {"two records, the gap kept", {{2, 8}, {11, 13}}, kUnicode,
         u"(\u05D0) \u05D0\u05D1\r\n\u05D1\u05D1\r\n\r\nRef\r\n"},
        {"an 8-bit font as the view shows it", {{2, 4}}, kEightBit, u"\u00E1\u00E0\r\n\r\nRef\r\n"},
        {"a span across two records", {{5, 12}}, kUnicode, u""},
        {"an empty span", {{5, 5}}, kUnicode, u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(BuildVersesExportText(text, c.spans, c.font, u"Ref"), c.expected);
    }
}
