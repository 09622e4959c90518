#include "platform/registry_key.h"

#include <algorithm>

#include "core/translation.h"
#include "core/wide.h"

namespace quorvel {
namespace {

// Translated here, where the value's name is known; quorvel-cli, which
// chooses no language, reads them in English. {0} is the value's name.
[[noreturn]] void ThrowGetFailed(std::string_view name) {
    throw RegistryError(FillIn(Translate("Failed to get data for '{0}'"), {name}));
}
[[noreturn]] void ThrowWrongType(std::string_view name) {
    throw RegistryError(FillIn(Translate("Invalid data type for '{0}'"), {name}));
}

bool IsStringType(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }
bool IsTextOrNumber(DWORD type) { return IsStringType(type) || type == REG_DWORD; }

}  // namespace

RegistryKey RegistryKey::Open(std::string_view path, bool canCreate) {
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
    RegistryKey key;
    key.missing_ = status == ERROR_FILE_NOT_FOUND;
    if (status == ERROR_SUCCESS) key.key_.Reset(opened);
    return key;
}

bool RegistryKey::QueryInfo(const std::wstring& name, ValueInfo& info) const {
    info = {};
    return key_ &&
           RegQueryValueExW(key_.Get(), name.c_str(), nullptr, &info.type, nullptr, &info.size) == ERROR_SUCCESS;
}

std::int32_t RegistryKey::Read(StoredValue<std::int32_t> value) const {
    const std::wstring name = Wide(value.name);
    ValueInfo info;
    if (!QueryInfo(name, info)) ThrowGetFailed(value.name);
    if (info.type != REG_DWORD) ThrowWrongType(value.name);
    DWORD number = 0;
    DWORD size = sizeof number;
    DWORD type = REG_NONE;
    if (RegQueryValueExW(key_.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&number), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD) {
        ThrowGetFailed(value.name);
    }
    return static_cast<std::int32_t>(number);
}

bool RegistryKey::Read(StoredValue<bool> value) const {
    return Read(StoredValue<std::int32_t>{value.name}) != 0;
}

std::string RegistryKey::Read(StoredValue<std::string> value) const {
    const std::wstring name = Wide(value.name);
    ValueInfo info;
    if (!QueryInfo(name, info) || info.size == 0) return {};
    if (!IsStringType(info.type)) ThrowWrongType(value.name);
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
            RegQueryValueExW(key_.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &got);
        if (status == ERROR_MORE_DATA) {
            size = got;
            continue;
        }
        if (status == ERROR_FILE_NOT_FOUND) return {};  // deleted meanwhile
        if (status != ERROR_SUCCESS) ThrowGetFailed(value.name);
        if (!IsStringType(type)) ThrowWrongType(value.name);
        text.resize(got / sizeof(wchar_t));  // a stray odd byte is no character
        break;
    }
    text.resize(std::min(text.size(), text.find(L'\0')));
    return Narrow(text);
}

StoredBytes RegistryKey::Read(StoredValue<StoredBytes> value) const {
    return ReadBytes(value.name, true, nullptr);
}

RegistryKey::RawValue RegistryKey::ReadRaw(std::string_view name) const {
    RawValue raw;
    raw.bytes = ReadBytes(name, false, &raw.type);
    return raw;
}

StoredBytes RegistryKey::ReadBytes(std::string_view name, bool refuseTextAndNumbers, DWORD* typeOut) const {
    const std::wstring wideName = Wide(name);
    ValueInfo info;
    if (!QueryInfo(wideName, info)) ThrowGetFailed(name);
    StoredBytes bytes;
    for (;;) {
        if (refuseTextAndNumbers && IsTextOrNumber(info.type)) ThrowWrongType(name);
        bytes.assign(info.size, 0);
        DWORD got = info.size;
        const LSTATUS status = RegQueryValueExW(key_.Get(), wideName.c_str(), nullptr, &info.type,
                                                bytes.empty() ? nullptr : bytes.data(), &got);
        if (status == ERROR_MORE_DATA) {  // grown since it was measured: ask again
            info.size = got;
            continue;
        }
        if (status != ERROR_SUCCESS) ThrowGetFailed(name);
        if (refuseTextAndNumbers && IsTextOrNumber(info.type)) ThrowWrongType(name);
        bytes.resize(got);
        if (typeOut) *typeOut = info.type;
        return bytes;
    }
}

void RegistryKey::Write(std::string_view name, DWORD type, const void* data, DWORD size) const {
    if (!key_ ||
        RegSetValueExW(key_.Get(), Wide(name).c_str(), 0, type, static_cast<const BYTE*>(data), size) != ERROR_SUCCESS) {
        throw RegistryError(FillIn(Translate("Failed to set data for '{0}'"), {name}));
    }
}

void RegistryKey::Write(StoredValue<std::int32_t> value, std::int32_t number) const {
    const DWORD data = static_cast<DWORD>(number);
    Write(value.name, REG_DWORD, &data, sizeof data);
}

void RegistryKey::Write(StoredValue<bool> value, bool flag) const {
    Write(StoredValue<std::int32_t>{value.name}, flag ? 1 : 0);
}

void RegistryKey::Write(StoredValue<std::string> value, std::string_view text) const {
    const std::wstring wide = Wide(text);
    // The terminating zero is part of the stored data.
    Write(value.name, REG_SZ, wide.c_str(), static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
}

void RegistryKey::Write(StoredValue<StoredBytes> value, std::span<const std::uint8_t> bytes) const {
    Write(value.name, REG_BINARY, bytes.data(), static_cast<DWORD>(bytes.size()));
}

void RegistryKey::WriteRaw(std::string_view name, const RawValue& value) const {
    Write(name, value.type, value.bytes.data(), static_cast<DWORD>(value.bytes.size()));
}

bool RegistryKey::Exists(std::string_view name) const {
    ValueInfo info;
    return QueryInfo(Wide(name), info);
}

bool RegistryKey::Delete(std::string_view name) const {
    return key_ && RegDeleteValueW(key_.Get(), Wide(name).c_str()) == ERROR_SUCCESS;
}

}  // namespace quorvel
