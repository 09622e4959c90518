// Proves the Win32 test chain: a real layered top-most window under Wine, its
// attributes read back from the window system.
#include <windows.h>

#include <gtest/gtest.h>

namespace {

struct WindowClass {
    WindowClass() {
        WNDCLASSEXW wc{sizeof wc};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"QuorvelSmoke";
        RegisterClassExW(&wc);
    }
    ~WindowClass() { UnregisterClassW(L"QuorvelSmoke", GetModuleHandleW(nullptr)); }
};

TEST(WineChain, LayeredTopMostWindowKeepsItsAttributes) {
    WindowClass wc;
    HWND hwnd = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"QuorvelSmoke", L"Smoke",
                                WS_POPUP, 351, 174, 172, 34, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(hwnd, nullptr);
    ASSERT_TRUE(SetLayeredWindowAttributes(hwnd, RGB(0, 0, 0), 128, LWA_ALPHA | LWA_COLORKEY));
    ShowWindow(hwnd, SW_SHOWNOACTIVATE);

    COLORREF key = 1;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(hwnd, &key, &alpha, &flags));
    EXPECT_EQ(key, RGB(0, 0, 0));
    EXPECT_EQ(alpha, 128);
    EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA | LWA_COLORKEY));

    const LONG_PTR exStyle = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_TRUE(exStyle & WS_EX_LAYERED);
    RECT r{};
    GetWindowRect(hwnd, &r);
    EXPECT_EQ(r.left, 351);
    EXPECT_EQ(r.top, 174);
    EXPECT_TRUE(IsWindowVisible(hwnd));
    DestroyWindow(hwnd);
}

TEST(WineChain, ManifestLoadsCommonControlsSix) {
    // The version reported by DllGetVersion is not reliable under Wine; the
    // side-by-side module path names the v6 assembly.
    HMODULE comctl = GetModuleHandleW(L"comctl32.dll");
    ASSERT_NE(comctl, nullptr);
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(comctl, path, MAX_PATH);
    EXPECT_NE(wcsstr(path, L"6.0"), nullptr) << "comctl32 loaded from a path without 6.0";
}

}  // namespace
