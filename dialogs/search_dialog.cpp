// The Search dialog and its Hebrew typing. The edit keeps the text in visual
// order: every typed character goes left of the caret and the caret stays
// left of it, and Delete and Backspace remove the neighbour in reading order.
#include "dialogs/search_dialog.h"

#include <cstring>
#include <string>
#include <vector>

#include "app/program.h"
#include "dialogs/hebrew_typing.h"
#include "dialogs/search.h"
#include "resources/resource.h"
#include "view/font_size.h"
#include "view/view_state.h"

namespace {

// What the open dialog keeps: the edit's font and procedure, and the text it
// opened with, so that OK on an unchanged text keeps the stored search as it is.
struct SearchDialogState {
    HFONT editFont;
    WNDPROC editProc;
    std::wstring opened;
};

SearchDialogState dialogState{};

int AsciiBase() { return program.settings.font.FontAsciiBase; }

// The stored search as the edit shows it: in storage order, never reversed,
// so that the text the edit gives back is stored unchanged.
std::wstring ShownSearchText() {
    const char* stored = program.settings.SearchString;
    const int count = static_cast<int>(strnlen(stored, kSearchStringMax));
    std::vector<char16_t> buffer;
    const DisplayMode mode{AsciiBase(), false};
    const int adjustment = ToDisplayChars(reinterpret_cast<const uint8_t*>(stored), count, buffer, mode);
    return std::wstring(reinterpret_cast<const wchar_t*>(buffer.data()), static_cast<size_t>(count + adjustment));
}

HFONT CreateEditFont() {
    const FontSettings& font = program.view != nullptr ? program.view->fontSettings : program.settings.font;
    LOGFONTW description{};
    description.lfHeight = ClampFontSize(font.FontSize);
    std::memcpy(description.lfFaceName, font.FontName, sizeof(description.lfFaceName));
    description.lfFaceName[LF_FACESIZE - 1] = 0;
    description.lfCharSet = DEFAULT_CHARSET;  // keeps a face with no Western character set
    return CreateFontIndirectW(&description);
}

void ReplaceSelection(HWND edit, const wchar_t* text) {
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
}

// Replaces the selection by ch and puts the caret left of it.
void TypeLeftOfCaret(HWND edit, wchar_t ch) {
    const wchar_t text[2] = {ch, 0};
    ReplaceSelection(edit, text);
    DWORD start = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    const WPARAM caret = start > 0 ? start - 1 : 0;
    SendMessageW(edit, EM_SETSEL, caret, static_cast<LPARAM>(caret));
}

// Delete: the character left of the caret, or the selection.
void DeleteLeftOfCaret(HWND edit) {
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (start == end) {
        if (start == 0) return;
        SendMessageW(edit, EM_SETSEL, start - 1, static_cast<LPARAM>(start));
    }
    ReplaceSelection(edit, L"");
}

// Backspace: the character right of the caret, or the selection.
void DeleteRightOfCaret(HWND edit) {
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (start == end) {
        const auto length = static_cast<DWORD>(SendMessageW(edit, EM_LINELENGTH, 0, 0));
        if (start >= length) return;
        SendMessageW(edit, EM_SETSEL, start, static_cast<LPARAM>(start + 1));
    }
    ReplaceSelection(edit, L"");
}

bool HebrewTypingOn() { return GetKeyState(VK_SCROLL) == 0; }
bool ShiftHeld() { return (GetKeyState(VK_SHIFT) & 0x8000) != 0; }

LRESULT PassOn(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(dialogState.editProc, edit, message, wParam, lParam);
}

LRESULT OnEditKeyDown(HWND edit, WPARAM key, LPARAM lParam) {
    switch (key) {
    case VK_END: return PassOn(edit, WM_KEYDOWN, VK_HOME, lParam);
    case VK_HOME: return PassOn(edit, WM_KEYDOWN, VK_END, lParam);
    case VK_DELETE:
        if (ShiftHeld()) break;
        DeleteLeftOfCaret(edit);
        return 0;
    }
    return PassOn(edit, WM_KEYDOWN, key, lParam);
}

LRESULT OnEditChar(HWND edit, WPARAM ch, LPARAM lParam) {
    if (MapKeyToHebrew(edit, ch) == 0) return 0;
    if (ch == VK_BACK) {
        DeleteRightOfCaret(edit);
        return 0;
    }
    return PassOn(edit, WM_CHAR, ch, lParam);
}

BOOL OnInitDialog(HWND dialog) {
    HWND edit = GetDlgItem(dialog, IDC_SEARCH_TEXT);
    dialogState.editFont = CreateEditFont();
    SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(dialogState.editFont), TRUE);
    SendMessageW(edit, EM_LIMITTEXT, kSearchStringMax, 0);
    dialogState.opened = ShownSearchText();
    SetWindowTextW(edit, dialogState.opened.c_str());
    SubclassSearchEdit(edit);
    SetFocus(edit);
    return FALSE;
}

// Stores the edit's text; an unchanged text keeps the stored search byte for byte.
void StoreEditText(HWND edit) {
    wchar_t text[kSearchStringMax + 1] = {};
    GetWindowTextW(edit, text, kSearchStringMax + 1);
    if (dialogState.opened == text) return;
    const auto* units = reinterpret_cast<const char16_t*>(text);
    const std::string stored = StoreSearchText(units, wcslen(text), AsciiBase(), kSearchStringMax);
    std::memset(program.settings.SearchString, 0, sizeof(program.settings.SearchString));
    std::memcpy(program.settings.SearchString, stored.data(), stored.size());
}

void OnOk(HWND dialog) {
    HWND edit = GetDlgItem(dialog, IDC_SEARCH_TEXT);
    StoreEditText(edit);
    if (program.settings.SearchString[0] != 0 && SearchAgain(dialog) == 0) {
        SendMessageW(edit, EM_SETSEL, 0, -1);
        SetFocus(edit);
        return;
    }
    EndDialog(dialog, IDOK);
}

void OnDialogCommand(HWND dialog, int command) {
    if (command == IDOK) OnOk(dialog);
    if (command == IDCANCEL) EndDialog(dialog, IDCANCEL);
}

void OnDialogDestroy() {
    if (dialogState.editFont != nullptr) DeleteObject(dialogState.editFont);
    dialogState = SearchDialogState{};
}

INT_PTR CALLBACK SearchDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return OnInitDialog(dialog);
    case WM_COMMAND: OnDialogCommand(dialog, LOWORD(wParam)); return TRUE;
    case WM_CLOSE: EndDialog(dialog, IDCANCEL); return TRUE;
    case WM_LBUTTONDOWN:
        PictureHitTest(dialog, static_cast<int16_t>(LOWORD(lParam)), static_cast<int16_t>(HIWORD(lParam)));
        return TRUE;
    case WM_DESTROY: OnDialogDestroy(); return FALSE;
    }
    return FALSE;
}

}  // namespace

void OpenSearchDialog(HWND owner) {
    DialogBoxParamW(program.instance, MAKEINTRESOURCEW(IDD_SEARCH), owner, SearchDialogProc, 0);
}

void SubclassSearchEdit(HWND edit) {
    const LONG_PTR previous = SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SearchEditProc));
    if (previous == 0) {
        MessageBoxW(nullptr, L"SubclassWindow() error", L"Hebrew", MB_OK);
        ExitProcess(1);
    }
    dialogState.editProc = reinterpret_cast<WNDPROC>(previous);
}

LRESULT CALLBACK SearchEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!HebrewTypingOn()) return PassOn(edit, message, wParam, lParam);
    switch (message) {
    case WM_KEYDOWN: return OnEditKeyDown(edit, wParam, lParam);
    case WM_CHAR: return OnEditChar(edit, wParam, lParam);
    }
    return PassOn(edit, message, wParam, lParam);
}

int MapKeyToHebrew(HWND edit, WPARAM ch) {
    const char16_t typed = HebrewForKey(static_cast<char16_t>(ch), AsciiBase());
    if (typed == 0) return 1;
    TypeLeftOfCaret(edit, static_cast<wchar_t>(typed));
    return 0;
}

void PictureHitTest(HWND dialog, int x, int y) {
    // The picture's own place in this dialog's units, so that clicks meet
    // the cells whatever the dialog font measures.
    RECT picture{104, 71, 104, 71};
    MapDialogRect(dialog, &picture);
    const int cell = PictureCellAt(x - picture.left, y - picture.top);
    if (cell != kNoCell) InsertPictureLetter(dialog, cell);
}

void InsertPictureLetter(HWND dialog, int cell) {
    HWND edit = GetDlgItem(dialog, IDC_SEARCH_TEXT);
    const char16_t ch = PictureCellChar(cell, AsciiBase());
    if (edit == nullptr || ch == 0) return;
    TypeLeftOfCaret(edit, static_cast<wchar_t>(ch));
}
