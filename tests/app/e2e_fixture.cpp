// The end-to-end fixture's set-up, driving helpers and registry readers.
#include "tests/app/e2e_fixture.h"

#include <algorithm>

#include "view/cluster_shaper.h"
#include "view/dpi_scale.h"

void VelmoraEndToEnd::SetUp() {
    ClearProgramKeys();
    UseTestFont();
    UseTestWindow();
}

void VelmoraEndToEnd::TearDown() {
    KillVelmora(run);
    ClearProgramKeys();
}

void VelmoraEndToEnd::Start(int showCommand) { ASSERT_TRUE(StartVelmora(run, showCommand)) << "no Velmora window"; }

void VelmoraEndToEnd::Stop() { EXPECT_EQ(StopVelmora(run), 0u); }

void VelmoraEndToEnd::PinArticle(uint16_t article, uint16_t position) {
    WriteDword(L"Lesson", article);
    WriteDword(L"LastPosition", position);
    WriteDword(L"Flags", 0xD1140040 | 0x4);
}

static void SendAndWait(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result;
    SendMessageTimeoutW(window, message, wParam, lParam, SMTO_BLOCK, 10000, &result);
}

void VelmoraEndToEnd::ScrollBar(int code, int position) {
    SendAndWait(run.window, WM_VSCROLL, MAKEWPARAM(code, position), 0);
}

void VelmoraEndToEnd::Wheel(int delta) {
    SendAndWait(run.window, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)), 0);
}

void VelmoraEndToEnd::Click(int x, int y) {
    SendAndWait(run.window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendAndWait(run.window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void VelmoraEndToEnd::Drag(POINT from, POINT to) {
    SendAndWait(run.window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
    SendAndWait(run.window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
    SendAndWait(run.window, WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
}

int VelmoraEndToEnd::ViewTop() {
    RECT toolbar{};
    GetWindowRect(FindWindowExW(run.window, nullptr, L"ToolbarWindow32", nullptr), &toolbar);
    return toolbar.bottom - toolbar.top - 1 + 10;
}

int VelmoraEndToEnd::FirstRowTop() {
    HDC screen = GetDC(nullptr);
    LOGFONTW smaller{};
    lstrcpyW(smaller.lfFaceName, kSeededFontName);
    smaller.lfHeight = -MulDiv(kSeededFontSize * 6 / 8, GetDeviceCaps(screen, LOGPIXELSY), 72);
    HFONT font = CreateFontIndirectW(&smaller);
    HGDIOBJ previous = SelectObject(screen, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen, &metrics);
    // The running head keeps the room its font's marks need, as every row does.
    ClusterShaper shaper;
    PrepareShaper(screen, shaper, ScaleForDpi(1, GetDeviceCaps(screen, LOGPIXELSY)));
    const int height = std::max<int>(metrics.tmHeight, shaper.room.above + shaper.room.below);
    ReleaseShaper(shaper);
    SelectObject(screen, previous);
    DeleteObject(font);
    ReleaseDC(nullptr, screen);
    return ViewTop() + height;
}

DWORD VelmoraEndToEnd::Lesson() { return ReadDword(L"Lesson").value_or(0xFFFFFFFF); }
DWORD VelmoraEndToEnd::Position() { return ReadDword(L"LastPosition").value_or(0xFFFFFFFF); }
DWORD VelmoraEndToEnd::Flags() { return ReadDword(L"Flags").value_or(0); }
