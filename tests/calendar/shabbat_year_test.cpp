// The Calendar's facts: what each schedule reads on Shabbatot where Israel
// and the diaspora part and meet again, the year of rows, the bar and bat
// mitzvah Shabbat, the rows as text and the main window's title. The dates
// are checked against printed calendars and the schedule's own tables.
#include "calendar/bar_mitzvah.h"
#include "calendar/hebrew_date_text.h"
#include "calendar/portion_names.h"
#include "calendar/window_title.h"

#include <gtest/gtest.h>

namespace {

int32_t Day(int32_t year, int32_t month, int32_t day) { return GregorianToAbsolute(month, day, year); }

std::u16string English(const ShabbatReading& reading) { return ReadingName(reading, EnglishArticleNames()); }

// The index's names of the articles the cases below show.
ArticleNames HebrewNames() {
    ArticleNames names(58);
    names[10] = u"מקץ";
    names[29] = u"אחרי מות";
    names[30] = u"קדושים";
    names[41] = u"פינחס";
    names[42] = u"מטות";
    names[43] = u"מסעי";
    names[44] = u"דברים";
    names[55] = u"עשרת הדברות";
    return names;
}

}  // namespace

// 5782: the diaspora keeps Pesach's eighth day on a Shabbat and is a week
// behind until Matot-Masei; 5783: Shavuot's second day, until Chukat-Balak.
TEST(ShabbatYear, SchedulesPartAndMeetAgain) {
    const struct { int32_t year, month, day; const char16_t *israel, *diaspora; } cases[] = {
        {2022, 4, 16, u"Pesach", u"Pesach"},           {2022, 4, 23, u"Acharei Mot", u"Pesach"},
        {2022, 4, 30, u"Kedoshim", u"Acharei Mot"},     {2022, 7, 23, u"Matot", u"Pinchas"},
        {2022, 7, 30, u"Masei", u"Matot-Masei"},        {2022, 8, 6, u"Devarim", u"Devarim"},
        {2023, 5, 20, u"Bamidbar", u"Bamidbar"},        {2023, 5, 27, u"Nasso", u"Shavuot"},
        {2023, 6, 3, u"Behaalotecha", u"Nasso"},        {2023, 7, 1, u"Balak", u"Chukat-Balak"},
        {2023, 7, 8, u"Pinchas", u"Pinchas"},           {2007, 9, 22, u"Yom Kippur", u"Yom Kippur"},
        {2023, 9, 16, u"Rosh Hashanah", u"Rosh Hashanah"}, {2023, 9, 30, u"Sukkot", u"Sukkot"},
        {2023, 10, 7, u"Shemini Atzeret", u"Shemini Atzeret"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
        const ShabbatRow row = ShabbatRowFor(Day(c.year, c.month, c.day), "velmora");
        EXPECT_EQ(English(row.israel), c.israel);
        EXPECT_EQ(English(row.diaspora), c.diaspora);
        EXPECT_EQ(row.SchedulesDiffer(), std::u16string(c.israel) != c.diaspora);
    }
}

// Every Shabbat without a weekly portion is a festival the calendar names.
TEST(ShabbatYear, EveryShabbatWithoutAPortionHasAFestival) {
    for (int32_t saturday = Day(1900, 1, 6); saturday <= Day(2300, 12, 31); saturday += 7) {
        const ShabbatRow row = ShabbatRowFor(saturday, "velmora");
        for (const ShabbatReading& reading : {row.israel, row.diaspora}) {
            ASSERT_EQ(reading.portion == kNoPortion, reading.festival != Festival::kNone) << saturday;
        }
    }
}

// The first row is the Shabbat on or after the day; the rows end before the
// same date a year on and at the calendar's last day.
TEST(ShabbatYear, RowsRunForAYear) {
    const struct { int32_t from, first, last; size_t count; } cases[] = {
        {Day(2022, 4, 14), Day(2022, 4, 16), Day(2023, 4, 8), 52},
        {Day(2022, 4, 16), Day(2022, 4, 16), Day(2023, 4, 15), 53},
        {Day(2024, 2, 29), Day(2024, 3, 2), Day(2025, 2, 22), 52},
        {Day(9999, 12, 1), Day(9999, 12, 4), Day(9999, 12, 25), 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.from);
        const std::vector<ShabbatRow> rows = ShabbatYear(c.from, "velmora");
        ASSERT_EQ(rows.size(), c.count);
        EXPECT_EQ(rows.front().day, c.first);
        EXPECT_EQ(rows.back().day, c.last);
    }
    EXPECT_TRUE(ShabbatYear(FirstCalendarDay() - 1, "velmora").empty());
    EXPECT_TRUE(ShabbatYear(LastCalendarDay() + 1, "velmora").empty());
}

TEST(ShabbatYear, RowsAsTabSeparatedText) {
    std::vector<ShabbatRow> rows;
    for (const int32_t day : {Day(2022, 4, 23), Day(2022, 7, 23), Day(2022, 7, 30), Day(2022, 8, 6)})
        rows.push_back(ShabbatRowFor(day, "velmora"));
    EXPECT_EQ(ShabbatRowsText(rows, HebrewNames()),
              u"Date\tHebrew date\tIsrael\tDiaspora\r\n"
              u"2022-04-23\tכ״ב ניסן תשפ״ב\tאחרי מות\tPesach\r\n"
              u"2022-07-23\tכ״ד תמוז תשפ״ב\tמטות\tפינחס\r\n"
              u"2022-07-30\tב׳ אב תשפ״ב\tמסעי\tמטות-מסעי\r\n"
              u"2022-08-06\tט׳ אב תשפ״ב\tדברים\tדברים\r\n");
}

TEST(ShabbatYear, HebrewDatesInLetters) {
    const struct { HebrewDate date; const char16_t* letters; } cases[] = {
        {{9, 15, 5787}, u"ט״ו כסלו תשפ״ז"},   {{12, 1, 5784}, u"א׳ אדר א׳ תשפ״ד"}, {{13, 29, 5784}, u"כ״ט אדר ב׳ תשפ״ד"},
        {{12, 20, 5783}, u"כ׳ אדר תשפ״ג"},     {{8, 30, 5785}, u"ל׳ חשון תשפ״ה"},    {{1, 16, 5800}, u"ט״ז ניסן ת״ת"},
        {{7, 1, 6000}, u"א׳ תשרי ו׳"},
    };
    for (const auto& c : cases) EXPECT_EQ(HebrewDateInLetters(c.date), c.letters);
}

// The Hebrew birthday's rules (Adar of a common year and Adar II keep the
// year's last month, Adar I keeps Adar I or becomes Adar, a missing 30th day
// moves to the first of the next month), after sunset, a birthday on a
// Shabbat, and festival Shabbatot with the weekly portion after them.
TEST(BarMitzvah, BirthDatesOverTheRules) {
    const struct {
        const char* what;
        int32_t year, month, day;
        bool afterSunset;
        int32_t age;
        int32_t birthday[3], shabbat[3];
        const char16_t *israel, *diaspora, *weeklyIsrael, *weeklyDiaspora;
    } cases[] = {
        {"14 Adar, common to leap", 2009, 3, 10, false, 13, {2022, 3, 17}, {2022, 3, 19}, u"Tzav", u"Tzav", u"Tzav", u"Tzav"},
        {"14 Adar II, leap to common", 2011, 3, 20, false, 12, {2023, 3, 7}, {2023, 3, 11}, u"Ki Tisa", u"Ki Tisa", u"Ki Tisa", u"Ki Tisa"},
        {"14 Adar I, leap to common", 2005, 2, 23, false, 12, {2017, 3, 12}, {2017, 3, 18}, u"Ki Tisa", u"Ki Tisa", u"Ki Tisa", u"Ki Tisa"},
        {"14 Adar I, leap to leap", 2011, 2, 18, false, 13, {2024, 2, 23}, {2024, 2, 24}, u"Tetzaveh", u"Tetzaveh", u"Tetzaveh", u"Tetzaveh"},
        {"30 Adar I to 1 Nisan", 2011, 3, 6, false, 12, {2023, 3, 23}, {2023, 3, 25}, u"Vayikra", u"Vayikra", u"Vayikra", u"Vayikra"},
        {"30 Heshvan, short Heshvan", 2009, 11, 17, false, 12, {2021, 11, 5}, {2021, 11, 6}, u"Toldot", u"Toldot", u"Toldot", u"Toldot"},
        {"30 Heshvan after sunset", 2010, 11, 6, true, 13, {2023, 11, 14}, {2023, 11, 18}, u"Toldot", u"Toldot", u"Toldot", u"Toldot"},
        {"30 Kislev, short Kislev", 2010, 12, 7, false, 13, {2023, 12, 13}, {2023, 12, 16}, u"Miketz", u"Miketz", u"Miketz", u"Miketz"},
        {"birthday on a Shabbat", 2009, 7, 23, false, 13, {2022, 7, 30}, {2022, 7, 30}, u"Masei", u"Matot-Masei", u"Masei", u"Matot-Masei"},
        {"the same after sunset", 2009, 7, 23, true, 13, {2022, 7, 31}, {2022, 8, 6}, u"Devarim", u"Devarim", u"Devarim", u"Devarim"},
        {"Pesach", 2009, 4, 9, false, 13, {2022, 4, 16}, {2022, 4, 16}, u"Pesach", u"Pesach", u"Acharei Mot", u"Acharei Mot"},
        {"Pesach in the diaspora", 2009, 4, 16, false, 13, {2022, 4, 23}, {2022, 4, 23}, u"Acharei Mot", u"Pesach", u"Acharei Mot", u"Acharei Mot"},
        {"Sukkot", 2009, 10, 8, false, 13, {2022, 10, 15}, {2022, 10, 15}, u"Sukkot", u"Sukkot", u"Bereshit", u"Bereshit"},
    };
    const ArticleNames names = EnglishArticleNames();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const MitzvahShabbat found =
            FindMitzvahShabbat(Day(c.year, c.month, c.day), c.afterSunset, c.age, Day(2025, 1, 1), "velmora");
        ASSERT_EQ(found.outcome, MitzvahOutcome::kFound);
        EXPECT_EQ(found.birthday, Day(c.birthday[0], c.birthday[1], c.birthday[2]));
        EXPECT_EQ(found.shabbat.day, Day(c.shabbat[0], c.shabbat[1], c.shabbat[2]));
        EXPECT_EQ(English(found.shabbat.israel), c.israel);
        EXPECT_EQ(English(found.shabbat.diaspora), c.diaspora);
        EXPECT_EQ(PortionName(found.weeklyIsrael, names), c.weeklyIsrael);
        EXPECT_EQ(PortionName(found.weeklyDiaspora, names), c.weeklyDiaspora);
    }
}

TEST(BarMitzvah, DatesItCannotAnswer) {
    const int32_t today = Day(2025, 1, 1);
    EXPECT_EQ(FindMitzvahShabbat(today + 1, false, 13, today, "v").outcome, MitzvahOutcome::kNotYetBorn);
    EXPECT_EQ(FindMitzvahShabbat(today, true, 13, today, "v").outcome, MitzvahOutcome::kFound);
    EXPECT_EQ(FindMitzvahShabbat(Day(1582, 10, 14), false, 13, today, "v").outcome, MitzvahOutcome::kBeforeCalendar);
    EXPECT_EQ(FindMitzvahShabbat(Day(9990, 1, 1), false, 12, Day(9999, 1, 1), "v").outcome,
              MitzvahOutcome::kAfterCalendar);
}

// Pesach's eighth day put the diaspora a week behind: Acharei Mot here,
// Kedoshim in Israel; Matot-Masei here, Masei in Israel; Miketz for both.
TEST(WindowTitle, NamesThePortionAndTheOtherSchedules) {
    const WeekPortions behind{29, 28, false}, doubled{42, -41, false}, same{9, 9, true};
    const struct { uint16_t article; WeekPortions week; bool hebrewUi; const char16_t* title; } cases[] = {
        {29, behind, true, u"פרשת אחרי מות — in Israel: קדושים — Velmora"},
        {30, behind, true, u"פרשת קדושים — in the diaspora: אחרי מות — Velmora"},
        {30, behind, false, u"Kedoshim — in the diaspora: Acharei Mot — Velmora"},
        {42, doubled, true, u"פרשת מטות-מסעי — in Israel: מסעי — Velmora"},
        {10, behind, true, u"פרשת מקץ — Velmora"},
        {10, same, false, u"Miketz — Velmora"},
        {55, same, true, u"עשרת הדברות — Velmora"},
        {55, same, false, u"Aseret HaDibrot — Velmora"},
        {0, same, true, u"Velmora"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.article);
        EXPECT_EQ(MainWindowTitle(c.article, c.week, c.hebrewUi, HebrewNames()), c.title);
    }
    EXPECT_EQ(MainWindowTitle(10, same, true, ArticleNames{}), u"Miketz — Velmora");
    // The aliyah at the top comes first, of the article's own portion.
    EXPECT_EQ(MainWindowTitle(10, same, true, HebrewNames(), 3), u"שלישי, פרשת מקץ — Velmora");
    EXPECT_EQ(MainWindowTitle(10, same, false, HebrewNames(), 8), u"Maftir, Miketz — Velmora");
    EXPECT_EQ(MainWindowTitle(42, doubled, true, HebrewNames(), 2), u"שני, פרשת מטות — in Israel: מסעי — Velmora");
    EXPECT_EQ(MainWindowTitle(55, same, false, HebrewNames(), 2), u"Aseret HaDibrot — Velmora");
    // The other schedule's article, and back.
    EXPECT_EQ(OtherScheduleArticle(29, behind), 30);
    EXPECT_EQ(OtherScheduleArticle(30, behind), 29);
    EXPECT_EQ(OtherScheduleArticle(5, behind), 30);
    EXPECT_EQ(OtherScheduleArticle(5, same), 10);
}
