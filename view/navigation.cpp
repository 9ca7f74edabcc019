// Loading articles into the Reading view: the first one at start-up, then
// by number, This Week, a step forward or back with wrap-around, or the
// portion that holds a verse.
#include "view/navigation.h"

#include "app/program.h"
#include "calendar/current_article.h"
#include "store/article_resource.h"
#include "store/verse_map_resource.h"
#include "view/bookmarks.h"
#include "view/layout.h"
#include "view/reading_view.h"

int OpenReadingView(HWND window, const FontSettings& font) {
    HDC dc = GetDC(window);
    const RECT box = ReadingViewBox(window);
    program.view = CreateView(dc, &box, font, 100);
    if (program.view == nullptr) {
        ReleaseDC(window, dc);
        return 1;
    }
    program.view->dpi = program.dpi;
    program.view->reverseOption = IsReverseOn(program.settings.Flags);
    // A text the layout refuses cannot be shown either.
    if (LayoutArticle(program.view, LoadArticleResource(program.settings.Lesson, nullptr), false) != 0) {
        MessageBoxW(window, L"Resource not found", L"Error", MB_ICONWARNING);
        return 0;
    }
    program.view->topRow = program.settings.LastPosition;
    UpdateScrollBar(window);
    return 0;
}

bool MakeCurrentArticle(uint16_t article, ArticleText&& text) {
    const Settings before = program.settings;
    SetCurrentArticle(article, true);
    if (text.empty()) text = LoadArticleResource(program.settings.Lesson, nullptr);
    // A text that cannot be shown counts as a failed load: the old article
    // stays, laid out as before.
    if (text.empty() || program.view == nullptr || ReplaceArticle(program.view, std::move(text)) != 0) {
        program.settings.Lesson = before.Lesson;
        program.settings.Flags = before.Flags;
        program.settings.LastPosition = before.LastPosition;
        return false;
    }
    program.view->topRow = 0;
    return true;
}

int GoToArticle(HWND window, uint16_t article) {
    if (!MakeCurrentArticle(article, {})) return 1;
    RepaintView(window, kPaintClearClient | 0xFF);
    UpdateBookmarkCheck(window);
    return 0;
}

int StepArticle(HWND window, int delta) {
    int article = program.settings.Lesson + delta;
    if (article > kArticleCount) article = 1;
    if (article < 1) article = kArticleCount;
    return GoToArticle(window, static_cast<uint16_t>(article));
}

int NextArticle(HWND window) { return StepArticle(window, +1); }
int PreviousArticle(HWND window) { return StepArticle(window, -1); }

bool GoToVerse(HWND window, VersePlace place) {
    if (place.article < 1 || place.article > kWeeklyPortionArticles || program.view == nullptr) return false;
    const std::vector<VerseEntry>& verses = ProgramVerseMap().articles[place.article];
    if (place.index >= verses.size()) return false;
    // Whatever can fail is done before the article changes.
    ArticleText text = LoadArticleResource(place.article, nullptr);
    const std::vector<TextSpan> spans = VerseSpans(text, verses, place.index, place.index);
    if (spans.empty() || !MakeCurrentArticle(static_cast<uint16_t>(place.article), std::move(text))) return false;
    ViewState& view = *program.view;
    FindRowForOffset(view, verses[place.index].first);
    view.highlightStart = spans.front().start;
    view.highlightEnd = spans.front().end;
    RepaintView(window, kPaintClearClient | 0xFF);
    UpdateBookmarkCheck(window);
    return true;
}
