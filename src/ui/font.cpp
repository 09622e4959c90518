#include "ui/font.h"

#include <algorithm>
#include <string>

#include "core/wide.h"
#include "ui/dc.h"

namespace quorvel::ui {
namespace {

constexpr int kMaxFontPixels = 0x7FFF;

int CellHeight(HFONT font) {
    const HDC dc = MeasuringDc();
    const SelectGuard selected(dc, font);
    TEXTMETRICW metrics{};
    return GetTextMetricsW(dc, &metrics) ? static_cast<int>(metrics.tmHeight) : 0;
}

}  // namespace

Font CreateFontFor(const FontSpec& font, UINT dpi, GlyphEdges edges, int maxCellPixels) {
    LOGFONTW lf{};
    // A negative height asks for the character height (cell minus internal
    // leading), a positive one for the cell height. Within 32767 pixels either
    // way so that an extreme size cannot overflow the negation or GDI.
    const int pixels = std::clamp(PointsToPixels(font.size, static_cast<int>(dpi)), -kMaxFontPixels, kMaxFontPixels);
    const int largest = std::clamp(maxCellPixels, 1, kMaxFontPixels);
    lf.lfHeight = (pixels > largest || pixels < -largest) ? largest : -pixels;
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
    // LOGFONT holds 31 UTF-16 units and a terminator.
    Utf16Prefix(face, LF_FACESIZE - 1).copy(lf.lfFaceName, LF_FACESIZE - 1);
    Font made(CreateFontIndirectW(&lf));
    if (lf.lfHeight > 0 && made) {
        // The font mapper may round a cell height up by a pixel or two: ask again
        // for that much less.
        const int cell = CellHeight(made.Get());
        if (cell > largest) {
            lf.lfHeight = std::max(1, largest - (cell - largest));
            made = Font(CreateFontIndirectW(&lf));
        }
    }
    return made;
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
