// The base of the control wrappers (list view, track bar, check box ...).
//
// A wrapper is attached to a control that already exists, usually one made from
// a ControlSpec table:
//
//   ui::TrackBar volume_;
//   volume_.Attach(Item(kVolume));   // in OnCreate, after CreateControls
//
// The owning ui::Window finds the wrapper from the control's handle (a window
// property) and reflects the control's notifications to it (WM_COMMAND,
// WM_HSCROLL/WM_VSCROLL, WM_NOTIFY) before its own virtual handlers, and tells
// it of DPI changes and resizing. A wrapper is neither copyable nor movable:
// the control holds its address.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <string_view>

namespace quorvel::ui {

// A window's text in UTF-8: the one place the program reads a control's text.
std::string WindowText(HWND window);

class Control {
public:
    Control() = default;
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // Wraps an existing control (detaching from any earlier one); throws
    // std::invalid_argument for a null handle.
    void Attach(HWND control);
    HWND Handle() const { return hwnd_; }
    int Id() const { return GetDlgCtrlID(hwnd_); }
    // The resolution the control is laid out for: its top-level window's.
    UINT Dpi() const { return dpi_; }

    // The wrapper attached to a control; nullptr for a control without one.
    static Control* FromHandle(HWND control);

    // The control's text (UTF-8): a caption, an edit box's content ...
    std::string Text() const { return WindowText(hwnd_); }
    void SetText(std::string_view text);
    // The font the control draws with.
    HFONT Font() const { return reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)); }
    bool Enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }
    void SetEnabled(bool enabled);
    bool Visible() const { return IsWindowVisible(hwnd_) != FALSE; }
    // Shows or hides the control (a hidden one takes no focus).
    void SetVisible(bool visible) { ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE); }
    // Gives the control the keyboard focus.
    void Focus() const { SetFocus(hwnd_); }

    // Whether the control keeps Enter or Escape (vk) for itself rather than
    // letting its window press the default or cancel button; the default asks
    // the control (WM_GETDLGCODE).
    virtual bool KeepsKey(const MSG& msg) const;

    // Reflected notifications, called by the parent Window; true when handled
    // (the parent's own handler is then skipped).
    virtual bool ReflectCommand(int /*code*/) { return false; }
    virtual bool ReflectScroll(int /*code*/) { return false; }
    virtual bool ReflectNotify(const NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
    // The parent's DPI changed (after the table re-layout) / its client area was resized.
    void ParentDpiChanged(UINT dpi);
    virtual void ParentResized() {}

protected:
    // Called after Attach / after ParentDpiChanged, Dpi() being the new resolution.
    virtual void OnAttach() {}
    virtual void OnDpiChanged(UINT /*oldDpi*/) {}
    // After SetEnabled changed the state.
    virtual void OnEnabledChanged() {}

private:
    void Detach();

    HWND hwnd_ = nullptr;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
};

}  // namespace quorvel::ui
