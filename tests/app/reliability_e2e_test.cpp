// The real program against bad input, bad luck and long use: every settings
// value corrupted in turn, a seeded random run, and repeated start and exit.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "calendar/current_article.h"
#include "tests/app/e2e_fixture.h"
#include "tests/app/monkey.h"
#include "tests/support/screen_capture.h"
#include "tests/support/wait.h"

namespace {

std::vector<BYTE> RandomBytes(size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<BYTE> bytes(size);
    for (BYTE& b : bytes) b = static_cast<BYTE>(random());
    return bytes;
}

void Dword(const wchar_t* name, DWORD value) { WriteDword(name, value); }
void Text(const wchar_t* name, const std::wstring& text, bool maker = false) { WriteString(name, text, maker); }
void OneByte(const wchar_t* name, bool maker = false) { WriteValue(name, REG_BINARY, "\x07", 1, maker); }
void Pinned(uint16_t lesson) {
    WriteDword(L"Lesson", lesson);
    WriteDword(L"Flags", 0xD1140044);
}

// A font one pixel high, on a long article.
void TinyFont(DWORD size) {
    Text(L"FontName", L"DejaVu Sans");
    Dword(L"FontSize", size);
    Pinned(35);
}

struct Corruption {
    const char* label;
    void (*store)();
    bool drawn = true;  // false where no row fits the window: a font larger than it
};

// One value at a time, of the settings key and of the maker key: the wrong
// type, truncated, oversized and out of range.
const Corruption kCorruptions[] = {
    {"FontName_as_a_number", [] { Dword(L"FontName", 0x41); }},
    {"FontName_of_1000_characters", [] { Text(L"FontName", std::wstring(1000, L'x')); }},
    {"FontName_of_three_bytes", [] { WriteValue(L"FontName", REG_SZ, "\x45\x00\x7A", 3); }},
    {"FontSize_as_text", [] { Text(L"FontSize", L"abc"); }, false},
    {"FontSize_of_one_byte", [] { OneByte(L"FontSize"); }},
    {"FontSize_1_on_article_35", [] { TinyFont(1); }},
    {"FontSize_all_ones_on_article_35", [] { TinyFont(0xFFFFFFFF); }},
    {"FontSize_largest", [] { TinyFont(0x7FFFFFFF); }, false},
    {"FontSize_2000", [] { Dword(L"FontSize", 2000); }, false},
    {"FontAsciiBase_0", [] { Dword(L"FontAsciiBase", 0); }},
    {"FontAsciiBase_65535", [] { Dword(L"FontAsciiBase", 65535); }},
    {"FontAsciiBase_as_text", [] { Text(L"FontAsciiBase", L"x"); }},
    {"LastPosition_65535", [] { Dword(L"LastPosition", 0xFFFF); }},
    {"LastPosition_all_ones", [] { Dword(L"LastPosition", 0xFFFFFFFF); }},
    {"LastPosition_of_one_byte", [] { OneByte(L"LastPosition"); }},
    {"Flags_of_one_byte", [] { OneByte(L"Flags"); }},
    {"Flags_all_ones", [] { Dword(L"Flags", 0xFFFFFFFF); Dword(L"Lesson", 12); }},
    {"Lesson_65535", [] { Dword(L"Lesson", 0xFFFF); }},
    {"Lesson_0", [] { Dword(L"Lesson", 0); }},
    {"Lesson_of_14_digits", [] { Text(L"Lesson", L"12345678901234"); }},
    {"Lesson_of_one_byte", [] { OneByte(L"Lesson"); }},
    {"SearchString_of_64_KiB", [] { WriteBinary(L"SearchString", RandomBytes(65536, 1)); }},
    {"SearchString_as_a_number", [] { Dword(L"SearchString", 0x41424344); }},
    {"Bookmarks_of_odd_length", [] { WriteBinary(L"Bookmarks", {1, 0, 2}); }},
    {"Bookmarks_of_64_KiB", [] { WriteBinary(L"Bookmarks", RandomBytes(65536, 2)); }},
    {"Top_largest", [] { Dword(L"Top", 0x7FFFFFFF); }},
    {"Left_as_text", [] { Text(L"Left", L"left"); }},
    {"Width_all_ones", [] { Dword(L"Width", 0xFFFFFFFF); }},
    {"Height_of_one_byte", [] { OneByte(L"Height"); }},
    {"placement_off_every_monitor", [] { Dword(L"Left", static_cast<DWORD>(-90000)); Dword(L"Top", 90000); }},
    {"showCmd_99", [] { Dword(L"showCmd", 99); }},
    {"showCmd_hidden", [] { Dword(L"showCmd", SW_HIDE); }},
    {"SurroundingGutter_negative", [] { WriteDword(L"SurroundingGutter", static_cast<DWORD>(-6), true); }},
    {"SurroundingGutter_10000", [] { WriteDword(L"SurroundingGutter", 10000, true); }},
    {"SurroundingGutter_as_text", [] { Text(L"SurroundingGutter", L"gutter", true); }},
    {"Israel_of_1000_characters", [] { Text(L"Israel", std::wstring(1000, L'1'), true); }},
    {"Israel_of_one_byte", [] { OneByte(L"Israel", true); }},
};

// What the program writes at exit must be well formed whatever it read. The
// values it skips (an empty or 0 setting) keep whatever was stored.
void ExpectWellFormedSettings() {
    for (const wchar_t* name : {L"Flags", L"Lesson", L"LastPosition", L"Top", L"Left", L"Width", L"Height", L"showCmd"}) {
        EXPECT_EQ(ValueType(name), static_cast<DWORD>(REG_DWORD)) << testing::PrintToString(std::wstring(name));
    }
    const DWORD lesson = ReadDword(L"Lesson").value_or(0);
    EXPECT_TRUE(lesson >= 1 && lesson <= 57) << lesson;
    EXPECT_LE(ReadDword(L"LastPosition").value_or(0), 0xFFFFu);
    const DWORD show = ReadDword(L"showCmd").value_or(0);
    EXPECT_TRUE(show >= SW_SHOWNORMAL && show <= SW_SHOWMAXIMIZED) << show;
    if (ValueType(L"FontName") == REG_SZ) {
        EXPECT_LE(ReadData(L"FontName")->size(), 64u);
    }
    if (ValueType(L"SearchString") == REG_BINARY) {
        EXPECT_LE(ReadData(L"SearchString")->size(), 34u);
    }
}

int EnvironmentNumber(const char* name, int fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != 0 ? std::atoi(text) : fallback;
}

}  // namespace

class CorruptedSettings : public VelmoraEndToEnd, public testing::WithParamInterface<Corruption> {};

// Each start shows an article (ink in the window), ends with 0 on Ctrl+Q and
// leaves well-formed values behind.
TEST_P(CorruptedSettings, StartShowsAnArticleAndExitsCleanly) {
    GetParam().store();
    Start();
    if (IsIconic(run.window)) ShowWindow(run.window, SW_RESTORE);
    if (GetParam().drawn) {
        EXPECT_TRUE(WaitUntil([&] {
            const Capture capture = CaptureClient(run.window);
            return capture.CountInk(RECT{0, 40, capture.width, capture.height}) > 50;
        })) << "no article drawn";
    }
    EXPECT_EQ(QuitWithCtrlQ(run), 0u);
    ExpectWellFormedSettings();
}

INSTANTIATE_TEST_SUITE_P(EveryValue, CorruptedSettings, testing::ValuesIn(kCorruptions),
                         [](const testing::TestParamInfo<Corruption>& info) { return std::string(info.param.label); });

// A seeded random run (VELMORA_MONKEY_SEED replays one, VELMORA_MONKEY_STEPS
// sets its length), then Ctrl+Q: exit 0 and the stored article, position and
// option bits as the run left them.
TEST_F(VelmoraEndToEnd, ASeededRandomRunEndsCleanlyWithConsistentSettings) {
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    const unsigned seed = static_cast<unsigned>(EnvironmentNumber("VELMORA_MONKEY_SEED", static_cast<int>(now & 0x7FFFFFFF)));
    const int steps = EnvironmentNumber("VELMORA_MONKEY_STEPS", 2000);
    std::printf("monkey seed %u, %d steps (replay: VELMORA_MONKEY_SEED=%u)\n", seed, steps, seed);
    std::fflush(stdout);
    PinArticle(20, 5);
    Start();
    Monkey monkey;
    monkey.window = run.window;
    monkey.process = run.process.hProcess;
    monkey.processId = run.process.dwProcessId;
    monkey.random.seed(seed);
    monkey.lesson = 20;
    monkey.flags = 0xD1140044;
    monkey.thisWeek = ThisWeekArticleToday();
    std::string failure;
    ASSERT_TRUE(RunMonkey(monkey, steps, failure)) << "seed " << seed << ": " << failure;
    ASSERT_TRUE(KnowTheArticle(monkey));
    // Back to the top, so that the stored position is known.
    ASSERT_TRUE(Deliver(monkey, WM_KEYDOWN, VK_HOME, 1));
    ASSERT_TRUE(Deliver(monkey, WM_KEYDOWN, VK_HOME, 1));
    ShowWindow(run.window, SW_RESTORE);
    EXPECT_EQ(QuitWithCtrlQ(run), 0u) << "seed " << seed;
    EXPECT_EQ(Lesson(), monkey.lesson) << "seed " << seed;
    EXPECT_EQ(Flags(), monkey.flags) << "seed " << seed;
    EXPECT_EQ(Position(), 0u) << "seed " << seed;
}

// Start and exit again and again (VELMORA_START_CYCLES times, 100 unless set):
// from the second exit on, the settings key stays byte for byte the same.
TEST_F(VelmoraEndToEnd, RepeatedStartsLeaveTheSettingsUnchanged) {
    const int cycles = EnvironmentNumber("VELMORA_START_CYCLES", 100);
    std::printf("%d start/exit cycles\n", cycles);
    std::fflush(stdout);
    PinArticle(33, 4);
    std::vector<StoredValue> second;
    for (int cycle = 1; cycle <= cycles; ++cycle) {
        SCOPED_TRACE(cycle);
        Start();
        ASSERT_EQ(QuitWithCtrlQ(run), 0u);
        const std::vector<StoredValue> values = SettingsKeyValues();
        if (cycle == 2) second = values;
        if (cycle > 2) {
            ASSERT_EQ(values, second);
        }
    }
    EXPECT_EQ(Lesson(), 33u);
    EXPECT_EQ(Position(), 4u);
}
