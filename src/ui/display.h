// Facts about the display and colours as GDI takes them.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "core/colour.h"

namespace quorvel::ui {

// Colour depth of a device: bits per pixel times colour planes.
int ColourDepth(HDC dc);

// Test seam: while set, ColourDepth answers this value instead of asking the
// device (a test cannot switch the screen to 256 colours). Clear with nullopt.
void OverrideColourDepth(std::optional<int> depth);

// Whether the user has turned Windows' high contrast on: windows then draw in
// the system's colours only.
bool HighContrastOn();
// Test seam: while set, HighContrastOn answers this value (Wine always says
// off). Clear with nullopt.
void OverrideHighContrast(std::optional<bool> on);

// Whether a screen reader is running (SPI_GETSCREENREADER): windows then put
// the keyboard where the reader reads what matters.
bool ScreenReaderRunning();
// Test seam: while set, ScreenReaderRunning answers this value. Clear with nullopt.
void OverrideScreenReader(std::optional<bool> running);

// The height in pixels of the tallest monitor attached (the primary screen's
// when none can be enumerated).
int LargestMonitorHeight();

// The rectangle of the monitor that holds most of window (the primary one when
// none does, or for a null window), and the part of it windows may cover
// (without the taskbar).
RECT MonitorRectOf(HWND window);
// Every monitor attached, in screen pixels.
std::vector<RECT> MonitorRects();
RECT WorkAreaOf(HWND window);

// The RGB value GDI paints for a stored colour; system colours (top bit set) are
// looked up in the current scheme.
COLORREF ToColourRef(Colour colour);

}  // namespace quorvel::ui
