// The meaning of stored registry data: integers from DWORDs or decimal text,
// and the font name from a stored text.
#include "settings/registry_data.h"

bool IsIntegerData(uint32_t type, size_t size) {
    return type == kRegistryDwordType ? size <= sizeof(uint32_t) : size <= kLargestRegistryText;
}

int32_t IntegerFromRegistryData(uint32_t type, const void* data, size_t size, int32_t fallback) {
    if (!IsIntegerData(type, size) || (data == nullptr && size != 0)) return fallback;
    if (type != kRegistryDwordType) return ParseDecimalUnits(static_cast<const char16_t*>(data), size / 2);
    const auto* bytes = static_cast<const uint8_t*>(data);
    uint32_t value = 0;
    for (size_t i = 0; i < size; ++i) value |= static_cast<uint32_t>(bytes[i]) << (8 * i);
    return static_cast<int32_t>(value);
}

bool CopyStoredFontName(const char16_t* stored, char16_t (&fontName)[kFontNameMax + 1]) {
    if (stored == nullptr || stored[0] == 0) return false;
    int length = 0;
    for (; length < kFontNameMax && stored[length] != 0; ++length) fontName[length] = stored[length];
    fontName[length] = 0;
    return true;
}
