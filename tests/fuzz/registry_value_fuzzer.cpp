// Fuzzes how registry data of any type and length becomes a setting. Input: a
// byte whose value modulo 12 is the registry type (4 is REG_DWORD), then the
// stored data. An integer from a DWORD of at most 4 bytes equals those bytes
// little-endian, a longer DWORD gives the default; any other type is decimal
// text that ends at its first zero unit, ignores an odd last byte and, when it
// holds only digits, is their number modulo 2^32. The font name from the same
// data, delivered as a terminated text, is the stored text's start, at most
// 31 units and terminated, or the old name when the text is empty.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "settings/registry_data.h"
#include "tests/fuzz/require.h"

namespace {

// The data in a block of its own that is aligned for UTF-16 units and no
// larger than the units the data fills, so that the sanitizer sees any read
// beyond them; extraUnits zero units follow.
std::vector<char16_t> Units(const uint8_t* data, size_t size, size_t extraUnits) {
    std::vector<char16_t> units((size + 1) / 2 + extraUnits, u'\0');
    if (size != 0) std::memcpy(units.data(), data, size);
    return units;
}

void CheckDword(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> stored(data, data + size);
    const int32_t value = IntegerFromRegistryData(kRegistryDwordType, stored.data(), size, 7);
    if (size > 4) {
        Require(value == 7 && IntegerFromRegistryData(kRegistryDwordType, stored.data(), size, -9) == -9,
                "a DWORD of more than 4 bytes gives the default");
        return;
    }
    uint32_t expected = 0;
    for (size_t i = 0; i < size; ++i) expected |= static_cast<uint32_t>(data[i]) << (8 * i);
    Require(static_cast<uint32_t>(value) == expected, "a DWORD is its bytes, little-endian");
}

void CheckText(uint32_t type, const uint8_t* data, size_t size) {
    const std::vector<char16_t> units = Units(data, size, 0);
    const int32_t value = IntegerFromRegistryData(type, units.data(), size, 7);
    Require(IntegerFromRegistryData(type, units.data(), size, -9) == value, "text never gives the default");
    Require(IntegerFromRegistryData(type, units.data(), size & ~size_t{1}, 7) == value, "an odd last byte is no unit");
    const size_t whole = size / 2;
    const size_t length = std::find(units.begin(), units.begin() + whole, u'\0') - units.begin();
    Require(IntegerFromRegistryData(type, units.data(), 2 * length, 7) == value, "the text ends at its zero unit");
    if (length > 0 && length < 20 &&
        std::all_of(units.begin(), units.begin() + length, [](char16_t u) { return u >= u'0' && u <= u'9'; })) {
        const std::string digits(units.begin(), units.begin() + length);
        const auto number = static_cast<uint32_t>(std::stoull(digits));
        Require(static_cast<uint32_t>(value) == number, "digits spell their number");
    }
}

// As RegReadString delivers it: the data, then zero units.
void CheckFontName(const uint8_t* data, size_t size) {
    const std::vector<char16_t> stored = Units(data, size, 1);
    char16_t fontName[kFontNameMax + 1] = u"Old";
    const bool copied = CopyStoredFontName(stored.data(), fontName);
    Require(copied == (stored[0] != 0), "a name is taken exactly when the text is not empty");
    const std::u16string name(fontName);
    if (!copied) {
        Require(name == u"Old", "an empty text keeps the old name");
        return;
    }
    Require(name.size() <= static_cast<size_t>(kFontNameMax), "a name of at most 31 units");
    Require(std::u16string(stored.data()).starts_with(name), "the name is the stored text's start");
    Require(name.size() == static_cast<size_t>(kFontNameMax) || stored[name.size()] == 0,
            "a shorter name is the whole text");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const uint32_t type = data[0] % 12;
    if (type == kRegistryDwordType) {
        CheckDword(data + 1, size - 1);
    } else {
        CheckText(type, data + 1, size - 1);
    }
    CheckFontName(data + 1, size - 1);
    return 0;
}
