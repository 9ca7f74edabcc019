// Rows of the face list. The list keeps its strings (it is sorted and found
// by name as before); only their drawing is the dialog's. A face is measured
// the first time its row is drawn, so that opening the dialog does not wait
// for every installed face.
#include "dialogs/font_face_list.h"

#include <algorithm>
#include <string>

#include "dialogs/font_faces.h"

namespace {

constexpr int kRowPadding = 2;

bool ShowsCantillation(HDC dc, FontList& faces, const std::wstring& name) {
    FontListEntry* entry = FindFontEntry(faces, reinterpret_cast<const char16_t*>(name.c_str()));
    if (entry == nullptr) return false;
    if (entry->cantillation == kMarksUnknown) {
        const bool shows = FaceShowsCantillation(dc, entry->faceName);
        entry->cantillation = shows ? kMarksShown : kMarksMissing;
    }
    return entry->cantillation == kMarksShown;
}

}  // namespace

void MeasureFaceRow(HWND dialog, MEASUREITEMSTRUCT& item) {
    HDC dc = GetDC(dialog);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(dialog, dc);
    item.itemHeight = static_cast<UINT>(metrics.tmHeight + kRowPadding);
}

void DrawFaceRow(const DRAWITEMSTRUCT& item, FontList& faces) {
    if (item.itemID == static_cast<UINT>(-1)) return;
    HDC dc = item.hDC;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(dc, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const LRESULT length = SendMessageW(item.hwndItem, LB_GETTEXTLEN, item.itemID, 0);
    std::wstring name(length > 0 ? static_cast<size_t>(length) + 1 : 1, L'\0');
    if (length > 0) SendMessageW(item.hwndItem, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(name.data()));
    name.resize(static_cast<size_t>(std::max<LRESULT>(length, 0)));
    const COLORREF text = SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    const int mode = SetBkMode(dc, TRANSPARENT);
    RECT box = item.rcItem;
    box.left += kRowPadding;
    box.right -= kRowPadding;
    if (ShowsCantillation(dc, faces, name)) {
        DrawTextW(dc, kCantillationNote, -1, &box, DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
        SIZE note{};
        GetTextExtentPoint32W(dc, kCantillationNote, 1, &note);
        box.right -= note.cx + kRowPadding;
    }
    DrawTextW(dc, name.c_str(), static_cast<int>(name.size()), &box,
              DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
    SetBkMode(dc, mode);
    SetTextColor(dc, text);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &item.rcItem);
}
