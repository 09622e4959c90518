// Keyboard handling of the Window base: its accelerators, the default and
// cancel buttons, dialog navigation in windows that are not dialogs, the
// keyboard's return to the control that had it, and where a menu opened from
// the keyboard goes.
#include "ui/window.h"

#include <commctrl.h>

#include "ui/controls/control.h"

namespace quorvel::ui {

Accelerators MakeAccelerators(std::span<const ACCEL> keys) {
    // The table is only read: the missing const is the API's.
    return Accelerators(CreateAcceleratorTableW(const_cast<ACCEL*>(keys.data()), static_cast<int>(keys.size())));
}

bool Window::PreTranslateMessage(MSG& msg) {
    if (accelerators_ && TranslateAcceleratorW(hwnd_, accelerators_.Get(), &msg)) return true;
    if (HandleEnterOrEscape(msg)) return true;
    if (GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) return IsDialogMessageW(hwnd_, &msg) != FALSE;
    return false;
}

void Window::SetDefaultButton(int id) {
    if (const HWND old = defaultButton_ ? Item(defaultButton_) : nullptr) {
        SendMessageW(old, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    }
    defaultButton_ = id;
    if (const HWND button = id ? Item(id) : nullptr) SendMessageW(button, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
}

// As a click would: WM_COMMAND BN_CLICKED from an enabled button; false when
// there is no such button.
bool Window::PressButton(int id) {
    const HWND button = id ? Item(id) : nullptr;
    if (!button || !IsWindowEnabled(button)) return false;
    SendMessageW(hwnd_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    return true;
}

bool Window::HandleEnterOrEscape(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || (msg.wParam != VK_RETURN && msg.wParam != VK_ESCAPE)) return false;
    if (msg.hwnd != hwnd_ && !IsChild(hwnd_, msg.hwnd)) return false;
    // A control that wants the key keeps it: a multi-line edit with ES_WANTRETURN,
    // a dropped-down combo box ... A wrapper knows best; other controls are asked.
    LRESULT code = 0;
    if (msg.hwnd != hwnd_) {
        code = SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
        const Control* wrapper = Control::FromHandle(msg.hwnd);
        if (wrapper ? wrapper->KeepsKey(msg) : (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) != 0) return false;
    }
    // A declared button owns its key even while disabled (IsDialogMessage would
    // send IDOK / IDCANCEL instead); undeclared keys go on to IsDialogMessage.
    if (msg.wParam == VK_ESCAPE) {
        if (!cancelButton_) return false;
        PressButton(cancelButton_);
        return true;
    }
    if ((code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) && msg.hwnd != hwnd_) {
        return PressButton(GetDlgCtrlID(msg.hwnd));  // the focused push button
    }
    if (!defaultButton_) return false;
    PressButton(defaultButton_);
    return true;
}

// Activation puts the keyboard back on the control that had it, or on the first
// tab stop (table order), as a dialog does.
// False when there is no such control (DefWindowProc then focuses the window).
bool Window::FocusOnActivation(WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus)) lastFocus_ = focus;
        return false;
    }
    if (HIWORD(wParam)) return false;  // minimised
    const HWND target =
        lastFocus_ && IsChild(hwnd_, lastFocus_) ? lastFocus_ : GetNextDlgTabItem(hwnd_, nullptr, FALSE);
    if (!target) return false;
    SetFocus(target);
    return true;
}

// What DefDlgProc does for WM_NEXTDLGCTL, for IsDialogMessage's mnemonics of
// labels and the like in windows that are not dialogs.
void Window::NextDialogControl(WPARAM wParam, LPARAM lParam) {
    const HWND target =
        LOWORD(lParam) ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(hwnd_, GetFocus(), wParam != 0);
    if (!target || !IsChild(hwnd_, target)) return;
    SetFocus(target);
    if (SendMessageW(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageW(target, EM_SETSEL, 0, -1);
}

// Where a menu opened from the keyboard goes: below a list view's focused item,
// else at the control's top left corner (the window's client area for the window).
POINT Window::KeyboardMenuPoint(HWND control) {
    RECT r{};
    wchar_t cls[32] = {};
    GetClassNameW(control, cls, 32);
    const int item = lstrcmpiW(cls, WC_LISTVIEWW) == 0
                         ? static_cast<int>(SendMessageW(control, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED))
                         : -1;
    r.left = LVIR_BOUNDS;
    if (item >= 0 && SendMessageW(control, LVM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&r))) {
        POINT p{r.left, r.bottom};
        ClientToScreen(control, &p);
        return p;
    }
    POINT p{0, 0};
    ClientToScreen(control, &p);
    return p;
}

}  // namespace quorvel::ui
