// Dots per inch per window. The calls that tell a monitor's own value came
// with Windows 10; they are looked up when needed, so that the program still
// starts on older systems, where the screen's value is the only one.
#include "view/window_dpi.h"

#include "resources/resource.h"
#include "view/dpi_scale.h"

namespace {

template <typename Function>
Function User32Function(const char* name) {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    if (user32 == nullptr) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)));
}

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    if (screen == nullptr) return kDefaultDpi;
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kDefaultDpi;
}

}  // namespace

int WindowDpi(HWND window) {
    using GetDpiForWindowCall = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = User32Function<GetDpiForWindowCall>("GetDpiForWindow");
    if (getDpiForWindow != nullptr && window != nullptr) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi > 0) return static_cast<int>(dpi);
    }
    return ScreenDpi();
}

using GetSystemMetricsForDpiCall = int(WINAPI*)(int, UINT);

static GetSystemMetricsForDpiCall MetricForDpiCall() {
    static const auto call = User32Function<GetSystemMetricsForDpiCall>("GetSystemMetricsForDpi");
    return call;
}

int SystemMetricForDpi(int index, int dpi) {
    const auto getMetricForDpi = MetricForDpiCall();
    if (getMetricForDpi != nullptr && dpi > 0) return getMetricForDpi(index, static_cast<UINT>(dpi));
    return GetSystemMetrics(index);
}

// Some systems scale such a metric for a dpi, others (Wine) do not: it is
// read at 96 dots and scaled here, which gives the same either way.
int SystemDistanceForDpi(int index, int dpi) {
    const auto getMetricForDpi = MetricForDpiCall();
    if (getMetricForDpi == nullptr) return GetSystemMetrics(index);
    return ScaleForDpi(getMetricForDpi(index, kDefaultDpi), dpi);
}

HBITMAP LoadBitmapForDpi(HINSTANCE instance, int id, int dpi) {
    return LoadBitmapW(instance, MAKEINTRESOURCEW(ScaledBitmapId(id, ArtScaleForDpi(dpi))));
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP description{};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof(description), &description) == 0) return SIZE{0, 0};
    return SIZE{description.bmWidth, description.bmHeight};
}

int FollowScaleChange(HWND window, WPARAM wParam, LPARAM lParam) {
    const auto* suggested = reinterpret_cast<const RECT*>(lParam);
    if (suggested != nullptr) {
        SetWindowPos(window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    const int dpi = HIWORD(wParam);
    return dpi > 0 ? dpi : WindowDpi(window);
}
