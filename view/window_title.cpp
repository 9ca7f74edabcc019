// The main window's title from the current article, this week's portions on
// both schedules and the user interface's language. The window is still
// found by its class, whatever its title says.
#include "view/window_title.h"

#include <string>

#include "app/program.h"
#include "calendar/current_article.h"
#include "calendar/window_title.h"
#include "store/article_resource.h"

bool IsHebrewUserInterface() { return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_HEBREW; }

void ShowArticleInTitle(HWND window) {
    if (window == nullptr) return;
    const std::u16string title =
        MainWindowTitle(program.settings.Lesson, ThisWeekPortions(), IsHebrewUserInterface(), ProgramArticleNames());
    SetWindowTextW(window, reinterpret_cast<const wchar_t*>(title.c_str()));
}
