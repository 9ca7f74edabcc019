// Long use of the program, run on a thread of the test's own process so that
// what it holds can be counted: the bytes in use in the heaps (less what the
// platform itself keeps for good), the GDI objects its code makes and its
// windows. Each dialog is opened and closed 500 times, the article copied and
// appended 500 times, a screen reader reads the view 500 times while it pages,
// and 2,000 random steps are taken; from the end of the
// first hundred to the end of the last hundred none of the three may grow
// beyond a small fixed allowance.
#include <gtest/gtest.h>

#include <oleacc.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "calendar/current_article.h"
#include "resources/resource.h"
#include "tests/app/monkey.h"
#include "tests/app/program_thread.h"
#include "tests/support/gdi_counter.h"
#include "tests/support/platform_keeping.h"
#include "tests/support/process_usage.h"
#include "tests/support/scratch_registry.h"
#include "tests/support/wait.h"

namespace {

constexpr int kFirst = 100;
constexpr int kRepeats = 500;
constexpr int kRandomSteps = 2000;
// Room for the heaps' own bookkeeping and the platform's caches; a dialog
// that kept 100 bytes at each opening would keep 40,000 over the last 400.
constexpr long long kHeapAllowance = 16 * 1024;
constexpr int kTallWindow = 1000, kPagesOfATallWindow = 40;  // every article in so many pages

struct Usage {
    long long heapBytes = 0;
    long long platformBytes = 0;  // of the heap bytes, what the platform keeps for good
    int gdiObjects = 0;
    int windows = 0;
};

}  // namespace

class LeakCheck : public ::testing::Test {
protected:
    void SetUp() override {
        ClearProgramKeys();
        UseTestFont();
        UseTestWindow();
        ASSERT_TRUE(counter_.installed);
        ASSERT_TRUE(StartProgramThread(run_)) << "no main window";
        platform_ = std::make_unique<PlatformKeeping>(run_.threadId, run_.window);
        ASSERT_TRUE(platform_->installed);
        monkey_.window = run_.window;
        monkey_.process = run_.thread;
        monkey_.processId = GetCurrentProcessId();
        monkey_.lesson = ThisWeekArticleToday();
        monkey_.thisWeek = monkey_.lesson;
        monkey_.flags = 0xD1140040;
    }
    void TearDown() override {
        if (run_.thread != nullptr) {
            CloseProgramDialogs(monkey_);
            EXPECT_EQ(StopProgramThread(run_), 0u);
        }
        platform_.reset();
        ClearProgramKeys();
    }

    // Measured with nothing open and the program idle in its loop.
    Usage Measure() {
        EXPECT_TRUE(Deliver(monkey_, WM_NULL, 0, 0));
        return Usage{static_cast<long long>(HeapBytesInUse()), platform_->BytesKept(), counter_.LiveObjects(),
                     ThreadWindowCount(run_.threadId)};
    }

    // Runs step kRepeats times (or times), measuring after the first hundred
    // and after the last; prepare brings the program back to one state first.
    void ExpectNoGrowth(const std::function<void()>& step, int times = kRepeats,
                        const std::function<void()>& prepare = [] {}) {
        Usage first;
        for (int i = 1; i <= times && !HasFatalFailure(); ++i) {
            step();
            if (i == kFirst) {
                prepare();
                first = Measure();
            }
        }
        prepare();
        const Usage last = Measure();
        const long long platformBytes = last.platformBytes - first.platformBytes;
        std::printf("  heap bytes %lld -> %lld (%lld of it the platform's own), GDI objects %d -> %d, windows %d -> %d\n",
                    first.heapBytes, last.heapBytes, platformBytes, first.gdiObjects, last.gdiObjects, first.windows,
                    last.windows);
        std::fflush(stdout);
        EXPECT_LE(last.heapBytes - first.heapBytes - platformBytes, kHeapAllowance);
        EXPECT_LE(last.gdiObjects, first.gdiObjects);
        EXPECT_LE(last.windows, first.windows);
    }

    // Opens a dialog by its command, lets act on it, and closes it with answer
    // (OK may go on to a search or a print job, which is waited for).
    void OpenAndClose(int command, const std::function<void(HWND)>& act, int answer = IDCANCEL) {
        PostMessageW(run_.window, WM_COMMAND, command, 0);
        HWND dialog = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (dialog = FirstProgramDialog(monkey_)) != nullptr; }, 10000));
        act(dialog);
        PostMessageW(dialog, WM_COMMAND, answer, 0);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }, 60000));
    }

    // Once, what makes something that lasts as long as the program: a font
    // for each style of every article and its shaped letters (every page of
    // every article painted once, in a tall window), rows for the largest
    // article in the smallest window, the search hit's banner font, the verse
    // map, the printer driver's own data.
    void UseEverythingOnce() {
        RECT placed{}, client{};
        GetWindowRect(run_.window, &placed);
        GetClientRect(run_.window, &client);
        const int width = placed.right - placed.left, height = placed.bottom - placed.top;
        // A client area one pixel wide: a row for every code.
        const int narrowest = width - client.right + 1;
        for (int article = 0; article < 57; ++article) {
            ASSERT_TRUE(Deliver(monkey_, WM_COMMAND, IDM_NEXT_ARTICLE, 0));
            SetWindowPos(run_.window, nullptr, 0, 0, narrowest, height, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
            SetWindowPos(run_.window, nullptr, 0, 0, width, kTallWindow, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
            for (int page = 0; page < kPagesOfATallWindow; ++page) Deliver(monkey_, WM_KEYDOWN, VK_NEXT, 1);
            SetWindowPos(run_.window, nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
        }
        OpenAndClose(IDM_SEARCH, TypeIntoSearch, IDOK);
        OpenAndClose(IDM_GO_TO_VERSE, [](HWND dialog) { SetDlgItemTextW(dialog, IDC_VERSE_TEXT, L"Genesis 1:1"); },
                     IDOK);
        OpenAndClose(IDM_PRINT, [](HWND) {}, IDOK);
        ASSERT_TRUE(Deliver(monkey_, WM_NULL, 0, 0));
        monkey_.lessonKnown = false;
    }

    // Types a word found in many articles (Moses) on the Latin keys.
    static void TypeIntoSearch(HWND dialog) {
        HWND edit = GetDlgItem(dialog, IDC_SEARCH_TEXT);
        for (const wchar_t c : std::wstring(L"nav")) PostMessageW(edit, WM_CHAR, c, 1);
    }

    GdiCounter counter_;
    ProgramThread run_;
    std::unique_ptr<PlatformKeeping> platform_;
    Monkey monkey_;
};

TEST_F(LeakCheck, EveryDialogOpenedAndClosed500Times) {
    const auto nothing = [](HWND) {};
    const struct {
        const char* name;
        int command;
        std::function<void(HWND)> act;
    } dialogs[] = {
        {"Choose Article", IDM_CHOOSE_SECTION, nothing}, {"Search", IDM_SEARCH, TypeIntoSearch},
        {"Choose Font", IDM_FONT, nothing},              {"About", IDM_ABOUT, nothing},
        {"page set-up", IDM_PRINT, nothing},             {"Calendar", IDM_CALENDAR, nothing},
    };
    for (const auto& d : dialogs) {
        SCOPED_TRACE(d.name);
        std::printf("%s:\n", d.name);
        ExpectNoGrowth([&] { OpenAndClose(d.command, d.act); });
    }
}

TEST_F(LeakCheck, CopyAndAppend500Times) {
    // Each round leaves the same two copies of the article on the clipboard.
    ExpectNoGrowth([&] {
        ASSERT_TRUE(Deliver(monkey_, WM_COMMAND, IDM_COPY, 0));
        ASSERT_TRUE(Deliver(monkey_, WM_COMMAND, IDM_APPEND, 0));
    });
}

// A screen reader's reads from another thread while the view pages, 500
// times: the object, its name, value, role and state, and its children.
TEST_F(LeakCheck, ScreenReaderReads500TimesWhilePaging) {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    VARIANT self{}, role{}, state{};
    self.vt = VT_I4;
    int step = 0;
    ExpectNoGrowth([&] {
        ASSERT_TRUE(Deliver(monkey_, WM_KEYDOWN, ++step % 25 == 0 ? VK_HOME : VK_NEXT, 1));
        IAccessible* view = nullptr;
        ASSERT_EQ(AccessibleObjectFromWindow(run_.window, OBJID_CLIENT, __uuidof(IAccessible), (void**)&view), S_OK);
        BSTR name = nullptr, value = nullptr;
        long children = 0;
        EXPECT_EQ(view->get_accName(self, &name) | view->get_accValue(self, &value), S_OK);
        view->get_accRole(self, &role);
        view->get_accState(self, &state);
        view->get_accChildCount(&children);
        SysFreeString(name);
        SysFreeString(value);
        view->Release();
    });
    CoUninitialize();
}

// The random steps may leave any article, position, size or clipboard behind:
// each measurement is taken on This Week's article at its top, in the first
// window size, with one copy of it on the clipboard. They leave the font
// alone: each new face fills the platform's font caches for good.
TEST_F(LeakCheck, TwoThousandRandomSteps) {
    const char* replay = std::getenv("VELMORA_MONKEY_SEED");
    const auto seed = replay != nullptr && *replay != 0
                          ? static_cast<unsigned>(std::strtoul(replay, nullptr, 10))
                          : static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count());
    std::printf("leak check seed %u (replay: VELMORA_MONKEY_SEED=%u)\n", seed, seed);
    monkey_.random.seed(seed);
    monkey_.sameFont = true;
    UseEverythingOnce();
    RECT placed{};
    GetWindowRect(run_.window, &placed);
    const auto sameState = [&] {
        ShowWindow(run_.window, SW_RESTORE);
        SetWindowPos(run_.window, nullptr, placed.left, placed.top, placed.right - placed.left,
                     placed.bottom - placed.top, SWP_NOZORDER | SWP_NOACTIVATE);
        ASSERT_TRUE(KnowTheArticle(monkey_));
        ASSERT_TRUE(Deliver(monkey_, WM_COMMAND, IDM_THIS_WEEK, 0));
        ASSERT_TRUE(Deliver(monkey_, WM_KEYDOWN, VK_HOME, 1));
        ASSERT_TRUE(Deliver(monkey_, WM_COMMAND, IDM_COPY, 0));
    };
    std::string failure;
    ExpectNoGrowth([&] { ASSERT_TRUE(RunMonkey(monkey_, 1, failure)) << "seed " << seed << ": " << failure; },
                   kRandomSteps, sameState);
}
