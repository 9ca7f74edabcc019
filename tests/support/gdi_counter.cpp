// Replaces entries of this program's import address table for as long as a
// GdiCounter lives; calls made by system libraries go through their own
// tables and are not counted.
#include "tests/support/gdi_counter.h"

#include "tests/support/import_swap.h"

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
