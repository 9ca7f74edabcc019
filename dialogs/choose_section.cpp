// The Choose Article window's dialog procedure and its handlers. The list
// logic is the portable picker list; here the window opens it on its device
// context, places itself over the main window, follows its size, and turns
// paints, keys, the scroll bar and clicks into list operations. Its icons and
// fonts follow the scale of the screen it is on.
#include "dialogs/choose_section.h"

#include <new>

#include "app/program.h"
#include "dialogs/picker_focus.h"
#include "dialogs/picker_gdi.h"
#include "resources/resource.h"
#include "store/article_resource.h"
#include "view/bookmarks.h"
#include "view/dpi_scale.h"
#include "view/input_map.h"
#include "view/reading_view.h"
#include "view/view_colours.h"
#include "view/window_dpi.h"

namespace {

constexpr int kInitialRows = 100;
constexpr int kResizeMargin = 5;  // pixels at 96 dots per inch

struct ChooseSection {
    PickerState list;
    PickerIcons icons;
    uint16_t current = 0;
    uint16_t result = 0;
    HWND window = nullptr;
};

struct OpenRequest {
    uint16_t current;
    const FontSettings* font;
    bool reverseOption;
};

ChooseSection* Dialog(HWND window) { return reinterpret_cast<ChooseSection*>(GetWindowLongPtrW(window, DWLP_USER)); }

// One eighth of the main window's recorded size in from its corner, three
// quarters of that size.
void PlaceOverOwner(HWND window) {
    HWND owner = GetWindow(window, GW_OWNER);
    RECT outer;
    if (owner == nullptr || !GetWindowRect(owner, &outer)) return;
    const SIZE size = OuterSizeLessGutter(owner);
    const int w = size.cx;
    const int h = size.cy;
    if (w <= 0 || h <= 0) return;
    MoveWindow(window, outer.left + w / 8, outer.top + h / 8, 3 * w / 4, 3 * h / 4, FALSE);
}

// The icons drawn for a screen of dpi, and fonts made for it when they are
// next used: at the opening and after a move to a screen of another scale.
void ScaleChooseSection(ChooseSection& dialog, int dpi) {
    dialog.list.dpi = dpi;
    DeletePickerIcons(dialog.icons);
    dialog.icons = LoadPickerIcons(dpi);
    DeletePickerFonts(dialog.list);
}

INT_PTR OnInitDialog(HWND window, const OpenRequest& request) {
    auto* dialog = new (std::nothrow) ChooseSection{};
    if (dialog == nullptr) {
        EndDialog(window, 0);
        return TRUE;
    }
    dialog->window = window;
    dialog->current = request.current;
    dialog->result = request.current;
    SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(dialog));
    PickerState& list = dialog->list;
    ScaleChooseSection(*dialog, WindowDpi(window));
    list.dc = GetDC(window);
    RECT client;
    GetClientRect(window, &client);
    client.right -= SystemMetricForDpi(SM_CXVSCROLL, list.dpi);
    list.left = client.left;
    list.top = client.top;
    list.width = client.right - client.left;
    list.height = client.bottom - client.top;
    list.fontSettings = *request.font;
    list.reverseOption = request.reverseOption;
    list.systemColours = SystemHighContrast();
    list.rows.assign(kInitialRows + 1, PickerRow{});
    list.rowCapacity = kInitialRows;
    LayoutPickerRows(list, PrependBookmarkGroup(LoadArticleResource(kIndexArticleNumber, nullptr)));
    RevealArticle(list, request.current);
    FocusArticle(list, request.current);
    UpdatePickerScrollBar(window, list);
    PlaceOverOwner(window);
    return TRUE;
}

// A new layout for the new size keeps every entry open or closed as it was.
INT_PTR OnSize(ChooseSection* dialog, int width, int height) {
    if (dialog == nullptr) return FALSE;
    PickerState& list = dialog->list;
    const std::vector<ExpansionEntry> snapshot = SaveExpansion(list);
    list.width = width - ScaleForDpi(kResizeMargin, list.dpi);
    list.height = height;
    LayoutPickerRows(list, std::move(list.text));
    RestoreExpansion(list, snapshot);
    if (list.maxTop == 0) list.topRow = 0;
    // The placement at the opening resizes the window before it is shown; its first paint follows.
    if (IsWindowVisible(dialog->window)) {
        RECT client{0, 0, width, height};
        FillRect(static_cast<HDC>(list.dc), &client, BackgroundBrush(list.systemColours));
        PaintPicker(list, dialog->icons, true);
    }
    UpdatePickerScrollBar(dialog->window, list);
    return TRUE;
}

// The list is laid out again in the new fonts, also when the suggested size
// is the size the window has.
INT_PTR OnDpiChanged(HWND window, ChooseSection* dialog, WPARAM wParam, LPARAM lParam) {
    const int dpi = FollowScaleChange(window, wParam, lParam);
    if (dialog == nullptr) return TRUE;
    ScaleChooseSection(*dialog, dpi);
    RECT client{};
    GetClientRect(window, &client);
    return OnSize(dialog, client.right, client.bottom);
}

INT_PTR OnPaint(HWND window, ChooseSection* dialog) {
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    if (dialog != nullptr) PaintPicker(dialog->list, dialog->icons, true);
    EndPaint(window, &paint);
    return TRUE;
}

INT_PTR OnEraseBackground(HWND window, ChooseSection* dialog, HDC dc) {
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, BackgroundBrush(dialog != nullptr && dialog->list.systemColours));
    SetWindowLongPtrW(window, DWLP_MSGRESULT, 1);
    return TRUE;
}

// Screen readers follow the keyboard's entry.
void NoteFocusMoved(HWND window, PickerState& list) {
    const long item = PickerFocusItem(list);
    NotifyAccessible(EVENT_OBJECT_REORDER, window);
    if (item != 0) NotifyAccessible(EVENT_OBJECT_FOCUS, window, item);
}

// The client area is the list's; a dialog's answer is its message result.
INT_PTR OnGetObject(HWND window, WPARAM wParam, LPARAM lParam) {
    if (static_cast<LONG>(lParam) != OBJID_CLIENT) return FALSE;
    SetWindowLongPtrW(window, DWLP_MSGRESULT, AnswerGetObject(window, wParam, lParam, kPickerAccessible));
    return TRUE;
}

void Scroll(ChooseSection* dialog, int delta) {
    if (ScrollPicker(dialog->list, delta)) PaintPicker(dialog->list, dialog->icons, true);
}

// The keys move the focused entry and open and close headings; with Ctrl
// held they scroll the list alone.
INT_PTR OnKeyDown(ChooseSection* dialog, WPARAM key) {
    if (dialog == nullptr) return FALSE;
    PickerState& list = dialog->list;
    if (GetKeyState(VK_CONTROL) < 0) {
        Scroll(dialog, PickerKeyDelta(static_cast<int>(key), list.topRow, list.maxTop));
    } else if (PressPickerKey(list, static_cast<int>(key)).moved) {
        PaintPicker(list, dialog->icons, true);
        NoteFocusMoved(dialog->window, list);
    }
    UpdatePickerScrollBar(dialog->window, list);
    return TRUE;
}

INT_PTR OnVerticalScroll(ChooseSection* dialog, WPARAM wParam) {
    if (dialog == nullptr) return FALSE;
    PickerState& list = dialog->list;
    const int delta =
        PickerScrollBarDelta(LOWORD(wParam), static_cast<int16_t>(HIWORD(wParam)), list.topRow, list.rowsDrawn);
    if (delta == 0) return TRUE;
    Scroll(dialog, delta);
    UpdatePickerScrollBar(dialog->window, list);
    return TRUE;
}

INT_PTR OnLeftButtonDown(ChooseSection* dialog, LPARAM lParam) {
    if (dialog == nullptr) return FALSE;
    bool toggled = false;
    const int hit = HitTestPicker(dialog->list, static_cast<int16_t>(LOWORD(lParam)),
                                  static_cast<int16_t>(HIWORD(lParam)), &toggled);
    if (toggled) PaintPicker(dialog->list, dialog->icons, true);
    if (hit > 0) {
        dialog->result = static_cast<uint16_t>(hit);
        EndDialog(dialog->window, dialog->result);
    } else if (hit < 0) {
        UpdatePickerScrollBar(dialog->window, dialog->list);
    }
    return TRUE;
}

// Enter chooses the focused article, or opens or closes the focused heading;
// with no entry at all it closes with the current article.
INT_PTR OnOk(ChooseSection* dialog, HWND window) {
    if (dialog == nullptr) {
        EndDialog(window, 0);
        return TRUE;
    }
    PickerState& list = dialog->list;
    if (FocusedRow(list) < 0) {
        EndDialog(window, dialog->result);
        return TRUE;
    }
    const PickerKeyResult pressed = PressPickerKey(list, kKeyEnter);
    if (pressed.chosen != 0) {
        dialog->result = static_cast<uint16_t>(pressed.chosen);
        EndDialog(window, dialog->result);
    }
    if (pressed.moved) {
        PaintPicker(list, dialog->icons, true);
        UpdatePickerScrollBar(window, list);
        NoteFocusMoved(window, list);
    }
    return TRUE;
}

INT_PTR OnCommand(ChooseSection* dialog, HWND window, WORD command) {
    if (command == IDOK) return OnOk(dialog, window);
    if (command != IDCANCEL) return FALSE;
    EndDialog(window, 0);
    return TRUE;
}

// The system's colours came or went: the list is drawn again in the new ones.
INT_PTR OnColoursChanged(HWND window, ChooseSection* dialog) {
    if (dialog == nullptr) return FALSE;
    dialog->list.systemColours = SystemHighContrast();
    InvalidateRect(window, nullptr, TRUE);
    return FALSE;
}

// The arrow keys move in the list instead of between controls (it has
// none); Enter and Escape still reach OK and Cancel.
INT_PTR OnGetDialogCode(HWND window) {
    SetWindowLongPtrW(window, DWLP_MSGRESULT, DLGC_WANTARROWS);
    return TRUE;
}

INT_PTR OnDialogFreed(HWND window, ChooseSection* dialog) {
    DisconnectAccessible(window);
    if (dialog == nullptr) return FALSE;
    PickerState& list = dialog->list;
    DeletePickerFonts(list);
    DeletePickerIcons(dialog->icons);
    ReleaseDC(window, static_cast<HDC>(list.dc));
    SetWindowLongPtrW(window, DWLP_USER, 0);
    delete dialog;
    return FALSE;
}

INT_PTR CALLBACK ChooseSectionProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return OnInitDialog(window, *reinterpret_cast<const OpenRequest*>(lParam));
    case WM_SIZE: return OnSize(Dialog(window), LOWORD(lParam), HIWORD(lParam));
    case WM_DPICHANGED: return OnDpiChanged(window, Dialog(window), wParam, lParam);
    case WM_PAINT: return OnPaint(window, Dialog(window));
    case WM_ERASEBKGND: return OnEraseBackground(window, Dialog(window), reinterpret_cast<HDC>(wParam));
    case WM_KEYDOWN: return OnKeyDown(Dialog(window), wParam);
    case WM_VSCROLL: return OnVerticalScroll(Dialog(window), wParam);
    case WM_LBUTTONDOWN: return OnLeftButtonDown(Dialog(window), lParam);
    case WM_COMMAND: return OnCommand(Dialog(window), window, LOWORD(wParam));
    case WM_GETDLGCODE: return OnGetDialogCode(window);
    case WM_GETOBJECT: return OnGetObject(window, wParam, lParam);
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE: return OnColoursChanged(window, Dialog(window));
    case WM_NCDESTROY: return OnDialogFreed(window, Dialog(window));
    }
    return FALSE;
}

}  // namespace

PickerState* WindowPicker(HWND window) {
    ChooseSection* dialog = Dialog(window);
    return dialog != nullptr ? &dialog->list : nullptr;
}

uint16_t ShowChooseSection(HWND mainWindow, uint16_t current, const FontSettings& font, bool reverseOption) {
    OpenRequest request{current, &font, reverseOption};
    const INT_PTR result = DialogBoxParamW(program.instance, MAKEINTRESOURCEW(IDD_CHOOSE_SECTION), mainWindow,
                                           ChooseSectionProc, reinterpret_cast<LPARAM>(&request));
    return result > 0 ? static_cast<uint16_t>(result) : 0;
}
