// The bookmark list of the program state, its registry value and the
// Bookmark menu command with the question it asks before a removal.
#include "view/bookmarks.h"

#include "app/program.h"
#include "resources/resource.h"
#include "settings/registry.h"
#include "view/bookmark_list.h"
#include "view/dialog_place.h"

namespace {

constexpr char16_t kBookmarksValue[] = u"Bookmarks";

// True when the settings key or the value is not there at all, as opposed to
// a value that is there but could not be read.
bool IsValueMissing(const char16_t* name) {
    HKEY key = nullptr;
    const LONG opened =
        RegOpenKeyExW(HKEY_CURRENT_USER, reinterpret_cast<LPCWSTR>(kSettingsKey), 0, KEY_READ, &key);
    if (opened != ERROR_SUCCESS) return opened == ERROR_FILE_NOT_FOUND;
    const LONG queried = RegQueryValueExW(key, reinterpret_cast<LPCWSTR>(name), nullptr, nullptr, nullptr, nullptr);
    RegCloseKey(key);
    return queried == ERROR_FILE_NOT_FOUND;
}

// The question's answer: IDYES or IDNO, with this bit when the check box was
// ticked. Escape and the close box answer IDNO, and the check box then counts
// for nothing: backing out of the question leaves everything as it was.
constexpr INT_PTR kDontAskAgain = 0x100;

INT_PTR OnQuestionCommand(HWND dialog, int id) {
    if (id != IDYES && id != IDNO && id != IDCANCEL) return FALSE;
    const bool ticked = IsDlgButtonChecked(dialog, IDC_DONT_ASK_AGAIN) == BST_CHECKED;
    EndDialog(dialog, id == IDCANCEL ? IDNO : id | (ticked ? kDontAskAgain : 0));
    return TRUE;
}

INT_PTR CALLBACK RemoveBookmarkProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: CentreOnOwner(dialog); return TRUE;
    case WM_COMMAND: return OnQuestionCommand(dialog, LOWORD(wParam));
    case WM_CLOSE: EndDialog(dialog, IDNO); return TRUE;
    }
    return FALSE;
}

}  // namespace

void LoadBookmarks() {
    BookmarkList& list = program.bookmarks;
    uint32_t size = 0;
    const auto stored = RegReadBytesSized(kBookmarksValue, nullptr, size);
    if (stored) {
        ReadBookmarks(list, stored.get(), size);
    } else if (IsValueMissing(kBookmarksValue)) {
        ReadBookmarks(list, nullptr, 0);
    } else {
        list = BookmarkList{};
    }
}

void SaveBookmarks() {
    if (!program.bookmarks.loaded) return;
    const std::vector<uint8_t> bytes = BookmarkBytes(program.bookmarks);
    RegWriteBytes(kBookmarksValue, bytes.data(), static_cast<uint32_t>(bytes.size()));
}

void ReleaseBookmarks() { program.bookmarks = BookmarkList{}; }

int IsBookmarked() { return IsBookmarked(program.bookmarks, program.settings.Lesson) ? 1 : 0; }
void AddBookmark() { AddBookmark(program.bookmarks, program.settings.Lesson); }
void RemoveBookmark() { RemoveBookmark(program.bookmarks, program.settings.Lesson); }

void ToggleBookmark(int isBookmarked) {
    if (!isBookmarked) {
        AddBookmark();
        return;
    }
    if (!program.bookmarks.dontAsk) {
        const INT_PTR answer = DialogBoxParamW(program.instance, MAKEINTRESOURCEW(IDD_REMOVE_BOOKMARK),
                                               program.mainWindow, RemoveBookmarkProc, 0);
        if (answer > 0 && (answer & kDontAskAgain)) program.bookmarks.dontAsk = true;
        if (answer <= 0 || (answer & ~kDontAskAgain) != IDYES) return;
    }
    RemoveBookmark();
}

void UpdateBookmarkCheck(HWND window) {
    if (window == nullptr) window = program.mainWindow;
    if (window == nullptr) return;
    MENUITEMINFOW item{};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_STATE;
    item.fState = IsBookmarked() ? MFS_CHECKED : 0;
    SetMenuItemInfoW(GetMenu(window), IDM_BOOKMARK, FALSE, &item);
}

ArticleText PrependBookmarkGroup(ArticleText&& index) {
    return PrependBookmarkGroup(program.bookmarks, std::move(index));
}
