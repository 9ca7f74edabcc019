// The PDF helpers. Wine starts a host program when asked to run one by its
// host path; its output goes to a file in the host's /tmp, which Wine shows
// as drive Z:.
#include "tests/support/pdf_output.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "tests/support/wait.h"

namespace {

std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// One argument of a Windows command line, as the C runtime splits it again.
std::string CommandLineArgument(const std::string& text) {
    std::string quoted = "\"";
    int backslashes = 0;
    for (char c : text) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(static_cast<size_t>(c == '"' ? 2 * backslashes + 1 : backslashes), '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(static_cast<size_t>(2 * backslashes), '\\');
    return quoted + "\"";
}

std::string OutputPath(int call) {
    return "/tmp/velmora-pdf-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(call) + ".txt";
}

std::wstring WindowsPath(const std::string& hostPath) {
    std::wstring path = L"Z:";
    for (char c : hostPath) path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    return path;
}

std::wstring FromUtf8(const std::string& text) {
    if (text.empty()) return {};
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

}  // namespace

bool PdfToolsAvailable() {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    if (ntdll == nullptr || GetProcAddress(ntdll, "wine_get_version") == nullptr) return false;
    if (GetFileAttributesW(L"Z:\\usr\\bin\\pdftotext") == INVALID_FILE_ATTRIBUTES ||
        GetFileAttributesW(L"Z:\\bin\\sh") == INVALID_FILE_ATTRIBUTES) {
        return false;
    }
    return RunHostShell("lpstat -d").find("VelmoraPDF") != std::string::npos;
}

std::string RunHostShell(const std::string& command) {
    // Wine does not let a test wait for a host process: the shell writes its
    // output under another name and renames it when done, and the test waits
    // for that name.
    static int calls = 0;
    const std::string output = OutputPath(++calls);
    const std::string script = "(" + command + ") >" + output + ".part 2>/dev/null; mv " + output + ".part " + output;
    std::wstring line = FromUtf8("/bin/sh -c " + CommandLineArgument(script));
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return {};
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    const std::wstring windowsPath = WindowsPath(output);
    if (!WaitUntil([&] { return GetFileAttributesW(windowsPath.c_str()) != INVALID_FILE_ATTRIBUTES; }, 30000)) return {};
    std::ifstream file(std::string(windowsPath.begin(), windowsPath.end()), std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    file.close();
    DeleteFileW(windowsPath.c_str());
    return text.str();
}

std::vector<std::string> PdfFiles() {
    // The queue writes to the home directory of the user's account, which need
    // not be $HOME.
    std::istringstream lines(RunHostShell("ls -1 \"$(getent passwd \"$(id -un)\" | cut -d: -f6)\"/PDF/*.pdf"));
    std::vector<std::string> files;
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty()) files.push_back(line);
    }
    return files;
}

std::string WaitForNewPdf(const std::vector<std::string>& before) {
    std::string found;
    WaitUntil(
        [&] {
            for (const std::string& file : PdfFiles()) {
                bool known = false;
                for (const std::string& old : before) known = known || old == file;
                if (!known && PdfPageCount(file) > 0) {
                    found = file;
                    return true;
                }
            }
            return false;
        },
        20000);
    return found;
}

int PdfPageCount(const std::string& pdf) { return std::atoi(PdfInfoField(pdf, "Pages").c_str()); }

std::string PdfInfoField(const std::string& pdf, const std::string& field) {
    std::string value = RunHostShell("pdfinfo " + ShellQuoted(pdf) + " | sed -n " + ShellQuoted("s/^" + field + ": *//p"));
    while (!value.empty() && (value.back() == '\n' || value.back() == '\r')) value.pop_back();
    return value;
}

std::wstring PdfPageText(const std::string& pdf, int page, bool raw) {
    const std::string number = std::to_string(page);
    const std::string options = std::string(raw ? "-raw " : "") + "-enc UTF-8 -f " + number + " -l " + number + " ";
    return FromUtf8(RunHostShell("pdftotext " + options + ShellQuoted(pdf) + " -"));
}
