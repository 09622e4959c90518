// ClockWindow, the clock window and the program's main window: a borderless,
// top-most, layered window that paints the clock text with its shadow and
// outline, and ticks every 250 ms once it has been shown. Closing it ends the
// program.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "app/clock_label.h"
#include "app/clock_menu.h"
#include "platform/settings_registry.h"
#include "core/format/time_format.h"
#include "core/colour.h"
#include "core/product.h"
#include "core/date_time.h"
#include "trayicon/tray_icon.h"
#include "ui/dc.h"
#include "ui/timer.h"
#include "ui/window.h"
#include "windows/alarms/alarms_window.h"
#include "windows/about/about_window.h"
#include "windows/settings/tunable_clock.h"

namespace quorvel {

class CalendarWindow;
class SettingsWindow;

// The clock window's class; with its caption "Quorvel" it tells whether the
// program is running.

class ClockWindow : public ui::Window, public TunableClock {
public:
    ClockWindow();
    ~ClockWindow() override;

    // Creates the window, hidden, with its creation properties, then runs FormCreate.
    void Create();
    // Shows the window; its first showing runs FormShow.
    void Show();

    // Components, in creation order; the labels are painted in this order.
    ClockLabel shadow_;
    ClockLabel text_;
    ClockLabel outline_;
    TrayIcon trayIcon_;
    ui::Timer tickTimer_;
    ClockMenu menu_;

    // The clock face's settings, owned by this window.
    std::string timeFormat_ = "hh:mm:ss";
    std::int32_t shadowDepth_ = 2;
    DateTime nextSaveTime_ = 0;

    // Drag to move: the left button went down on a label at this label-relative point.
    bool dragging_ = false;
    std::int32_t dragStartX_ = 0;
    std::int32_t dragStartY_ = 0;

    // Whether the message loop shows this window at start; loading the stored
    // Hidden setting clears it.
    bool showOnStart_ = true;

    // Window colour, opacity and colour key. Setting a value different from the
    // current one takes effect at once; the same value does nothing.
    Colour BackgroundColour() const override { return backgroundColour_; }
    void SetBackgroundColour(Colour colour) override;
    bool AlphaBlend() const { return alphaBlend_; }
    void SetAlphaBlend(bool on);
    std::uint8_t AlphaBlendValue() const override { return alphaBlendValue_; }
    void SetAlphaBlendValue(std::uint8_t alpha) override;
    bool TransparentColour() const override { return transparentColour_; }
    void SetTransparentColour(bool on) override;
    Colour TransparentColourValue() const { return transparentColourValue_; }
    void SetTransparentColourValue(Colour key) override;

    // The user's regional settings the clock text is formatted with.
    const FormatSettings& Locale() const { return locale_; }

    void FormCreate();
    void FormShow();
    void FormClose();
    void OnTick();
    void PlaceShadow() override;

    // The clock face as the settings window changes it.
    const FontSpec& LabelFont(FaceLabel label) const override;
    void SetLabelFont(FaceLabel label, const FontSpec& font) override;
    bool LabelVisible(FaceLabel label) const override;
    void SetLabelVisible(FaceLabel label, bool visible) override;
    const std::string& TimeFormat() const override { return timeFormat_; }
    void SetTimeFormat(const std::string& format) override { timeFormat_ = format; }
    std::int32_t ShadowDepth() const override { return shadowDepth_; }
    void SetShadowDepth(std::int32_t depth) override { shadowDepth_ = depth; }
    bool IsClockVisible() const override { return IsWindowVisible(Handle()) != FALSE; }
    void CloseClock() override { OnExitCommand(); }

    // The windows the commands open; not owned, and they must outlive this
    // window's messages. Without them the commands do nothing.
    void SetSettingsWindow(SettingsWindow* window) { settingsWindow_ = window; }
    void SetCalendarWindow(CalendarWindow* window) { calendarWindow_ = window; }
    // The about windows opened by ShowAbout.
    const AboutWindows& OpenedAboutWindows() const { return aboutWindows_; }

    // Settings storage: the registry key of the clock's settings and the
    // start-up entry. Failures are reported here, in a message box.
    void LoadSettings();
    void SaveSettings() override;
    void SetStartupEntry(bool enabled) override;
    bool StartupEntryExists() override;
    // The program's one registry object, shared with the alarm list.
    SettingsRegistry& Registry() { return registry_; }
    // The alarms window: its list is saved by SaveSettings after the settings,
    // its CheckAlarms becomes the tick's alarm check, and the Alarms command
    // shows it. Not owned; it must outlive this window's messages.
    void SetAlarmsWindow(AlarmsWindow* window);
    // The alarm check, run on every tick after the clock text has been updated
    // and before the periodic save.
    void SetAlarmCheck(std::function<void()> check) { alarmCheck_ = std::move(check); }

    // Commands. Pointer positions are relative to the label that was pressed.
    enum class MouseButton { Left, Right, Middle };
    void OnFaceMouseDown(const ClockLabel& sender, MouseButton button, int x, int y);
    void OnFaceMouseMove(const ClockLabel& sender, int x, int y);
    void OnFaceMouseUp(const ClockLabel& sender, MouseButton button, int x, int y);
    void OnFaceDoubleClick(const ClockLabel& sender);
    void OnMouseWheelUp();
    void OnMouseWheelDown();
    void OnAlarmsCommand() override;
    void OnCalendarCommand();
    void OnHideCommand() override;
    void OnAboutCommand();
    void OnExitCommand();
    void OnPropertiesCommand();
    void OnTrayClick(TrayIcon& sender);
    void OnTrayDoubleClick(TrayIcon& sender);
    void OnTrayRightClick(TrayIcon& sender, int x, int y);
    void ShowAbout() override;

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
    ClockLabel& Label(FaceLabel label);
    const ClockLabel& Label(FaceLabel label) const;
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

    Colour backgroundColour_ = kBlack;
    bool alphaBlend_ = true;
    std::uint8_t alphaBlendValue_ = 128;
    bool transparentColour_ = true;
    Colour transparentColourValue_ = kBlack;

    bool formShowDone_ = false;
    SettingsRegistry registry_;
    AlarmsWindow* alarmsWindow_ = nullptr;
    std::function<void()> alarmCheck_;
    SettingsWindow* settingsWindow_ = nullptr;
    CalendarWindow* calendarWindow_ = nullptr;
    AboutWindows aboutWindows_;
    bool saving_ = false;            // a periodic save (and its message box) is under way
    ClockLabel* pressed_ = nullptr;  // the label holding the pointer capture
    int wheelDelta_ = 0;             // wheel movement short of a full notch
    // A left click on the tray icon opens the menu only once the double-click
    // time has passed without a second click (see OnTrayClick).
    POINT trayClickAt_{};
    bool trayClickAfterDoubleClick_ = false;
    DWORD trayDoubleClickTime_ = 0;
    bool inTick_ = false;  // repaints asked for during a tick are made once, at its end
    bool repaintPending_ = false;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    std::string timeText_;  // the formatted time, its buffer reused at every tick
    FormatSettings locale_;
    ui::BackBuffer backBuffer_;
};

}  // namespace quorvel
