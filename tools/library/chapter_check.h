// The builder's own check of the chapter marks, made on the built texts.
#pragma once

#include <vector>

#include "tools/library/article_builder.h"

// Throws std::runtime_error, naming the article or the chapter, unless every
// chapter mark of an article says "פרק" and its chapter and stands right
// before that chapter's first verse, and every chapter of the Codex starts
// exactly once in the weekly portions: after its mark, or as the first verse
// of a portion's range, which the range's heading names. built and table
// hold the articles in order, article 1 first.
void CheckChapterMarks(const std::vector<BuiltArticle>& built, const std::vector<ArticleEntry>& table,
                       const std::vector<BookEntry>& books, const Codex& codex);
