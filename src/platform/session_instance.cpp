#include "platform/session_instance.h"

#include "core/product.h"

namespace quorvel {
namespace {

// "Local\": the namespace of this session only.
constexpr wchar_t kMutexName[] = L"Local\\Quorvel.Clock";
// How often a waiting start looks for the running clock's window again.
constexpr DWORD kStepMs = 50;

}  // namespace

SessionInstance::SessionInstance() : mutex_(CreateMutexW(nullptr, FALSE, kMutexName)) {
    // Without a mutex (out of resources) the start goes on: a second clock is
    // better than none.
    first_ = !mutex_ || GetLastError() != ERROR_ALREADY_EXISTS;
}

bool ClockRunsInSession() {
    const KernelHandle mutex(OpenMutexW(SYNCHRONIZE, FALSE, kMutexName));
    return static_cast<bool>(mutex);
}

UINT ShowClockMessage() {
    static const UINT message = RegisterWindowMessageW(L"Quorvel.ShowClock");
    return message;
}

bool BringRunningClockForward(DWORD waitMs) {
    for (DWORD waited = 0;; waited += kStepMs) {
        if (const HWND clock = FindWindowW(kClockWindowClass, kProductNameWide)) {
            DWORD process = 0;
            GetWindowThreadProcessId(clock, &process);
            AllowSetForegroundWindow(process);
            DWORD_PTR answer = 0;
            // A clock busy in a message box still answers from that box's loop;
            // a hung one is not waited for.
            if (SendMessageTimeoutW(clock, ShowClockMessage(), 0, 0, SMTO_ABORTIFHUNG, 5000, &answer)) return true;
        }
        if (waited >= waitMs) return false;
        Sleep(kStepMs);
    }
}

ClockClosing CloseRunningClock(DWORD waitMs) {
    HWND clock = nullptr;
    for (DWORD waited = 0; !(clock = FindWindowW(kClockWindowClass, kProductNameWide)); waited += kStepMs) {
        if (!ClockRunsInSession()) return ClockClosing::NoneRunning;
        if (waited >= waitMs) return ClockClosing::StillRunning;
        Sleep(kStepMs);
    }
    DWORD processId = 0;
    GetWindowThreadProcessId(clock, &processId);
    const KernelHandle process(OpenProcess(SYNCHRONIZE, FALSE, processId));
    if (!process) return ClockClosing::StillRunning;
    // Posted, not sent: a clock in a modal loop (a message box, the editor)
    // takes it from there and still ends in order.
    if (!PostMessageW(clock, WM_CLOSE, 0, 0)) return ClockClosing::StillRunning;
    return WaitForSingleObject(process.Get(), waitMs) == WAIT_OBJECT_0 ? ClockClosing::Closed
                                                                        : ClockClosing::StillRunning;
}

}  // namespace quorvel
