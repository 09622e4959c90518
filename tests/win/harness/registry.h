// Registry helpers for the Win32 tests, over the plain registry functions, so
// the program's own registry code is never checked against itself.
//
// Tests that create the clock window hold a CleanRegistry before the window: the
// window reads its settings from, and writes them to, the prefix's real registry,
// so each such test starts from no settings key and no start-up entry and leaves
// none behind.
#pragma once

#include <windows.h>
#include <aclapi.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/product.h"

namespace quorvel::testing_support {

inline constexpr const wchar_t* kSettingsPath = kSettingsPathWide;

struct Value {
    std::wstring name;
    DWORD type = REG_NONE;
    std::vector<std::uint8_t> bytes;
};

inline Value Dword(const wchar_t* name, std::uint32_t v) {
    return {name, REG_DWORD, {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16), std::uint8_t(v >> 24)}};
}
// `bytes` < 0: the text with its terminating zero.
inline Value Text(const wchar_t* name, const std::wstring& text, int bytes = -1, DWORD type = REG_SZ) {
    const auto* p = reinterpret_cast<const std::uint8_t*>(text.c_str());
    const std::size_t size = bytes < 0 ? (text.size() + 1) * sizeof(wchar_t) : static_cast<std::size_t>(bytes);
    return {name, type, std::vector<std::uint8_t>(p, p + size)};
}

// Writes the values into the key, creating it; false when the registry refused.
inline bool Plant(const wchar_t* path, const std::vector<Value>& values) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr)) return false;
    bool ok = true;
    for (const Value& v : values) {
        ok = ok && RegSetValueExW(key, v.name.c_str(), 0, v.type, v.bytes.data(), static_cast<DWORD>(v.bytes.size())) ==
                       ERROR_SUCCESS;
    }
    RegCloseKey(key);
    return ok;
}

// Every value of a key.
inline std::vector<Value> ReadAll(const wchar_t* path) {
    std::vector<Value> values;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return values;
    DWORD longestData = 0;
    RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &longestData,
                     nullptr, nullptr);
    std::vector<std::uint8_t> data(longestData + 1);
    for (DWORD i = 0;; ++i) {
        wchar_t name[256];
        DWORD nameLength = 256;
        DWORD size = static_cast<DWORD>(data.size());
        DWORD type = 0;
        if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, data.data(), &size) != ERROR_SUCCESS) break;
        values.push_back({name, type, std::vector<std::uint8_t>(data.begin(), data.begin() + size)});
    }
    RegCloseKey(key);
    return values;
}

inline std::optional<Value> Find(const wchar_t* path, const std::wstring& name) {
    for (Value& v : ReadAll(path)) {
        if (v.name == name) return v;
    }
    return std::nullopt;
}

inline bool KeyExists(const wchar_t* path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

inline void DeleteKey(const wchar_t* path) {
    RegDeleteTreeW(HKEY_CURRENT_USER, path);
    RegDeleteKeyW(HKEY_CURRENT_USER, path);
}

inline void DeleteClockRegistry() {
    DeleteKey(kSettingsPath);
    HKEY run = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kRunKeyWide, 0, KEY_SET_VALUE, &run) == ERROR_SUCCESS) {
        RegDeleteValueW(run, kStartupValueNameWide);
        RegCloseKey(run);
    }
}

struct CleanRegistry {
    CleanRegistry() { DeleteClockRegistry(); }
    ~CleanRegistry() { DeleteClockRegistry(); }
    CleanRegistry(const CleanRegistry&) = delete;
    CleanRegistry& operator=(const CleanRegistry&) = delete;
};

// The settings key, created if missing, with an empty DACL: nobody may open it
// for writing until the destructor restores it and deletes the program's keys.
class LockedKey {
public:
    LockedKey() {
        HKEY key = nullptr;
        RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
        ACL empty{};
        InitializeAcl(&empty, sizeof empty, ACL_REVISION);
        SECURITY_DESCRIPTOR sd{};
        InitializeSecurityDescriptor(&sd, SECURITY_DESCRIPTOR_REVISION);
        SetSecurityDescriptorDacl(&sd, TRUE, &empty, FALSE);
        RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &sd);
        RegCloseKey(key);
    }
    ~LockedKey() {
        Unlock();
        DeleteClockRegistry();
    }
    // As its owner the test may still set the key's DACL again: open to all.
    void Unlock() {
        SetNamedSecurityInfoW(const_cast<wchar_t*>((std::wstring(L"CURRENT_USER\\") + kSettingsPathWide).c_str()), SE_REGISTRY_KEY,
                              DACL_SECURITY_INFORMATION, nullptr, nullptr, nullptr, nullptr);
    }
};

}  // namespace quorvel::testing_support
