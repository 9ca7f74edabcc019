// "Search Again" over the library: the portable walk finds the hit, this
// side loads its article into the Reading view when it lies in another one,
// brings it to the top, highlights it and shows the banner, or tells the user
// that nothing was found.
#include "dialogs/search.h"

#include "app/program.h"
#include "dialogs/hit_banner.h"
#include "dialogs/search_walk.h"
#include "store/article_resource.h"
#include "view/bookmarks.h"
#include "view/layout.h"
#include "view/navigation.h"
#include "view/reading_view.h"

namespace {

ArticleText LoadForSearch(int article) { return LoadArticleResource(article, nullptr); }

// Makes the hit's article the current one. A text the view refuses, or
// memory that runs out, leaves the shown article, Lesson and Flags as they were.
bool SwitchToHitArticle(LibraryHit& found) {
    if (!MakeCurrentArticle(found.article, std::move(found.text))) return false;
    UpdateBookmarkCheck(program.mainWindow);
    return true;
}

void ShowHitInView(ViewState* view, TextHit hit) {
    FindRowForOffset(*view, hit.offset);
    view->highlightStart = static_cast<uint16_t>(hit.offset - hit.length + 1);
    view->highlightEnd = static_cast<uint16_t>(hit.offset + 1);
    RepaintView(program.mainWindow, kPaintClearClient | 0xFF);
    ShowHitBanner(view);
}

}  // namespace

int ShowSearchHit(LibraryHit& found) {
    if (program.view == nullptr || (found.article != 0 && !SwitchToHitArticle(found))) return 0;
    ShowHitInView(program.view, found.hit);
    return 1;
}

int SearchAgain(HWND owner) {
    const char* searchText = program.settings.SearchString;
    const size_t count = SearchTextLength(searchText, kSearchStringMax);
    if (count == 0 || program.view == nullptr) return 0;
    const auto* pattern = reinterpret_cast<const uint8_t*>(searchText);
    LibraryHit found = FindNextHit(program.view, program.settings.Lesson, pattern, count, LoadForSearch);
    if (!found.found) {
        MessageBoxW(owner, L"Not Found!", L"Velmora", MB_OK);
        return 0;
    }
    return ShowSearchHit(found);
}
