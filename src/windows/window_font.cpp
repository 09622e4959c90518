#include "windows/window_font.h"

#include "ui/controls.h"
#include "ui/font.h"

namespace quorvel {

ui::Font SetControlsFont(HWND window, const FontSpec& font, UINT dpi) {
    ui::Font gdiFont = ui::CreateFontFor(font, dpi, ui::GlyphEdges::Smooth);
    EnumChildWindows(
        window,
        [](HWND child, LPARAM handle) -> BOOL {
            SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(handle), TRUE);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(gdiFont.Get()));
    return gdiFont;
}

SIZE OuterSizeFor(int clientWidth96, int clientHeight96, DWORD style, DWORD exStyle, UINT dpi) {
    RECT r{0, 0, ui::ScaleForDpi(clientWidth96, dpi), ui::ScaleForDpi(clientHeight96, dpi)};
    AdjustWindowRectExForDpi(&r, style, FALSE, exStyle, dpi);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

POINT CentredOnScreen(SIZE outer) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    return POINT{(width - outer.cx) / 2, (height - outer.cy) / 2};
}

}  // namespace quorvel
