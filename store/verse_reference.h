// References to verses as people type and quote them: the five books' names,
// the reading of a typed reference, and the reference that goes with copied
// verses. Chapters and verses are numbered as the library's texts number them.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "store/verse_map.h"

// The book's name in English ("Genesis") and in Hebrew ("בראשית"); empty for
// a book outside 1..5.
std::u16string_view EnglishBookName(int book);
std::u16string_view HebrewBookName(int book);

// Reads one verse's reference: a book, a chapter and a verse, nothing else.
// The book in English, in any case: its name or one of the usual
// abbreviations (Gen Gn Ge, Ex Exo Exod, Lev Lv Le, Num Nu Nm Nb, Deut Dt De
// Deu), which may end in a period; or in Hebrew (בראשית שמות ויקרא במדבר
// דברים). The numbers in digits or in Hebrew letters, with or without geresh
// and gershayim; between them spaces, or one ":", "." or "," with spaces
// around it or not. Spaces around the whole, direction marks and the points
// of pasted pointed text are passed over. False for anything else; whether
// the verse exists is the verse map's to say.
bool ParseVerseReference(std::u16string_view text, VerseReference& reference);

// The reference of verses (in reading order, as a selection holds them) in
// English and in Hebrew: "Genesis 41:1–3 / בראשית מא א–ג", across chapters
// "Genesis 41:56–42:2 / בראשית מא נו–מב ב", with an en dash. Verses that do
// not follow each other (an article of several ranges) make runs joined by
// "; ", the book named again only where it changes. Empty for no verses.
std::u16string FormatVerseReference(std::span<const VerseEntry> verses);

// The two halves of that reference apart: "Genesis 41:1–3" and "בראשית מא א–ג".
struct VerseReferenceText {
    std::u16string english;
    std::u16string hebrew;
};
VerseReferenceText FormatVerseReferenceParts(std::span<const VerseEntry> verses);
