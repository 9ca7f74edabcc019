// Reads the aliyah table from the program's resources the first time an
// aliyah is looked up; the article blocks' loader expands it.
#include "store/aliyah_table_resource.h"

#include <new>

#include "app/program.h"
#include "store/article_resource.h"

const AliyahTable& ProgramAliyahTable() {
    if (program.aliyotRead) return program.aliyot;
    program.aliyotRead = true;
    try {
        const ArticleText block = LoadArticleResource(kAliyahTableArticleNumber, nullptr);
        ReadAliyahTable(block.data(), block.size(), program.aliyot);
    } catch (const std::bad_alloc&) {
        program.aliyot = AliyahTable{};
    }
    return program.aliyot;
}
