// The Linux host under Wine, for end-to-end checks made from outside the
// program: running a shell command there and naming Windows files by their
// host paths. Both use Wine's own exports; on Windows they are absent and
// tests that need them skip.
#pragma once

#include <string>

// True under Wine, where the host functions below work.
bool HostAvailable();

// Runs /bin/sh -c command on the host, with no standard input and output, and
// waits for it to end. True when it ran and exited with status 0.
bool RunOnHost(const std::string& command);

// The host path of a Windows path, or an empty string.
std::string HostPath(const std::wstring& windowsPath);

// A folder of the tests' own in the system's temp folder, named name and
// created when missing. Ends with a backslash.
std::wstring TestFolder(const std::wstring& name);

// The bytes of a file, empty when it cannot be read.
std::string ReadWholeFile(const std::wstring& path);
bool WriteWholeFile(const std::wstring& path, const std::string& bytes);

// Quotes a host path or argument for /bin/sh.
std::string ShellQuote(const std::string& text);
