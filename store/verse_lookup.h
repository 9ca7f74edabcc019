// A typed reference looked up in the verse map: the weekly portion and the
// verses it names, or what is wrong with it, in words for the user.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "store/verse_map.h"

enum class LookupResult {
    kFound,
    kNotAReference,
    kOtherBook,       // a book outside the five
    kNoVerseList,     // the map holds no verses of the book: it could not be read
    kNoSuchChapter,   // count: the book's chapters
    kNoSuchVerse,     // count: the chapter's verses
    kBackwards,       // a range that ends before it begins
    kAcrossPortions,  // a range that runs from one weekly portion into another
};

struct VerseLookup {
    LookupResult result = LookupResult::kNotAReference;
    int article = 0;             // kFound: the weekly portion (1..54)
    size_t first = 0, last = 0;  // kFound: the verses' indexes in its list
    bool range = false;          // kFound: a range was typed, which is to be selected
    VerseReference wrong;        // kNoSuchChapter, kNoSuchVerse: what does not exist
    int count = 0;               // kNoSuchChapter, kNoSuchVerse: how many there are
};

// Chapters and verses are those of the map, which numbers them as Hebrew
// Bibles do.
VerseLookup LookUpReference(const VerseMap& map, std::u16string_view typed);

// What the user is told about a lookup that found nothing, as
// "Genesis 1 has 31 verses."; empty for one that found its verses.
std::u16string LookupMessage(const VerseLookup& lookup);
