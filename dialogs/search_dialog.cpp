// The Search dialog and its Hebrew typing. With a font whose Hebrew the
// platform lays out right to left, the edit holds the text in reading order
// and behaves as any Hebrew edit; with an 8-bit font it holds the stored
// visual order: every typed character goes left of the caret, the caret stays
// left of it, and Delete and Backspace remove the neighbour in reading order.
// The dialog's state is made at its opening and freed with its window; the
// edit gets its own procedure back when it is destroyed. The edit's font and
// the keyboard picture are made for the dialog's screen, and made again
// when it moves to a screen of another scale.
#include "dialogs/search_dialog.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <string>

#include "app/program.h"
#include "dialogs/edit_guard.h"
#include "dialogs/hebrew_typing.h"
#include "dialogs/keyboard_picture.h"
#include "dialogs/search.h"
#include "resources/resource.h"
#include "view/accessible_object.h"
#include "view/dpi_scale.h"
#include "view/style_font.h"
#include "view/window_dpi.h"

namespace {

struct SearchDialogState {
    FontSettings font;     // the Reading view's, for the edit's font and letters
    DisplayFont editFont;  // the letters' base, clamped once, and never the Reverse option
    bool readingOrder;     // the edit holds reading order (see EditHoldsReadingOrder)
    HFONT editFontObject;
    HBITMAP picture;       // the keyboard picture as drawn for the dialog's screen
    int pictureScale;      // the percent it is drawn at
    WNDPROC editProc;
    std::u16string opened;  // the text shown at the opening: OK on it keeps the stored search as it is
};

SearchDialogState* StateOf(HWND dialog) {
    return reinterpret_cast<SearchDialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
}
SearchDialogState* EditState(HWND edit) { return StateOf(GetParent(edit)); }

int AsciiBase(HWND dialog) { return StateOf(dialog)->editFont.fontAsciiBase; }

// What is typed from the Latin keys or the picture is told to screen
// readers, as the edit's own typing is.
void ReplaceSelection(HWND edit, const wchar_t* text) {
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
    NotifyAccessible(EVENT_OBJECT_VALUECHANGE, edit);
}

// Replaces the selection by ch: at the caret in reading order, else left of
// the caret, which stays left of it.
void TypeChar(HWND edit, wchar_t ch) {
    if (RefuseUnshowable(edit, WM_CHAR, ch)) return;
    const wchar_t text[2] = {ch, 0};
    ReplaceSelection(edit, text);
    if (EditState(edit)->readingOrder) return;
    DWORD start = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    const WPARAM caret = start > 0 ? start - 1 : 0;
    SendMessageW(edit, EM_SETSEL, caret, static_cast<LPARAM>(caret));
}

// Delete in visual order: the character left of the caret, or the selection.
void DeleteLeftOfCaret(HWND edit) {
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (start == end) {
        if (start == 0) return;
        SendMessageW(edit, EM_SETSEL, start - 1, static_cast<LPARAM>(start));
    }
    ReplaceSelection(edit, L"");
}

// Backspace in visual order: the character right of the caret, or the selection.
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
    const SearchDialogState* state = EditState(edit);
    if (state == nullptr || state->editProc == nullptr) return DefWindowProcW(edit, message, wParam, lParam);
    return CallWindowProcW(state->editProc, edit, message, wParam, lParam);
}

LRESULT PassOnShowable(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    return RefuseUnshowable(edit, message, wParam) ? 0 : PassOn(edit, message, wParam, lParam);
}

// The keys that move and delete act on the visual order only where the edit holds it.
LRESULT OnEditKeyDown(HWND edit, WPARAM key, LPARAM lParam) {
    if (!EditState(edit)->readingOrder) {
        switch (key) {
        case VK_END: return PassOn(edit, WM_KEYDOWN, VK_HOME, lParam);
        case VK_HOME: return PassOn(edit, WM_KEYDOWN, VK_END, lParam);
        case VK_DELETE:
            if (ShiftHeld()) break;
            DeleteLeftOfCaret(edit);
            return 0;
        }
    }
    return PassOn(edit, WM_KEYDOWN, key, lParam);
}

LRESULT OnEditChar(HWND edit, WPARAM ch, LPARAM lParam) {
    if (MapKeyToHebrew(edit, ch) == 0) return 0;
    if (ch == VK_BACK && !EditState(edit)->readingOrder) {
        DeleteRightOfCaret(edit);
        return 0;
    }
    return PassOnShowable(edit, WM_CHAR, ch, lParam);
}

// The edit is destroyed before its dialog: its own procedure goes back now,
// so that its last messages reach it and it frees what it holds.
LRESULT OnEditDestroyed(HWND edit, WPARAM wParam, LPARAM lParam) {
    SearchDialogState* state = EditState(edit);
    WNDPROC own = state != nullptr ? state->editProc : nullptr;
    if (own == nullptr) return DefWindowProcW(edit, WM_NCDESTROY, wParam, lParam);
    SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own));
    state->editProc = nullptr;
    return CallWindowProcW(own, edit, WM_NCDESTROY, wParam, lParam);
}

// A child's rectangle in the dialog's client coordinates.
RECT ChildRect(HWND dialog, HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The edit as high as its font needs (never lower than the template has it),
// the keyboard picture centred below it, and the dialog's client area around
// both with the template's margin: laid out from the real sizes of the
// controls, the picture and the face the system gives the dialog, so that
// nothing lies outside it at any scale.
void LayOutSearchDialog(HWND dialog, const SearchDialogState& state) {
    RECT margin{7, 7, 7, 7};
    MapDialogRect(dialog, &margin);
    HWND edit = GetDlgItem(dialog, IDC_SEARCH_TEXT);
    RECT editRect = ChildRect(dialog, edit);
    HDC dc = GetDC(edit);
    HGDIOBJ previous = SelectObject(dc, state.editFontObject);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(edit, dc);
    RECT frame{0, 0, 0, metrics.tmHeight + 2 * GetSystemMetrics(SM_CYEDGE)};
    AdjustWindowRectEx(&frame, 0, FALSE, static_cast<DWORD>(GetWindowLongPtrW(edit, GWL_EXSTYLE)));
    editRect.bottom = std::max<LONG>(editRect.bottom, editRect.top + frame.bottom - frame.top);
    MoveWindow(edit, editRect.left, editRect.top, editRect.right - editRect.left, editRect.bottom - editRect.top, TRUE);
    const SIZE picture = BitmapSize(state.picture);
    const int width = std::max<int>(editRect.right + margin.right, picture.cx + margin.left + margin.right);
    const int pictureTop = editRect.bottom + margin.top;
    SetWindowPos(GetDlgItem(dialog, IDC_KEYBOARD_PICTURE), nullptr, (width - picture.cx) / 2, pictureTop, picture.cx,
                 picture.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT outer{0, 0, width, pictureTop + picture.cy + margin.bottom};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_EXSTYLE)));
    SetWindowPos(dialog, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The edit's font and the keyboard picture made for a screen of dpi, and the
// dialog laid out around them: at the opening and after every move to a
// screen of another scale.
void ScaleSearchDialog(HWND dialog, SearchDialogState& state, int dpi) {
    HFONT font = CreateStyleFont(nullptr, state.font, 0, dpi);
    HBITMAP picture = LoadBitmapForDpi(program.instance, IDB_KEYBOARD, dpi);
    SendDlgItemMessageW(dialog, IDC_SEARCH_TEXT, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    SendDlgItemMessageW(dialog, IDC_KEYBOARD_PICTURE, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
    if (state.editFontObject != nullptr) DeleteObject(state.editFontObject);
    if (state.picture != nullptr) DeleteObject(state.picture);
    state.editFontObject = font;
    state.picture = picture;
    state.pictureScale = ArtScaleForDpi(dpi);
    LayOutSearchDialog(dialog, state);
}

BOOL OnInitDialog(HWND dialog, const FontSettings* font) {
    auto* state = new (std::nothrow) SearchDialogState{};
    if (state == nullptr) {
        EndDialog(dialog, IDCANCEL);
        return FALSE;
    }
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
    state->font = *font;
    state->editFont = DisplayFont{TypingAsciiBase(font->FontAsciiBase), false};
    state->readingOrder = EditHoldsReadingOrder(state->editFont);
    HWND edit = GetDlgItem(dialog, IDC_SEARCH_TEXT);
    ScaleSearchDialog(dialog, *state, WindowDpi(dialog));
    SendMessageW(edit, EM_LIMITTEXT, kSearchStringMax, 0);
    const char* stored = program.settings.SearchString;
    state->opened = ShowableInEdit(edit, SearchTextForEdit(stored, strnlen(stored, kSearchStringMax), state->editFont));
    SetWindowTextW(edit, reinterpret_cast<const wchar_t*>(state->opened.c_str()));
    SubclassSearchEdit(edit);
    MakeKeyboardPictureAccessible(GetDlgItem(dialog, IDC_KEYBOARD_PICTURE));
    SetFocus(edit);
    // As search boxes do: what is typed replaces the last search.
    SendMessageW(edit, EM_SETSEL, 0, -1);
    return FALSE;
}

INT_PTR OnDialogDpiChanged(HWND dialog, WPARAM wParam, LPARAM lParam) {
    SearchDialogState* state = StateOf(dialog);
    const int dpi = FollowScaleChange(dialog, wParam, lParam);
    if (state != nullptr) ScaleSearchDialog(dialog, *state, dpi);
    return TRUE;
}

// Stores the edit's text; an unchanged text keeps the stored search byte for byte.
void StoreEditText(HWND dialog, HWND edit) {
    const SearchDialogState* state = StateOf(dialog);
    wchar_t text[kSearchStringMax + 1] = {};
    GetWindowTextW(edit, text, kSearchStringMax + 1);
    const auto* units = reinterpret_cast<const char16_t*>(text);
    if (state->opened == units) return;
    const std::string stored = SearchTextFromEdit(units, wcslen(text), state->editFont, kSearchStringMax);
    std::memset(program.settings.SearchString, 0, sizeof(program.settings.SearchString));
    std::memcpy(program.settings.SearchString, stored.data(), stored.size());
}

void OnOk(HWND dialog) {
    HWND edit = GetDlgItem(dialog, IDC_SEARCH_TEXT);
    StoreEditText(dialog, edit);
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

void OnDialogFreed(HWND dialog) {
    SearchDialogState* state = StateOf(dialog);
    if (state == nullptr) return;
    SetWindowLongPtrW(dialog, DWLP_USER, 0);
    if (state->editFontObject != nullptr) DeleteObject(state->editFontObject);
    if (state->picture != nullptr) DeleteObject(state->picture);
    delete state;
}

INT_PTR CALLBACK SearchDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return OnInitDialog(dialog, reinterpret_cast<const FontSettings*>(lParam));
    case WM_COMMAND: OnDialogCommand(dialog, LOWORD(wParam)); return TRUE;
    case WM_CLOSE: EndDialog(dialog, IDCANCEL); return TRUE;
    case WM_LBUTTONDOWN:
        PictureHitTest(dialog, static_cast<int16_t>(LOWORD(lParam)), static_cast<int16_t>(HIWORD(lParam)));
        return TRUE;
    case WM_DPICHANGED: return OnDialogDpiChanged(dialog, wParam, lParam);
    case WM_NCDESTROY: OnDialogFreed(dialog); return FALSE;
    }
    return FALSE;
}

}  // namespace

void OpenSearchDialog(HWND owner, const FontSettings& font) {
    DialogBoxParamW(program.instance, MAKEINTRESOURCEW(IDD_SEARCH), owner, SearchDialogProc,
                    reinterpret_cast<LPARAM>(&font));
}

void SubclassSearchEdit(HWND edit) {
    const LONG_PTR previous = SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SearchEditProc));
    if (previous == 0) {
        MessageBoxW(nullptr, L"SubclassWindow() error", L"Hebrew", MB_OK);
        ExitProcess(1);
    }
    EditState(edit)->editProc = reinterpret_cast<WNDPROC>(previous);
}

LRESULT CALLBACK SearchEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY) return OnEditDestroyed(edit, wParam, lParam);
    if (!HebrewTypingOn() || message == WM_PASTE) return PassOnShowable(edit, message, wParam, lParam);
    switch (message) {
    case WM_KEYDOWN: return OnEditKeyDown(edit, wParam, lParam);
    case WM_CHAR: return OnEditChar(edit, wParam, lParam);
    }
    return PassOn(edit, message, wParam, lParam);
}

int MapKeyToHebrew(HWND edit, WPARAM ch) {
    const char16_t typed = HebrewForKey(static_cast<char16_t>(ch), AsciiBase(GetParent(edit)));
    if (typed == 0) return 1;
    TypeChar(edit, static_cast<wchar_t>(typed));
    return 0;
}

void PictureHitTest(HWND dialog, int x, int y) {
    // The picture's own place, so that clicks meet the cells wherever the
    // dialog font and the screen put it.
    const SearchDialogState* state = StateOf(dialog);
    HWND control = GetDlgItem(dialog, IDC_KEYBOARD_PICTURE);
    RECT picture{};
    if (state == nullptr || control == nullptr || !GetWindowRect(control, &picture)) return;
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&picture), 2);
    const int cell = PictureCellAt(x - picture.left, y - picture.top, state->pictureScale);
    if (cell != kNoCell) InsertPictureLetter(dialog, cell);
}

void InsertPictureLetter(HWND dialog, int cell) {
    HWND edit = GetDlgItem(dialog, IDC_SEARCH_TEXT);
    if (edit == nullptr || StateOf(dialog) == nullptr) return;
    const char16_t ch = PictureCellChar(cell, AsciiBase(dialog));
    if (ch == 0) return;
    TypeChar(edit, static_cast<wchar_t>(ch));
}
