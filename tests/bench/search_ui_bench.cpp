// Times the search in the real program under the same conditions each run:
// a miss from Search Again (command 117) to the "Not Found!" box on the
// screen, and a hit in the next article from the command to its painted
// highlight and banner (the command returns after both are drawn).
//
//   search_ui_bench [RUNS]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "tests/bench/bench_clock.h"
#include "tests/bench/bench_stats.h"
#include "tests/support/scratch_registry.h"
#include "tests/support/velmora_process.h"

namespace {

// Aaron, first named in article 13; searched from article 12.
const std::vector<BYTE> kAaron = {'p', 'y', 'e', 'a', 0};
const std::vector<BYTE> kMiss = {'{', '{', '{', '{', 'a', 0};
constexpr DWORD kBeforeTheHit = 12;

bool StartWith(VelmoraRun& run, const std::vector<BYTE>& search) {
    UseFreshSettings(kBeforeTheHit);
    WriteBinary(L"SearchString", search);
    return StartVelmora(run);
}

HWND NotFoundBox(HWND owner) {
    HWND box = FindWindowW(L"#32770", L"Velmora");
    return box != nullptr && GetWindow(box, GW_OWNER) == owner && IsWindowVisible(box) ? box : nullptr;
}

// Milliseconds from posting the command to the visible box, or -1.
double TimeMiss(const VelmoraRun& run) {
    const LARGE_INTEGER start = BenchNow();
    PostMessageW(run.window, WM_COMMAND, 117, 0);
    HWND box = nullptr;
    const ULONGLONG deadline = GetTickCount64() + 10000;
    while ((box = NotFoundBox(run.window)) == nullptr && GetTickCount64() < deadline) Sleep(0);
    const double millis = MillisSince(start);
    if (box == nullptr) return -1;
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    while (IsWindow(box) && GetTickCount64() < deadline) Sleep(1);
    return millis;
}

// Milliseconds for the command that finds the hit in the next article; the
// previous-article command first brings the program back to where it started.
double TimeHit(const VelmoraRun& run) {
    SendCommand(run, 110);
    const LARGE_INTEGER start = BenchNow();
    SendCommand(run, 117);
    return MillisSince(start);
}

bool Measure(const char* name, const std::vector<BYTE>& search, double (*timeOnce)(const VelmoraRun&), int runs) {
    VelmoraRun run;
    if (!StartWith(run, search)) return false;
    std::vector<double> millis;
    for (int i = 0; i < runs; ++i) {
        const double value = timeOnce(run);
        if (value < 0) break;
        millis.push_back(value);
    }
    const bool stopped = StopVelmora(run) == 0;
    if (static_cast<int>(millis.size()) != runs || !stopped) {
        std::fprintf(stderr, "%s: a run failed\n", name);
        return false;
    }
    PrintSummary(name, millis);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 15;
    const bool miss = Measure("search miss: command to \"Not Found!\"", kMiss, TimeMiss, runs);
    const bool hit = Measure("search hit in the next article, painted", kAaron, TimeHit, runs);
    ClearProgramKeys();
    return miss && hit ? 0 : 1;
}
