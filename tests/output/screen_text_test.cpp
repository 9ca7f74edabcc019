// The Reading view's screen as a screen reader gets it: the verses the rows
// on the screen touch, their name, and their text, which is Copy's text of
// them without the reference.
#include "output/screen_text.h"

#include <gtest/gtest.h>

#include <vector>

#include "output/export_text.h"
#include "output/plain_text.h"

namespace {

// A heading; a record stored "(b) :yx (a)" (verse a from 16 down to 10,
// verse b from 8 down to 6) in two rows; a chapter mark; verse c from 29
// down to 24 in one row. Every row is 20 pixels high.
ViewState SmallView(int topRow, int height) {
    ViewState view;
    view.text = {0xDC, 0, 'h', 0,
                 0x31, 0, '(', 'b', ')', ' ', ':', 'y', 'x', ' ', '(', 'a', ')', 0,
                 0x52, 0, 'm', 0,
                 0xB1, 0, ':', 'z', ' ', '(', 'c', ')', 0, 0, 0, 0};
    const uint16_t rows[][2] = {{2, 1}, {11, 6}, {6, 5}, {20, 1}, {24, 6}};  // offset, count
    for (const auto& row : rows) view.rows.push_back(ViewRow{row[0], row[1], 0, 0, 0, 20, 0x31});
    view.rowCount = view.totalRows = static_cast<uint16_t>(view.rows.size());
    view.rows.push_back(ViewRow{});
    view.topRow = static_cast<uint16_t>(topRow);
    view.width = 100;
    view.height = height;
    return view;
}

const std::vector<VerseEntry> kVerses = {{1, 41, 1, 16, 10}, {1, 41, 2, 8, 6}, {1, 42, 1, 29, 24}};

}  // namespace

TEST(ScreenText, NamesTheVersesOnTheScreen) {
    const struct {
        const char* what;
        int topRow, height;
        const char16_t* english;
        const char16_t* hebrew;
    } cases[] = {
        {"every row", 0, 100, u"Miketz — Genesis 41:1–42:1", u"מקץ — בראשית מא א–מב א"},
        {"the heading and a row of one verse", 0, 40, u"Miketz — Genesis 41:1", u"מקץ — בראשית מא א"},
        {"from the middle, rows fitting whole", 1, 50, u"Miketz — Genesis 41:1–2", u"מקץ — בראשית מא א–ב"},
        {"the chapter mark and the last verse", 3, 40, u"Miketz — Genesis 42:1", u"מקץ — בראשית מב א"},
        {"the heading alone", 0, 20, u"Miketz", u"מקץ"},
        {"no row fits", 0, 10, u"Miketz", u"מקץ"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ViewState view = SmallView(c.topRow, c.height);
        const VerseSelection shown = VersesOnScreen(view, kVerses);
        EXPECT_EQ(ScreenName(u"Miketz", kVerses, shown, false), c.english);
        EXPECT_EQ(ScreenName(u"מקץ", kVerses, shown, true), c.hebrew);
    }
}

// The text is what Copy puts on the clipboard as plain text for the same
// verses, up to their reference; the view's 8-bit font and its Reverse
// option change nothing in it.
TEST(ScreenText, IsCopysTextOfTheVersesBeforeTheirReference) {
    ViewState view = SmallView(0, 100);
    const VerseSelection all{0, 2};
    const std::u16string reference = u"Genesis 41:1–42:1 / בראשית מא א–מב א";
    const std::vector<TextSpan> spans = VerseSpans(view.text, kVerses, 0, 2);
    const std::u16string copied = BuildPlainText(BuildVersesExportText(view.text, spans, DisplayFont{}, reference).c_str());
    const std::u16string text = ScreenText(view, kVerses, all);
    EXPECT_EQ(text + u"\r\n" + reference + u"\r\n", copied);
    EXPECT_EQ(text.substr(0, 3), u"(\u05D0)");
    view.fontSettings.FontAsciiBase = 224;
    view.reverseOption = true;
    EXPECT_EQ(ScreenText(view, kVerses, all), text);
    EXPECT_EQ(ScreenText(view, kVerses, VerseSelection{}), u"");
}
