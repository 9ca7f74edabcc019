// The Windows benchmarks' clock: the performance counter, read in milliseconds.
#pragma once

#include <windows.h>

inline LARGE_INTEGER BenchNow() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}

inline double MillisSince(const LARGE_INTEGER& start) {
    const LARGE_INTEGER now = BenchNow();
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}
