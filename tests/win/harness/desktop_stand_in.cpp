// Stands in for other programs beside the clock, in the same prefix:
//
//   desktop_stand_in fullscreen [FILE]     a borderless window covering the primary monitor, in front
//   desktop_stand_in maximized [FILE]      a captioned window, maximized, in front
//   desktop_stand_in topmost X Y W H       a top-most window at that rectangle, not activated
//   desktop_stand_in beneath X Y W H FILE  a window at that rectangle
//
// FILE, when given, gets a line "click X Y" at each left click on the window
// and "deactivated" each time its program loses the foreground. Each runs until
// it is closed or ended. Titles: "Stand-in <mode>".
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

const wchar_t* logFile = nullptr;

void Log(const char* line) {
    if (!logFile) return;
    if (FILE* f = _wfopen(logFile, L"a")) {
        std::fputs(line, f);
        std::fclose(f);
    }
}

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_LBUTTONDOWN: {
            char line[64];
            std::snprintf(line, sizeof line, "click %d %d\n", static_cast<short>(LOWORD(lParam)),
                          static_cast<short>(HIWORD(lParam)));
            Log(line);
            return 0;
        }
        case WM_ACTIVATEAPP:
            if (!wParam) Log("deactivated\n");
            break;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            FillRect(dc, &ps.rcPaint, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

int Arg(int argc, wchar_t** argv, int i) { return i < argc ? _wtoi(argv[i]) : 0; }

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    const std::wstring mode = argc > 1 ? argv[1] : L"";
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"QuorvelTestStandIn";
    RegisterClassExW(&wc);
    const std::wstring title = L"Stand-in " + mode;
    const RECT at{Arg(argc, argv, 2), Arg(argc, argv, 3), Arg(argc, argv, 2) + Arg(argc, argv, 4),
                  Arg(argc, argv, 3) + Arg(argc, argv, 5)};
    HWND hwnd = nullptr;
    if (mode == L"fullscreen") {
        hwnd = CreateWindowExW(0, wc.lpszClassName, title.c_str(), WS_POPUP, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                               GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, instance, nullptr);
    } else if (mode == L"maximized") {
        hwnd = CreateWindowExW(0, wc.lpszClassName, title.c_str(), WS_OVERLAPPEDWINDOW, 100, 100, 400, 300, nullptr,
                               nullptr, instance, nullptr);
    } else if (mode == L"topmost" || mode == L"beneath") {
        hwnd = CreateWindowExW(mode == L"topmost" ? WS_EX_TOPMOST | WS_EX_TOOLWINDOW : WS_EX_TOOLWINDOW,
                               wc.lpszClassName, title.c_str(), WS_POPUP, at.left, at.top, at.right - at.left,
                               at.bottom - at.top, nullptr, nullptr, instance, nullptr);
        if (mode == L"beneath" && argc > 6) logFile = argv[6];
    }
    if ((mode == L"fullscreen" || mode == L"maximized") && argc > 2) logFile = argv[2];
    if (!hwnd) return 2;
    if (mode == L"topmost" || mode == L"beneath") {
        ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    } else {
        ShowWindow(hwnd, mode == L"maximized" ? SW_SHOWMAXIMIZED : SW_SHOW);
        SetForegroundWindow(hwnd);
    }
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return 0;
}
