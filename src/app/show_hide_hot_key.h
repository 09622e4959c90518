// The shortcut that shows and hides the clock from any program: a hidden
// clock comes back and to the front, a shown one goes to its tray icon. It is
// registered with the system for the clock window, which receives WM_HOTKEY.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "app/clock_window.h"
#include "core/hot_key.h"

namespace quorvel {

class ClockTray;

class ShowHideHotKey final : public ClockMessageHandler {
public:
    // Both must outlive it; it listens at the clock window.
    ShowHideHotKey(ClockWindow& clock, ClockTray& tray);
    ~ShowHideHotKey();
    ShowHideHotKey(const ShowHideHotKey&) = delete;
    ShowHideHotKey& operator=(const ShowHideHotKey&) = delete;

    // Takes the shortcut as stored (core/hot_key.h) in place of the one before;
    // 0 for none. False when it cannot be had: another program holds it, or it
    // would take a key from everyone's typing (core/hot_key.h).
    [[nodiscard]] bool Set(std::int32_t stored);
    // Why the shortcut could not be had, for the user; empty when it was.
    std::string Refusal(std::int32_t stored) const;

    bool HandleClockMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void Release();
    void Toggle();

    ClockWindow& clock_;
    ClockTray& tray_;
    bool registered_ = false;
};

// The shortcut as the keyboard names it: "Ctrl+Alt+Q", "Shift+F9".
std::string ShortcutName(HotKey hotKey);

}  // namespace quorvel
