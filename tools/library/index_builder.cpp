// Builds the Article index with the row writer of the store, so that the
// builder and the program's readers share one definition of the row format.
#include "tools/library/index_builder.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "store/article_index.h"
#include "store/article_text.h"
#include "tools/library/hebrew_encoder.h"

namespace {

const std::u32string kBookPrefix = U"ספר ";

constexpr uint8_t kHeadingAttr = kIndexAttrShown | kAttrBold | kAttrLarger;
constexpr uint8_t kTopArticleAttr = kHeadingAttr;
// Hidden until the heading is opened; the style of body text.
constexpr uint8_t kGroupArticleAttr = 0x01;
constexpr uint8_t kTopLevel = 1;
constexpr uint8_t kGroupLevel = 2;

std::vector<uint8_t> TitleCodes(std::u32string_view title, DropReport& report) {
    return ToVisualOrder(EncodePlainHebrew(title, "index", report));
}

const ArticleEntry& ArticleOf(const std::vector<ArticleEntry>& articles, int number) {
    for (const ArticleEntry& article : articles)
        if (article.article == number) return article;
    throw std::runtime_error("article " + std::to_string(number) + " is not in the portions table");
}

bool InSomeGroup(const std::vector<BookEntry>& books, int number) {
    return std::any_of(books.begin(), books.end(), [number](const BookEntry& book) {
        return number >= book.firstArticle && number <= book.lastArticle;
    });
}

}  // namespace

std::vector<uint8_t> BuildIndexText(const std::vector<BookEntry>& books, const std::vector<ArticleEntry>& articles,
                                    DropReport& report) {
    std::vector<BookEntry> groups = books;
    std::stable_sort(groups.begin(), groups.end(), [](const BookEntry& a, const BookEntry& b) { return a.group < b.group; });
    std::vector<uint8_t> index;
    unsigned position = 0;
    for (const BookEntry& book : groups) {
        AppendIndexRow(index, HeadingRowId(++position), kHeadingAttr, kTopLevel, TitleCodes(kBookPrefix + book.nameHe, report));
        for (int number = book.firstArticle; number <= book.lastArticle; ++number) {
            const ArticleEntry& article = ArticleOf(articles, number);
            AppendIndexRow(index, ArticleRowId(number), kGroupArticleAttr, kGroupLevel, TitleCodes(article.nameHe, report));
            ++position;
        }
    }
    for (const ArticleEntry& article : articles) {
        if (InSomeGroup(books, article.article)) continue;
        AppendIndexRow(index, ArticleRowId(article.article), kTopArticleAttr, kTopLevel, TitleCodes(article.nameHe, report));
    }
    AppendIndexEnd(index);
    return index;
}
