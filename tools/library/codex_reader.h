// Reader of one book of the Codex in its OSIS form: the verses in order, each
// as a list of words and marks, with the pointed reading (qere) already put in
// place of the written form.
#pragma once

#include <string>
#include <string_view>
#include <vector>

enum class CodexTokenKind {
    kWord,              // text holds the word, morpheme separators removed
    kMaqaf,
    kSofPasuq,
    kPaseq,
    kOpenParagraph,     // pe: the paragraph ends here
    kClosedParagraph,   // samekh: the paragraph ends here
    kReversedNun,       // a mark that the library leaves out
};

struct CodexToken {
    CodexTokenKind kind = CodexTokenKind::kWord;
    std::u32string text;
};

struct CodexVerse {
    std::string ref;  // OSIS reference, e.g. "Gen.1.1"
    int chapter = 0;
    int verse = 0;
    int qereReadings = 0;  // readings put in place of written forms
    std::vector<CodexToken> tokens;
};

struct CodexBook {
    std::string book;
    std::vector<CodexVerse> verses;  // in document order
};

struct VerseRef {
    std::string book;
    int chapter = 0;
    int verse = 0;
};

// Splits "Book.Chapter.Verse"; false when the text has another shape.
bool ParseVerseRef(std::string_view text, VerseRef& ref);

// Reads the book from path. Throws std::runtime_error when the file cannot be
// read or holds a verse element the reader does not know.
CodexBook ReadCodexBook(const std::string& path, const std::string& book);

// Position of the verse with the reference in book.verses, or -1.
int FindVerse(const CodexBook& book, const std::string& ref);
