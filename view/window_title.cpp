// The main window's title from the current article, the aliyah at the top
// row, this week's portions on both schedules and the user interface's
// language. The window is still found by its class, whatever its title says.
#include "view/window_title.h"

#include <string>

#include "app/program.h"
#include "calendar/current_article.h"
#include "calendar/window_title.h"
#include "store/aliyah_table_resource.h"
#include "store/article_resource.h"
#include "view/aliyah_marks.h"
#include "view/reading_view.h"

int AliyahAtTopRow() {
    const ViewState* view = program.view;
    if (view == nullptr || view->article != program.settings.Lesson) return 0;
    const AliyahGone& gone = program.aliyahGone;
    const AliyahTable& table = ProgramAliyahTable();
    if (gone.article == view->article && gone.topRow == view->topRow && gone.division >= 0 &&
        static_cast<size_t>(gone.division) < table.divisions.size()) {
        const Division& division = table.divisions[gone.division];
        if (division.kind == DivisionKind::kPortion && division.group == view->article) return division.number;
    }
    const int mark = MarkAtTop(*view);
    return mark >= 0 ? view->aliyahMarks[mark].numbers[0] : 0;
}

bool IsHebrewUserInterface() { return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_HEBREW; }

void ShowArticleInTitle(HWND window) {
    if (window == nullptr) return;
    program.titleAliyah = AliyahAtTopRow();
    const std::u16string title = MainWindowTitle(program.settings.Lesson, ThisWeekPortions(), IsHebrewUserInterface(),
                                                 ProgramArticleNames(), program.titleAliyah);
    SetWindowTextW(window, reinterpret_cast<const wchar_t*>(title.c_str()));
}

void FollowTopRowInTitle(HWND window) {
    if (window != nullptr && AliyahAtTopRow() != program.titleAliyah) ShowArticleInTitle(window);
}
