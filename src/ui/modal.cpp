#include "ui/modal.h"

namespace quorvel::ui {

void DispatchOne(MSG& msg) {
    // Pre-translation is about keys; asking every tick and paint for its
    // top-level window would cost a question to the window system each.
    if (msg.hwnd && msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) {
        if (Window* window = Window::FromHandle(GetAncestor(msg.hwnd, GA_ROOT))) {
            if (window->PreTranslateMessage(msg)) return;
        }
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

int RunMessageLoop() {
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchOne(msg);
    return static_cast<int>(msg.wParam);
}

int RunModal(Window& dialog, HWND owner) {
    const HWND hwnd = dialog.Handle();
    if (!hwnd) return IDCANCEL;
    dialog.modal_ = true;
    dialog.modalResult_ = 0;
    const HWND focus = GetFocus();
    const bool disableOwner = owner && IsWindowEnabled(owner);
    if (disableOwner) EnableWindow(owner, FALSE);
    ShowWindow(hwnd, SW_SHOW);

    bool quit = false;
    WPARAM quitCode = 0;
    MSG msg{};
    while (dialog.modalResult_ == 0 && dialog.Handle()) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            quit = true;
            quitCode = msg.wParam;
            break;
        }
        if (got == -1) break;
        DispatchOne(msg);
    }

    const int result = dialog.modalResult_ != 0 ? dialog.modalResult_ : IDCANCEL;
    // The owner is enabled before the dialog hides, so activation goes back to
    // it and not to some other program's window.
    if (disableOwner) EnableWindow(owner, TRUE);
    if (dialog.Handle()) ShowWindow(dialog.Handle(), SW_HIDE);
    // The keyboard goes back to the control that had it before the dialog.
    if (focus && IsWindow(focus) && IsWindowVisible(focus)) {
        SetForegroundWindow(GetAncestor(focus, GA_ROOT));
        SetFocus(focus);
    }
    dialog.modal_ = false;
    if (quit) PostQuitMessage(static_cast<int>(quitCode));
    return result;
}

}  // namespace quorvel::ui
