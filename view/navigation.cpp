// Loading articles into the Reading view: the first one at start-up, then
// by number, This Week, a step forward or back with wrap-around, or the
// portion that holds a verse or a range of verses.
#include "view/navigation.h"

#include <algorithm>
#include <new>

#include "app/program.h"
#include "calendar/current_article.h"
#include "calendar/this_week.h"
#include "store/aliyah_table_resource.h"
#include "store/article_resource.h"
#include "store/verse_map_resource.h"
#include "view/aliyah_marks.h"
#include "view/bookmarks.h"
#include "view/layout.h"
#include "view/practice_view.h"
#include "view/reading_view.h"
#include "view/window_title.h"
#include "view/verse_drag.h"
#include "view/verse_selection.h"

bool ViewNamesAliyot(uint16_t article) {
    return program.settings.ShowAliyot != 0 && article >= 1 && article <= kWeeklyPortionArticles;
}

// The aliyot of the view's article, found once its text is laid in.
static void MarkAliyot(ViewState& view) {
    view.aliyahMarks.clear();
    if (view.article < 1 || view.article > kWeeklyPortionArticles) return;
    try {
        view.aliyahMarks = AliyahMarksOf(ProgramAliyahTable(), ProgramVerseMap().articles[view.article], view.article);
    } catch (const std::bad_alloc&) {
        view.aliyahMarks.clear();
    }
}

int OpenReadingView(HWND window, const FontSettings& font) {
    HDC dc = GetDC(window);
    const RECT box = ReadingViewBox(window);
    program.view = CreateView(dc, &box, font, 100);
    if (program.view == nullptr) {
        ReleaseDC(window, dc);
        return 1;
    }
    program.view->dpi = program.dpi;
    program.view->runningHead = true;
    program.view->reverseOption = IsReverseOn(program.settings.Flags);
    program.view->level = TextLevelFromStored(program.settings.Level);
    program.view->aliyahMargin = ViewNamesAliyot(program.settings.Lesson);
    // A text the layout refuses cannot be shown either.
    if (LayoutArticle(program.view, LoadArticleResource(program.settings.Lesson, nullptr), false) != 0) {
        MessageBoxW(window, L"Resource not found", L"Error", MB_ICONWARNING);
        return 0;
    }
    program.view->article = program.settings.Lesson;
    program.view->topRow = program.settings.LastPosition;
    MarkAliyot(*program.view);
    FollowArticleInPractice(*program.view);
    UpdateScrollBar(window);
    ShowArticleInTitle(window);
    return 0;
}

static bool ShowsLayer(const ViewState& view) {
    if (view.level == TextLevel::kCantillation) return true;
    return std::any_of(view.levelSpans.begin(), view.levelSpans.end(),
                       [](const LevelSpan& span) { return span.level == TextLevel::kCantillation; });
}

void EnsureMarkLayer(ViewState* view) {
    if (view == nullptr || view->article == 0 || view->marksArticle == view->article || !ShowsLayer(*view)) return;
    view->marksArticle = view->article;
    view->marks.letters.clear();
    try {
        const ArticleText layer = LoadArticleResource(kMarkLayerArticleOffset + view->article, nullptr);
        // The decoder's zero and spare byte are no part of the text the layer belongs to.
        const size_t textLength = view->text.size() >= 2 ? view->text.size() - 2 : 0;
        ReadMarkLayer(view->text, textLength, layer.data(), layer.size() >= 2 ? layer.size() - 2 : 0, view->marks);
    } catch (const std::bad_alloc&) {
        view->marks.letters.clear();
    }
}

bool MakeCurrentArticle(uint16_t article, ArticleText&& text) {
    const Settings before = program.settings;
    SetCurrentArticle(article, true);
    if (text.empty()) text = LoadArticleResource(program.settings.Lesson, nullptr);
    ViewState* view = program.view;
    const bool margin = view != nullptr && view->aliyahMargin;
    if (view != nullptr) view->aliyahMargin = ViewNamesAliyot(program.settings.Lesson);
    // A text that cannot be shown counts as a failed load: the old article
    // stays, laid out as before.
    if (text.empty() || view == nullptr || ReplaceArticle(view, std::move(text)) != 0) {
        program.settings.Lesson = before.Lesson;
        program.settings.Flags = before.Flags;
        program.settings.LastPosition = before.LastPosition;
        if (view != nullptr && view->aliyahMargin != margin) {
            view->aliyahMargin = margin;
            ResizeView(view, view->width, view->height);
        }
        return false;
    }
    view->article = program.settings.Lesson;
    view->topRow = 0;
    MarkAliyot(*view);
    FollowArticleInPractice(*view);
    ShowArticleInTitle(program.mainWindow);
    // A press on the old text has nothing left to select.
    EndViewPress();
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

// Back to this week's portion here is This Week itself, which pins nothing.
int GoToOtherSchedule(HWND window) {
    const WeekPortions week = ThisWeekPortions();
    const uint16_t article = OtherScheduleArticle(program.settings.Lesson, week);
    return GoToArticle(window, article == LocalWeekArticle(week) ? 0 : article);
}

bool GoToVerses(HWND window, int article, size_t first, size_t last) {
    if (article < 1 || article > kWeeklyPortionArticles || program.view == nullptr) return false;
    const std::vector<VerseEntry>& verses = ProgramVerseMap().articles[article];
    if (first > last || last >= verses.size()) return false;
    // Whatever can fail is done before the article changes.
    ArticleText text = LoadArticleResource(static_cast<uint16_t>(article), nullptr);
    const std::vector<TextSpan> spans = VerseSpans(text, verses, first, first);
    if (spans.empty() || VerseSpans(text, verses, first, last).empty() ||
        !MakeCurrentArticle(static_cast<uint16_t>(article), std::move(text)))
        return false;
    ViewState& view = *program.view;
    FindRowForOffset(view, verses[first].first);
    MovePracticeToVerse(view, first);
    if (first == last) {
        view.highlightStart = spans.front().start;
        view.highlightEnd = spans.front().end;
    } else {
        const int from = static_cast<int>(first);
        SetViewSelection(view, verses, VerseSelection{from, static_cast<int>(last), from});
    }
    RepaintView(window, kPaintClearClient | 0xFF);
    UpdateBookmarkCheck(window);
    return true;
}
