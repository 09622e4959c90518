// Whether the user is typing, in any program: while a KeyboardWatch lives, a
// low-level keyboard hook notes when a key last went down. The hook exists
// only while some watch does (one hook for all of them), so the program adds
// nothing to anyone's typing the rest of the time. GUI thread only.
//
//   ui::KeyboardWatch keys;                 // a reminder comes up
//   if (keys.QuietFor() >= 1000) TakeFocus();
#pragma once

#include <windows.h>

namespace quorvel::ui {

class KeyboardWatch {
public:
    KeyboardWatch();
    ~KeyboardWatch();
    KeyboardWatch(const KeyboardWatch&) = delete;
    KeyboardWatch& operator=(const KeyboardWatch&) = delete;

    // Milliseconds since a key last went down. Before the first key seen, the
    // system's last input of any kind counts (a key pressed just before the
    // watch began must not go unseen; a mouse move only waits a little longer).
    DWORD QuietFor() const;
};

}  // namespace quorvel::ui
