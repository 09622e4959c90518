// ClockSettings: what the clock keeps between runs, as a plain value. The store
// (settings_store.h) reads and writes it; the clock window applies it and gives
// back what it shows now.
#pragma once

#include <cstdint>
#include <string>

#include "core/colour.h"
#include "core/desktop_options.h"
#include "core/font.h"
#include "core/screen_placement.h"

namespace quorvel {

struct ClockSettings {
    ScreenPoint position = kHomePosition;  // the window's top-left, screen pixels
    std::string timeFormat = "hh:mm:ss";
    // The text's font; the shadow and the outline take its name, size and style.
    FontSpec font{"Verdana", 16, kNavy, kBold | kItalic};
    std::uint8_t opacity = 128;             // 0 (invisible) to 255
    Colour background = kBlack;             // also the colour key
    bool colourKeyOn = true;                // pixels of the background colour are see-through
    Colour shadowColour = kSilver;
    bool shadowVisible = true;
    std::int32_t shadowDepth = 2;           // pixels right of and below the text
    bool outlineVisible = false;
    bool hidden = false;                    // hidden to the tray icon
    DesktopOptions desktop;                 // beside other programs: full screen, click-through, shortcut
};

}  // namespace quorvel
