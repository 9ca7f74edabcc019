// The page set-up and the start of a print job. The device mode stored in the
// registry is whatever was last written there, so it is checked before the
// dialog or the printer sees it. A device mode holds at most 31 characters
// of its printer's name, so the whole name from the device names the dialog
// returns is stored beside it ("PrinterName") and used to offer that printer
// again. A cancelled dialog is the user's choice and ends the command quietly.
#include <windows.h>
#include <commdlg.h>

#include <cstddef>

#include <iterator>
#include <string>

#include "app/program.h"
#include "output/global_block.h"
#include "output/print_calls.h"
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

constexpr char16_t kPrinterNameValue[] = u"PrinterName";

bool IsInstalledPrinter(const wchar_t* name) {
    HANDLE printer = nullptr;
    if (!late::OpenPrinterW(const_cast<wchar_t*>(name), &printer, nullptr)) return false;
    late::ClosePrinter(printer);
    return true;
}

// The printer a device mode is for: the whole name stored beside it when the
// device mode's own copy (at most 31 characters) is its beginning, else that copy.
std::wstring PrinterOf(const DEVMODEW& mode) {
    std::wstring name(mode.dmDeviceName, wcsnlen(mode.dmDeviceName, CCHDEVICENAME));
    const auto stored = RegReadString(kPrinterNameValue);
    if (stored && stored[0] != 0) {
        const std::wstring whole(reinterpret_cast<const wchar_t*>(stored.get()));
        if (!name.empty() && whole.compare(0, name.size(), name) == 0) return whole;
    }
    return name;
}

// The stored device mode and its printer, when it is whole and names an
// installed printer; none otherwise.
GlobalBlock ReadStoredDevMode(std::wstring& printer) {
    GlobalBlock block(RegReadGlobalBlock(u"DevMode", nullptr));
    if (!block) return {};
    const LockedGlobal locked(block.Get());
    const auto* bytes = static_cast<const uint8_t*>(locked.bytes);
    if (bytes == nullptr || DevModeNameLength(bytes, GlobalSize(block.Get())) <= 0) return {};
    printer = PrinterOf(*reinterpret_cast<const DEVMODEW*>(bytes));
    if (!IsInstalledPrinter(printer.c_str())) return {};
    return block;
}

// Device names for a printer, so that the dialog opens on it; none for none.
GlobalBlock DevNamesFor(const std::wstring& printer) {
    if (printer.empty()) return {};
    constexpr wchar_t kDriver[] = L"winspool";
    constexpr size_t kHeaderUnits = sizeof(DEVNAMES) / sizeof(wchar_t);
    const size_t units = kHeaderUnits + std::size(kDriver) + printer.size() + 1 + 1;
    GlobalBlock block = GlobalBlock::Allocate(units * sizeof(wchar_t), GMEM_MOVEABLE | GMEM_ZEROINIT);
    const LockedGlobal locked(block.Get());
    auto* names = static_cast<DEVNAMES*>(locked.bytes);
    if (names == nullptr) return {};
    auto* text = reinterpret_cast<wchar_t*>(names);
    names->wDriverOffset = static_cast<WORD>(kHeaderUnits);
    names->wDeviceOffset = static_cast<WORD>(names->wDriverOffset + std::size(kDriver));
    names->wOutputOffset = static_cast<WORD>(names->wDeviceOffset + printer.size() + 1);
    lstrcpyW(text + names->wDriverOffset, kDriver);
    lstrcpyW(text + names->wDeviceOffset, printer.c_str());
    return block;
}

// What the page set-up dialog is handed: the stored device mode when it is
// usable, else (when the dialog is shown) a copy of the one this run's last
// dialog returned; and device names for that device mode's printer.
struct OfferedPrinter {
    GlobalBlock devMode;
    GlobalBlock devNames;
};

OfferedPrinter ChooseOfferedPrinter(bool show) {
    OfferedPrinter offered;
    std::wstring printer;
    offered.devMode = ReadStoredDevMode(printer);
    if (!offered.devMode && show) {
        offered.devMode = GlobalBlock::CopyOf(program.printDevMode);
        const LockedGlobal locked(offered.devMode.Get());
        if (locked.bytes != nullptr) printer = PrinterOf(*static_cast<const DEVMODEW*>(locked.bytes));
    }
    if (offered.devMode && IsInstalledPrinter(printer.c_str())) offered.devNames = DevNamesFor(printer);
    return offered;
}

void ReportSetupFailure() {
    const char16_t* text = PageSetupFailureText(late::CommDlgExtendedError());
    if (text != nullptr) MessageBoxW(program.mainWindow, Wide(text), L"Error Printing", MB_OK);
}

// The printer the device names give, or without them the device mode's own.
std::wstring ChosenPrinter(const DEVMODEW& mode, HGLOBAL devNames) {
    const LockedGlobal locked(devNames);
    const auto* names = static_cast<const DEVNAMES*>(locked.bytes);
    if (names != nullptr && names->wDeviceOffset != 0) {
        return reinterpret_cast<const wchar_t*>(names) + names->wDeviceOffset;
    }
    return std::wstring(mode.dmDeviceName, wcsnlen(mode.dmDeviceName, CCHDEVICENAME));
}

// Stores the device mode with its printer's whole name and creates the
// printer's context.
HDC CreatePrinterDc(HGLOBAL devMode, HGLOBAL devNames) {
    const LockedGlobal locked(devMode);
    auto* mode = static_cast<DEVMODEW*>(locked.bytes);
    if (mode == nullptr) return nullptr;
    RegWriteBytes(u"DevMode", mode, static_cast<uint32_t>(GlobalSize(devMode)));
    const std::wstring printer = ChosenPrinter(*mode, devNames);
    RegWriteString(kPrinterNameValue, reinterpret_cast<const char16_t*>(printer.c_str()));
    return CreateDCW(nullptr, printer.c_str(), nullptr, mode);
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

const wchar_t* CommDlgErrorText() { return Wide(CommDlgErrorTextFor(late::CommDlgExtendedError())); }

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
    OfferedPrinter offered = ChooseOfferedPrinter(show);
    const bool dialog = show || !offered.devMode;
    HDC dc = nullptr;
    if (dialog) {
        PAGESETUPDLGW setup{};
        setup.lStructSize = sizeof(setup);
        setup.hwndOwner = program.mainWindow;
        setup.hInstance = program.instance;
        setup.Flags = PSD_MARGINS | PSD_INTHOUSANDTHSOFINCHES;
        setup.rtMargin = RECT{asked.left, asked.top, asked.right, asked.bottom};
        // The dialog owns what it is handed and gives back what it chose.
        setup.hDevMode = offered.devMode.Release();
        setup.hDevNames = offered.devNames.Release();
        const BOOL chosen = late::PageSetupDlgW(&setup);
        GlobalBlock devMode(setup.hDevMode);
        const GlobalBlock devNames(setup.hDevNames);
        if (!chosen) {
            ReportSetupFailure();
            return nullptr;
        }
        dc = CreatePrinterDc(devMode.Get(), devNames.Get());
        // This run's last choice, offered again when nothing usable is stored.
        GlobalBlock kept(program.printDevMode);
        program.printDevMode = devMode.Release();
        margins = PrintMargins{setup.rtMargin.left, setup.rtMargin.top, setup.rtMargin.right, setup.rtMargin.bottom};
    } else {
        dc = CreatePrinterDc(offered.devMode.Get(), offered.devNames.Get());
        margins = asked;
    }
    if (dc == nullptr) {
        MessageBoxW(program.mainWindow, L"Printer Initialitazion failed!", L"Error", MB_OK);
        return nullptr;
    }
    if (!StartJob(dc, documentName)) return nullptr;
    SetMapMode(dc, MM_TEXT);
    WriteMargins(margins);
    return dc;
}

void EndPrinting(HDC dc, bool abort) {
    if (abort) AbortDoc(dc);
    else EndDoc(dc);
    DeleteDC(dc);
}
