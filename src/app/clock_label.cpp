#include "app/clock_label.h"

#include <utility>

#include "core/translation.h"
#include "ui/dc.h"
#include "ui/display.h"
#include "core/wide.h"

namespace quorvel {
namespace {

// Tabs expanded, no word wrap, "&" marks the accelerator ("&&" draws one "&").
constexpr UINT kTextFlags = DT_LEFT | DT_TOP | DT_EXPANDTABS | DT_NOCLIP;

}  // namespace

// Translators: the clock face before it shows the first time.
ClockLabel::ClockLabel(int left, int top, const FontSpec& font, bool visible)
    : caption_(Translate("wait...")), timeText_(Wide(caption_)), font_(font), left_(left), top_(top), visible_(visible) {}

void ClockLabel::Attach(std::function<void()> repaint, UINT dpi, ui::GlyphEdges edges) {
    repaint_ = std::move(repaint);
    dpi_ = dpi;
    edges_ = edges;
    RealizeFont();
}

void ClockLabel::SetRendering(UINT dpi, ui::GlyphEdges edges) {
    if (dpi == dpi_ && edges == edges_) return;
    dpi_ = dpi;
    edges_ = edges;
    RealizeFont();
}

void ClockLabel::SetCaption(std::string_view caption) {
    if (caption == caption_) return;
    caption_.assign(caption);
    timeText_ = Wide(caption_);
    Measure();
}

void ClockLabel::SetFont(const FontSpec& font) {
    if (font == font_) return;
    const bool glyphsChange = font.name != font_.name || font.size != font_.size || font.style != font_.style;
    font_ = font;
    if (glyphsChange) {
        RealizeFont();
    } else {
        Repaint();
    }
}

void ClockLabel::SetFontSize(int points) {
    FontSpec font = font_;
    font.size = points;
    SetFont(font);
}

void ClockLabel::SetFontColour(Colour colour) {
    if (colour == font_.colour) return;
    font_.colour = colour;
    if (visible_) Repaint();
}

void ClockLabel::SetLeft(int left) {
    if (left == left_) return;
    left_ = left;
    Repaint();
}

void ClockLabel::SetTop(int top) {
    if (top == top_) return;
    top_ = top;
    Repaint();
}

bool ClockLabel::Contains(POINT point) const {
    const RECT bounds = Bounds();
    return PtInRect(&bounds, point) != FALSE;
}

void ClockLabel::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    Repaint();
}

void ClockLabel::DrawIn(HDC dc, COLORREF colour) const {
    if (!visible_ || !gdiFont_) return;
    ui::SelectGuard font(dc, gdiFont_.Get());
    SetTextColor(dc, colour);
    SetBkMode(dc, TRANSPARENT);
    RECT bounds = Bounds();
    DrawTextW(dc, timeText_.c_str(), static_cast<int>(timeText_.size()), &bounds, kTextFlags);
}

void ClockLabel::RealizeFont() {
    if (!repaint_) return;
    // Never taller than the tallest monitor, whatever size is stored.
    gdiFont_ = ui::CreateFontFor(font_, dpi_, edges_, ui::LargestMonitorHeight());
    Measure();
}

void ClockLabel::Measure() {
    if (!gdiFont_) return;
    // An empty text, or a lone "&" that draws nothing, is as tall as a space.
    const bool blank = timeText_.empty() || timeText_ == L"&";
    const wchar_t* text = blank ? L" " : timeText_.c_str();
    const int length = blank ? 1 : static_cast<int>(timeText_.size());
    const HDC dc = ui::MeasuringDc();
    ui::SelectGuard font(dc, gdiFont_.Get());
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, text, length, &r, kTextFlags | DT_CALCRECT);
    width_ = r.right - r.left;
    height_ = r.bottom - r.top;
    Repaint();
}

void ClockLabel::Repaint() const {
    if (repaint_) repaint_();
}

}  // namespace quorvel
