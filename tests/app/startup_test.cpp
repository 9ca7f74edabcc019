// Start-up's own decisions in the test's process: which systems are refused,
// and how the message loop ends.
#include "app/startup.h"

#include <gtest/gtest.h>

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
