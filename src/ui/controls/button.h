// Buttons: a push button with a click handler, and what every kind of button
// can have: an icon, and no keyboard focus of its own (a tool-like button the
// pointer presses while the focus stays where the user is typing).
#pragma once

#include <functional>

#include "ui/controls/control.h"

namespace quorvel::ui {

class ButtonControl : public Control {
public:
    // Shows the icon (not owned; it must outlive its showing). The same icon
    // again sends nothing.
    void SetIcon(HICON icon);
    // false: a click leaves the keyboard focus where it was.
    void SetTakesFocus(bool takesFocus);
    // As a user's click: pressed and released.
    void Click() const;

protected:
    void OnAttach() override;

private:
    static LRESULT CALLBACK KeepFocusAway(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                          DWORD_PTR data);
    HICON icon_ = nullptr;
    bool takesFocus_ = true;
};

// A push button (BS_PUSHBUTTON, BS_DEFPUSHBUTTON).
class Button : public ButtonControl {
public:
    std::function<void()> onClick;
    bool ReflectCommand(int code) override;
};

}  // namespace quorvel::ui
