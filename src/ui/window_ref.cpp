#include "ui/window_ref.h"

#include "core/wide.h"

namespace quorvel::ui {

bool WindowRef::Exists() const { return hwnd_ && IsWindow(hwnd_); }

void WindowRef::Show() const { ShowWindow(hwnd_, SW_SHOW); }

void WindowRef::ShowInactive() const { ShowWindow(hwnd_, SW_SHOWNOACTIVATE); }

void WindowRef::ShowRestored() const { ShowWindow(hwnd_, Minimised() ? SW_RESTORE : SW_SHOW); }

void WindowRef::Hide() const { ShowWindow(hwnd_, SW_HIDE); }

bool WindowRef::Visible() const { return hwnd_ && IsWindowVisible(hwnd_); }

bool WindowRef::Minimised() const { return hwnd_ && IsIconic(hwnd_); }

std::string WindowRef::ClassName() const {
    wchar_t name[256] = {};
    const int length = GetClassNameW(hwnd_, name, 256);
    return Narrow(std::wstring_view(name, length > 0 ? static_cast<std::size_t>(length) : 0));
}

bool WindowRef::OfThisProgram() const {
    DWORD process = 0;
    return GetWindowThreadProcessId(hwnd_, &process) != 0 && process == GetCurrentProcessId();
}

bool WindowRef::BringToFront() const { return hwnd_ && SetForegroundWindow(hwnd_); }

void WindowRef::SetTopMost(bool on) const {
    SetWindowPos(hwnd_, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool WindowRef::PostClose() const { return Post(WM_CLOSE); }

bool WindowRef::Post(UINT msg, WPARAM wParam, LPARAM lParam) const {
    return hwnd_ && PostMessageW(hwnd_, msg, wParam, lParam);
}

RECT WindowRef::OuterRect() const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return r;
}

RECT WindowRef::ClientRect() const {
    RECT r{};
    GetClientRect(hwnd_, &r);
    return r;
}

RECT WindowRef::ClientRectOnScreen() const {
    RECT r = ClientRect();
    MapWindowPoints(hwnd_, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

RECT WindowRef::RectInClient(HWND other) const {
    RECT r{};
    GetWindowRect(other, &r);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void WindowRef::MoveTo(POINT topLeft) const {
    SetWindowPos(hwnd_, nullptr, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void WindowRef::Resize(SIZE outer) const {
    SetWindowPos(hwnd_, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void WindowRef::MoveAndSize(const RECT& outer) const {
    SetWindowPos(hwnd_, nullptr, outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void WindowRef::Invalidate(bool erase) const { InvalidateRect(hwnd_, nullptr, erase); }

bool WindowRef::Enabled() const { return hwnd_ && IsWindowEnabled(hwnd_); }

void WindowRef::Enable(bool enabled) const { EnableWindow(hwnd_, enabled); }

void WindowRef::Focus() const { SetFocus(hwnd_); }

}  // namespace quorvel::ui
