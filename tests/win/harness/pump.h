// The one message pump of the Win32 tests: it dispatches through ui::DispatchOne,
// as the program's loop does (accelerators, Enter/Escape, dialog navigation),
// and never waits past its deadline.
//
//   EXPECT_TRUE(testing_support::PumpUntil([&] { return reports == 1; }, 5s));
//   testing_support::PumpFor(300ms);   // nothing more may come meanwhile
#pragma once

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <optional>

#include "ui/modal.h"

namespace quorvel::testing_support {

// The exit code of the last WM_QUIT a pump took from the queue (the pumps keep
// going after one); reset it to nullopt to watch for the next.
inline std::optional<int> quitCode;

// Dispatches the messages waiting now; a WM_QUIT goes to quitCode.
inline void PumpPending() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            quitCode = static_cast<int>(msg.wParam);
            continue;
        }
        ui::DispatchOne(msg);
    }
}

// Pumps until done() holds or timeout has passed; whether done() held.
inline bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        PumpPending();
        if (done()) return true;
        const auto left = deadline - std::chrono::steady_clock::now();
        if (left <= std::chrono::milliseconds::zero()) return false;
        const auto wait = std::min<std::chrono::milliseconds>(
            std::chrono::duration_cast<std::chrono::milliseconds>(left), std::chrono::milliseconds(10));
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(wait.count()) + 1, QS_ALLINPUT);
    }
}

// Pumps for the whole spell (to see that something does not happen).
inline void PumpFor(std::chrono::milliseconds spell) {
    PumpUntil([] { return false; }, spell);
}

}  // namespace quorvel::testing_support
