// The library build: reads the tables, the Codex and the readings, assembles
// every text, compresses it into a block and writes the blocks with their
// resource script.
#include "tools/library/library_build.h"

#include <fstream>
#include <stdexcept>

#include "store/compression.h"
#include "store/mark_layer.h"
#include "store/verse_map.h"
#include "tools/encoder/block_encoder.h"
#include "tools/library/aliyah_builder.h"
#include "tools/library/article_builder.h"
#include "tools/library/chapter_check.h"
#include "tools/library/index_builder.h"
#include "tools/library/library_tables.h"

namespace {

constexpr uint16_t kFirstExtraBlockNumber = 81;

Codex ReadCodex(const std::string& codexDir, const std::vector<BookEntry>& books) {
    Codex codex;
    for (const BookEntry& book : books) codex[book.book] = ReadCodexBook(codexDir + "/" + book.book + ".xml", book.book);
    return codex;
}

std::string ArticleFileName(int resourceId) { return "article_" + std::to_string(resourceId) + ".bin"; }
std::string MarksFileName(int resourceId) { return "marks_" + std::to_string(resourceId) + ".bin"; }

BuiltResource MakeResource(int resourceId, std::string name, std::string fileName, std::vector<uint8_t> text,
                           uint16_t number, uint16_t numberAgain) {
    BuiltResource resource{resourceId, std::move(name), std::move(fileName), std::move(text), {}};
    resource.block = EncodeBlock(resource.text, number, numberAgain);
    return resource;
}

}  // namespace

uint16_t BlockNumberOfArticle(int article) {
    if (article <= kWeeklyPortionArticles) return static_cast<uint16_t>(article);
    return static_cast<uint16_t>(kFirstExtraBlockNumber + (article - kWeeklyPortionArticles - 1));
}

BuiltLibrary BuildLibrary(const std::string& codexDir, const std::string& dataDir, const std::string& leyningDir) {
    const std::vector<BookEntry> books = ReadBooksTable(dataDir + "/books.tsv");
    const std::vector<ArticleEntry> articles = ReadPortionsTable(dataDir + "/portions.tsv");
    if (articles.size() != static_cast<size_t>(kArticleCount))
        throw std::runtime_error("the portions table holds " + std::to_string(articles.size()) + " articles");
    const Codex codex = ReadCodex(codexDir, books);
    BuiltLibrary library;
    std::vector<BuiltArticle> built;
    VerseMap verseMap;
    for (size_t i = 0; i < articles.size(); ++i) {
        const ArticleEntry& article = articles[i];
        if (article.article != static_cast<int>(i) + 1) throw std::runtime_error("articles out of order in the portions table");
        built.push_back(BuildArticle(article, books, codex, library.report));
        verseMap.articles[article.article] = built.back().verses;
        const uint16_t number = BlockNumberOfArticle(article.article);
        const int resourceId = kArticleResourceBase + article.article;
        library.resources.push_back(MakeResource(resourceId, article.nameEn, ArticleFileName(resourceId),
                                                 built.back().text, number, number));
    }
    CheckChapterMarks(built, articles, books, codex);
    // Each article's marks layer, in a block of its own beside the article's.
    for (size_t i = 0; i < articles.size(); ++i) {
        const int article = articles[i].article;
        const uint16_t number = BlockNumberOfArticle(article);
        const int resourceId = kMarkLayerResourceBase + article;
        for (const LetterMarks& letter : built[i].marks) library.report.layerMarks += letter.count;
        library.resources.push_back(MakeResource(resourceId, articles[i].nameEn + " marks", MarksFileName(resourceId),
                                                 WriteMarkLayer(built[i].text, built[i].text.size(), built[i].marks),
                                                 number, number));
    }
    library.resources.push_back(MakeResource(kIndexResourceId, "Article index", "index_32767.bin",
                                             BuildIndexText(books, articles, library.report), kIndexBlockNumber,
                                             kIndexBlockNumberAgain));
    library.resources.push_back(MakeResource(kVerseMapResourceId, "Verse map", "verses_32766.bin",
                                             WriteVerseMap(verseMap), kVerseMapBlockNumber, kVerseMapBlockNumberAgain));
    const AliyahTable aliyot = BuildAliyahTable(leyningDir, dataDir, books, articles, codex);
    library.resources.push_back(MakeResource(kAliyahTableResourceId, "Aliyah table", "aliyot_32764.bin",
                                             WriteAliyahTable(aliyot), kAliyahTableBlockNumber,
                                             kAliyahTableBlockNumberAgain));
    return library;
}

void WriteLibrary(const BuiltLibrary& library, const std::string& outDir) {
    // The script is written last: it is the build's mark that the blocks are complete.
    std::string script;
    for (const BuiltResource& resource : library.resources) {
        const std::string path = outDir + "/" + resource.fileName;
        std::ofstream file(path, std::ios::binary);
        file.write(reinterpret_cast<const char*>(resource.block.data()), static_cast<std::streamsize>(resource.block.size()));
        if (!file) throw std::runtime_error("cannot write " + path);
        script += std::to_string(resource.resourceId) + " RCDATA \"" + resource.fileName + "\"\n";
    }
    std::ofstream file(outDir + "/library.rc", std::ios::binary);
    file << script;
    if (!file) throw std::runtime_error("cannot write " + outDir + "/library.rc");
}
