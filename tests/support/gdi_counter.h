// Counts the fonts, the loaded bitmaps and the window device contexts that
// the program's own code takes and gives back. The system's own counter of
// GDI objects is not kept by every platform (Wine answers 0), so while a
// counter lives the imports CreateFontIndirectW, LoadBitmapW, DeleteObject,
// GetDC and ReleaseDC of this program are replaced by counting ones. One
// counter at a time.
#pragma once

#include <windows.h>

#include <set>

struct GdiCounter {
    GdiCounter();
    ~GdiCounter();
    GdiCounter(const GdiCounter&) = delete;
    GdiCounter& operator=(const GdiCounter&) = delete;

    bool installed = false;
    int fontsCreated = 0;
    std::set<HGDIOBJ> liveFonts;
    std::set<HGDIOBJ> liveBitmaps;
    int liveDcs = 0;
    // Fonts created while this window was enabled (a modal dialog disables
    // its owner from its opening until its closing begins).
    HWND watchedOwner = nullptr;
    int fontsWhileOwnerEnabled = 0;

    int LiveObjects() const { return static_cast<int>(liveFonts.size() + liveBitmaps.size()) + liveDcs; }
};
