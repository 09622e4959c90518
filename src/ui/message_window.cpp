#include "ui/message_window.h"

#include <stdexcept>
#include <utility>

#include "core/translation.h"
#include "ui/module.h"

namespace quorvel::ui {
namespace {
constexpr wchar_t kClass[] = L"QuorvelMessageWindow";
}  // namespace

MessageWindow::MessageWindow(Handler handler) : handler_(std::move(handler)) {
    static const ATOM registered = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &MessageWindow::Proc;
        wc.hInstance = ModuleHandle();
        wc.lpszClassName = kClass;
        return RegisterClassExW(&wc);
    }();
    if (registered == 0) throw std::runtime_error(N_("Cannot register the message window class"));
    hwnd_ = CreateWindowExW(0, kClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, ModuleHandle(), nullptr);
    if (!hwnd_) throw std::runtime_error(N_("Cannot create a message window"));
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

MessageWindow::~MessageWindow() {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
}

LRESULT CALLBACK MessageWindow::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<MessageWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self || !self->handler_) return DefWindowProcW(hwnd, msg, wParam, lParam);
    LRESULT result = 0;
    try {
        // Nothing of self is touched after the handler: it may have destroyed it.
        if (self->handler_(msg, wParam, lParam, result)) return result;
    } catch (...) {
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace quorvel::ui
