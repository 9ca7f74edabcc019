// A fixture for end-to-end tests of the real Velmora.exe: a clean scratch
// registry with a known font and window rectangle, one running copy at a
// time, and the values it leaves behind when it exits.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>

#include "tests/support/scratch_registry.h"
#include "tests/support/velmora_process.h"

class VelmoraEndToEnd : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the program and fails the test when its window does not come.
    void Start(int showCommand = SW_SHOWNORMAL);
    // Exits through the Exit command; the exit code must be 0.
    void Stop();

    // Opens a chosen article at a position on the next start, with the default
    // Flags and the pinned bit.
    void PinArticle(uint16_t article, uint16_t position = 0);

    // Sends a scroll-bar code, a wheel turn, a left click at client (x, y)
    // (press and release), or a press at one client point moved to another
    // and released there.
    void ScrollBar(int code, int position = 0);
    void Wheel(int delta);
    void Click(int x, int y);
    void Drag(POINT from, POINT to);

    // The top of the Reading view in the client area: below the toolbar and
    // the gutter of 10 pixels.
    int ViewTop();
    // The top of its first row: below the running head's band, one row of
    // the seeded font's smaller style. A highlight or a selection of that row
    // begins a pixel higher.
    int FirstRowTop();

    // The values written at exit.
    DWORD Lesson();
    DWORD Position();
    DWORD Flags();

    VelmoraRun run;
};
