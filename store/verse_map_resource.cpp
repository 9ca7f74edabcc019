// Reads the verse map from the program's resources the first time a verse is
// looked up; the article blocks' loader expands it.
#include "store/verse_map_resource.h"

#include <new>

#include "app/program.h"
#include "store/article_resource.h"

const VerseMap& ProgramVerseMap() {
    if (program.versesRead) return program.verses;
    program.versesRead = true;
    try {
        const ArticleText block = LoadArticleResource(kVerseMapArticleNumber, nullptr);
        ReadVerseMap(block.data(), block.size(), program.verses);
    } catch (const std::bad_alloc&) {
        program.verses = VerseMap{};
    }
    return program.verses;
}
