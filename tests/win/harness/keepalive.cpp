// Holds the Wine desktop for a test session: without a live process owning it,
// explorer.exe would be restarted between tests. Writes "keepalive.ready" in its
// working folder once the desktop is up, so the session starts no test before.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    GetDesktopWindow();
    HANDLE ready = CreateFileW(L"keepalive.ready", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (ready != INVALID_HANDLE_VALUE) CloseHandle(ready);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return 0;
}
