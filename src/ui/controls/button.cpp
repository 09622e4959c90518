#include "ui/controls/button.h"

#include "ui/common_controls.h"

namespace quorvel::ui {

void ButtonControl::OnAttach() { icon_ = reinterpret_cast<HICON>(SendMessageW(Handle(), BM_GETIMAGE, IMAGE_ICON, 0)); }

void ButtonControl::SetIcon(HICON icon) {
    if (icon == icon_) return;
    icon_ = icon;
    SendMessageW(Handle(), BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
}

void ButtonControl::SetTakesFocus(bool takesFocus) {
    if (takesFocus == takesFocus_) return;
    takesFocus_ = takesFocus;
    if (takesFocus) {
        comctl::RemoveWindowSubclass(Handle(), &KeepFocusAway, 0);
    } else {
        comctl::SetWindowSubclass(Handle(), &KeepFocusAway, 0, 0);
    }
}

// A button takes the focus when the pointer presses it; this one hands it
// straight back to the control it came from.
LRESULT CALLBACK ButtonControl::KeepFocusAway(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                              DWORD_PTR) {
    if (msg == WM_SETFOCUS) {
        const HWND previous = reinterpret_cast<HWND>(wParam);
        if (previous && previous != hwnd && IsWindow(previous)) {
            SetFocus(previous);
            return 0;
        }
    }
    if (msg == WM_NCDESTROY) comctl::RemoveWindowSubclass(hwnd, &KeepFocusAway, id);
    return comctl::DefSubclassProc(hwnd, msg, wParam, lParam);
}

void ButtonControl::Click() const { SendMessageW(Handle(), BM_CLICK, 0, 0); }

bool Button::ReflectCommand(int code) {
    if (code != BN_CLICKED) return false;
    if (onClick) onClick();
    return true;
}

}  // namespace quorvel::ui
