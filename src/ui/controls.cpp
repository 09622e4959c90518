#include "ui/controls.h"

#include <stdexcept>

#include "ui/font.h"

namespace quorvel::ui {

int ScaleForDpi(int pixels96, UINT dpi) { return MulDiv(pixels96, static_cast<int>(dpi), 96); }

RECT PlaceControl(const ControlSpec& spec, SIZE designed, UINT dpi, int clientWidth, int clientHeight) {
    int left = ScaleForDpi(spec.bounds.left, dpi);
    int top = ScaleForDpi(spec.bounds.top, dpi);
    int width = ScaleForDpi(spec.bounds.width, dpi);
    int height = ScaleForDpi(spec.bounds.height, dpi);
    const int dx = clientWidth - ScaleForDpi(designed.cx, dpi);
    const int dy = clientHeight - ScaleForDpi(designed.cy, dpi);
    if (Has(spec.anchors, Anchor::Right)) {
        if (Has(spec.anchors, Anchor::Left)) width += dx; else left += dx;
    }
    if (Has(spec.anchors, Anchor::Bottom)) {
        if (Has(spec.anchors, Anchor::Top)) height += dy; else top += dy;
    }
    return RECT{left, top, left + (width > 0 ? width : 0), top + (height > 0 ? height : 0)};
}

void ControlLayout::Create(HWND parent, std::span<const ControlSpec> specs, SIZE designed, UINT dpi) {
    parent_ = parent;
    specs_ = specs;
    designed_ = designed;
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    for (const ControlSpec& spec : specs_) {
        const HWND control =
            CreateWindowExW(spec.exStyle, spec.className, spec.text, WS_CHILD | WS_VISIBLE | spec.style, 0, 0, 0, 0,
                            parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)), instance, nullptr);
        if (!control) throw std::runtime_error("Cannot create a control");
    }
    Apply(dpi);
}

void ControlLayout::Apply(UINT dpi) {
    if (specs_.empty()) return;
    if (dpi != fontDpi_ || !font_) {
        font_ = CreateMessageFont(dpi);
        fontDpi_ = dpi;
        for (const ControlSpec& spec : specs_) {
            SendMessageW(Item(spec.id), WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
        }
    }
    RECT client{};
    GetClientRect(parent_, &client);
    HDWP batch = BeginDeferWindowPos(static_cast<int>(specs_.size()));
    for (const ControlSpec& spec : specs_) {
        const RECT r = PlaceControl(spec, designed_, dpi, client.right, client.bottom);
        const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
        if (batch) {
            batch = DeferWindowPos(batch, Item(spec.id), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                                   flags);
        } else {
            SetWindowPos(Item(spec.id), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, flags);
        }
    }
    if (batch) EndDeferWindowPos(batch);
    InvalidateRect(parent_, nullptr, TRUE);
}

}  // namespace quorvel::ui
