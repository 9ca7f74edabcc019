// Enumerating typefaces and checking that a face has the Hebrew letters.
// Under Wine, as on Windows, a face that is not installed is quietly drawn
// in another; only the face's own name and glyphs tell whether it is there.
#include "dialogs/font_faces.h"

#include <algorithm>
#include <iterator>

#include "app/program.h"
#include "dialogs/font_choice.h"
#include "view/cluster_shaper.h"

namespace {

constexpr int kProbeHeight = 32;

const wchar_t* Wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

void* AllocateBlock(size_t bytes) { return AllocOrQuit(bytes); }

bool SameFace(const wchar_t* a, const char16_t* b) { return lstrcmpiW(a, Wide(b)) == 0; }

}  // namespace

int CALLBACK EnumFontEntry(const LOGFONTW* logFont, const TEXTMETRICW* metrics, DWORD, LPARAM user) {
    auto* list = reinterpret_cast<FontList*>(user);
    const auto* face = reinterpret_cast<const char16_t*>(logFont->lfFaceName);
    return AddReportedFace(*list, face, LF_FACESIZE, metrics->tmCharSet, AllocateBlock) ? 1 : 0;
}

void EnumerateFaces(HDC dc, FontList& list) {
    EnumFontsW(dc, nullptr, EnumFontEntry, reinterpret_cast<LPARAM>(&list));
}

// Whether the face itself (not a stand-in the system takes for it) passes a
// test with a font of it selected into dc.
template <typename Test>
bool FacePasses(HDC dc, const char16_t* face, Test test) {
    LOGFONTW description{};
    description.lfHeight = kProbeHeight;
    description.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(description.lfFaceName, Wide(face), LF_FACESIZE);
    HFONT font = CreateFontIndirectW(&description);
    if (font == nullptr) return false;
    HGDIOBJ previous = SelectObject(dc, font);
    wchar_t drawn[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, drawn);
    const bool passes = SameFace(drawn, face) && test();
    SelectObject(dc, previous);
    DeleteObject(font);
    return passes;
}

bool FaceDrawsLetters(HDC dc, const char16_t* face, int32_t base) {
    return FacePasses(dc, face, [dc, base] {
        char16_t letters[kPreviewLetterCount + 1];
        BuildPreviewLetters(base, letters);
        WORD glyphs[kPreviewLetterCount] = {};
        if (GetGlyphIndicesW(dc, Wide(letters), kPreviewLetterCount, glyphs, GGI_MARK_NONEXISTING_GLYPHS) !=
            kPreviewLetterCount) {
            return false;
        }
        return std::none_of(std::begin(glyphs), std::end(glyphs), [](WORD glyph) { return glyph == 0xFFFF; });
    });
}

bool FaceShowsCantillation(HDC dc, const char16_t* face) {
    return FacePasses(dc, face, [dc] { return SelectedFontShowsLayerMarks(dc); });
}

bool ChooseFirstStartFont(FontSettings& font) {
    HDC dc = GetDC(nullptr);
    if (dc == nullptr) return false;
    FontList faces{};
    EnumerateFaces(dc, faces);
    const std::u16string face =
        FirstStartFace(faces, [dc](const char16_t* name) { return FaceDrawsLetters(dc, name, kUnicodeBase); },
                       [dc](const char16_t* name) { return FaceShowsCantillation(dc, name); });
    ReleaseFaces(faces);
    ReleaseDC(nullptr, dc);
    if (face.empty()) return false;
    CopyFaceName(font.FontName, face.c_str(), face.size() + 1);
    if (font.FontSize == 0) font.FontSize = kFirstStartSize;
    if (font.FontAsciiBase == 0) font.FontAsciiBase = kUnicodeBase;
    return true;
}

void KeepAFaceThatDrawsHebrew(FontSettings& font, const FontSettings& fallback) {
    if (fallback.FontName[0] == 0) return;
    HDC dc = GetDC(nullptr);
    if (dc == nullptr) return;
    const bool draws = font.FontName[0] != 0 && FaceDrawsLetters(dc, font.FontName, font.FontAsciiBase);
    ReleaseDC(nullptr, dc);
    if (draws) return;
    CopyFaceName(font.FontName, fallback.FontName, kFontNameMax + 1);
    font.FontAsciiBase = fallback.FontAsciiBase;
}

void ReleaseFaces(FontList& list) { ReleaseFontEntries(list, FreeBlock); }
