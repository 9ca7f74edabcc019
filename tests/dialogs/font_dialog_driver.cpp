// Messages that read and work the Choose Font dialog's controls.
#include "tests/dialogs/font_dialog_driver.h"

#include "resources/resource.h"

namespace {

LRESULT SendTo(HWND dialog, int control, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(GetDlgItem(dialog, control), message, wParam, lParam, SMTO_BLOCK, 10000, &result);
    return static_cast<LRESULT>(result);
}

void SendCommand(HWND dialog, int control, int code) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(dialog, WM_COMMAND, MAKEWPARAM(control, code),
                        reinterpret_cast<LPARAM>(GetDlgItem(dialog, control)), SMTO_BLOCK, 10000, &result);
}

std::wstring RowText(HWND dialog, int list, LRESULT row) {
    const LRESULT length = SendTo(dialog, list, LB_GETTEXTLEN, row);
    if (length <= 0) return L"";
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendTo(dialog, list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

}  // namespace

std::vector<std::wstring> ListRows(HWND dialog, int list) {
    std::vector<std::wstring> rows;
    const LRESULT count = SendTo(dialog, list, LB_GETCOUNT);
    for (LRESULT row = 0; row < count; ++row) rows.push_back(RowText(dialog, list, row));
    return rows;
}

std::wstring SelectedRow(HWND dialog, int list) {
    const LRESULT row = SendTo(dialog, list, LB_GETCURSEL);
    return row == LB_ERR ? L"" : RowText(dialog, list, row);
}

bool ChooseRow(HWND dialog, int list, const std::wstring& text) {
    const LRESULT row = SendTo(dialog, list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                               reinterpret_cast<LPARAM>(text.c_str()));
    if (row == LB_ERR) return false;
    SendTo(dialog, list, LB_SETCURSEL, static_cast<WPARAM>(row));
    SendCommand(dialog, list, LBN_SELCHANGE);
    return true;
}

void NotifyList(HWND dialog, int list, int code) { SendCommand(dialog, list, code); }

void ClickButton(HWND dialog, int button) {
    SendTo(dialog, button, BM_SETCHECK, BST_CHECKED);
    for (int other : {IDC_FONT_BASE_224, IDC_FONT_BASE_5D0}) {
        if (other != button) SendTo(dialog, other, BM_SETCHECK, BST_UNCHECKED);
    }
    SendCommand(dialog, button, BN_CLICKED);
}

bool IsChecked(HWND dialog, int button) { return SendTo(dialog, button, BM_GETCHECK) == BST_CHECKED; }

std::wstring PreviewText(HWND dialog) {
    wchar_t text[128] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(GetDlgItem(dialog, IDC_FONT_PREVIEW), WM_GETTEXT, 128, reinterpret_cast<LPARAM>(text),
                        SMTO_BLOCK, 10000, &copied);
    return text;
}

LOGFONTW PreviewFont(HWND dialog) {
    LOGFONTW logFont{};
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendTo(dialog, IDC_FONT_PREVIEW, WM_GETFONT));
    if (font != nullptr) GetObjectW(font, sizeof(logFont), &logFont);
    return logFont;
}

std::wstring PreviewFaceDrawn(HWND dialog) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendTo(dialog, IDC_FONT_PREVIEW, WM_GETFONT)));
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, face);
    SelectObject(dc, previous);
    DeleteDC(dc);
    return face;
}

std::wstring LettersUpFrom(wchar_t first) {
    std::wstring letters;
    for (int i = 0; i <= 26; ++i) letters.push_back(static_cast<wchar_t>(first + i));
    return letters;
}

std::wstring PreviewInReadingOrder(HWND dialog, bool platformReorders) {
    const std::wstring text = PreviewText(dialog);
    std::wstring reading;
    for (size_t start = 0; start <= text.size();) {
        size_t end = text.find(L"\r\n", start);
        if (end == std::wstring::npos) end = text.size();
        std::wstring line = text.substr(start, end - start);
        if (!platformReorders) line.assign(line.rbegin(), line.rend());
        reading += line;
        start = end + 2;
    }
    return reading;
}
