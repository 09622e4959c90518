// ClockWindow, the clock window and the program's main window: a borderless,
// top-most, layered window that paints the clock text with its shadow and
// outline, and ticks every 250 ms once it has been shown. It shows the face and
// takes the pointer: dragged by its text, sized by the wheel; a double-click
// and the context menu are handed to its owner. Closing it ends the program.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/clock_label.h"
#include "app/clock_settings.h"
#include "core/colour.h"
#include "core/date_time.h"
#include "core/format/time_format.h"
#include "ui/accessible_object.h"
#include "ui/dc.h"
#include "ui/timer.h"
#include "ui/window.h"
#include "windows/settings/tunable_clock.h"

namespace quorvel {

// Messages the clock window receives for others: from other programs, the
// shell and the system. Each handler says whether it took the message.
class ClockMessageHandler {
public:
    virtual bool HandleClockMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) = 0;

protected:
    ~ClockMessageHandler() = default;
};

class ClockWindow : public ui::Window, public TunableClock {
public:
    ClockWindow();
    ~ClockWindow() override;

    // Creates the window, hidden, at its creation properties.
    void Create();
    // Takes the stored settings: place, format, fonts, colours, layers. The
    // hidden flag is the tray's business.
    void Apply(const ClockSettings& settings);
    // The settings as the window has them now (place, visibility included).
    ClockSettings Settings() const;
    // A stored position on a monitor that is gone: back onto the primary monitor.
    void KeepOnScreen();

    // Show() from the toolkit: the first showing checks the display, puts the
    // time on the face for the first paint and starts the tick.
    // Starts the 250 ms tick (a clock that starts hidden ticks all the same);
    // false when the system gave no timer. Each tick comes just after a
    // quarter second of the system time (core/tick_phase.h).
    [[nodiscard]] bool StartTicking();
    bool Ticking() const { return tickTimer_.Enabled(); }
    // One tick now, as the timer runs it: the face, the tick's step with the
    // system clock, then onTick.
    void Tick();

    // How the clock lives beside other programs, kept with its settings; the
    // program's desktop parts act on them.
    const DesktopOptions& Desktop() const { return desktop_; }
    void SetDesktop(const DesktopOptions& options) { desktop_ = options; }
    // Out of a full-screen program's way: hidden and no longer top-most, yet
    // shown as far as the settings go. ComeBack shows it on top again without
    // taking the keyboard; any other showing meanwhile ends the step aside.
    void StepAside();
    void ComeBack();
    bool SteppedAside() const { return steppedAside_; }
    // Whether the pointer passes through the whole window to what is beneath.
    void SetPointerPassesThrough(bool passes);
    bool PointerPassesThrough() const;

    // Told after the face's update at every tick (the alarm check, the save).
    std::function<void()> onTick;
    // The tick could not start: no alarm would fire.
    std::function<void()> onTickFailed;
    // A double-click on the text; the context menu at a screen point.
    std::function<void()> onDoubleClick;
    std::function<void(POINT screen)> onContextMenu;
    // Closing (the close box, Exit): before the window goes.
    std::function<void()> onClosing;
    // Messages for the program's other parts, asked in the order added.
    void AddMessageHandler(ClockMessageHandler& handler) { handlers_.push_back(&handler); }

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
    Colour BackgroundColour() const override { return backgroundColour_; }
    void SetBackgroundColour(Colour colour) override;
    bool ColourKeyOn() const override { return colourKeyOn_; }
    void SetColourKeyOn(bool on) override;
    void SetColourKey(Colour key) override;
    std::uint8_t Opacity() const override { return opacity_; }
    void SetOpacity(std::uint8_t opacity) override;
    const std::string& TimeFormat() const override { return timeFormat_; }
    void SetTimeFormat(const std::string& format) override { timeFormat_ = format; }
    std::int32_t ShadowDepth() const override { return shadowDepth_; }
    void SetShadowDepth(std::int32_t depth) override { shadowDepth_ = depth; }
    void PlaceShadow() override;

    // For tests: what no message shows from outside.
    const ClockLabel& Label(FaceLabel label) const;
    Colour ColourKey() const { return colourKey_; }

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

private:
    // The first showing: checks the display's colours and starts the tick.
    void OnFirstShowing();
    void UpdateFace(DateTime now);
    void KeepTickInStep(DateTime now);
    bool HandleOthers(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Pointer input on the face; false when the message is not its business.
    bool HandlePointer(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool OnText(POINT screen) const;
    void Wheel(int delta);
    void OnMouseWheelUp();
    void OnMouseWheelDown();

    ClockLabel& MutableLabel(FaceLabel label);
    void ReadLocale();
    void ReadHighContrast();
    void RequestRepaint();
    void ApplyLayeredAttributes();
    void FitWindowToText();
    int ShadowOffset() const;
    ui::GlyphEdges Edges() const;
    void PaintFace(HDC dc, const RECT& client) const;

    // The labels, painted in this order.
    ClockLabel shadow_;
    ClockLabel text_;
    ClockLabel outline_;
    // What screen readers read: a clock named Quorvel whose value is the face's text.
    ui::AccessibleObject readerObject_;
    ui::Timer tickTimer_;
    std::vector<ClockMessageHandler*> handlers_;

    std::string timeFormat_ = "hh:mm:ss";
    std::int32_t shadowDepth_ = 2;
    Colour backgroundColour_ = kBlack;
    std::uint8_t opacity_ = 128;
    bool colourKeyOn_ = true;
    Colour colourKey_ = kBlack;
    bool highContrast_ = false;  // Windows' high contrast: the stored look waits until it ends

    DesktopOptions desktop_;
    bool steppedAside_ = false;
    bool firstShowingDone_ = false;
    int wheelDelta_ = 0;   // wheel movement short of a full notch
    bool inTick_ = false;  // repaints asked for during a tick are made once, at its end
    bool repaintPending_ = false;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    std::string timeText_;  // the formatted time, its buffer reused at every tick
    FormatSettings locale_;
    ui::BackBuffer backBuffer_;
};

}  // namespace quorvel
