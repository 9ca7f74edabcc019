// Typed verse references in English and Hebrew, and the reference written
// with copied verses.
#include "store/verse_reference.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "store/reference_reader.h"

TEST(VerseReference, TypedReferencesInEnglishAndHebrew) {
    constexpr ReferenceForm kNone = ReferenceForm::kNone, kOther = ReferenceForm::kOtherBook,
                            kChapter = ReferenceForm::kChapter, kVerse = ReferenceForm::kVerse,
                            kRange = ReferenceForm::kRange;
    const struct {
        const char16_t* typed;
        ReferenceForm form;
        VerseReference first, last;  // last {} for first
    } cases[] = {
        {u"Gen 42:5", kVerse, {1, 42, 5}}, {u"genesis 42 5", kVerse, {1, 42, 5}}, {u"Dt 6:4", kVerse, {5, 6, 4}},
        {u"Exod 20.3", kVerse, {2, 20, 3}}, {u"  NUM. 7 : 89 ", kVerse, {4, 7, 89}}, {u"lv 19,18", kVerse, {3, 19, 18}},
        {u"Gen 51:1", kVerse, {1, 51, 1}}, {u"בראשית מב ה", kVerse, {1, 42, 5}},
        {u"בראשית מ״ב, ה׳", kVerse, {1, 42, 5}}, {u"בראשית מ\"ב ה'", kVerse, {1, 42, 5}},
        {u"ויקרא יט:יח", kVerse, {3, 19, 18}}, {u"שמות טו טז", kVerse, {2, 15, 16}},
        {u"דברים 6 4", kVerse, {5, 6, 4}}, {u"\u200Fבְּרֵאשִׁית א\u00A0א", kVerse, {1, 1, 1}},
        {u"Gen 1:1-3", kRange, {1, 1, 1}, {1, 1, 3}}, {u"Genesis 41:1\u20133", kRange, {1, 41, 1}, {1, 41, 3}},
        {u"Gen 41:56 \u2014 42:2", kRange, {1, 41, 56}, {1, 42, 2}},
        {u"בראשית מא נו\u05BEמב ב", kRange, {1, 41, 56}, {1, 42, 2}},
        {u"Genesis 1", kChapter, {1, 1, 1}}, {u"Genesis 42:5.", kVerse, {1, 42, 5}},
        {u"Gen 42:5;", kVerse, {1, 42, 5}}, {u"בראשית, מב, ה", kVerse, {1, 42, 5}},
        {u"בראשית פרק מב פסוק ה", kVerse, {1, 42, 5}}, {u"בר׳ א א", kVerse, {1, 1, 1}},
        {u"שמ' ב ג", kVerse, {2, 2, 3}}, {u"ויק\u2019 ג ד", kVerse, {3, 3, 4}}, {u"במ׳ ד ה", kVerse, {4, 4, 5}},
        {u"דב׳ ה ו", kVerse, {5, 5, 6}}, {u"Bereshit 1:1", kVerse, {1, 1, 1}}, {u"Shemot 2:1", kVerse, {2, 2, 1}},
        {u"Vayikra 3:1", kVerse, {3, 3, 1}}, {u"Bamidbar 4:1", kVerse, {4, 4, 1}}, {u"Devarim 5:1", kVerse, {5, 5, 1}},
        {u"Josh 1:1", kOther}, {u"Song 1:1", kOther}, {u"1 Kings 2:3", kOther}, {u"מלכים א ב ג", kOther},
        {u"", kNone}, {u"Gen", kNone}, {u"Gen 42:", kNone}, {u"Gen 42:5:1", kNone}, {u"Gen 42-5", kNone},
        {u"Gen 1:3-", kNone}, {u"Gen 0:1", kNone}, {u"Gen 1:1000", kNone}, {u"hello", kNone},
        {u"בראשית מבה", kNone}, {u"בראשית יה א", kNone}, {u"בראשית ך א", kNone}, {u"ספר בראשית א א", kNone},
        {u"בראשית", kNone},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        const TypedReference read = ReadTypedReference(c.typed);
        EXPECT_EQ(read.form, c.form);
        if (c.form == kNone || c.form == kOther) continue;
        const VerseReference last = c.last.book != 0 ? c.last : c.first;
        EXPECT_EQ(std::tie(read.first.book, read.first.chapter, read.first.verse),
                  std::tie(c.first.book, c.first.chapter, c.first.verse));
        EXPECT_EQ(std::tie(read.last.book, read.last.chapter, read.last.verse),
                  std::tie(last.book, last.chapter, last.verse));
    }
}

TEST(VerseReference, CopiedVersesAreNamedInBothLanguages) {
    const struct {
        std::vector<VerseEntry> verses;
        const char16_t* expected;
    } cases[] = {
        {{{1, 41, 1}, {1, 41, 2}, {1, 41, 3}}, u"Genesis 41:1–3 / בראשית מא א–ג"},
        {{{1, 41, 56}, {1, 41, 57}, {1, 42, 1}, {1, 42, 2}}, u"Genesis 41:56–42:2 / בראשית מא נו–מב ב"},
        {{{2, 15, 16}}, u"Exodus 15:16 / שמות טו טז"},
        {{{5, 6, 9}, {5, 11, 13}, {5, 11, 14}, {4, 15, 37}},
         u"Deuteronomy 6:9; 11:13–14; Numbers 15:37 / דברים ו ט; יא יג–יד; במדבר טו לז"},
        {{}, u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        EXPECT_EQ(FormatVerseReference(c.verses), c.expected);
    }
}
