// The face printing uses. Some printer drivers (Wine's PostScript driver among
// them) fail hard on faces with CFF outlines, so a face without TrueType
// outlines is replaced for printing by a TrueType face with Hebrew letters;
// the Reading view keeps the user's choice.
#include "output/printing.h"
#include "view/style_font.h"

namespace {

// Faces with Hebrew letters and points, in the order they are preferred.
constexpr const wchar_t* kPrintFaces[] = {
    L"Frank Ruehl CLM", L"Times New Roman", L"David", L"Ezra SIL", L"Arial", L"DejaVu Sans",
};

struct RealizedFace {
    wchar_t name[LF_FACESIZE] = {};
    bool trueType = false;
};

// The face the printer gives for the print fonts of these settings, and
// whether it has TrueType outlines.
RealizedFace Realize(HDC printer, const FontSettings& settings) {
    RealizedFace face;
    HFONT font = CreateStyleFont(printer, settings, kPrintFontKey);
    if (font == nullptr) return face;
    HGDIOBJ previous = SelectObject(printer, font);
    TEXTMETRICW metrics{};
    face.trueType = GetTextMetricsW(printer, &metrics) && (metrics.tmPitchAndFamily & TMPF_TRUETYPE) != 0;
    GetTextFaceW(printer, LF_FACESIZE, face.name);
    SelectObject(printer, previous);
    DeleteObject(font);
    return face;
}

RealizedFace Realize(HDC printer, const FontSettings& settings, const wchar_t* name) {
    FontSettings named = settings;
    lstrcpynW(reinterpret_cast<wchar_t*>(named.FontName), name, kFontNameMax + 1);
    return Realize(printer, named);
}

int CALLBACK TakeTrueTypeFace(const LOGFONTW* logFont, const TEXTMETRICW*, DWORD type, LPARAM found) {
    if ((type & TRUETYPE_FONTTYPE) == 0 || logFont->lfFaceName[0] == L'@') return 1;
    lstrcpynW(reinterpret_cast<wchar_t*>(found), logFont->lfFaceName, LF_FACESIZE);
    return 0;
}

// The first TrueType face with Hebrew letters: a preferred one when it is
// installed, else any the system lists.
bool FindHebrewTrueTypeFace(HDC printer, const FontSettings& settings, wchar_t (&name)[LF_FACESIZE]) {
    for (const wchar_t* candidate : kPrintFaces) {
        const RealizedFace face = Realize(printer, settings, candidate);
        if (face.trueType && lstrcmpiW(face.name, candidate) == 0) {
            lstrcpynW(name, candidate, LF_FACESIZE);
            return true;
        }
    }
    name[0] = 0;
    HDC dc = CreateCompatibleDC(nullptr);
    if (dc == nullptr) return false;
    LOGFONTW filter{};
    filter.lfCharSet = HEBREW_CHARSET;
    EnumFontFamiliesExW(dc, &filter, TakeTrueTypeFace, reinterpret_cast<LPARAM>(name), 0);
    DeleteDC(dc);
    return name[0] != 0;
}

}  // namespace

void UsePrintableFace(HDC printer, FontSettings& settings) {
    if (Realize(printer, settings).trueType) return;
    wchar_t replacement[LF_FACESIZE];
    if (FindHebrewTrueTypeFace(printer, settings, replacement)) {
        lstrcpynW(reinterpret_cast<wchar_t*>(settings.FontName), replacement, kFontNameMax + 1);
        // The replacement keeps its letters at their Unicode places, whatever
        // the face it stands in for did.
        settings.FontAsciiBase = kUnicodeAsciiBase;
    }
}
