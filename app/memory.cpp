// The program state and the allocation routine with its out-of-memory rule.
#include "app/program.h"

#include <cstdlib>

ProgramState program;

// The caller may be in the middle of an operation on the program's state (a
// print job borrows the Reading view's text): nothing is torn down here. The
// quit ends every message loop, modal ones first, and the window is closed,
// saving the settings, once the main loop has ended (EndRun).
void* AllocOrQuit(size_t bytes) {
    void* block = std::malloc(bytes == 0 ? 1 : bytes);
    if (block != nullptr) return block;
    MessageBoxW(nullptr, L"There is not enough memory, aborting", L"Error", MB_ICONERROR);
    PostQuitMessage(0);
    return nullptr;
}

void FreeBlock(void* block) { std::free(block); }
