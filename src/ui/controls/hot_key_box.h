// A hot-key control (HOTKEY_CLASSW): the user presses a shortcut and it shows
// it. Its value is the virtual key in the low byte and the HOTKEYF_* modifiers
// in the next (core/hot_key.h). It accepts only shortcuts with Ctrl or Alt: a
// lone key or Shift+key becomes Ctrl+Alt+key.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "ui/controls/control.h"

namespace quorvel::ui {

class HotKeyBox : public Control {
public:
    std::uint16_t Value() const;
    // Sets the shown shortcut; runs onChange only when it really changes.
    void SetValue(std::uint16_t value);

    // After every change, by the user or by code.
    std::function<void(std::uint16_t value)> onChange;

    bool ReflectCommand(int code) override;

protected:
    void OnAttach() override;

private:
    std::uint16_t value_ = 0;
};

}  // namespace quorvel::ui
