// Screen capture through a 32-bit DIB section.
#include "tests/support/screen_capture.h"

#include <cstdio>
#include <cstdlib>

COLORREF Capture::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return CLR_INVALID;
    const uint32_t p = pixels[static_cast<size_t>(y) * width + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

int Capture::Count(const RECT& area, COLORREF colour, int tolerance) const {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            const COLORREF c = At(x, y);
            if (c == CLR_INVALID) continue;
            if (std::abs(GetRValue(c) - GetRValue(colour)) <= tolerance &&
                std::abs(GetGValue(c) - GetGValue(colour)) <= tolerance &&
                std::abs(GetBValue(c) - GetBValue(colour)) <= tolerance) {
                ++count;
            }
        }
    }
    return count;
}

int Capture::CountInk(const RECT& area) const {
    int total = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) total += (At(x, y) != CLR_INVALID);
    return total - Count(area, RGB(255, 255, 255));
}

int Capture::FirstRowWith(COLORREF colour) const {
    for (int y = 0; y < height; ++y)
        if (Count(RECT{0, y, width, y + 1}, colour) > 0) return y;
    return -1;
}

int Capture::LastRowWith(COLORREF colour) const {
    for (int y = height - 1; y >= 0; --y)
        if (Count(RECT{0, y, width, y + 1}, colour) > 0) return y;
    return -1;
}

// The screen's pixels in a rectangle of width x height from origin.
static Capture CaptureScreen(POINT origin, int width, int height) {
    Capture capture;
    capture.width = width;
    capture.height = height;
    if (capture.width <= 0 || capture.height <= 0) return capture;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = capture.width;
    info.bmiHeader.biHeight = -capture.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, capture.width, capture.height, screen, origin.x, origin.y, SRCCOPY);
    GdiFlush();
    const auto* source = static_cast<const uint32_t*>(bits);
    capture.pixels.assign(source, source + static_cast<size_t>(capture.width) * capture.height);
    for (uint32_t& p : capture.pixels) p &= 0x00FFFFFF;
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return capture;
}

Capture CaptureClient(HWND window) {
    RECT client;
    if (!GetClientRect(window, &client)) return Capture{};
    return CaptureClientPart(window, client);
}

Capture CaptureClientPart(HWND window, const RECT& part) {
    POINT origin{part.left, part.top};
    if (!ClientToScreen(window, &origin)) return Capture{};
    return CaptureScreen(origin, part.right - part.left, part.bottom - part.top);
}

Capture CaptureWindow(HWND window) {
    RECT frame;
    if (!GetWindowRect(window, &frame)) return Capture{};
    return CaptureScreen(POINT{frame.left, frame.top}, frame.right - frame.left, frame.bottom - frame.top);
}

bool SaveCapture(const Capture& capture, const std::wstring& path) {
    FILE* file = _wfopen(path.c_str(), L"wb");
    if (file == nullptr) return false;
    const int rowSize = (capture.width * 3 + 3) & ~3;
    BITMAPFILEHEADER header{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof(info);
    info.biWidth = capture.width;
    info.biHeight = capture.height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biSizeImage = static_cast<DWORD>(rowSize * capture.height);
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof(header) + sizeof(info);
    header.bfSize = header.bfOffBits + info.biSizeImage;
    fwrite(&header, sizeof(header), 1, file);
    fwrite(&info, sizeof(info), 1, file);
    std::vector<uint8_t> row(static_cast<size_t>(rowSize), 0);
    for (int y = capture.height - 1; y >= 0; --y) {
        for (int x = 0; x < capture.width; ++x) {
            const uint32_t p = capture.pixels[static_cast<size_t>(y) * capture.width + x];
            row[x * 3] = p & 0xFF;
            row[x * 3 + 1] = (p >> 8) & 0xFF;
            row[x * 3 + 2] = (p >> 16) & 0xFF;
        }
        fwrite(row.data(), 1, row.size(), file);
    }
    fclose(file);
    return true;
}

bool SaveCaptureHere(const Capture& capture, const wchar_t* name) {
    wchar_t folder[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, folder);
    return SaveCapture(capture, std::wstring(folder) + L"\\" + name);
}
