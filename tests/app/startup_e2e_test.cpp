// The real program from the outside: start-up, exit and what it leaves in the
// registry, the single-instance hand-over and the scroll bar's side.
#include <gtest/gtest.h>

#include "calendar/current_article.h"
#include "tests/app/e2e_fixture.h"
#include "tests/support/wait.h"

TEST_F(VelmoraEndToEnd, FirstStartOpensThisWeekAndWritesItsSettingsAtExit) {
    ClearProgramKeys();
    Start();
    Stop();
    EXPECT_EQ(ReadDword(L"Flags"), 0xD1140040u);
    EXPECT_EQ(ReadDword(L"Lesson"), ThisWeekArticleToday());
    EXPECT_EQ(ReadDword(L"LastPosition"), 0u);
    EXPECT_EQ(ReadDword(L"FontAsciiBase"), 1488u);
    for (const wchar_t* name : {L"Top", L"Left", L"Width", L"Height", L"showCmd"}) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(name)));
        EXPECT_EQ(ValueType(name), static_cast<DWORD>(REG_DWORD));
    }
    EXPECT_GT(*ReadDword(L"Width"), 0u);
    EXPECT_EQ(ReadDword(L"showCmd"), static_cast<DWORD>(SW_SHOWNORMAL));
    EXPECT_EQ(ValueType(L"FontName"), static_cast<DWORD>(REG_NONE));
    EXPECT_EQ(ValueType(L"SearchString"), static_cast<DWORD>(REG_NONE));
}

TEST_F(VelmoraEndToEnd, APinnedArticleSurvivesARestartWithItsPosition) {
    PinArticle(12, 7);
    Start();
    Stop();
    EXPECT_EQ(Lesson(), 12u);
    EXPECT_EQ(Position(), 7u);
    EXPECT_TRUE(Flags() & 0x4);
}

TEST_F(VelmoraEndToEnd, ThisWeekClearsThePinnedBitAndRecomputes) {
    PinArticle(ThisWeekArticleToday() == 30 ? 31 : 30, 4);
    Start();
    SendCommand(run, 108);
    Stop();
    EXPECT_EQ(Lesson(), ThisWeekArticleToday());
    EXPECT_EQ(Position(), 0u);
    EXPECT_FALSE(Flags() & 0x4);
}

TEST_F(VelmoraEndToEnd, NextAndPreviousWrapAroundTheLibrary) {
    PinArticle(57);
    Start();
    SendCommand(run, 109);
    Stop();
    EXPECT_EQ(Lesson(), 1u);
    EXPECT_TRUE(Flags() & 0x4);

    PinArticle(1);
    Start();
    SendCommand(run, 110);
    Stop();
    EXPECT_EQ(Lesson(), 57u);
}

TEST_F(VelmoraEndToEnd, ArrowKeysStepArticlesFromTheTop) {
    PinArticle(20, 9);
    Start();
    SendKey(run, VK_RIGHT);
    SendKey(run, VK_RIGHT);
    SendKey(run, VK_LEFT);
    Stop();
    EXPECT_EQ(Lesson(), 21u);
    EXPECT_EQ(Position(), 0u);
}

TEST_F(VelmoraEndToEnd, CtrlQClosesTheProgram) {
    Start();
    DWORD_PTR result;
    // The accelerator table turns Ctrl+Q into command 1.
    SendMessageTimeoutW(run.window, WM_COMMAND, 1, 0, SMTO_BLOCK, 10000, &result);
    ASSERT_EQ(WaitForSingleObject(run.process.hProcess, 10000), WAIT_OBJECT_0);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(run.process.hProcess, &code);
    EXPECT_EQ(code, 0u);
    EXPECT_TRUE(ReadDword(L"Flags").has_value());
}

TEST_F(VelmoraEndToEnd, ASecondStartWhileTheFirstIsInFrontSwitchesItToThisWeek) {
    const DWORD pinned = ThisWeekArticleToday() == 30 ? 31 : 30;
    PinArticle(static_cast<uint16_t>(pinned), 3);
    Start();
    SetForegroundWindow(run.window);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == run.window; }));
    EXPECT_EQ(RunSecondCopy(), 0u);
    Stop();
    EXPECT_EQ(Lesson(), ThisWeekArticleToday());
    EXPECT_FALSE(Flags() & 0x4);
}

TEST_F(VelmoraEndToEnd, ASecondStartWhileTheFirstIsBehindBringsItToTheFront) {
    PinArticle(30, 3);
    Start();
    HWND other = CreateWindowExW(0, L"STATIC", L"in front", WS_OVERLAPPED | WS_VISIBLE, 100, 100, 200, 100, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(other, nullptr);
    SetForegroundWindow(other);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == other; }));
    EXPECT_EQ(RunSecondCopy(), 0u);
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == run.window; }));
    DestroyWindow(other);
    Stop();
    EXPECT_EQ(Lesson(), 30u);
    EXPECT_EQ(Position(), 3u);
    EXPECT_TRUE(Flags() & 0x4);
}

namespace {

// Frame widths left and right of the client area.
void ClientMargins(HWND window, int& left, int& right) {
    RECT outer;
    RECT client;
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    left = origin.x - outer.left;
    right = outer.right - (origin.x + client.right);
}

}  // namespace

TEST_F(VelmoraEndToEnd, TheScrollBarStandsWhereFlagsSay) {
    const struct { DWORD flags; bool bar; bool onLeft; } cases[] = {
        {0xD1140040, true, false}, {0xD1140080, true, true}, {0xD11400C0, true, true}, {0xD1140000, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flags);
        WriteDword(L"Flags", c.flags);
        Start();
        const LONG style = GetWindowLongW(run.window, GWL_STYLE);
        const LONG exStyle = GetWindowLongW(run.window, GWL_EXSTYLE);
        EXPECT_EQ((style & WS_VSCROLL) != 0, c.bar);
        EXPECT_EQ((exStyle & WS_EX_LEFTSCROLLBAR) != 0, c.onLeft);
        int left = 0;
        int right = 0;
        ClientMargins(run.window, left, right);
        if (!c.bar) EXPECT_EQ(left, right);
        else if (c.onLeft) EXPECT_GT(left, right + 8);
        else EXPECT_GT(right, left + 8);
        Stop();
    }
}

namespace {

// The message box of the program, if one is open: a dialog window of its
// process with the given caption.
HWND FindMessageBox(DWORD processId, const wchar_t* caption) {
    HWND box = nullptr;
    while ((box = FindWindowExW(nullptr, box, L"#32770", caption)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(box, &owner);
        if (owner == processId) return box;
    }
    return nullptr;
}

}  // namespace

TEST_F(VelmoraEndToEnd, APinnedArticleThatCannotBeLoadedShowsResourceNotFound) {
    PinArticle(70, 5);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring exe(path);
    exe = exe.substr(0, exe.find_last_of(L"\\/") + 1) + L"Velmora.exe";
    std::wstring commandLine = L"\"" + exe + L"\"";
    ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &run.process));
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = FindMessageBox(run.process.dwProcessId, L"Error")) != nullptr; }));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return (run.window = FindWindowW(L"Velmora", L"Velmora")) != nullptr; }));
    Stop();
    EXPECT_EQ(Lesson(), 70u);
    EXPECT_TRUE(Flags() & 0x4);
}

TEST_F(VelmoraEndToEnd, AnUnpinnedArticleOutOfRangeBecomesThisWeek) {
    WriteDword(L"Lesson", 70);
    Start();
    Stop();
    EXPECT_EQ(Lesson(), ThisWeekArticleToday());
}

namespace {

void PressWithControl(WORD key) {
    INPUT inputs[4] = {};
    for (INPUT& input : inputs) input.type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = VK_CONTROL;
    inputs[1].ki.wVk = key;
    inputs[2].ki.wVk = key;
    inputs[2].ki.dwFlags = KEYEVENTF_KEYUP;
    inputs[3].ki.wVk = VK_CONTROL;
    inputs[3].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(4, inputs, sizeof(INPUT));
}

}  // namespace

TEST_F(VelmoraEndToEnd, AcceleratorsReachTheirCommandsThroughTheMessageLoop) {
    PinArticle(12);
    Start();
    SetForegroundWindow(run.window);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == run.window; }));
    PressWithControl('N');
    PressWithControl('N');
    PressWithControl('Q');
    ASSERT_EQ(WaitForSingleObject(run.process.hProcess, 10000), WAIT_OBJECT_0) << "Ctrl+Q did not close the window";
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(run.process.hProcess, &code);
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(Lesson(), 14u);
}
