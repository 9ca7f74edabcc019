// Summaries of repeated timings for the benchmark programs: median, fastest
// and slowest of a set of runs, printed as one row of the benchmark table.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

struct BenchSummary {
    int runs = 0;
    double median = 0, min = 0, max = 0;
};

// The median of an even count is the mean of the two middle values.
inline BenchSummary Summarize(std::vector<double> values) {
    BenchSummary summary;
    if (values.empty()) return summary;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    summary.runs = static_cast<int>(n);
    summary.median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    summary.min = values.front();
    summary.max = values.back();
    return summary;
}

// One table row: what was measured, then runs, median, min and max in milliseconds.
inline void PrintSummary(const char* name, const std::vector<double>& millis) {
    const BenchSummary s = Summarize(millis);
    std::printf("%-46s %5d %11.3f %11.3f %11.3f\n", name, s.runs, s.median, s.min, s.max);
    std::fflush(stdout);
}

inline double MillisSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}
