// Names of readings, and the Calendar's rows as text for the clipboard.
#include "calendar/portion_names.h"

#include <cstdio>
#include <iterator>

#include "calendar/hebrew_date_text.h"

namespace {

constexpr const char16_t* kEnglishNames[] = {
    u"Bereshit",     u"Noach",        u"Lech Lecha",  u"Vayera",     u"Chayei Sarah",     u"Toldot",
    u"Vayetzei",     u"Vayishlach",   u"Vayeshev",    u"Miketz",     u"Vayigash",         u"Vayechi",
    u"Shemot",       u"Vaera",        u"Bo",          u"Beshalach",  u"Yitro",            u"Mishpatim",
    u"Terumah",      u"Tetzaveh",     u"Ki Tisa",     u"Vayakhel",   u"Pekudei",          u"Vayikra",
    u"Tzav",         u"Shemini",      u"Tazria",      u"Metzora",    u"Acharei Mot",      u"Kedoshim",
    u"Emor",         u"Behar",        u"Bechukotai",  u"Bamidbar",   u"Nasso",            u"Behaalotecha",
    u"Shelach",      u"Korach",       u"Chukat",      u"Balak",      u"Pinchas",          u"Matot",
    u"Masei",        u"Devarim",      u"Vaetchanan",  u"Eikev",      u"Reeh",             u"Shoftim",
    u"Ki Teitzei",   u"Ki Tavo",      u"Nitzavim",    u"Vayeilech",  u"Haazinu",          u"V'Zot HaBerachah",
    u"Aseret HaDibrot", u"Shirat HaYam", u"Keriat Shema",
};
static_assert(std::size(kEnglishNames) == 57);

constexpr int32_t kLastWeeklyPortion = 53;

const std::u16string& NameOf(const ArticleNames& names, int32_t article) {
    static const std::u16string kNone;
    return article >= 0 && static_cast<size_t>(article) < names.size() ? names[static_cast<size_t>(article)] : kNone;
}

std::u16string CivilDateText(const GregorianDate& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", static_cast<int>(date.year), static_cast<int>(date.month),
                  static_cast<int>(date.day));
    return std::u16string(text, text + std::char_traits<char>::length(text));
}

}  // namespace

ArticleNames EnglishArticleNames() {
    ArticleNames names(1);
    names.insert(names.end(), std::begin(kEnglishNames), std::end(kEnglishNames));
    return names;
}

std::u16string PortionName(int32_t portion, const ArticleNames& names) {
    if (portion >= 0 && portion <= kLastWeeklyPortion) return NameOf(names, portion + 1);
    if (portion >= -kLastWeeklyPortion + 1 && portion <= -2) {
        const std::u16string& first = NameOf(names, -portion + 1);
        const std::u16string& second = NameOf(names, -portion + 2);
        if (!first.empty() && !second.empty()) return first + u"-" + second;
    }
    return {};
}

std::u16string ReadingName(const ShabbatReading& reading, const ArticleNames& names) {
    if (reading.portion == kNoPortion) return FestivalName(reading.festival);
    return PortionName(reading.portion, names);
}

std::u16string RowReadingText(const ShabbatRow& row, const ArticleNames& names) {
    if (!row.SchedulesDiffer()) return ReadingName(row.israel, names);
    return u"Israel: " + ReadingName(row.israel, names) + u"; diaspora: " + ReadingName(row.diaspora, names);
}

std::u16string MitzvahReadingText(const MitzvahShabbat& found, const ArticleNames& names) {
    const auto text = [&](const ShabbatReading& reading, int32_t weekly) {
        std::u16string name = ReadingName(reading, names);
        if (reading.portion == kNoPortion) name += u", then " + PortionName(weekly, names);
        return name;
    };
    const std::u16string israel = text(found.shabbat.israel, found.weeklyIsrael);
    const std::u16string diaspora = text(found.shabbat.diaspora, found.weeklyDiaspora);
    if (israel == diaspora) return israel;
    return u"in Israel: " + israel + u"; in the diaspora: " + diaspora;
}

std::u16string ShabbatRowsText(const std::vector<ShabbatRow>& rows, const ArticleNames& names) {
    std::u16string text = u"Date\tHebrew date\tIsrael\tDiaspora\r\n";
    for (const ShabbatRow& row : rows) {
        text += CivilDateText(row.civil) + u"\t" + HebrewDateInLetters(row.hebrew) + u"\t" +
                ReadingName(row.israel, names) + u"\t" + ReadingName(row.diaspora, names) + u"\r\n";
    }
    return text;
}
