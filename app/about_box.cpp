// The About box. Its link is an owner-drawn button drawn as blue text in a
// bold, underlined copy of the dialog font, made for each opening and deleted
// at its close; a replaced window procedure gives it the hand cursor. Its
// picture is the one drawn for the box's screen, also deleted at the close;
// both are made again when the box moves to a screen of another scale.
#include "app/about_box.h"

#include <new>
#include <string>

#include "app/program.h"
#include "app/update_check.h"
#include "resources/resource.h"
#include "settings/maker_addresses.h"
#include "view/accessible_object.h"
#include "view/view_colours.h"
#include "view/window_dpi.h"

namespace {

constexpr int kLinkTextCapacity = 100;  // characters, the terminator included
constexpr COLORREF kLinkColour = RGB(0, 0, 255);
constexpr LONG kLinkWeight = 800;

// What one opening holds: the link button's own procedure, which it gets back
// when it is destroyed, and its font and the picture, deleted with the box.
struct AboutState {
    WNDPROC linkProcedure;
    HFONT linkFont;
    HBITMAP picture;
};

AboutState* StateOf(HWND dialog) { return reinterpret_cast<AboutState*>(GetWindowLongPtrW(dialog, DWLP_USER)); }

// A screen reader hears the link as a link: its text, the address it
// opens, and "Jump", which clicks it.
std::u16string LinkName(HWND link) {
    wchar_t text[kLinkTextCapacity];
    const int length = GetWindowTextW(link, text, kLinkTextCapacity);
    return std::u16string(reinterpret_cast<const char16_t*>(text), static_cast<size_t>(length));
}
std::u16string LinkTarget(HWND) { return reinterpret_cast<const char16_t*>(kMakerHomeAddress); }
void ClickLink(HWND link) { PostMessageW(link, BM_CLICK, 0, 0); }

const AccessibleParts kLink{ROLE_SYSTEM_LINK, LinkName, LinkTarget, STATE_SYSTEM_LINKED, L"Jump", ClickLink};

LRESULT CALLBACK LinkProc(HWND link, UINT message, WPARAM wParam, LPARAM lParam) {
    AboutState* state = StateOf(GetParent(link));
    WNDPROC own = state != nullptr ? state->linkProcedure : nullptr;
    if (own == nullptr) return DefWindowProcW(link, message, wParam, lParam);
    switch (message) {
    case WM_SETCURSOR: SetCursor(LoadCursorW(nullptr, IDC_HAND)); return TRUE;
    case WM_GETOBJECT:
        if (static_cast<LONG>(lParam) == OBJID_CLIENT) return AnswerGetObject(link, wParam, lParam, kLink);
        break;
    case WM_NCDESTROY:
        DisconnectAccessible(link);
        SetWindowLongPtrW(link, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own));
        state->linkProcedure = nullptr;
        break;
    }
    return CallWindowProcW(own, link, message, wParam, lParam);
}

// A bold, underlined copy of the dialog's font, or none.
HFONT CreateLinkFont(HWND dialog) {
    const auto font = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    LOGFONTW logFont{};
    if (font == nullptr || GetObjectW(font, sizeof(logFont), &logFont) == 0) return nullptr;
    logFont.lfUnderline = 1;
    logFont.lfWeight = kLinkWeight;
    return CreateFontIndirectW(&logFont);
}

// Gives the link its font and makes it as large as its text and the edges.
void FitLink(HWND link, HDC dc, HFONT font) {
    const HGDIOBJ previous = SelectObject(dc, font);
    wchar_t text[kLinkTextCapacity];
    const int length = GetWindowTextW(link, text, kLinkTextCapacity);
    SendMessageW(link, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    SIZE extent{};
    GetTextExtentPoint32W(dc, text, length, &extent);
    SelectObject(dc, previous);
    const int width = extent.cx + 2 * GetSystemMetrics(SM_CXEDGE);
    const int height = extent.cy + 2 * GetSystemMetrics(SM_CYEDGE);
    SetWindowPos(link, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_SHOWWINDOW);
}

// The picture drawn for a screen of dpi and the link's font made from the
// box's own: at the opening and after a move to a screen of another scale.
void ScaleAboutBox(HWND dialog, AboutState& state, int dpi) {
    HBITMAP picture = LoadBitmapForDpi(program.instance, IDB_ABOUT, dpi);
    SendDlgItemMessageW(dialog, IDC_ABOUT_PICTURE, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
    if (state.picture != nullptr) DeleteObject(state.picture);
    state.picture = picture;
    HWND link = GetDlgItem(dialog, IDC_ABOUT_LINK);
    HFONT font = CreateLinkFont(dialog);
    const HDC dc = GetDC(link);
    // Without the new font the link keeps the one it has.
    if (dc != nullptr && font != nullptr) {
        FitLink(link, dc, font);
        if (state.linkFont != nullptr) DeleteObject(state.linkFont);
        state.linkFont = font;
    } else if (font != nullptr) {
        DeleteObject(font);
    }
    if (dc != nullptr) ReleaseDC(link, dc);
}

INT_PTR OnInitAbout(HWND dialog) {
    const HWND link = GetDlgItem(dialog, IDC_ABOUT_LINK);
    auto* state = new (std::nothrow) AboutState{};
    if (link == nullptr || state == nullptr) {
        delete state;
        return FALSE;
    }
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
    SetWindowTextW(link, kMakerWebAddress);
    state->linkProcedure =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(link, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LinkProc)));
    ScaleAboutBox(dialog, *state, WindowDpi(dialog));
    return FALSE;
}

INT_PTR OnAboutDpiChanged(HWND dialog, WPARAM wParam, LPARAM lParam) {
    const int dpi = FollowScaleChange(dialog, wParam, lParam);
    if (AboutState* state = StateOf(dialog)) ScaleAboutBox(dialog, *state, dpi);
    return TRUE;
}

// Blue, or the system's colour of links under high contrast; with the
// focus, inside a focus rectangle (unless the keyboard has not been used),
// which a change of focus alone draws or takes away again.
INT_PTR OnDrawLink(const DRAWITEMSTRUCT& item) {
    if (item.CtlID != IDC_ABOUT_LINK) return FALSE;
    const bool showsFocus = !(item.itemState & ODS_NOFOCUSRECT);
    if (item.itemAction == ODA_FOCUS) {
        if (showsFocus) DrawFocusRect(item.hDC, &item.rcItem);
        return TRUE;
    }
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    wchar_t text[kLinkTextCapacity];
    const int length = GetWindowTextW(item.hwndItem, text, kLinkTextCapacity);
    const COLORREF colour = SetTextColor(item.hDC, SystemHighContrast() ? GetSysColor(COLOR_HOTLIGHT) : kLinkColour);
    const int mode = SetBkMode(item.hDC, TRANSPARENT);
    ExtTextOutW(item.hDC, 0, GetSystemMetrics(SM_CYEDGE), ETO_CLIPPED, &item.rcItem, text, length, nullptr);
    SetBkMode(item.hDC, mode);
    SetTextColor(item.hDC, colour);
    if ((item.itemState & ODS_FOCUS) && showsFocus) DrawFocusRect(item.hDC, &item.rcItem);
    return TRUE;
}

INT_PTR OnAboutCommand(HWND dialog, int id) {
    switch (id) {
    case IDOK:
    case IDCANCEL: EndDialog(dialog, id); return TRUE;
    case IDC_ABOUT_LINK: OpenInShell(GetDlgItem(dialog, IDC_ABOUT_LINK), kMakerHomeAddress); return FALSE;
    }
    return FALSE;
}

}  // namespace

// The state goes with the box's window, after its controls: the link has its
// own procedure back by then.
static void OnAboutFreed(HWND dialog) {
    AboutState* state = StateOf(dialog);
    if (state == nullptr) return;
    SetWindowLongPtrW(dialog, DWLP_USER, 0);
    if (state->linkFont != nullptr) DeleteObject(state->linkFont);
    if (state->picture != nullptr) DeleteObject(state->picture);
    delete state;
}

void ShowAboutBox(HWND owner) {
    // One modal box at a time: while another is open its owner is disabled,
    // and help asked for inside it (F1) reaches the owner.
    if (owner != nullptr && !IsWindowEnabled(owner)) return;
    DialogBoxParamW(program.instance, MAKEINTRESOURCEW(IDD_ABOUT), owner, AboutDialogProc, 0);
}

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return OnInitAbout(dialog);
    case WM_DRAWITEM: return OnDrawLink(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_COMMAND: return OnAboutCommand(dialog, LOWORD(wParam));
    case WM_DPICHANGED: return OnAboutDpiChanged(dialog, wParam, lParam);
    case WM_NCDESTROY: OnAboutFreed(dialog); return FALSE;
    }
    return FALSE;
}
