// Timing a program's start up to its own entry point: the time the system
// takes to create the process and to load and initialise the libraries it
// imports. The program is started under the debugging interface with a
// breakpoint on its entry point; there the original byte is put back, the
// program goes on from its entry and the debugger lets go of it. Until then
// each library loaded costs a debug event, a small overhead on that phase.
#pragma once

#include <windows.h>

#include <string>

#include "tests/bench/bench_clock.h"

namespace entry_point_clock {

constexpr BYTE kBreakpoint = 0xCC;

inline bool PatchByte(HANDLE process, void* address, BYTE value, BYTE* previous) {
    SIZE_T done = 0;
    if (previous != nullptr && !ReadProcessMemory(process, address, previous, 1, &done)) return false;
    if (!WriteProcessMemory(process, address, &value, 1, &done)) return false;
    return FlushInstructionCache(process, address, 1) != 0;
}

// Puts the entry point's byte back and sets the stopped thread there again.
inline bool ResumeAtEntry(HANDLE process, HANDLE thread, void* entry, BYTE saved) {
    if (!PatchByte(process, entry, saved, nullptr)) return false;
    CONTEXT context{};
    context.ContextFlags = CONTEXT_CONTROL;
    if (!GetThreadContext(thread, &context)) return false;
    context.Rip = reinterpret_cast<DWORD64>(entry);
    return SetThreadContext(thread, &context) != 0;
}

}  // namespace entry_point_clock

// Starts commandLine shown normally and returns once it has reached its entry
// point, with the milliseconds from start to there; the program then runs on
// by itself. False when it could not be started or ended before its entry.
inline bool LaunchTimedToEntry(std::wstring commandLine, const LARGE_INTEGER& start, PROCESS_INFORMATION& process,
                               double& entryMillis) {
    using namespace entry_point_clock;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, DEBUG_ONLY_THIS_PROCESS, nullptr,
                        nullptr, &startup, &process)) {
        return false;
    }
    void* entry = nullptr;
    BYTE saved = 0;
    DEBUG_EVENT event{};
    while (WaitForDebugEvent(&event, 30000)) {
        DWORD status = DBG_CONTINUE;
        switch (event.dwDebugEventCode) {
        case CREATE_PROCESS_DEBUG_EVENT:
            if (event.u.CreateProcessInfo.hFile != nullptr) CloseHandle(event.u.CreateProcessInfo.hFile);
            entry = reinterpret_cast<void*>(event.u.CreateProcessInfo.lpStartAddress);
            if (!PatchByte(process.hProcess, entry, kBreakpoint, &saved)) entry = nullptr;
            break;
        case LOAD_DLL_DEBUG_EVENT:
            if (event.u.LoadDll.hFile != nullptr) CloseHandle(event.u.LoadDll.hFile);
            break;
        case EXCEPTION_DEBUG_EVENT: {
            const EXCEPTION_RECORD& record = event.u.Exception.ExceptionRecord;
            if (entry != nullptr && record.ExceptionAddress == entry) {
                entryMillis = MillisSince(start);
                const bool resumed = ResumeAtEntry(process.hProcess, process.hThread, entry, saved);
                ContinueDebugEvent(event.dwProcessId, event.dwThreadId, DBG_CONTINUE);
                DebugActiveProcessStop(process.dwProcessId);
                return resumed;
            }
            // The loader's own breakpoint is the debugger's to pass; any other
            // exception is the program's.
            if (record.ExceptionCode != EXCEPTION_BREAKPOINT) status = DBG_EXCEPTION_NOT_HANDLED;
            break;
        }
        case EXIT_PROCESS_DEBUG_EVENT:
            ContinueDebugEvent(event.dwProcessId, event.dwThreadId, DBG_CONTINUE);
            return false;
        }
        ContinueDebugEvent(event.dwProcessId, event.dwThreadId, status);
    }
    DebugActiveProcessStop(process.dwProcessId);
    return false;
}
