// The Calendar window's procedure and its list: a row per Shabbat for a year
// from the date picked, shaded where Israel and the diaspora read different
// portions; Enter or a double click opens the row's portion, Ctrl+C copies
// the rows as tab-separated text. The rows and their names come from the
// calendar module; the window only shows them.
#include "dialogs/calendar_window.h"

#include <commctrl.h>

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <new>
#include <string>

#include "app/program.h"
#include "calendar/current_article.h"
#include "calendar/hebrew_date_text.h"
#include "calendar/portion_names.h"
#include "calendar/this_week.h"
#include "dialogs/calendar_state.h"
#include "dialogs/edit_guard.h"
#include "dialogs/font_faces.h"
#include "output/clipboard.h"
#include "resources/resource.h"
#include "settings/settings_store.h"
#include "store/article_resource.h"
#include "store/article_text.h"
#include "view/navigation.h"
#include "view/window_dpi.h"

namespace {

constexpr char16_t kPlaceName[] = u"Calendar";
constexpr COLORREF kDifferingRowColour = RGB(255, 236, 179);
constexpr UINT_PTR kCopyKeysId = 1;
constexpr UINT_PTR kFirstFieldId = 2;
// Posted after a change of scale, once the system has given the dialog its new font.
constexpr UINT kRefreshFont = WM_APP + 1;
constexpr int kDateColumn = 62;      // dialog units
constexpr int kHebrewColumn = 84;

enum Anchor : unsigned { kMoveX = 1, kMoveY = 2, kGrowX = 4, kGrowY = 8 };

// How each control follows the window's size; the rest stay where they are.
constexpr struct { int id; unsigned anchor; } kAnchors[] = {
    {IDC_CALENDAR_LIST, kGrowX | kGrowY}, {IDC_CALENDAR_NOTE, kMoveY | kGrowX}, {IDC_MITZVAH_GROUP, kMoveY | kGrowX},
    {IDC_BIRTH_DATE_LABEL, kMoveY},       {IDC_BIRTH_DATE, kMoveY},             {IDC_AFTER_SUNSET, kMoveY},
    {IDC_OPEN_MITZVAH, kMoveX | kMoveY},  {IDC_BAR_MITZVAH, kMoveY},            {IDC_BAT_MITZVAH, kMoveY},
    {IDC_MITZVAH_TEXT, kMoveY | kGrowX},  {IDOK, kMoveX | kMoveY},              {IDCANCEL, kMoveX | kMoveY},
};

CalendarWindow* State(HWND window) { return reinterpret_cast<CalendarWindow*>(GetWindowLongPtrW(window, DWLP_USER)); }

int DialogUnitsX(HWND window, int units) {
    RECT rect{0, 0, units, 0};
    MapDialogRect(window, &rect);
    return rect.right;
}

void RememberLayout(CalendarWindow& state) {
    RECT client{}, outer{};
    GetClientRect(state.window, &client);
    GetWindowRect(state.window, &outer);
    state.client = {client.right, client.bottom};
    state.smallest = {outer.right - outer.left, outer.bottom - outer.top};
    state.placed.clear();
    for (const auto& a : kAnchors) {
        RECT rect{};
        GetWindowRect(GetDlgItem(state.window, a.id), &rect);
        MapWindowPoints(nullptr, state.window, reinterpret_cast<POINT*>(&rect), 2);
        state.placed.push_back(rect);
    }
}

// The portion column takes what the date columns leave of the list's width.
void FitColumns(const CalendarWindow& state) {
    RECT client{};
    GetClientRect(state.list, &client);
    const int date = DialogUnitsX(state.window, kDateColumn);
    const int hebrew = DialogUnitsX(state.window, kHebrewColumn);
    SendMessageW(state.list, LVM_SETCOLUMNWIDTH, 0, date);
    SendMessageW(state.list, LVM_SETCOLUMNWIDTH, 1, hebrew);
    SendMessageW(state.list, LVM_SETCOLUMNWIDTH, 2, std::max<int>(client.right - date - hebrew, hebrew));
}

void Layout(CalendarWindow& state, int width, int height) {
    if (state.placed.size() != std::size(kAnchors)) return;
    const int dx = std::max<int>(width - state.client.cx, 0);
    const int dy = std::max<int>(height - state.client.cy, 0);
    HDWP moves = BeginDeferWindowPos(static_cast<int>(std::size(kAnchors)));
    for (size_t i = 0; i < std::size(kAnchors) && moves != nullptr; ++i) {
        const unsigned anchor = kAnchors[i].anchor;
        const RECT& r = state.placed[i];
        const int x = r.left + ((anchor & kMoveX) ? dx : 0);
        const int y = r.top + ((anchor & kMoveY) ? dy : 0);
        const int w = r.right - r.left + ((anchor & kGrowX) ? dx : 0);
        const int h = r.bottom - r.top + ((anchor & kGrowY) ? dy : 0);
        moves = DeferWindowPos(moves, GetDlgItem(state.window, kAnchors[i].id), nullptr, x, y, w, h,
                               SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (moves != nullptr) EndDeferWindowPos(moves);
    FitColumns(state);
    // The group box and the texts are drawn again whole, not only where they
    // grew, and the controls over the erased background with them.
    RedrawWindow(state.window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void AddColumn(HWND list, int index, const wchar_t* title, int format) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.fmt = format;
    column.pszText = const_cast<wchar_t*>(title);
    SendMessageW(list, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
}

void SetCell(HWND list, int item, int column, const std::wstring& text) {
    LVITEMW cell{};
    cell.mask = LVIF_TEXT;
    cell.iItem = item;
    cell.iSubItem = column;
    cell.pszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(list, column == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, item, reinterpret_cast<LPARAM>(&cell));
}

// The rows from the date picked; the first one is selected.
void FillRows(CalendarWindow& state) {
    state.rows = ShabbatYear(PickedDay(GetDlgItem(state.window, IDC_CALENDAR_FROM)), ProgramName());
    SendMessageW(state.list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(state.list, LVM_DELETEALLITEMS, 0, 0);
    for (size_t i = 0; i < state.rows.size(); ++i) {
        const ShabbatRow& row = state.rows[i];
        const int item = static_cast<int>(i);
        SetCell(state.list, item, 0, CivilDateText(row.day, false));
        SetCell(state.list, item, 1, Wide(HebrewDateInLetters(row.hebrew)));
        SetCell(state.list, item, 2, Wide(RowReadingText(row, state.names)));
    }
    LVITEMW first{};
    first.stateMask = first.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(state.list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&first));
    SendMessageW(state.list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(state.list, nullptr, TRUE);
}

void CopyRows(const CalendarWindow& state) {
    const std::u16string text = ShabbatRowsText(state.rows, state.names);
    PlaceOnClipboard(state.window, {{CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(char16_t)}});
}

// Ctrl+C copies the rows wherever the focus is in the window.
LRESULT CALLBACK CopyKeysProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    if (message == WM_KEYDOWN && wParam == 'C' && GetKeyState(VK_CONTROL) < 0) {
        CopyRows(*reinterpret_cast<const CalendarWindow*>(data));
        return 0;
    }
    if (message == WM_NCDESTROY) RemoveWindowSubclass(control, CopyKeysProc, kCopyKeysId);
    return DefSubclassProc(control, message, wParam, lParam);
}

// Wine's date picker takes typed digits only once a field is chosen, where
// Windows' chooses the first one as it gets the focus: the first focus there
// chooses it with the Right key, once.
LRESULT CALLBACK FirstFieldProc(HWND picker, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    const LRESULT result = DefSubclassProc(picker, message, wParam, lParam);
    if (message == WM_SETFOCUS || message == WM_NCDESTROY) RemoveWindowSubclass(picker, FirstFieldProc, kFirstFieldId);
    if (message == WM_SETFOCUS) SendMessageW(picker, WM_KEYDOWN, VK_RIGHT, 0);
    return result;
}

// The dialog's font where it has the Hebrew letters, else the same size in
// the first face of the interface that has them (under Wine the dialog's
// "MS Sans Serif" draws boxes for them); none when no face has them.
HFONT CreateHebrewFont(HWND window) {
    LOGFONTW font{};
    const auto dialogFont = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    if (dialogFont == nullptr || GetObjectW(dialogFont, sizeof font, &font) == 0) return nullptr;
    HDC dc = GetDC(window);
    const wchar_t* faces[] = {font.lfFaceName, L"Segoe UI", L"Tahoma", L"Arial", L"DejaVu Sans", L"Liberation Sans"};
    const wchar_t* chosen = nullptr;
    for (const wchar_t* face : faces) {
        if (FaceDrawsLetters(dc, reinterpret_cast<const char16_t*>(face), kUnicodeAsciiBase)) {
            chosen = face;
            break;
        }
    }
    ReleaseDC(window, dc);
    if (chosen == nullptr) return nullptr;
    if (chosen != font.lfFaceName) wcsncpy(font.lfFaceName, chosen, LF_FACESIZE - 1);
    font.lfCharSet = DEFAULT_CHARSET;
    return CreateFontIndirectW(&font);
}

// The list and the section's answer take the font that has the Hebrew
// letters; one made before is deleted once neither uses it.
void ApplyHebrewFont(CalendarWindow& state) {
    HFONT previous = state.hebrewFont;
    state.hebrewFont = CreateHebrewFont(state.window);
    for (const int id : {IDC_CALENDAR_LIST, IDC_MITZVAH_TEXT}) {
        if (state.hebrewFont == nullptr) break;
        SendDlgItemMessageW(state.window, id, WM_SETFONT, reinterpret_cast<WPARAM>(state.hebrewFont), TRUE);
    }
    if (previous != nullptr && state.hebrewFont != nullptr) DeleteObject(previous);
    if (state.hebrewFont == nullptr) state.hebrewFont = previous;
}

void OpenRow(CalendarWindow& state, int item) {
    if (item < 0 || static_cast<size_t>(item) >= state.rows.size()) return;
    const ShabbatRow& row = state.rows[static_cast<size_t>(item)];
    const ShabbatReading& reading = state.israelHere ? row.israel : row.diaspora;
    OpenFromCalendar(state, reading.portion == kNoPortion ? 0 : ArticleForPortion(reading.portion));
}

// Enter opens the bar or bat mitzvah portion from within its section, else
// the row chosen in the list.
void OnOk(CalendarWindow& state) {
    HWND focus = GetFocus();
    for (const int id : {IDC_BIRTH_DATE, IDC_AFTER_SUNSET, IDC_BAR_MITZVAH, IDC_BAT_MITZVAH, IDC_OPEN_MITZVAH}) {
        if (focus == GetDlgItem(state.window, id)) return OpenMitzvahPortion(state);
    }
    OpenRow(state, static_cast<int>(SendMessageW(state.list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED)));
}

void SetUpList(CalendarWindow& state) {
    state.list = GetDlgItem(state.window, IDC_CALENDAR_LIST);
    SendMessageW(state.list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
    AddColumn(state.list, 0, L"Date", LVCFMT_LEFT);
    AddColumn(state.list, 1, L"Hebrew date", LVCFMT_RIGHT);
    AddColumn(state.list, 2, L"Portion", LVCFMT_LEFT);
    for (HWND child = GetWindow(state.window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        SetWindowSubclass(child, CopyKeysProc, kCopyKeysId, reinterpret_cast<DWORD_PTR>(&state));
    }
    for (const int id : {IDC_CALENDAR_FROM, IDC_BIRTH_DATE}) {
        if (UnderWine()) SetWindowSubclass(GetDlgItem(state.window, id), FirstFieldProc, kFirstFieldId, 0);
    }
    ApplyHebrewFont(state);
    SetDlgItemTextW(state.window, IDC_CALENDAR_NOTE,
                    state.israelHere
                        ? L"Shaded rows: Israel and the diaspora read different portions. Open takes Israel's."
                        : L"Shaded rows: Israel and the diaspora read different portions. Open takes the diaspora's.");
}

// Centred over the owner the first time, within its screen's work area;
// where it was left afterwards.
void Place(CalendarWindow& state) {
    if (RestoreWindowRect(state.window, kPlaceName, state.dpi)) return;
    HWND owner = GetWindow(state.window, GW_OWNER);
    RECT ownerRect{}, own{};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (owner == nullptr || !GetWindowRect(owner, &ownerRect) ||
        !GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor)) {
        return;
    }
    GetWindowRect(state.window, &own);
    const RECT& work = monitor.rcWork;
    const int w = own.right - own.left, h = own.bottom - own.top;
    const int x = std::clamp<int>((ownerRect.left + ownerRect.right - w) / 2, work.left,
                                  std::max<int>(work.left, work.right - w));
    const int y = std::clamp<int>((ownerRect.top + ownerRect.bottom - h) / 2, work.top,
                                  std::max<int>(work.top, work.bottom - h));
    SetWindowPos(state.window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR OnInitDialog(HWND window) {
    auto* state = new (std::nothrow) CalendarWindow{};
    if (state == nullptr) {
        EndDialog(window, IDCANCEL);
        return TRUE;
    }
    SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
    state->window = window;
    state->dpi = WindowDpi(window);
    state->names = ProgramArticleNames();
    state->israelHere = IsraelScheduleHere();
    SetUpList(*state);
    CheckRadioButton(window, IDC_BAR_MITZVAH, IDC_BAT_MITZVAH, IDC_BAR_MITZVAH);
    RememberLayout(*state);
    FillRows(*state);
    UpdateMitzvahSection(*state);
    Place(*state);
    RECT client{};
    GetClientRect(window, &client);
    Layout(*state, client.right, client.bottom);
    SetFocus(GetDlgItem(window, IDC_CALENDAR_FROM));
    return FALSE;
}

// Rows where the schedules part are shaded, unless the selection's colour shows.
LRESULT OnListDraw(const CalendarWindow& state, NMLVCUSTOMDRAW& draw) {
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
    const size_t item = draw.nmcd.dwItemSpec;
    const bool selected = SendMessageW(state.list, LVM_GETITEMSTATE, item, LVIS_SELECTED) != 0;
    if (item >= state.rows.size() || !state.rows[item].SchedulesDiffer() || selected) return CDRF_DODEFAULT;
    draw.clrTextBk = kDifferingRowColour;
    return CDRF_NEWFONT;
}

INT_PTR OnNotify(CalendarWindow* state, NMHDR& header) {
    if (state == nullptr) return FALSE;
    if (header.code == DTN_DATETIMECHANGE && header.idFrom == IDC_CALENDAR_FROM) FillRows(*state);
    if (header.code == DTN_DATETIMECHANGE && header.idFrom == IDC_BIRTH_DATE) UpdateMitzvahSection(*state);
    if (header.idFrom != IDC_CALENDAR_LIST) return FALSE;
    if (header.code == LVN_ITEMACTIVATE) OpenRow(*state, reinterpret_cast<NMITEMACTIVATE&>(header).iItem);
    if (header.code != NM_CUSTOMDRAW) return FALSE;
    SetWindowLongPtrW(state->window, DWLP_MSGRESULT, OnListDraw(*state, reinterpret_cast<NMLVCUSTOMDRAW&>(header)));
    return TRUE;
}

INT_PTR OnCommand(CalendarWindow* state, HWND window, int control, int notification) {
    if (control == IDCANCEL) {
        EndDialog(window, IDCANCEL);
        return TRUE;
    }
    if (state == nullptr) return FALSE;
    if (control == IDOK) OnOk(*state);
    if (control == IDC_OPEN_MITZVAH) OpenMitzvahPortion(*state);
    const bool choice = control == IDC_AFTER_SUNSET || control == IDC_BAR_MITZVAH || control == IDC_BAT_MITZVAH;
    if (choice && notification == BN_CLICKED) UpdateMitzvahSection(*state);
    return TRUE;
}

INT_PTR OnMinMaxInfo(const CalendarWindow* state, MINMAXINFO& info) {
    if (state == nullptr || state->smallest.cx <= 0) return FALSE;
    info.ptMinTrackSize = {state->smallest.cx, state->smallest.cy};
    return TRUE;
}

// On a screen of another scale the opening layout is taken at that scale and
// the window at the size the system suggests; the system's own scaling of a
// dialog then runs too, and the Hebrew font follows the dialog's new one.
INT_PTR OnDpiChanged(CalendarWindow* state, int dpi, const RECT& suggested) {
    if (state == nullptr || state->dpi <= 0) return FALSE;
    for (RECT& r : state->placed) {
        r = {MulDiv(r.left, dpi, state->dpi), MulDiv(r.top, dpi, state->dpi), MulDiv(r.right, dpi, state->dpi),
             MulDiv(r.bottom, dpi, state->dpi)};
    }
    state->client = {MulDiv(state->client.cx, dpi, state->dpi), MulDiv(state->client.cy, dpi, state->dpi)};
    state->smallest = {MulDiv(state->smallest.cx, dpi, state->dpi), MulDiv(state->smallest.cy, dpi, state->dpi)};
    state->dpi = dpi;
    SetWindowPos(state->window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    PostMessageW(state->window, kRefreshFont, 0, 0);
    return FALSE;
}

INT_PTR OnDestroy(const CalendarWindow* state) {
    if (state != nullptr) SaveWindowRect(state->window, kPlaceName, state->dpi);
    return FALSE;
}

// The controls are gone by now, and with them the last user of the font.
INT_PTR OnDialogFreed(HWND window, CalendarWindow* state) {
    if (state != nullptr && state->hebrewFont != nullptr) DeleteObject(state->hebrewFont);
    SetWindowLongPtrW(window, DWLP_USER, 0);
    delete state;
    return FALSE;
}

INT_PTR CALLBACK CalendarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return OnInitDialog(window);
    case WM_SIZE:
        if (CalendarWindow* state = State(window)) Layout(*state, LOWORD(lParam), HIWORD(lParam));
        return TRUE;
    case WM_GETMINMAXINFO: return OnMinMaxInfo(State(window), *reinterpret_cast<MINMAXINFO*>(lParam));
    case WM_DPICHANGED: return OnDpiChanged(State(window), HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
    case kRefreshFont:
        if (CalendarWindow* state = State(window)) ApplyHebrewFont(*state);
        return TRUE;
    case WM_NOTIFY: return OnNotify(State(window), *reinterpret_cast<NMHDR*>(lParam));
    case WM_COMMAND: return OnCommand(State(window), window, LOWORD(wParam), HIWORD(wParam));
    case WM_DESTROY: return OnDestroy(State(window));
    case WM_NCDESTROY: return OnDialogFreed(window, State(window));
    }
    return FALSE;
}

}  // namespace

std::wstring Wide(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }

int32_t PickedDay(HWND picker) {
    SYSTEMTIME picked{};
    if (SendMessageW(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&picked)) != GDT_VALID) {
        GetLocalTime(&picked);
    }
    return GregorianToAbsolute(picked.wMonth, picked.wDay, picked.wYear);
}

std::wstring CivilDateText(int32_t day, bool longDate) {
    const GregorianDate date = AbsoluteToGregorian(day);
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(date.year);
    time.wMonth = static_cast<WORD>(date.month);
    time.wDay = static_cast<WORD>(date.day);
    time.wDayOfWeek = static_cast<WORD>(day % 7);
    wchar_t text[80] = {};
    GetDateFormatW(LOCALE_USER_DEFAULT, longDate ? DATE_LONGDATE : DATE_SHORTDATE, &time, nullptr, text,
                   static_cast<int>(std::size(text)));
    return text;
}

void OpenFromCalendar(CalendarWindow& state, uint16_t article) {
    if (article == 0) {
        MessageBeep(MB_OK);
        return;
    }
    if (article != program.settings.Lesson) GoToArticle(program.mainWindow, article);
    EndDialog(state.window, IDOK);
}

void ShowCalendarWindow(HWND owner) {
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_DATE_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);
    DialogBoxParamW(program.instance, MAKEINTRESOURCEW(IDD_CALENDAR), owner, CalendarProc, 0);
}
