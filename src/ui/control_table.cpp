#include "ui/control_table.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "ui/font.h"
#include "ui/translated.h"

namespace quorvel::ui {

int ScaleForDpi(int pixels96, UINT dpi) { return MulDiv(pixels96, static_cast<int>(dpi), 96); }

RECT PlaceControl(const ControlSpec& control, SIZE designed, UINT dpi, int clientWidth, int clientHeight) {
    int left = ScaleForDpi(control.bounds.left, dpi);
    int top = ScaleForDpi(control.bounds.top, dpi);
    int width = ScaleForDpi(control.bounds.width, dpi);
    int height = ScaleForDpi(control.bounds.height, dpi);
    const int dx = clientWidth - ScaleForDpi(designed.cx, dpi);
    const int dy = clientHeight - ScaleForDpi(designed.cy, dpi);
    if (Has(control.anchors, Anchor::Right)) {
        if (Has(control.anchors, Anchor::Left)) width += dx; else left += dx;
    }
    if (Has(control.anchors, Anchor::Bottom)) {
        if (Has(control.anchors, Anchor::Top)) height += dy; else top += dy;
    }
    return RECT{left, top, left + (width > 0 ? width : 0), top + (height > 0 ? height : 0)};
}

void ControlLayout::Create(HWND parent, std::span<const ControlSpec> table, SIZE designed, UINT dpi,
                           const FontSpec* windowFont) {
    parent_ = parent;
    table_ = table;
    designed_ = designed;
    windowFont_ = windowFont;
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    for (const ControlSpec& control : table_) {
        const HWND hwnd =
            CreateWindowExW(control.exStyle, control.className, TranslateWide(control.text).c_str(),
                            WS_CHILD | WS_VISIBLE | control.style, 0, 0, 0, 0, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance, nullptr);
        if (!hwnd) throw std::runtime_error("Cannot create a control");
    }
    Apply(dpi);
}

void ControlLayout::Apply(UINT dpi) {
    if (table_.empty()) return;
    if (dpi != fontDpi_) {
        fontDpi_ = dpi;
        ApplyFonts();
    }
    RECT client{};
    GetClientRect(parent_, &client);
    HDWP batch = BeginDeferWindowPos(static_cast<int>(table_.size()));
    for (const ControlSpec& control : table_) {
        const RECT r = PlaceControl(control, designed_, dpi, client.right, client.bottom);
        const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
        if (batch) {
            batch = DeferWindowPos(batch, Item(control.id), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                                   flags);
        } else {
            SetWindowPos(Item(control.id), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, flags);
        }
    }
    if (batch) EndDeferWindowPos(batch);
    InvalidateRect(parent_, nullptr, TRUE);
}

HFONT ControlLayout::FontFor(const FontSpec* description) {
    for (const MadeFont& made : fonts_) {
        if (made.description == description) return made.font.Get();
    }
    Font font = description ? CreateFontFor(*description, fontDpi_, GlyphEdges::Smooth) : CreateMessageFont(fontDpi_);
    return fonts_.emplace_back(MadeFont{description, std::move(font)}).font.Get();
}

// Every control's font made anew for fontDpi_; the fonts of the old DPI go once
// no control uses them.
void ControlLayout::ApplyFonts() {
    std::vector<MadeFont> old = std::move(fonts_);
    fonts_.clear();
    for (FontOverride& o : overrides_) o.font = CreateFontFor(o.description, fontDpi_, GlyphEdges::Smooth);
    for (const ControlSpec& control : table_) {
        HFONT font = nullptr;
        for (const FontOverride& o : overrides_) {
            if (o.id == control.id) font = o.font.Get();
        }
        if (!font) font = FontFor(control.font ? control.font : windowFont_);
        SendMessageW(Item(control.id), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
}

void ControlLayout::SetFont(int id, const FontSpec& font) {
    auto found = std::find_if(overrides_.begin(), overrides_.end(), [id](const auto& o) { return o.id == id; });
    if (found == overrides_.end()) found = overrides_.insert(overrides_.end(), FontOverride{id, font, Font()});
    Font made = CreateFontFor(font, fontDpi_, GlyphEdges::Smooth);
    const HWND control = Item(id);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(made.Get()), FALSE);
    InvalidateRect(control, nullptr, TRUE);
    found->description = font;
    found->font = std::move(made);  // the old font goes once the control has let go of it
}

}  // namespace quorvel::ui
