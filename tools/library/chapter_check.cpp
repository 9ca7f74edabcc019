// Reads the chapter marks back from the built texts through the store's
// record reader, so that the check sees what the program will see.
#include "tools/library/chapter_check.h"

#include <map>
#include <stdexcept>
#include <utility>

#include "store/article_records.h"
#include "store/article_text.h"
#include "store/verse_map.h"
#include "tools/library/hebrew_encoder.h"

namespace {

using Chapter = std::pair<std::string, int>;  // OSIS book, chapter

std::string Where(int article) { return "article " + std::to_string(article); }

// The verse whose label stands at the top of a record, that is read first.
const VerseEntry* VerseOpening(const std::vector<VerseEntry>& verses, const ArticleRecord& record) {
    for (const VerseEntry& verse : verses)
        if (record.length > 0 && verse.first == record.textPos + record.length - 1) return &verse;
    return nullptr;
}

bool IsChapterStart(const CodexBook& book, int chapter, int verse) {
    const std::string ref = book.book + "." + std::to_string(chapter) + "." + std::to_string(verse);
    const int at = FindVerse(book, ref);
    return at >= 0 && (at == 0 || book.verses[at - 1].chapter != chapter);
}

std::vector<uint8_t> StoredText(const std::vector<uint8_t>& text, const ArticleRecord& record) {
    return std::vector<uint8_t>(text.begin() + static_cast<long>(record.textPos),
                                text.begin() + static_cast<long>(record.textPos + record.length));
}

// Checks the marks of one article and counts them by chapter.
void CheckArticleMarks(const BuiltArticle& article, int number, const std::vector<BookEntry>& books,
                       const Codex& codex, std::map<Chapter, int>& marks) {
    ArticleRecord record;
    for (size_t pos = 0; ReadRecord(article.text, pos, record); pos = record.next) {
        if (record.attr != kAttrChapterMark) continue;
        ArticleRecord next;
        const bool hasNext = ReadRecord(article.text, record.next, next);
        const VerseEntry* verse = hasNext ? VerseOpening(article.verses, next) : nullptr;
        if (verse == nullptr) throw std::runtime_error(Where(number) + ": a chapter mark without a verse after it");
        const std::string& book = books.at(verse->book - 1).book;
        const std::string chapter = book + " " + std::to_string(verse->chapter);
        if (!IsChapterStart(codex.at(book), verse->chapter, verse->verse))
            throw std::runtime_error(Where(number) + ": a chapter mark inside " + chapter);
        DropReport report;
        const std::vector<uint8_t> mark = EncodePlainHebrew(ChapterMarkText(verse->chapter), chapter, report);
        if (StoredText(article.text, record) != ToVisualOrder(mark))
            throw std::runtime_error(Where(number) + ": the mark of " + chapter + " names another chapter");
        ++marks[{book, verse->chapter}];
    }
}

}  // namespace

void CheckChapterMarks(const std::vector<BuiltArticle>& built, const std::vector<ArticleEntry>& table,
                       const std::vector<BookEntry>& books, const Codex& codex) {
    std::map<Chapter, int> starts;
    for (size_t i = 0; i < built.size(); ++i) {
        std::map<Chapter, int> marks;
        CheckArticleMarks(built[i], table.at(i).article, books, codex, marks);
        if (table.at(i).portion < 0) continue;
        for (const auto& [chapter, count] : marks) starts[chapter] += count;
        for (const VerseRange& range : table.at(i).ranges) {
            VerseRef ref;
            if (ParseVerseRef(range.start, ref) && IsChapterStart(codex.at(ref.book), ref.chapter, ref.verse))
                ++starts[{ref.book, ref.chapter}];
        }
    }
    for (const auto& [name, book] : codex) {
        for (size_t i = 0; i < book.verses.size(); ++i) {
            const int chapter = book.verses[i].chapter;
            if (i > 0 && book.verses[i - 1].chapter == chapter) continue;
            const int count = starts[{name, chapter}];
            if (count != 1)
                throw std::runtime_error(name + " " + std::to_string(chapter) + " starts " + std::to_string(count) +
                                         " times in the weekly portions");
        }
    }
}
