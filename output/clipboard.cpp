// Clipboard access for the export. Another program's data is untrusted: it is
// measured within the size of its global block, never past it. New data is
// prepared completely before the clipboard is opened, and the clipboard gets
// an owner window, without which Windows refuses SetClipboardData after
// EmptyClipboard.
#include "output/clipboard.h"

#include <cstring>

#include "output/clipboard_append.h"

namespace {

// Another program may hold the clipboard open for a moment (Wine's own
// clipboard manager does while it copies new data to X).
constexpr int kOpenAttempts = 20;
constexpr DWORD kOpenRetryMs = 10;

bool OpenClipboardFor(HWND owner) {
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        if (OpenClipboard(owner)) return true;
        Sleep(kOpenRetryMs);
    }
    return false;
}

// The clipboard, open for as long as the holder lives.
struct OpenedClipboard {
    bool open;
    explicit OpenedClipboard(HWND owner) : open(OpenClipboardFor(owner)) {}
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    ~OpenedClipboard() {
        if (open) CloseClipboard();
    }
};

// A global block, freed unless it was handed over.
struct GlobalBlock {
    HGLOBAL handle;
    explicit GlobalBlock(size_t size) : handle(GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, size)) {}
    GlobalBlock(const GlobalBlock&) = delete;
    GlobalBlock& operator=(const GlobalBlock&) = delete;
    ~GlobalBlock() {
        if (handle != nullptr) GlobalFree(handle);
    }
    HGLOBAL Release() {
        HGLOBAL released = handle;
        handle = nullptr;
        return released;
    }
};

// Another program's block, locked for as long as the holder lives.
struct LockedBlock {
    HANDLE handle;
    const uint8_t* bytes;
    explicit LockedBlock(HANDLE block) : handle(block), bytes(static_cast<const uint8_t*>(GlobalLock(block))) {}
    LockedBlock(const LockedBlock&) = delete;
    LockedBlock& operator=(const LockedBlock&) = delete;
    ~LockedBlock() {
        if (bytes != nullptr) GlobalUnlock(handle);
    }
};

// The copy of one clipboard block's data; the clipboard is open. The block
// is unlocked on every path, also when the copy runs out of memory.
std::vector<uint8_t> CopyData(HANDLE data, bool unicodeText) {
    const size_t size = GlobalSize(data);
    const LockedBlock block(data);
    if (block.bytes == nullptr) return {};
    const size_t length = ClipboardDataLength(block.bytes, size, unicodeText);
    return std::vector<uint8_t>(block.bytes, block.bytes + length);
}

}  // namespace

UINT RichTextFormat() { return RegisterClipboardFormatW(L"Rich Text Format"); }

std::vector<uint8_t> ReadClipboard(UINT format) {
    if (format == 0) format = CF_UNICODETEXT;
    OpenedClipboard clipboard(nullptr);
    if (!clipboard.open) return {};
    const HANDLE data = GetClipboardData(format);
    if (data == nullptr) return {};
    return CopyData(data, format == CF_UNICODETEXT);
}

bool PlaceOnClipboard(HWND owner, UINT format, const void* bytes, size_t size) {
    if (format == 0) return false;
    GlobalBlock block(size);
    if (block.handle == nullptr) return false;
    void* target = GlobalLock(block.handle);
    if (target == nullptr) return false;
    std::memcpy(target, bytes, size);
    GlobalUnlock(block.handle);

    OpenedClipboard clipboard(owner);
    if (!clipboard.open || !EmptyClipboard()) return false;
    if (SetClipboardData(format, block.handle) == nullptr) return false;
    block.Release();  // the clipboard owns it now
    return true;
}
