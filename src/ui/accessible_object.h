// What a screen reader finds in a window that paints what it shows: one
// accessible object (MSAA) for the client area, with a role, a name and a
// value, answered to WM_GETOBJECT. The reader's libraries (oleacc and the COM
// libraries it brings) load when a reader first asks, never at start.
//
//   ui::AccessibleObject face_{ROLE_SYSTEM_CLOCK, L"Quorvel", [this] { return timeText_; }};
//   if (msg == WM_GETOBJECT && face_.Answer(Handle(), wParam, lParam, result)) return result;
//   face_.ValueChanged(); ... face_.Announce(Handle(), Now());   // at every tick
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "core/date_time.h"

namespace quorvel::ui {

class AccessibleObject {
public:
    AccessibleObject(LONG role, std::wstring name, std::function<std::string()> value);
    // A reader that still holds the object is told it is gone at its next call.
    ~AccessibleObject();
    AccessibleObject(const AccessibleObject&) = delete;
    AccessibleObject& operator=(const AccessibleObject&) = delete;

    // The answer to WM_GETOBJECT for `window`'s client object; false for any
    // other object (the system's default answers it) or when the reader's
    // libraries cannot be loaded.
    bool Answer(HWND window, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // The value has changed. Announce tells readers so (EVENT_OBJECT_VALUECHANGE)
    // once at most per minute of `now`: a reader that is told of a change every
    // second reads nothing else. A change within the minute goes out when it ends.
    void ValueChanged() { changed_ = true; }
    void Announce(HWND window, DateTime now);

private:
    class Object;

    LONG role_;
    std::wstring name_;
    std::function<std::string()> value_;
    Object* object_ = nullptr;  // one reference, while the owner lives
    bool changed_ = false;
    bool announced_ = false;
    DateTime lastAnnounced_ = 0;
};

}  // namespace quorvel::ui
