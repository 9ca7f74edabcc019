// The five books' names and the reference written with copied verses.
#include "store/verse_reference.h"

#include "store/hebrew_numerals.h"

namespace {

struct BookNames {
    std::u16string_view english;
    std::u16string_view hebrew;
};

constexpr BookNames kBooks[kTorahBookCount] = {
    {u"Genesis", u"בראשית"}, {u"Exodus", u"שמות"}, {u"Leviticus", u"ויקרא"}, {u"Numbers", u"במדבר"},
    {u"Deuteronomy", u"דברים"},
};

constexpr char16_t kEnDash = u'\u2013';

std::u16string Digits(int n) {
    std::u16string digits;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + n % 10));
        n /= 10;
    } while (n > 0);
    return digits;
}

// Whether verse b comes right after verse a in its book.
bool Follows(const VerseEntry& a, const VerseEntry& b) {
    if (a.book != b.book) return false;
    return (b.chapter == a.chapter && b.verse == a.verse + 1) || (b.chapter == a.chapter + 1 && b.verse == 1);
}

// One run of verses that follow each other: "c:v", "c:v–w" or "c:v–c:w".
std::u16string EnglishRun(const VerseEntry& first, const VerseEntry& last) {
    std::u16string run = Digits(first.chapter) + u":" + Digits(first.verse);
    if (last.chapter != first.chapter) return run + kEnDash + Digits(last.chapter) + u":" + Digits(last.verse);
    return last.verse != first.verse ? run + kEnDash + Digits(last.verse) : run;
}

std::u16string HebrewRun(const VerseEntry& first, const VerseEntry& last) {
    std::u16string run = HebrewNumeral(first.chapter) + u" " + HebrewNumeral(first.verse);
    if (last.chapter != first.chapter)
        return run + kEnDash + HebrewNumeral(last.chapter) + u" " + HebrewNumeral(last.verse);
    return last.verse != first.verse ? run + kEnDash + HebrewNumeral(last.verse) : run;
}

void AppendRun(std::u16string& english, std::u16string& hebrew, const VerseEntry& first, const VerseEntry& last,
               bool newBook) {
    if (!english.empty()) {
        english += u"; ";
        hebrew += u"; ";
    }
    if (newBook) {
        english += std::u16string(EnglishBookName(first.book)) + u" ";
        hebrew += std::u16string(HebrewBookName(first.book)) + u" ";
    }
    english += EnglishRun(first, last);
    hebrew += HebrewRun(first, last);
}

}  // namespace

std::u16string_view EnglishBookName(int book) {
    return book >= 1 && book <= kTorahBookCount ? kBooks[book - 1].english : std::u16string_view();
}

std::u16string_view HebrewBookName(int book) {
    return book >= 1 && book <= kTorahBookCount ? kBooks[book - 1].hebrew : std::u16string_view();
}

std::u16string FormatVerseReference(std::span<const VerseEntry> verses) {
    const VerseReferenceText text = FormatVerseReferenceParts(verses);
    return text.english.empty() ? text.english : text.english + u" / " + text.hebrew;
}

VerseReferenceText FormatVerseReferenceParts(std::span<const VerseEntry> verses) {
    VerseReferenceText text;
    size_t runStart = 0;
    for (size_t i = 0; i < verses.size(); ++i) {
        if (i + 1 < verses.size() && Follows(verses[i], verses[i + 1])) continue;
        const bool newBook = runStart == 0 || verses[runStart - 1].book != verses[runStart].book;
        AppendRun(text.english, text.hebrew, verses[runStart], verses[i], newBook);
        runStart = i + 1;
    }
    return text;
}
