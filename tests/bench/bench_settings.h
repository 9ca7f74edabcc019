// The settings the program would read, for the benchmarks under Wine: the
// test font and the default flags.
#pragma once

#include <windows.h>

#include "app/program.h"

inline void UseTestSettings() {
    program.instance = GetModuleHandleW(nullptr);
    FontSettings& font = program.settings.font;
    const wchar_t face[] = L"Ezra SIL";
    for (size_t i = 0; i < sizeof(face) / sizeof(face[0]); ++i) font.FontName[i] = static_cast<char16_t>(face[i]);
    font.FontSize = 20;
    font.FontAsciiBase = 0x5D0;
    program.settings.Flags = kDefaultFlags;
}
