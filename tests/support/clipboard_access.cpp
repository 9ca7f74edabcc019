// Clipboard access for the tests, independent of the program's own code. The
// test owns what it puts there through a message-only window, which Windows
// requires for SetClipboardData after EmptyClipboard. The window lives on a
// thread of its own: the next owner's EmptyClipboard sends it
// WM_DESTROYCLIPBOARD while the test's thread may be blocked waiting for
// that very program.
#include "tests/support/clipboard_access.h"

#include <cstring>
#include <thread>

#include "tests/support/wait.h"

namespace {

void RunOwnerWindow(HWND* owner, HANDLE created) {
    *owner = CreateWindowExW(0, L"STATIC", L"clipboard owner", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    SetEvent(created);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
}

HWND OwnerWindow() {
    static HWND owner = [] {
        HWND window = nullptr;
        const HANDLE created = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        std::thread(RunOwnerWindow, &window, created).detach();
        WaitForSingleObject(created, INFINITE);
        CloseHandle(created);
        return window;
    }();
    return owner;
}

// Another process may hold the clipboard for a moment.
bool Open() {
    return WaitUntil([] { return OpenClipboard(OwnerWindow()) != FALSE; }, 5000);
}

}  // namespace

UINT RichTextClipboardFormat() { return RegisterClipboardFormatW(L"Rich Text Format"); }

std::vector<UINT> ClipboardFormats() {
    std::vector<UINT> formats;
    if (!Open()) return formats;
    for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format)) {
        formats.push_back(format);
    }
    CloseClipboard();
    return formats;
}

std::string ClipboardBlock(UINT format) {
    std::string bytes;
    if (!Open()) return bytes;
    const HANDLE data = GetClipboardData(format);
    if (const void* locked = data != nullptr ? GlobalLock(data) : nullptr) {
        bytes.assign(static_cast<const char*>(locked), GlobalSize(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return bytes;
}

bool SetClipboardBlock(UINT format, const std::string& bytes) {
    // Zero-filled, so that a block the system rounds up holds no stray bytes.
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes.size());
    if (block == nullptr) return false;
    std::memcpy(GlobalLock(block), bytes.data(), bytes.size());
    GlobalUnlock(block);
    if (!Open()) {
        GlobalFree(block);
        return false;
    }
    EmptyClipboard();
    const bool placed = SetClipboardData(format, block) != nullptr;
    if (!placed) GlobalFree(block);
    CloseClipboard();
    return placed;
}

bool ClearClipboard() {
    if (!Open()) return false;
    const bool emptied = EmptyClipboard() != FALSE;
    CloseClipboard();
    return emptied;
}
