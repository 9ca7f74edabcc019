// The data tables that describe the library: the books of the Torah with their
// index groups, and the 57 articles with their names and verse ranges.
#pragma once

#include <string>
#include <vector>

struct BookEntry {
    std::string book;       // OSIS name, e.g. "Gen"
    std::u32string nameHe;  // unpointed Hebrew name
    int group = 0;          // 1..5, the heading in the Article index
    int firstArticle = 0;
    int lastArticle = 0;
};

// One verse range; start and end are OSIS references such as "Gen.6.9".
struct VerseRange {
    std::string book;
    std::string start;
    std::string end;
};

struct ArticleEntry {
    int article = 0;
    int portion = -1;  // -1 for the articles after the weekly portions
    std::string nameEn;
    std::u32string nameHe;
    std::vector<VerseRange> ranges;  // in reading order
    int verses = 0;                  // total over the ranges
};

// A special maftir: the reading of the leyning package's holiday data that
// gives its verses, and its names.
struct SpecialMaftirEntry {
    std::string key;
    std::string nameEn;
    std::u32string nameHe;
};

// The readers skip lines starting with '#' and blank lines, take the first other
// line as the header naming the tab-separated columns, and throw
// std::runtime_error naming the file and line when a row is malformed.
std::vector<BookEntry> ReadBooksTable(const std::string& path);
std::vector<ArticleEntry> ReadPortionsTable(const std::string& path);
std::vector<SpecialMaftirEntry> ReadSpecialMaftirsTable(const std::string& path);
