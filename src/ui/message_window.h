// A message-only window (parent HWND_MESSAGE): an address for reports such as
// MCI's MM_MCINOTIFY, never shown, never enumerated, receiving no broadcasts.
//
//   ui::MessageWindow reports_{[this](UINT msg, WPARAM w, LPARAM, LRESULT&) {
//       if (msg != MM_MCINOTIFY) return false;   // DefWindowProc for the rest
//       ReceiveReport(w);
//       return true;
//   }};
//   ... dwCallback = reinterpret_cast<DWORD_PTR>(reports_.Handle());
#pragma once

#include <windows.h>

#include <functional>

namespace quorvel::ui {

class MessageWindow {
public:
    // Returns true when it handled the message (result is then returned),
    // false for DefWindowProc. It may destroy the MessageWindow, as long as
    // it touches nothing afterwards. An exception it throws is dropped at the
    // window procedure: a report window has nobody to tell.
    using Handler = std::function<bool(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result)>;

    // Creates the window (its class registered once per program); throws
    // std::runtime_error when it cannot.
    explicit MessageWindow(Handler handler);
    // Destroys the window: messages still queued for it are dropped.
    ~MessageWindow();
    MessageWindow(const MessageWindow&) = delete;
    MessageWindow& operator=(const MessageWindow&) = delete;

    HWND Handle() const { return hwnd_; }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    Handler handler_;
    HWND hwnd_ = nullptr;
};

}  // namespace quorvel::ui
