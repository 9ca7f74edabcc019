// Host access through Wine's exports: ntdll's __wine_unix_spawnvp runs a host
// program (winebrowser uses it the same way), kernel32's
// wine_get_unix_file_name maps a Windows path to the host's.
#include "tests/support/unix_host.h"

#include <windows.h>

#include <fstream>
#include <iterator>

namespace {

using SpawnFunction = LONG(WINAPI*)(char* const argv[], int wait);
using UnixNameFunction = char*(CDECL*)(const wchar_t* dosName);

template <typename F>
F WineExport(const wchar_t* module, const char* name) {
    const HMODULE handle = GetModuleHandleW(module);
    return handle != nullptr ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(handle, name))) : nullptr;
}

}  // namespace

bool HostAvailable() {
    return WineExport<SpawnFunction>(L"ntdll.dll", "__wine_unix_spawnvp") != nullptr &&
           WineExport<UnixNameFunction>(L"kernel32.dll", "wine_get_unix_file_name") != nullptr;
}

bool RunOnHost(const std::string& command) {
    const auto spawn = WineExport<SpawnFunction>(L"ntdll.dll", "__wine_unix_spawnvp");
    if (spawn == nullptr) return false;
    // The host program must not inherit ctest's pipes, or a program it leaves
    // behind keeps the test from ending.
    std::string line = "exec </dev/null >/dev/null 2>&1; " + command;
    std::string shell = "/bin/sh", flag = "-c";
    char* argv[] = {shell.data(), flag.data(), line.data(), nullptr};
    return spawn(argv, TRUE) == 0;
}

std::string HostPath(const std::wstring& windowsPath) {
    const auto unixName = WineExport<UnixNameFunction>(L"kernel32.dll", "wine_get_unix_file_name");
    if (unixName == nullptr) return {};
    char* name = unixName(windowsPath.c_str());
    if (name == nullptr) return {};
    std::string path(name);
    HeapFree(GetProcessHeap(), 0, name);
    return path;
}

std::wstring TestFolder(const std::wstring& name) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::wstring folder = std::wstring(temp) + name + L"\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

std::string ReadWholeFile(const std::wstring& path) {
    std::ifstream in(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool WriteWholeFile(const std::wstring& path, const std::string& bytes) {
    std::ofstream out(path.c_str(), std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out);
}

std::string ShellQuote(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}
