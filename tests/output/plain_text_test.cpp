// The plain text beside the Rich Text: the lines a reader of the Rich Text
// sees. Its appending is checked on the clipboard, end to end.
#include "output/plain_text.h"

#include <gtest/gtest.h>

#include <string>

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
