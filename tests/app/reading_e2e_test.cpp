// Reading in the real program: keys, the scroll bar, the wheel and clicks
// reach the view, whose top row the program stores as "LastPosition" at exit
// (the arithmetic of each is tested on the main window in process), and the
// window shows the article in colour.
#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "tests/app/e2e_fixture.h"
#include "tests/support/screen_capture.h"
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
