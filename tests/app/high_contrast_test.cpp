// High contrast on the pixels: while the system asks for it, the Reading
// view, its search hit and the Choose Article list draw in the system's
// colours (here a black scheme), and the fixed white comes back when the
// setting goes. Wine keeps no high-contrast setting, so the program's own
// question (SystemParametersInfoW) is answered by the test.
#include <gtest/gtest.h>

#include "dialogs/choose_section.h"
#include "tests/app/main_window_fixture.h"
#include "tests/support/import_swap.h"
#include "tests/support/modal_dialog.h"
#include "tests/support/screen_capture.h"
#include "tests/support/wait.h"
#include "view/reading_view.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0), kWhite = RGB(255, 255, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0), kCyan = RGB(0, 255, 255);
// The scheme: black window, white text, yellow hot light, cyan highlight.
constexpr int kElements[] = {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_HOTLIGHT, COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT};
constexpr COLORREF kScheme[] = {kBlack, kWhite, kYellow, kCyan, kBlack};

using SystemParametersFn = BOOL(WINAPI*)(UINT, UINT, void*, UINT);
SystemParametersFn realSystemParameters = nullptr;
bool highContrast = false;

BOOL WINAPI AnsweredSystemParameters(UINT action, UINT size, void* data, UINT flags) {
    if (action != SPI_GETHIGHCONTRAST) return realSystemParameters(action, size, data, flags);
    static_cast<HIGHCONTRASTW*>(data)->dwFlags = highContrast ? HCF_HIGHCONTRASTON : 0;
    return TRUE;
}

}  // namespace

class HighContrast : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        for (size_t i = 0; i < std::size(kElements); ++i) saved_[i] = GetSysColor(kElements[i]);
        ASSERT_TRUE(SwapImport("user32.dll", "SystemParametersInfoW", &AnsweredSystemParameters, &realSystemParameters));
    }
    void TearDown() override {
        highContrast = false;
        SetSysColors(static_cast<int>(std::size(kElements)), kElements, saved_);
        SwapImport("user32.dll", "SystemParametersInfoW", realSystemParameters, static_cast<SystemParametersFn*>(nullptr));
        MainWindowTest::TearDown();
    }

    // The setting changes as the system tells it: the colours, then the
    // message to the window, when there is one.
    void Switch(bool on) {
        highContrast = on;
        SetSysColors(static_cast<int>(std::size(kElements)), kElements, on ? kScheme : saved_);
        if (window_ == nullptr) return;
        SendMessageW(window_, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
        UpdateWindow(window_);
    }

    COLORREF saved_[std::size(kElements)] = {};
};

// Article 1 from its top, opened under high contrast: the heading in the
// hot-light colour, the text white on black, a search hit in the highlight
// colour, the list of Choose Article likewise; when the setting goes, white
// again.
TEST_F(HighContrast, TheViewAndTheListDrawInTheSystemsColours) {
    WriteDword(L"Lesson", 1);
    WriteDword(L"Flags", 0xD1140040 | kFlagPinnedArticle);
    Switch(true);
    ASSERT_NE(CreateFromRegistry(), nullptr);
    ViewState& view = *program.view;
    const RECT gutter{0, view.top, view.left, view.top + 300}, head{0, view.top, 640, view.top + view.headHeight};
    EXPECT_TRUE(WaitUntil([&] { return CaptureClient(window_).Count(gutter, kBlack, 40) == view.left * 300; }, 2000))
        << "the first paint's background";
    EXPECT_EQ(CaptureClient(window_).Count(head, kWhite, 10), 0) << "the running head's band";
    int row = 0;  // a search hit over the first long row of verses
    while (view.rows[row].count < 20) ++row;
    view.highlightStart = view.rows[row].offset;
    view.highlightEnd = static_cast<uint16_t>(view.rows[row].offset + view.rows[row].count);
    RepaintView(window_, kPaintClearClient | kPaintView);
    const RECT area{0, view.top, 640, 480}, heading{0, view.top, 640, view.top + view.headHeight + 60};
    Capture shown;
    WaitUntil([&] { return (shown = CaptureClient(window_)).Count(area, kCyan, 40) > 100; }, 2000);
    EXPECT_GT(shown.Count(area, kBlack, 40), shown.width * 100);
    EXPECT_GT(shown.Count(area, kWhite, 10), 500) << "the text";
    EXPECT_GT(shown.Count(heading, kYellow, 60), 100) << "the heading";
    EXPECT_GT(shown.Count(area, kCyan, 40), 100) << "the search hit";
    EXPECT_EQ(shown.Count(area, RGB(0, 0, 255), 40), 0) << "no fixed blue";

    WithModalDialog(
        L"Choose Article", [&] { return intptr_t{ShowChooseSection(window_, 1, program.settings.font, false)}; },
        [&](HWND dialog) {
            Capture list;
            const auto all = [&] { return RECT{0, 0, list.width, list.height}; };
            WaitUntil([&] { return (list = CaptureClient(dialog)).Count(all(), kYellow, 60) > 100; });
            EXPECT_GT(list.Count(all(), kBlack, 40), list.width * list.height / 2);
            EXPECT_GT(list.Count(all(), kYellow, 60), 100) << "the headings";
            return IDCANCEL;
        });

    Switch(false);
    shown = CaptureClient(window_);
    EXPECT_GT(shown.Count(area, kWhite, 10), shown.width * 100);
    EXPECT_EQ(shown.Count(area, kCyan, 40), 0) << "the hit back in yellow";
}
