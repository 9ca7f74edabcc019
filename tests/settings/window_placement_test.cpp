#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/settings_store.h"
#include "tests/support/scratch_registry.h"

namespace {

RECT NormalRect(HWND window) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(window, &placement);
    return placement.rcNormalPosition;
}

constexpr const wchar_t* kPlacementValues[] = {L"Left", L"Top", L"Width", L"Height", L"showCmd"};

void StorePlacement(LONG left, LONG top, LONG width, LONG height, DWORD showCommand) {
    const DWORD values[] = {DWORD(left), DWORD(top), DWORD(width), DWORD(height), showCommand};
    for (int i = 0; i < 5; ++i) WriteDword(kPlacementValues[i], values[i]);
}

std::vector<DWORD> StoredPlacement() {
    std::vector<DWORD> values;
    for (const wchar_t* name : kPlacementValues) values.push_back(ReadDword(name).value_or(0xBAD));
    return values;
}

// A rectangle as left, top, width and height, so that a mismatch prints.
std::vector<LONG> Place(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

}  // namespace

// Top-level windows like the main window, created hidden at a known place.
class WindowPlacement : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ClearProgramKeys()); }
    void TearDown() override {
        for (HWND window : windows_) DestroyWindow(window);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        ASSERT_TRUE(ClearProgramKeys());
    }

    HWND MakeWindow(const RECT& rect) {
        HWND window = CreateWindowExW(WS_EX_WINDOWEDGE, L"STATIC", L"Placement", WS_OVERLAPPEDWINDOW, rect.left,
                                      rect.top, rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
        EXPECT_NE(window, nullptr);
        if (window != nullptr) windows_.push_back(window);
        return window;
    }

private:
    std::vector<HWND> windows_;
};

// The stored rectangle is the restored one also for a maximized window (whose
// frame hangs outside the screen) and a minimized one (whose own rectangle is
// the icon's); the stored show command wins over the launch one.
TEST_F(WindowPlacement, PlacementRoundTripsInEveryShowState) {
    const struct { int show; bool (*state)(HWND); } cases[] = {
        {SW_SHOWNORMAL, [](HWND w) { return IsWindowVisible(w) && !IsIconic(w) && !IsZoomed(w); }},
        {SW_SHOWMAXIMIZED, [](HWND w) { return IsZoomed(w) != FALSE; }},
        {SW_SHOWMINIMIZED, [](HWND w) { return IsIconic(w) != FALSE; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.show);
        HWND closed = MakeWindow({120, 90, 520, 390});
        ASSERT_NE(closed, nullptr);
        ShowWindow(closed, SW_SHOWNORMAL);
        if (c.show != SW_SHOWNORMAL) ShowWindow(closed, c.show == SW_SHOWMINIMIZED ? SW_MINIMIZE : c.show);
        SaveWindowPlacement(closed);
        EXPECT_EQ(StoredPlacement(), (std::vector<DWORD>{120, 90, 400, 300, static_cast<DWORD>(c.show)}));

        HWND opened = MakeWindow({10, 10, 210, 160});
        ASSERT_NE(opened, nullptr);
        RestoreWindowPlacement(opened, SW_SHOWMINNOACTIVE);
        EXPECT_TRUE(c.state(opened));
        EXPECT_EQ(Place(NormalRect(opened)), (std::vector<LONG>{120, 90, 400, 300}));
    }
}

// With nothing stored, or a zero size, the window stays where the system put
// it; the show command is the launch one unless one is stored.
TEST_F(WindowPlacement, NothingStoredKeepsTheWindow) {
    const struct { bool zeroSize; int launch; bool iconic, zoomed; } cases[] = {
        {false, SW_SHOWNORMAL, false, false}, {false, SW_SHOWMINNOACTIVE, true, false},
        {false, SW_SHOWDEFAULT, false, false}, {true, SW_SHOWNORMAL, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.launch);
        if (c.zeroSize) StorePlacement(500, 400, 0, 0, SW_SHOWMAXIMIZED);
        HWND window = MakeWindow({50, 60, 350, 260});
        ASSERT_NE(window, nullptr);
        RestoreWindowPlacement(window, c.launch);
        EXPECT_TRUE(IsWindowVisible(window));
        EXPECT_EQ(IsIconic(window) != FALSE, c.iconic);
        EXPECT_EQ(IsZoomed(window) != FALSE, c.zoomed);
        EXPECT_EQ(Place(NormalRect(window)), (std::vector<LONG>{50, 60, 300, 200}));
    }
}

// A rectangle on no monitor is brought inside the nearest work area, keeping
// its size when it fits; one that is partly on a monitor is the user's choice
// and stays.
TEST_F(WindowPlacement, RectangleOffEveryMonitorIsMovedOntoOne) {
    const struct { const char* label; LONG left, top, width, height; } cases[] = {
        {"partly visible", -100, 50, 400, 300},
        {"minimized corner", -32000, -32000, 400, 300},
        {"far right", 40000, 100, 400, 300},
        {"far below", 100, 40000, 400, 300},
        {"larger than the screen", -32000, -32000, 5000, 4000},
        {"near the largest coordinate", 0x7FFFFF00, 0x7FFFFF00, 0x1000, 0x1000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        StorePlacement(c.left, c.top, c.width, c.height, SW_SHOWNORMAL);
        HWND window = MakeWindow({10, 10, 210, 160});
        ASSERT_NE(window, nullptr);
        RestoreWindowPlacement(window, SW_SHOWNORMAL);
        RECT rect{};
        GetWindowRect(window, &rect);
        MONITORINFO info{};
        info.cbSize = sizeof info;
        GetMonitorInfoW(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &info);
        const RECT& work = info.rcWork;
        if (c.left == -100) {
            EXPECT_EQ(Place(rect), (std::vector<LONG>{-100, 50, 400, 300}));
        } else if (c.width <= work.right - work.left && c.height <= work.bottom - work.top) {
            RECT inside{};
            EXPECT_EQ(Place(rect), (std::vector<LONG>{rect.left, rect.top, c.width, c.height}));
            EXPECT_TRUE(IntersectRect(&inside, &rect, &work) && EqualRect(&inside, &rect));
        } else {
            // The system limits the size; the corner is the work area's.
            EXPECT_EQ(rect.left, work.left);
            EXPECT_EQ(rect.top, work.top);
        }
    }
}

// With a taskbar at the top or left the work area starts below or right of
// the monitor's corner, and a minimized window's restored rectangle is given
// relative to it: the stored corner is the one on the screen, so that the
// window does not move by the taskbar's size at each such exit.
TEST_F(WindowPlacement, AMinimizedExitStoresTheCornerOnTheScreen) {
    RECT work{};
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
    RECT shifted = work;
    shifted.left += 60;
    shifted.top += 40;
    if (!SystemParametersInfoW(SPI_SETWORKAREA, 0, &shifted, 0)) GTEST_SKIP() << "the work area cannot be moved here";
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromRect(&shifted, MONITOR_DEFAULTTOPRIMARY), &info);
    if (info.rcWork.top != shifted.top || info.rcWork.left != shifted.left) {
        SystemParametersInfoW(SPI_SETWORKAREA, 0, &work, 0);
        GTEST_SKIP() << "the monitor's work area does not follow the setting here";
    }
    HWND closed = MakeWindow({200, 150, 600, 450});
    ASSERT_NE(closed, nullptr);
    ShowWindow(closed, SW_SHOWNORMAL);
    ShowWindow(closed, SW_MINIMIZE);
    SaveWindowPlacement(closed);
    SystemParametersInfoW(SPI_SETWORKAREA, 0, &work, 0);
    EXPECT_EQ(StoredPlacement(), (std::vector<DWORD>{200, 150, 400, 300, SW_SHOWMINIMIZED}));
}
