// The page set-up and the start of a print job. The device mode stored in the
// registry is whatever was last written there, so it is checked before the
// dialog or the printer sees it; the printer's name is taken from the device
// names the dialog returns, since the device mode holds at most 31 characters
// of it. A cancelled dialog is the user's choice and ends the command quietly.
#include <windows.h>
#include <commdlg.h>
#include <winspool.h>

#include <cstddef>

#include "app/program.h"
#include "output/print_setup_data.h"
#include "output/printing.h"
#include "settings/registry.h"

static_assert(offsetof(DEVMODEW, dmSize) == kDevModeSizeOffset);
static_assert(offsetof(DEVMODEW, dmDriverExtra) == kDevModeDriverExtraOffset);
static_assert(offsetof(DEVMODEW, dmFields) + sizeof(DWORD) == kDevModeFieldsEnd);

namespace {

LPCWSTR Wide(const char16_t* text) { return reinterpret_cast<LPCWSTR>(text); }

PrintMargins ReadMargins() {
    PrintMargins margins;
    margins.top = RegReadInt(u"PrintTop", 1000);
    margins.bottom = RegReadInt(u"PrintBottom", 1000);
    margins.left = RegReadInt(u"PrintLeft", 1000);
    margins.right = RegReadInt(u"PrintRight", 1000);
    return margins;
}

void WriteMargins(const PrintMargins& margins) {
    RegWriteInt(u"PrintTop", margins.top);
    RegWriteInt(u"PrintBottom", margins.bottom);
    RegWriteInt(u"PrintLeft", margins.left);
    RegWriteInt(u"PrintRight", margins.right);
}

bool IsInstalledPrinter(const wchar_t* name) {
    HANDLE printer = nullptr;
    if (!OpenPrinterW(const_cast<wchar_t*>(name), &printer, nullptr)) return false;
    ClosePrinter(printer);
    return true;
}

// The stored device mode when it is whole and names an installed printer;
// anything else is released and counts as none.
HGLOBAL ReadStoredDevMode() {
    HGLOBAL block = RegReadGlobalBlock(u"DevMode", nullptr);
    if (block == nullptr) return nullptr;
    bool usable = false;
    if (auto* bytes = static_cast<const uint8_t*>(GlobalLock(block))) {
        usable = DevModeNameLength(bytes, GlobalSize(block)) > 0 &&
                 IsInstalledPrinter(reinterpret_cast<const DEVMODEW*>(bytes)->dmDeviceName);
        GlobalUnlock(block);
    }
    if (usable) return block;
    GlobalFree(block);
    return nullptr;
}

// Device names for a device mode that names an installed printer, so that the
// dialog opens on that printer with that device mode; none otherwise.
HGLOBAL DevNamesFor(HGLOBAL devMode) {
    if (devMode == nullptr) return nullptr;
    wchar_t device[CCHDEVICENAME + 1] = {};
    if (const auto* mode = static_cast<const DEVMODEW*>(GlobalLock(devMode))) {
        lstrcpynW(device, mode->dmDeviceName, CCHDEVICENAME + 1);
        GlobalUnlock(devMode);
    }
    if (device[0] == 0 || !IsInstalledPrinter(device)) return nullptr;
    constexpr wchar_t kDriver[] = L"winspool";
    const int deviceLength = lstrlenW(device);
    const size_t units = sizeof(DEVNAMES) / sizeof(wchar_t) + 9 + deviceLength + 1 + 1;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, units * sizeof(wchar_t));
    auto* names = block != nullptr ? static_cast<DEVNAMES*>(GlobalLock(block)) : nullptr;
    if (names == nullptr) {
        if (block != nullptr) GlobalFree(block);
        return nullptr;
    }
    auto* text = reinterpret_cast<wchar_t*>(names);
    names->wDriverOffset = sizeof(DEVNAMES) / sizeof(wchar_t);
    names->wDeviceOffset = static_cast<WORD>(names->wDriverOffset + 9);
    names->wOutputOffset = static_cast<WORD>(names->wDeviceOffset + deviceLength + 1);
    lstrcpyW(text + names->wDriverOffset, kDriver);
    lstrcpyW(text + names->wDeviceOffset, device);
    GlobalUnlock(block);
    return block;
}

void ReportSetupFailure() {
    const char16_t* text = PageSetupFailureText(CommDlgExtendedError());
    if (text != nullptr) MessageBoxW(program.mainWindow, Wide(text), L"Error Printing", MB_OK);
}

// Keeps the dialog's device mode for the rest of the run in place of the one
// kept before, which is released unless the dialog was handed it (and so owns
// what became of it).
void KeepDialogDevMode(HGLOBAL returned, HGLOBAL handedIn) {
    HGLOBAL kept = program.printDevMode;
    if (kept != nullptr && kept != returned && kept != handedIn) GlobalFree(kept);
    program.printDevMode = returned;
}

// Stores the device mode and creates the printer's context on the printer
// the device names give (or, without them, the one the device mode names).
HDC CreatePrinterDc(HGLOBAL devMode, HGLOBAL devNames) {
    if (devMode == nullptr) return nullptr;
    auto* mode = static_cast<DEVMODEW*>(GlobalLock(devMode));
    if (mode == nullptr) return nullptr;
    RegWriteBytes(u"DevMode", mode, static_cast<uint32_t>(GlobalSize(devMode)));
    wchar_t shortName[CCHDEVICENAME + 1] = {};
    lstrcpynW(shortName, mode->dmDeviceName, CCHDEVICENAME + 1);
    const wchar_t* device = shortName;
    auto* names = devNames != nullptr ? static_cast<const DEVNAMES*>(GlobalLock(devNames)) : nullptr;
    if (names != nullptr && names->wDeviceOffset != 0) {
        device = reinterpret_cast<const wchar_t*>(names) + names->wDeviceOffset;
    }
    HDC dc = CreateDCW(nullptr, device, nullptr, mode);
    if (names != nullptr) GlobalUnlock(devNames);
    GlobalUnlock(devMode);
    return dc;
}

bool StartJob(HDC dc, const wchar_t* documentName) {
    DOCINFOW document{};
    document.cbSize = sizeof(document);
    document.lpszDocName = documentName;
    if (StartDocW(dc, &document) <= 0 || StartPage(dc) <= 0) {
        DeleteDC(dc);
        return false;
    }
    return true;
}

}  // namespace

const wchar_t* CommDlgErrorText() { return Wide(CommDlgErrorTextFor(CommDlgExtendedError())); }

HGLOBAL RegReadGlobalBlock(const char16_t* name, HGLOBAL fallback) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, Wide(kSettingsKey), 0, KEY_READ, &key) != ERROR_SUCCESS) return fallback;
    DWORD size = 0;
    HGLOBAL block = nullptr;
    if (RegQueryValueExW(key, Wide(name), nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS && size > 0 &&
        size <= kLargestDevModeBlock) {
        block = GlobalAlloc(GMEM_MOVEABLE, size);
    }
    void* data = block != nullptr ? GlobalLock(block) : nullptr;
    DWORD read = size;
    const bool ok = data != nullptr &&
                    RegQueryValueExW(key, Wide(name), nullptr, nullptr, static_cast<BYTE*>(data), &read) == ERROR_SUCCESS &&
                    read == size;
    if (data != nullptr) GlobalUnlock(block);
    RegCloseKey(key);
    if (ok) return block;
    if (block != nullptr) GlobalFree(block);
    return fallback;
}

HDC StartPrinting(bool show, const wchar_t* documentName, PrintMargins& margins) {
    const PrintMargins asked = ReadMargins();
    PAGESETUPDLGW setup{};
    setup.lStructSize = sizeof(setup);
    setup.hwndOwner = program.mainWindow;
    setup.hInstance = program.instance;
    setup.Flags = PSD_MARGINS | PSD_INTHOUSANDTHSOFINCHES;
    setup.rtMargin = RECT{asked.left, asked.top, asked.right, asked.bottom};
    HGLOBAL stored = ReadStoredDevMode();
    setup.hDevMode = stored != nullptr ? stored : (show ? program.printDevMode : nullptr);
    const HGLOBAL handedIn = setup.hDevMode;
    const bool dialog = show || handedIn == nullptr;
    if (dialog) setup.hDevNames = DevNamesFor(handedIn);
    if (dialog && !PageSetupDlgW(&setup)) {
        if (setup.hDevMode != nullptr && setup.hDevMode != program.printDevMode) GlobalFree(setup.hDevMode);
        if (setup.hDevNames != nullptr) GlobalFree(setup.hDevNames);
        ReportSetupFailure();
        return nullptr;
    }
    if (dialog) KeepDialogDevMode(setup.hDevMode, handedIn);
    HDC dc = CreatePrinterDc(setup.hDevMode, setup.hDevNames);
    if (setup.hDevNames != nullptr) GlobalFree(setup.hDevNames);
    if (!dialog) GlobalFree(setup.hDevMode);
    if (dc == nullptr) {
        MessageBoxW(program.mainWindow, L"Printer Initialitazion failed!", L"Error", MB_OK);
        return nullptr;
    }
    if (!StartJob(dc, documentName)) return nullptr;
    SetMapMode(dc, MM_TEXT);
    margins = PrintMargins{setup.rtMargin.left, setup.rtMargin.top, setup.rtMargin.right, setup.rtMargin.bottom};
    WriteMargins(margins);
    return dc;
}

void EndPrinting(HDC dc, bool abort) {
    if (abort) AbortDoc(dc);
    else EndDoc(dc);
    DeleteDC(dc);
}
