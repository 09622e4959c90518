#include "core/hot_key.h"

namespace quorvel {
namespace {

constexpr unsigned kModAlt = 0x0001;
constexpr unsigned kModControl = 0x0002;
constexpr unsigned kModShift = 0x0004;
constexpr unsigned kModNoRepeat = 0x4000;
constexpr std::uint8_t kFirstFunctionKey = 0x70;  // F1
constexpr std::uint8_t kLastFunctionKey = 0x87;   // F24

}  // namespace

HotKey HotKeyFromStored(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    return HotKey{static_cast<std::uint8_t>(bits & 0xFF), static_cast<std::uint8_t>((bits >> 8) & 0xFF)};
}

std::int32_t StoredHotKey(HotKey hotKey) { return hotKey.key | (hotKey.modifiers << 8); }

unsigned SystemHotKeyModifiers(HotKey hotKey) {
    unsigned modifiers = kModNoRepeat;
    if (hotKey.modifiers & kHotKeyAlt) modifiers |= kModAlt;
    if (hotKey.modifiers & kHotKeyControl) modifiers |= kModControl;
    if (hotKey.modifiers & kHotKeyShift) modifiers |= kModShift;
    return modifiers;
}

bool UsableEverywhere(HotKey hotKey) {
    if (hotKey.key == 0) return false;
    if (hotKey.modifiers & (kHotKeyControl | kHotKeyAlt)) return true;
    return hotKey.key >= kFirstFunctionKey && hotKey.key <= kLastFunctionKey;
}

}  // namespace quorvel
