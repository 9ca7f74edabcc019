// The program's registry keys as a scratch area for tests: cleared before and
// after each test, written and read back directly.
#pragma once

#include <windows.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

// Deletes HKCU\Software\Tarnwick with everything under it. True when it is
// gone afterwards (also when it was not there).
bool ClearProgramKeys();
bool SettingsKeyExists();

// Values of the settings key (or of the maker key when maker is set).
// WriteValue stores any type with exactly size bytes of data.
void WriteDword(const wchar_t* name, DWORD value, bool maker = false);
void WriteString(const wchar_t* name, const std::wstring& value, bool maker = false);
void WriteBinary(const wchar_t* name, const std::vector<BYTE>& data);
void WriteValue(const wchar_t* name, DWORD type, const void* data, size_t size, bool maker = false);
// The stored bytes of a value of any type, or none when it is missing.
std::optional<std::vector<BYTE>> ReadData(const wchar_t* name);
std::optional<DWORD> ReadDword(const wchar_t* name);
std::optional<std::wstring> ReadString(const wchar_t* name);
std::optional<std::vector<BYTE>> ReadBinary(const wchar_t* name);
// The stored type of a value, or REG_NONE when it is missing.
DWORD ValueType(const wchar_t* name);

// Every value of the settings key, in name order: for comparing the key
// before and after a run byte for byte.
struct StoredValue {
    std::wstring name;
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
    bool operator==(const StoredValue&) const = default;
};
std::vector<StoredValue> SettingsKeyValues();
void PrintTo(const StoredValue& value, std::ostream* out);

// A known place for the main window: 640 x 480 at the screen's corner.
void UseTestWindow();

// A display font for the tests: a TrueType Hebrew face with vowel points.
void UseTestFont(int size = 20);

// A fresh start for a timed or driven run: cleared keys, the test font and
// window, and the article pinned at its top with the default Flags.
void UseFreshSettings(DWORD article);
