// The program's entry without the system check, on a thread of its own.
#include "tests/app/program_thread.h"

#include "app/program.h"
#include "app/startup.h"
#include "resources/resource.h"
#include "settings/registry.h"

namespace {

struct Start {
    HANDLE ready;
    HWND window;
};

DWORD WINAPI RunProgram(void* parameter) {
    auto* start = static_cast<Start*>(parameter);
    program = ProgramState{};
    program.instance = GetModuleHandleW(nullptr);
    program.gutter = RegReadIntAt(kMakerKey, u"SurroundingGutter", 10);
    HWND window = CreateMainWindow(SW_SHOWNORMAL);
    start->window = window;
    SetEvent(start->ready);
    if (window == nullptr) return 0;
    HACCEL accelerators = LoadAcceleratorsW(program.instance, MAKEINTRESOURCEW(IDR_ACCELERATORS));
    return static_cast<DWORD>(RunMessageLoop(accelerators));
}

}  // namespace

bool StartProgramThread(ProgramThread& run) {
    Start start{CreateEventW(nullptr, TRUE, FALSE, nullptr), nullptr};
    run.thread = CreateThread(nullptr, 0, RunProgram, &start, 0, &run.threadId);
    const bool started = run.thread != nullptr && WaitForSingleObject(start.ready, 30000) == WAIT_OBJECT_0;
    CloseHandle(start.ready);
    run.window = started ? start.window : nullptr;
    if (run.window == nullptr && run.thread != nullptr) {
        WaitForSingleObject(run.thread, 10000);
        CloseHandle(run.thread);
        run = ProgramThread{};
    }
    return run.window != nullptr;
}

DWORD StopProgramThread(ProgramThread& run) {
    if (run.thread == nullptr) return STILL_ACTIVE;
    PostMessageW(run.window, WM_COMMAND, IDM_EXIT, 0);
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(run.thread, 10000) == WAIT_OBJECT_0) GetExitCodeThread(run.thread, &code);
    CloseHandle(run.thread);
    run = ProgramThread{};
    return code;
}
