// A keyboard shortcut as a hot-key control gives it and the settings store
// it: the virtual key in the low byte, the HOTKEYF_* modifiers in the next.
#pragma once

#include <cstdint>

namespace quorvel {

// The hot-key control's modifier flags (HOTKEYF_*), as stored.
inline constexpr std::uint8_t kHotKeyShift = 0x01;
inline constexpr std::uint8_t kHotKeyControl = 0x02;
inline constexpr std::uint8_t kHotKeyAlt = 0x04;
inline constexpr std::uint8_t kHotKeyExtended = 0x08;  // an extended key, not a modifier

struct HotKey {
    std::uint8_t key = 0;  // virtual-key code; 0: no shortcut
    std::uint8_t modifiers = 0;

    bool operator==(const HotKey&) const = default;
};

// The stored value's low 16 bits; the bits above are not a shortcut's.
HotKey HotKeyFromStored(std::int32_t value);
std::int32_t StoredHotKey(HotKey hotKey);

// The modifiers as RegisterHotKey takes them (MOD_ALT 1, MOD_CONTROL 2,
// MOD_SHIFT 4), with MOD_NOREPEAT: a held key toggles once.
unsigned SystemHotKeyModifiers(HotKey hotKey);

// Whether the shortcut may be taken from every program: with Ctrl or Alt, or
// a function key. A lone letter or Shift+letter would take that character
// from everyone's typing.
bool UsableEverywhere(HotKey hotKey);

}  // namespace quorvel
