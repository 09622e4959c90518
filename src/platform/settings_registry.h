// SettingsRegistry: the program's one way into the current user's registry,
// shared by the clock settings, the start-up entry and the alarm list.
//
// It has at most one key open at a time. Every operation of the program starts
// with OpenKey, which closes whatever key is still open and opens the new one
// from the root of HKEY_CURRENT_USER, so nothing carries over between operations:
//
//   SettingsRegistry registry;
//   if (registry.OpenKey("\\Software\\Quorvel1.1", false)) {
//       const std::int32_t left = registry.ReadInteger("WinLeft");  // throws RegistryError
//       registry.CloseKey();
//   }
//
// Reads and writes throw RegistryError; opening reports failure by its result;
// ValueExists and DeleteValue never throw. Names and text are UTF-8.
#pragma once

#include <windows.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/product.h"
#include <vector>

#include "core/unique.h"

namespace quorvel {

struct RegKeyDeleter {
    void operator()(HKEY h) const { RegCloseKey(h); }
};
using RegKey = Unique<HKEY, RegKeyDeleter>;

// The key of the clock's settings and the alarm list, under HKEY_CURRENT_USER.

// A registry read or write that failed. Its text ("Invalid data type for 'X'",
// "Failed to get data for 'X'", "Failed to set data for 'X'") names the value.
class RegistryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class SettingsRegistry {
public:
    SettingsRegistry() = default;
    SettingsRegistry(const SettingsRegistry&) = delete;
    SettingsRegistry& operator=(const SettingsRegistry&) = delete;

    // Closes the open key (if any), then opens `path` under HKEY_CURRENT_USER with
    // full access; a leading backslash is allowed. Without `canCreate` a missing
    // key gives false; with it, missing keys are created. Never throws.
    bool OpenKey(std::string_view path, bool canCreate);
    void CloseKey();
    bool HasOpenKey() const { return static_cast<bool>(key_); }
    // After an OpenKey that gave false: whether the key is absent, rather than
    // there but refused.
    bool KeyWasMissing() const { return keyMissing_; }

    // A REG_DWORD value. Throws when the value is missing or of another type.
    std::int32_t ReadInteger(std::string_view name) const;
    bool ReadBool(std::string_view name) const { return ReadInteger(name) != 0; }

    // A REG_SZ or REG_EXPAND_SZ value, cut at its first zero character. A missing
    // or zero-length value gives ""; any other type throws.
    std::string ReadString(std::string_view name) const;

    // The raw bytes of a value of any type but REG_SZ, REG_EXPAND_SZ and
    // REG_DWORD (those throw, as does a missing value).
    std::vector<std::uint8_t> ReadBinary(std::string_view name) const;
    // The raw bytes of a value of any type (a string's with its zero), for
    // copying a value as it is; throws when it is missing or cannot be read.
    std::vector<std::uint8_t> ReadRaw(std::string_view name) const;

    // 4-byte REG_DWORD (flags as 0 or 1), REG_SZ with its terminating zero,
    // REG_BINARY. Each throws when the registry refuses the write.
    void WriteInteger(std::string_view name, std::int32_t value) const;
    void WriteBool(std::string_view name, bool value) const { WriteInteger(name, value ? 1 : 0); }
    void WriteString(std::string_view name, std::string_view value) const;
    void WriteBinary(std::string_view name, const std::vector<std::uint8_t>& bytes) const;

    // True for a value of any type under the open key.
    bool ValueExists(std::string_view name) const;
    // True when the value was there and is now gone. Never throws.
    bool DeleteValue(std::string_view name) const;

private:
    struct ValueInfo {
        DWORD type = REG_NONE;
        DWORD size = 0;
    };
    // Type and size of a value; false when it does not exist.
    bool QueryInfo(const std::wstring& name, ValueInfo& info) const;
    void Write(std::string_view name, DWORD type, const void* data, DWORD size) const;
    HKEY OpenKeyOrThrow(std::string_view name) const;
    std::vector<std::uint8_t> ReadBytes(std::string_view name, bool refuseTextAndNumbers) const;

    RegKey key_;
    bool keyMissing_ = false;
};

}  // namespace quorvel
