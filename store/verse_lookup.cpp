// Looking up typed references in the verse map. The map's own entries say
// how many chapters a book has and how many verses a chapter, so that the
// answer to a verse that does not exist can say what does.
#include "store/verse_lookup.h"

#include <algorithm>
#include <tuple>

#include "store/reference_reader.h"
#include "store/verse_reference.h"

namespace {

// The largest chapter of a book (chapter 0), or verse of one of its chapters, in the weekly portions.
int LargestNumber(const VerseMap& map, int book, int chapter) {
    int largest = 0;
    for (int article = 1; article <= kWeeklyPortionArticles; ++article) {
        for (const VerseEntry& verse : map.articles[article]) {
            if (verse.book != book) continue;
            if (chapter == 0) largest = std::max<int>(largest, verse.chapter);
            else if (verse.chapter == chapter) largest = std::max<int>(largest, verse.verse);
        }
    }
    return largest;
}

// kFound when the verse exists, else why not.
LookupResult CheckExists(const VerseMap& map, const VerseReference& verse, VerseLookup& lookup) {
    const int chapters = LargestNumber(map, verse.book, 0);
    if (chapters == 0) return LookupResult::kNoVerseList;
    lookup.wrong = verse;
    lookup.count = chapters;
    if (verse.chapter > chapters) return LookupResult::kNoSuchChapter;
    lookup.count = LargestNumber(map, verse.book, verse.chapter);
    if (verse.verse > lookup.count) return LookupResult::kNoSuchVerse;
    return LookupResult::kFound;
}

std::u16string Number(int n) {
    const std::string digits = std::to_string(n);
    return std::u16string(digits.begin(), digits.end());
}

}  // namespace

VerseLookup LookUpReference(const VerseMap& map, std::u16string_view typed) {
    const TypedReference reference = ReadTypedReference(typed);
    VerseLookup lookup;
    if (reference.form == ReferenceForm::kNone) return lookup;
    if (reference.form == ReferenceForm::kOtherBook) return {LookupResult::kOtherBook};
    for (const VerseReference& end : {reference.first, reference.last}) {
        lookup.result = CheckExists(map, end, lookup);
        if (lookup.result != LookupResult::kFound) return lookup;
    }
    const auto order = [](const VerseReference& v) { return std::tie(v.chapter, v.verse); };
    if (order(reference.last) < order(reference.first)) return {LookupResult::kBackwards};
    const VersePlace first = FindVerse(map, reference.first);
    const VersePlace last = FindVerse(map, reference.last);
    if (first.article == 0 || last.article == 0) return {LookupResult::kNoVerseList};
    if (first.article != last.article) return {LookupResult::kAcrossPortions};
    return {LookupResult::kFound, first.article, first.index, last.index, reference.form == ReferenceForm::kRange};
}

std::u16string LookupMessage(const VerseLookup& lookup) {
    const std::u16string book(EnglishBookName(lookup.wrong.book));
    switch (lookup.result) {
    case LookupResult::kFound: return {};
    case LookupResult::kNotAReference: return u"Type a book, a chapter and a verse, as Gen 42:5.";
    case LookupResult::kOtherBook: return u"Only the five books of the Torah are here.";
    case LookupResult::kNoVerseList: return u"No weekly portion holds that verse.";
    case LookupResult::kNoSuchChapter: return book + u" has " + Number(lookup.count) + u" chapters.";
    case LookupResult::kNoSuchVerse:
        return book + u" " + Number(lookup.wrong.chapter) + u" has " + Number(lookup.count) + u" verses.";
    case LookupResult::kBackwards: return u"The range ends before it begins.";
    case LookupResult::kAcrossPortions: return u"That range runs on into the next weekly portion.";
    }
    return {};
}
