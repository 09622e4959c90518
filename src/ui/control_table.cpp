#include "ui/control_table.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include <commctrl.h>

#include <string>

#include "ui/common_controls.h"
#include "ui/font.h"
#include "ui/translated.h"

namespace quorvel::ui {

int ScaleForDpi(int pixels96, UINT dpi) { return MulDiv(pixels96, static_cast<int>(dpi), 96); }

namespace {

// The width of a one-line caption in the control's font.
int TextWidth(HWND control, const std::wstring& text, bool noPrefix) {
    const HDC dc = GetDC(control);
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_CALCRECT | DT_SINGLELINE | (noPrefix ? DT_NOPREFIX : 0u));
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return r.right - r.left;
}

}  // namespace

RECT PlaceControl(const ControlSpec& control, SIZE designed, UINT dpi, int clientWidth, int clientHeight,
                  int widening) {
    const auto wider = [&](int pixels96) { return MulDiv(ScaleForDpi(pixels96, dpi), widening, 1000); };
    int left = wider(control.bounds.left);
    int top = ScaleForDpi(control.bounds.top, dpi);
    int width = wider(control.bounds.left + control.bounds.width) - left;
    int height = ScaleForDpi(control.bounds.height, dpi);
    const int dx = clientWidth - wider(designed.cx);
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
    (void)comctl::Load();  // without it a common control fails to be made, and says so below
    for (const ControlSpec& control : table_) {
        const HWND hwnd =
            CreateWindowExW(control.exStyle, control.className, TranslateWide(control.text).c_str(),
                            WS_CHILD | WS_VISIBLE | control.style, 0, 0, 0, 0, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance, nullptr);
        if (!hwnd) throw std::runtime_error(N_("Cannot create a control"));
        // A date or a time reads as the user's formats write it, left to right
        // also in a window mirrored for a language written right to left.
        if (lstrcmpiW(control.className, DATETIMEPICK_CLASSW) == 0) {
            SetWindowLongPtrW(hwnd, GWL_EXSTYLE, GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & ~WS_EX_LAYOUTRTL);
        }
    }
    Apply(dpi);
}

void ControlLayout::Apply(UINT dpi) {
    if (table_.empty()) return;
    if (dpi != fontDpi_) {
        fontDpi_ = dpi;
        ApplyFonts();
        widening_ = MeasureWidening();
    }
    RECT client{};
    GetClientRect(parent_, &client);
    HDWP batch = BeginDeferWindowPos(static_cast<int>(table_.size()));
    for (const ControlSpec& control : table_) {
        const RECT r = PlaceControl(control, designed_, dpi, client.right, client.bottom, widening_);
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

int ControlLayout::ExtraWidth() const {
    const int designed = ScaleForDpi(designed_.cx, fontDpi_);
    return MulDiv(designed, widening_, 1000) - designed;
}

// Labels, check boxes and push buttons are measured in their own fonts, with
// the check box's box and the button's edges; other controls have no caption
// of their own to fit.
int ControlLayout::MeasureWidening() const {
    int widening = 1000;
    for (const ControlSpec& control : table_) {
        const HWND hwnd = Item(control.id);
        const int length = GetWindowTextLengthW(hwnd);
        const int width = ScaleForDpi(control.bounds.width, fontDpi_);
        if (length == 0 || width <= 0) continue;
        const auto style = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
        int extra = 0;
        if (lstrcmpiW(control.className, WC_BUTTONW) == 0) {
            const DWORD kind = style & BS_TYPEMASK;
            if (kind == BS_AUTOCHECKBOX || kind == BS_CHECKBOX || kind == BS_AUTORADIOBUTTON || kind == BS_RADIOBUTTON) {
                extra = ScaleForDpi(13 + 4, fontDpi_);  // the box and the gap before the text
            } else if (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON) {
                extra = ScaleForDpi(4, fontDpi_);  // the raised edges
            } else {
                continue;
            }
        } else if (lstrcmpiW(control.className, WC_STATICW) != 0) {
            continue;
        }
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), length + 1)));
        const int needed = TextWidth(hwnd, text, (style & SS_NOPREFIX) && extra == 0) + extra;
        // As PlaceControl rounds the widened edges.
        const int left = ScaleForDpi(control.bounds.left, fontDpi_);
        const int right = ScaleForDpi(control.bounds.left + control.bounds.width, fontDpi_);
        const auto placed = [&](int w) { return MulDiv(right, w, 1000) - MulDiv(left, w, 1000); };
        int w = widening;
        if (placed(w) < needed) w = std::max(w, (needed * 1000 + width - 1) / width);
        while (placed(w) < needed) ++w;
        widening = w;
    }
    return widening;
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
