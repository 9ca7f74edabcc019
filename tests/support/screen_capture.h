// Capturing a window's client area from the screen, for pixel facts and for
// looking at (saved as a BMP).
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct Capture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // 0x00RRGGBB, top row first

    COLORREF At(int x, int y) const;
    // Counts the pixels of a colour (with a tolerance per channel) in a rectangle.
    int Count(const RECT& area, COLORREF colour, int tolerance = 0) const;
    // Counts pixels that are not white.
    int CountInk(const RECT& area) const;
    // The first and the last row that hold a pixel of a colour; -1 when none does.
    int FirstRowWith(COLORREF colour) const;
    int LastRowWith(COLORREF colour) const;
};

// The client area of a window as it is on the screen.
Capture CaptureClient(HWND window);
// A part of the client area, in client coordinates.
Capture CaptureClientPart(HWND window, const RECT& part);
// The whole window with its frame and caption as it is on the screen.
Capture CaptureWindow(HWND window);

// Writes a capture as a 24-bit BMP file.
bool SaveCapture(const Capture& capture, const std::wstring& path);
// Writes it into the current folder (the build folder under ctest), for looking at.
bool SaveCaptureHere(const Capture& capture, const wchar_t* name);
