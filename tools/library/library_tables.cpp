// Readers of data/books.tsv, data/portions.tsv and data/special_maftirs.tsv.
// Columns are found by their header names, so the tables may gain columns;
// multi-range rows hold ';'-separated lists of equal length in the book,
// start and end columns.
#include "tools/library/library_tables.h"

#include <fstream>
#include <map>
#include <stdexcept>

#include "tools/library/utf8.h"

namespace {

using Fields = std::vector<std::string>;

Fields Split(const std::string& line, char separator) {
    Fields fields;
    size_t start = 0;
    while (true) {
        const size_t end = line.find(separator, start);
        fields.push_back(line.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) return fields;
        start = end + 1;
    }
}

// A table as header-named rows; where holds "file:line" of each row.
struct Table {
    std::map<std::string, size_t> columns;
    std::vector<Fields> rows;
    std::vector<std::string> where;
};

Table ReadTable(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot open " + path);
    Table table;
    std::string line;
    bool haveHeader = false;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        Fields fields = Split(line, '\t');
        if (!haveHeader) {
            for (size_t i = 0; i < fields.size(); ++i) table.columns[fields[i]] = i;
            haveHeader = true;
            continue;
        }
        table.rows.push_back(std::move(fields));
        table.where.push_back(path + ":" + std::to_string(number));
    }
    if (!haveHeader) throw std::runtime_error(path + ": no header line");
    return table;
}

const std::string& Field(const Table& table, size_t row, const std::string& name) {
    auto column = table.columns.find(name);
    if (column == table.columns.end()) throw std::runtime_error(table.where[row] + ": no column " + name);
    const Fields& fields = table.rows[row];
    if (column->second >= fields.size()) throw std::runtime_error(table.where[row] + ": missing " + name);
    return fields[column->second];
}

int IntField(const Table& table, size_t row, const std::string& name) {
    const std::string& text = Field(table, row, name);
    size_t used = 0;
    int value = 0;
    try {
        value = std::stoi(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (text.empty() || used != text.size()) throw std::runtime_error(table.where[row] + ": bad " + name);
    return value;
}

std::vector<VerseRange> RangesOfRow(const Table& table, size_t row) {
    const Fields books = Split(Field(table, row, "book"), ';');
    const Fields starts = Split(Field(table, row, "start"), ';');
    const Fields ends = Split(Field(table, row, "end"), ';');
    if (books.size() != starts.size() || books.size() != ends.size())
        throw std::runtime_error(table.where[row] + ": book, start and end lists differ in length");
    std::vector<VerseRange> ranges;
    for (size_t i = 0; i < books.size(); ++i) ranges.push_back({books[i], starts[i], ends[i]});
    return ranges;
}

}  // namespace

std::vector<BookEntry> ReadBooksTable(const std::string& path) {
    const Table table = ReadTable(path);
    std::vector<BookEntry> books;
    for (size_t row = 0; row < table.rows.size(); ++row) {
        BookEntry book;
        book.book = Field(table, row, "book");
        book.nameHe = DecodeUtf8(Field(table, row, "name_he"));
        book.group = IntField(table, row, "group");
        book.firstArticle = IntField(table, row, "first_article");
        book.lastArticle = IntField(table, row, "last_article");
        books.push_back(std::move(book));
    }
    return books;
}

std::vector<ArticleEntry> ReadPortionsTable(const std::string& path) {
    const Table table = ReadTable(path);
    std::vector<ArticleEntry> articles;
    for (size_t row = 0; row < table.rows.size(); ++row) {
        ArticleEntry article;
        article.article = IntField(table, row, "article");
        article.portion = Field(table, row, "portion").empty() ? -1 : IntField(table, row, "portion");
        article.nameEn = Field(table, row, "name_en");
        article.nameHe = DecodeUtf8(Field(table, row, "name_he"));
        article.ranges = RangesOfRow(table, row);
        article.verses = IntField(table, row, "verses");
        articles.push_back(std::move(article));
    }
    return articles;
}

std::vector<SpecialMaftirEntry> ReadSpecialMaftirsTable(const std::string& path) {
    const Table table = ReadTable(path);
    std::vector<SpecialMaftirEntry> entries;
    for (size_t row = 0; row < table.rows.size(); ++row) {
        entries.push_back({Field(table, row, "key"), Field(table, row, "name_en"),
                           DecodeUtf8(Field(table, row, "name_he"))});
    }
    return entries;
}
