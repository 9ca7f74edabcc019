// Reading in the real program: keys, the scroll bar, the wheel and clicks
// reach the view, whose top row the program stores as "LastPosition" at exit
// (the arithmetic of each is tested on the main window in process), the
// window shows the article in colour, and the levels of the text add their
// marks on the screen.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tests/app/e2e_fixture.h"
#include "tests/support/keyboard_input.h"
#include "tests/support/scratch_registry.h"
#include "tests/support/screen_capture.h"
#include "tests/support/velmora_process.h"
#include "tests/support/wait.h"

namespace {

constexpr uint16_t kLongArticle = 1;

}  // namespace

class ReadingEndToEnd : public VelmoraEndToEnd {
protected:
    // The position after a run of actions on the long article, from a position.
    DWORD PositionAfter(uint16_t from, const std::function<void()>& actions) {
        PinArticle(kLongArticle, from);
        Start();
        actions();
        Stop();
        return Position();
    }
};

TEST_F(ReadingEndToEnd, KeysScrollBarWheelAndClicksMoveTheView) {
    EXPECT_EQ(PositionAfter(0, [&] { for (int key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_UP}) SendKey(run, key); }), 2u);
    EXPECT_EQ(PositionAfter(4, [&] { ScrollBar(SB_THUMBPOSITION, 12); ScrollBar(SB_LINEUP); }), 11u);
    EXPECT_EQ(PositionAfter(5, [&] { Wheel(240); Wheel(-120); }), 4u);
    // A click in the lower half pages forward: further than a turn of the wheel.
    EXPECT_GT(PositionAfter(0, [&] {
                  RECT client{};
                  GetClientRect(run.window, &client);
                  Click(client.right / 2, client.bottom - 15);
              }),
              3u);
}

TEST_F(ReadingEndToEnd, TheWindowShowsTheArticleInItsColours) {
    PinArticle(kLongArticle);
    Start();
    Capture capture, previous;
    // The first paint follows the window's appearance, and the screen may
    // show it in parts: wait for text that two captures in a row agree on.
    ASSERT_TRUE(WaitUntil([&] {
        previous = std::move(capture);
        capture = CaptureClient(run.window);
        return capture.width > 0 && capture.pixels == previous.pixels &&
               capture.CountInk(RECT{0, 40, capture.width, capture.height}) > 2000;
    }));
    wchar_t folder[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, folder);
    SaveCapture(capture, std::wstring(folder) + L"\\reading-window.bmp");

    const int w = capture.width;
    const int h = capture.height;
    // White margins around the text.
    EXPECT_EQ(capture.At(3, h / 2), RGB(255, 255, 255));
    EXPECT_EQ(capture.At(w - 3, h - 3), RGB(255, 255, 255));
    // The section heading comes first, in blue, above black body text.
    const RECT top{0, 30, w, 110};
    const RECT body{0, h / 2, w, h};
    EXPECT_GT(capture.Count(top, RGB(0, 0, 255), 40), 100);
    EXPECT_EQ(capture.Count(body, RGB(0, 0, 255), 40), 0);
    EXPECT_GT(capture.Count(body, RGB(0, 0, 0), 60), 1000);
    Stop();
}

// The client area once it differs from before and two captures in a row
// agree on it.
static Capture SteadyCaptureOtherThan(HWND window, const Capture& before) {
    Capture capture, previous;
    WaitUntil([&] {
        previous = std::move(capture);
        capture = CaptureClient(window);
        return capture.width > 0 && capture.pixels != before.pixels && capture.pixels == previous.pixels;
    });
    return capture;
}

// Ctrl+1, Ctrl+2 and Ctrl+3 show the letters alone, the vowels and the
// cantillation without moving a letter: on the screen each level's ink holds
// the ink of the level below, and adds to it (a face may draw a letter with
// its dagesh or holam as a glyph of its own shape: those few pixels of the
// letters may change). The level chosen is
// stored. The captures are the README's pictures of the levels.
TEST_F(ReadingEndToEnd, TheLevelsAddMarksWithoutMovingTheLetters) {
    constexpr uint16_t kMiketz = 10, kFirstVerseRow = 4;  // below the heading, the title and their gaps
    for (const wchar_t* face : {L"Ezra SIL", L"Taamey Frank CLM"}) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(face)));
        PinArticle(kMiketz, kFirstVerseRow);
        WriteString(L"FontName", face);
        WriteDword(L"FontSize", 24);
        WriteDword(L"Width", 860);
        WriteDword(L"Height", 400);
        Start();
        ASSERT_TRUE(BringToFront(run.window));
        std::vector<Capture> levels;
        const Capture vowels = SteadyCaptureOtherThan(run.window, Capture{});
        for (const wchar_t key : {L'1', L'2', L'3'}) {
            PressWithControl(key);
            levels.push_back(SteadyCaptureOtherThan(run.window, levels.empty() ? vowels : levels.back()));
            SaveCaptureHere(levels.back(), (std::wstring(L"levels-") + face + L"-" + key + L".bmp").c_str());
        }
        Stop();
        EXPECT_EQ(ReadDword(L"TextLevel"), std::optional<DWORD>(2));
        for (size_t level = 1; level < levels.size(); ++level) {
            ASSERT_EQ(levels[level].pixels.size(), levels[level - 1].pixels.size());
            int below = 0, kept = 0, added = 0;
            for (size_t i = 0; i < levels[level].pixels.size(); ++i) {
                const bool was = ((levels[level - 1].pixels[i] >> 8) & 0xFF) < 128;
                const bool is = ((levels[level].pixels[i] >> 8) & 0xFF) < 128;
                below += was;
                kept += was && is;
                added += is && !was;
            }
            EXPECT_GT(added, 100) << "level " << level;
            EXPECT_GE(kept * 100, below * (level == 1 ? 95 : 100)) << "level " << level;
        }
    }
}
