// The context menu of the Reading view, menu resource 150. Its commands are
// the main menu's, dispatched the same way, apart from Select Verse, which
// needs the point the menu was asked for at.
#include "app/context_menu.h"

#include "app/main_window.h"
#include "app/program.h"
#include "resources/resource.h"
#include "view/bookmarks.h"
#include "view/verse_drag.h"

namespace {

// The items say what they copy when verses are selected.
void NameTheSelection(HMENU menu) {
    if (program.view == nullptr || program.view->selection.first < 0) return;
    ModifyMenuW(menu, IDM_COPY, MF_BYCOMMAND | MF_STRING, IDM_COPY, L"&Copy Verses\bCtrl+C");
    ModifyMenuW(menu, IDM_APPEND, MF_BYCOMMAND | MF_STRING, IDM_APPEND, L"&Append Verses to ClipBoard\bCtrl+E");
}

// Where a menu asked for from the keyboard opens: the text's top right
// corner, where its reading starts.
POINT KeyboardMenuPoint(HWND window) {
    POINT at{0, 0};
    if (program.view != nullptr) at = POINT{program.view->left + program.view->width, program.view->top};
    ClientToScreen(window, &at);
    return at;
}

void SelectVerseFor(HWND window, const POINT* screenPoint) {
    if (screenPoint == nullptr) {
        SelectFirstShownVerse();
        return;
    }
    POINT client = *screenPoint;
    ScreenToClient(window, &client);
    SelectVerseAt(client.x, client.y);
}

}  // namespace

void ShowViewContextMenu(HWND window, const POINT* screenPoint) {
    HMENU resource = LoadMenuW(program.instance, MAKEINTRESOURCEW(IDR_VIEW_MENU));
    if (resource == nullptr) return;
    HMENU menu = GetSubMenu(resource, 0);
    NameTheSelection(menu);
    CheckMenuItem(menu, IDM_BOOKMARK, MF_BYCOMMAND | (IsBookmarked() ? MF_CHECKED : MF_UNCHECKED));
    const POINT at = screenPoint != nullptr ? *screenPoint : KeyboardMenuPoint(window);
    const UINT align = screenPoint != nullptr ? TPM_LEFTALIGN : TPM_RIGHTALIGN;
    const int command =
        static_cast<int>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | align, at.x, at.y, 0, window, nullptr));
    DestroyMenu(resource);
    if (command == IDM_SELECT_VERSE) {
        SelectVerseFor(window, screenPoint);
    } else if (command != 0) {
        DispatchCommand(window, command);
    }
}
