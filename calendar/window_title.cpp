// The main window's title, from the article shown, the aliyah at its top,
// this week's portions on both schedules and the language of the user
// interface.
#include "calendar/window_title.h"

#include "calendar/portion_names.h"
#include "store/aliyah_table.h"
#include "store/compression.h"

namespace {

constexpr char16_t kProgramTitle[] = u"Velmora";
constexpr char16_t kSeparator[] = u" \u2014 ";
constexpr char16_t kPortionPrefix[] = u"פרשת ";
constexpr uint16_t kLastPortionArticle = 54;

// The Hebrew name in a Hebrew interface, the English one in any other, whose
// caption font may have no Hebrew letters (Wine's draws boxes for them).
std::u16string NameFor(const std::u16string& hebrew, const std::u16string& english, bool hebrewUi) {
    return hebrewUi && !hebrew.empty() ? hebrew : english;
}

std::u16string NameOfPortion(int32_t portion, const ArticleNames& names, bool hebrewUi) {
    return NameFor(PortionName(portion, names), PortionName(portion, EnglishArticleNames()), hebrewUi);
}

}  // namespace

std::u16string ShownArticleName(uint16_t article, const WeekPortions& week, bool hebrewUi, const ArticleNames& names,
                                int aliyah) {
    if (article < 1 || article > kArticleCount) return u"";
    if (article > kLastPortionArticle) {
        return NameFor(article < names.size() ? names[article] : u"", EnglishArticleNames()[article], hebrewUi);
    }
    const bool showsHere = article == LocalWeekArticle(week);
    const bool showsThere = LocalWeekArticle(week) != OtherWeekArticle(week) && article == OtherWeekArticle(week);
    const int32_t here = week.israelHere ? week.israel : week.diaspora;
    const int32_t there = week.israelHere ? week.diaspora : week.israel;
    // This week's reading is named whole: a double reading with both its
    // portions; but an aliyah is one of the article's own portion.
    const std::u16string_view aliyahName = hebrewUi ? AliyahHebrewName(aliyah) : AliyahEnglishName(aliyah);
    const int32_t portion = !aliyahName.empty() ? article - 1 : showsHere ? here : showsThere ? there : article - 1;
    std::u16string name = NameOfPortion(portion, names, hebrewUi);
    if (hebrewUi && !PortionName(portion, names).empty()) name = kPortionPrefix + name;
    return aliyahName.empty() || name.empty() ? name : std::u16string(aliyahName) + u", " + name;
}

std::u16string MainWindowTitle(uint16_t article, const WeekPortions& week, bool hebrewUi, const ArticleNames& names,
                               int aliyah) {
    std::u16string title = ShownArticleName(article, week, hebrewUi, names, aliyah);
    if (title.empty()) return kProgramTitle;
    const bool differ = LocalWeekArticle(week) != OtherWeekArticle(week);
    const bool showsHere = article == LocalWeekArticle(week);
    const bool showsThere = differ && article == OtherWeekArticle(week);
    const int32_t here = week.israelHere ? week.israel : week.diaspora;
    const int32_t there = week.israelHere ? week.diaspora : week.israel;
    if (differ && (showsHere || showsThere)) {
        // The schedule named is the one whose reading is not shown.
        const bool namesIsrael = showsHere != week.israelHere;
        title += kSeparator;
        title += namesIsrael ? u"in Israel: " : u"in the diaspora: ";
        title += NameOfPortion(showsHere ? there : here, names, hebrewUi);
    }
    return title + kSeparator + kProgramTitle;
}
