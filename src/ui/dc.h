// Scoped device contexts and object selection.
//
//   ui::PaintDc paint(hwnd);                         // BeginPaint .. EndPaint
//   ui::SelectGuard font(paint.Dc(), myFont.Get());  // restores the old font
//
// BackBuffer is an off-screen bitmap of a window's size, kept between paints so
// a repaint allocates nothing unless the size changed.
#pragma once

#include <windows.h>

#include "ui/handle.h"

namespace quorvel::ui {

// BeginPaint/EndPaint for one WM_PAINT.
class PaintDc {
public:
    explicit PaintDc(HWND hwnd) : hwnd_(hwnd) { dc_ = BeginPaint(hwnd, &ps_); }
    ~PaintDc() { EndPaint(hwnd_, &ps_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;

    HDC Dc() const { return dc_; }
    const RECT& Dirty() const { return ps_.rcPaint; }

private:
    HWND hwnd_;
    PAINTSTRUCT ps_{};
    HDC dc_ = nullptr;
};

// GetDC/ReleaseDC: a window's client DC (or the screen's, for a null window).
class WindowDc {
public:
    explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(hwnd_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC Dc() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// Selects an object into a DC for one scope and puts the previous one back.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~SelectGuard() {
        if (old_ && old_ != HGDI_ERROR) SelectObject(dc_, old_);
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// A DC for measuring text, compatible with the screen and kept for the life of
// the program (GUI thread only): measuring needs no window DC to be fetched and
// released each time. Select the font with a SelectGuard.
HDC MeasuringDc();

// An off-screen surface compatible with a target DC. Begin() returns a memory DC
// with a bitmap of at least the asked size selected; Present() copies the area to
// the target. The bitmap is reused until a larger one is needed.
class BackBuffer {
public:
    BackBuffer() = default;
    ~BackBuffer();
    BackBuffer(const BackBuffer&) = delete;
    BackBuffer& operator=(const BackBuffer&) = delete;

    // Null when the surface could not be made (the caller then paints directly).
    HDC Begin(HDC target, int width, int height);
    void Present(HDC target, const RECT& area) const;

private:
    MemoryDc dc_;
    Bitmap bitmap_;
    HGDIOBJ originalBitmap_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace quorvel::ui
