// A window seen through its handle, with what the program asks of the window
// manager as one small named call each. Not owning: it may name any window,
// this program's (ui::Window is one) or another's, and stays valid to hold
// after the window is gone (the calls then do nothing and report failure).
//
//   ui::WindowRef(previous).BringToFront();
#pragma once

#include <windows.h>

#include <string>

namespace quorvel::ui {

class WindowRef {
public:
    WindowRef() = default;
    explicit WindowRef(HWND hwnd) : hwnd_(hwnd) {}

    HWND Handle() const { return hwnd_; }
    // Whether the handle names a window that still exists.
    bool Exists() const;

    // Shown and activated (SW_SHOW).
    void Show() const;
    // Shown, the active window staying active (SW_SHOWNOACTIVATE).
    void ShowInactive() const;
    // Shown and activated, and restored first when minimised.
    void ShowRestored() const;
    void Hide() const;
    bool Visible() const;
    bool Minimised() const;
    // Its window class's name, and whether this program made it (another
    // program's window is asked of the window system).
    std::string ClassName() const;
    bool OfThisProgram() const;
    // Made the foreground window, with the keyboard; false when the system refused.
    bool BringToFront() const;
    // Above every window that is not top-most too (on), or back among them (off),
    // without activating it.
    void SetTopMost(bool on) const;

    // Asks the window to close, as its close box does, once the caller has
    // returned to the message loop: never from inside the caller (a sent
    // WM_CLOSE could destroy the window under it). False when the message could
    // not be queued.
    [[nodiscard]] bool PostClose() const;
    // Queues a message for the window; false when it could not be queued.
    [[nodiscard]] bool Post(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;

    // The outer rectangle, in screen coordinates.
    RECT OuterRect() const;
    // The client area in its own coordinates (top left 0, 0).
    RECT ClientRect() const;
    // The client area in screen coordinates.
    RECT ClientRectOnScreen() const;
    // Another window's outer rectangle (a child's, say) in this one's client coordinates.
    RECT RectInClient(HWND other) const;
    // The top left corner to a screen point (a child: to a point of its parent's
    // client area), size and z-order kept, without activating.
    void MoveTo(POINT topLeft) const;
    // The outer size, the top left corner kept.
    void Resize(SIZE outer) const;
    // Place and outer size at once.
    void MoveAndSize(const RECT& outer) const;

    // The whole client area to be repainted (erase: its background first).
    void Invalidate(bool erase = true) const;
    bool Enabled() const;
    void Enable(bool enabled) const;
    // Gives the window the keyboard focus.
    void Focus() const;

protected:
    HWND hwnd_ = nullptr;
};

}  // namespace quorvel::ui
