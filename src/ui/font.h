// GDI fonts made from the program's font description.
#pragma once

#include <windows.h>

#include "core/font.h"
#include "ui/handle.h"

namespace quorvel::ui {

enum class GlyphEdges {
    Smooth,  // the platform's default anti-aliasing
    Crisp,   // no anti-aliasing: every glyph pixel is the text colour or untouched
};

// The GDI font of a font description: its family (at most 31 characters),
// style, and size in points as a character height of PointsToPixels(size, dpi).
// A font whose character height would exceed `maxCellPixels` is made with
// that cell height instead (glyphs of a hand-edited size of 100000 points
// would take gigabytes to draw). The colour is not part of a GDI font; the
// caller paints with it.
Font CreateFontFor(const FontSpec& font, UINT dpi, GlyphEdges edges, int maxCellPixels = 32767);

// The system's message font at dpi, for the standard controls of a window.
Font CreateMessageFont(UINT dpi);

}  // namespace quorvel::ui
