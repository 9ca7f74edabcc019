#include "dialogs/edit_guard.h"

#include <commctrl.h>

#include <cstdint>
#include <cstring>
#include <new>
#include <vector>

#include "dialogs/mark_glyphs.h"
#include "output/clipboard.h"

bool UnderWine() {
    static const bool wine = [] {
        HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
        return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
    }();
    return wine;
}

namespace {

// GetFontData takes a table's tag with its first letter in the lowest byte.
constexpr DWORD kGposTag = 'G' | ('P' << 8) | ('O' << 16) | ('S' << 24);

std::vector<bool> TrailingMarkGlyphsOf(HDC dc) {
    const DWORD size = GetFontData(dc, kGposTag, 0, nullptr, 0);
    if (size == GDI_ERROR || size == 0) return {};
    std::vector<uint8_t> gpos(size);
    if (GetFontData(dc, kGposTag, 0, gpos.data(), size) != size) return {};
    return TrailingMarkGlyphs(gpos.data(), gpos.size());
}

// One flag per unit of text: set for those the edit's font cannot show.
std::vector<bool> Unshowable(HWND edit, const char16_t* text, size_t length) {
    std::vector<bool> refused(length, false);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0));
    if (!UnderWine() || font == nullptr || length == 0) return refused;
    HDC dc = GetDC(edit);
    if (dc == nullptr) return refused;
    HGDIOBJ previous = SelectObject(dc, font);
    try {
        const std::vector<bool> marks = TrailingMarkGlyphsOf(dc);
        std::vector<WORD> glyphs(length, 0xFFFF);
        if (!marks.empty()) {
            GetGlyphIndicesW(dc, reinterpret_cast<const wchar_t*>(text), static_cast<int>(length), glyphs.data(),
                             GGI_MARK_NONEXISTING_GLYPHS);
            for (size_t i = 0; i < length; ++i) refused[i] = !EditCanTake(text[i], glyphs[i], marks);
        }
    } catch (const std::bad_alloc&) {
        // Unchecked, a character may end the program: none is shown.
        refused.assign(length, true);
    }
    SelectObject(dc, previous);
    ReleaseDC(edit, dc);
    return refused;
}

bool IsOneLine(HWND edit) { return (GetWindowLongPtrW(edit, GWL_STYLE) & ES_MULTILINE) == 0; }

// Pastes what can be shown of the clipboard's text, when that is not all of
// it or when a one-line edit must not take its line ends: such an edit takes
// the first line only, as the platform's own paste does.
bool PasteShowable(HWND edit) {
    try {
        const std::vector<uint8_t> bytes = ReadClipboard(CF_UNICODETEXT);
        std::u16string text(bytes.size() / 2, u'\0');
        std::memcpy(text.data(), bytes.data(), 2 * text.size());
        const size_t lineEnd = IsOneLine(edit) ? text.find_first_of(u"\r\n") : std::u16string::npos;
        const bool cut = lineEnd != std::u16string::npos;
        if (cut) text.resize(lineEnd);
        const std::u16string showable = ShowableInEdit(edit, text);
        if (showable.size() == text.size() && !cut) return false;
        SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(showable.c_str()));
    } catch (const std::bad_alloc&) {
        MessageBeep(MB_OK);
    }
    return true;
}

LRESULT CALLBACK GuardedEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR) {
    if (message == WM_NCDESTROY) RemoveWindowSubclass(edit, GuardedEditProc, id);
    if (RefuseUnshowable(edit, message, wParam)) return 0;
    return DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace

std::u16string ShowableInEdit(HWND edit, std::u16string text) {
    const std::vector<bool> refused = Unshowable(edit, text.data(), text.size());
    size_t kept = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (!refused[i]) text[kept++] = text[i];
    }
    text.resize(kept);
    return text;
}

bool RefuseUnshowable(HWND edit, UINT message, WPARAM wParam) {
    if (!UnderWine()) return false;
    if (message == WM_PASTE) return PasteShowable(edit);
    if (message != WM_CHAR && message != WM_IME_CHAR) return false;
    const auto unit = static_cast<char16_t>(wParam);
    if (!Unshowable(edit, &unit, 1)[0]) return false;
    MessageBeep(MB_OK);
    return true;
}

void GuardEdit(HWND edit) {
    if (UnderWine()) SetWindowSubclass(edit, GuardedEditProc, 0, 0);
}
