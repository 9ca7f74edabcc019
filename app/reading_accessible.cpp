// What a screen reader learns of the Reading view: its name ("Miketz —
// Genesis 42:5–12", in Hebrew where the window's title is) and its value
// (the verses on the screen as Copy gives them), both built when asked for
// from what the view shows. Children (the toolbar, the scroll bar), places
// and navigation are the standard object's.
#include "app/reading_accessible.h"

#include "app/program.h"
#include "calendar/current_article.h"
#include "calendar/window_title.h"
#include "output/screen_text.h"
#include "store/article_resource.h"
#include "store/verse_map_resource.h"
#include "view/accessible_object.h"
#include "view/window_title.h"

namespace {

std::span<const VerseEntry> ShownVerses() {
    const uint16_t article = program.settings.Lesson;
    if (article < 1 || article > kArticleCount) return {};
    return ProgramVerseMap().articles[article];
}

std::u16string ReadingViewName(HWND) {
    const bool hebrew = IsHebrewUserInterface();
    const std::u16string article =
        ShownArticleName(program.settings.Lesson, ThisWeekPortions(), hebrew, ProgramArticleNames());
    if (program.view == nullptr) return article;
    const std::span<const VerseEntry> verses = ShownVerses();
    return ScreenName(article, verses, VersesOnScreen(*program.view, verses), hebrew);
}

std::u16string ReadingViewValue(HWND) {
    if (program.view == nullptr) return {};
    const std::span<const VerseEntry> verses = ShownVerses();
    return ScreenText(*program.view, verses, VersesOnScreen(*program.view, verses));
}

const AccessibleParts kReadingView{
    ROLE_SYSTEM_DOCUMENT, ReadingViewName, ReadingViewValue, STATE_SYSTEM_READONLY | STATE_SYSTEM_FOCUSABLE,
};

}  // namespace

LRESULT OnReadingViewGetObject(HWND window, WPARAM wParam, LPARAM lParam) {
    return AnswerGetObject(window, wParam, lParam, kReadingView);
}
