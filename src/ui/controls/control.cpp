#include "ui/controls/control.h"

#include <stdexcept>

#include "ui/window.h"

namespace quorvel::ui {
namespace {
constexpr wchar_t kProperty[] = L"Quorvel.Control";
}  // namespace

Control::~Control() { Detach(); }

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
