#include "ui/controls/hot_key_box.h"

#include <commctrl.h>

namespace quorvel::ui {

void HotKeyBox::OnAttach() {
    SendMessageW(Handle(), HKM_SETRULES, HKCOMB_NONE | HKCOMB_S, MAKELPARAM(HOTKEYF_CONTROL | HOTKEYF_ALT, 0));
    value_ = Value();
}

std::uint16_t HotKeyBox::Value() const {
    return static_cast<std::uint16_t>(SendMessageW(Handle(), HKM_GETHOTKEY, 0, 0) & 0xFFFF);
}

void HotKeyBox::SetValue(std::uint16_t value) {
    if (value == value_) return;
    SendMessageW(Handle(), HKM_SETHOTKEY, value, 0);
    value_ = Value();
    if (onChange) onChange(value_);
}

// The control tells a change by EN_CHANGE, also for a modifier pressed alone.
bool HotKeyBox::ReflectCommand(int code) {
    if (code != EN_CHANGE) return false;
    const std::uint16_t now = Value();
    if (now != value_) {
        value_ = now;
        if (onChange) onChange(value_);
    }
    return true;
}

}  // namespace quorvel::ui
