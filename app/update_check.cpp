// The update check: the program downloads nothing and compares no versions;
// it opens the maker's update page, which learns the product and version
// from the address, in the user's browser.
#include "app/update_check.h"

#include <objbase.h>
#include <shellapi.h>

#include <string>

#include "app/program.h"
#include "app/update_address.h"
#include "settings/maker_addresses.h"

// The shell and COM are loaded on first use; without their library the calls
// fail as the system's would.
static HRESULT CoInitializeExLate(void* reserved, DWORD options) {
    static const auto call = LateBound<HRESULT(WINAPI*)(void*, DWORD)>(L"ole32.dll", "CoInitializeEx");
    return call != nullptr ? call(reserved, options) : E_FAIL;
}

static BOOL ShellExecuteExWLate(SHELLEXECUTEINFOW* info) {
    static const auto call = LateBound<BOOL(WINAPI*)(SHELLEXECUTEINFOW*)>(L"shell32.dll", "ShellExecuteExW");
    return call != nullptr ? call(info) : FALSE;
}

// The shell asks for COM on the thread that calls it; it is started once,
// on first use, and stays for the rest of the run.
static void StartComOnce() {
    static bool started = false;
    if (started) return;
    started = true;
    CoInitializeExLate(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
}

BOOL OpenInShell(HWND owner, const wchar_t* address) {
    StartComOnce();
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.hwnd = owner;
    info.lpVerb = L"Open";
    info.lpFile = address;
    info.nShow = SW_SHOWNORMAL;  // 0 would start the browser hidden
    return ShellExecuteExWLate(&info);
}

void CheckForUpdates(HWND owner) {
    const std::u16string server(reinterpret_cast<const char16_t*>(kUpdateServerAddress));
    const std::u16string address = BuildUpdateAddress(server, kProductPath);
    OpenInShell(owner, reinterpret_cast<const wchar_t*>(address.c_str()));
}
