// Times printing the largest article (or another) from the real program to
// the PDF queue: from the page set-up's OK to the end of the Print command
// (the job handed to the queue), and on to the PDF file the queue writes,
// which stays in the queue's folder for a look. The queue must exist
// (tests/output/pdf_queue.sh start).
//
//   print_bench [RUNS] [ARTICLE]
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/bench/bench_stats.h"
#include "tests/support/pdf_output.h"
#include "tests/support/scratch_registry.h"
#include "tests/support/velmora_process.h"
#include "tests/support/wait.h"

namespace {

constexpr DWORD kLargestArticle = 35;
constexpr int kPrint = 40008;

using Clock = std::chrono::steady_clock;

double MillisSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The page set-up dialog is the dialog that the main window owns.
HWND PageSetupOf(const VelmoraRun& run) {
    HWND dialog = nullptr;
    while ((dialog = FindWindowExW(nullptr, dialog, L"#32770", nullptr)) != nullptr) {
        if (GetWindow(dialog, GW_OWNER) == run.window && IsWindowVisible(dialog)) return dialog;
    }
    return nullptr;
}

// One print: milliseconds to the command's end and to the file, or false.
bool PrintOnce(const VelmoraRun& run, double& command, double& file) {
    const std::vector<std::string> before = PdfFiles();
    PostMessageW(run.window, WM_COMMAND, kPrint, 0);
    HWND dialog = nullptr;
    if (!WaitUntil([&] { return (dialog = PageSetupOf(run)) != nullptr; }, 30000)) return false;
    const Clock::time_point start = Clock::now();
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    // The job runs inside the command without pumping messages: a message sent
    // once the dialog is gone returns when the command has ended.
    if (!WaitUntil([&] { return !IsWindow(dialog); }, 30000)) return false;
    DWORD_PTR result;
    SendMessageTimeoutW(run.window, WM_NULL, 0, 0, SMTO_BLOCK, 60000, &result);
    command = MillisSince(start);
    const bool written = !WaitForNewPdf(before).empty();
    file = MillisSince(start);
    return written;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 5;
    const DWORD article = argc > 2 ? static_cast<DWORD>(std::atoi(argv[2])) : kLargestArticle;
    if (!PdfToolsAvailable()) {
        std::fprintf(stderr, "print_bench: needs Wine with the PDF queue and the poppler tools\n");
        return 1;
    }
    UseFreshSettings(article);
    VelmoraRun run;
    if (!StartVelmora(run)) return 1;
    std::vector<double> commands, files;
    bool ok = true;
    for (int i = 0; i < runs && ok; ++i) {
        double command = 0, file = 0;
        ok = PrintOnce(run, command, file);
        commands.push_back(command);
        files.push_back(file);
    }
    StopVelmora(run);
    ClearProgramKeys();
    if (!ok) {
        std::fprintf(stderr, "print_bench: a print failed or timed out\n");
        return 1;
    }
    const std::string name = article == kLargestArticle ? "largest article" : "article " + std::to_string(article);
    PrintSummary(("print " + name + ", OK to command's end").c_str(), commands);
    PrintSummary(("print " + name + ", OK to the PDF file").c_str(), files);
    return 0;
}
