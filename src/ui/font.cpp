#include "ui/font.h"

#include <algorithm>
#include <string>

#include "core/wide.h"

namespace quorvel::ui {
namespace {

constexpr int kMaxFontPixels = 0x7FFF;

}  // namespace

Font CreateFontFor(const FontSpec& font, UINT dpi, GlyphEdges edges) {
    LOGFONTW lf{};
    // A negative height asks for the character height (cell minus internal leading).
    // Clamped so that a hand-edited extreme size cannot overflow the negation.
    const int pixels = std::clamp(PointsToPixels(font.size, static_cast<int>(dpi)), -kMaxFontPixels, kMaxFontPixels);
    lf.lfHeight = -pixels;
    lf.lfWeight = (font.style & kBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (font.style & kItalic) ? TRUE : FALSE;
    lf.lfUnderline = (font.style & kUnderline) ? TRUE : FALSE;
    lf.lfStrikeOut = (font.style & kStrikeOut) ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = edges == GlyphEdges::Crisp ? NONANTIALIASED_QUALITY : DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    const std::wstring face = Wide(Utf8Prefix(font.name, kMaxFontNameChars));
    // LOGFONT holds 31 UTF-16 units and a terminator; never cut a surrogate pair.
    std::size_t units = std::min<std::size_t>(face.size(), LF_FACESIZE - 1);
    if (units > 0 && units < face.size() && IS_HIGH_SURROGATE(face[units - 1])) --units;
    face.copy(lf.lfFaceName, units);
    return Font(CreateFontIndirectW(&lf));
}

Font CreateMessageFont(UINT dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi)) {
        // Older systems: the metrics at the system DPI, scaled.
        if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return Font();
        const int systemDpi = static_cast<int>(GetDpiForSystem());
        metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, static_cast<int>(dpi), systemDpi);
    }
    return Font(CreateFontIndirectW(&metrics.lfMessageFont));
}

}  // namespace quorvel::ui
