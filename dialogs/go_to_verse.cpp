// The Go to Verse dialog. Its edit is an ordinary one: the system's own
// keyboard types Hebrew into it, and pasted text comes as it is. The dialog
// keeps no state of its own; the reference is read when OK is pressed, and
// the one opened last is offered again, selected, at the next opening.
#include "dialogs/go_to_verse.h"

#include <new>
#include <string>

#include "app/program.h"
#include "resources/resource.h"
#include "store/verse_lookup.h"
#include "store/verse_map_resource.h"
#include "view/dialog_place.h"
#include "view/navigation.h"

namespace {

constexpr int kReferenceMax = 80;
constexpr char16_t kNotOpened[] = u"The weekly portion that holds it could not be opened.";

const wchar_t* Wide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

// Opens the typed reference's verses in the main window; otherwise returns
// the message that says why not.
std::u16string OpenTypedVerses(const std::u16string& typed) {
    try {
        const VerseLookup lookup = LookUpReference(ProgramVerseMap(), typed);
        if (lookup.result != LookupResult::kFound) return LookupMessage(lookup);
        if (GoToVerses(program.mainWindow, lookup.article, lookup.first, lookup.last)) return {};
    } catch (const std::bad_alloc&) {
    }
    return kNotOpened;
}

void SelectTheReference(HWND dialog) {
    HWND edit = GetDlgItem(dialog, IDC_VERSE_TEXT);
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
}

void OnOk(HWND dialog) {
    wchar_t typed[kReferenceMax + 1] = {};
    GetDlgItemTextW(dialog, IDC_VERSE_TEXT, typed, kReferenceMax + 1);
    const std::u16string reference(reinterpret_cast<const char16_t*>(typed));
    const std::u16string refusal = OpenTypedVerses(reference);
    if (refusal.empty()) {
        program.verseTyped = reference;
        EndDialog(dialog, IDOK);
        return;
    }
    SetDlgItemTextW(dialog, IDC_VERSE_MESSAGE, Wide(refusal));
    SelectTheReference(dialog);
}

BOOL OnInitDialog(HWND dialog) {
    CentreOnOwner(dialog);
    SendDlgItemMessageW(dialog, IDC_VERSE_TEXT, EM_LIMITTEXT, kReferenceMax, 0);
    SetDlgItemTextW(dialog, IDC_VERSE_TEXT, Wide(program.verseTyped));
    SelectTheReference(dialog);
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
