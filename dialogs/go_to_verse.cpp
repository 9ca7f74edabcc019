// The Go to Verse dialog. Its edit is an ordinary one: the system's own
// keyboard types Hebrew into it, and pasted text comes as it is. The dialog
// keeps no state of its own; the reference is read when OK is pressed.
#include "dialogs/go_to_verse.h"

#include <new>

#include "app/program.h"
#include "resources/resource.h"
#include "store/verse_map_resource.h"
#include "store/verse_reference.h"
#include "view/navigation.h"

namespace {

constexpr int kReferenceMax = 80;
constexpr wchar_t kNotAReference[] = L"Type a book, a chapter and a verse, as Gen 42:5.";
constexpr wchar_t kNoSuchVerse[] = L"No weekly portion holds that verse.";

// The typed reference's verse opened in the main window; otherwise the
// message that says why not.
const wchar_t* OpenTypedVerse(const wchar_t* typed) {
    try {
        VerseReference reference;
        if (!ParseVerseReference(reinterpret_cast<const char16_t*>(typed), reference)) return kNotAReference;
        const VersePlace place = FindVerse(ProgramVerseMap(), reference);
        if (place.article != 0 && GoToVerse(program.mainWindow, place)) return nullptr;
    } catch (const std::bad_alloc&) {
    }
    return kNoSuchVerse;
}

void OnOk(HWND dialog) {
    wchar_t typed[kReferenceMax + 1] = {};
    GetDlgItemTextW(dialog, IDC_VERSE_TEXT, typed, kReferenceMax + 1);
    const wchar_t* refusal = OpenTypedVerse(typed);
    if (refusal == nullptr) {
        EndDialog(dialog, IDOK);
        return;
    }
    SetDlgItemTextW(dialog, IDC_VERSE_MESSAGE, refusal);
    HWND edit = GetDlgItem(dialog, IDC_VERSE_TEXT);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SetFocus(edit);
}

BOOL OnInitDialog(HWND dialog) {
    HWND edit = GetDlgItem(dialog, IDC_VERSE_TEXT);
    SendMessageW(edit, EM_LIMITTEXT, kReferenceMax, 0);
    SetFocus(edit);
    return FALSE;
}

void OnDialogCommand(HWND dialog, int control, int notification) {
    if (control == IDOK) OnOk(dialog);
    if (control == IDCANCEL) EndDialog(dialog, IDCANCEL);
    // The message answers the text it was shown for.
    if (control == IDC_VERSE_TEXT && notification == EN_CHANGE) SetDlgItemTextW(dialog, IDC_VERSE_MESSAGE, L"");
}

INT_PTR CALLBACK GoToVerseDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: return OnInitDialog(dialog);
    case WM_COMMAND: OnDialogCommand(dialog, LOWORD(wParam), HIWORD(wParam)); return TRUE;
    case WM_CLOSE: EndDialog(dialog, IDCANCEL); return TRUE;
    }
    return FALSE;
}

}  // namespace

void OpenGoToVerseDialog(HWND owner) {
    DialogBoxParamW(program.instance, MAKEINTRESOURCEW(IDD_GO_TO_VERSE), owner, GoToVerseDialogProc, 0);
}
