// The out-of-memory rule: a refused allocation shows its message, posts the
// quit message and returns nothing, leaving the program's state to the
// caller, which gives up its operation; the settings are saved when the
// window is closed after the loop (out_of_memory_test).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <thread>

#include "app/program.h"
#include "tests/support/scratch_registry.h"
#include "tests/support/wait.h"

namespace {

// Waits for the thread's message box and answers it, keeping its text.
void AnswerMessageBox(DWORD threadId, std::wstring& text) {
    HWND box = nullptr;
    const auto found = [&] {
        box = FindWindowW(L"#32770", L"Error");
        return box != nullptr && GetWindowThreadProcessId(box, nullptr) == threadId;
    };
    if (!WaitUntil(found)) return;
    wchar_t buffer[128] = {};
    GetDlgItemTextW(box, 0xFFFF, buffer, 128);
    text = buffer;
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

}  // namespace

// A granted block is usable and posts nothing; a refused one shows the
// message and posts the quit message with code 0, and saves nothing yet.
TEST(AllocOrQuit, ARefusedAllocationReportsAndQuitsLeavingTheStateToItsCaller) {
    ClearProgramKeys();
    program = ProgramState{};
    program.instance = GetModuleHandleW(nullptr);
    program.settingsLoaded = true;
    program.settings.Flags = 0xD1140840;
    program.settings.Lesson = 9;
    auto* granted = static_cast<uint8_t*>(AllocOrQuit(4096));
    ASSERT_NE(granted, nullptr);
    granted[0] = granted[4095] = 1;
    FreeBlock(granted);
    MSG message;
    EXPECT_FALSE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));

    std::wstring text;
    std::thread answer(AnswerMessageBox, GetCurrentThreadId(), std::ref(text));
    void* block = AllocOrQuit(SIZE_MAX / 2);
    answer.join();
    EXPECT_EQ(block, nullptr);
    EXPECT_EQ(text, L"There is not enough memory, aborting");
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 0u);
    EXPECT_FALSE(ReadDword(L"Flags").has_value());
    ClearProgramKeys();
}

// Memory that runs out before the settings have been read saves nothing: the
// stored values stay as they were, and the program still quits.
TEST(AllocOrQuit, BeforeTheSettingsAreLoadedNothingIsSaved) {
    ClearProgramKeys();
    WriteDword(L"Flags", 0xD1140844);
    WriteDword(L"Lesson", 12);
    program = ProgramState{};
    program.instance = GetModuleHandleW(nullptr);
    std::wstring text;
    std::thread answer(AnswerMessageBox, GetCurrentThreadId(), std::ref(text));
    EXPECT_EQ(AllocOrQuit(SIZE_MAX / 2), nullptr);
    answer.join();
    MSG message;
    EXPECT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(ReadDword(L"Flags"), 0xD1140844u);
    EXPECT_EQ(ReadDword(L"Lesson"), 12u);
    EXPECT_FALSE(ReadDword(L"FontAsciiBase").has_value());
    ClearProgramKeys();
}
