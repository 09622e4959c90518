#include "trayicon/tray_icon.h"

#include <algorithm>
#include <utility>

#include "core/text.h"
#include "core/wide.h"
#include "platform/shell.h"

namespace quorvel {
namespace {

// The notification the shell sends to the component's window.
constexpr UINT kCallbackMessage = WM_USER;

TrayIcon::RequestObserver& Observer() {
    static TrayIcon::RequestObserver observer;
    return observer;
}

BOOL Request(DWORD operation, NOTIFYICONDATAW& data) {
    const BOOL result = Shell_NotifyIconW(operation, &data);
    if (const auto& observer = Observer()) observer(operation, data, result);
    return result;
}

}  // namespace

void TrayIcon::ObserveRequests(RequestObserver observer) { Observer() = std::move(observer); }

TrayIcon::~TrayIcon() {
    // A refused removal does not stop the destruction; the shell drops the icon
    // of a destroyed window by itself the next time it looks at it.
    if (active_) SetActive(false);
    Destroy();
}

HWND TrayIcon::WindowHandle() {
    if (!Handle()) {
        CreateParams params;
        params.className = L"QuorvelTrayIcon";
        params.title = L"";
        // Hidden, unowned and top-level: never shown, no taskbar button, and it
        // receives the taskbar's broadcasts, which child windows would not.
        params.style = WS_POPUP;
        params.exStyle = WS_EX_TOOLWINDOW;
        params.placement = Placement::Exact;  // at 0, 0 and left unsized
        CreateHandle(params);
    }
    return Handle();
}

void TrayIcon::SetActive(bool active) {
    if (active == active_) return;
    if (active ? AddIcon() : DeleteIcon()) active_ = active;
}

void TrayIcon::SetIcon(HICON icon) {
    if (icon == icon_.Get()) return;  // its own image (or no image, again)
    icon_.Reset(icon ? CopyIcon(icon) : nullptr);
    if (active_) ModifyIcon();
}

void TrayIcon::SetToolTip(std::string_view text) {
    const std::string_view kept = Utf8Prefix(text, kToolTipChars);
    if (kept == toolTip_) return;
    toolTip_.assign(kept);
    if (active_) ModifyIcon();
}

void TrayIcon::SetTaskIconID(std::uint32_t id) {
    if (id == taskIconId_) return;
    taskIconId_ = id;
    if (active_) ModifyIcon();
}

void TrayIcon::FillRecord(NOTIFYICONDATAW& data) {
    data = {};
    // The first version of the record: icon, tip of 64 characters, callback.
    data.cbSize = NOTIFYICONDATAW_V1_SIZE;
    data.hWnd = WindowHandle();
    data.uID = taskIconId_;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kCallbackMessage;
    data.hIcon = icon_.Get();
    const std::wstring tip = Wide(toolTip_);
    // The first version's tip field holds 64 characters with the terminating zero.
    const std::size_t length = Utf16Prefix(tip, kToolTipChars - 1).copy(data.szTip, kToolTipChars - 1);
    data.szTip[length] = L'\0';
}

bool TrayIcon::AddIcon() {
    FillRecord(iconData_);
    return Request(NIM_ADD, iconData_) != FALSE;
}

bool TrayIcon::ModifyIcon() {
    NOTIFYICONDATAW data;
    FillRecord(data);
    return Request(NIM_MODIFY, data) != FALSE;
}

bool TrayIcon::DeleteIcon() { return Request(NIM_DELETE, iconData_) != FALSE; }

LRESULT TrayIcon::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == kCallbackMessage) {
        // The identifier is the full unsigned 32-bit value the icon was given.
        if (wParam == static_cast<WPARAM>(taskIconId_)) Notify(lParam);
        return 0;
    }
    if (msg == TaskbarCreatedMessage() && msg != 0) {
        // The new taskbar knows no icons: an active one is added again. The
        // message also comes when the shell still shows the icon (the add is
        // then refused but a modify works). If both fail, Active turns false,
        // so a later activation tries again.
        if (active_) active_ = AddIcon() || ModifyIcon();
        return 0;
    }
    return Window::HandleMessage(msg, wParam, lParam);
}

void TrayIcon::Notify(LPARAM mouseMessage) {
    switch (mouseMessage) {
        case WM_LBUTTONUP:
            if (OnClick) OnClick(*this);
            break;
        case WM_LBUTTONDBLCLK:
            if (OnDblClick) OnDblClick(*this);
            break;
        case WM_RBUTTONUP:
            if (OnRightClick) {
                POINT cursor{};
                GetCursorPos(&cursor);
                OnRightClick(*this, cursor.x, cursor.y);
            }
            break;
        default:  // moves, presses, the middle button, right double clicks
            break;
    }
}

}  // namespace quorvel
