// The About box. Its link is an owner-drawn button drawn as blue text in a
// bold, underlined copy of the dialog font, made for each opening and deleted
// at its close; a replaced window procedure gives it the hand cursor.
#include "app/about_box.h"

#include "app/maker_addresses.h"
#include "app/program.h"
#include "app/update_check.h"
#include "resources/resource.h"

namespace {

constexpr int kLinkTextCapacity = 100;  // characters, the terminator included
constexpr COLORREF kLinkColour = RGB(0, 0, 255);
constexpr LONG kLinkWeight = 800;

LRESULT CALLBACK LinkProc(HWND link, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETCURSOR) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
    }
    if (program.linkProcedure == nullptr) return DefWindowProcW(link, message, wParam, lParam);
    return CallWindowProcW(program.linkProcedure, link, message, wParam, lParam);
}

// The button's own procedure is the same for every opening; it is kept once.
void ReplaceLinkProcedure(HWND link) {
    const auto replacement = reinterpret_cast<LONG_PTR>(LinkProc);
    const auto previous = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(link, GWLP_WNDPROC, replacement));
    if (previous != nullptr && previous != LinkProc && previous != program.linkProcedure) {
        program.linkProcedure = previous;
    }
}

void DeleteLinkFont() {
    if (program.linkFont != nullptr) DeleteObject(program.linkFont);
    program.linkFont = nullptr;
}

// A bold, underlined copy of the link's font, or none.
HFONT CreateLinkFont(HWND link) {
    const auto font = reinterpret_cast<HFONT>(SendMessageW(link, WM_GETFONT, 0, 0));
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

INT_PTR OnInitAbout(HWND dialog) {
    const HWND link = GetDlgItem(dialog, IDC_ABOUT_LINK);
    if (link == nullptr) return FALSE;
    SetWindowTextW(link, kMakerWebAddress);
    ReplaceLinkProcedure(link);
    DeleteLinkFont();
    program.linkFont = CreateLinkFont(link);
    const HDC dc = GetDC(link);
    if (dc != nullptr && program.linkFont != nullptr) FitLink(link, dc, program.linkFont);
    if (dc != nullptr) ReleaseDC(link, dc);
    return FALSE;
}

INT_PTR OnDrawLink(const DRAWITEMSTRUCT& item) {
    if (item.CtlID != IDC_ABOUT_LINK) return FALSE;
    wchar_t text[kLinkTextCapacity];
    const int length = GetWindowTextW(item.hwndItem, text, kLinkTextCapacity);
    const COLORREF colour = SetTextColor(item.hDC, kLinkColour);
    const int mode = SetBkMode(item.hDC, TRANSPARENT);
    ExtTextOutW(item.hDC, 0, GetSystemMetrics(SM_CYEDGE), ETO_CLIPPED, &item.rcItem, text, length, nullptr);
    SetBkMode(item.hDC, mode);
    SetTextColor(item.hDC, colour);
    return FALSE;
}

INT_PTR OnAboutCommand(HWND dialog, int id) {
    switch (id) {
    case IDOK:
    case IDCANCEL:
        EndDialog(dialog, id);
        DeleteLinkFont();
        return TRUE;
    case IDC_ABOUT_LINK: OpenInShell(GetDlgItem(dialog, IDC_ABOUT_LINK), kMakerHomeAddress); return FALSE;
    }
    return FALSE;
}

}  // namespace

void ShowAboutBox(HWND owner) {
    if (program.aboutBoxOpen) return;
    program.aboutBoxOpen = true;
    DialogBoxParamW(program.instance, MAKEINTRESOURCEW(IDD_ABOUT), owner, AboutDialogProc, 0);
    program.aboutBoxOpen = false;
}

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return OnInitAbout(dialog);
    case WM_DRAWITEM: return OnDrawLink(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_COMMAND: return OnAboutCommand(dialog, LOWORD(wParam));
    // Closing any other way than by command must not leave the font behind.
    case WM_DESTROY: DeleteLinkFont(); return FALSE;
    }
    return FALSE;
}
