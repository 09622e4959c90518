#include "ui/window.h"

#include <stdexcept>
#include <utility>

#include <commctrl.h>
#include <windowsx.h>

#include "core/screen_placement.h"
#include "core/translation.h"
#include "ui/action.h"
#include "ui/common_controls.h"
#include "ui/controls/control.h"
#include "ui/dc.h"
#include "ui/display.h"
#include "ui/feedback.h"
#include "ui/message_box.h"
#include "ui/translated.h"

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

void Window::TellControls(bool dpiChanged) {
    struct Context {
        bool dpiChanged;
        UINT dpi;
    } context{dpiChanged, dpi_};
    EnumChildWindows(
        hwnd_,
        [](HWND child, LPARAM lParam) -> BOOL {
            const auto& c = *reinterpret_cast<const Context*>(lParam);
            if (Control* control = Control::FromHandle(child)) {
                if (c.dpiChanged) control->ParentDpiChanged(c.dpi); else control->ParentResized();
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&context));
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
        if (!RegisterClassExW(&wc)) throw std::runtime_error(N_("Cannot register a window class"));
    }
    createError_ = nullptr;
    created_ = params;
    // Made on the monitor it will open on, so that it has that monitor's DPI
    // from the start; WM_CREATE sizes it, and it is placed once OnCreate is done.
    POINT at = params.position;
    if (params.placement != Placement::Exact) {
        const RECT monitor = MonitorRectOf(params.placement == Placement::Centred ? params.placeNear : nullptr);
        at = params.placement == Placement::Centred
                 ? POINT{(monitor.left + monitor.right) / 2, (monitor.top + monitor.bottom) / 2}
                 : POINT{monitor.left + params.position.x, monitor.top + params.position.y};
    }
    const DWORD mirrored = RightToLeft() && !params.neverMirrored ? WS_EX_LAYOUTRTL : 0;
    const HWND hwnd = CreateWindowExW(params.exStyle | mirrored, params.className, TranslateWide(params.title).c_str(),
                                      params.style, at.x, at.y, 0, 0, params.owner, nullptr, instance, this);
    if (!hwnd) {
        if (createError_) std::rethrow_exception(std::exchange(createError_, nullptr));
        throw std::runtime_error(N_("Cannot create a window"));
    }
}

// The designed client area at the window's DPI.
void Window::SizeToDesign() {
    const SIZE design = created_.client96;
    if (design.cx <= 0 || design.cy <= 0) return;
    RECT outer{0, 0, Scale(design.cx), Scale(design.cy)};
    AdjustWindowRectExForDpi(&outer, static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)), FALSE,
                             static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)), dpi_);
    Resize({outer.right - outer.left, outer.bottom - outer.top});
}

// Where the window opens, for the size OnCreate left it at: wholly inside the
// work area of its monitor.
void Window::Place() {
    if (created_.placement == Placement::Exact || created_.client96.cx <= 0) return;
    const RECT r = OuterRect();
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    const bool centred = created_.placement == Placement::Centred;
    const HWND monitorOf = centred ? (created_.placeNear ? created_.placeNear : hwnd_) : nullptr;
    const RECT monitor = MonitorRectOf(monitorOf);
    const RECT work = WorkAreaOf(monitorOf);
    const ScreenRect area{work.left, work.top, work.right, work.bottom};
    const ScreenPoint place =
        centred ? CentreIn(width, height, area)
                : ScaledPlace({created_.position.x, created_.position.y}, static_cast<int>(dpi_),
                              {monitor.left, monitor.top}, width, height, area);
    MoveTo({place.x, place.y});
}

void Window::CreateControls(std::span<const ControlSpec> table, SIZE designedClient) {
    controls_.Create(hwnd_, table, designedClient, dpi_, created_.font);
    extraWidth_ = 0;
    FitCaptions();
}

// The window as much wider as its controls' captions need (ControlLayout::ExtraWidth).
void Window::FitCaptions() {
    const int extra = controls_.ExtraWidth();
    if (extra == extraWidth_) return;
    RECT outer{};
    GetWindowRect(hwnd_, &outer);
    const int width = outer.right - outer.left + extra - extraWidth_;
    extraWidth_ = extra;
    SetWindowPos(hwnd_, nullptr, 0, 0, width, outer.bottom - outer.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    controls_.Apply(dpi_);
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
        result = self->Recover(msg, N_("Unknown error"));
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
            SizeToDesign();  // the DPI is the monitor's the window was made on, known only now
            OnCreate();
            Place();
            return 0;
        case WM_MEASUREITEM:
            if (wParam == 0 && MeasureMenuImage(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE;
            return DefaultHandling(msg, wParam, lParam);
        case WM_DRAWITEM:
            if (wParam == 0 && DrawMenuImage(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
            return DefaultHandling(msg, wParam, lParam);
        case WM_PAINT: {
            PaintDc paint(hwnd_);
            OnPaint(paint.Dc(), paint.Dirty());
            return 0;
        }
        case WM_PRINTCLIENT:
            if (lParam & PRF_CLIENT) OnPaint(reinterpret_cast<HDC>(wParam), ClientRect());
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
            TellControls(false);
            OnSize(LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_SHOWWINDOW:
            OnShowWindow(wParam != FALSE);
            return DefaultHandling(msg, wParam, lParam);
        case WM_COMMAND: {
            const HWND control = reinterpret_cast<HWND>(lParam);
            const int id = LOWORD(wParam);
            if (Control* wrapper = Control::FromHandle(control); wrapper && wrapper->ReflectCommand(HIWORD(wParam))) {
                return 0;
            }
            // A menu item, accelerator or toolbar button of an action.
            for (Action* action : actions_) {
                if (action->Id() == id) {
                    action->Execute();
                    return 0;
                }
            }
            OnCommand(id, HIWORD(wParam), control);
            return 0;
        }
        case WM_NOTIFY: {
            const NMHDR& header = *reinterpret_cast<const NMHDR*>(lParam);
            LRESULT result = 0;
            if (Control* wrapper = Control::FromHandle(header.hwndFrom);
                wrapper && wrapper->ReflectNotify(header, result)) {
                return result;
            }
            return OnNotify(header);
        }
        case WM_HSCROLL:
        case WM_VSCROLL: {
            const HWND control = reinterpret_cast<HWND>(lParam);
            if (!control) return DefaultHandling(msg, wParam, lParam);  // the window's own scroll bars
            if (Control* wrapper = Control::FromHandle(control); wrapper && wrapper->ReflectScroll(LOWORD(wParam))) {
                return 0;
            }
            OnScroll(control, LOWORD(wParam));
            return 0;
        }
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
            if (HBRUSH brush = OnControlColour(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam))) {
                return reinterpret_cast<LRESULT>(brush);
            }
            return DefaultHandling(msg, wParam, lParam);
        case WM_GETMINMAXINFO:
            if (minimumSize96_.cx > 0 || minimumSize96_.cy > 0) {
                auto& info = *reinterpret_cast<MINMAXINFO*>(lParam);
                info.ptMinTrackSize.x = Scale(minimumSize96_.cx) + extraWidth_;
                info.ptMinTrackSize.y = Scale(minimumSize96_.cy);
                return 0;
            }
            return DefaultHandling(msg, wParam, lParam);
        case WM_CONTEXTMENU: {
            HWND control = reinterpret_cast<HWND>(wParam);
            POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (screen.x == -1 && screen.y == -1) screen = KeyboardMenuPoint(control);
            if (OnContextMenu(control, screen)) return 0;
            return DefaultHandling(msg, wParam, lParam);
        }
        case WM_ACTIVATE:
            if (!controls_.Empty() && FocusOnActivation(wParam)) return 0;
            return DefaultHandling(msg, wParam, lParam);
        case WM_NEXTDLGCTL:
            NextDialogControl(wParam, lParam);
            return 0;
        case WM_SETCURSOR:
            if (BusyCursor::Active() && LOWORD(lParam) == HTCLIENT) {
                SetCursor(LoadCursorW(nullptr, IDC_WAIT));
                return TRUE;
            }
            return DefaultHandling(msg, wParam, lParam);
        case WM_DPICHANGED: {
            // The suggested size scales the width added for the captions as well.
            extraWidth_ = MulDiv(extraWidth_, HIWORD(wParam), static_cast<int>(dpi_));
            dpi_ = HIWORD(wParam);
            MoveAndSize(*reinterpret_cast<const RECT*>(lParam));
            controls_.Apply(dpi_);
            if (!controls_.Empty()) FitCaptions();
            TellControls(true);
            OnDpiChanged(dpi_);
            return 0;
        }
        default:
            return DefaultHandling(msg, wParam, lParam);
    }
}

// The image beside a menu item of an action (HBMMENU_CALLBACK, Action::AppendTo).
bool Window::MeasureMenuImage(MEASUREITEMSTRUCT& item) {
    if (item.CtlType != ODT_MENU || !menuImages_) return false;
    int width = 0, height = 0;
    comctl::ImageList_GetIconSize(menuImages_, &width, &height);
    item.itemWidth = static_cast<UINT>(width);
    item.itemHeight = static_cast<UINT>(height);
    return true;
}

bool Window::DrawMenuImage(const DRAWITEMSTRUCT& item) {
    if (item.CtlType != ODT_MENU || !menuImages_) return false;
    for (const Action* action : actions_) {
        if (static_cast<UINT>(action->Id()) != item.itemID || action->Image() < 0) continue;
        int width = 0, height = 0;
        comctl::ImageList_GetIconSize(menuImages_, &width, &height);
        const int x = item.rcItem.left + (item.rcItem.right - item.rcItem.left - width) / 2;
        const int y = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - height) / 2;
        IMAGELISTDRAWPARAMS draw{};
        draw.cbSize = sizeof draw;
        draw.himl = menuImages_;
        draw.i = action->Image();
        draw.hdcDst = item.hDC;
        draw.x = x;
        draw.y = y;
        draw.rgbBk = CLR_NONE;
        draw.fStyle = ILD_TRANSPARENT;
        // A disabled item's image is greyed out like its text.
        draw.fState = (item.itemState & ODS_GRAYED) ? ILS_SATURATE : ILS_NORMAL;
        draw.Frame = 0;
        comctl::ImageList_DrawIndirect(&draw);
        return true;
    }
    return false;
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

LRESULT Window::OnNotify(const NMHDR&) { return 0; }

void Window::OnScroll(HWND, int) {}

HBRUSH Window::OnControlColour(HWND, HDC) { return nullptr; }

bool Window::OnContextMenu(HWND, POINT) { return false; }

// A fixed text thrown in English shows translated.
void Window::OnError(const char* what) {
    ShowMessageBox(hwnd_, Translate(what), ApplicationTitle(), MB_OK | MB_ICONERROR);
}

}  // namespace quorvel::ui
