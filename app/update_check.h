// Handing the maker's addresses to the shell: the update page and the home
// page.
#pragma once

#include <windows.h>

// Opens an address with the shell's "Open" verb, shown normally, with the
// shell's own error messages suppressed. Returns the ShellExecuteExW result.
BOOL OpenInShell(HWND owner, const wchar_t* address);

// Opens the update page, whose address names the product and the version.
void CheckForUpdates(HWND owner);
