// The program state and the allocation routine with its out-of-memory rule.
#include "app/program.h"

#include <cstdlib>

#include "app/startup.h"

ProgramState program;

void* AllocOrQuit(size_t bytes) {
    void* block = std::malloc(bytes == 0 ? 1 : bytes);
    if (block != nullptr) return block;
    MessageBoxW(nullptr, L"There is not enough memory, aborting", L"Error", MB_ICONERROR);
    SaveSettingsAndQuit();
    return nullptr;
}

void FreeBlock(void* block) { std::free(block); }
