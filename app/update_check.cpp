// The update check: the program downloads nothing and compares no versions;
// it opens the maker's update page, which learns the product and version
// from the address, in the user's browser.
#include "app/update_check.h"

#include <shellapi.h>

#include <string>

#include "app/maker_addresses.h"
#include "app/update_address.h"

BOOL OpenInShell(HWND owner, const wchar_t* address) {
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.hwnd = owner;
    info.lpVerb = L"Open";
    info.lpFile = address;
    info.nShow = SW_SHOWNORMAL;  // 0 would start the browser hidden
    return ShellExecuteExW(&info);
}

void CheckForUpdates(HWND owner) {
    const std::u16string server(reinterpret_cast<const char16_t*>(kUpdateServerAddress));
    const std::u16string address = BuildUpdateAddress(server, kProductPath);
    OpenInShell(owner, reinterpret_cast<const wchar_t*>(address.c_str()));
}
