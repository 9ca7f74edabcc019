// The Rich Text body, the header and separator, and the joining of an
// appended article to the clipboard's previous text or document.
#include "output/rich_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "output/clipboard_append.h"

TEST(RichText, HeaderAndSeparatorAreTheFixedBytes) {
    EXPECT_EQ(kRtfHeader.size(), 180u);
    EXPECT_EQ(kRtfHeader.substr(0, 21), "{\\rtf1\\ansi\\deff0{\\fo");
    EXPECT_EQ(kRtfHeader.substr(169), "\\fs20\\uc0\r\n");
    EXPECT_EQ(kRtfSeparator.size(), 4u + 52u);
    EXPECT_EQ(kRtfSeparator.substr(0, 4), "\\uc0");
    EXPECT_EQ(kRtfSeparator.substr(4, 30), "\\qc\\cf2\\fs72\\b*  *  *  *  *\\b0");
}

TEST(RichText, BodyBytes) {
    const struct {
        const char* name;
        std::u16string text;
        std::string body;
    } cases[] = {
        {"after an escape two spaces become three", u"\u05D0  \u05D1", "\\u1488   \\u1489"},
        {"a space run gets one more only after an escape", u"- \u05D0 ", "- \\u1488  "},
        {"a line's first spaces stay as they are", u"a\r\n  b", "a\\par\\par\r\n  b"},
        {"line ends, one paragraph per run", u"a\r\n\r\nb\n\rc", "a\\par\\par\r\nb\\par\\par\r\nc"},
        {"escapes by size", u"\u0009\u00E0\u05D0\uFB1D", "\\u9\\u224\\u1488\\u64285"},
        {"decomposed forms", u"\uFB2C\uFB4B\uFB4A",
         "\\u1513\\u1468\\u1473\\u1493\\u1465\\u1514\\u1468"},
        {"forms outside the table", u"\uFB2E\uFB4C\uFB37", "\\u64302\\u64332\\u64311"},
        {"backslash and braces escaped", u"\\{}|", "\\\\\\{\\}|"},
        {"a digit after an escape is set apart", u"\u05D07-8\u05D0:9", "\\u1488 7-8\\u1488:9"},
        {"empty", u"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(BuildRtfBody(c.text.c_str()), c.body + "\\par\\par\r\n");
    }
}

// 27 entries: the four shins, the 22 letters with dagesh and vav with holam.
TEST(RichText, DecompositionTableHoldsTheCanonicalForms) {
    int entries = 0;
    for (char16_t form = 0xFB1D; form <= 0xFB4F; ++form) {
        const char16_t* units = DecomposedForm(form);
        if (units == nullptr) continue;
        ++entries;
        SCOPED_TRACE(static_cast<int>(form));
        EXPECT_GE(units[0], 0x05D0);
        EXPECT_LE(units[0], 0x05EA);
        if (form >= 0xFB30 && form <= 0xFB4A) {
            EXPECT_EQ(units[0], 0x05D0 + (form - 0xFB30));
            EXPECT_EQ(units[1], 0x05BC);
        }
    }
    EXPECT_EQ(entries, 27);
    for (char16_t form : {0xFB1D, 0xFB29, 0xFB2E, 0xFB2F, 0xFB37, 0xFB3D, 0xFB3F, 0xFB42, 0xFB45, 0xFB4C, 0x05D0}) {
        EXPECT_EQ(DecomposedForm(form), nullptr) << static_cast<int>(form);
    }
}

TEST(RichText, AppendJoinsTheOldDocument) {
    const std::string body = "\\u1488\\par\\par\r\n";
    const std::string fresh = std::string(kRtfHeader) + body + "}\r\n";
    const std::string continued = std::string(kRtfSeparator) + body + "}\r\n";
    const struct {
        const char* name;
        std::string old;
        std::string expected;
    } cases[] = {
        {"none", "", fresh},
        {"ours, ending in brace and CR LF", "{\\rtf1 old}\r\n", "{\\rtf1 old" + continued},
        {"trailing blanks and tabs", "{\\rtf1 old} \t\n\r \r\n", "{\\rtf1 old" + continued},
        {"no closing brace", "{\\rtf1 old\r\n", "{\\rtf1 old" + continued},
        {"only one brace dropped", "{\\rtf1 {old}}", "{\\rtf1 {old}" + continued},
        {"cut off inside an escape", "{\\rtf1 old\\", "{\\rtf1 old" + continued},
        {"an escaped brace is text", "{\\rtf1 old\\}\r\n", "{\\rtf1 old\\}" + continued},
        {"an escaped backslash, then the brace", "{\\rtf1 old\\\\}", "{\\rtf1 old\\\\" + continued},
        {"only white space", " \r\n\t", fresh},
        {"a lone brace", "}", fresh},
        {"not Rich Text", "plain text}", fresh},
        {"the signature alone", "{\\rtf", fresh},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(BuildRichTextDocument(c.old, {}, body), c.expected);
    }
}

// Where the clipboard holds no Rich Text, its plain text comes first in the
// new document, each line a paragraph, its braces and backslashes escaped,
// then the separator; Rich Text on the clipboard is continued instead.
TEST(RichText, AppendTurnsTheOldPlainTextIntoRichText) {
    const std::string body = "\\u1488\\par\\par\r\n";
    const std::string header(kRtfHeader), separator(kRtfSeparator);
    const struct {
        const char* name;
        std::string old;
        std::u16string oldText;
        std::string expected;
    } cases[] = {
        {"lines ended each way", "", u"ab\r\ncd\re\nf \r\n\r\n",
         header + "ab\\par\r\ncd\\par\r\ne\\par\r\nf\\par\r\n" + separator + body + "}\r\n"},
        {"Hebrew, braces", "not Rich Text", u"\u05D0{\\}",
         header + "\\u1488\\{\\\\\\}\\par\r\n" + separator + body + "}\r\n"},
        {"white space only", "", u" \r\n\t", header + body + "}\r\n"},
        {"Rich Text as well", "{\\rtf1 old}", u"old", "{\\rtf1 old" + separator + body + "}\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(BuildRichTextDocument(c.old, c.oldText, body), c.expected);
    }
}

TEST(RichText, AppendedUnicodeTextFollowsDirectly) {
    EXPECT_EQ(AppendUnicodeText(u"\u05D0\u05D1", u"\u05D2\r\n"), u"\u05D0\u05D1\u05D2\r\n");
    EXPECT_EQ(AppendUnicodeText(u"", u"\u05D2"), u"\u05D2");
}

// Another program's block is read only up to its size, with or without a
// terminator.
TEST(RichText, ClipboardBlocksAreMeasuredWithinTheirSize) {
    const struct {
        const char* name;
        std::vector<uint8_t> block;
        bool unicode;
        size_t expected;
    } cases[] = {
        {"Unicode text with its zero unit", {'a', 0, 'b', 0, 0, 0, 'c', 0}, true, 4},
        {"Unicode text without a zero unit", {'a', 0, 'b', 0}, true, 4},
        {"odd size, no zero unit", {'a', 0, 'b'}, true, 2},
        {"zero byte inside a unit", {0, 5, 0, 0}, true, 2},
        {"empty Unicode text", {0, 0}, true, 0},
        {"one byte", {'a'}, true, 0},
        {"Rich Text with its zero byte", {'{', '}', 0, 'x'}, false, 2},
        {"Rich Text without a zero byte", {'{', 'a', '}'}, false, 3},
        {"nothing", {}, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ClipboardDataLength(c.block.data(), c.block.size(), c.unicode), c.expected);
    }
}
