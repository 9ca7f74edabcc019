// Data of the print set-up that needs no platform: the texts of the common
// dialogs' extended error codes, and the check of a stored device mode.
#pragma once

#include <cstddef>
#include <cstdint>

// The text for an extended error code of the common dialogs, or none.
const char16_t* CommDlgErrorTextFor(uint32_t code);

// What a failed page set-up dialog shows: none for code 0 (the user
// cancelled), the code's text, or "Unknown Error" for a code without one.
const char16_t* PageSetupFailureText(uint32_t code);

// Offsets in the platform's device mode record (UTF-16 device name first).
constexpr size_t kDevModeNameUnits = 32;
constexpr size_t kDevModeSizeOffset = 68;         // dmSize, 16 bits
constexpr size_t kDevModeDriverExtraOffset = 70;  // dmDriverExtra, 16 bits
constexpr size_t kDevModeFieldsEnd = 76;          // end of dmFields, the least a record can be
constexpr size_t kLargestDevModeBlock = 0x20000;

// The length of the device name when size bytes hold a whole device mode:
// dmSize at least up to dmFields, dmSize + dmDriverExtra within size, and a
// name of 1 to 31 units ended by a zero unit. -1 otherwise.
int DevModeNameLength(const uint8_t* bytes, size_t size);
