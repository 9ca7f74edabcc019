// The program's registry keys as a scratch area for tests: cleared before and
// after each test, written and read back directly.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// Deletes HKCU\Software\Tarnwick with everything under it.
void ClearProgramKeys();

// Values of the settings key (or of the maker key when maker is set).
void WriteDword(const wchar_t* name, DWORD value, bool maker = false);
void WriteString(const wchar_t* name, const std::wstring& value, bool maker = false);
void WriteBinary(const wchar_t* name, const std::vector<BYTE>& data);
std::optional<DWORD> ReadDword(const wchar_t* name);
std::optional<std::wstring> ReadString(const wchar_t* name);
std::optional<std::vector<BYTE>> ReadBinary(const wchar_t* name);
// The stored type of a value, or REG_NONE when it is missing.
DWORD ValueType(const wchar_t* name);

// A display font for the tests: a TrueType Hebrew face with vowel points.
void UseTestFont(int size = 20);
