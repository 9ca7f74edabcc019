// Reading in the real program: keys, the scroll bar, the wheel and clicks
// move the top row, which the program stores as "LastPosition" at exit; the
// Reverse command flips its option; the window shows the article in colour.
#include <gtest/gtest.h>

#include "tests/app/e2e_fixture.h"
#include "tests/support/screen_capture.h"
#include "tests/support/wait.h"

namespace {

constexpr uint16_t kLongArticle = 1;
constexpr DWORD kDefaultFlags = 0xD1140040;
constexpr DWORD kKeyPageStepMask = 0x00700000;
constexpr DWORD kClickPagingBit = 0x80000000;
constexpr DWORD kClickVerticalBit = 0x10000000;

DWORD WithKeyPageStep(DWORD flags, DWORD step) { return (flags & ~kKeyPageStepMask) | (step << 20); }

}  // namespace

class ReadingEndToEnd : public VelmoraEndToEnd {
protected:
    // The position after a run of actions on the long article, from a position.
    template <typename Actions>
    DWORD PositionAfter(Actions actions, uint16_t from = 0, DWORD flags = kDefaultFlags) {
        PinArticle(kLongArticle, from, flags);
        Start();
        actions();
        Stop();
        return Position();
    }

    // One page step of the keyboard with KeyPageStep 1 at a position: the rows
    // that the paint there showed, less one. Rows differ in height, so a page
    // holds a different number of rows at the heading and in the body.
    DWORD PageStep(uint16_t at = 0) {
        return PositionAfter([&] { SendKey(run, VK_NEXT); }, at) - at;
    }

    RECT Client() {
        RECT client{};
        GetClientRect(run.window, &client);
        return client;
    }
};

TEST_F(ReadingEndToEnd, ArrowKeysMoveOneRow) {
    EXPECT_EQ(PositionAfter([&] {
                  for (int key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_UP}) SendKey(run, key);
              }),
              2u);
    EXPECT_EQ(PositionAfter([&] { SendKey(run, VK_UP); }), 0u);
}

TEST_F(ReadingEndToEnd, PageKeysStepByAPageOrHalfAPage) {
    const DWORD page = PageStep();
    ASSERT_GT(page, 5u);
    const DWORD half = PositionAfter([&] { SendKey(run, VK_NEXT); }, 0, WithKeyPageStep(kDefaultFlags, 2));
    EXPECT_EQ(half, (page + 1) / 2);
    const DWORD halfAgain = PositionAfter([&] { SendKey(run, VK_NEXT); }, 0, WithKeyPageStep(kDefaultFlags, 4));
    EXPECT_EQ(halfAgain, half);
    EXPECT_EQ(PositionAfter([&] { SendKey(run, VK_PRIOR); }, 50), 50 - PageStep(50));
    EXPECT_EQ(PositionAfter([&] { SendKey(run, VK_PRIOR); }, 3), 0u);
}

TEST_F(ReadingEndToEnd, EndGoesToTheLastPageAndHomeBackToTheTop) {
    const DWORD page = PageStep();
    const DWORD last = PositionAfter([&] { SendKey(run, VK_END); });
    EXPECT_GT(last, page);
    EXPECT_EQ(PositionAfter([&] {
                  SendKey(run, VK_END);
                  SendKey(run, VK_END);
              }),
              last);
    EXPECT_EQ(PositionAfter([&] { SendKey(run, VK_HOME); }, 40), 0u);
    EXPECT_EQ(PositionAfter([&] { SendKey(run, VK_HOME); }, 0), 0u);
}

TEST_F(ReadingEndToEnd, EnterWithoutASearchTextDoesNothing) {
    EXPECT_EQ(PositionAfter([&] { SendKey(run, VK_RETURN); }, 6), 6u);
    EXPECT_EQ(Lesson(), kLongArticle);
}

TEST_F(ReadingEndToEnd, ScrollBarCodes) {
    const DWORD page = PageStep(40);
    const struct { int code; int position; uint16_t from; DWORD expected; } cases[] = {
        {SB_LINEUP, 0, 4, 3},          {SB_LINEDOWN, 0, 4, 5},      {SB_PAGEUP, 0, 40, 40 - page},
        {SB_PAGEDOWN, 0, 40, 40 + page}, {SB_THUMBPOSITION, 12, 4, 12}, {SB_THUMBTRACK, 2, 4, 2},
        {SB_TOP, 0, 9, 0},             {SB_BOTTOM, 0, 4, 5},        {SB_ENDSCROLL, 0, 4, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(PositionAfter([&] { ScrollBar(c.code, c.position); }, c.from), c.expected);
    }
}

TEST_F(ReadingEndToEnd, TheScrollBarPageIgnoresTheKeyboardsPageStep) {
    const DWORD page = PageStep();
    EXPECT_EQ(PositionAfter([&] { ScrollBar(SB_PAGEDOWN); }, 0, WithKeyPageStep(kDefaultFlags, 2)), page);
}

TEST_F(ReadingEndToEnd, WheelScrollsWholeNotches) {
    EXPECT_EQ(PositionAfter([&] { Wheel(240); }, 5), 3u);
    EXPECT_EQ(PositionAfter([&] { Wheel(60); }, 5), 5u);
    EXPECT_EQ(PositionAfter([&] { Wheel(-120); }, 5), 6u);
}

TEST_F(ReadingEndToEnd, ClicksPageBackInTheUpperHalfAndForwardInTheLower) {
    const DWORD page = PageStep();
    EXPECT_EQ(PositionAfter([&] {
                  const RECT client = Client();
                  Click(client.right / 2, client.bottom - 15);
              }),
              page);
    EXPECT_EQ(PositionAfter([&] { Click(Client().right / 2, 60); }, 30), 30 - PageStep(30));
    // Three pixels from the window's edge: outside the box, inside its gutter.
    EXPECT_EQ(PositionAfter([&] { Click(3, Client().bottom - 15); }), page);
}

TEST_F(ReadingEndToEnd, ClickHalvesFollowFlags) {
    const DWORD page = PageStep(30);
    const DWORD sideways = kDefaultFlags & ~kClickVerticalBit;
    EXPECT_EQ(PositionAfter([&] { Click(30, Client().bottom - 15); }, 30, sideways), 30 - page);
    EXPECT_EQ(PositionAfter([&] { Click(Client().right - 40, 60); }, 30, sideways), 30 + page);
    const DWORD noPaging = kDefaultFlags & ~kClickPagingBit;
    EXPECT_EQ(PositionAfter([&] { Click(Client().right / 2, Client().bottom - 15); }, 30, noPaging), 30u);
}

TEST_F(ReadingEndToEnd, ReverseFlipsItsOptionAndTwiceRestoresIt) {
    PinArticle(kLongArticle);
    Start();
    SendCommand(run, 122);
    Stop();
    EXPECT_TRUE(Flags() & 0x800);

    Start();
    SendCommand(run, 122);
    Stop();
    EXPECT_FALSE(Flags() & 0x800);
    EXPECT_TRUE(Flags() & 0x4);
}

TEST_F(ReadingEndToEnd, TheWindowShowsTheArticleInItsColours) {
    PinArticle(kLongArticle);
    Start();
    Capture capture;
    // The first paint follows the window's appearance; wait for text.
    ASSERT_TRUE(WaitUntil([&] {
        capture = CaptureClient(run.window);
        return capture.width > 0 && capture.CountInk(RECT{0, 40, capture.width, capture.height}) > 2000;
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
