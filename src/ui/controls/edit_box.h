// A one-line edit box (EDIT) with UTF-8 text.
#pragma once

#include <functional>

#include "ui/controls/control.h"

namespace quorvel::ui {

class EditBox : public Control {
public:
    // Selects the whole text, as tabbing into the box does.
    void SelectAll() const;

    // The text changed (EN_CHANGE), by the user or by code.
    std::function<void()> onChange;
    // The keyboard focus left the box (EN_KILLFOCUS).
    std::function<void()> onExit;

    bool ReflectCommand(int code) override;
};

}  // namespace quorvel::ui
