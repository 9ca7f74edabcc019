// Typed calls into comdlg32 and winspool, looked up once on first use.
#include "output/print_calls.h"

#include <cderr.h>

#include "app/program.h"

namespace {

constexpr wchar_t kDialogs[] = L"comdlg32.dll";
constexpr wchar_t kSpooler[] = L"winspool.drv";

}  // namespace

namespace late {

BOOL PageSetupDlgW(PAGESETUPDLGW* setup) {
    static const auto call = LateBound<BOOL(WINAPI*)(PAGESETUPDLGW*)>(kDialogs, "PageSetupDlgW");
    return call != nullptr ? call(setup) : FALSE;
}

DWORD CommDlgExtendedError() {
    static const auto call = LateBound<DWORD(WINAPI*)()>(kDialogs, "CommDlgExtendedError");
    return call != nullptr ? call() : CDERR_INITIALIZATION;
}

BOOL OpenPrinterW(wchar_t* name, HANDLE* printer, PRINTER_DEFAULTSW* defaults) {
    static const auto call = LateBound<BOOL(WINAPI*)(wchar_t*, HANDLE*, PRINTER_DEFAULTSW*)>(kSpooler, "OpenPrinterW");
    return call != nullptr ? call(name, printer, defaults) : FALSE;
}

BOOL ClosePrinter(HANDLE printer) {
    static const auto call = LateBound<BOOL(WINAPI*)(HANDLE)>(kSpooler, "ClosePrinter");
    return call != nullptr ? call(printer) : FALSE;
}

}  // namespace late
