// Reading the verse references people type and paste: a book of the Torah,
// a chapter, and a verse or a range of verses.
#pragma once

#include <string_view>

#include "store/verse_map.h"

// What a typed reference names.
enum class ReferenceForm {
    kNone,       // no reference
    kOtherBook,  // a book outside the five, with its chapter (and verse)
    kChapter,    // a book and a chapter: its first verse
    kVerse,      // one verse
    kRange,      // the verses from first to last, in one chapter or across chapters
};

struct TypedReference {
    ReferenceForm form = ReferenceForm::kNone;
    VerseReference first;  // a chapter's verse 1 for kChapter
    VerseReference last;   // first, but for a range
};

// Reads a reference. The book in English, in any case: its name, one of the
// usual abbreviations (Gen Gn Ge, Ex Exo Exod, Lev Lv Le, Num Nu Nm Nb, Deut
// Dt De Deu), which may end in a period, or its Hebrew name in Latin letters
// (Bereshit, Shemot, Vayikra, Bamidbar, Devarim and their usual spellings);
// or in Hebrew (בראשית שמות ויקרא במדבר דברים, or abbreviated with a geresh
// or an apostrophe: בר׳ שמ׳ ויק׳ במ׳ דב׳), perhaps followed by a comma. The
// numbers in digits or in Hebrew letters, with or without geresh and
// gershayim, the chapter perhaps after "פרק" and the verse after "פסוק";
// between them spaces, or one ":", "." or "," with spaces around it or not. A
// range goes on after a dash (- – — or maqaf) with a verse of the same chapter
// or a chapter and verse. Spaces, periods, commas, semicolons and marks of
// exclamation or question at either end, direction marks and the points of
// pasted pointed text are passed over. Whether the verses exist is the verse
// map's to say.
TypedReference ReadTypedReference(std::u16string_view text);
