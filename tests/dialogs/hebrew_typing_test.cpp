#include "dialogs/hebrew_typing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "dialogs/search_match.h"
#include "store/article_text.h"

namespace {

std::string Store(const std::u16string& units, int base) {
    return StoreSearchText(units.data(), units.size(), base, 33);
}

}  // namespace

TEST(HebrewTyping, KeyTableFollowsTheIsraeliLayout) {
    const struct { char16_t key; int base; char16_t typed; } cases[] = {
        {u't', 0x5D0, 0x5D0}, {u'T', 0x5D0, 0x5D0}, {u',', 0x5D0, 0x5EA}, {u'a', 0x5D0, 0x5E9},
        {u'l', 0x5D0, 0x5DA}, {u'f', 0x5D0, 0x5DB}, {u'i', 0x5D0, 0x5DF}, {u';', 0x5D0, 0x5E3},
        {u'.', 0x5D0, 0x5E5}, {u'm', 0x5D0, 0x5E6}, {u'x', 0x5D0, 0x5E1}, {u'g', 0x5D0, 0x5E2},
        {u't', 224, 224},     {u',', 224, 250},     {u'q', 224, u'/'},    {u'w', 224, u'\''},
        {u'/', 224, u'.'},    {u'\'', 224, u','},   {u'?', 224, u'?'},    {u'*', 224, u'*'},
        {0x5D0, 0x5D0, 0x5D0}, {u' ', 0x5D0, u' '}, {u'5', 0x5D0, 0},     {0x08, 0x5D0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << int(c.key) << " base " << c.base);
        EXPECT_EQ(HebrewForKey(c.key, c.base), c.typed);
    }
    // Every letter key types a letter, and together they type all 27.
    std::u16string letters;
    for (char16_t k : std::u16string(u"abcdefghijklmnoprstuvxyz;.,")) letters += HebrewForKey(k, 0x5D0);
    std::sort(letters.begin(), letters.end());
    for (int i = 0; i < 27; ++i) EXPECT_EQ(letters[i], 0x5D0 + i);
}

TEST(HebrewTyping, PictureCellsAndTheirLetters) {
    const struct { int px, py, cell; char16_t letter; } cases[] = {
        {152, 1, 1, 0x5D0},   // top right: alef
        {0, 0, 9, 0x5D8},     // top left: tet
        {136, 26, 10, 0x5D9}, // yod
        {119, 30, 11, 0x5DB}, // kaf, then final kaf
        {102, 30, 12, 0x5DA},
        {0, 74, 27, 0x5EA},   // tav
        {34, 80, 0, u' '},    // the space bar, columns 2..6
        {118, 94, 0, u' '},
        {33, 80, kNoCell, 0}, // left and right of it
        {119, 80, kNoCell, 0},
        {154, 10, kNoCell, 0},
        {10, 95, kNoCell, 0},
        {-1, 10, kNoCell, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.px << "," << c.py);
        EXPECT_EQ(PictureCellAt(c.px, c.py), c.cell);
        if (c.cell != kNoCell) {
            EXPECT_EQ(PictureCellChar(c.cell, 0x5D0), c.letter);
        }
    }
    EXPECT_EQ(PictureCellChar(1, 224), 224);
    EXPECT_EQ(PictureCellChar(28, 224), 0);
}

TEST(HebrewTyping, StoreSearchTextKeepsWhatTheSearchCanFind) {
    const struct { const char* label; std::u16string units; int base; std::string stored; } cases[] = {
        {"letters at the Unicode base", u"\u05D0\u05EA", 0x5D0, "a{"},
        {"letters at the 8-bit base", u"\u00E0\u00FA", 224, "a{"},
        {"a run of spaces is one", u"\u05D0   \u05D1 ", 0x5D0, "a b "},
        {"wildcards, digits and Latin as themselves", u"?*1t", 0x5D0, "?*1t"},
        {"Unicode letters at the 8-bit base match nothing", u"\u05D0", 224, "\x7F"},
        {"8-bit letters at the Unicode base as their bytes", u"\u00E0", 0x5D0, "\xE0"},
        {"presentation forms as their codes", u"\uFB31\uFB2A\uFB48", 0x5D0, "EA\x14"},
        {"pasted points dropped", u"\u05D1\u05B8\u05BC\u05D0", 0x5D0, "ba"},
        {"no unit becomes a zero, a wildcard or a letter", u"\u0100\u013F\uFB2A\u012A", 224, "\x7F\x7F" "A\x7F"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(Store(c.units, c.base), c.stored);
    }
    EXPECT_EQ(Store(std::u16string(40, u'\u05D0'), 0x5D0), std::string(33, 'a'));
}

// The dialog shows a stored search through the glyph table; storing what it
// shows gives codes of the same search classes.
TEST(HebrewTyping, ShownSearchStoresBackToTheSameClasses) {
    const std::string stored = "a\x45\x14 \x10?*\x59" "b";
    for (int base : {0x5D0, 224}) {
        SCOPED_TRACE(base);
        std::vector<char16_t> shown;
        const int adjustment = ToDisplayChars(reinterpret_cast<const uint8_t*>(stored.data()),
                                              static_cast<int>(stored.size()), shown, DisplayMode{base, false});
        const std::string back = StoreSearchText(shown.data(), stored.size() + adjustment, base, 33);
        ASSERT_EQ(back.size(), stored.size());
        for (size_t i = 0; i < stored.size(); ++i)
            EXPECT_EQ(SearchClass(static_cast<uint8_t>(back[i])), SearchClass(static_cast<uint8_t>(stored[i]))) << i;
    }
}

// The edit shows a stored search in reading order where the platform lays
// Hebrew out right to left (a Unicode font), in the stored visual order
// otherwise; storing what it shows gives the same bytes back.
TEST(HebrewTyping, TheEditShowsTheSearchInItsFontsOrder) {
    const std::string stored = "pye a(?*";
    const struct {
        int base;
        std::u16string shown;
    } cases[] = {
        {0x5D0, u"*?)\u05D0 \u05D4\u05E8\u05DF"},
        {224, u"\u00EF\u00F8\u00E4 \u00E0(?*"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.base);
        const DisplayFont font{c.base, false};
        const std::u16string shown = SearchTextForEdit(stored.data(), stored.size(), font);
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(SearchTextFromEdit(shown.data(), shown.size(), font, 33), stored);
    }
}

// A stored base anywhere in 32 bits types letters that are 16-bit units above 0.
TEST(HebrewTyping, AnyStoredBaseTypesUsableLetters) {
    for (const int stored : {0, -5, 0xFFF0, 0x7FFFFFFF}) {
        SCOPED_TRACE(stored);
        const int base = TypingAsciiBase(stored);
        for (const char16_t key : {u't', u'z', u','}) EXPECT_GT(HebrewForKey(key, base), 0);
        for (int cell = 1; cell <= 27; ++cell) EXPECT_GE(PictureCellChar(cell, base), base);
        EXPECT_LE(base + 26, 0xFFFF);
    }
}
