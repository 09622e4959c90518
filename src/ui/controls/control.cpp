#include "ui/controls/control.h"

#include <stdexcept>

#include "core/wide.h"
#include "ui/window.h"

namespace quorvel::ui {
namespace {
constexpr wchar_t kProperty[] = L"Quorvel.Control";
}  // namespace

std::string WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

Control::~Control() { Detach(); }

void Control::SetText(std::string_view text) { SetWindowTextW(hwnd_, Wide(text).c_str()); }

void Control::SetEnabled(bool enabled) {
    if (enabled == Enabled()) return;
    EnableWindow(hwnd_, enabled);
    OnEnabledChanged();
}

bool Control::KeepsKey(const MSG& msg) const {
    const LRESULT code = SendMessageW(hwnd_, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
    return (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) != 0;
}

void Control::Attach(HWND control) {
    if (!control) throw std::invalid_argument("Control::Attach: no control");
    Detach();
    hwnd_ = control;
    SetPropW(hwnd_, kProperty, this);
    // The Window base keeps its own DPI (WM_DPICHANGED): ask it when it is ours.
    const HWND root = GetAncestor(hwnd_, GA_ROOT);
    if (const Window* window = Window::FromHandle(root)) {
        dpi_ = window->Dpi();
    } else {
        dpi_ = GetDpiForWindow(root);
        if (dpi_ == 0) dpi_ = USER_DEFAULT_SCREEN_DPI;
    }
    OnAttach();
}

void Control::Detach() {
    if (hwnd_ && GetPropW(hwnd_, kProperty) == this) RemovePropW(hwnd_, kProperty);
    hwnd_ = nullptr;
}

Control* Control::FromHandle(HWND control) {
    return control ? static_cast<Control*>(GetPropW(control, kProperty)) : nullptr;
}

void Control::ParentDpiChanged(UINT dpi) {
    const UINT old = dpi_;
    dpi_ = dpi;
    if (old != dpi) OnDpiChanged(old);
}

}  // namespace quorvel::ui
