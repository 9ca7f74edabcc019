// Times Copy in the real program under the same conditions as a user's
// Ctrl+C: from sending the command to Velmora.exe until it returns with the
// clipboard set, on the largest article, once with a Unicode font (Rich Text)
// and once with an 8-bit font (Unicode text).
//
//   copy_bench [RUNS]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "resources/resource.h"
#include "settings/settings.h"
#include "tests/bench/bench_stats.h"
#include "tests/support/clipboard_access.h"
#include "tests/support/scratch_registry.h"
#include "tests/support/velmora_process.h"

namespace {

constexpr DWORD kLargestArticle = 35;

// Milliseconds of each Copy with a font kind; false when the program did not
// start or a Copy put nothing on the clipboard.
bool TimeCopies(DWORD fontAsciiBase, UINT format, int runs, std::vector<double>& millis) {
    ClearProgramKeys();
    UseTestFont();
    UseTestWindow();
    WriteDword(L"FontAsciiBase", fontAsciiBase);
    WriteDword(L"Lesson", kLargestArticle);
    WriteDword(L"Flags", kDefaultFlags | kFlagPinnedArticle);
    VelmoraRun run;
    if (!StartVelmora(run)) return false;
    bool copied = true;
    for (int i = 0; i < runs && copied; ++i) {
        ClearClipboard();
        const auto start = std::chrono::steady_clock::now();
        SendCommand(run, IDM_COPY);
        millis.push_back(MillisSince(start));
        copied = !ClipboardBlock(format).empty();
    }
    StopVelmora(run);
    ClearProgramKeys();
    return copied;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 20;
    std::vector<double> rich, unicode;
    if (!TimeCopies(kDefaultFontAsciiBase, RichTextClipboardFormat(), runs, rich) ||
        !TimeCopies(224, CF_UNICODETEXT, runs, unicode)) {
        std::fprintf(stderr, "copy_bench: the program did not start or copied nothing\n");
        return 1;
    }
    PrintSummary("Copy to clipboard as Rich Text, Velmora.exe", rich);
    PrintSummary("Copy to clipboard as Unicode text, Velmora.exe", unicode);
    return 0;
}
