// The base of every window of the program.
//
// A derived class creates its window with CreateHandle and overrides the
// handlers it needs; anything else reaches HandleMessage, which it may also
// override (calling Window::HandleMessage for what it does not handle):
//
//   class CalendarWindow : public ui::Window {
//       void OnCommand(int id, int code, HWND control) override;
//   };
//
// The object is found from the HWND through GWLP_USERDATA, stored at
// WM_NCCREATE. No exception crosses the window procedure: one thrown by a
// handler goes to OnError (a message box by default), one thrown while the
// window is being created makes CreateHandle rethrow it.
//
// Destruction: the destructor destroys a window that still exists, but by then
// the derived part is gone, so its messages go to DefWindowProc; a class whose
// OnDestroy matters calls Destroy() in its own destructor.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <exception>
#include <span>
#include <utility>
#include <vector>

#include "core/font.h"
#include "ui/control_table.h"
#include "ui/handle.h"
#include "ui/window_ref.h"

namespace quorvel::ui {

class Action;

// An accelerator table made from its keys; empty when it cannot be made.
Accelerators MakeAccelerators(std::span<const ACCEL> keys);

// What it asks of the window manager (show, hide, move ...) is WindowRef's.
class Window : public WindowRef {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // The window's resolution in pixels per inch (its monitor's, kept up to date
    // by WM_DPICHANGED) and a 96-dpi design length at it.
    UINT Dpi() const { return dpi_; }
    int Scale(int pixels96) const { return ScaleForDpi(pixels96, dpi_); }

    void Destroy();

    // The Window behind a handle made by this toolkit; nullptr for any other.
    static Window* FromHandle(HWND hwnd);

    // Keyboard handling before a message is dispatched; true when the message
    // was consumed. The default, in this order: the window's accelerator table;
    // Enter (the focused push button, else the default button) and Escape (the
    // cancel button) unless the focused control wants the key (WM_GETDLGCODE);
    // then, for windows with WS_EX_CONTROLPARENT, dialog navigation (Tab,
    // arrows, mnemonics, and Enter/Escape as IDOK/IDCANCEL when no button is declared).
    virtual bool PreTranslateMessage(MSG& msg);

    // The window's own accelerators, translated to WM_COMMAND for this window
    // while it (or one of its controls) has the keyboard; empty to remove.
    void SetAccelerators(Accelerators table) { accelerators_ = std::move(table); }
    void SetAccelerators(std::span<const ACCEL> keys) { accelerators_ = MakeAccelerators(keys); }
    // The push button (a control id) Enter presses, drawn as default; 0 for none.
    void SetDefaultButton(int id);
    // The button Escape presses; 0 for none.
    void SetCancelButton(int id) { cancelButton_ = id; }
    // The smallest outer size the user can drag the window to, in 96-dpi pixels
    // (scaled to the window's DPI at each WM_GETMINMAXINFO); {0, 0} for none.
    void SetMinimumSize(SIZE outer96) { minimumSize96_ = outer96; }
    // Routes WM_COMMAND with action.Id() to action.Execute(); the action must
    // outlive the window's messages (make it a member of the derived class).
    void AddAction(Action& action) { actions_.push_back(&action); }
    // The images the menu items of the window's actions show, by Action::Image()
    // (not owned; it must outlive the menus); nullptr: text only.
    void SetMenuImages(HIMAGELIST images) { menuImages_ = images; }

    // Modal state, used by RunModal (ui/modal.h). EndModal ends the run with a
    // result; closing a modal window ends it with IDCANCEL instead of destroying.
    bool IsModal() const { return modal_; }
    void EndModal(int result) { modalResult_ = result; }

protected:
    // Where a window opens; every place is kept wholly inside its monitor's work area.
    enum class Placement {
        Centred,  // centred on placeNear's monitor (the primary one when null)
        Stated,   // at `position`, a 96-dpi design offset from the primary monitor's
                  // top-left, scaled with the window's DPI like its size
        Exact,    // at `position` in screen pixels, as given (a place the user chose)
    };
    struct CreateParams {
        const wchar_t* className = nullptr;  // registered on first use
        UINT classStyle = 0;                 // CS_DBLCLKS ...
        HICON icon = nullptr;
        HBRUSH background = GetSysColorBrush(COLOR_BTNFACE);  // nullptr: the window paints its whole client area
        const wchar_t* title = L"";
        DWORD style = WS_OVERLAPPEDWINDOW;  // a sizeable window
        DWORD exStyle = 0;
        // The client area's 96-dpi design size: the window is made that large at
        // its own DPI before OnCreate. {0, 0}: a window never shown, left unsized.
        SIZE client96{};
        Placement placement = Placement::Centred;
        POINT position{};
        HWND placeNear = nullptr;
        // The font of the window's controls, unless a control table row names
        // its own; nullptr: the system's message font.
        const FontSpec* font = nullptr;
        HWND owner = nullptr;
    };

    // Registers the class (once per name) and creates the window. Throws
    // std::runtime_error, or what OnCreate threw, when creation fails.
    void CreateHandle(const CreateParams& params);

    // Creates child controls from a table (ui/control_table.h), in the fonts the
    // rows and the window name; they are re-laid out and their fonts made anew
    // on WM_SIZE and WM_DPICHANGED from then on.
    void CreateControls(std::span<const ControlSpec> table, SIZE designedClient);
    HWND Item(int id) const { return controls_.Item(id); }
    // Draws one control in another font from now on, at every DPI.
    void SetControlFont(int id, const FontSpec& font) { controls_.SetFont(id, font); }

    // Every message comes here first. The default dispatches to the handlers
    // below and gives the rest to DefWindowProc.
    virtual LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultHandling(UINT msg, WPARAM wParam, LPARAM lParam);

    virtual void OnCreate() {}
    // WM_PAINT (dirty = the update region's box) and WM_PRINTCLIENT (the client area).
    virtual void OnPaint(HDC dc, const RECT& dirty);
    virtual void OnTimer(UINT_PTR id);
    // WM_CLOSE: ends a modal run, otherwise destroys the window.
    virtual void OnClose();
    virtual void OnDestroy() {}
    // WM_SIZE, after the controls have followed their anchors.
    virtual void OnSize(int width, int height);
    // WM_SHOWWINDOW.
    virtual void OnShowWindow(bool shown);
    virtual void OnCommand(int id, int code, HWND control);
    // WM_NOTIFY not handled by the sending control's wrapper (ui/controls/control.h).
    virtual LRESULT OnNotify(const NMHDR& header);
    // WM_HSCROLL / WM_VSCROLL from a control (a track bar: TB_ codes) not handled by its wrapper.
    virtual void OnScroll(HWND control, int code);
    // WM_CTLCOLOR*: a brush for the control's background (set the DC's colours
    // too), or nullptr for the default colours. The window keeps the brush alive.
    virtual HBRUSH OnControlColour(HWND control, HDC dc);
    // WM_CONTEXTMENU; control is the window or child right-clicked, screen the
    // point to show the menu at (for Shift+F10 / the menu key: below the list
    // view's focused item, else the control's top left corner). false: not handled.
    virtual bool OnContextMenu(HWND control, POINT screen);
    // WM_DPICHANGED, after Dpi() has changed, the window has taken the suggested
    // rectangle and the controls are re-laid out.
    virtual void OnDpiChanged(UINT dpi);
    // An exception reached the window procedure; the default shows its text.
    // Exceptions thrown while a report is under way are dropped, not reported.
    virtual void OnError(const char* what);

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Recover(UINT msg, const char* what) noexcept;
    bool PressButton(int id);
    bool HandleEnterOrEscape(const MSG& msg);
    bool FocusOnActivation(WPARAM wParam);
    void NextDialogControl(WPARAM wParam, LPARAM lParam);
    static POINT KeyboardMenuPoint(HWND control);
    void TellControls(bool dpiChanged);
    void SizeToDesign();
    void Place();
    bool DrawMenuImage(const DRAWITEMSTRUCT& item);
    bool MeasureMenuImage(MEASUREITEMSTRUCT& item);

    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    bool modal_ = false;
    int modalResult_ = 0;
    std::exception_ptr createError_;
    ControlLayout controls_;
    Accelerators accelerators_;
    int defaultButton_ = 0;
    int cancelButton_ = 0;
    SIZE minimumSize96_{};
    CreateParams created_;   // how the window was made, for WM_CREATE
    std::vector<Action*> actions_;
    HIMAGELIST menuImages_ = nullptr;
    HWND lastFocus_ = nullptr;  // the child that had the keyboard when the window was deactivated

    friend int RunModal(Window& dialog, HWND owner);
};

}  // namespace quorvel::ui
