// Typed verse references in English and Hebrew, and the reference written
// with copied verses.
#include "store/verse_reference.h"

#include <gtest/gtest.h>

#include <vector>

TEST(VerseReference, TypedReferencesInEnglishAndHebrew) {
    const struct {
        const char16_t* typed;
        VerseReference expected;  // book 0: refused
    } cases[] = {
        {u"Gen 42:5", {1, 42, 5}},
        {u"genesis 42 5", {1, 42, 5}},
        {u"Dt 6:4", {5, 6, 4}},
        {u"Exod 20.3", {2, 20, 3}},
        {u"  NUM. 7 : 89 ", {4, 7, 89}},
        {u"lv 19,18", {3, 19, 18}},
        {u"Gen 51:1", {1, 51, 1}},
        {u"בראשית מב ה", {1, 42, 5}},
        {u"בראשית מ״ב, ה׳", {1, 42, 5}},
        {u"בראשית מ\"ב ה'", {1, 42, 5}},
        {u"ויקרא יט:יח", {3, 19, 18}},
        {u"שמות טו טז", {2, 15, 16}},
        {u"דברים 6 4", {5, 6, 4}},
        {u"\u200Fבְּרֵאשִׁית א\u00A0א", {1, 1, 1}},
        {u"", {}},
        {u"Gen", {}},
        {u"Gen 42", {}},
        {u"Gen 42:", {}},
        {u"Gen 42:5:1", {}},
        {u"Gen 42-5", {}},
        {u"Gen 0:1", {}},
        {u"Gen 1:1000", {}},
        {u"Genes 1:1", {}},
        {u"Josh 1:1", {}},
        {u"hello", {}},
        {u"בראשית מבה", {}},
        {u"בראשית יה א", {}},
        {u"בראשית ך א", {}},
        {u"בראשיתמב ה", {}},
        {u"ספר בראשית א א", {}},
        {u"בראשית", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        VerseReference read{9, 9, 9};
        EXPECT_EQ(ParseVerseReference(c.typed, read), c.expected.book != 0);
        if (c.expected.book != 0) {
            EXPECT_EQ(std::tie(read.book, read.chapter, read.verse),
                      std::tie(c.expected.book, c.expected.chapter, c.expected.verse));
        }
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
