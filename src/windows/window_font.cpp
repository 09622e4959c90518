#include "windows/window_font.h"

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

}  // namespace quorvel
