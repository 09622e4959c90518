// TrayIcon: one icon with a tool tip in the taskbar's notification area while
// Active is true, and the user's mouse actions on it as three events.
//
//   TrayIcon ti;
//   ti.SetIcon(icon);            // copied; the caller keeps its own
//   ti.SetToolTip("Quorvel");
//   ti.OnDblClick = [&](TrayIcon&) { ShowClock(); };
//   ti.SetActive(true);          // Active() stays false if the shell refuses
//
// The component owns a hidden top-level window of its own, created when a
// request first needs it; the shell's notifications (WM_USER) arrive there. A
// top-level window also hears "TaskbarCreated", so an active icon is added again
// when the taskbar is re-created (Explorer restarted); a hidden clock would
// otherwise have no way back.
//
// Requests: a property write sends one only when the value changes, and a change
// of Icon, ToolTip or TaskIconID sends one only while Active (a modify, whose
// result is ignored). Removing names the icon by the record of the last add.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "ui/handle.h"
#include "ui/window.h"

namespace quorvel {

class TrayIcon : public ui::Window {
public:
    using NotifyEvent = std::function<void(TrayIcon& sender)>;
    // Right button released on the icon; x, y the cursor in screen coordinates
    // when the notification was handled (the button is the right one, no shift keys).
    using RightClickEvent = std::function<void(TrayIcon& sender, int x, int y)>;

    // At most this many characters of a tool tip are kept; one fewer reach the
    // shell, whose tip field also holds the terminating zero.
    static constexpr std::size_t kToolTipChars = 64;

    TrayIcon() = default;
    // Removes an active icon first.
    ~TrayIcon() override;

    bool Active() const { return active_; }
    void SetActive(bool active);

    // The component's own copy of the image; never the caller's handle.
    HICON Icon() const { return icon_.Get(); }
    // Copies `icon` (nullptr clears it). Writing the component's own handle does
    // nothing; any other handle, even of an equal image, is a change.
    void SetIcon(HICON icon);

    const std::string& ToolTip() const { return toolTip_; }  // UTF-8
    void SetToolTip(std::string_view text);

    std::uint32_t TaskIconID() const { return taskIconId_; }
    void SetTaskIconID(std::uint32_t id);

    NotifyEvent OnClick;
    NotifyEvent OnDblClick;
    RightClickEvent OnRightClick;

    // The component's window, created on first use.
    HWND WindowHandle();

    // Test seam: sees every request after it went to the shell, with its
    // operation (NIM_ADD ...), its record and the shell's answer. nullptr stops it.
    using RequestObserver = std::function<void(DWORD operation, const NOTIFYICONDATAW& data, BOOL result)>;
    static void ObserveRequests(RequestObserver observer);

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void FillRecord(NOTIFYICONDATAW& data);
    bool AddIcon();
    bool ModifyIcon();
    bool DeleteIcon();
    void Notify(LPARAM mouseMessage);

    bool active_ = false;
    ui::Icon icon_;
    std::string toolTip_;
    std::uint32_t taskIconId_ = 0;
    NOTIFYICONDATAW iconData_{};  // as sent by the last add; a delete sends it again
};

}  // namespace quorvel
