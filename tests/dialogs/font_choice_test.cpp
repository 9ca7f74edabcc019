// The font chooser's decisions: the size list, the reading of a size text,
// the preview letters, the radio choice after a list change and OK's rules.
#include "dialogs/font_choice.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace {

std::vector<int32_t> Sizes(const SizeList& list) { return {list.sizes, list.sizes + list.count}; }

const std::vector<int32_t> kListed = {10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 32, 52, 72};

std::vector<int32_t> ListedWith(int32_t size, size_t at) {
    std::vector<int32_t> sizes = kListed;
    sizes.insert(sizes.begin() + static_cast<std::ptrdiff_t>(at), size);
    return sizes;
}

FontSettings Stored(const char16_t* face, int32_t size, int32_t base) {
    FontSettings settings{};
    CopyFaceName(settings.FontName, face, kFontNameMax + 1);
    settings.FontSize = size;
    settings.FontAsciiBase = base;
    return settings;
}

FontChoice Choice(const char16_t* face, int32_t height) {
    FontChoice choice{};
    CopyFaceName(choice.face, face, kFontNameMax + 1);
    choice.height = height;
    return choice;
}

}  // namespace

// A stored size from 1 to 71 that is not listed goes in its place and is
// selected; a listed one is only selected; others are neither added nor
// selected (a negative size used to be listed as "-5" and read back wrongly).
TEST(FontChoice, SizeListAddsAndSelectsTheStoredSize) {
    const int32_t kMin = std::numeric_limits<int32_t>::min();
    const int32_t kMax = std::numeric_limits<int32_t>::max();
    const struct {
        int32_t stored;
        std::vector<int32_t> sizes;
        int selected;
    } cases[] = {
        {15, ListedWith(15, 4), 4}, {12, kListed, 2},          {100, kListed, -1}, {0, kListed, -1},
        {72, kListed, 13},          {1, ListedWith(1, 0), 0},  {5, ListedWith(5, 0), 0},
        {71, ListedWith(71, 13), 13}, {53, ListedWith(53, 13), 13}, {-5, kListed, -1},
        {kMin, kListed, -1},        {kMax, kListed, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        const SizeList list = BuildSizeList(c.stored);
        EXPECT_EQ(Sizes(list), c.sizes);
        EXPECT_EQ(list.selected, c.selected);
    }
}

// Rows are read as their leading digits, saturating instead of overflowing.
// Zooming walks the chosen size's list, which holds an unlisted chosen size,
// and stops at its ends; a size beyond them steps onto the list only.
TEST(FontChoice, ZoomStepsThroughTheChosenSizesList) {
    const struct { int32_t chosen, current; int steps; int32_t zoomed; } cases[] = {
        {20, 52, 9, 72}, {20, 10, -1, 10}, {15, 16, -1, 15}, {15, 14, 1, 15},
        {20, 0, 1, 10}, {20, 0, -1, 0}, {20, 100, -1, 72}, {20, 100, 1, 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.chosen << ", " << c.current << " by " << c.steps);
        EXPECT_EQ(ZoomedFontSize(c.chosen, c.current, c.steps), c.zoomed);
    }
}

// A stored zoom goes no further than the chosen size's list reaches either way.
TEST(FontChoice, AZoomStopsAtTheListsEnds) {
    const struct { int32_t chosen; int zoom, clamped; } cases[] = {
        {20, 3, 3}, {20, 8, 7}, {20, -9, -6}, {15, -5, -4}, {100, 2, 0}, {100, -20, -14}, {0, -1, 0},
        {24, 2147483647, 5}, {24, -2147483647 - 1, -8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.chosen << " by " << c.zoom);
        EXPECT_EQ(ClampZoom(c.chosen, c.zoom), c.clamped);
    }
}

TEST(FontChoice, SizeTextIsReadAsDigitsOnly) {
    const struct {
        const char16_t* text;
        int32_t value;
    } cases[] = {
        {u"12", 12},        {u"", 0},           {u"-5", 0},        {u"15pt", 15},
        {u"2147483647", 2147483647}, {u"2147483648", 2147483647}, {u"99999999999999", 2147483647},
        {u"\uFF11", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::u16string(c.text)));
        EXPECT_EQ(ReadSizeText(c.text), c.value);
    }
}

// Tav first and alef last; a base near the limits stays within 16-bit
// letters with no zero among them.
TEST(FontChoice, PreviewLettersRunDownFromTheBase) {
    const struct {
        int32_t base;
        char16_t first, last;
    } cases[] = {
        {0x5D0, u'\u05EA', u'\u05D0'}, {224, u'\u00FA', u'\u00E0'}, {97, u'{', u'a'},
        {0, 27, 1}, {-1, 27, 1}, {std::numeric_limits<int32_t>::max(), 0xFFFF, 0xFFE5},
        {0xFFF0, 0xFFFF, 0xFFE5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.base);
        char16_t letters[kPreviewLetterCount + 1];
        BuildPreviewLetters(c.base, letters);
        EXPECT_EQ(letters[0], c.first);
        EXPECT_EQ(letters[26], c.last);
        EXPECT_EQ(letters[27], 0);
        EXPECT_EQ(std::u16string(letters).size(), 27u);
    }
}

// The preview's lines hold all 27 letters, alef first in reading order: as
// they stand where the platform lays the line out right to left, turned round
// where it does not. Every line takes at least one letter.
TEST(FontChoice, PreviewLinesHoldEveryLetterAlefFirst) {
    const auto tenWide = [](char16_t) { return 10; };
    const struct {
        int32_t base;
        bool reorders;
        int width;
        std::vector<std::u16string> want;
    } cases[] = {
        {0x5D0, true, 1000, {u"\u05D0\u05D1\u05D2\u05D3\u05D4\u05D5\u05D6\u05D7\u05D8\u05D9\u05DA\u05DB\u05DC\u05DD"
                             u"\u05DE\u05DF\u05E0\u05E1\u05E2\u05E3\u05E4\u05E5\u05E6\u05E7\u05E8\u05E9\u05EA"}},
        {97, false, 100, {u"jihgfedcba", u"tsrqponmlk", u"{zyxwvu"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        EXPECT_EQ(PreviewLines(c.base, c.reorders, c.width, tenWide), c.want);
    }
    EXPECT_EQ(PreviewLines(97, true, 5, tenWide).size(), 27u) << "a letter wider than the line still takes one";
}

// Only a newly selected Hebrew-charset face checks "5D0"; focus moves and
// size changes keep whatever is checked, 97's none included.
TEST(FontChoice, RadioSwitchesOnlyWhenAHebrewFaceIsSelected) {
    using B = BaseButton;
    const struct {
        B checked;
        bool faceChanged;
        int charset;
        B result;
    } cases[] = {
        {B::Base224, true, 177, B::Base5D0}, {B::None, true, 177, B::Base5D0},  {B::Base5D0, true, 177, B::Base5D0},
        {B::Base5D0, true, 0, B::Base5D0},   {B::Base224, true, 0, B::Base224}, {B::None, true, 1, B::None},
        {B::Base224, false, 177, B::Base224}, {B::None, false, 177, B::None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.checked) << " " << c.faceChanged << " " << c.charset);
        EXPECT_EQ(ButtonAfterListChange(c.checked, c.faceChanged, c.charset), c.result);
    }
}

// OK writes what was chosen and keeps what was not: no size (0), no face, no button.
TEST(FontChoice, CommitKeepsWhatWasNotChosen) {
    const struct {
        const char* name;
        FontChoice choice;
        BaseButton checked;
        FontSettings result;
    } cases[] = {
        {"all chosen", Choice(u"Frank Ruehl CLM", 28), BaseButton::Base224, Stored(u"Frank Ruehl CLM", 28, 224)},
        {"97 kept", Choice(u"Ezra SIL", 20), BaseButton::None, Stored(u"Ezra SIL", 20, 97)},
        {"5D0", Choice(u"Ezra SIL", 20), BaseButton::Base5D0, Stored(u"Ezra SIL", 20, 0x5D0)},
        {"no face", Choice(u"", 14), BaseButton::None, Stored(u"Ezra", 14, 97)},
        {"no size", Choice(u"Shofar", 0), BaseButton::None, Stored(u"Shofar", 100, 97)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FontSettings settings = Stored(u"Ezra", 100, 97);
        CommitFontChoice(settings, c.choice, c.checked);
        EXPECT_EQ(std::u16string(settings.FontName), std::u16string(c.result.FontName));
        EXPECT_EQ(settings.FontSize, c.result.FontSize);
        EXPECT_EQ(settings.FontAsciiBase, c.result.FontAsciiBase);
    }
}
