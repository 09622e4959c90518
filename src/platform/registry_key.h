// RegistryKey: one open key of the current user's registry, closed when the
// object goes, so no key stays open between operations:
//
//   if (const RegistryKey key = RegistryKey::Open(kSettingsKey, false)) {
//       const std::int32_t left = key.Read(kWinLeftValue);  // throws RegistryError
//   }
//
// Values are named by the table of core/stored_values.h, which gives each its
// type. Reads and writes throw RegistryError; opening reports failure by the
// key's truth; Exists and Delete never throw. Names and text are UTF-8.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/stored_values.h"
#include "core/unique.h"

namespace quorvel {

struct RegKeyDeleter {
    void operator()(HKEY h) const { RegCloseKey(h); }
};
using RegKey = Unique<HKEY, RegKeyDeleter>;

// A registry read or write that failed. Its text ("Invalid data type for 'X'",
// "Failed to get data for 'X'", "Failed to set data for 'X'") names the value.
class RegistryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class RegistryKey {
public:
    // Opens `path` from the root of HKEY_CURRENT_USER (a leading backslash is
    // allowed) with full access. Without `canCreate` a missing key gives an
    // empty object; with it, missing keys are created. Never throws.
    static RegistryKey Open(std::string_view path, bool canCreate);

    RegistryKey(RegistryKey&&) noexcept = default;
    RegistryKey& operator=(RegistryKey&&) noexcept = default;

    explicit operator bool() const { return static_cast<bool>(key_); }
    // After an Open that failed: whether the key is absent, rather than there
    // but refused.
    bool Missing() const { return missing_; }

    // REG_SZ or REG_EXPAND_SZ, cut at its first zero character; a missing or
    // zero-length value gives "", any other type throws.
    std::string Read(StoredValue<std::string> value) const;
    // A REG_DWORD; throws when the value is missing or of another type.
    std::int32_t Read(StoredValue<std::int32_t> value) const;
    bool Read(StoredValue<bool> value) const;
    // The raw bytes of a value of any type but REG_SZ, REG_EXPAND_SZ and
    // REG_DWORD (those throw, as does a missing value).
    StoredBytes Read(StoredValue<StoredBytes> value) const;

    // REG_SZ with its terminating zero, 4-byte REG_DWORD (flags as 0 or 1),
    // REG_BINARY. Each throws when the registry refuses the write.
    void Write(StoredValue<std::string> value, std::string_view text) const;
    void Write(StoredValue<std::int32_t> value, std::int32_t number) const;
    void Write(StoredValue<bool> value, bool flag) const;
    void Write(StoredValue<StoredBytes> value, std::span<const std::uint8_t> bytes) const;

    // A value of any type as it is stored, for copying it unchanged.
    struct RawValue {
        DWORD type = REG_NONE;
        StoredBytes bytes;
    };
    // Throws when the value is missing or cannot be read.
    RawValue ReadRaw(std::string_view name) const;
    void WriteRaw(std::string_view name, const RawValue& value) const;

    // True for a value of any type.
    bool Exists(std::string_view name) const;
    // True when the value was there and is now gone. Never throws.
    bool Delete(std::string_view name) const;

private:
    RegistryKey() = default;

    struct ValueInfo {
        DWORD type = REG_NONE;
        DWORD size = 0;
    };
    // Type and size of a value; false when it does not exist.
    bool QueryInfo(const std::wstring& name, ValueInfo& info) const;
    void Write(std::string_view name, DWORD type, const void* data, DWORD size) const;
    StoredBytes ReadBytes(std::string_view name, bool refuseTextAndNumbers, DWORD* type) const;

    RegKey key_;
    bool missing_ = false;
};

}  // namespace quorvel
