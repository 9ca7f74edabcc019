// The built aliyah table against the built verse map (the Codex as the
// library has it) and the portions table: every weekly portion and every pair
// read together is divided into seven aliyot that follow each other and cover
// it, with a maftir at the seventh's end; the special maftirs are verses of
// the Codex; and the Ten Commandments are numbered as the Codex numbers them.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <tuple>

#include "output/selection_text.h"
#include "store/aliyah_table.h"
#include "tests/tools/library_reference.h"

namespace {

using Key = std::tuple<int, int, int>;

Key KeyOf(const VerseReference& verse) { return {verse.book, verse.chapter, verse.verse}; }

struct Built {
    AliyahTable table;
    VerseMap map;
    std::map<Key, int> order;  // every verse of the weekly portions, in reading order
};

const Built& BuiltTables() {
    static const Built built = [] {
        Built read;
        int error = -1;
        const Bytes table = DecodeBlock(ReadFileBytes(VELMORA_GENERATED_DIR "/aliyot_32764.bin"), &error);
        EXPECT_TRUE(ReadAliyahTable(table.data(), table.size(), read.table));
        const Bytes map = DecodeBlock(ReadFileBytes(VELMORA_GENERATED_DIR "/verses_32766.bin"), &error);
        EXPECT_TRUE(ReadVerseMap(map.data(), map.size(), read.map));
        for (int article = 1; article <= kWeeklyPortionArticles; ++article)
            for (const VerseEntry& v : read.map.articles[article])
                read.order.emplace(Key{v.book, v.chapter, v.verse}, static_cast<int>(read.order.size()));
        return read;
    }();
    return built;
}

int Order(const VerseReference& verse) {
    const auto found = BuiltTables().order.find(KeyOf(verse));
    return found == BuiltTables().order.end() ? -1 : found->second;
}

// The divisions of one reading, by number.
std::map<int, Division> Reading(DivisionKind kind, int group) {
    std::map<int, Division> reading;
    for (const Division& division : BuiltTables().table.divisions)
        if (division.kind == kind && division.group == group) reading[division.number] = division;
    return reading;
}

// Aliyot 1..7 follow each other from the first article's first verse to the
// last article's last, and the maftir is the end of the seventh.
void ExpectDividedWhole(const std::map<int, Division>& reading, int firstArticle, int lastArticle, bool ownMaftir) {
    ASSERT_EQ(reading.size(), 8u);
    const VerseEntry& begin = BuiltTables().map.articles[firstArticle].front();
    const VerseEntry& end = BuiltTables().map.articles[lastArticle].back();
    EXPECT_EQ(KeyOf(reading.at(1).first), (Key{begin.book, begin.chapter, begin.verse}));
    EXPECT_EQ(KeyOf(reading.at(7).last), (Key{end.book, end.chapter, end.verse}));
    for (int number = 1; number <= 8; ++number) {
        SCOPED_TRACE(number);
        EXPECT_GE(Order(reading.at(number).first), 0);
        EXPECT_GE(Order(reading.at(number).last), Order(reading.at(number).first));
        if (number > 1 && number < 8) {
            EXPECT_EQ(Order(reading.at(number).first), Order(reading.at(number - 1).last) + 1);
        }
    }
    if (!ownMaftir) return;
    EXPECT_GE(Order(reading.at(8).first), Order(reading.at(7).first));
    EXPECT_EQ(Order(reading.at(8).last), Order(reading.at(7).last));
}

}  // namespace

TEST(AliyahTable, EveryPortionAndPairIsDividedWhole) {
    for (int article = 1; article <= kWeeklyPortionArticles; ++article) {
        SCOPED_TRACE("article " + std::to_string(article));
        ExpectDividedWhole(Reading(DivisionKind::kPortion, article), article, article, article != 54);
    }
    for (const int first : {22, 27, 29, 32, 39, 42, 51}) {
        SCOPED_TRACE("pair from " + std::to_string(first));
        ExpectDividedWhole(Reading(DivisionKind::kCombined, first), first, first + 1, true);
    }
    EXPECT_EQ(BuiltTables().table.divisions.size(), 54 * 8 + 7 * 8 + BuiltTables().table.names.size());
}

// Yitro's sixth aliyah and Vaetchanan's fourth end with the commandments as
// the Codex numbers them; Vezot Haberakhah's maftir is Simchat Torah's; the
// special maftirs lie in the Codex; a few divisions as printed Chumashim have
// them.
TEST(AliyahTable, DivisionsFallOnTheCodexVerses) {
    const struct {
        DivisionKind kind;
        int group, number;
        Key first, last;
    } cases[] = {
        {DivisionKind::kPortion, 17, 6, {2, 19, 20}, {2, 20, 17}},
        {DivisionKind::kPortion, 17, 7, {2, 20, 18}, {2, 20, 26}},
        {DivisionKind::kPortion, 45, 4, {5, 5, 1}, {5, 5, 21}},
        {DivisionKind::kPortion, 45, 5, {5, 5, 22}, {5, 6, 3}},
        {DivisionKind::kPortion, 10, 3, {1, 41, 39}, {1, 41, 52}},
        {DivisionKind::kPortion, 54, 8, {4, 29, 35}, {4, 30, 1}},
        {DivisionKind::kSpecial, 0, 8, {2, 30, 11}, {2, 30, 16}},
        {DivisionKind::kSpecial, 1, 8, {5, 25, 17}, {5, 25, 19}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        const Division division = Reading(c.kind, c.group).at(c.number);
        EXPECT_EQ(std::make_pair(KeyOf(division.first), KeyOf(division.last)), std::make_pair(c.first, c.last));
    }
    const AliyahTable& table = BuiltTables().table;
    ASSERT_EQ(table.names.size(), 13u);
    EXPECT_EQ(table.names[0], (SpecialName{u"Shabbat Shekalim", u"שבת שקלים"}));
    for (size_t name = 0; name < table.names.size(); ++name) {
        SCOPED_TRACE(name);
        const Division maftir = Reading(DivisionKind::kSpecial, static_cast<int>(name)).at(8);
        EXPECT_LE(0, Order(maftir.first));
        EXPECT_LE(Order(maftir.first), Order(maftir.last));
    }
    const std::vector<AliyahStart> eikev = AliyahStartsIn(table, BuiltTables().map.articles[46], 46);
    ASSERT_EQ(eikev.size(), 7u);
    EXPECT_EQ(std::vector<int>(eikev.back().numbers, eikev.back().numbers + eikev.back().count), (std::vector<int>{7, 8}));
}

// Copy names verses after the aliyah they are exactly, and only then.
TEST(AliyahTable, CopyNamesTheAliyahSelected) {
    const std::vector<VerseEntry>& miketz = BuiltTables().map.articles[10];
    const auto at = [&](int chapter, int verse) {
        const auto found = std::find_if(miketz.begin(), miketz.end(),
                                        [&](const VerseEntry& v) { return v.chapter == chapter && v.verse == verse; });
        return static_cast<size_t>(found - miketz.begin());
    };
    const auto named = [&](size_t first, size_t last) {
        return NamedVerseReference(BuiltTables().table, BuiltTables().map, ArticleNames{}, 10, first, last);
    };
    EXPECT_EQ(named(at(41, 39), at(41, 52)), u"שלישי, Genesis 41:39–52 / בראשית מא לט–נב");
    EXPECT_EQ(named(at(41, 39), at(41, 51)), u"Genesis 41:39–51 / בראשית מא לט–נא");
    EXPECT_EQ(named(0, at(41, 14)), u"ראשון, Genesis 41:1–14 / בראשית מא א–יד");
}
