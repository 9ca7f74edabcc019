// Reading typed verse references. The text is cleaned first (marks dropped,
// spaces made plain, punctuation at the ends cut off), then walked once: a
// book, a chapter, perhaps a verse, perhaps the end of a range. A text that
// names no book of the Torah but otherwise reads as a reference names some
// other book, which deserves its own answer.
#include "store/reference_reader.h"

#include <string>

#include "store/hebrew_numerals.h"

namespace {

struct BookSpelling {
    std::u16string_view spelling;
    int book;
};

// In lower case.
constexpr BookSpelling kLatinSpellings[] = {
    {u"genesis", 1},     {u"gen", 1},        {u"gn", 1},        {u"ge", 1},          {u"bereshit", 1},
    {u"bereishit", 1},   {u"bereshith", 1},  {u"bereishis", 1}, {u"exodus", 2},      {u"ex", 2},
    {u"exo", 2},         {u"exod", 2},       {u"shemot", 2},    {u"shemos", 2},      {u"shmot", 2},
    {u"leviticus", 3},   {u"lev", 3},        {u"lv", 3},        {u"le", 3},          {u"vayikra", 3},
    {u"vayyikra", 3},    {u"wayyiqra", 3},   {u"numbers", 4},   {u"num", 4},         {u"nu", 4},
    {u"nm", 4},          {u"nb", 4},         {u"bamidbar", 4},  {u"bemidbar", 4},    {u"deuteronomy", 5},
    {u"deut", 5},        {u"dt", 5},         {u"de", 5},        {u"deu", 5},         {u"devarim", 5},
    {u"dvarim", 5},      {u"devorim", 5},
};
constexpr BookSpelling kHebrewNames[] = {
    {u"בראשית", 1}, {u"שמות", 2}, {u"ויקרא", 3}, {u"במדבר", 4}, {u"דברים", 5},
};
// Abbreviations end in a geresh.
constexpr BookSpelling kHebrewAbbreviations[] = {
    {u"בר", 1}, {u"שמ", 2}, {u"ויק", 3}, {u"במ", 4}, {u"דב", 5},
};
constexpr std::u16string_view kChapterWord = u"פרק";
constexpr std::u16string_view kVerseWord = u"פסוק";

constexpr int kMaxNumberDigits = 3;
constexpr int kMaxBookNumberDigits = 1;  // "1 Kings", "2 Sam"

bool IsAsciiLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsHebrewLetter(char16_t c) { return c >= u'\u05D0' && c <= u'\u05EA'; }
bool IsGeresh(char16_t c) { return c == u'\u05F3' || c == u'\''; }
bool IsNumeralMark(char16_t c) { return IsGeresh(c) || c == u'\u05F4' || c == u'"'; }
bool IsSpace(char16_t c) { return c == u' ' || c == u'\t' || c == u'\u00A0'; }
bool IsDash(char16_t c) { return c == u'-' || (c >= u'\u2010' && c <= u'\u2014') || c == u'\u05BE'; }
bool IsEndPunctuation(char16_t c) {
    return c == u' ' || c == u'.' || c == u',' || c == u';' || c == u'!' || c == u'?';
}

// Direction marks and embeddings that pasted text brings, and points and
// accents of pointed text.
bool IsPassedOver(char16_t c) {
    const bool mark = (c >= u'\u0591' && c <= u'\u05BD') || c == u'\u05BF' || c == u'\u05C1' || c == u'\u05C2' ||
                      c == u'\u05C4' || c == u'\u05C5' || c == u'\u05C7';
    return mark || c == u'\u200E' || c == u'\u200F' || (c >= u'\u202A' && c <= u'\u202E') ||
           (c >= u'\u2066' && c <= u'\u2069');
}

// Typographic quotes stand for the apostrophe and the double quote that
// people type for geresh and gershayim.
char16_t Plain(char16_t c) {
    if (IsSpace(c)) return u' ';
    if (c == u'\u2018' || c == u'\u2019') return u'\'';
    if (c == u'\u201C' || c == u'\u201D') return u'"';
    return c;
}

std::u16string Cleaned(std::u16string_view text) {
    std::u16string cleaned;
    for (char16_t c : text) {
        if (!IsPassedOver(c)) cleaned += Plain(c);
    }
    size_t end = cleaned.size();
    while (end > 0 && IsEndPunctuation(cleaned[end - 1])) --end;
    size_t start = 0;
    while (start < end && cleaned[start] == u' ') ++start;
    return cleaned.substr(start, end - start);
}

struct Cursor {
    std::u16string_view text;
    size_t at = 0;
    bool AtEnd() const { return at >= text.size(); }
};

template <typename Predicate>
std::u16string_view TakeWhile(Cursor& cursor, Predicate keep) {
    const size_t start = cursor.at;
    while (!cursor.AtEnd() && keep(cursor.text[cursor.at])) ++cursor.at;
    return cursor.text.substr(start, cursor.at - start);
}

template <typename Predicate>
bool TakeOne(Cursor& cursor, Predicate wanted) {
    if (cursor.AtEnd() || !wanted(cursor.text[cursor.at])) return false;
    ++cursor.at;
    return true;
}

bool Take(Cursor& cursor, char16_t c) {
    return TakeOne(cursor, [c](char16_t next) { return next == c; });
}

void SkipSpaces(Cursor& cursor) { TakeWhile(cursor, [](char16_t c) { return c == u' '; }); }

// A whole Hebrew word at the cursor, such as "פרק".
bool TakeWord(Cursor& cursor, std::u16string_view word) {
    if (cursor.text.substr(cursor.at, word.size()) != word) return false;
    const size_t after = cursor.at + word.size();
    if (after < cursor.text.size() && IsHebrewLetter(cursor.text[after])) return false;
    cursor.at = after;
    return true;
}

template <size_t N>
int BookOf(const BookSpelling (&spellings)[N], std::u16string_view word) {
    for (const BookSpelling& spelling : spellings)
        if (word == spelling.spelling) return spelling.book;
    return 0;
}

int LatinBook(std::u16string_view word) {
    std::u16string lower(word);
    for (char16_t& c : lower) c = c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
    return BookOf(kLatinSpellings, lower);
}

// A book's name or abbreviation at the cursor, in Latin or Hebrew letters:
// the word and its period or geresh, when there is one. Returns the Torah
// book it names, or 0 (the word is taken all the same); false without a word.
bool ReadBookWord(Cursor& cursor, int& book) {
    if (const std::u16string_view latin = TakeWhile(cursor, IsAsciiLetter); !latin.empty()) {
        Take(cursor, u'.');
        book = LatinBook(latin);
        return true;
    }
    const std::u16string_view hebrew = TakeWhile(cursor, IsHebrewLetter);
    if (hebrew.empty()) return false;
    book = TakeOne(cursor, IsGeresh) ? BookOf(kHebrewAbbreviations, hebrew) : BookOf(kHebrewNames, hebrew);
    return true;
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

// The end of a range after its dash: a verse of the same chapter, or a
// chapter and a verse.
bool ReadRangeEnd(Cursor& cursor, TypedReference& reference) {
    SkipSpaces(cursor);
    const int number = ReadNumber(cursor);
    if (number == 0) return false;
    reference.last = reference.first;
    reference.last.verse = number;
    reference.form = ReferenceForm::kRange;
    if (cursor.AtEnd()) return true;
    if (!ReadSeparator(cursor)) return false;
    reference.last = VerseReference{reference.first.book, number, ReadNumber(cursor)};
    return reference.last.verse != 0 && cursor.AtEnd();
}

// What follows the book, to the end of the text: a chapter, then perhaps a
// verse, then perhaps the end of a range.
bool ReadChapterAndVerse(Cursor& cursor, int book, TypedReference& reference) {
    SkipSpaces(cursor);
    if (TakeWord(cursor, kChapterWord)) SkipSpaces(cursor);
    const int chapter = ReadNumber(cursor);
    if (chapter == 0) return false;
    reference = TypedReference{ReferenceForm::kChapter, {book, chapter, 1}, {book, chapter, 1}};
    if (cursor.AtEnd()) return true;
    if (!ReadSeparator(cursor)) return false;
    if (TakeWord(cursor, kVerseWord)) SkipSpaces(cursor);
    reference.first.verse = ReadNumber(cursor);
    if (reference.first.verse == 0) return false;
    reference.last = reference.first;
    reference.form = ReferenceForm::kVerse;
    SkipSpaces(cursor);
    if (cursor.AtEnd()) return true;
    return TakeOne(cursor, IsDash) && ReadRangeEnd(cursor, reference);
}

// Words that name no book of the Torah, perhaps after a book's number
// ("1 Kings"), and then a chapter and perhaps a verse, as "Josh 1:1", "Song
// of Songs 2:3" or "מלכים א ב ג".
bool NamesAnotherBook(std::u16string_view cleaned) {
    Cursor cursor{cleaned};
    const std::u16string_view number = TakeWhile(cursor, IsDigit);
    if (number.size() > kMaxBookNumberDigits) return false;
    SkipSpaces(cursor);
    int book = 0;
    while (ReadBookWord(cursor, book)) {
        if (book != 0) return false;
        Cursor rest = cursor;
        TypedReference reference;
        if (ReadChapterAndVerse(rest, 1, reference)) return true;
        SkipSpaces(cursor);
    }
    return false;
}

}  // namespace

TypedReference ReadTypedReference(std::u16string_view text) {
    const std::u16string cleaned = Cleaned(text);
    Cursor cursor{cleaned};
    int book = 0;
    if (ReadBookWord(cursor, book) && book != 0) {
        SkipSpaces(cursor);
        Take(cursor, u',');
        TypedReference reference;
        if (ReadChapterAndVerse(cursor, book, reference)) return reference;
        return {};
    }
    if (NamesAnotherBook(cleaned)) return {ReferenceForm::kOtherBook, {}, {}};
    return {};
}
