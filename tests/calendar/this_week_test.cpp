#include "calendar/this_week.h"

#include "calendar/sedra.h"

#include <gtest/gtest.h>

#include <climits>
#include <iterator>

namespace {

int32_t Day(int32_t year, int32_t month, int32_t day) { return GregorianToAbsolute(month, day, year); }

}  // namespace

TEST(ThisWeek, ArticleOfTheComingSaturday) {
    const struct { int32_t year, month, day; uint16_t diaspora, israel; } cases[] = {
        // The Sunday before Yom Kippur on Saturday and Yom Kippur itself show
        // V'Zot HaBerachah; on 30 July 2022 Matot-Masei, in Israel Masei.
        {2007, 9, 16, 54, 54}, {2007, 9, 22, 54, 54}, {2007, 10, 6, 1, 1}, {2022, 7, 30, 42, 43},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
        EXPECT_EQ(c.diaspora, ThisWeekArticle(Day(c.year, c.month, c.day), false, "velmora"));
        EXPECT_EQ(c.israel, ThisWeekArticle(Day(c.year, c.month, c.day), true, "velmora"));
    }
}

TEST(ThisWeek, PortionsMapToArticles) {
    const struct { int32_t portion; uint16_t article; } cases[] = {
        {0, 1},    {52, 53},  {53, 54}, {-21, 22}, {-26, 27}, {-28, 29}, {-31, 32}, {-38, 39},
        {-41, 42}, {-50, 51}, {-1, 0},  {-2, 0},   {-22, 0},  {-51, 0},  {-54, 0},  {INT_MIN, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(c.article, ArticleForPortion(c.portion)) << c.portion;
}

// Every day of a decade gives a weekly-portion article that holds from Sunday
// to Saturday.
TEST(ThisWeek, EveryDayOfADecadeGivesTheArticleOfItsWeek) {
    for (const bool israel : {false, true}) {
        SCOPED_TRACE(israel);
        uint16_t weekArticle = 0;
        for (int32_t day = Day(2020, 1, 5); day <= Day(2030, 12, 31); ++day) {
            const uint16_t article = ThisWeekArticle(day, israel, "velmora");
            if (day % 7 == 0) weekArticle = article;
            ASSERT_TRUE(article >= 1 && article <= 54 && article == weekArticle) << day;
        }
    }
}

// The time zone's name decides first; only when it does not is the "Israel"
// value read, and any non-zero value means Israel.
TEST(ThisWeekLocation, TheTimeZoneNameDecidesBeforeTheIsraelValue) {
    const struct { const char16_t* name; bool israel; } cases[] = {
        {u"Israel Standard Time", true}, {u"israel standard time", true}, {u"IsraelX", true},
        {u"jerusalem", true},            {u"Isr", false},                  {u"Jerusale", false},
        {u"", false},                    {nullptr, false},                 {u" Israel", false},
        {u"GMT Standard Time", false},   {u"\u0130srael", false},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        EXPECT_EQ(c.israel, IsIsraelTimeZoneName(c.name)) << "case " << i;
        for (const int32_t value : {0, 1, -1}) {
            int reads = 0;
            EXPECT_EQ(c.israel || value != 0, UsesIsraelSchedule(c.name, [&] { ++reads; return value; })) << i;
            EXPECT_EQ(c.israel ? 0 : 1, reads) << "case " << i;
        }
    }
}

TEST(ThisWeekCurrentArticle, ChoosingAndComputing) {
    // Settings before, the call, the answer of thisWeek, the settings after and the calls made.
    const struct {
        const char* what; bool pinned; uint16_t lesson, lastPosition, article; bool force; uint16_t thisWeek;
        uint16_t expectedLesson, expectedPosition; bool expectedPinned; int expectedCalls;
    } cases[] = {
        {"start-up, pinned", true, 30, 120, 0, false, 12, 30, 120, true, 0},
        {"start-up, week moved on", false, 30, 120, 0, false, 31, 31, 0, false, 1},
        {"start-up, same week", false, 30, 120, 0, false, 30, 30, 120, false, 1},
        {"This Week, pinned, same article", true, 30, 120, 0, true, 30, 30, 120, false, 1},
        {"This Week, pinned, other article", true, 30, 120, 0, true, 12, 12, 0, false, 1},
        {"choose the current article", false, 30, 120, 30, true, 12, 30, 120, true, 0},
        {"choose another article", false, 30, 120, 55, true, 12, 55, 0, true, 0},
        {"choose while pinned", true, 30, 120, 2, false, 12, 2, 0, true, 0},
        {"unmapped double reading", false, 30, 120, 0, false, 0, 1, 0, false, 1},
        {"first run", false, 0, 0, 0, false, 17, 17, 0, false, 1},
        {"out of range from the registry", false, 70, 9, 0, false, 12, 12, 0, false, 1},
        {"out of range result", false, 30, 9, 0, false, 58, 1, 0, false, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Settings settings{};
        settings.Flags = kDefaultFlags | (c.pinned ? kFlagPinnedArticle : 0u);
        settings.Lesson = c.lesson;
        settings.LastPosition = c.lastPosition;
        int calls = 0;
        SetCurrentArticle(settings, c.article, c.force, [&] { ++calls; return c.thisWeek; });
        EXPECT_EQ(c.expectedLesson, settings.Lesson);
        EXPECT_EQ(c.expectedPosition, settings.LastPosition);
        EXPECT_EQ(kDefaultFlags | (c.expectedPinned ? kFlagPinnedArticle : 0u), settings.Flags);
        EXPECT_EQ(c.expectedCalls, calls);
    }
}

TEST(ThisWeek, ProgramPathIsTheCommandLinesFirstArgument) {
    const struct { const char16_t* commandLine; const char16_t* path; } cases[] = {
        {u"\"C:\\Program Files\\Velmora\\Velmora.exe\" -x", u"C:\\Program Files\\Velmora\\Velmora.exe"},
        {u"C:\\Velmora\\Velmora.exe -x \"y\"", u"C:\\Velmora\\Velmora.exe"},
        {u"Velmora.exe\tsecond", u"Velmora.exe"},
        {u"\"C:\\open quote\\Velmora.exe", u"C:\\open quote\\Velmora.exe"},
        {u"\"\" rest", u""},
        {u"Velmora", u"Velmora"},
        {u"", u""},
    };
    for (const auto& c : cases) EXPECT_EQ(std::u16string(c.path), ProgramPathArgument(c.commandLine));
}
