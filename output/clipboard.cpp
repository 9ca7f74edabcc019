// Clipboard access for the export. Another program's data is untrusted: it is
// measured within the size of its global block, never past it. Old data is
// read and new data put in one opening, the new data prepared completely
// before the clipboard is emptied, and the clipboard gets an owner window,
// without which Windows refuses SetClipboardData after EmptyClipboard.
#include "output/clipboard.h"

#include <cstring>

#include "output/clipboard_append.h"
#include "output/global_block.h"

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

// The copy of one clipboard block's data; the clipboard is open. The block
// is unlocked on every path, also when the copy runs out of memory.
std::vector<uint8_t> CopyData(HANDLE data, bool unicodeText) {
    const size_t size = GlobalSize(data);
    const LockedGlobal block(data);
    if (block.bytes == nullptr) return {};
    const auto* bytes = static_cast<const uint8_t*>(block.bytes);
    const size_t length = ClipboardDataLength(bytes, size, unicodeText);
    return std::vector<uint8_t>(bytes, bytes + length);
}

// A movable block holding a copy of the bytes; none when it cannot be had.
GlobalBlock BlockHolding(const ClipboardData& data) {
    GlobalBlock block = GlobalBlock::Allocate(data.size, GMEM_MOVEABLE | GMEM_DDESHARE);
    if (!block) return block;
    const LockedGlobal target(block.Get());
    if (target.bytes == nullptr) return GlobalBlock{};
    std::memcpy(target.bytes, data.bytes, data.size);
    return block;
}

// The data of a format on the open clipboard, or nothing.
std::vector<uint8_t> ReadOpenClipboard(UINT format) {
    const HANDLE data = GetClipboardData(format);
    if (data == nullptr) return {};
    return CopyData(data, format == CF_UNICODETEXT);
}

// Makes the data the open clipboard's only data: every block first, so that
// a failure leaves what the clipboard holds.
bool PlaceOnOpenClipboard(const std::vector<ClipboardData>& data) {
    std::vector<GlobalBlock> blocks;
    for (const ClipboardData& item : data) {
        if (item.format == 0) return false;
        blocks.push_back(BlockHolding(item));
        if (!blocks.back()) return false;
    }
    if (!EmptyClipboard()) return false;
    for (size_t i = 0; i < data.size(); ++i) {
        if (SetClipboardData(data[i].format, blocks[i].Get()) == nullptr) return false;
        blocks[i].Release();  // the clipboard owns it now
    }
    return true;
}

}  // namespace

UINT RichTextFormat() { return RegisterClipboardFormatW(L"Rich Text Format"); }

std::vector<uint8_t> ReadClipboard(UINT format) {
    if (format == 0) format = CF_UNICODETEXT;
    OpenedClipboard clipboard(nullptr);
    if (!clipboard.open) return {};
    return ReadOpenClipboard(format);
}

bool PlaceOnClipboard(HWND owner, std::initializer_list<ClipboardData> data) {
    return ReplaceOnClipboard(owner, {}, [&data](const ClipboardContents&) {
        return std::vector<ClipboardData>(data);
    });
}

bool ReplaceOnClipboard(HWND owner, std::initializer_list<UINT> read,
                        const std::function<std::vector<ClipboardData>(const ClipboardContents&)>& make) {
    OpenedClipboard clipboard(owner);
    if (!clipboard.open) return false;
    ClipboardContents old;
    for (UINT format : read) old.push_back(ReadOpenClipboard(format));
    return PlaceOnOpenClipboard(make(old));
}
