#include "platform/settings_registry.h"

#include <algorithm>

#include "core/wide.h"

namespace quorvel {
namespace {

std::string Quoted(std::string_view name) { return "'" + std::string(name) + "'"; }

[[noreturn]] void ThrowGetFailed(std::string_view name) {
    throw RegistryError("Failed to get data for " + Quoted(name));
}
[[noreturn]] void ThrowWrongType(std::string_view name) {
    throw RegistryError("Invalid data type for " + Quoted(name));
}

bool IsStringType(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }

}  // namespace

bool SettingsRegistry::OpenKey(std::string_view path, bool canCreate) {
    CloseKey();
    // The path is always taken from the root of the hive, with or without its
    // leading backslash (the registry functions reject one).
    while (!path.empty() && path.front() == '\\') path.remove_prefix(1);
    const std::wstring subKey = Wide(path);
    HKEY opened = nullptr;
    LSTATUS status;
    if (canCreate) {
        status = RegCreateKeyExW(HKEY_CURRENT_USER, subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                 KEY_ALL_ACCESS, nullptr, &opened, nullptr);
    } else {
        status = RegOpenKeyExW(HKEY_CURRENT_USER, subKey.c_str(), 0, KEY_ALL_ACCESS, &opened);
    }
    keyMissing_ = status == ERROR_FILE_NOT_FOUND;
    if (status != ERROR_SUCCESS) return false;
    key_.Reset(opened);
    return true;
}

void SettingsRegistry::CloseKey() { key_.Reset(); }

HKEY SettingsRegistry::OpenKeyOrThrow(std::string_view name) const {
    if (!key_) throw RegistryError("No registry key is open for " + Quoted(name));
    return key_.Get();
}

bool SettingsRegistry::QueryInfo(const std::wstring& name, ValueInfo& info) const {
    if (!key_) return false;
    info = {};
    return RegQueryValueExW(key_.Get(), name.c_str(), nullptr, &info.type, nullptr, &info.size) == ERROR_SUCCESS;
}

std::int32_t SettingsRegistry::ReadInteger(std::string_view name) const {
    const HKEY key = OpenKeyOrThrow(name);
    const std::wstring wideName = Wide(name);
    ValueInfo info;
    if (!QueryInfo(wideName, info)) ThrowGetFailed(name);
    if (info.type != REG_DWORD) ThrowWrongType(name);
    DWORD value = 0;
    DWORD size = sizeof value;
    DWORD type = REG_NONE;
    if (RegQueryValueExW(key, wideName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD) {
        ThrowGetFailed(name);
    }
    return static_cast<std::int32_t>(value);
}

std::string SettingsRegistry::ReadString(std::string_view name) const {
    const HKEY key = OpenKeyOrThrow(name);
    const std::wstring wideName = Wide(name);
    ValueInfo info;
    if (!QueryInfo(wideName, info) || info.size == 0) return {};
    if (!IsStringType(info.type)) ThrowWrongType(name);
    // The stored size may change between the two calls (another program writing):
    // grow the buffer and ask again until the data fits.
    std::wstring text;
    DWORD size = info.size;
    for (;;) {
        // One spare character, so text without its terminating zero still ends in one.
        text.assign(size / sizeof(wchar_t) + 2, L'\0');
        DWORD got = size;
        DWORD type = REG_NONE;
        const LSTATUS status =
            RegQueryValueExW(key, wideName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &got);
        if (status == ERROR_MORE_DATA) {
            size = got;
            continue;
        }
        if (status == ERROR_FILE_NOT_FOUND) return {};  // deleted meanwhile
        if (status != ERROR_SUCCESS) ThrowGetFailed(name);
        if (!IsStringType(type)) ThrowWrongType(name);
        text.resize(got / sizeof(wchar_t));  // a stray odd byte is no character
        break;
    }
    text.resize(std::min(text.size(), text.find(L'\0')));
    return Narrow(text);
}

std::vector<std::uint8_t> SettingsRegistry::ReadBinary(std::string_view name) const { return ReadBytes(name, true); }

std::vector<std::uint8_t> SettingsRegistry::ReadRaw(std::string_view name) const { return ReadBytes(name, false); }

std::vector<std::uint8_t> SettingsRegistry::ReadBytes(std::string_view name, bool refuseTextAndNumbers) const {
    const HKEY key = OpenKeyOrThrow(name);
    const std::wstring wideName = Wide(name);
    ValueInfo info;
    if (!QueryInfo(wideName, info)) ThrowGetFailed(name);
    std::vector<std::uint8_t> bytes;
    for (;;) {
        if (refuseTextAndNumbers && (IsStringType(info.type) || info.type == REG_DWORD)) ThrowWrongType(name);
        bytes.assign(info.size, 0);
        DWORD got = info.size;
        const LSTATUS status = RegQueryValueExW(key, wideName.c_str(), nullptr, &info.type,
                                                bytes.empty() ? nullptr : bytes.data(), &got);
        if (status == ERROR_MORE_DATA) {  // grown since it was measured: ask again
            info.size = got;
            continue;
        }
        if (status != ERROR_SUCCESS) ThrowGetFailed(name);
        if (refuseTextAndNumbers && (IsStringType(info.type) || info.type == REG_DWORD)) ThrowWrongType(name);
        bytes.resize(got);
        return bytes;
    }
}

void SettingsRegistry::Write(std::string_view name, DWORD type, const void* data, DWORD size) const {
    const HKEY key = OpenKeyOrThrow(name);
    if (RegSetValueExW(key, Wide(name).c_str(), 0, type, static_cast<const BYTE*>(data), size) != ERROR_SUCCESS) {
        throw RegistryError("Failed to set data for " + Quoted(name));
    }
}

void SettingsRegistry::WriteInteger(std::string_view name, std::int32_t value) const {
    const DWORD data = static_cast<DWORD>(value);
    Write(name, REG_DWORD, &data, sizeof data);
}

void SettingsRegistry::WriteString(std::string_view name, std::string_view value) const {
    const std::wstring text = Wide(value);
    // The terminating zero is part of the stored data.
    Write(name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

void SettingsRegistry::WriteBinary(std::string_view name, const std::vector<std::uint8_t>& bytes) const {
    Write(name, REG_BINARY, bytes.data(), static_cast<DWORD>(bytes.size()));
}

bool SettingsRegistry::ValueExists(std::string_view name) const {
    ValueInfo info;
    return QueryInfo(Wide(name), info);
}

bool SettingsRegistry::DeleteValue(std::string_view name) const {
    return key_ && RegDeleteValueW(key_.Get(), Wide(name).c_str()) == ERROR_SUCCESS;
}

}  // namespace quorvel
