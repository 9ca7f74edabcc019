// Registry primitives. Reads open a key of HKEY_CURRENT_USER with KEY_READ,
// ask for the value's type and size, then read the data into a buffer sized
// from that answer; every read is bounded by the bytes the registry actually
// returned, so short, odd-sized or unterminated data never leads past the end
// of a buffer. Writes create the settings key path when it is missing.
#include "settings/registry.h"

#include <cstring>
#include <string>

#include "settings/registry_data.h"

static_assert(kRegistryDwordType == REG_DWORD);

namespace {

LPCWSTR Wide(const char16_t* text) { return reinterpret_cast<LPCWSTR>(text); }

// An open key, closed when the holder goes.
struct OpenKey {
    HKEY handle = nullptr;
    OpenKey() = default;
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    ~OpenKey() {
        if (handle != nullptr) RegCloseKey(handle);
    }
};

// Opens the key for reading and asks for the value's type and data size.
bool QueryValue(const char16_t* keyPath, const char16_t* name, OpenKey& key, DWORD& type, DWORD& size) {
    HKEY handle = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, Wide(keyPath), 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
    key.handle = handle;
    return RegQueryValueExW(handle, Wide(name), nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
}

// Reads the data into block, which holds capacity bytes; size becomes the
// number of bytes the registry returned.
bool ReadData(HKEY key, const char16_t* name, void* block, DWORD capacity, DWORD& size) {
    size = capacity;
    return RegQueryValueExW(key, Wide(name), nullptr, nullptr, static_cast<BYTE*>(block), &size) == ERROR_SUCCESS;
}

template <typename T>
OwnedBlock<T> Allocate(size_t bytes) {
    return OwnedBlock<T>(static_cast<T*>(AllocOrQuit(bytes)));
}

int WriteValue(const char16_t* name, DWORD type, const void* data, DWORD size) {
    HKEY handle = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, Wide(kSettingsKey), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &handle, nullptr) != ERROR_SUCCESS) {
        return 0;
    }
    OpenKey key;
    key.handle = handle;
    const LONG result = RegSetValueExW(key.handle, Wide(name), 0, type, static_cast<const BYTE*>(data), size);
    return result == ERROR_SUCCESS ? 1 : 0;
}

}  // namespace

int32_t RegReadIntAt(const char16_t* keyPath, const char16_t* name, int32_t fallback) {
    OpenKey key;
    DWORD type = 0, size = 0;
    if (!QueryValue(keyPath, name, key, type, size) || !IsIntegerData(type, size)) return fallback;
    if (type == REG_DWORD) {
        DWORD value = 0;
        if (!ReadData(key.handle, name, &value, sizeof value, size)) return fallback;
        return IntegerFromRegistryData(type, &value, size, fallback);
    }
    const DWORD capacity = 2 * size;
    auto text = Allocate<char16_t>(capacity);
    if (!text || !ReadData(key.handle, name, text.get(), capacity, size)) return fallback;
    return IntegerFromRegistryData(type, text.get(), size, fallback);
}

int32_t RegReadInt(const char16_t* name, int32_t fallback) { return RegReadIntAt(kSettingsKey, name, fallback); }

OwnedBlock<char16_t> RegReadString(const char16_t* name) {
    OpenKey key;
    DWORD type = 0, size = 0;
    if (!QueryValue(kSettingsKey, name, key, type, size) || size > kLargestRegistryText) return nullptr;
    // Zero-filled and one unit longer than the read may fill: the text always ends in a zero unit.
    const DWORD capacity = 2 * size;
    const size_t bytes = size_t{capacity} + sizeof(char16_t);
    auto text = Allocate<char16_t>(bytes);
    if (!text) return nullptr;
    std::memset(text.get(), 0, bytes);
    if (!ReadData(key.handle, name, text.get(), capacity, size)) return nullptr;
    return text;
}

OwnedBlock<uint8_t> RegReadBytes(const char16_t* name) {
    uint32_t size = 0;
    return RegReadBytesSized(name, nullptr, size);
}

OwnedBlock<uint8_t> RegReadBytesSized(const char16_t* name, OwnedBlock<uint8_t> fallback, uint32_t& size) {
    OpenKey key;
    DWORD type = 0, stored = 0;
    if (!QueryValue(kSettingsKey, name, key, type, stored)) return fallback;
    auto block = Allocate<uint8_t>(stored);
    if (!block || !ReadData(key.handle, name, block.get(), stored, stored)) return fallback;
    size = stored;
    return block;
}

int RegWriteInt(const char16_t* name, int32_t value) {
    const DWORD data = static_cast<DWORD>(value);
    return WriteValue(name, REG_DWORD, &data, sizeof data);
}

int RegWriteString(const char16_t* name, const char16_t* text) {
    const size_t length = std::char_traits<char16_t>::length(text);
    return WriteValue(name, REG_SZ, text, static_cast<DWORD>((length + 1) * sizeof(char16_t)));
}

int RegWriteByteString(const char16_t* name, const char* text) {
    return WriteValue(name, REG_BINARY, text, static_cast<DWORD>(std::strlen(text) + 1));
}

int RegWriteBytes(const char16_t* name, const void* data, uint32_t size) {
    return WriteValue(name, REG_BINARY, data, size);
}
