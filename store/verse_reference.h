// References to verses as people quote them: the five books' names and the
// reference that goes with copied verses. Chapters and verses are numbered as
// the library's texts number them (store/reference_reader.h reads typed ones).
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "store/verse_map.h"

// The book's name in English ("Genesis") and in Hebrew ("בראשית"); empty for
// a book outside 1..5.
std::u16string_view EnglishBookName(int book);
std::u16string_view HebrewBookName(int book);

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
