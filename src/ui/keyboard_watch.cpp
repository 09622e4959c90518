#include "ui/keyboard_watch.h"

namespace quorvel::ui {
namespace {

struct Hook {
    HHOOK handle = nullptr;
    int watches = 0;
    DWORD lastKey = 0;  // GetTickCount() time
};

Hook& TheHook() {
    static Hook hook;
    return hook;
}

LRESULT CALLBACK NoteKey(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && (wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN)) {
        TheHook().lastKey = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam)->time;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

KeyboardWatch::KeyboardWatch() {
    Hook& hook = TheHook();
    if (hook.watches++ > 0) return;
    LASTINPUTINFO last{sizeof last, 0};
    hook.lastKey = GetLastInputInfo(&last) ? last.dwTime : GetTickCount();
    hook.handle = SetWindowsHookExW(WH_KEYBOARD_LL, &NoteKey, GetModuleHandleW(nullptr), 0);
}

KeyboardWatch::~KeyboardWatch() {
    Hook& hook = TheHook();
    if (--hook.watches > 0 || !hook.handle) return;
    UnhookWindowsHookEx(hook.handle);
    hook.handle = nullptr;
}

// Tick counts wrap every 49.7 days; the unsigned difference does not mind.
// Without the hook (refused), the system's last input of any kind stands in.
DWORD KeyboardWatch::QuietFor() const {
    Hook& hook = TheHook();
    LASTINPUTINFO last{sizeof last, 0};
    if (!hook.handle && GetLastInputInfo(&last)) hook.lastKey = last.dwTime;
    return GetTickCount() - hook.lastKey;
}

}  // namespace quorvel::ui
