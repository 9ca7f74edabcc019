// The real program on a screen of the test prefix's scale (96 dots per inch
// in the suite's own prefix; ctest runs these once more in prefixes of 144
// and 192): the toolbar's buttons, the keyboard picture and the Choose
// Section icons, measured on the screen, grow in proportion; the picture
// types the letter under a click; nothing lies outside a dialog; and a
// button's tooltip names its command and key.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "tests/app/e2e_fixture.h"
#include "tests/support/keyboard_input.h"
#include "tests/support/modal_dialog.h"
#include "tests/support/screen_capture.h"
#include "tests/support/wait.h"
#include "view/dpi_scale.h"

namespace {

constexpr int kSearchCommand = 116;
constexpr int kEditId = 1013;
// At 96 dots: a toolbar button is its 16-pixel picture with 7 pixels of room
// across and 6 down; the keyboard picture's ink 154 x 92 (its last three rows
// are blank); a Choose Section icon 9 x 9.
constexpr SIZE kButtonAt96{23, 22};
constexpr SIZE kKeyboardAt96{154, 92};
constexpr int kIconAt96 = 9;

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

// A size measured at dpi is the one at 96 in proportion, within two pixels.
void ExpectInProportion(const char* what, int measured, int at96, int dpi) {
    std::printf("%s at %d dots: %d pixels\n", what, dpi, measured);
    EXPECT_NEAR(measured, at96 * dpi / 96.0, 2) << what;
}

// The smallest rectangle holding the pixels of an area that pass.
RECT BoundsOf(const RECT& area, const std::function<bool(int, int)>& passes) {
    RECT bounds{area.right, area.bottom, area.left - 1, area.top - 1};
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (!passes(x, y)) continue;
            bounds = RECT{std::min<LONG>(bounds.left, x), std::min<LONG>(bounds.top, y),
                          std::max<LONG>(bounds.right, x + 1), std::max<LONG>(bounds.bottom, y + 1)};
        }
    }
    return bounds;
}

// Measures until two measurements in a row agree on a rectangle, so that a
// paint in progress is not taken; an empty rectangle on timeout.
RECT SteadyBounds(const std::function<RECT()>& measure) {
    RECT last{}, now{};
    const bool steady = WaitUntil([&] {
        last = now;
        now = measure();
        return now.right > now.left && EqualRect(&last, &now);
    });
    return steady ? now : RECT{};
}

// Runs of columns with ink, left to right.
std::vector<std::pair<int, int>> InkColumns(const Capture& capture, const RECT& area) {
    std::vector<std::pair<int, int>> runs;
    for (int x = area.left; x < area.right; ++x) {
        if (capture.CountInk(RECT{x, area.top, x + 1, area.bottom}) == 0) continue;
        if (!runs.empty() && runs.back().second == x) runs.back().second = x + 1;
        else runs.push_back({x, x + 1});
    }
    return runs;
}

std::wstring TextOf(HWND window) {
    wchar_t text[128] = {};
    DWORD_PTR result;
    SendMessageTimeoutW(window, WM_GETTEXT, 128, reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 5000, &result);
    return text;
}

// A shown tooltip of a process, or none.
HWND ShownTooltip(DWORD processId) {
    for (HWND tip = FindWindowExW(nullptr, nullptr, L"tooltips_class32", nullptr); tip != nullptr;
         tip = FindWindowExW(nullptr, tip, L"tooltips_class32", nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(tip, &owner);
        if (owner == processId && IsWindowVisible(tip)) return tip;
    }
    return nullptr;
}

RECT ClientRectOnScreen(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void SaveInFolder(const Capture& capture, const std::wstring& name) {
    wchar_t folder[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, folder);
    SaveCapture(capture, std::wstring(folder) + L"\\" + name);
}

}  // namespace

class ScaledScreen : public VelmoraEndToEnd {
protected:
    void SetUp() override {
        VelmoraEndToEnd::SetUp();
        dpi = ScreenDpi();
        // The test window at the screen's scale, so that the dialogs fit over it.
        WriteDword(L"Width", ScaleForDpi(640, dpi));
        WriteDword(L"Height", ScaleForDpi(480, dpi));
        PinArticle(1);
        SetCursorPos(0, GetSystemMetrics(SM_CYSCREEN) - 1);
        Start();
    }

    // A modal dialog of the program, opened by a command.
    HWND Open(int command, const wchar_t* caption) {
        PostMessageW(run.window, WM_COMMAND, command, 0);
        HWND dialog = nullptr;
        WaitUntil([&] {
            dialog = FindProcessDialog(run.process.dwProcessId, caption);
            return dialog != nullptr && IsWindowVisible(dialog);
        });
        return dialog;
    }

    void Close(HWND dialog) {
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    }

    int dpi = 96;
};

// Hovering a button lights it: its frame, the change on the screen, is the
// button's size. Its tooltip names the command and its key.
TEST_F(ScaledScreen, ToolbarButtonsGrowAndNameTheirCommands) {
    HWND toolbar = FindWindowExW(run.window, nullptr, L"ToolbarWindow32", nullptr);
    ASSERT_NE(toolbar, nullptr);
    // The third picture from the left, the Next arrow, is one run of columns.
    Capture plain;
    RECT band{};
    std::vector<std::pair<int, int>> pictures;
    ASSERT_TRUE(WaitUntil([&] {
        plain = CaptureClient(toolbar);
        band = RECT{0, 0, plain.width, plain.height};
        pictures = InkColumns(plain, band);
        return pictures.size() >= 7;
    })) << "seven pictures";
    POINT next{(pictures[2].first + pictures[2].second) / 2, plain.height / 2};
    ClientToScreen(toolbar, &next);
    // Tooltips show over the active window.
    ASSERT_TRUE(BringToFront(run.window));
    SetCursorPos(next.x, next.y);
    Capture lit;
    ASSERT_TRUE(WaitUntil([&] {
        lit = CaptureClient(toolbar);
        return lit.pixels != plain.pixels;
    }));
    const RECT button = BoundsOf(band, [&](int x, int y) { return lit.At(x, y) != plain.At(x, y); });
    ExpectInProportion("toolbar button width", button.right - button.left, kButtonAt96.cx, dpi);
    ExpectInProportion("toolbar button height", button.bottom - button.top, kButtonAt96.cy, dpi);

    HWND tip = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (tip = ShownTooltip(run.process.dwProcessId)) != nullptr; }));
    EXPECT_EQ(TextOf(tip), L"Next Article (Right)");
    // Its text drawn in black below the button.
    RECT tipPlace{};
    GetWindowRect(tip, &tipPlace);
    EXPECT_GE(tipPlace.top, next.y);
    EXPECT_TRUE(WaitUntil([&] {
        const Capture shown = CaptureWindow(tip);
        return shown.Count(RECT{0, 0, shown.width, shown.height}, RGB(0, 0, 0)) > 50;
    }));
    if (dpi == 96) SaveInFolder(CaptureWindow(run.window), L"toolbar-tooltip.bmp");
    SetCursorPos(0, GetSystemMetrics(SM_CYSCREEN) - 1);
}

// The keyboard picture is as large as the screen's scale asks, and a click
// on a letter where it is drawn types it: alef at the top right, tav at the
// bottom left, and a space from the middle of the space bar.
TEST_F(ScaledScreen, KeyboardPictureGrowsAndTypesTheLetterUnderTheClick) {
    HWND dialog = Open(kSearchCommand, L"Velmora");
    ASSERT_NE(dialog, nullptr);
    HWND edit = GetDlgItem(dialog, kEditId);
    SetWindowTextW(edit, L"");
    RECT below{};
    GetWindowRect(edit, &below);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&below), 2);
    Capture capture;
    const RECT picture = SteadyBounds([&] {
        capture = CaptureClient(dialog);
        const RECT area{0, below.bottom + 1, capture.width, capture.height};
        return BoundsOf(area, [&](int x, int y) { return capture.At(x, y) == RGB(0, 0, 0); });
    });
    const int width = picture.right - picture.left, height = picture.bottom - picture.top;
    ExpectInProportion("keyboard picture width", width, kKeyboardAt96.cx, dpi);
    ExpectInProportion("keyboard picture height", height, kKeyboardAt96.cy, dpi);
    SaveInFolder(CaptureWindow(run.window), L"reader-search-" + std::to_wstring(dpi) + L".bmp");

    // The middle of a letter's ink inside a cell, away from the grid lines.
    const auto letterAt = [&](int column, int row) {
        const int margin = ScaleForDpi(3, dpi);
        const RECT cell{picture.left + width * column / 9 + margin, picture.top + height * 25 * row / 95 + margin,
                        picture.left + width * (column + 1) / 9 - margin,
                        picture.top + height * 25 * (row + 1) / 95 - margin};
        const RECT ink = BoundsOf(cell, [&](int x, int y) { return capture.At(x, y) == RGB(0, 0, 0); });
        return MAKELPARAM((ink.left + ink.right) / 2, (ink.top + ink.bottom) / 2);
    };
    PostMessageW(dialog, WM_LBUTTONDOWN, MK_LBUTTON, letterAt(8, 0));
    PostMessageW(dialog, WM_LBUTTONDOWN, MK_LBUTTON, letterAt(0, 2));
    PostMessageW(dialog, WM_LBUTTONDOWN, MK_LBUTTON,
                 MAKELPARAM(picture.left + width / 2, picture.top + height * 85 / 95));
    EXPECT_TRUE(WaitUntil([&] { return TextOf(edit) == L"\u05D0\u05EA "; })) << "typed: " << TextOf(edit).size();
    Close(dialog);
}

// The plus box of the first heading: the rightmost ink of the list's first row.
TEST_F(ScaledScreen, ChooseSectionIconsGrowWithTheScreen) {
    HWND dialog = Open(107, L"Choose Section");
    ASSERT_NE(dialog, nullptr);
    const RECT icon = SteadyBounds([&] {
        const Capture capture = CaptureClient(dialog);
        int top = 0;
        while (top < capture.height && capture.CountInk(RECT{0, top, capture.width, top + 1}) == 0) ++top;
        int bottom = top;
        while (bottom < capture.height && capture.CountInk(RECT{0, bottom, capture.width, bottom + 1}) > 0) ++bottom;
        const std::vector<std::pair<int, int>> runs = InkColumns(capture, RECT{0, top, capture.width, bottom});
        if (runs.empty()) return RECT{};
        const RECT columns{runs.back().first, top, runs.back().second, bottom};
        return BoundsOf(columns, [&](int x, int y) { return capture.At(x, y) != RGB(255, 255, 255); });
    });
    ExpectInProportion("Choose Section icon width", icon.right - icon.left, kIconAt96, dpi);
    ExpectInProportion("Choose Section icon height", icon.bottom - icon.top, kIconAt96, dpi);
    Close(dialog);
}

// Every control of every dialog lies inside its dialog, and every dialog on
// the screen.
TEST_F(ScaledScreen, NothingLiesOutsideTheDialogs) {
    const struct { int command; const wchar_t* caption; } dialogs[] = {
        {40004, L"Velmora"}, {kSearchCommand, L"Velmora"}, {40006, L"Choose Font"}, {107, L"Choose Section"},
    };
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    for (const auto& d : dialogs) {
        SCOPED_TRACE(d.command);
        HWND dialog = Open(d.command, d.caption);
        ASSERT_NE(dialog, nullptr);
        RECT frame{}, inside{};
        GetWindowRect(dialog, &frame);
        EXPECT_TRUE(IntersectRect(&inside, &frame, &screen) && EqualRect(&inside, &frame));
        const RECT client = ClientRectOnScreen(dialog);
        for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
            RECT place{};
            GetWindowRect(child, &place);
            SCOPED_TRACE(GetDlgCtrlID(child));
            EXPECT_TRUE(IntersectRect(&inside, &place, &client) && EqualRect(&inside, &place));
        }
        Close(dialog);
    }
}
