#include "ui/window.h"

#include <stdexcept>
#include <utility>

#include "ui/dc.h"
#include "ui/message_box.h"

namespace quorvel::ui {

Window::~Window() {
    if (hwnd_) {
        // The derived object is gone: detach, so no message reaches it.
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(std::exchange(hwnd_, nullptr));
    }
}

void Window::Destroy() {
    if (hwnd_) DestroyWindow(hwnd_);
}

Window* Window::FromHandle(HWND hwnd) {
    if (!hwnd || GetClassLongPtrW(hwnd, GCLP_WNDPROC) != reinterpret_cast<ULONG_PTR>(&Window::Proc)) return nullptr;
    return reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

bool Window::PreTranslateMessage(MSG& msg) {
    if (GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) return IsDialogMessageW(hwnd_, &msg) != FALSE;
    return false;
}

void Window::CreateHandle(const CreateParams& params) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (!GetClassInfoExW(instance, params.className, &existing)) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.style = params.classStyle;
        wc.lpfnWndProc = &Window::Proc;
        wc.hInstance = instance;
        wc.hIcon = params.icon;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = params.background;
        wc.lpszClassName = params.className;
        if (!RegisterClassExW(&wc)) throw std::runtime_error("Cannot register a window class");
    }
    createError_ = nullptr;
    const HWND hwnd = CreateWindowExW(params.exStyle, params.className, params.title, params.style, params.x, params.y,
                                      params.width, params.height, params.owner, nullptr, instance, this);
    if (!hwnd) {
        if (createError_) std::rethrow_exception(std::exchange(createError_, nullptr));
        throw std::runtime_error("Cannot create a window");
    }
}

void Window::CreateControls(std::span<const ControlSpec> table, SIZE designedClient) {
    controls_.Create(hwnd_, table, designedClient, dpi_);
}

LRESULT CALLBACK Window::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        self->dpi_ = GetDpiForWindow(hwnd);
        if (self->dpi_ == 0) self->dpi_ = USER_DEFAULT_SCREEN_DPI;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, msg, wParam, lParam);  // before WM_NCCREATE, or detached

    LRESULT result = 0;
    try {
        result = self->HandleMessage(msg, wParam, lParam);
    } catch (const std::exception& e) {
        result = self->Recover(msg, e.what());
    } catch (...) {
        result = self->Recover(msg, "Unknown error");
    }
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

// Called inside the catch block of Proc, so current_exception() is the one thrown.
LRESULT Window::Recover(UINT msg, const char* what) noexcept {
    if (msg == WM_CREATE) {
        createError_ = std::current_exception();
        return -1;  // creation fails; CreateHandle rethrows
    }
    // One report at a time: a timer that keeps failing while the first box is
    // open must not stack a new box at every tick.
    static bool reporting = false;
    if (reporting) return 0;
    reporting = true;
    try {
        OnError(what);
    } catch (...) {
        // Reporting failed too (out of memory): nothing is left to tell the user with.
    }
    reporting = false;
    return 0;
}

LRESULT Window::DefaultHandling(UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_, msg, wParam, lParam);
}

LRESULT Window::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CREATE:
            OnCreate();
            return 0;
        case WM_PAINT: {
            PaintDc paint(hwnd_);
            OnPaint(paint.Dc(), paint.Dirty());
            return 0;
        }
        case WM_PRINTCLIENT:
            if (lParam & PRF_CLIENT) {
                RECT client{};
                GetClientRect(hwnd_, &client);
                OnPaint(reinterpret_cast<HDC>(wParam), client);
            }
            return 0;
        case WM_TIMER:
            OnTimer(static_cast<UINT_PTR>(wParam));
            return 0;
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_DESTROY:
            OnDestroy();
            return 0;
        case WM_SIZE:
            controls_.Apply(dpi_);
            OnSize(LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_SHOWWINDOW:
            OnShowWindow(wParam != FALSE);
            return DefaultHandling(msg, wParam, lParam);
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_DPICHANGED: {
            dpi_ = HIWORD(wParam);
            const RECT& r = *reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            controls_.Apply(dpi_);
            OnDpiChanged(dpi_);
            return 0;
        }
        default:
            return DefaultHandling(msg, wParam, lParam);
    }
}

void Window::OnPaint(HDC, const RECT&) {}

void Window::OnTimer(UINT_PTR) {}

void Window::OnClose() {
    if (modal_) {
        EndModal(IDCANCEL);
    } else {
        Destroy();
    }
}

void Window::OnSize(int, int) {}

void Window::OnShowWindow(bool) {}

void Window::OnCommand(int, int, HWND) {}

void Window::OnDpiChanged(UINT) {}

void Window::OnError(const char* what) { ShowMessageBox(hwnd_, what, ApplicationTitle(), MB_OK | MB_ICONERROR); }

}  // namespace quorvel::ui
