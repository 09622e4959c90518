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
#include "app/tray_click_timing.h"
#include "core/format/time_format.h"
#include "core/colour.h"
#include "core/product.h"
#include "core/date_time.h"
#include "trayicon/tray_icon.h"
#include "ui/dc.h"
#include "ui/timer.h"
#include "ui/window.h"
#include "windows/about/about_window.h"
#include "windows/settings/tunable_clock.h"

namespace quorvel {

class AlarmBook;
class AlarmsWindow;
class CalendarWindow;
class SettingsWindow;

class ClockWindow : public ui::Window, public TunableClock {
public:
    ClockWindow();
    ~ClockWindow() override;

    // Creates the window, hidden, at its creation properties, then applies the
    // stored settings. A clock that starts hidden ticks from here on.
    void Create();
    // Shows the window; its first showing checks the display and starts the clock.
    void Show();
    // Whether the message loop shows the window at start: false when the stored
    // settings say hidden and the tray icon is there to come back from.
    bool ShowOnStart() const { return showOnStart_; }

    // The program's alarms: every tick checks them (after the clock text,
    // before the periodic save) and SaveSettings saves them after the
    // settings. Not owned; it must outlive this window's messages.
    void SetAlarmBook(AlarmBook* book);
    // The window the Alarms command shows; not owned.
    void SetAlarmsWindow(AlarmsWindow* window) { alarmsWindow_ = window; }
    // The windows the commands open; not owned, and they must outlive this
    // window's messages. Without them the commands do nothing.
    void SetSettingsWindow(SettingsWindow* window) { settingsWindow_ = window; }
    void SetCalendarWindow(CalendarWindow* window) { calendarWindow_ = window; }

    // The clock's appearance, acted on live (the settings window works through
    // these). Setting a value equal to the current one does nothing; a change
    // repaints at once, and the window fits itself to the text at the next tick.
    // The outline's colour is the background's, set at every tick.
    const FontSpec& LabelFont(FaceLabel label) const override { return Label(label).Font(); }
    void SetLabelFont(FaceLabel label, const FontSpec& font) override { MutableLabel(label).SetFont(font); }
    bool LabelVisible(FaceLabel label) const override { return Label(label).Visible(); }
    void SetLabelVisible(FaceLabel label, bool visible) override { MutableLabel(label).SetVisible(visible); }
    // The size in points of the text, then of the shadow and the outline.
    void SetFontSize(int points);

    // The window colour behind the text; with the colour key on, pixels of the
    // key colour are see-through.
    Colour BackgroundColour() const override { return backgroundColour_; }
    void SetBackgroundColour(Colour colour) override;
    bool ColourKeyOn() const override { return colourKeyOn_; }
    void SetColourKeyOn(bool on) override;
    void SetColourKey(Colour key) override;
    // 0 (invisible) to 255 (opaque).
    std::uint8_t Opacity() const override { return opacity_; }
    void SetOpacity(std::uint8_t opacity) override;

    // The time format language's text (core/format); used from the next tick on.
    const std::string& TimeFormat() const override { return timeFormat_; }
    void SetTimeFormat(const std::string& format) override { timeFormat_ = format; }
    // Pixels right of and below the text; kept as given, PlaceShadow applies it.
    std::int32_t ShadowDepth() const override { return shadowDepth_; }
    void SetShadowDepth(std::int32_t depth) override { shadowDepth_ = depth; }
    void PlaceShadow() override;

    // Hidden to the tray icon (not visible).
    bool Hidden() const override { return !IsWindowVisible(Handle()); }
    // The menu's Hide/Show command: hides the clock to the tray icon, or shows it.
    void ToggleHidden() override;
    void ShowAbout() override;
    void OnAlarmsCommand() override;
    // Closes the clock window, which saves everything and ends the program.
    void CloseClock() override { OnExitCommand(); }

    // Settings storage: the registry key of the clock's settings and the
    // start-up entry. Failures are reported here, in a message box.
    void SaveSettings() override;
    void SetStartupEntry(bool enabled) override;
    bool StartupEntryExists() override;

    bool PreTranslateMessage(MSG& msg) override;

    // For tests: what no message shows from outside.
    const ClockLabel& Label(FaceLabel label) const;
    Colour ColourKey() const { return colourKey_; }
    // The about windows opened by ShowAbout and not yet closed.
    const AboutWindows& OpenedAboutWindows() const { return aboutWindows_; }
    // Replaces the alarm check SetAlarmBook made; run on every tick after
    // the clock text has been updated and before the periodic save.
    void SetAlarmCheck(std::function<void()> check) { alarmCheck_ = std::move(check); }
    void Tick() { OnTick(); }  // one tick now, as the tick timer runs it
    bool Ticking() const { return tickTimer_.Enabled(); }
    DateTime NextSaveTime() const { return nextSaveTime_; }
    TrayIcon& Tray() { return trayIcon_; }
    const ClockMenu& Menu() const { return menu_; }

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
    enum class MouseButton { Left, Right, Middle };

    void LoadSettings();
    // The first showing: checks the display's colours and starts the tick.
    void OnFirstShowing();
    void OnTick();
    void PeriodicSave();

    // Pointer input on the face, routed to the labels' handlers; false when the
    // message is not pointer input. Positions are relative to the pressed label.
    bool HandlePointer(UINT msg, WPARAM wParam, LPARAM lParam);
    ClockLabel* LabelAt(POINT client);
    ClockLabel& MutableLabel(FaceLabel label);
    void OnFaceMouseDown(const ClockLabel& sender, MouseButton button, int x, int y);
    void OnFaceMouseMove(const ClockLabel& sender, int x, int y);
    void OnFaceMouseUp();
    void OnFaceDoubleClick();
    void Wheel(int delta);
    void OnMouseWheelUp();
    void OnMouseWheelDown();

    void OnCalendarCommand();
    void OnRemindMeCommand(int minutes);
    void OnPropertiesCommand();
    // An alarm another program hands over (quorvel-cli alarms add): taken
    // when it arrives whole, then saved; false when it is not taken.
    bool OnCopyData(const COPYDATASTRUCT& data);
    // Runs the alarm check now (resume from sleep, a changed system time).
    void CheckAlarmsNow();
    void OnExitCommand();
    void ShowFromTray();
    void PopupMenuAt(int x, int y);
    void ConfigureTrayIcon();
    void ActivateTrayIcon();

    // A stored position on a monitor that is gone: back onto the primary monitor.
    void KeepOnScreen();
    void ReadLocale();
    void RequestRepaint();
    void ApplyLayeredAttributes();
    void FitWindowToText();
    int ShadowOffset() const;
    ui::GlyphEdges Edges() const;
    void PaintFace(HDC dc, const RECT& client) const;

    // Components, in creation order; the labels are painted in this order.
    ClockLabel shadow_;
    ClockLabel text_;
    ClockLabel outline_;
    TrayIcon trayIcon_;
    ui::Timer tickTimer_;
    ClockMenu menu_;
    TrayClickTiming trayClicks_;

    std::string timeFormat_ = "hh:mm:ss";
    std::int32_t shadowDepth_ = 2;
    Colour backgroundColour_ = kBlack;
    std::uint8_t opacity_ = 128;
    bool colourKeyOn_ = true;
    Colour colourKey_ = kBlack;

    DateTime nextSaveTime_ = 0;
    bool showOnStart_ = true;
    bool firstShowingDone_ = false;
    AlarmBook* alarmBook_ = nullptr;
    AlarmsWindow* alarmsWindow_ = nullptr;
    std::function<void()> alarmCheck_;
    SettingsWindow* settingsWindow_ = nullptr;
    CalendarWindow* calendarWindow_ = nullptr;
    AboutWindows aboutWindows_;
    bool saving_ = false;            // a periodic save (and its message box) is under way

    // Drag to move: the left button went down on a label at this label-relative point.
    bool dragging_ = false;
    int dragStartX_ = 0;
    int dragStartY_ = 0;
    ClockLabel* pressed_ = nullptr;  // the label holding the pointer capture
    int wheelDelta_ = 0;             // wheel movement short of a full notch

    bool inTick_ = false;  // repaints asked for during a tick are made once, at its end
    bool repaintPending_ = false;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    std::string timeText_;  // the formatted time, its buffer reused at every tick
    FormatSettings locale_;
    ui::BackBuffer backBuffer_;
};

}  // namespace quorvel
