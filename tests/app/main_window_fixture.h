// The real main window in the test's own process. Each test starts from a
// fresh program state and an empty registry with the test font and a
// 640 x 480 window at the screen's corner; afterwards the window is destroyed,
// its messages drained and the registry cleared again.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include "app/program.h"
#include "app/startup.h"
#include "tests/support/scratch_registry.h"

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgram();
        ASSERT_TRUE(ClearProgramKeys());
        UseTestFont();
        UseTestWindow();
    }
    void TearDown() override {
        DestroyMainWindow();
        program = ProgramState{};
        ClearProgramKeys();
    }

    static void ResetProgram() {
        program = ProgramState{};
        program.instance = GetModuleHandleW(nullptr);
        program.gutter = 10;
    }

    // Creates the window from what the registry holds.
    HWND CreateFromRegistry() { return window_ = CreateMainWindow(SW_SHOWNORMAL); }

    // Destroys the window, which saves the settings and posts the quit
    // message, and drains the queue. True when both happened.
    bool DestroyMainWindow() {
        if (window_ == nullptr) return false;
        const bool destroyed = DestroyWindow(window_) != 0;
        window_ = nullptr;
        MSG message;
        bool quit = false;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) quit = quit || message.message == WM_QUIT;
        return destroyed && quit;
    }

    HWND window_ = nullptr;
};
