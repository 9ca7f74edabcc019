// Start-up's own decisions in the test's process: which systems are refused,
// how the message loop ends, and the libraries loaded only when needed.
#include "app/startup.h"

#include "app/program.h"

#include <gtest/gtest.h>

#include <string>

namespace {

DWORD platform = VER_PLATFORM_WIN32_NT;
BOOL WINAPI Answer(OSVERSIONINFOA* version) {
    version->dwPlatformId = platform;
    return TRUE;
}
BOOL WINAPI Fail(OSVERSIONINFOA*) { return FALSE; }

WPARAM quitCode = 0;
BOOL Quit(MSG* message) {
    *message = MSG{};
    message->message = WM_QUIT;
    message->wParam = quitCode;
    return FALSE;
}
BOOL Broken(MSG*) { return -1; }

}  // namespace

// Only the 95/98/ME line (a platform below NT) is refused; a system that
// cannot tell its version starts.
TEST(Startup, RefusesOnlyTheOlderLine) {
    const struct { DWORD platform; bool refused; } cases[] = {
        {VER_PLATFORM_WIN32s, true}, {VER_PLATFORM_WIN32_WINDOWS, true}, {VER_PLATFORM_WIN32_NT, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.platform);
        platform = c.platform;
        EXPECT_EQ(IsRefusedSystem(Answer), c.refused);
    }
    EXPECT_FALSE(IsRefusedSystem(Fail));
    EXPECT_FALSE(IsRefusedSystem());
}

// The loop returns the quit message's code, and a defined failure code when
// getting a message fails.
TEST(Startup, TheMessageLoopEndsWithTheQuitCodeOrAFailure) {
    for (const WPARAM code : {WPARAM{0}, WPARAM{7}}) {
        quitCode = code;
        EXPECT_EQ(RunMessageLoop(nullptr, Quit), static_cast<int>(code));
    }
    EXPECT_EQ(RunMessageLoop(nullptr, Broken), kMessageLoopFailed);
}

// A late-bound function is the system library's own, the same the test
// program links; a missing function or library gives none.
TEST(Startup, LateBoundFunctionsComeFromTheSystemLibrary) {
    const struct { const wchar_t* library; const char* name; bool found; } cases[] = {
        {L"comdlg32.dll", "CommDlgExtendedError", true},
        {L"winspool.drv", "OpenPrinterW", true},
        {L"comdlg32.dll", "NoSuchFunction", false},
        {L"no-such-library.dll", "CommDlgExtendedError", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const FARPROC function = LateBoundFunction(c.library, c.name);
        EXPECT_EQ(function != nullptr, c.found);
        if (c.found) {
            EXPECT_EQ(function, GetProcAddress(GetModuleHandleW(c.library), c.name));
        }
    }
}

// The manifest asks for per-monitor scaling, version 2, and elsewhere for the
// system's scale: never for per-monitor version 1, under which Windows 8.1 and
// early Windows 10 do not rescale the title bar, the menus and the dialogs.
TEST(Startup, TheManifestAsksForPerMonitorV2OrTheSystemScale) {
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(found, nullptr);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(nullptr, found))),
                               SizeofResource(nullptr, found));
    EXPECT_NE(manifest.find("WindowsSettings\">true</dpiAware>"), std::string::npos);
    EXPECT_NE(manifest.find("WindowsSettings\">PerMonitorV2</dpiAwareness>"), std::string::npos);
}
