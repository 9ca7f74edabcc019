// The error texts of the page set-up dialog and the check that a device mode
// read from the registry is whole before the platform sees it.
#include "output/print_setup_data.h"

namespace {

struct ErrorText {
    uint32_t code;
    const char16_t* text;
};

constexpr ErrorText kErrorTexts[] = {
    {1, u"Struct Size"},
    {2, u"Initialization"},
    {3, u"No Template"},
    {4, u"No hInstance"},
    {5, u"Load String Failure"},
    {6, u"Find Resource Failure"},
    {7, u"Load Resource Failure"},
    {8, u"Lock Resource Failure"},
    {9, u"Memory Allocation Failure"},
    {10, u"Memory Lock Failure"},
    {11, u"No Hook"},
    {12, u"RegisterWindowMessage Fail"},
    {0x1001, u"Setup Failure"},
    {0x1002, u"Parse Failure"},
    {0x1003, u"Return Default Failure"},
    {0x1004, u"Load Driver Failure"},
    {0x1005, u"GetDevMode Fail"},
    {0x1006, u"Init Failure"},
    {0x1007, u"No Printer Drivers Were Found"},
    {0x1008, u"No Default Printer"},
    {0x1009, u"DevMode and DevNames Are For Different Printers"},
    {0x100A, u"Create Information Context  Failure"},
    {0x100B, u"Printer Not Found"},
    {0x100C, u"Default Different"},
    {0xFFFF, u"Dialog Failure"},
};

unsigned Word(const uint8_t* bytes, size_t offset) { return bytes[offset] | (bytes[offset + 1] << 8); }

}  // namespace

const char16_t* CommDlgErrorTextFor(uint32_t code) {
    for (const ErrorText& entry : kErrorTexts) {
        if (entry.code == code) return entry.text;
    }
    return nullptr;
}

const char16_t* PageSetupFailureText(uint32_t code) {
    if (code == 0) return nullptr;
    const char16_t* text = CommDlgErrorTextFor(code);
    return text != nullptr && text[0] != 0 ? text : u"Unknown Error";
}

int DevModeNameLength(const uint8_t* bytes, size_t size) {
    if (bytes == nullptr || size < kDevModeFieldsEnd) return -1;
    const size_t recordSize = Word(bytes, kDevModeSizeOffset);
    const size_t extra = Word(bytes, kDevModeDriverExtraOffset);
    if (recordSize < kDevModeFieldsEnd || recordSize + extra > size) return -1;
    for (size_t unit = 0; unit < kDevModeNameUnits; ++unit) {
        if (Word(bytes, 2 * unit) == 0) return unit == 0 ? -1 : static_cast<int>(unit);
    }
    return -1;
}
