// Reading typed verse references and writing the reference of copied verses.
// The reader walks the text once: book, chapter, separator, verse.
#include "store/verse_reference.h"

#include "store/hebrew_numerals.h"

namespace {

struct BookNames {
    std::u16string_view english;
    std::u16string_view hebrew;
    std::u16string_view abbreviations[4];  // lower case
};

constexpr BookNames kBooks[kTorahBookCount] = {
    {u"Genesis", u"בראשית", {u"gen", u"gn", u"ge"}},
    {u"Exodus", u"שמות", {u"ex", u"exo", u"exod"}},
    {u"Leviticus", u"ויקרא", {u"lev", u"lv", u"le"}},
    {u"Numbers", u"במדבר", {u"num", u"nu", u"nm", u"nb"}},
    {u"Deuteronomy", u"דברים", {u"deut", u"dt", u"de", u"deu"}},
};

constexpr int kMaxNumberDigits = 3;
constexpr char16_t kEnDash = u'\u2013';

bool IsAsciiLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsHebrewLetter(char16_t c) { return c >= u'\u05D0' && c <= u'\u05EA'; }
bool IsNumeralMark(char16_t c) { return c == u'\u05F3' || c == u'\u05F4' || c == u'\'' || c == u'"'; }
bool IsSpace(char16_t c) { return c == u' ' || c == u'\t' || c == u'\u00A0'; }

// Direction marks and embeddings that pasted text brings, and points and
// accents of pointed text.
bool IsPassedOver(char16_t c) {
    const bool mark = (c >= u'\u0591' && c <= u'\u05BD') || c == u'\u05BF' || c == u'\u05C1' || c == u'\u05C2' ||
                      c == u'\u05C4' || c == u'\u05C5' || c == u'\u05C7';
    return mark || c == u'\u200E' || c == u'\u200F' || (c >= u'\u202A' && c <= u'\u202E') ||
           (c >= u'\u2066' && c <= u'\u2069');
}

std::u16string Cleaned(std::u16string_view text) {
    std::u16string cleaned;
    for (char16_t c : text) {
        if (!IsPassedOver(c)) cleaned += IsSpace(c) ? u' ' : c;
    }
    return cleaned;
}

struct Cursor {
    std::u16string_view text;
    size_t at = 0;
};

template <typename Predicate>
std::u16string_view TakeWhile(Cursor& cursor, Predicate keep) {
    const size_t start = cursor.at;
    while (cursor.at < cursor.text.size() && keep(cursor.text[cursor.at])) ++cursor.at;
    return cursor.text.substr(start, cursor.at - start);
}

bool Take(Cursor& cursor, char16_t c) {
    if (cursor.at >= cursor.text.size() || cursor.text[cursor.at] != c) return false;
    ++cursor.at;
    return true;
}

void SkipSpaces(Cursor& cursor) { TakeWhile(cursor, [](char16_t c) { return c == u' '; }); }

int EnglishBook(std::u16string_view word) {
    std::u16string lower(word);
    for (char16_t& c : lower) c = c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
    for (int book = 0; book < kTorahBookCount; ++book) {
        std::u16string name(kBooks[book].english);
        name[0] = static_cast<char16_t>(name[0] - u'A' + u'a');
        if (lower == name) return book + 1;
        for (std::u16string_view abbreviation : kBooks[book].abbreviations)
            if (!abbreviation.empty() && lower == abbreviation) return book + 1;
    }
    return 0;
}

int HebrewBook(std::u16string_view word) {
    for (int book = 0; book < kTorahBookCount; ++book)
        if (word == kBooks[book].hebrew) return book + 1;
    return 0;
}

// The book at the cursor; 0 when there is none.
int ReadBook(Cursor& cursor) {
    if (const std::u16string_view english = TakeWhile(cursor, IsAsciiLetter); !english.empty()) {
        Take(cursor, u'.');
        return EnglishBook(english);
    }
    return HebrewBook(TakeWhile(cursor, IsHebrewLetter));
}

// A chapter or verse number at the cursor; 0 when there is none.
int ReadNumber(Cursor& cursor) {
    if (const std::u16string_view digits = TakeWhile(cursor, IsDigit); !digits.empty()) {
        if (digits.size() > kMaxNumberDigits) return 0;
        int value = 0;
        for (char16_t digit : digits) value = value * 10 + (digit - u'0');
        return value;
    }
    return HebrewNumeralValue(TakeWhile(cursor, [](char16_t c) { return IsHebrewLetter(c) || IsNumeralMark(c); }));
}

// Spaces, or one ":", "." or "," with spaces around it or not.
bool ReadSeparator(Cursor& cursor) {
    const size_t start = cursor.at;
    SkipSpaces(cursor);
    if (Take(cursor, u':') || Take(cursor, u'.') || Take(cursor, u',')) SkipSpaces(cursor);
    return cursor.at > start;
}

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

bool ParseVerseReference(std::u16string_view text, VerseReference& reference) {
    const std::u16string cleaned = Cleaned(text);
    Cursor cursor{cleaned};
    SkipSpaces(cursor);
    const int book = ReadBook(cursor);
    if (book == 0) return false;
    SkipSpaces(cursor);
    const int chapter = ReadNumber(cursor);
    if (chapter == 0 || !ReadSeparator(cursor)) return false;
    const int verse = ReadNumber(cursor);
    SkipSpaces(cursor);
    if (verse == 0 || cursor.at != cleaned.size()) return false;
    reference = {book, chapter, verse};
    return true;
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
