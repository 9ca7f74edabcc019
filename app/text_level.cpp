// Choosing the level of the text and keeping the View menu in step with it.
// A greyed item is not sent by its accelerator either, so Ctrl+3 does nothing
// while the font cannot show the cantillation.
#include "app/text_level.h"

#include "app/practice.h"
#include "app/program.h"
#include "resources/resource.h"
#include "view/reading_view.h"
#include "view/style_font.h"

namespace {

const wchar_t kCantillationItem[] = L"Vowels and &Cantillation\bCtrl+3";
const wchar_t kCantillationNotInFont[] = L"Vowels and Cantillation (not in this font)\bCtrl+3";

bool FontShowsCantillation() { return ViewFontShowsLayerMarks(program.view); }

void SetCantillationItem(HMENU menu, bool available) {
    MENUITEMINFOW item{};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_STRING | MIIM_STATE;
    item.dwTypeData = const_cast<wchar_t*>(available ? kCantillationItem : kCantillationNotInFont);
    item.fState = available ? MFS_ENABLED : MFS_GRAYED;
    SetMenuItemInfoW(menu, IDM_LEVEL_CANTILLATION, FALSE, &item);
}

}  // namespace

TextLevel ShownTextLevel() {
    const TextLevel stored = TextLevelFromStored(program.settings.Level);
    if (stored == TextLevel::kCantillation && !FontShowsCantillation()) return TextLevel::kVowels;
    return stored;
}

void ChooseTextLevel(HWND window, TextLevel level) {
    // A level chosen is a level to see: practice, which hides the marks, ends.
    EndPractice(window);
    program.settings.Level = static_cast<int32_t>(level);
    if (program.view != nullptr) {
        program.view->level = level;
        PaintView(program.view, true);
    }
    UpdateLevelMenu(window);
}

void UpdateLevelMenu(HWND window) {
    HMENU menu = GetMenu(window);
    if (menu == nullptr) return;
    SetCantillationItem(menu, FontShowsCantillation());
    const int shown = static_cast<int>(ShownTextLevel());
    CheckMenuRadioItem(menu, IDM_LEVEL_LETTERS, IDM_LEVEL_CANTILLATION, IDM_LEVEL_LETTERS + shown, MF_BYCOMMAND);
}
