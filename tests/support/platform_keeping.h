// What the platform itself keeps for good while a program runs, so that a
// leak check can tell it from the program's own keeping. Wine 8 keeps the
// 24 bytes of every common-controls static control that was given a font
// (it frees them for icons only), the 1 KiB request buffer of every
// GetClipboardData that it answers from the process's own cache, as for data
// the process placed itself, and some 2 KiB for every accessible object that
// a window hands another thread of the process (WM_GETOBJECT answered with
// LresultFromObject, taken with ObjectFromLresult), whatever the object.
// Each cost is measured on bare calls when the counter starts (0 where the
// platform keeps nothing); then the static controls with a font or a picture
// that one thread destroys, the clipboard reads this program's code makes on
// it and the objects its windows are asked for are counted. One counter at a
// time.
#pragma once

#include <windows.h>

struct PlatformKeeping {
    // clipboardOwner owns the data the clipboard read is measured on.
    PlatformKeeping(DWORD threadId, HWND clipboardOwner);
    ~PlatformKeeping();
    PlatformKeeping(const PlatformKeeping&) = delete;
    PlatformKeeping& operator=(const PlatformKeeping&) = delete;

    // The bytes the platform has kept for the events counted so far.
    long long BytesKept() const {
        return statics * bytesPerStatic + clipboardReads * bytesPerClipboardRead +
               accessibleReads * bytesPerAccessibleRead;
    }

    bool installed = false;
    long long bytesPerStatic = 0;
    long long bytesPerClipboardRead = 0;
    long long statics = 0;
    long long clipboardReads = 0;
    long long bytesPerAccessibleRead = 0;
    long long accessibleReads = 0;
};
