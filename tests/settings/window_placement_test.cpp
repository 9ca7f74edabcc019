#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "settings/settings_store.h"
#include "tests/support/scratch_registry.h"

namespace {

constexpr wchar_t kClassName[] = L"VelmoraPlacementTest";

bool RegisterTestClass() {
    static const bool registered = [] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = kClassName;
        return RegisterClassW(&windowClass) != 0;
    }();
    return registered;
}

RECT Rect(LONG left, LONG top, LONG width, LONG height) { return {left, top, left + width, top + height}; }

RECT WindowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

RECT NormalRect(HWND window) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(window, &placement);
    return placement.rcNormalPosition;
}

RECT WorkAreaNear(const RECT& rect) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &info);
    return info.rcWork;
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

int32_t StoredInt(const wchar_t* name) {
    const std::optional<DWORD> value = ReadDword(name);
    EXPECT_TRUE(value) << testing::PrintToString(std::wstring(name)) << " is not a stored DWORD";
    return static_cast<int32_t>(value.value_or(0));
}

void StorePlacement(LONG left, LONG top, LONG width, LONG height, DWORD showCommand) {
    WriteDword(L"Top", static_cast<DWORD>(top));
    WriteDword(L"Left", static_cast<DWORD>(left));
    WriteDword(L"Width", static_cast<DWORD>(width));
    WriteDword(L"Height", static_cast<DWORD>(height));
    WriteDword(L"showCmd", showCommand);
}

::testing::AssertionResult SameRect(const RECT& actual, const RECT& expected) {
    if (EqualRect(&actual, &expected)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "{" << actual.left << "," << actual.top << "," << actual.right << ","
                                         << actual.bottom << "} instead of {" << expected.left << ","
                                         << expected.top << "," << expected.right << "," << expected.bottom << "}";
}

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
        EXPECT_TRUE(RegisterTestClass());
        HWND window = CreateWindowExW(WS_EX_WINDOWEDGE, kClassName, L"Placement", WS_OVERLAPPEDWINDOW, rect.left,
                                      rect.top, rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
        EXPECT_NE(window, nullptr);
        if (window != nullptr) windows_.push_back(window);
        return window;
    }

private:
    std::vector<HWND> windows_;
};

TEST_F(WindowPlacement, NormalWindowRoundTrips) {
    HWND closed = MakeWindow(Rect(100, 80, 400, 300));
    ASSERT_NE(closed, nullptr);
    ShowWindow(closed, SW_SHOWNORMAL);
    SaveWindowPlacement(closed);
    EXPECT_EQ(StoredInt(L"Top"), 80);
    EXPECT_EQ(StoredInt(L"Left"), 100);
    EXPECT_EQ(StoredInt(L"Width"), 400);
    EXPECT_EQ(StoredInt(L"Height"), 300);
    EXPECT_EQ(StoredInt(L"showCmd"), SW_SHOWNORMAL);

    HWND opened = MakeWindow(Rect(10, 10, 200, 150));
    ASSERT_NE(opened, nullptr);
    RestoreWindowPlacement(opened, SW_SHOWMINNOACTIVE);
    EXPECT_TRUE(SameRect(WindowRect(opened), Rect(100, 80, 400, 300)));
    EXPECT_TRUE(IsWindowVisible(opened));
    EXPECT_FALSE(IsIconic(opened)) << "the stored show command wins over the launch one";
}

// With nothing stored the window stays where the system put it and is shown
// with the launch show command.
TEST_F(WindowPlacement, FirstRunKeepsTheWindowAndTheLaunchCommand) {
    const struct {
        int launch;
        bool iconic;
    } cases[] = {{SW_SHOWNORMAL, false}, {SW_SHOWMINNOACTIVE, true}, {SW_SHOWDEFAULT, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.launch);
        HWND window = MakeWindow(Rect(50, 60, 300, 200));
        ASSERT_NE(window, nullptr);
        RestoreWindowPlacement(window, c.launch);
        EXPECT_TRUE(IsWindowVisible(window));
        EXPECT_EQ(IsIconic(window) != FALSE, c.iconic);
        EXPECT_TRUE(SameRect(NormalRect(window), Rect(50, 60, 300, 200)));
    }
}

TEST_F(WindowPlacement, ZeroSizeMovesNothing) {
    StorePlacement(500, 400, 0, 0, SW_SHOWMAXIMIZED);
    HWND window = MakeWindow(Rect(50, 60, 300, 200));
    ASSERT_NE(window, nullptr);
    RestoreWindowPlacement(window, SW_SHOWNORMAL);
    EXPECT_TRUE(IsZoomed(window));
    EXPECT_TRUE(SameRect(NormalRect(window), Rect(50, 60, 300, 200)));
}

// The maximized frame hangs outside the screen by the frame width, so the
// stored corner is the restored one; the size is the restored size.
TEST_F(WindowPlacement, MaximizedWindowKeepsItsRestoredPlace) {
    HWND closed = MakeWindow(Rect(120, 90, 400, 300));
    ASSERT_NE(closed, nullptr);
    ShowWindow(closed, SW_SHOWMAXIMIZED);
    ASSERT_TRUE(IsZoomed(closed));
    SaveWindowPlacement(closed);
    EXPECT_EQ(StoredInt(L"Top"), 90);
    EXPECT_EQ(StoredInt(L"Left"), 120);
    EXPECT_EQ(StoredInt(L"Width"), 400);
    EXPECT_EQ(StoredInt(L"Height"), 300);
    EXPECT_EQ(StoredInt(L"showCmd"), SW_SHOWMAXIMIZED);

    HWND opened = MakeWindow(Rect(10, 10, 200, 150));
    ASSERT_NE(opened, nullptr);
    RestoreWindowPlacement(opened, SW_SHOWNORMAL);
    EXPECT_TRUE(IsZoomed(opened));
    EXPECT_TRUE(SameRect(NormalRect(opened), Rect(120, 90, 400, 300)));
}

// A minimized window's own rectangle is the icon's; the restored one is stored.
TEST_F(WindowPlacement, MinimizedWindowStoresItsRestoredPlace) {
    HWND closed = MakeWindow(Rect(150, 100, 400, 300));
    ASSERT_NE(closed, nullptr);
    ShowWindow(closed, SW_SHOWNORMAL);
    ShowWindow(closed, SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(closed));
    SaveWindowPlacement(closed);
    EXPECT_EQ(StoredInt(L"Top"), 100);
    EXPECT_EQ(StoredInt(L"Left"), 150);
    EXPECT_EQ(StoredInt(L"Width"), 400);
    EXPECT_EQ(StoredInt(L"Height"), 300);
    EXPECT_EQ(StoredInt(L"showCmd"), SW_SHOWMINIMIZED);

    HWND opened = MakeWindow(Rect(10, 10, 200, 150));
    ASSERT_NE(opened, nullptr);
    RestoreWindowPlacement(opened, SW_SHOWNORMAL);
    EXPECT_TRUE(IsIconic(opened));
    const RECT normal = NormalRect(opened);
    EXPECT_TRUE(SameRect(normal, Rect(150, 100, 400, 300)));
    EXPECT_NE(MonitorFromRect(&normal, MONITOR_DEFAULTTONULL), nullptr);
}

// A rectangle on no monitor is brought inside the nearest work area, keeping
// its size when it fits.
TEST_F(WindowPlacement, RectangleOffEveryMonitorIsMovedOntoOne) {
    const struct {
        const char* label;
        LONG left, top, width, height;
    } cases[] = {
        {"minimized corner", -32000, -32000, 400, 300},
        {"far right", 40000, 100, 400, 300},
        {"far below", 100, 40000, 400, 300},
        {"larger than the screen", -32000, -32000, 5000, 4000},
        {"near the largest coordinate", 0x7FFFFF00, 0x7FFFFF00, 0x1000, 0x1000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        StorePlacement(c.left, c.top, c.width, c.height, SW_SHOWNORMAL);
        HWND window = MakeWindow(Rect(10, 10, 200, 150));
        ASSERT_NE(window, nullptr);
        RestoreWindowPlacement(window, SW_SHOWNORMAL);
        const RECT rect = WindowRect(window);
        const RECT work = WorkAreaNear(rect);
        if (c.width <= work.right - work.left && c.height <= work.bottom - work.top) {
            EXPECT_TRUE(SameRect(rect, Rect(rect.left, rect.top, c.width, c.height)));
            EXPECT_TRUE(Inside(rect, work));
        } else {
            // The system limits the size; the corner is the work area's.
            EXPECT_EQ(rect.left, work.left);
            EXPECT_EQ(rect.top, work.top);
        }
    }
}

// A rectangle that is partly on a monitor is the user's choice and stays.
TEST_F(WindowPlacement, PartlyVisibleRectangleStays) {
    StorePlacement(-100, 50, 400, 300, SW_SHOWNORMAL);
    HWND window = MakeWindow(Rect(10, 10, 200, 150));
    ASSERT_NE(window, nullptr);
    RestoreWindowPlacement(window, SW_SHOWNORMAL);
    EXPECT_TRUE(SameRect(WindowRect(window), Rect(-100, 50, 400, 300)));
}
