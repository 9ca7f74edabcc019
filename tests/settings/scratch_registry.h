// Test helpers for code that keeps its values under HKEY_CURRENT_USER: the
// maker key is deleted before and after every test (the suite runs in a Wine
// prefix of its own), and values are stored and read back with the plain
// registry calls, independently of the code under test.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

inline constexpr wchar_t kTestMakerKey[] = L"Software\\Tarnwick";
inline constexpr wchar_t kTestSettingsKey[] = L"Software\\Tarnwick\\Velmora";

struct StoredValue {
    bool found = false;
    DWORD type = REG_NONE;
    std::vector<uint8_t> data;
};

inline StoredValue ReadStored(const wchar_t* name, const wchar_t* keyPath = kTestSettingsKey) {
    StoredValue value;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return value;
    DWORD size = 0;
    if (RegQueryValueExW(key, name, nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS) {
        value.data.resize(size);
        value.found = RegQueryValueExW(key, name, nullptr, nullptr, value.data.data(), &size) == ERROR_SUCCESS;
        value.data.resize(size);
    }
    RegCloseKey(key);
    return value;
}

inline void Store(const wchar_t* name, DWORD type, const void* data, size_t size,
                  const wchar_t* keyPath = kTestSettingsKey) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, keyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), static_cast<DWORD>(size)),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

inline void StoreDword(const wchar_t* name, DWORD value, const wchar_t* keyPath = kTestSettingsKey) {
    Store(name, REG_DWORD, &value, sizeof value, keyPath);
}

// The text with its terminator, as REG_SZ.
inline void StoreText(const wchar_t* name, const std::wstring& text) {
    Store(name, REG_SZ, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
}

inline std::vector<uint8_t> BytesOf(const void* data, size_t size) {
    const auto* bytes = static_cast<const uint8_t*>(data);
    return std::vector<uint8_t>(bytes, bytes + size);
}

inline std::vector<uint8_t> DwordBytes(DWORD value) { return BytesOf(&value, sizeof value); }

// A value name for test traces (the names are ASCII).
inline std::string Narrow(const wchar_t* name) {
    std::string narrow;
    for (; *name != 0; ++name) narrow += static_cast<char>(*name);
    return narrow;
}

inline bool SettingsKeyExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kTestSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

class ScratchRegistry : public ::testing::Test {
protected:
    void SetUp() override { DeleteMakerKey(); }
    void TearDown() override { DeleteMakerKey(); }

    static void DeleteMakerKey() {
        const LONG result = RegDeleteTreeW(HKEY_CURRENT_USER, kTestMakerKey);
        ASSERT_TRUE(result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND) << result;
    }
};
