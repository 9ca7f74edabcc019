// Direct registry access for tests, independent of the program's own
// registry code.
#include "tests/support/scratch_registry.h"

#include <algorithm>

static const wchar_t kSettingsKeyPath[] = L"Software\\Tarnwick\\Velmora";
static const wchar_t kMakerKeyPath[] = L"software\\Tarnwick";

bool ClearProgramKeys() {
    const LONG result = RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Tarnwick");
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

bool SettingsKeyExists() {
    HKEY key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

static void WriteValueAt(const wchar_t* keyPath, const wchar_t* name, DWORD type, const void* data, DWORD size) {
    HKEY key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, keyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return;
    }
    RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
}

void WriteDword(const wchar_t* name, DWORD value, bool maker) {
    WriteValueAt(maker ? kMakerKeyPath : kSettingsKeyPath, name, REG_DWORD, &value, sizeof(value));
}

void WriteString(const wchar_t* name, const std::wstring& value, bool maker) {
    const auto size = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    WriteValueAt(maker ? kMakerKeyPath : kSettingsKeyPath, name, REG_SZ, value.c_str(), size);
}

void WriteBinary(const wchar_t* name, const std::vector<BYTE>& data) {
    WriteValueAt(kSettingsKeyPath, name, REG_BINARY, data.data(), static_cast<DWORD>(data.size()));
}

void WriteValue(const wchar_t* name, DWORD type, const void* data, size_t size, bool maker) {
    WriteValueAt(maker ? kMakerKeyPath : kSettingsKeyPath, name, type, data, static_cast<DWORD>(size));
}

static std::optional<std::vector<BYTE>> ReadRaw(const wchar_t* name, DWORD* type) {
    HKEY key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
    DWORD size = 0;
    std::optional<std::vector<BYTE>> result;
    if (RegQueryValueExW(key, name, nullptr, type, nullptr, &size) == ERROR_SUCCESS) {
        std::vector<BYTE> data(size);
        if (RegQueryValueExW(key, name, nullptr, type, data.data(), &size) == ERROR_SUCCESS) {
            data.resize(size);
            result = std::move(data);
        }
    }
    RegCloseKey(key);
    return result;
}

std::optional<std::vector<BYTE>> ReadData(const wchar_t* name) {
    DWORD type = REG_NONE;
    return ReadRaw(name, &type);
}

std::optional<DWORD> ReadDword(const wchar_t* name) {
    DWORD type = REG_NONE;
    auto data = ReadRaw(name, &type);
    if (!data || type != REG_DWORD || data->size() != sizeof(DWORD)) return std::nullopt;
    return *reinterpret_cast<const DWORD*>(data->data());
}

std::optional<std::wstring> ReadString(const wchar_t* name) {
    DWORD type = REG_NONE;
    auto data = ReadRaw(name, &type);
    if (!data || type != REG_SZ) return std::nullopt;
    std::wstring text(reinterpret_cast<const wchar_t*>(data->data()), data->size() / sizeof(wchar_t));
    while (!text.empty() && text.back() == 0) text.pop_back();
    return text;
}

std::optional<std::vector<BYTE>> ReadBinary(const wchar_t* name) {
    DWORD type = REG_NONE;
    auto data = ReadRaw(name, &type);
    if (!data || type != REG_BINARY) return std::nullopt;
    return data;
}

DWORD ValueType(const wchar_t* name) {
    DWORD type = REG_NONE;
    return ReadRaw(name, &type) ? type : REG_NONE;
}

void UseTestWindow() {
    WriteDword(L"Left", 0);
    WriteDword(L"Top", 0);
    WriteDword(L"Width", 640);
    WriteDword(L"Height", 480);
}

void UseTestFont(int size) {
    WriteString(L"FontName", L"Ezra SIL");
    WriteDword(L"FontSize", static_cast<DWORD>(size));
    WriteDword(L"FontAsciiBase", 0x5D0);
}

void UseFreshSettings(DWORD article) {
    ClearProgramKeys();
    UseTestFont();
    UseTestWindow();
    WriteDword(L"Lesson", article);
    WriteDword(L"LastPosition", 0);
    WriteDword(L"Flags", 0xD1140040 | 0x4);
}

std::vector<StoredValue> SettingsKeyValues() {
    std::vector<StoredValue> values;
    HKEY key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return values;
    for (DWORD index = 0;; ++index) {
        wchar_t name[256];
        DWORD nameLength = 256, type = 0, size = 0;
        if (RegEnumValueW(key, index, name, &nameLength, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) break;
        StoredValue value{name, type, std::vector<BYTE>(size)};
        nameLength = 256;
        RegEnumValueW(key, index, name, &nameLength, nullptr, nullptr, value.data.data(), &size);
        value.data.resize(size);
        values.push_back(std::move(value));
    }
    RegCloseKey(key);
    std::sort(values.begin(), values.end(), [](const StoredValue& a, const StoredValue& b) { return a.name < b.name; });
    return values;
}

void PrintTo(const StoredValue& value, std::ostream* out) {
    for (const wchar_t c : value.name) *out << static_cast<char>(c < 128 ? c : '?');
    *out << " (type " << value.type << "):";
    for (const BYTE b : value.data) *out << ' ' << static_cast<int>(b);
}
