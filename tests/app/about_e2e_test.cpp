// The About box and the update check in the real program, checked from
// outside it: F1 and the menu open dialog 103 with its version and blue link,
// the link and Check For Updates hand their addresses to the shell (caught by
// a browser command registered for Wine's winebrowser), and what the shell
// opens is shown. (The link font's life is checked in process, where Wine
// lets the test see GDI objects.)
#include <gtest/gtest.h>

#include <string>

#include "app/update_check.h"
#include "resources/resource.h"
#include "tests/app/e2e_fixture.h"
#include "tests/support/screen_capture.h"
#include "tests/support/unix_host.h"
#include "tests/support/wait.h"

namespace {

const wchar_t kBrowserKey[] = L"Software\\Wine\\WineBrowser";

struct OwnedDialogSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK FindOwnedDialog(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<OwnedDialogSearch*>(context);
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (std::wstring(className) != L"#32770" || GetWindow(window, GW_OWNER) != search.owner) return TRUE;
    search.found = window;
    return FALSE;
}

// The visible dialog the main window owns, or none.
HWND AboutBoxOf(HWND owner) {
    OwnedDialogSearch search{owner, nullptr};
    EnumWindows(FindOwnedDialog, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr && IsWindowVisible(search.found) ? search.found : nullptr;
}

std::wstring TextOf(HWND window) {
    wchar_t text[128] = {};
    SendMessageTimeoutW(window, WM_GETTEXT, 128, reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 5000, nullptr);
    return text;
}

bool HasChildWithText(HWND dialog, const std::wstring& text) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (TextOf(child) == text) return true;
    }
    return false;
}

void PressKey(WORD key) {
    INPUT inputs[2] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
    }
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}

}  // namespace

class AboutEndToEnd : public VelmoraEndToEnd {
protected:
    // Opens the box through a posted command (it is modal) and waits for it.
    HWND OpenByCommand(int command) {
        PostMessageW(run.window, WM_COMMAND, command, 0);
        HWND dialog = nullptr;
        EXPECT_TRUE(WaitUntil([&] { return (dialog = AboutBoxOf(run.window)) != nullptr; }));
        return dialog;
    }

    void Close(HWND dialog) {
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    }
};

TEST_F(AboutEndToEnd, HelpKeyAndMenuOpenTheBox) {
    Start();
    SetForegroundWindow(run.window);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == run.window; }));
    PressKey(VK_F1);
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (dialog = AboutBoxOf(run.window)) != nullptr; })) << "F1 opened nothing";
    EXPECT_EQ(TextOf(dialog), L"Velmora");
    EXPECT_TRUE(HasChildWithText(dialog, L"Version 1.84a"));
    const HWND link = GetDlgItem(dialog, IDC_ABOUT_LINK);
    EXPECT_EQ(TextOf(link), L"www.tarnwick.example");
    RECT box{};
    GetWindowRect(link, &box);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&box), 2);
    Capture capture;
    EXPECT_TRUE(WaitUntil([&] {
        capture = CaptureClient(dialog);
        return capture.Count(box, RGB(0, 0, 255), 40) > 20;
    })) << "the link is not drawn in blue";
    wchar_t folder[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, folder);
    SaveCapture(capture, std::wstring(folder) + L"\\about-box.bmp");
    Close(dialog);

    dialog = OpenByCommand(IDM_ABOUT);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(HasChildWithText(dialog, L"Version 1.84a"));
    Close(dialog);
    Stop();
}

// What the shell opens is shown normally, not hidden: the program itself,
// opened through the shell, shows its window.
TEST_F(AboutEndToEnd, TheShellShowsWhatItOpens) {
    const std::wstring command = VelmoraCommandLine();
    ASSERT_TRUE(OpenInShell(nullptr, command.substr(1, command.size() - 2).c_str()));
    ASSERT_TRUE(WaitUntil([&] { return (run.window = FindWindowW(L"Velmora", nullptr)) != nullptr; }));
    DWORD processId = 0;
    GetWindowThreadProcessId(run.window, &processId);
    run.process.hProcess = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION, FALSE, processId);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(run.window) != FALSE; }, 3000)) << "started hidden";
    Stop();
}

// The shell's Open verb goes to winebrowser, which runs the commands listed
// under HKCU\Software\Wine\WineBrowser "Browsers" with the address; a shell
// script there writes each address to a file.
class ShellAddressEndToEnd : public AboutEndToEnd {
protected:
    void SetUp() override {
        AboutEndToEnd::SetUp();
        if (!HostAvailable()) GTEST_SKIP() << "the browser command is a Linux host script";
        const std::wstring folder = TestFolder(L"velmora-browser");
        addresses_ = folder + L"addresses.txt";
        DeleteFileW(addresses_.c_str());
        const std::wstring script = folder + L"capture.sh";
        WriteWholeFile(script, "printf '%s\\n' \"$1\" >> " + ShellQuote(HostPath(addresses_)) + "\n");
        const std::string command = "\"/bin/sh\" \"" + HostPath(script) + "\"";
        const std::wstring wide(command.begin(), command.end());
        RegSetKeyValueW(HKEY_CURRENT_USER, kBrowserKey, L"Browsers", REG_SZ, wide.c_str(),
                        static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
    }
    void TearDown() override {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kBrowserKey, L"Browsers");
        AboutEndToEnd::TearDown();
    }

    // The next address the browser command received, or an empty string.
    std::string NextAddress() {
        std::string received;
        WaitUntil([&] {
            const std::string all = ReadWholeFile(addresses_);
            const size_t end = all.find('\n', seen_);
            if (end == std::string::npos) return false;
            received = all.substr(seen_, end - seen_);
            seen_ = end + 1;
            return true;
        }, 30000);
        return received;
    }

    std::wstring addresses_;
    size_t seen_ = 0;
};

TEST_F(ShellAddressEndToEnd, LinkAndUpdateCheckOpenTheirAddresses) {
    Start();
    const HWND dialog = OpenByCommand(IDM_ABOUT);
    ASSERT_NE(dialog, nullptr);
    PostMessageW(GetDlgItem(dialog, IDC_ABOUT_LINK), BM_CLICK, 0, 0);
    EXPECT_EQ(NextAddress(), "https://www.tarnwick.example/");
    Close(dialog);

    PostMessageW(run.window, WM_COMMAND, IDM_CHECK_FOR_UPDATES, 0);
    const std::string update = NextAddress();
    EXPECT_EQ(update, "https://www.tarnwick.example/cgi-bin/upgrade?p=windows/Tarnwick/Velmora&v=1.84a");
    EXPECT_EQ(update.find(' '), std::string::npos);
    Stop();
}
