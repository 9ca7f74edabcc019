// Replaces entries of this program's import address table for as long as a
// GdiCounter lives; calls made by system libraries go through their own
// tables and are not counted.
#include "tests/support/gdi_counter.h"

#include <cstring>

namespace {

GdiCounter* counter = nullptr;

using CreateFontFn = HFONT(WINAPI*)(const LOGFONTW*);
using LoadBitmapFn = HBITMAP(WINAPI*)(HINSTANCE, LPCWSTR);
using DeleteObjectFn = BOOL(WINAPI*)(HGDIOBJ);
using GetDcFn = HDC(WINAPI*)(HWND);
using ReleaseDcFn = int(WINAPI*)(HWND, HDC);
CreateFontFn realCreateFont = nullptr;
LoadBitmapFn realLoadBitmap = nullptr;
DeleteObjectFn realDeleteObject = nullptr;
GetDcFn realGetDc = nullptr;
ReleaseDcFn realReleaseDc = nullptr;

HFONT WINAPI CountedCreateFont(const LOGFONTW* logFont) {
    HFONT font = realCreateFont(logFont);
    if (font != nullptr) {
        ++counter->fontsCreated;
        counter->liveFonts.insert(font);
        if (counter->watchedOwner != nullptr && IsWindowEnabled(counter->watchedOwner)) {
            ++counter->fontsWhileOwnerEnabled;
        }
    }
    return font;
}

HBITMAP WINAPI CountedLoadBitmap(HINSTANCE instance, LPCWSTR name) {
    HBITMAP bitmap = realLoadBitmap(instance, name);
    if (bitmap != nullptr) counter->liveBitmaps.insert(bitmap);
    return bitmap;
}

BOOL WINAPI CountedDeleteObject(HGDIOBJ object) {
    counter->liveFonts.erase(object);
    counter->liveBitmaps.erase(object);
    return realDeleteObject(object);
}

HDC WINAPI CountedGetDc(HWND window) {
    HDC dc = realGetDc(window);
    if (dc != nullptr) ++counter->liveDcs;
    return dc;
}

int WINAPI CountedReleaseDc(HWND window, HDC dc) {
    const int released = realReleaseDc(window, dc);
    if (released) --counter->liveDcs;
    return released;
}

// Swaps one imported function of this program for another; the previous
// entry is returned through previous. False when the import is not there.
template <typename Fn>
bool SwapImport(const char* library, const char* name, Fn replacement, Fn* previous) {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    auto* descriptor = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
    for (; descriptor->Name != 0; ++descriptor) {
        if (lstrcmpiA(reinterpret_cast<char*>(base + descriptor->Name), library) != 0) continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + descriptor->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + descriptor->FirstThunk);
        for (; names->u1.AddressOfData != 0; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<char*>(byName->Name), name) != 0) continue;
            DWORD protection = 0;
            VirtualProtect(&slots->u1.Function, sizeof(slots->u1.Function), PAGE_READWRITE, &protection);
            if (previous != nullptr) *previous = reinterpret_cast<Fn>(slots->u1.Function);
            slots->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
            VirtualProtect(&slots->u1.Function, sizeof(slots->u1.Function), protection, &protection);
            return true;
        }
    }
    return false;
}

}  // namespace

GdiCounter::GdiCounter() {
    counter = this;
    installed = SwapImport("gdi32.dll", "CreateFontIndirectW", &CountedCreateFont, &realCreateFont) &&
                SwapImport("gdi32.dll", "DeleteObject", &CountedDeleteObject, &realDeleteObject) &&
                SwapImport("user32.dll", "LoadBitmapW", &CountedLoadBitmap, &realLoadBitmap) &&
                SwapImport("user32.dll", "GetDC", &CountedGetDc, &realGetDc) &&
                SwapImport("user32.dll", "ReleaseDC", &CountedReleaseDc, &realReleaseDc);
}

GdiCounter::~GdiCounter() {
    if (realCreateFont) SwapImport("gdi32.dll", "CreateFontIndirectW", realCreateFont, static_cast<CreateFontFn*>(nullptr));
    if (realLoadBitmap) SwapImport("user32.dll", "LoadBitmapW", realLoadBitmap, static_cast<LoadBitmapFn*>(nullptr));
    if (realDeleteObject) SwapImport("gdi32.dll", "DeleteObject", realDeleteObject, static_cast<DeleteObjectFn*>(nullptr));
    if (realGetDc) SwapImport("user32.dll", "GetDC", realGetDc, static_cast<GetDcFn*>(nullptr));
    if (realReleaseDc) SwapImport("user32.dll", "ReleaseDC", realReleaseDc, static_cast<ReleaseDcFn*>(nullptr));
    counter = nullptr;
}
