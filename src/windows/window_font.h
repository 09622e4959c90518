// The font a window's standard controls are drawn in, where it is not the
// system's message font: the settings window's Tahoma, the about window's Verdana.
#pragma once

#include <windows.h>

#include "core/font.h"
#include "ui/handle.h"

namespace quorvel {

// Gives every child control of window the font at dpi and returns it; the
// caller keeps it as long as the controls use it (until the next call).
ui::Font SetControlsFont(HWND window, const FontSpec& font, UINT dpi);

}  // namespace quorvel
