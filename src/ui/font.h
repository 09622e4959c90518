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

// A font of spec's family (at most 31 characters), style and size in points,
// whose character height is PointsToPixels(spec.size, dpi). The colour is not
// part of a GDI font; the caller paints with it.
Font CreateFontFor(const FontSpec& spec, UINT dpi, GlyphEdges edges);

// The system's message font at dpi, for the standard controls of a window.
Font CreateMessageFont(UINT dpi);

}  // namespace quorvel::ui
