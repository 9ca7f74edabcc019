// The page set-up's error texts, the quiet cancel, and the check of a device
// mode read back from the registry.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "output/print_setup_data.h"

namespace {

std::u16string Text(const char16_t* text) { return text != nullptr ? text : u"(none)"; }

// A device mode of size bytes in all: name, dmSize and dmDriverExtra.
std::vector<uint8_t> DevMode(const std::u16string& name, unsigned recordSize, unsigned extra, size_t size) {
    std::vector<uint8_t> bytes(size, 0);
    for (size_t i = 0; i < name.size() && 2 * i + 1 < size; ++i) {
        bytes[2 * i] = static_cast<uint8_t>(name[i]);
        bytes[2 * i + 1] = static_cast<uint8_t>(name[i] >> 8);
    }
    if (size >= kDevModeFieldsEnd) {
        bytes[kDevModeSizeOffset] = static_cast<uint8_t>(recordSize);
        bytes[kDevModeSizeOffset + 1] = static_cast<uint8_t>(recordSize >> 8);
        bytes[kDevModeDriverExtraOffset] = static_cast<uint8_t>(extra);
        bytes[kDevModeDriverExtraOffset + 1] = static_cast<uint8_t>(extra >> 8);
    }
    return bytes;
}

}  // namespace

TEST(PrintSetupData, ErrorCodesHaveTheirTexts) {
    const struct {
        uint32_t code;
        const char16_t* text;
    } cases[] = {
        {0, nullptr},
        {1, u"Struct Size"},
        {12, u"RegisterWindowMessage Fail"},
        {13, nullptr},
        {0x1000, nullptr},
        {0x1001, u"Setup Failure"},
        {0x1008, u"No Default Printer"},
        {0x1009, u"DevMode and DevNames Are For Different Printers"},
        {0x100A, u"Create Information Context  Failure"},
        {0x100C, u"Default Different"},
        {0x100D, nullptr},
        {0xFFFF, u"Dialog Failure"},
        {0x10000, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(Text(CommDlgErrorTextFor(c.code)), Text(c.text));
    }
    int texts = 0;
    for (uint32_t code = 0; code <= 0x10000; ++code) texts += CommDlgErrorTextFor(code) != nullptr;
    EXPECT_EQ(texts, 25);
}

TEST(PrintSetupData, CancelIsQuietAndFailuresAreShown) {
    EXPECT_EQ(PageSetupFailureText(0), nullptr);
    EXPECT_EQ(Text(PageSetupFailureText(0x100B)), u"Printer Not Found");
    EXPECT_EQ(Text(PageSetupFailureText(0x4003)), u"Unknown Error");
}

TEST(PrintSetupData, OnlyWholeDeviceModesAreUsed) {
    const std::u16string longName(32, u'P');
    const struct {
        const char* what;
        std::vector<uint8_t> bytes;
        int nameLength;
    } cases[] = {
        {"whole", DevMode(u"VelmoraPDF", 220, 0, 220), 10},
        {"with driver data", DevMode(u"VelmoraPDF", 220, 100, 320), 10},
        {"driver data cut", DevMode(u"VelmoraPDF", 220, 100, 319), -1},
        {"record cut", DevMode(u"VelmoraPDF", 220, 0, 200), -1},
        {"shorter than the fixed fields", DevMode(u"VelmoraPDF", 220, 0, 75), -1},
        {"dmSize below the fixed fields", DevMode(u"VelmoraPDF", 70, 0, 220), -1},
        {"no name", DevMode(u"", 220, 0, 220), -1},
        {"name without end", DevMode(longName, 220, 0, 220), -1},
        {"longest name", DevMode(longName.substr(0, 31), 220, 0, 220), 31},
        {"empty", {}, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(DevModeNameLength(c.bytes.data(), c.bytes.size()), c.nameLength);
    }
}
