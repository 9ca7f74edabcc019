// The real program on a screen of the prefix's scale (96 dots per inch in the
// suite's prefix; ctest runs these again in prefixes of 144 and 192): the
// toolbar's buttons, the keyboard picture and the Choose Article icons,
// measured on the screen, grow in proportion; the picture types the letter
// under a click; no control lies outside its dialog; a hovered button's
// tooltip names its command and key.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

#include "tests/app/e2e_fixture.h"
#include "tests/support/keyboard_input.h"
#include "tests/support/modal_dialog.h"
#include "tests/support/screen_capture.h"
#include "tests/support/wait.h"
#include "view/dpi_scale.h"

namespace {

// At 96 dots: a toolbar button (its 16-pixel picture and the room around it),
// the keyboard picture's ink (its last three rows are blank), an icon.
constexpr SIZE kButtonAt96{23, 22}, kKeyboardAt96{154, 92}, kIconAt96{9, 9};

void ExpectInProportion(const char* what, const RECT& measured, SIZE at96, int dpi) {
    const int width = measured.right - measured.left, height = measured.bottom - measured.top;
    std::printf("%s at %d dots: %d x %d pixels\n", what, dpi, width, height);
    EXPECT_NEAR(width, at96.cx * dpi / 96.0, 2) << what;
    EXPECT_NEAR(height, at96.cy * dpi / 96.0, 2) << what;
}

// The bounds of the points of an area that pass.
RECT Bounds(const RECT& area, const std::function<bool(int x, int y)>& passes) {
    RECT bounds{};
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            const RECT point{x, y, x + 1, y + 1};
            if (passes(x, y)) UnionRect(&bounds, &bounds, &point);
        }
    }
    return bounds;
}

// A rectangle measured on captures of a window's client area until two in a
// row agree, so that a paint in progress is not taken.
RECT Steady(HWND window, const std::function<RECT(const Capture&)>& measure) {
    RECT last{}, now{};
    WaitUntil([&] {
        last = now;
        now = measure(CaptureClient(window));
        return !IsRectEmpty(&now) && EqualRect(&last, &now);
    });
    return now;
}

RECT Ink(const Capture& capture, const RECT& area) {
    return Bounds(area, [&](int x, int y) { return capture.At(x, y) != RGB(255, 255, 255); });
}

std::wstring TextOf(HWND window) {
    wchar_t text[128] = {};
    SendMessageTimeoutW(window, WM_GETTEXT, 128, reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 5000, nullptr);
    return text;
}

}  // namespace

class ScaledScreen : public VelmoraEndToEnd {
protected:
    void SetUp() override {
        VelmoraEndToEnd::SetUp();
        HDC screen = GetDC(nullptr);
        dpi = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        // The test window at the screen's scale, so that the dialogs fit over it.
        WriteDword(L"Width", ScaleForDpi(640, dpi));
        WriteDword(L"Height", ScaleForDpi(480, dpi));
        PinArticle(1);
        SetCursorPos(0, GetSystemMetrics(SM_CYSCREEN) - 1);
        Start();
    }

    HWND Open(int command, const wchar_t* caption) {
        PostMessageW(run.window, WM_COMMAND, command, 0);
        HWND dialog = nullptr;
        WaitUntil([&] { return IsWindowVisible(dialog = FindProcessDialog(run.process.dwProcessId, caption)); });
        return dialog;
    }

    void Close(HWND dialog) {
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    }

    void SaveInFolder(const std::wstring& name) {
        wchar_t folder[MAX_PATH];
        GetCurrentDirectoryW(MAX_PATH, folder);
        SaveCapture(CaptureWindow(run.window), std::wstring(folder) + L"\\" + name);
    }

    int dpi = 96;
};

// Hovering the first button lights it: what changes on the screen is the
// button. Its tooltip, over the active window, names the command and its key.
TEST_F(ScaledScreen, ToolbarButtonsGrowAndNameTheirCommands) {
    HWND toolbar = FindWindowExW(run.window, nullptr, L"ToolbarWindow32", nullptr);
    const RECT pictures = Steady(toolbar, [](const Capture& c) { return Ink(c, {0, 0, c.width, c.height}); });
    const Capture plain = CaptureClient(toolbar);
    POINT hover{pictures.left + ScaleForDpi(4, dpi), (pictures.top + pictures.bottom) / 2};
    ClientToScreen(toolbar, &hover);
    ASSERT_TRUE(BringToFront(run.window));
    SetCursorPos(hover.x, hover.y);
    const RECT button = Steady(toolbar, [&](const Capture& lit) {
        return Bounds({0, 0, lit.width, lit.height}, [&](int x, int y) { return lit.At(x, y) != plain.At(x, y); });
    });
    ExpectInProportion("toolbar button", button, kButtonAt96, dpi);
    HWND tip = nullptr;
    EXPECT_TRUE(WaitUntil([&] {
        tip = FindWindowExW(nullptr, tip, L"tooltips_class32", nullptr);
        return IsWindowVisible(tip) && TextOf(tip) == L"Previous Article (Left)" &&
               CaptureWindow(tip).Count({0, 0, 400, 100}, RGB(0, 0, 0)) > 50;
    })) << "no tooltip with its text drawn";
    if (dpi == 96) SaveInFolder(L"toolbar-tooltip.bmp");
    SetCursorPos(0, GetSystemMetrics(SM_CYSCREEN) - 1);
}

// Clicks in the middles of the top-right and bottom-left cells and of the
// space bar, where the picture shows them, type alef, tav and a space.
TEST_F(ScaledScreen, KeyboardPictureGrowsAndTypesTheLetterUnderTheClick) {
    HWND dialog = Open(116, L"Velmora");
    ASSERT_NE(dialog, nullptr);
    HWND edit = GetDlgItem(dialog, 1013);
    SetWindowTextW(edit, L"");
    RECT below{};
    GetWindowRect(edit, &below);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&below), 2);
    const RECT picture = Steady(dialog, [&](const Capture& c) {
        const auto black = [&](int x, int y) { return c.At(x, y) == RGB(0, 0, 0); };
        return Bounds({0, below.bottom + 1, c.width, c.height}, black);
    });
    ExpectInProportion("keyboard picture", picture, kKeyboardAt96, dpi);
    SaveInFolder(L"reader-search-" + std::to_wstring(dpi) + L".bmp");
    const auto at = [&](int x96, int y96) {
        return MAKELPARAM(picture.left + x96 * (picture.right - picture.left) / 154,
                          picture.top + y96 * (picture.bottom - picture.top) / 92);
    };
    for (const LPARAM point : {at(145, 12), at(8, 62), at(77, 85)}) PostMessageW(dialog, WM_LBUTTONDOWN, 0, point);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(edit) == L"\u05D0\u05EA "; }));
    Close(dialog);
}

// The plus box of the first heading: the last run of inked columns in the
// list's first row.
TEST_F(ScaledScreen, ChooseArticleIconsGrowWithTheScreen) {
    HWND dialog = Open(107, L"Choose Article");
    ASSERT_NE(dialog, nullptr);
    // The icon at the right end of the first line drawn, passing over the
    // focused entry, whose dotted frame would join its icon to its text.
    const RECT icon = Steady(dialog, [](const Capture& c) {
        const auto inked = [&](const RECT& area) { return c.CountInk(area) > 0; };
        const auto dotted = [&](int y) {
            int run = 0;
            for (int x = 1; x < c.width && run < 16; ++x) {
                run = inked({x, y, x + 1, y + 1}) != inked({x - 1, y, x, y + 1}) ? run + 1 : 0;
            }
            return run >= 16;
        };
        for (int top = 0; top < c.height;) {
            while (top < c.height && !inked({0, top, c.width, top + 1})) ++top;
            int bottom = top;
            bool framed = false;
            while (bottom < c.height && inked({0, bottom, c.width, bottom + 1})) framed |= dotted(bottom++);
            if (bottom == top) break;
            if (framed) {
                top = bottom;
                continue;
            }
            int right = c.width;
            while (right > 0 && !inked({right - 1, top, right, bottom})) --right;
            int left = right;
            while (left > 0 && inked({left - 1, top, left, bottom})) --left;
            return Ink(c, {left, top, right, bottom});
        }
        return RECT{};
    });
    ExpectInProportion("Choose Article icon", icon, kIconAt96, dpi);
    Close(dialog);
}

TEST_F(ScaledScreen, NoControlLiesOutsideItsDialog) {
    const struct { int command; const wchar_t* caption; } dialogs[] = {
        {40004, L"Velmora"}, {116, L"Velmora"}, {40006, L"Choose Font"}, {107, L"Choose Article"},
        {40500, L"Calendar"},
    };
    for (const auto& d : dialogs) {
        SCOPED_TRACE(d.command);
        HWND dialog = Open(d.command, d.caption);
        ASSERT_NE(dialog, nullptr);
        RECT client{}, place{}, both{};
        GetClientRect(dialog, &client);
        MapWindowPoints(dialog, nullptr, reinterpret_cast<POINT*>(&client), 2);
        for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
            GetWindowRect(child, &place);
            IntersectRect(&both, &place, &client);
            EXPECT_TRUE(EqualRect(&both, &place)) << "control " << GetDlgCtrlID(child);
        }
        Close(dialog);
    }
}
