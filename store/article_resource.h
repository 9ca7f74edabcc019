// Loading an article's compressed block from the program's own resources.
#pragma once

#include "store/article_index.h"
#include "store/compression.h"

// The decoded text of article `number` (resource 1000 + number, the index as
// 31767), or an empty text. A number below 1 yields nothing and stores no
// error code. A block that does not decode to its declared length shows
// "UnCompress() buffer error!" once.
ArticleText LoadArticleResource(int number, int* error);

// The Article index's names of the articles (see ArticleNamesFromIndex); all
// empty when the index cannot be loaded.
ArticleNames ProgramArticleNames();
