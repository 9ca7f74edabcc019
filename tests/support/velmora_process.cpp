// Starting and stopping the program under test, and talking to its window.
#include "tests/support/velmora_process.h"

#include <cstdio>
#include <string>
#include <utility>

#include "tests/support/scratch_registry.h"
#include "tests/support/wait.h"

std::wstring VelmoraCommandLine() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    folder.erase(folder.find_last_of(L"\\/") + 1);
    return L"\"" + folder + L"Velmora.exe\"";
}

// The program takes a stored name of any type whose first unit is not zero.
static void SeedDisplayFont() {
    const auto name = ReadData(L"FontName");
    if (name && name->size() >= 2 && ((*name)[0] != 0 || (*name)[1] != 0)) return;
    WriteString(L"FontName", kSeededFontName);
    if (!ReadData(L"FontSize")) WriteDword(L"FontSize", kSeededFontSize);
}

bool LaunchProgram(std::wstring commandLine, PROCESS_INFORMATION& process, int showCommand, FontStart font) {
    if (font == FontStart::Seeded && commandLine == VelmoraCommandLine()) SeedDisplayFont();
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand);
    // A start the system refuses is reported and tried again, so that a
    // rare refusal on a busy machine does not end a long run of starts.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                           &process)) {
            return true;
        }
        std::fprintf(stderr, "CreateProcessW failed with error %lu\n", GetLastError());
        Sleep(500);
    }
    return false;
}

// Waits for the main window of a started copy, and for it to handle
// messages. A machine busy with other work can take many seconds to start a
// program under Wine; the bound only matters when something is wrong.
static bool WaitForMainWindow(VelmoraRun& run) {
    constexpr DWORD kStartBoundMs = 30000;
    WaitForInputIdle(run.process.hProcess, kStartBoundMs);
    const bool found = WaitUntil([&] {
        run.window = FindWindowW(L"Velmora", nullptr);
        return run.window != nullptr && IsWindowVisible(run.window);
    }, kStartBoundMs);
    if (found) {
        DWORD_PTR result;
        SendMessageTimeoutW(run.window, WM_NULL, 0, 0, SMTO_BLOCK, 10000, &result);
    }
    return found;
}

bool StartVelmora(VelmoraRun& run, int showCommand, FontStart font) {
    return LaunchProgram(VelmoraCommandLine(), run.process, showCommand, font) && WaitForMainWindow(run);
}

bool StartVelmoraAt(VelmoraRun& run, std::wstring commandLine, int showCommand) {
    return LaunchProgram(std::move(commandLine), run.process, showCommand) && WaitForMainWindow(run);
}

DWORD RunSecondCopy() {
    PROCESS_INFORMATION process{};
    if (!LaunchProgram(VelmoraCommandLine(), process)) return static_cast<DWORD>(-2);
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &code);
    else TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

void SendCommand(const VelmoraRun& run, int command) {
    DWORD_PTR result;
    SendMessageTimeoutW(run.window, WM_COMMAND, command, 0, SMTO_BLOCK, 10000, &result);
}

void SendKey(const VelmoraRun& run, int virtualKey) {
    DWORD_PTR result;
    SendMessageTimeoutW(run.window, WM_KEYDOWN, virtualKey, 1, SMTO_BLOCK, 10000, &result);
}

static void CloseHandles(VelmoraRun& run) {
    if (run.process.hThread) CloseHandle(run.process.hThread);
    if (run.process.hProcess) CloseHandle(run.process.hProcess);
    run = VelmoraRun{};
}

void PressWithControl(WORD key) {
    INPUT inputs[4] = {};
    const WORD keys[4] = {VK_CONTROL, key, key, VK_CONTROL};
    for (int i = 0; i < 4; ++i) {
        inputs[i].type = INPUT_KEYBOARD;
        inputs[i].ki.wVk = keys[i];
        inputs[i].ki.dwFlags = i >= 2 ? KEYEVENTF_KEYUP : 0;
    }
    SendInput(4, inputs, sizeof(INPUT));
}

// Waits for the process to end and returns its exit code; on timeout the
// process is killed and STILL_ACTIVE returned.
static DWORD WaitForExit(VelmoraRun& run) {
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(run.process.hProcess, 10000) == WAIT_OBJECT_0) {
        GetExitCodeProcess(run.process.hProcess, &code);
    } else {
        TerminateProcess(run.process.hProcess, 1);
    }
    CloseHandles(run);
    return code;
}

DWORD StopVelmora(VelmoraRun& run) {
    if (run.process.hProcess == nullptr) return STILL_ACTIVE;
    PostMessageW(run.window, WM_COMMAND, 40005, 0);
    return WaitForExit(run);
}

DWORD QuitWithCtrlQ(VelmoraRun& run) {
    if (run.process.hProcess == nullptr) return STILL_ACTIVE;
    if (IsIconic(run.window)) ShowWindow(run.window, SW_RESTORE);
    SetForegroundWindow(run.window);
    WaitUntil([&] { return GetForegroundWindow() == run.window; }, 5000);
    PressWithControl('Q');
    return WaitForExit(run);
}

void KillVelmora(VelmoraRun& run) {
    if (run.process.hProcess == nullptr) return;
    TerminateProcess(run.process.hProcess, 1);
    WaitForSingleObject(run.process.hProcess, 5000);
    CloseHandles(run);
}
