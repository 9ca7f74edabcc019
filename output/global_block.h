// One owner for a block of movable global memory: freed when the owner goes,
// unless it was handed on (to the clipboard, or to the page set-up dialog,
// which then owns what it returns).
#pragma once

#include <windows.h>

#include <cstddef>

class GlobalBlock {
public:
    GlobalBlock() = default;
    explicit GlobalBlock(HGLOBAL adopted) : handle_(adopted) {}
    GlobalBlock(GlobalBlock&& other) noexcept : handle_(other.Release()) {}
    GlobalBlock& operator=(GlobalBlock&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    GlobalBlock(const GlobalBlock&) = delete;
    GlobalBlock& operator=(const GlobalBlock&) = delete;
    ~GlobalBlock() { Reset(nullptr); }

    // A new movable block of size bytes, none when it cannot be had.
    static GlobalBlock Allocate(size_t size, UINT flags = GMEM_MOVEABLE) {
        return GlobalBlock(size > 0 ? GlobalAlloc(flags, size) : nullptr);
    }
    // A new movable block holding a copy of another's bytes, none when either fails.
    static GlobalBlock CopyOf(HGLOBAL source);

    HGLOBAL Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    // Hands the block on; this owner no longer frees it.
    HGLOBAL Release() {
        HGLOBAL released = handle_;
        handle_ = nullptr;
        return released;
    }
    void Reset(HGLOBAL adopted) {
        if (handle_ != nullptr && handle_ != adopted) GlobalFree(handle_);
        handle_ = adopted;
    }

private:
    HGLOBAL handle_ = nullptr;
};

// A block locked for as long as the holder lives; bytes is none when the
// lock failed. Also another program's block, which must be unlocked again on
// every path.
struct LockedGlobal {
    explicit LockedGlobal(HGLOBAL locked) : block(locked), bytes(locked != nullptr ? GlobalLock(locked) : nullptr) {}
    LockedGlobal(const LockedGlobal&) = delete;
    LockedGlobal& operator=(const LockedGlobal&) = delete;
    ~LockedGlobal() {
        if (bytes != nullptr) GlobalUnlock(block);
    }

    const HGLOBAL block;
    void* const bytes;
};
