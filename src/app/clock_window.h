// TForm1, the clock window and the program's main window: a borderless,
// top-most, layered window that paints the clock text with its shadow and
// outline, and ticks every 250 ms once it has been shown. Closing it ends the
// program.
#pragma once

#include <cstdint>
#include <string>

#include "alarms/alarm.h"
#include "app/clock_label.h"
#include "app/clock_menu.h"
#include "app/settings_registry.h"
#include "app/time_format.h"
#include "core/colour.h"
#include "core/date_time.h"
#include "trayicon/task_icon.h"
#include "ui/dc.h"
#include "ui/timer.h"
#include "ui/window.h"

namespace quorvel {

// The clock window's class; with its caption "Quorvel" it tells whether the
// program is running.
inline constexpr wchar_t kClockWindowClass[] = L"TForm1";

class TForm1 : public ui::Window {
public:
    TForm1();
    ~TForm1() override;

    // Creates the window, hidden, with its creation properties, then runs FormCreate.
    void Create();
    // Shows the window; its first showing runs FormShow.
    void Show();

    // Components, in creation order; the labels are painted in this order.
    ClockLabel lblShadow;
    ClockLabel Label1;
    ClockLabel lblOutline;
    TTaskIcon ti;
    ui::Timer tmr;
    ClockMenu pm;

    // The clock face's settings, owned by this window.
    std::string TimeFormat = "hh:mm:ss";
    std::int32_t ShadowDepth = 2;
    TDateTime NextSaveTime = 0;

    // Drag to move: the left button went down on a label at this label-relative point.
    bool Dragging = false;
    std::int32_t DragStartX = 0;
    std::int32_t DragStartY = 0;

    // Whether the message loop shows this window at start; loading the stored
    // Hidden setting clears it.
    bool showOnStart = true;

    // Window colour, opacity and colour key. Setting a value different from the
    // current one takes effect at once; the same value does nothing.
    TColor Color() const { return color_; }
    void SetColor(TColor colour);
    bool AlphaBlend() const { return alphaBlend_; }
    void SetAlphaBlend(bool on);
    std::uint8_t AlphaBlendValue() const { return alphaBlendValue_; }
    void SetAlphaBlendValue(std::uint8_t alpha);
    bool TransparentColor() const { return transparentColor_; }
    void SetTransparentColor(bool on);
    TColor TransparentColorValue() const { return transparentColorValue_; }
    void SetTransparentColorValue(TColor key);

    // The user's regional settings the clock text is formatted with.
    const FormatSettings& Locale() const { return locale_; }

    void FormCreate();
    void FormShow();
    void FormClose();
    void tmrTimer();
    void PlaceShadow();

    // Settings storage: the registry key of the clock's settings and the
    // start-up entry. Failures are reported here, in a message box.
    void LoadSettings();
    void SaveSettings();
    void SetStartupEntry(bool enabled);
    bool StartupEntryExists();
    // The program's one registry object, shared with the alarm list.
    SettingsRegistry& Registry() { return registry_; }
    // The alarm list SaveSettings saves after the settings; not owned, and it
    // must outlive the window. Without one, SaveSettings saves the settings only.
    void SetAlarmList(Talarms* list) { alarmList_ = list; }

    // Commands. Pointer positions are relative to the label that was pressed.
    enum class MouseButton { Left, Right, Middle };
    void Label1MouseDown(const ClockLabel& sender, MouseButton button, int x, int y);
    void Label1MouseMove(const ClockLabel& sender, int x, int y);
    void Label1MouseUp(const ClockLabel& sender, MouseButton button, int x, int y);
    void Label1DblClick(const ClockLabel& sender);
    void FormMouseWheelUp();
    void FormMouseWheelDown();
    void Alarmsandreminders1Click();
    void Showcalendar1Click();
    void Hide1Click();
    void About1Click();
    void Exit1Click();
    void Setup1Click();
    void tiClick(TTaskIcon& sender);
    void tiDblClick(TTaskIcon& sender);
    void tiRightClick(TTaskIcon& sender, int x, int y);
    void ShowAbout();

    bool PreTranslateMessage(MSG& msg) override;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnCreate() override;
    void OnPaint(HDC dc, const RECT& dirty) override;
    void OnTimer(UINT_PTR id) override;
    void OnClose() override;
    void OnDestroy() override;
    void OnSize(int width, int height) override;
    void OnShowWindow(bool shown) override;
    void OnDpiChanged(UINT dpi) override;
    void OnCommand(int id, int code, HWND control) override;

private:
    // Pointer input on the face, routed to the labels' handlers; false when the
    // message is not pointer input.
    bool HandlePointer(UINT msg, WPARAM wParam, LPARAM lParam);
    ClockLabel* LabelAt(POINT client);
    void Wheel(int delta);
    void PopupMenuAt(int x, int y);
    void OpenTrayClickMenu();
    void ForgetTrayClick();
    static constexpr UINT_PTR kTrayClickTimer = 2;
    void PeriodicSave();
    void ConfigureTrayIcon();
    // A stored position on a monitor that is gone: back onto the primary monitor.
    void KeepOnScreen();
    void ReadLocale();
    void RequestRepaint();
    void ApplyLayeredAttributes();
    void FitWindowToText();
    int ShadowOffset() const;
    ui::GlyphEdges Edges() const;
    void PaintFace(HDC dc, const RECT& client) const;

    TColor color_ = clBlack;
    bool alphaBlend_ = true;
    std::uint8_t alphaBlendValue_ = 128;
    bool transparentColor_ = true;
    TColor transparentColorValue_ = clBlack;

    bool formShowDone_ = false;
    SettingsRegistry registry_;
    Talarms* alarmList_ = nullptr;
    bool saving_ = false;            // a periodic save (and its message box) is under way
    ClockLabel* pressed_ = nullptr;  // the label holding the pointer capture
    int wheelDelta_ = 0;             // wheel movement short of a full notch
    // A left click on the tray icon opens the menu only once the double-click
    // time has passed without a second click (see tiClick).
    POINT trayClickAt_{};
    bool trayClickAfterDoubleClick_ = false;
    DWORD trayDoubleClickTime_ = 0;
    bool inTick_ = false;  // repaints asked for during a tick are made once, at its end
    bool repaintPending_ = false;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    std::string text_;  // the formatted time, its buffer reused at every tick
    FormatSettings locale_;
    ui::BackBuffer backBuffer_;
};

}  // namespace quorvel
