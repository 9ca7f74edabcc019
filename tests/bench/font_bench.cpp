// Times the font chooser under the platform: opening the Choose Font dialog
// until its loop first goes idle with everything painted (the owner hears
// WM_ENTERIDLE then), which includes enumerating every installed typeface;
// and laying the largest article out again and repainting it on a window
// after a change of face and size (ApplyFontSettings).
//
//   font_bench [RUNS]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/program.h"
#include "dialogs/font_dialog.h"
#include "store/article_resource.h"
#include "tests/bench/bench_clock.h"
#include "tests/bench/bench_stats.h"
#include "view/reading_view.h"

namespace {

constexpr int kLargestArticle = 35;
constexpr RECT kBox{0, 0, 600, 800};

LARGE_INTEGER openedAt;
bool openingTimed = false;
std::vector<double> openings;

// The first idle moment of each opening is its end; the dialog is then cancelled.
LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ENTERIDLE && wParam == MSGF_DIALOGBOX) {
        if (!openingTimed) {
            openings.push_back(MillisSince(openedAt));
            openingTimed = true;
            PostMessageW(reinterpret_cast<HWND>(lParam), WM_COMMAND, IDCANCEL, 0);
        }
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND CreateOwner() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = OwnerProc;
    windowClass.hInstance = program.instance;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = L"FontBenchOwner";
    RegisterClassW(&windowClass);
    return CreateWindowExW(0, L"FontBenchOwner", L"font bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                           kBox.right + 20, kBox.bottom + 40, nullptr, nullptr, program.instance, nullptr);
}

FontSettings Font(const wchar_t* face, int32_t size) {
    FontSettings font{};
    lstrcpynW(reinterpret_cast<wchar_t*>(font.FontName), face, kFontNameMax + 1);
    font.FontSize = size;
    font.FontAsciiBase = 0x5D0;
    return font;
}

// Milliseconds of each ApplyFontSettings, alternating two faces and sizes.
std::vector<double> TimeFontChanges(HWND owner, int runs) {
    int error = 0;
    ArticleText text = LoadArticleResource(kLargestArticle, &error);
    if (text.empty()) {
        std::fprintf(stderr, "article %d did not load: %d\n", kLargestArticle, error);
        std::exit(1);
    }
    const FontSettings fonts[2] = {Font(L"Ezra SIL", 20), Font(L"Frank Ruehl CLM", 24)};
    HDC dc = GetDC(owner);
    ViewState* view = CreateView(dc, &kBox, fonts[0], 100);
    LayoutArticle(view, std::move(text), true);
    std::vector<double> millis;
    for (int run = 0; run < runs; ++run) {
        const LARGE_INTEGER start = BenchNow();
        ApplyFontSettings(view, &fonts[(run + 1) % 2]);
        GdiFlush();
        millis.push_back(MillisSince(start));
    }
    std::printf("# article %d: %d rows in Frank Ruehl CLM 24 pt at %ld px\n", kLargestArticle, view->totalRows,
                kBox.right);
    DestroyView(view, true);
    ReleaseDC(owner, dc);
    return millis;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 30;
    program.instance = GetModuleHandleW(nullptr);
    program.settings.Flags = kDefaultFlags;
    HWND owner = CreateOwner();
    if (owner == nullptr) {
        std::fprintf(stderr, "no window\n");
        return 1;
    }
    FontSettings settings = Font(L"Ezra SIL", 20);
    for (int run = 0; run < runs; ++run) {
        openingTimed = false;
        openedAt = BenchNow();
        ShowFontDialog(owner, settings);
    }
    if (openings.size() != static_cast<size_t>(runs)) {
        std::fprintf(stderr, "the dialog opened %zu of %d times\n", openings.size(), runs);
        return 1;
    }
    const std::vector<double> changes = TimeFontChanges(owner, runs);
    PrintSummary("Choose Font, opening to its first idle paint", openings);
    PrintSummary("ApplyFontSettings, largest article, new font", changes);
    DestroyWindow(owner);
    return 0;
}
