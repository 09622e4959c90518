#include "ui/controls/check_box.h"

namespace quorvel::ui {

void CheckBox::OnAttach() {
    ButtonControl::OnAttach();
    checked_ = SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CheckBox::SetChecked(bool checked) {
    if (checked == checked_) return;
    SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    checked_ = checked;
    if (onClick) onClick();
}

bool CheckBox::ReflectCommand(int code) {
    if (code != BN_CLICKED) return false;
    const bool now = SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
    if (now != checked_) {
        checked_ = now;
        if (onClick) onClick();
    }
    return true;
}

}  // namespace quorvel::ui
