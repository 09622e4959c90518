// A check box (BS_AUTOCHECKBOX, also with BS_PUSHLIKE as a toggle button) whose
// click handler runs exactly when its state changes, by the user or by code.
#pragma once

#include <functional>

#include "ui/controls/button.h"

namespace quorvel::ui {

class CheckBox : public ButtonControl {
public:
    bool Checked() const { return checked_; }
    // Sets the state; runs onClick only when it really changes.
    void SetChecked(bool checked);

    // After every real change of the state.
    std::function<void()> onClick;

    bool ReflectCommand(int code) override;

protected:
    void OnAttach() override;

private:
    bool checked_ = false;
};

}  // namespace quorvel::ui
