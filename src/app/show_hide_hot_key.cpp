#include "app/show_hide_hot_key.h"

#include <utility>

#include "app/clock_tray.h"
#include "core/translation.h"
#include "core/wide.h"

namespace quorvel {
namespace {

constexpr int kHotKeyId = 1;

}  // namespace

std::string ShortcutName(HotKey hotKey) {
    std::string name;
    if (hotKey.modifiers & kHotKeyControl) name += "Ctrl+";
    if (hotKey.modifiers & kHotKeyShift) name += "Shift+";
    if (hotKey.modifiers & kHotKeyAlt) name += "Alt+";
    LONG scan = static_cast<LONG>(MapVirtualKeyW(hotKey.key, MAPVK_VK_TO_VSC)) << 16;
    if (hotKey.modifiers & kHotKeyExtended) scan |= 1L << 24;
    wchar_t key[64] = {};
    const int length = GetKeyNameTextW(scan, key, 64);
    return name + (length > 0 ? Narrow(std::wstring_view(key, static_cast<std::size_t>(length)))
                              : "key " + std::to_string(hotKey.key));
}

ShowHideHotKey::ShowHideHotKey(ClockWindow& clock, ClockTray& tray) : clock_(clock), tray_(tray) {
    clock_.AddMessageHandler(*this);
}

ShowHideHotKey::~ShowHideHotKey() { Release(); }

void ShowHideHotKey::Release() {
    if (std::exchange(registered_, false)) UnregisterHotKey(clock_.Handle(), kHotKeyId);
}

bool ShowHideHotKey::Set(std::int32_t stored) {
    Release();
    const HotKey hotKey = HotKeyFromStored(stored);
    if (hotKey.key == 0) return true;
    if (!UsableEverywhere(hotKey)) return false;
    registered_ = RegisterHotKey(clock_.Handle(), kHotKeyId, SystemHotKeyModifiers(hotKey), hotKey.key) != FALSE;
    return registered_;
}

std::string ShowHideHotKey::Refusal(std::int32_t stored) const {
    const HotKey hotKey = HotKeyFromStored(stored);
    if (hotKey.key == 0 || registered_) return {};
    if (!UsableEverywhere(hotKey)) {
        return FillIn(Translate("The shortcut {0} would take a key from every program's typing: a shortcut to show "
                                "and hide the clock needs Ctrl or Alt, or a function key."),
                      {ShortcutName(hotKey)});
    }
    return FillIn(Translate("The shortcut {0} cannot show and hide the clock: another program already uses it."),
                  {ShortcutName(hotKey)});
}

bool ShowHideHotKey::HandleClockMessage(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    if (msg != WM_HOTKEY || wParam != kHotKeyId) return false;
    Toggle();
    result = 0;
    return true;
}

// A clock off the screen (hidden to the tray, or out of a full-screen
// program's way) comes back to the front; a shown one goes to the tray.
void ShowHideHotKey::Toggle() { tray_.ToggleHidden(); }

}  // namespace quorvel
