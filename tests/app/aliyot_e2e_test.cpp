// The aliyot and practice mode in the real program, from the keyboard: Alt+3
// and Alt+M name the aliyah in the title, Alt+Page Down after the last maftir
// opens the next portion; in practice mode five Spaces add the marks of five
// words on the screen and nothing else, and no letter moves. The captures are
// the README's pictures.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/app/e2e_fixture.h"
#include "tests/support/keyboard_input.h"
#include "tests/support/scratch_registry.h"
#include "tests/support/screen_capture.h"
#include "tests/support/wait.h"

namespace {

constexpr uint16_t kMiketz = 10, kFirstVerseRow = 4;

void PressWithAlt(WORD key) {
    INPUT inputs[4] = {};
    const WORD keys[4] = {VK_MENU, key, key, VK_MENU};
    for (int i = 0; i < 4; ++i) {
        inputs[i].type = INPUT_KEYBOARD;
        inputs[i].ki.wVk = keys[i];
        inputs[i].ki.dwFlags = i >= 2 ? KEYEVENTF_KEYUP : 0;
    }
    SendInput(4, inputs, sizeof(INPUT));
}

std::wstring Title(HWND window) {
    wchar_t text[200] = {};
    GetWindowTextW(window, text, 200);
    return text;
}

Capture SteadyCaptureOtherThan(HWND window, const Capture& before) {
    Capture capture, previous;
    WaitUntil([&] {
        previous = std::move(capture);
        capture = CaptureClient(window);
        return capture.width > 0 && capture.pixels != before.pixels && capture.pixels == previous.pixels;
    });
    return capture;
}

bool Dark(uint32_t pixel) { return ((pixel >> 8) & 0xFF) < 128; }
// The underline is drawn in the selection's colour, blue.
bool Underline(uint32_t pixel) { return (pixel & 0xFF) > ((pixel >> 16) & 0xFF) + 60; }
bool Ink(uint32_t pixel) { return Dark(pixel) && !Underline(pixel); }

// The columns and rows of the underline: left, top, right, bottom.
RECT UnderlineBox(const Capture& capture) {
    RECT box{capture.width, capture.height, -1, -1};
    for (int y = 0; y < capture.height; ++y)
        for (int x = 0; x < capture.width; ++x)
            if (Underline(capture.pixels[y * capture.width + x])) {
                box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x),
                       std::max<LONG>(box.bottom, y)};
            }
    return box;
}

}  // namespace

class AliyotEndToEnd : public VelmoraEndToEnd {};

TEST_F(AliyotEndToEnd, AltKeysGoFromAliyahToAliyah) {
    PinArticle(kMiketz);
    Start();
    ASSERT_TRUE(BringToFront(run.window));
    const Capture top = SteadyCaptureOtherThan(run.window, Capture{});
    PressWithAlt('3');
    EXPECT_TRUE(WaitUntil([&] { return Title(run.window) == L"Shlishi, Miketz \u2014 Velmora"; }));
    SteadyCaptureOtherThan(run.window, top);
    SaveCaptureHere(CaptureWindow(run.window), L"aliyot-margin.bmp");
    // The Go menu with Go to Aliyah open, as the screen shows them.
    PressWithAlt('G');
    PressKey('A');
    Capture screen, previous;
    WaitUntil([&] {
        previous = std::move(screen);
        screen = CaptureWindow(GetDesktopWindow());
        return FindWindowW(L"#32768", nullptr) != nullptr && screen.pixels == previous.pixels;
    });
    SaveCaptureHere(screen, L"aliyot-go-menu.bmp");
    PressKey(VK_ESCAPE);
    PressKey(VK_ESCAPE);
    PressKey(VK_ESCAPE);
    PressWithAlt('M');
    EXPECT_TRUE(WaitUntil([&] { return Title(run.window) == L"Maftir, Miketz \u2014 Velmora"; }));
    PressWithAlt(VK_NEXT);
    EXPECT_TRUE(WaitUntil([&] { return Title(run.window) == L"Rishon, Vayigash \u2014 Velmora"; }));
    Stop();
    EXPECT_EQ(Lesson(), 11u);
}

// Practice at the letters alone from Gen 41:1, the text otherwise shown with
// every mark: after five Spaces the screen holds every letter where it was,
// new ink only where the full text has marks, all of it right of the
// underline (now under the sixth word) and in five words, the word gaps
// being where the letters leave a column empty the width of a space.
TEST_F(AliyotEndToEnd, FiveSpacesRevealFiveWords) {
    PinArticle(kMiketz, kFirstVerseRow);
    WriteDword(L"TextLevel", 2);
    WriteDword(L"FontSize", 24);
    WriteDword(L"Width", 860);
    WriteDword(L"Height", 400);
    Start();
    ASSERT_TRUE(BringToFront(run.window));
    const Capture full = SteadyCaptureOtherThan(run.window, Capture{});
    PressKey(VK_F8);
    const Capture start = SteadyCaptureOtherThan(run.window, full);
    for (int i = 0; i < 5; ++i) SendKey(run, VK_SPACE);
    const Capture revealed = SteadyCaptureOtherThan(run.window, start);
    SaveCaptureHere(revealed, L"practice-five-words.bmp");
    Stop();
    ASSERT_EQ(revealed.pixels.size(), start.pixels.size());
    ASSERT_EQ(full.pixels.size(), start.pixels.size());

    const RECT first = UnderlineBox(start), sixth = UnderlineBox(revealed);
    ASSERT_GE(first.right, 0);
    ASSERT_EQ(first.bottom, sixth.bottom) << "the sixth word is on the first row";
    int letters = 0, kept = 0, added = 0, addedMarks = 0, outside = 0;
    std::vector<bool> column(start.width);
    for (int y = 0; y < start.height; ++y) {
        for (int x = 0; x < start.width; ++x) {
            const size_t i = static_cast<size_t>(y) * start.width + x;
            letters += Ink(start.pixels[i]);
            kept += Ink(start.pixels[i]) && Ink(revealed.pixels[i]);
            if (!Ink(revealed.pixels[i]) || Ink(start.pixels[i]) || Underline(start.pixels[i])) continue;
            ++added;
            addedMarks += Ink(full.pixels[i]);
            const bool inWords = x > sixth.right && x <= first.right + 2 && y <= first.bottom;
            outside += !inWords;
            if (inWords) column[x] = true;
        }
    }
    EXPECT_GT(added, 100);
    EXPECT_GE(kept * 100, letters * 98);
    EXPECT_GE(addedMarks * 100, added * 98);
    EXPECT_EQ(outside, 0);
    // Words on the first row: runs of columns with letters, split by gaps
    // of at least 5 empty columns; each of the five before the sixth word
    // has new ink.
    const int rowTop = std::max<int>(first.top - 45, 0);
    std::vector<std::pair<int, int>> words;
    int gap = 1000;
    for (int x = first.right; x > sixth.right; --x) {
        bool ink = false;
        for (int y = rowTop; y <= first.bottom; ++y) ink = ink || Ink(start.pixels[y * start.width + x]);
        if (!ink) { ++gap; continue; }
        if (gap >= 5) words.push_back({x, x});
        words.back().first = x;
        gap = 0;
    }
    ASSERT_EQ(words.size(), 5u);
    for (const auto& [left, right] : words)
        EXPECT_TRUE(std::any_of(column.begin() + left, column.begin() + right + 1, [](bool b) { return b; }));
}
