// The main window's placement: saved when the window is destroyed, applied
// when it is created, which happens at the stored rectangle. The stored
// rectangle is the window's restored (normal) one also when it was closed
// minimized, and a stored rectangle that lies on no monitor (a monitor since
// removed, an edited value) is moved onto the nearest one, so that the
// window always comes back where it can be seen.
#include <algorithm>
#include <cstdint>
#include <string>

#include "settings/registry.h"
#include "settings/settings_store.h"

namespace {

// start + length without overflow, as a rectangle's far edge.
LONG FarEdge(LONG start, LONG length) {
    return static_cast<LONG>(std::clamp<int64_t>(int64_t{start} + length, INT32_MIN, INT32_MAX));
}

// The start that brings a span of length inside [low, high), moving it as
// little as possible; low when it does not fit.
LONG FitSpan(LONG start, LONG length, LONG low, LONG high) {
    const int64_t lastStart = int64_t{high} - std::max<int64_t>(length, 0);
    if (lastStart <= low) return low;
    return static_cast<LONG>(std::clamp<int64_t>(start, low, lastStart));
}

}  // namespace

POINT VisibleCorner(LONG x, LONG y, LONG width, LONG height) {
    const RECT rect{x, y, FarEdge(x, width), FarEdge(y, height)};
    if (MonitorFromRect(&rect, MONITOR_DEFAULTTONULL) != nullptr) return {x, y};
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &info)) return {x, y};
    const RECT& work = info.rcWork;
    return {FitSpan(x, width, work.left, work.right), FitSpan(y, height, work.top, work.bottom)};
}

namespace {

// The placement's normal rectangle is in work-area coordinates; the stored
// corner and MoveWindow are in screen coordinates. They differ by the offset
// of the work area on its monitor (a taskbar at the top or left).
POINT ScreenCorner(const RECT& normal) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(MonitorFromRect(&normal, MONITOR_DEFAULTTOPRIMARY), &info)) return {normal.left, normal.top};
    return {normal.left + info.rcWork.left - info.rcMonitor.left, normal.top + info.rcWork.top - info.rcMonitor.top};
}

// A stored show command that would not show the window (hidden, or no show
// command at all) gives way to the one the program was started with.
bool ShowsTheWindow(int32_t show) { return show >= SW_SHOWNORMAL && show <= SW_SHOWDEFAULT; }

}  // namespace

void SaveWindowPlacement(HWND window) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    RECT rect{};
    if (!GetWindowPlacement(window, &placement) || !GetWindowRect(window, &rect)) return;
    const RECT& normal = placement.rcNormalPosition;
    LONG top = rect.top;
    LONG left = rect.left;
    if (placement.showCmd == SW_SHOWMAXIMIZED) {
        top = rect.top + GetSystemMetrics(SM_CYFRAME) + normal.top;
        left = rect.left + GetSystemMetrics(SM_CXFRAME) + normal.left;
    } else if (placement.showCmd == SW_SHOWMINIMIZED) {
        // A minimized window's own rectangle lies far off the screen.
        const POINT corner = ScreenCorner(normal);
        top = corner.y;
        left = corner.x;
    }
    RegWriteInt(u"Top", top);
    RegWriteInt(u"Left", left);
    RegWriteInt(u"Width", normal.right - normal.left);
    RegWriteInt(u"Height", normal.bottom - normal.top);
    RegWriteInt(u"showCmd", static_cast<int32_t>(placement.showCmd));
}

bool StoredWindowRect(RECT& rect) {
    const int32_t width = RegReadInt(u"Width", 0);
    const int32_t height = RegReadInt(u"Height", 0);
    if (width <= 0 || height <= 0) return false;
    const POINT corner = VisibleCorner(RegReadInt(u"Left", 0), RegReadInt(u"Top", 0), width, height);
    rect = RECT{corner.x, corner.y, FarEdge(corner.x, width), FarEdge(corner.y, height)};
    return true;
}

void RestoreWindowPlacement(HWND window, int launchShowCommand) {
    const int32_t y = RegReadInt(u"Top", 0);
    const int32_t x = RegReadInt(u"Left", 0);
    int32_t width = RegReadInt(u"Width", 0);
    int32_t height = RegReadInt(u"Height", 0);
    int32_t show = RegReadInt(u"showCmd", launchShowCommand);
    if (!ShowsTheWindow(show)) show = ShowsTheWindow(launchShowCommand) ? launchShowCommand : SW_SHOWNORMAL;
    if (width > 0 || height > 0) {
        // A size stored for one side only keeps the window's own size for the
        // other, rather than a window without a client area.
        RECT current{};
        GetWindowRect(window, &current);
        if (width <= 0) width = current.right - current.left;
        if (height <= 0) height = current.bottom - current.top;
        const POINT corner = VisibleCorner(x, y, width, height);
        MoveWindow(window, corner.x, corner.y, width, height, TRUE);
    }
    ShowWindow(window, show);
}

// Sizes are kept as they would be on a screen of 96 dots per inch.
constexpr int kStoredDpi = 96;

static std::u16string ValueName(const char16_t* name, const char16_t* part) { return std::u16string(name) + part; }

void SaveWindowRect(HWND window, const char16_t* name, int dpi) {
    RECT rect{};
    if (!GetWindowRect(window, &rect) || dpi <= 0) return;
    RegWriteInt(ValueName(name, u"Left").c_str(), rect.left);
    RegWriteInt(ValueName(name, u"Top").c_str(), rect.top);
    RegWriteInt(ValueName(name, u"Width").c_str(), MulDiv(rect.right - rect.left, kStoredDpi, dpi));
    RegWriteInt(ValueName(name, u"Height").c_str(), MulDiv(rect.bottom - rect.top, kStoredDpi, dpi));
}

bool RestoreWindowRect(HWND window, const char16_t* name, int dpi) {
    if (dpi <= 0) dpi = kStoredDpi;
    const int32_t width = MulDiv(RegReadInt(ValueName(name, u"Width").c_str(), 0), dpi, kStoredDpi);
    const int32_t height = MulDiv(RegReadInt(ValueName(name, u"Height").c_str(), 0), dpi, kStoredDpi);
    if (width <= 0 || height <= 0) return false;
    const POINT corner = VisibleCorner(RegReadInt(ValueName(name, u"Left").c_str(), 0),
                                       RegReadInt(ValueName(name, u"Top").c_str(), 0), width, height);
    MoveWindow(window, corner.x, corner.y, width, height, FALSE);
    return true;
}
