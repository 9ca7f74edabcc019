// The real program from the outside: start-up, exit and what it leaves in the
// registry, the single-instance hand-over, a failed start-up load, the
// accelerators and the libraries the system loads before the program runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>
#include <vector>

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
    for (const wchar_t* name : {L"Top", L"Left", L"Width", L"Height"}) {
        EXPECT_EQ(ValueType(name), static_cast<DWORD>(REG_DWORD)) << testing::PrintToString(std::wstring(name));
    }
    EXPECT_GT(ReadDword(L"Width").value_or(0), 0u);
    EXPECT_EQ(ReadDword(L"showCmd"), static_cast<DWORD>(SW_SHOWNORMAL));
}

TEST_F(VelmoraEndToEnd, APinnedArticleSurvivesARestartWithItsPosition) {
    PinArticle(12, 7);
    Start();
    Stop();
    EXPECT_EQ(Lesson(), 12u);
    EXPECT_EQ(Position(), 7u);
    EXPECT_TRUE(Flags() & 0x4);
}

TEST_F(VelmoraEndToEnd, ASecondStartWhileTheFirstIsInFrontSwitchesItToThisWeek) {
    PinArticle(ThisWeekArticleToday() == 30 ? 31 : 30, 3);
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

TEST_F(VelmoraEndToEnd, ASecondStartRestoresAMinimizedCopy) {
    PinArticle(30, 3);
    Start();
    ShowWindow(run.window, SW_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(run.window) != FALSE; }));
    EXPECT_EQ(RunSecondCopy(), 0u);
    EXPECT_TRUE(WaitUntil([&] { return !IsIconic(run.window) && GetForegroundWindow() == run.window; }));
    Stop();
    EXPECT_EQ(Lesson(), 30u);
    EXPECT_TRUE(Flags() & 0x4);
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
    // The message box comes before the window is shown, so no wait for the window.
    ASSERT_TRUE(LaunchProgram(VelmoraCommandLine(), run.process));
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = FindMessageBox(run.process.dwProcessId, L"Error")) != nullptr; }));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return (run.window = FindWindowW(L"Velmora", nullptr)) != nullptr; }));
    Stop();
    EXPECT_EQ(Lesson(), 70u);
    EXPECT_TRUE(Flags() & 0x4);
}

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

namespace {

// The libraries an image imports, in lower case and sorted, read from the
// image mapped as a resource (its imports are not loaded).
std::vector<std::string> ImportedLibraries(const std::wstring& path) {
    HMODULE mapped = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (mapped == nullptr) return {};
    auto* base = reinterpret_cast<BYTE*>(reinterpret_cast<ULONG_PTR>(mapped) & ~ULONG_PTR{3});
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    std::vector<std::string> names;
    for (auto* entry = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); entry->Name != 0;
         ++entry) {
        std::string name(reinterpret_cast<const char*>(base + entry->Name));
        std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
        names.push_back(name);
    }
    FreeLibrary(mapped);
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

// Start-up loads only the libraries the first paint needs: the page set-up,
// the printers (whose library reads the printer list when it loads), the
// shell and COM are loaded when a command first needs them.
TEST(VelmoraImage, ImportsOnlyWhatTheFirstPaintNeeds) {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring exe(path);
    exe.replace(exe.find_last_of(L"\\/") + 1, std::wstring::npos, L"Velmora.exe");
    const std::vector<std::string> expected = {"advapi32.dll", "comctl32.dll", "gdi32.dll",
                                               "kernel32.dll", "msvcrt.dll",   "user32.dll"};
    EXPECT_EQ(ImportedLibraries(exe), expected);
}
