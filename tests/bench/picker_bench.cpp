// Times the Choose Article window under Wine: one layout of the Article index
// with all 57 articles bookmarked, with the window's own fonts on a memory
// device context, one paint of a window of rows there, and the opening of the window, from the call to the end of
// its first paint (when its loop first runs idle), over an owner of the test
// window's size.
//
//   picker_bench [RUNS]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/program.h"
#include "dialogs/choose_section.h"
#include "dialogs/picker_gdi.h"
#include "store/article_resource.h"
#include "tests/bench/bench_clock.h"
#include "tests/bench/bench_settings.h"
#include "tests/bench/bench_stats.h"
#include "view/bookmarks.h"
#include "view/dpi_scale.h"

namespace {

LARGE_INTEGER openedAt;
std::vector<double> opens;

// The test settings and every article bookmarked.
void UsePickerSettings() {
    UseTestSettings();
    program.bookmarks.loaded = true;
    for (uint16_t article = 1; article <= kArticleCount; ++article) {
        program.settings.Lesson = article;
        AddBookmark();
    }
    program.settings.Lesson = 5;
}

// The dialog's loop tells its owner when its queue runs empty, which happens
// first once the opening paint is done: the time is taken and the window closed.
LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ENTERIDLE && wParam == MSGF_DIALOGBOX && openedAt.QuadPart != 0) {
        opens.push_back(MillisSince(openedAt));
        openedAt.QuadPart = 0;
        PostMessageW(reinterpret_cast<HWND>(lParam), WM_COMMAND, IDCANCEL, 0);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND CreateOwner() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = OwnerProc;
    windowClass.hInstance = program.instance;
    windowClass.lpszClassName = L"PickerBenchOwner";
    RegisterClassW(&windowClass);
    HWND owner = CreateWindowW(L"PickerBenchOwner", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 640, 480,
                               nullptr, nullptr, program.instance, nullptr);
    return owner;
}

// Layouts with new fonts each time, then paints of one window of rows (the
// bookmark group open, as the window opens with bookmarks).
void TimeLayoutsAndPaints(int runs, std::vector<double>& layouts, std::vector<double>& paints) {
    const ArticleText text = PrependBookmarkGroup(LoadArticleResource(kIndexArticleNumber, nullptr));
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 460, 340);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    ReleaseDC(nullptr, screen);
    PickerState state;
    PickerIcons icons = LoadPickerIcons(kDefaultDpi);
    for (int run = 0; run < runs; ++run) {
        DeletePickerFonts(state);
        state = PickerState{};
        state.dc = dc;
        state.width = 457;
        state.height = 337;
        state.fontSettings = program.settings.font;
        const LARGE_INTEGER start = BenchNow();
        LayoutPickerRows(state, ArticleText(text));
        layouts.push_back(MillisSince(start));
    }
    for (int run = 0; run < runs; ++run) {
        const LARGE_INTEGER start = BenchNow();
        PaintPicker(state, icons, true);
        GdiFlush();
        paints.push_back(MillisSince(start));
    }
    DeletePickerFonts(state);
    DeletePickerIcons(icons);
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 50;
    UsePickerSettings();
    std::vector<double> layouts, paints;
    TimeLayoutsAndPaints(runs * 4, layouts, paints);
    HWND owner = CreateOwner();
    for (int run = 0; run < runs; ++run) {
        QueryPerformanceCounter(&openedAt);
        ShowChooseSection(owner, program.settings.Lesson, program.settings.font, false);
    }
    DestroyWindow(owner);
    std::printf("# index with 57 bookmarks, Ezra SIL 20, 457 px; window over a 640x480 owner\n");
    PrintSummary("picker layout, Wine GDI (new fonts each run)", layouts);
    PrintSummary("PaintPicker 457x337, erase on", paints);
    PrintSummary("Choose Article opened and painted, Wine", opens);
    return 0;
}
