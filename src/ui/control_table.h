// Child controls declared in a table, in pixels of a 96-dpi design, and laid out
// for the window's real DPI and size:
//
//   constexpr ControlSpec kReminderControls[] = {
//       {kCloseButton,  WC_BUTTONW, L"&OK",     {3, 92, 57, 20},  Anchor::Left | Anchor::Bottom},
//       {kSnoozeButton, WC_BUTTONW, L"&Snooze", {153, 93, 57, 20}, Anchor::Right | Anchor::Bottom},
//   };
//   CreateControls(kReminderControls, {216, 118});   // in the window's OnCreate
//
// Every length is scaled by MulDiv(v, dpi, 96). A row may name its font (in
// points, made for the DPI); the others take the window's. Anchors say which edges of the
// client area a control keeps its distance to when the window is resized: Left
// and Right together stretch it, Right alone moves it (likewise Top/Bottom).
// Window does the re-layout on WM_SIZE and WM_DPICHANGED.
#pragma once

#include <windows.h>

#include <span>
#include <vector>

#include "core/font.h"
#include "ui/handle.h"

namespace quorvel::ui {

enum class Anchor : unsigned { Left = 1, Top = 2, Right = 4, Bottom = 8 };
constexpr Anchor operator|(Anchor a, Anchor b) { return Anchor(unsigned(a) | unsigned(b)); }
constexpr bool Has(Anchor set, Anchor edge) { return (unsigned(set) & unsigned(edge)) != 0; }

struct Rect96 {
    int left, top, width, height;
};

struct ControlSpec {
    int id;
    const wchar_t* className;  // a system class: WC_BUTTONW, WC_EDITW, TRACKBAR_CLASSW ...
    const wchar_t* text;
    Rect96 bounds;
    Anchor anchors = Anchor::Left | Anchor::Top;
    DWORD style = 0;  // besides WS_CHILD | WS_VISIBLE
    DWORD exStyle = 0;
    const FontSpec* font = nullptr;  // nullptr: the window's font
};

// MulDiv(pixels96, dpi, 96): a design length at the given resolution.
int ScaleForDpi(int pixels96, UINT dpi);

// Where `control` goes at `dpi` in a client area of clientWidth x
// clientHeight, the table having been designed for a client of designed (96 dpi).
RECT PlaceControl(const ControlSpec& control, SIZE designed, UINT dpi, int clientWidth, int clientHeight);

class ControlLayout {
public:
    // Creates the controls as children of parent at dpi, in their rows' fonts or
    // windowFont (nullptr: the system's message font). The table and the fonts
    // must outlive the layout (they are constants). Throws std::runtime_error
    // when a control cannot be created.
    void Create(HWND parent, std::span<const ControlSpec> table, SIZE designed, UINT dpi, const FontSpec* windowFont);

    // Places every control for the parent's current client size at dpi; a new
    // dpi also gets new fonts.
    void Apply(UINT dpi);
    // Draws one control in another font from now on, at every DPI.
    void SetFont(int id, const FontSpec& font);

    HWND Item(int id) const { return GetDlgItem(parent_, id); }
    bool Empty() const { return table_.empty(); }

private:
    struct MadeFont {
        const FontSpec* description;  // nullptr: the message font
        Font font;
    };
    struct FontOverride {
        int id;
        FontSpec description;
        Font font;
    };
    HFONT FontFor(const FontSpec* description);
    void ApplyFonts();

    HWND parent_ = nullptr;
    std::span<const ControlSpec> table_;
    SIZE designed_{};
    UINT fontDpi_ = 0;
    const FontSpec* windowFont_ = nullptr;
    std::vector<MadeFont> fonts_;
    std::vector<FontOverride> overrides_;
};

}  // namespace quorvel::ui
