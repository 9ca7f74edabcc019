// The registry primitives: typed reads and writes of single values under
// HKEY_CURRENT_USER. Each call opens its key, does one read or write and
// closes the key again; no key handle is kept between calls.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <memory>

#include "app/program.h"

// Buffers handed out by the reads come from AllocOrQuit and belong to the
// caller; the holder releases them with FreeBlock. Call release() to keep one
// beyond the holder.
struct FreeBlockDeleter {
    void operator()(void* block) const { FreeBlock(block); }
};
template <typename T>
using OwnedBlock = std::unique_ptr<T[], FreeBlockDeleter>;

// The integer value name under the key path (HKEY_CURRENT_USER relative):
// the data actually stored, as IntegerFromRegistryData reads it (a REG_DWORD
// as stored, any other type as decimal UTF-16 text). The default when the key
// or value is missing, the data is refused or a read fails.
int32_t RegReadIntAt(const char16_t* keyPath, const char16_t* name, int32_t fallback);

// RegReadIntAt on the settings key.
int32_t RegReadInt(const char16_t* name, int32_t fallback);

// The value's data as UTF-16 text in a new buffer of twice the stored size
// and one unit more, zero-filled after the data, so that the text is always
// terminated (also when the stored text is not, or has an odd size); none when
// the key or value is missing or a read fails. The type is not checked.
OwnedBlock<char16_t> RegReadString(const char16_t* name);

// The value's data in a new block of exactly the stored size; none when the
// key or value is missing or a read fails. The caller cannot learn the size
// from the block: use RegReadBytesSized whenever the data may be short.
OwnedBlock<uint8_t> RegReadBytes(const char16_t* name);

// The value's data in a new block, with its size in bytes in size; on any
// failure the fallback comes back and size is left untouched.
OwnedBlock<uint8_t> RegReadBytesSized(const char16_t* name, OwnedBlock<uint8_t> fallback, uint32_t& size);

// Writes to the settings key, creating the whole key path when needed.
// Each returns 1 on success and 0 on failure.

// REG_DWORD, 4 bytes.
int RegWriteInt(const char16_t* name, int32_t value);
// REG_SZ, the text and its zero terminator: (length + 1) * 2 bytes.
int RegWriteString(const char16_t* name, const char16_t* text);
// REG_BINARY, the bytes and their zero terminator: length + 1 bytes.
int RegWriteByteString(const char16_t* name, const char* text);
// REG_BINARY, exactly size bytes.
int RegWriteBytes(const char16_t* name, const void* data, uint32_t size);
