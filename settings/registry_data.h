// What the data of a registry value means as a setting. The Win32 reads fetch
// the bytes; how bytes of a given type and length become a value is decided
// here, so that it holds for every caller and runs without a registry.
#pragma once

#include <cstddef>
#include <cstdint>

#include "settings/settings.h"

// The platform's number for REG_DWORD.
constexpr uint32_t kRegistryDwordType = 4;

// Text above this size is refused, so that twice the size, the buffer a text
// read allocates, still fits a DWORD.
constexpr size_t kLargestRegistryText = 0x3FFFFFFF;

// Whether an integer read goes on to fetch a value of this type and stored
// size: a DWORD of at most 4 bytes (a longer one does not fit the read), or
// text of at most kLargestRegistryText bytes.
bool IsIntegerData(uint32_t type, size_t size);

// The integer that size bytes of a value spell: a DWORD's bytes little-endian,
// zero-extended when fewer than 4; any other type as UTF-16 text read by
// ParseDecimalUnits, an odd last byte being no unit. The fallback where
// IsIntegerData refuses. Text data must be aligned for char16_t.
int32_t IntegerFromRegistryData(uint32_t type, const void* data, size_t size, int32_t fallback);

// The stored font name, a text ending in a zero unit as RegReadString gives
// it, replaces fontName when its first unit is not zero, cut to kFontNameMax
// units. Returns whether it did.
bool CopyStoredFontName(const char16_t* stored, char16_t (&fontName)[kFontNameMax + 1]);
