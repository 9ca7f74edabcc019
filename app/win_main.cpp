// The program's entry: start-up in order, the message loop, the exit code.
#include <windows.h>

#include "app/program.h"
#include "app/startup.h"
#include "resources/resource.h"
#include "settings/registry.h"

static const char kRefusalText[] = "This Application does NOT run on:\n\n\tWINDOWS 95\n\tWINDOWS 98\n\tWINDOWS ME\n";
static const char kMakerAddress[] = "http://www.tarnwick.example";

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    program = ProgramState{};
    program.instance = instance;
    if (IsRefusedSystem()) {
        MessageBoxA(nullptr, kRefusalText, kMakerAddress, MB_ICONERROR);
        return -1;
    }
    program.gutter = RegReadIntAt(kMakerKey, u"SurroundingGutter", 10);
    if (CreateMainWindow(showCommand) == nullptr) return 0;
    HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_ACCELERATORS));
    return EndRun(RunMessageLoop(accelerators));
}
