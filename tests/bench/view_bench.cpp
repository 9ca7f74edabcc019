// Times the Reading view on a memory device context with a real font: the
// largest article is loaded from this program's resources and laid out at
// 600 px with the GDI layout (the first layout of a new view, which creates
// the fonts, measures their width tables and prepares their shaping, apart
// from the following ones), then one page of it is painted again and again,
// at the vowels level and with the cantillation; the switch between the two
// levels to the repainted page; and the first shaping of a new font: its
// fonts made again and the page painted from an empty cache.
//
//   view_bench [RUNS]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/program.h"
#include "store/article_resource.h"
#include "view/navigation.h"
#include "tests/bench/bench_settings.h"
#include "tests/bench/bench_clock.h"
#include "tests/bench/bench_stats.h"
#include "view/reading_view.h"
#include "view/style_font.h"

namespace {

constexpr int kLargestArticle = 35;
constexpr RECT kBox{0, 0, 600, 800};
constexpr int kFirstLayoutRuns = 20;


// A 32-bit bitmap of the box's size selected into a memory context.
HDC CreatePageDc() {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = kBox.right;
    info.bmiHeader.biHeight = -kBox.bottom;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    SelectObject(dc, CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    ReleaseDC(nullptr, screen);
    return dc;
}

// Lays out a copy of the text and returns the time in milliseconds; ends the
// program when the layout fails, as no figure would mean anything then.
double TimeLayout(ViewState* view, const ArticleText& text) {
    ArticleText copy = text;
    const LARGE_INTEGER start = BenchNow();
    const int result = LayoutArticle(view, std::move(copy), true);
    const double millis = MillisSince(start);
    if (result != 0) {
        std::fprintf(stderr, "layout failed: %d\n", result);
        std::exit(1);
    }
    return millis;
}

// Paints the page from the top and returns the time in milliseconds.
double TimePaint(ViewState* view) {
    view->topRow = 0;
    const LARGE_INTEGER start = BenchNow();
    PaintView(view, true);
    GdiFlush();
    return MillisSince(start);
}

void PrintFace(ViewState* view) {
    HDC dc = static_cast<HDC>(view->dc);
    HFONT previous = SelectStyleFont(view, 1);
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, face);
    SelectObject(dc, previous);
    std::printf("# font in use: %ls, 20 pt; article %d: %zu bytes of text, %d rows at %ld px\n", face, kLargestArticle,
                view->text.size(), view->totalRows, kBox.right);
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 200;
    UseTestSettings();
    int error = 0;
    const ArticleText text = LoadArticleResource(kLargestArticle, &error);
    if (text.empty()) {
        std::fprintf(stderr, "article %d did not load: %d\n", kLargestArticle, error);
        return 1;
    }
    HDC dc = CreatePageDc();
    // Each new view creates its fonts and measures their width tables again.
    std::vector<double> first;
    for (int run = 0; run < kFirstLayoutRuns; ++run) {
        ViewState* view = CreateView(dc, &kBox, program.settings.font, 100);
        first.push_back(TimeLayout(view, text));
        DestroyView(view, true);
    }
    ViewState* view = CreateView(dc, &kBox, program.settings.font, 100);
    first.push_back(TimeLayout(view, text));
    std::vector<double> again;
    std::vector<double> paints;
    for (int run = 0; run < runs; ++run) again.push_back(TimeLayout(view, text));
    for (int run = 0; run < runs; ++run) paints.push_back(TimePaint(view));
    view->article = kLargestArticle;
    view->level = TextLevel::kCantillation;
    EnsureMarkLayer(view);
    std::vector<double> marked, switches, newFonts;
    for (int run = 0; run < runs; ++run) marked.push_back(TimePaint(view));
    for (int run = 0; run < runs; ++run) {
        const LARGE_INTEGER start = BenchNow();
        view->level = run % 2 == 0 ? TextLevel::kVowels : TextLevel::kCantillation;
        PaintView(view, true);
        GdiFlush();
        switches.push_back(MillisSince(start));
    }
    for (int run = 0; run < kFirstLayoutRuns; ++run) {
        const LARGE_INTEGER start = BenchNow();
        RecreateStyleFonts(view);
        PaintView(view, true);
        GdiFlush();
        newFonts.push_back(MillisSince(start));
    }
    PrintFace(view);
    PrintSummary("layout, Wine GDI, first in the process", {first.front()});
    PrintSummary("layout, Wine GDI, first of a new view", std::vector<double>(first.begin() + 1, first.end()));
    PrintSummary("layout, Wine GDI, following", again);
    PrintSummary("PaintView 600x800 page, erase on", paints);
    PrintSummary("PaintView 600x800 page with cantillation", marked);
    PrintSummary("level switch to the repainted page", switches);
    PrintSummary("first shaping of a new font, page painted", newFonts);
    DestroyView(view, true);
    return 0;
}
