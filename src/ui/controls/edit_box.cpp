#include "ui/controls/edit_box.h"

namespace quorvel::ui {

void EditBox::SelectAll() const { SendMessageW(Handle(), EM_SETSEL, 0, -1); }

bool EditBox::ReflectCommand(int code) {
    if (code == EN_CHANGE && onChange) onChange();
    if (code == EN_KILLFOCUS && onExit) onExit();
    return code == EN_CHANGE || code == EN_KILLFOCUS;
}

}  // namespace quorvel::ui
