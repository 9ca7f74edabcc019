// The command dispatcher and the menu's check marks.
#include <windows.h>

#include "app/about_box.h"
#include "app/aliyot.h"
#include "app/main_window.h"
#include "app/practice.h"
#include "app/program.h"
#include "app/text_level.h"
#include "app/update_check.h"
#include "app/zoom.h"
#include "dialogs/calendar_window.h"
#include "dialogs/choose_section.h"
#include "dialogs/font_dialog.h"
#include "dialogs/go_to_verse.h"
#include "dialogs/search.h"
#include "dialogs/search_dialog.h"
#include "output/export_article.h"
#include "output/printing.h"
#include "resources/resource.h"
#include "view/navigation.h"
#include "view/bookmarks.h"
#include "view/reading_view.h"

namespace {

// The font the Reading view draws with, which the dialogs show text in.
FontSettings ViewFontSettings() {
    return program.view != nullptr ? program.view->fontSettings : ZoomedFontSettings();
}

// The two Choose Article commands: the window, then the chosen article
// when it is not the current one.
void ChooseArticle(HWND window) {
    const uint16_t chosen = ShowChooseSection(window, program.settings.Lesson, ViewFontSettings(),
                                              IsReverseOn(program.settings.Flags));
    if (chosen != 0 && chosen != program.settings.Lesson) GoToArticle(window, chosen);
}

// The new font reaches the view only after OK, at the size chosen there, not
// zoomed; the scroll bar follows its rows.
void ChooseDisplayFont(HWND window) {
    if (ShowFontDialog(window, program.settings.font) != 1) return;
    program.settings.Zoom = 0;
    ApplyFontSettings(program.view, &program.settings.font);
    UpdateScrollBar(window);
    UpdateLevelMenu(window);
}

// The commands numbered in runs: the aliyot, the practice steps and the
// other readings' divisions.
int DispatchRangeCommand(HWND window, int command) {
    if (command >= IDM_ALIYAH_1 && command <= IDM_ALIYAH_MAFTIR) {
        GoToAliyah(window, command - IDM_ALIYAH_1 + 1);
    } else if (command >= IDM_PRACTICE_REVEAL_WORD && command <= IDM_PRACTICE_END_ROUND) {
        RunPracticeStep(window, static_cast<PracticeStep>(command - IDM_PRACTICE_REVEAL_WORD));
    } else if (command >= IDM_OTHER_DIVISION_FIRST && command <= IDM_OTHER_DIVISION_LAST) {
        GoToOtherDivision(window, command);
    } else {
        return 1;
    }
    return 0;
}

}  // namespace

int DispatchCommand(HWND window, int command) {
    switch (command) {
    case IDM_THIS_WEEK: GoToArticle(window, 0); return 0;
    case IDM_OTHER_SCHEDULE: GoToOtherSchedule(window); return 0;
    case IDM_CALENDAR: ShowCalendarWindow(window); return 0;
    case IDM_NEXT_ARTICLE: NextArticle(window); return 0;
    case IDM_PREVIOUS_ARTICLE: PreviousArticle(window); return 0;
    case IDM_CHOOSE_SECTION:
    case IDM_CHOOSE_ARTICLE: ChooseArticle(window); return 0;
    case IDM_BOOKMARK:
        ToggleBookmark(IsBookmarked());
        UpdateBookmarkCheck(window);
        return 0;
    case IDM_SEARCH: OpenSearchDialog(window, ViewFontSettings()); return 0;
    case IDM_SEARCH_AGAIN: SearchAgain(window); return 0;
    case IDM_GO_TO_VERSE: OpenGoToVerseDialog(window); return 0;
    case IDM_FONT: ChooseDisplayFont(window); return 0;
    case IDM_CHECK_FOR_UPDATES: CheckForUpdates(window); return 0;
    case IDM_ABOUT: ShowAboutBox(window); return 0;
    case IDM_COPY: ExportArticle(program.view, false); return 0;
    case IDM_APPEND: ExportArticle(program.view, true); return 0;
    case IDM_REVERSE:
        UpdateReverseCheck(window, false);
        if (program.view != nullptr) PaintView(program.view, true);
        return 0;
    case IDM_PRINT: PrintArticle(program.view); return 0;
    case IDM_ZOOM_IN: ZoomDisplayFont(window, +1); return 0;
    case IDM_ZOOM_OUT: ZoomDisplayFont(window, -1); return 0;
    case IDM_ZOOM_RESET: ResetZoom(window); return 0;
    case IDM_LEVEL_LETTERS: ChooseTextLevel(window, TextLevel::kLettersOnly); return 0;
    case IDM_LEVEL_VOWELS: ChooseTextLevel(window, TextLevel::kVowels); return 0;
    case IDM_LEVEL_CANTILLATION: ChooseTextLevel(window, TextLevel::kCantillation); return 0;
    case IDM_NEXT_ALIYAH: StepAliyah(window, +1); return 0;
    case IDM_PREVIOUS_ALIYAH: StepAliyah(window, -1); return 0;
    case IDM_SELECT_ALIYAH: SelectAliyah(); return 0;
    case IDM_SHOW_ALIYOT: ToggleShowAliyot(window); return 0;
    case IDM_PRACTICE: TogglePractice(window); return 0;
    case IDM_PRACTICE_LETTERS: ChoosePracticeLevel(window, TextLevel::kLettersOnly); return 0;
    case IDM_PRACTICE_VOWELS: ChoosePracticeLevel(window, TextLevel::kVowels); return 0;
    case IDM_PRACTICE_SHOW_ALL: ShowEverything(window, !program.practice.peeking); return 0;
    // The File menu shows Ctrl+Q beside Exit, and the accelerator sends command 1.
    case IDM_CTRL_Q:
    case IDM_EXIT: DestroyWindow(window); return 0;
    }
    return DispatchRangeCommand(window, command);
}

int UpdateMenuCheck(HMENU menu, bool setMode, int command, int value) {
    bool checked = value != 0;
    if (!setMode) checked = (GetMenuState(menu, command, MF_BYCOMMAND) & MF_CHECKED) == 0;
    MENUITEMINFOW item{};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_STATE;
    item.fState = checked ? MFS_CHECKED : 0;
    SetMenuItemInfoW(menu, command, FALSE, &item);
    return checked ? 1 : 0;
}

void UpdateReverseCheck(HWND window, bool setMode) {
    uint32_t& flags = program.settings.Flags;
    const int checked = UpdateMenuCheck(GetMenu(window), setMode, IDM_REVERSE, IsReverseOn(flags) ? 1 : 0);
    flags = checked ? flags | kFlagReverse : flags & ~kFlagReverse;
    if (program.view != nullptr) program.view->reverseOption = checked != 0;
}
