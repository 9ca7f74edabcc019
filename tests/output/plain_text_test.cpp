// The plain text beside the Rich Text: the lines a reader of the Rich Text
// sees, and the joining of an appended article to the clipboard's text.
#include "output/plain_text.h"

#include <gtest/gtest.h>

#include <string>

#include "output/clipboard_append.h"

TEST(PlainText, ShowsTheLinesOfTheRichText) {
    const struct {
        const char* name;
        std::u16string exported;
        std::u16string plain;
    } cases[] = {
        {"a blank line between lines, as \\par\\par makes", u"a\r\nb\r\n", u"a\r\n\r\nb\r\n"},
        {"a run of line ends makes one blank line", u"a\r\n\r\n\r\nb\n\rc\r\n", u"a\r\n\r\nb\r\n\r\nc\r\n"},
        {"spaces inside a line stay, at its end they go", u" a  b   \r\nc \r\n", u" a  b\r\n\r\nc\r\n"},
        {"presentation forms decomposed", u"\uFB2C\uFB4B\uFB30\uFB1D\r\n",
         u"\u05E9\u05BC\u05C1\u05D5\u05B9\u05D0\u05BC\uFB1D\r\n"},
        {"points stay in their order", u"\u05D1\u05B0\u05BC\u05E8\r\n", u"\u05D1\u05B0\u05BC\u05E8\r\n"},
        {"a last line without its line end gets one", u"a\r\nb", u"a\r\n\r\nb\r\n"},
        {"empty", u"", u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(BuildPlainText(c.exported.c_str()), c.plain);
    }
}

TEST(PlainText, AnAppendedArticleFollowsALineOfAsterisks) {
    const std::u16string stars = u"\r\n\r\n*  *  *  *  *\r\n\r\n";
    const struct {
        const char* name;
        std::u16string old;
        std::u16string joined;
    } cases[] = {
        {"no old text", u"", u"new\r\n"},
        {"old text of white space only", u" \r\n\t\r\n", u"new\r\n"},
        {"old text's trailing line ends and spaces go", u"old\r\n\r\n \t", u"old" + stars + u"new\r\n"},
        {"old text without a line end", u"\u05D0\u05D1", u"\u05D0\u05D1" + stars + u"new\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(AppendPlainText(c.old, u"new\r\n"), c.joined);
    }
}
