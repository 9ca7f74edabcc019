// System libraries loaded on first use. Printing and the shell bring in
// libraries whose loading (the printer list among it) costs start-up more
// than the rest of it; the program links only what the first paint needs.
#include "app/program.h"

// From the system folder only: a library of the same name beside the program
// is not taken instead.
static HMODULE LoadSystemLibrary(const wchar_t* library) {
    if (HMODULE loaded = GetModuleHandleW(library)) return loaded;
    wchar_t path[MAX_PATH];
    const UINT folder = GetSystemDirectoryW(path, MAX_PATH);
    if (folder == 0 || folder + 1 + lstrlenW(library) >= MAX_PATH) return nullptr;
    path[folder] = L'\\';
    lstrcpyW(path + folder + 1, library);
    return LoadLibraryW(path);
}

FARPROC LateBoundFunction(const wchar_t* library, const char* name) {
    HMODULE module = LoadSystemLibrary(library);
    return module != nullptr ? GetProcAddress(module, name) : nullptr;
}
