// A combo box: a drop-down list (CBS_DROPDOWNLIST) or an edit field with a
// drop-down list (CBS_DROPDOWN), its items and text in UTF-8.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "ui/controls/control.h"

namespace quorvel::ui {

class ComboBox : public Control {
public:
    void AddItem(std::string_view text);
    // Removes every item.
    void Clear();
    int Count() const;
    std::string ItemText(int index) const;
    // The selected item's index, -1 for none.
    int Selected() const;
    // Selects an item (-1: none); runs no handler.
    void Select(int index);

    // The user picked an item from the list.
    std::function<void()> onSelect;
    // The text of an editable combo box changed, by typing or by picking an
    // item; given the new text (the edit field still holds the old text while
    // a pick is announced).
    std::function<void(const std::string& text)> onTextChange;

    bool ReflectCommand(int code) override;
};

}  // namespace quorvel::ui
