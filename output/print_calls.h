// The page set-up dialog's and the printer list's calls, made through their
// libraries loaded on first use: the program does not link them, as loading
// them at start-up reads the printer list. Each behaves as the system call of
// the same name, and fails as that call does when its library cannot be had.
#pragma once

#include <windows.h>
#include <commdlg.h>
#include <winspool.h>

namespace late {

BOOL PageSetupDlgW(PAGESETUPDLGW* setup);
// CDERR_INITIALIZATION when the dialog's library cannot be had.
DWORD CommDlgExtendedError();
BOOL OpenPrinterW(wchar_t* name, HANDLE* printer, PRINTER_DEFAULTSW* defaults);
BOOL ClosePrinter(HANDLE printer);

}  // namespace late
