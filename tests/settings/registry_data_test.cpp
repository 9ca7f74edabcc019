#include "settings/registry_data.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr uint32_t kText = 1;        // REG_SZ
constexpr uint32_t kBinary = 3;      // REG_BINARY
constexpr uint32_t kBigEndian = 5;   // REG_DWORD_BIG_ENDIAN
constexpr uint32_t kQword = 11;      // REG_QWORD

// The bytes in a buffer aligned for UTF-16 units, as the read allocates it.
std::vector<char16_t> Aligned(const std::vector<uint8_t>& bytes) {
    std::vector<char16_t> units(bytes.size() / 2 + 1);
    if (!bytes.empty()) std::memcpy(units.data(), bytes.data(), bytes.size());
    return units;
}

}  // namespace

// A REG_DWORD is its bytes, however few; every other type is decimal text.
TEST(RegistryData, IntegersFromEveryTypeAndLength) {
    const struct { const char* label; uint32_t type; std::vector<uint8_t> data; int32_t expected; } cases[] = {
        {"DWORD", kRegistryDwordType, {0x40, 0x00, 0x14, 0xD1}, static_cast<int32_t>(0xD1140040)},
        {"short DWORD", kRegistryDwordType, {0x19, 0x01}, 0x119},
        {"empty DWORD", kRegistryDwordType, {}, 0},
        {"DWORD too long to read", kRegistryDwordType, {1, 0, 0, 0, 0}, -7},
        {"text", kText, {'2', 0, '5', 0, 0, 0}, 25},
        {"empty text", kText, {}, 0},
        {"odd size", kBinary, {'3', 0, '4'}, 3},
        {"one byte", kBinary, {'9'}, 0},
        {"zero unit ends the number", kBinary, {'1', 0, 0, 0, '9', 0}, 1},
        {"big-endian DWORD is text", kBigEndian, {0, 0, 0, 25}, 0},
        {"QWORD is text", kQword, {'4', 0, '2', 0, 0, 0, 0, 0}, 42},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const std::vector<char16_t> data = Aligned(c.data);
        EXPECT_EQ(IntegerFromRegistryData(c.type, data.data(), c.data.size(), -7), c.expected);
    }
    EXPECT_TRUE(IsIntegerData(kText, kLargestRegistryText));
    EXPECT_FALSE(IsIntegerData(kText, kLargestRegistryText + 1));
    EXPECT_EQ(IntegerFromRegistryData(kText, nullptr, kLargestRegistryText + 1, -7), -7);
}

TEST(RegistryData, FontNameIsCutAndEmptyKeepsTheOld) {
    const std::u16string forty(40, u'F');
    const struct { const char* label; const char16_t* stored; bool copied; std::u16string name; } cases[] = {
        {"none", nullptr, false, u"Old"},
        {"empty", u"", false, u"Old"},
        {"name", u"Ezra SIL", true, u"Ezra SIL"},
        {"forty characters", forty.c_str(), true, forty.substr(0, kFontNameMax)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        char16_t fontName[kFontNameMax + 1] = u"Old";
        EXPECT_EQ(CopyStoredFontName(c.stored, fontName), c.copied);
        EXPECT_EQ(std::u16string(fontName), c.name);
    }
}
