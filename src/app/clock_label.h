// One of the clock face's three texts (text, shadow, outline): a light object
// the clock window paints itself, not a child window. It has a caption, a font
// with its colour, a position in the window, a visibility and the size its text
// measures, and sizes itself to its text whenever either changes.
//
// Setting anything to the value it already has does nothing at all: no
// measuring, no repaint, no allocation. A real change repaints the window.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "core/font.h"
#include "ui/display.h"
#include "ui/font.h"
#include "ui/handle.h"

namespace quorvel {

class ClockLabel {
public:
    ClockLabel(int left, int top, const FontSpec& font, bool visible);

    // The window the label lives on: how to ask it for a repaint when the label
    // changes, and how glyphs are rendered there (its DPI, crisp or smooth
    // edges). Until attached the label has no GDI font and no measured size.
    void Attach(std::function<void()> repaint, UINT dpi, ui::GlyphEdges edges);
    void SetRendering(UINT dpi, ui::GlyphEdges edges);

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string_view caption);

    const FontSpec& Font() const { return font_; }
    void SetFont(const FontSpec& font);
    void SetFontSize(int points);
    void SetFontColour(Colour colour);
    // The GDI font the label is measured and drawn with (null until attached).
    HFONT GdiFont() const { return gdiFont_.Get(); }

    int Left() const { return left_; }
    int Top() const { return top_; }
    void SetLeft(int left);
    void SetTop(int top);
    int Width() const { return width_; }
    int Height() const { return height_; }
    RECT Bounds() const { return RECT{left_, top_, left_ + width_, top_ + height_}; }
    // Whether a client point of the owner window lies on the label (pointer handlers).
    bool Contains(POINT point) const;

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);

    // Paints the glyphs only (no background), in the font colour; nothing when hidden.
    void Draw(HDC dc) const { DrawIn(dc, ui::ToColourRef(font_.colour)); }
    // The same in another colour (the system's, in high contrast).
    void DrawIn(HDC dc, COLORREF colour) const;

private:
    void RealizeFont();
    void Measure();
    void Repaint() const;

    std::string caption_;   // "wait..." until the first time
    std::wstring timeText_;  // the caption as GDI takes it
    FontSpec font_;
    int left_;
    int top_;
    int width_ = 0;
    int height_ = 0;
    bool visible_;

    std::function<void()> repaint_;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    ui::GlyphEdges edges_ = ui::GlyphEdges::Smooth;
    ui::Font gdiFont_;
};

}  // namespace quorvel
