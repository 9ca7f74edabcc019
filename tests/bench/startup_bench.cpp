// Times start-up under the same conditions for Velmora.exe and for the
// system's notepad.exe: from creating the process to Velmora's first painted
// article (text ink in the view area on the screen), and to Notepad's window
// being visible. Each program is started once untimed, so that no cold start
// (files not yet cached after a build) decides a median, then started, timed
// and closed several times. The ratio of the two medians closes the table,
// after Velmora's start-up in steps, timed in runs of its own: to its entry
// point (the libraries it imports loaded), to its main window created, shown,
// and painted.
//
//   startup_bench [RUNS]
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "settings/settings.h"
#include "tests/bench/bench_clock.h"
#include "tests/bench/bench_stats.h"
#include "tests/bench/entry_point_clock.h"
#include "tests/support/scratch_registry.h"
#include "tests/support/screen_capture.h"
#include "tests/support/velmora_process.h"
#include "tests/support/wait.h"

namespace {

constexpr DWORD kTimeoutMs = 30000;
constexpr DWORD kLargestArticle = 35;
constexpr int kBandHeight = 96;  // pixels: the first two or three rows
constexpr DWORD kPollMs = 3;

HWND VisibleWindow(const wchar_t* className, const wchar_t* title) {
    HWND window = FindWindowW(className, title);
    return window != nullptr && IsWindowVisible(window) ? window : nullptr;
}

// The top of the view area below the toolbar is painted: mostly white
// (erased), with text ink on at least one pixel in two hundred. An unpainted
// window is not white, so it does not pass. Only a band of the first rows is
// read: a capture of the whole window takes 15 to 35 ms under Wine, which
// would be counted against the program and take a core from it.
bool ShowsArticle(HWND window) {
    HWND toolbar = FindWindowExW(window, nullptr, TOOLBARCLASSNAMEW, nullptr);
    RECT bar{}, client{};
    if (toolbar != nullptr) GetWindowRect(toolbar, &bar);
    GetClientRect(window, &client);
    const int top = bar.bottom - bar.top;
    const RECT band{0, top, client.right, std::min<int>(client.bottom, top + kBandHeight)};
    const Capture capture = CaptureClientPart(window, band);
    const int total = capture.width * capture.height;
    if (total <= 0) return false;
    const int ink = capture.CountInk(RECT{0, 0, capture.width, capture.height});
    return total - ink > total / 2 && ink > total / 200;
}

// Polls a condition every few milliseconds, the same for both programs.
template <typename Condition>
bool PollUntil(Condition condition) {
    const ULONGLONG deadline = GetTickCount64() + kTimeoutMs;
    while (!condition()) {
        if (GetTickCount64() >= deadline) return false;
        Sleep(kPollMs);
    }
    return true;
}

// Milliseconds to the first painted article, or -1 on failure or timeout.
double TimeVelmora() {
    UseFreshSettings(kLargestArticle);
    VelmoraRun run;
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    if (!LaunchProgram(VelmoraCommandLine(), run.process)) return -1;
    const bool shown = PollUntil([&] {
        run.window = VisibleWindow(L"Velmora", nullptr);
        return run.window != nullptr && ShowsArticle(run.window);
    });
    const double millis = MillisSince(start);
    if (!shown || StopVelmora(run) != 0) {
        KillVelmora(run);
        return -1;
    }
    return millis;
}

// Milliseconds to Notepad's visible window, or -1 on failure or timeout.
double TimeNotepad() {
    PROCESS_INFORMATION process{};
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    if (!LaunchProgram(L"notepad.exe", process)) return -1;
    HWND window = nullptr;
    const bool shown = PollUntil([&] { return (window = VisibleWindow(L"Notepad", nullptr)) != nullptr; });
    const double millis = MillisSince(start);
    if (shown) PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return shown ? millis : -1;
}

struct StartSteps {
    std::vector<double> entry, created, shown, painted;
};

// One start in steps, polled as the timings are; false on failure or timeout.
bool TimeVelmoraSteps(StartSteps& steps) {
    UseFreshSettings(kLargestArticle);
    VelmoraRun run;
    const LARGE_INTEGER start = BenchNow();
    double entry = 0;
    if (!LaunchTimedToEntry(VelmoraCommandLine(), start, run.process, entry)) {
        KillVelmora(run);
        return false;
    }
    double created = -1, shown = -1, painted = -1;
    const ULONGLONG deadline = GetTickCount64() + kTimeoutMs;
    while (painted < 0 && GetTickCount64() < deadline) {
        run.window = FindWindowW(L"Velmora", nullptr);
        if (run.window != nullptr && created < 0) created = MillisSince(start);
        if (run.window != nullptr && shown < 0 && IsWindowVisible(run.window)) shown = MillisSince(start);
        if (shown >= 0 && ShowsArticle(run.window)) painted = MillisSince(start);
        Sleep(kPollMs);
    }
    if (painted < 0 || StopVelmora(run) != 0) {
        KillVelmora(run);
        return false;
    }
    steps.entry.push_back(entry);
    steps.created.push_back(created);
    steps.shown.push_back(shown);
    steps.painted.push_back(painted);
    return true;
}

bool PrintVelmoraSteps(int runs) {
    StartSteps steps;
    for (int run = 0; run < runs; ++run) {
        if (!TimeVelmoraSteps(steps)) {
            std::fprintf(stderr, "start-up steps: run %d failed or timed out\n", run + 1);
            return false;
        }
    }
    PrintSummary("  Velmora.exe: start to its entry point", steps.entry);
    PrintSummary("  Velmora.exe: start to main window created", steps.created);
    PrintSummary("  Velmora.exe: start to main window shown", steps.shown);
    PrintSummary("  Velmora.exe: start to first paint", steps.painted);
    return true;
}

// Runs a timing once to warm up, then several times; the median of those, or
// -1 when any run failed.
double Repeat(const char* name, double (*timeOnce)(), int runs) {
    if (timeOnce() < 0) {
        std::fprintf(stderr, "%s: the warm-up run failed or timed out\n", name);
        return -1;
    }
    std::vector<double> millis;
    for (int run = 0; run < runs; ++run) {
        const double value = timeOnce();
        if (value < 0) {
            std::fprintf(stderr, "%s: run %d failed or timed out\n", name, run + 1);
            return -1;
        }
        millis.push_back(value);
    }
    PrintSummary(name, millis);
    return Summarize(millis).median;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 7;
    const double velmora = Repeat("start to first painted article, Velmora.exe", TimeVelmora, runs);
    const double notepad = Repeat("start to visible window, notepad.exe", TimeNotepad, runs);
    if (velmora < 0 || notepad <= 0) return 1;
    std::printf("%-46s %5s %11.2f   (goal: at most 1.10)\n", "start-up, Velmora / notepad (medians)", "", velmora / notepad);
    return PrintVelmoraSteps(runs) ? 0 : 1;
}
