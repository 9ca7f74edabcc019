// The Choose Font dialog. Its state is made when it opens and freed with its
// window: the typefaces enumerated at opening, the chosen face and size as a
// LOGFONTW, the base the preview shows and the preview font given to field
// 1002. Decisions are the portable font_choice's; this file moves them to
// and from the controls.
#include "dialogs/font_dialog.h"

#include <algorithm>
#include <new>
#include <string>
#include <vector>

#include "app/program.h"
#include "dialogs/edit_guard.h"
#include "dialogs/font_choice.h"
#include "dialogs/font_face_list.h"
#include "dialogs/font_faces.h"
#include "dialogs/font_list.h"
#include "resources/resource.h"
#include "store/display_order.h"
#include "view/font_size.h"
#include "view/window_dpi.h"

namespace {

constexpr int kSmallestPreviewHeight = 6;

struct ChooserState {
    FontList fonts;
    HFONT previewFont;
    FontSettings* settings;
    LOGFONTW chosen;      // all zero except the height (the chosen size) and the face
    int32_t previewBase;  // the base whose letters the preview shows
    int dpi;              // of the dialog's screen, which the preview's size in points is made for
    bool closing;         // OK or Cancel has begun: list notifications are ignored
};

ChooserState* StateOf(HWND dialog) { return reinterpret_cast<ChooserState*>(GetWindowLongPtrW(dialog, DWLP_USER)); }

const wchar_t* Wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }
const char16_t* Units(const wchar_t* text) { return reinterpret_cast<const char16_t*>(text); }

BaseButton CheckedButton(HWND dialog) {
    if (IsDlgButtonChecked(dialog, IDC_FONT_BASE_224) == BST_CHECKED) return BaseButton::Base224;
    if (IsDlgButtonChecked(dialog, IDC_FONT_BASE_5D0) == BST_CHECKED) return BaseButton::Base5D0;
    return BaseButton::None;
}

void CheckButton(HWND dialog, BaseButton button) {
    CheckDlgButton(dialog, IDC_FONT_BASE_224, button == BaseButton::Base224 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_FONT_BASE_5D0, button == BaseButton::Base5D0 ? BST_CHECKED : BST_UNCHECKED);
}

// The selected row's text of a list box, or none when nothing is selected.
bool SelectedText(HWND dialog, int list, std::wstring& text) {
    const LRESULT row = SendDlgItemMessageW(dialog, list, LB_GETCURSEL, 0, 0);
    if (row == LB_ERR) return false;
    const LRESULT length = SendDlgItemMessageW(dialog, list, LB_GETTEXTLEN, row, 0);
    if (length == LB_ERR) return false;
    text.assign(static_cast<size_t>(length) + 1, L'\0');
    SendDlgItemMessageW(dialog, list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()));
    return true;
}

// Gives the preview field a new font (or the dialog's own, for none) and
// deletes the one it had.
void ReplacePreviewFont(HWND dialog, ChooserState& state, HFONT font, bool redraw = true) {
    HFONT shown = font != nullptr ? font : reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    SendDlgItemMessageW(dialog, IDC_FONT_PREVIEW, WM_SETFONT, reinterpret_cast<WPARAM>(shown), redraw);
    if (state.previewFont != nullptr) DeleteObject(state.previewFont);
    state.previewFont = font;
}

// The preview's lines in the field's own font, and whether they fit the
// rectangle the field lays its text out in with that font (its margins
// follow the font).
struct PreviewFit {
    std::vector<std::u16string> lines;
    bool fits = false;
};

// Room kept free on each line for what the platform's font linking may draw
// in place of a letter the face lacks, and for letters that reach past their
// advance: half an average letter.
int LinkingRoom(const TEXTMETRICW& metrics) { return (metrics.tmAveCharWidth + 1) / 2; }

PreviewFit FitPreview(HWND field, int32_t base) {
    PreviewFit fit;
    RECT format{};
    SendMessageW(field, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    HDC dc = GetDC(field);
    if (dc == nullptr) return fit;
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(field, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int width = format.right - format.left - LinkingRoom(metrics);
    const auto extent = [dc](const std::u16string& text) {
        SIZE size{};
        GetTextExtentPoint32W(dc, Wide(text.c_str()), static_cast<int>(text.size()), &size);
        return static_cast<int>(size.cx);
    };
    const auto letterWidth = [&extent](char16_t letter) { return extent(std::u16string(1, letter)); };
    fit.lines = PreviewLines(base, PlatformReorders(DisplayFont{base, false}), width, letterWidth);
    fit.fits = static_cast<int>(fit.lines.size()) * metrics.tmHeight <= format.bottom - format.top;
    for (const std::u16string& line : fit.lines) fit.fits = fit.fits && extent(line) <= width;
    SelectObject(dc, previous);
    ReleaseDC(field, dc);
    return fit;
}

// Shows the letters of the preview's base in the chosen face and size (points
// at the dialog's scale), made smaller in steps of a tenth until every letter
// fits the field: all 27 are always to be seen, alef first in reading order.
// Each size is tried in the field itself, so that what it shows depends on
// the face and size chosen alone, not on the font it had before. The field
// is empty meanwhile: the letters of one base may be what a face tried on
// the way cannot show (see edit_guard).
void ShowPreview(HWND dialog, ChooserState& state) {
    HWND field = GetDlgItem(dialog, IDC_FONT_PREVIEW);
    LOGFONTW description = state.chosen;
    description.lfHeight = FontHeightForPoints(ClampFontSize(description.lfHeight), state.dpi);
    // Any character set, so that a Hebrew-only face is shown as itself.
    description.lfCharSet = DEFAULT_CHARSET;
    SetWindowTextW(field, L"");
    PreviewFit fit;
    for (;;) {
        ReplacePreviewFont(dialog, state, CreateFontIndirectW(&description), false);
        fit = FitPreview(field, state.previewBase);
        const LONG height = description.lfHeight < 0 ? -description.lfHeight : description.lfHeight;
        if (fit.fits || height <= kSmallestPreviewHeight) break;
        const LONG smaller = std::max<LONG>(kSmallestPreviewHeight, height * 9 / 10);
        description.lfHeight = description.lfHeight < 0 ? -smaller : smaller;
    }
    std::u16string text;
    for (const std::u16string& line : fit.lines) text += (text.empty() ? u"" : u"\r\n") + line;
    SetWindowTextW(field, Wide(text.c_str()));
}

void FillFaceList(HWND dialog, const ChooserState& state) {
    SendDlgItemMessageW(dialog, IDC_FONT_FACES, LB_RESETCONTENT, 0, 0);
    for (const FontListEntry* entry = state.fonts.head; entry != nullptr; entry = entry->next) {
        SendDlgItemMessageW(dialog, IDC_FONT_FACES, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(entry->faceName)));
    }
    // An empty name would select the first row, whatever face that is.
    if (state.settings->FontName[0] == 0) return;
    SendDlgItemMessageW(dialog, IDC_FONT_FACES, LB_SELECTSTRING, static_cast<WPARAM>(-1),
                        reinterpret_cast<LPARAM>(Wide(state.settings->FontName)));
}

void FillSizeList(HWND dialog, int32_t fontSize) {
    const SizeList list = BuildSizeList(fontSize);
    SendDlgItemMessageW(dialog, IDC_FONT_SIZES, LB_RESETCONTENT, 0, 0);
    for (int row = 0; row < list.count; ++row) {
        char16_t text[12];
        FormatDecimal(list.sizes[row], text);
        SendDlgItemMessageW(dialog, IDC_FONT_SIZES, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(text)));
    }
    if (list.selected >= 0) SendDlgItemMessageW(dialog, IDC_FONT_SIZES, LB_SETCURSEL, list.selected, 0);
}

INT_PTR OnFontDialogInit(HWND dialog, FontSettings* settings) {
    auto* state = new (std::nothrow) ChooserState{};
    if (state == nullptr) {
        EndDialog(dialog, IDCANCEL);
        return FALSE;
    }
    state->settings = settings;
    state->dpi = WindowDpi(dialog);
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
    settings->FontAsciiBase = BaseAtOpening(settings->FontAsciiBase);
    state->previewBase = settings->FontAsciiBase;
    CheckButton(dialog, ButtonForBase(settings->FontAsciiBase));
    HWND owner = GetWindow(dialog, GW_OWNER);
    HDC dc = GetDC(owner);
    EnumerateFaces(dc, state->fonts);
    ReleaseDC(owner, dc);
    FillFaceList(dialog, *state);
    FillSizeList(dialog, settings->FontSize);
    GuardEdit(GetDlgItem(dialog, IDC_FONT_PREVIEW));
    SetFocus(GetDlgItem(dialog, IDC_FONT_FACES));
    RefreshFontChoice(dialog, 0);
    return FALSE;  // the focus is set
}

void OnListNotification(HWND dialog, int list, int code) {
    const ChooserState* state = StateOf(dialog);
    if (state == nullptr || state->closing) return;
    if (code != LBN_SELCHANGE && code != LBN_DBLCLK && code != LBN_SETFOCUS && code != LBN_KILLFOCUS) return;
    // Only a new face changes the radio choice; focus moves and sizes only refresh the preview.
    RefreshFontChoice(dialog, list == IDC_FONT_FACES && code == LBN_SELCHANGE ? kFaceListChanged : 0);
}

void OnBaseClicked(HWND dialog, int code, int32_t base) {
    if (code != BN_CLICKED) return;
    FillPreviewLetters(dialog, base);
}

void CloseFontDialog(HWND dialog, int result) {
    if (result == IDOK) RefreshFontChoice(dialog, kCommitChoice);
    if (ChooserState* state = StateOf(dialog)) state->closing = true;
    ReleaseFontList(dialog);
    EndDialog(dialog, result);
}

INT_PTR OnFontDialogCommand(HWND dialog, int id, int code) {
    switch (id) {
    case IDC_FONT_BASE_224: OnBaseClicked(dialog, code, kEightBitBase); return TRUE;
    case IDC_FONT_BASE_5D0: OnBaseClicked(dialog, code, kUnicodeBase); return TRUE;
    case IDC_FONT_FACES:
    case IDC_FONT_SIZES: OnListNotification(dialog, id, code); return TRUE;
    case IDOK:
    case IDCANCEL: CloseFontDialog(dialog, id); return TRUE;
    }
    return FALSE;
}

// The preview is made again for the new scale.
INT_PTR OnFontDialogDpiChanged(HWND dialog, WPARAM wParam, LPARAM lParam) {
    const int dpi = FollowScaleChange(dialog, wParam, lParam);
    ChooserState* state = StateOf(dialog);
    if (state == nullptr || state->closing) return TRUE;
    state->dpi = dpi;
    ShowPreview(dialog, *state);
    return TRUE;
}

// The controls are gone by now; the state goes with the dialog's window.
void OnFontDialogFreed(HWND dialog) {
    ChooserState* state = StateOf(dialog);
    if (state == nullptr) return;
    ReleaseFontList(dialog);
    if (state->previewFont != nullptr) DeleteObject(state->previewFont);
    SetWindowLongPtrW(dialog, DWLP_USER, 0);
    delete state;
}

// The preview field gives its font back before it is destroyed, so that the
// font is deleted while nothing uses it; emptied first, as the dialog's font
// need not show what was typed.
void OnFontDialogDestroy(HWND dialog) {
    ChooserState* state = StateOf(dialog);
    if (state == nullptr) return;
    state->closing = true;
    if (state->previewFont == nullptr) return;
    SetDlgItemTextW(dialog, IDC_FONT_PREVIEW, L"");
    ReplacePreviewFont(dialog, *state, nullptr);
}

// The face list's rows; before the state exists (while the dialog is made) they wait.
INT_PTR OnFaceRowDraw(HWND dialog, const DRAWITEMSTRUCT& item) {
    ChooserState* state = StateOf(dialog);
    if (state == nullptr || item.CtlID != IDC_FONT_FACES) return FALSE;
    DrawFaceRow(item, state->fonts);
    return TRUE;
}

INT_PTR CALLBACK FontDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return OnFontDialogInit(dialog, reinterpret_cast<FontSettings*>(lParam));
    case WM_COMMAND: return OnFontDialogCommand(dialog, LOWORD(wParam), HIWORD(wParam));
    case WM_MEASUREITEM: MeasureFaceRow(dialog, *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)); return TRUE;
    case WM_DRAWITEM: return OnFaceRowDraw(dialog, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_DPICHANGED: return OnFontDialogDpiChanged(dialog, wParam, lParam);
    case WM_DESTROY: OnFontDialogDestroy(dialog); return TRUE;
    case WM_NCDESTROY: OnFontDialogFreed(dialog); return FALSE;
    }
    return FALSE;
}

// Reads the lists into the chosen LOGFONTW: the selected face (cut to 31
// units) and the selected size; without a selection each stays as it was.
void ReadChoice(HWND dialog, ChooserState& state) {
    std::wstring text;
    if (SelectedText(dialog, IDC_FONT_FACES, text)) {
        char16_t face[kFontNameMax + 1];
        CopyFaceName(face, Units(text.c_str()), text.size());
        lstrcpynW(state.chosen.lfFaceName, Wide(face), LF_FACESIZE);
    }
    if (SelectedText(dialog, IDC_FONT_SIZES, text)) state.chosen.lfHeight = ReadSizeText(Units(text.c_str()));
}

}  // namespace

int ShowFontDialog(HWND owner, FontSettings& settings) {
    return static_cast<int>(DialogBoxParamW(program.instance, MAKEINTRESOURCEW(IDD_FONT), owner, FontDialogProc,
                                            reinterpret_cast<LPARAM>(&settings)));
}

void FillPreviewLetters(HWND dialog, int32_t base) {
    ChooserState* state = StateOf(dialog);
    if (state == nullptr) return;
    state->previewBase = base;
    ShowPreview(dialog, *state);
}

void RefreshFontChoice(HWND dialog, unsigned flags) {
    ChooserState* state = StateOf(dialog);
    if (state == nullptr) return;
    ReadChoice(dialog, *state);
    const wchar_t* face = state->chosen.lfFaceName;
    // A face the list does not hold counts as not Hebrew.
    const FontListEntry* entry = face[0] != 0 ? FindFontEntry(state->fonts, Units(face)) : nullptr;
    const BaseButton checked = CheckedButton(dialog);
    const BaseButton next =
        ButtonAfterListChange(checked, (flags & kFaceListChanged) != 0, entry != nullptr ? entry->charset : 0);
    if (next != checked) {
        CheckButton(dialog, next);
        state->previewBase = kUnicodeBase;
    }
    if (flags & kCommitChoice) {
        ReplacePreviewFont(dialog, *state, nullptr);
        FontChoice choice{};
        CopyFaceName(choice.face, Units(face), LF_FACESIZE);
        choice.height = state->chosen.lfHeight;
        CommitFontChoice(*state->settings, choice, CheckedButton(dialog));
        return;
    }
    ShowPreview(dialog, *state);
}

void ReleaseFontList(HWND dialog) {
    if (ChooserState* state = StateOf(dialog)) ReleaseFaces(state->fonts);
}
