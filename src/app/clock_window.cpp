#include "app/clock_window.h"

#include <oleacc.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "core/clock.h"
#include "core/product.h"
#include "core/scope_exit.h"
#include "core/screen_placement.h"
#include "core/tick_phase.h"
#include "core/translation.h"
#include "platform/shell.h"
#include "platform/user_locale.h"
#include "resource_ids.h"
#include "ui/display.h"
#include "ui/message_box.h"
#include "ui/module.h"

namespace quorvel {
namespace {

constexpr UINT_PTR kTickTimer = 1;

// Creation properties (96-dpi design; the position, kHomePosition, is in screen pixels).
constexpr int kClientWidth = 172;
constexpr int kClientHeight = 34;

const FontSpec kTextFont = ClockSettings{}.font;
const FontSpec kShadowFont{kTextFont.name, kTextFont.size, kSilver, kTextFont.style};
const FontSpec kOutlineFont{kTextFont.name, kTextFont.size, kBlack, kTextFont.style};

}  // namespace

ClockWindow::ClockWindow()
    : shadow_(2, 2, kShadowFont, true),
      text_(0, 0, kTextFont, true),
      outline_(1, 1, kOutlineFont, false),
      readerObject_(ROLE_SYSTEM_CLOCK, kProductNameWide, [this] { return text_.Caption(); }),
      tickTimer_(kTickTimer, kTickPeriodMs) {}

ClockWindow::~ClockWindow() { Destroy(); }

void ClockWindow::Create() {
    ReadLocale();
    const ui::Icon icon = ui::LoadIconImage(IDI_QUORVEL, GetSystemMetrics(SM_CXICON));
    // Borderless. A tool window has no taskbar button and no task-switcher
    // entry, from the start and at every later showing.
    CreateHandle({.className = kClockWindowClass,
                  .classStyle = CS_DBLCLKS,
                  .icon = icon.Get(),
                  .background = nullptr,  // the face paints every pixel
                  .title = kProductNameWide,
                  .style = WS_POPUP,
                  .exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_LAYERED,
                  .client96 = {kClientWidth, kClientHeight},
                  .placement = Placement::Exact,
                  .position = {kHomePosition.x, kHomePosition.y},
                  .neverMirrored = true});  // the face shows a time, read left to right in every language
}

void ClockWindow::OnCreate() {
    // The labels' design offsets at the monitor's resolution (the toolkit sized the window).
    if (Dpi() != USER_DEFAULT_SCREEN_DPI) {
        shadow_.SetLeft(Scale(2));
        shadow_.SetTop(Scale(2));
        outline_.SetLeft(Scale(1));
        outline_.SetTop(Scale(1));
    }
    highContrast_ = ui::HighContrastOn();
    for (ClockLabel* label : {&shadow_, &text_, &outline_}) {
        label->Attach([this] { RequestRepaint(); }, Dpi(), Edges());
    }
    (void)tickTimer_.Attach(Handle());  // not running yet: nothing to start
    const RECT client = ClientRect();
    clientWidth_ = client.right;
    clientHeight_ = client.bottom;
    ApplyLayeredAttributes();
}

// In the order the values were always applied, so a text font that changes
// the measured size comes before the shadow is placed.
void ClockWindow::Apply(const ClockSettings& s) {
    MoveTo({s.position.x, s.position.y});
    timeFormat_ = s.timeFormat;
    text_.SetFont(s.font);
    shadow_.SetFont(s.font);
    outline_.SetFont(s.font);
    SetOpacity(s.opacity);
    SetBackgroundColour(s.background);
    SetColourKey(s.background);
    SetColourKeyOn(s.colourKeyOn);
    shadow_.SetFontColour(s.shadowColour);
    shadow_.SetVisible(s.shadowVisible);
    shadowDepth_ = s.shadowDepth;
    if (s.outlineVisible) outline_.SetVisible(true);
    PlaceShadow();
    desktop_ = s.desktop;
}

ClockSettings ClockWindow::Settings() const {
    const RECT r = OuterRect();
    ClockSettings s;
    s.position = {r.left, r.top};
    s.timeFormat = timeFormat_;
    s.font = text_.Font();
    s.opacity = opacity_;
    s.background = backgroundColour_;
    s.colourKeyOn = colourKeyOn_;
    s.shadowColour = shadow_.Font().colour;
    s.shadowVisible = shadow_.Visible();
    s.shadowDepth = shadowDepth_;
    s.outlineVisible = outline_.Visible();
    s.hidden = !Visible() && !steppedAside_;
    s.desktop = desktop_;
    return s;
}

void ClockWindow::KeepOnScreen() {
    const RECT r = OuterRect();
    std::vector<ScreenRect> monitors;
    for (const RECT& m : ui::MonitorRects()) monitors.push_back({m.left, m.top, m.right, m.bottom});
    const RECT primary = ui::WorkAreaOf(nullptr);
    const auto place = RestingPlace({r.left, r.top, r.right, r.bottom}, monitors,
                                    {primary.left, primary.top, primary.right, primary.bottom});
    if (place) MoveTo({place->x, place->y});
}

bool ClockWindow::StartTicking() {
    if (tickTimer_.Enabled()) return true;
    // The first tick at the coming quarter second; KeepTickInStep restores the period.
    (void)tickTimer_.SetInterval(DelayToNextTickMs(Now()));  // not running: only kept
    if (tickTimer_.SetEnabled(true)) return true;
    if (onTickFailed) onTickFailed();
    return false;
}

void ClockWindow::OnFirstShowing() {
    // No taskbar button to remove: the tool-window style keeps the clock out of
    // the taskbar and the task switcher.
    ui::WindowDc dc(Handle());
    if (ui::ColourDepth(dc.Dc()) > 15) {
        // The time is on the face for the first paint, not a quarter second later.
        UpdateFace(Now());
        (void)StartTicking();  // a failure was told through onTickFailed
        return;
    }
    const std::string message =
        std::string(Translate("A high color or true color mode is required to run this program.")) + "\r\n" +
        std::string(Translate("Please use your display control panel to change your color settings."));
    ui::ShowMessageBox(Handle(), message, Translate("ERROR"), MB_OK | MB_ICONERROR);
    // Closed once the showing has finished, not from inside it.
    (void)PostClose();  // a window that cannot take a message is ending anyway
}

void ClockWindow::Tick() {
    const DateTime now = Now();
    UpdateFace(now);
    KeepTickInStep(now);
    if (onTick) onTick();
}

// A tick out of step with the system clock's quarter seconds (a late one, a
// changed system time) sets the next one for the coming quarter second; the
// one after goes back to the period. A tick in step touches no timer.
void ClockWindow::KeepTickInStep(DateTime now) {
    if (!tickTimer_.Enabled()) return;
    const int interval = TickInStep(now) ? kTickPeriodMs : DelayToNextTickMs(now);
    if (static_cast<UINT>(interval) == tickTimer_.Interval()) return;
    if (!tickTimer_.SetInterval(static_cast<UINT>(interval)) && onTickFailed) onTickFailed();
}

void ClockWindow::StepAside() {
    if (steppedAside_ || !Visible()) return;
    steppedAside_ = true;
    SetTopMost(false);
    Hide();
}

void ClockWindow::ComeBack() {
    if (!std::exchange(steppedAside_, false)) return;
    ShowInactive();
    SetTopMost(true);
}

// The extended style belongs to this window alone, like its layered attributes.
void ClockWindow::SetPointerPassesThrough(bool passes) {
    const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_EXSTYLE);
    const LONG_PTR wanted = passes ? (style | WS_EX_TRANSPARENT) : (style & ~LONG_PTR{WS_EX_TRANSPARENT});
    if (wanted != style) SetWindowLongPtrW(Handle(), GWL_EXSTYLE, wanted);
}

bool ClockWindow::PointerPassesThrough() const {
    return (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0;
}

void ClockWindow::UpdateFace(DateTime now) {
    {
        // The tick's label changes make a single repaint, after them.
        inTick_ = true;
        const ScopeExit batched([this] { inTick_ = false; });
        FormatDateTime(timeText_, timeFormat_, now, locale_);
        if (timeText_ != text_.Caption()) readerObject_.ValueChanged();
        text_.SetCaption(timeText_);
        readerObject_.Announce(Handle(), now);
        shadow_.SetCaption(text_.Caption());
        outline_.SetCaption(text_.Caption());
        outline_.SetFontColour(backgroundColour_);
        FitWindowToText();
    }
    if (std::exchange(repaintPending_, false)) Invalidate(false);
}

// shadowDepth_ is kept and saved as stored, but positions use it only within
// what any screen can show, so a hand-edited extreme cannot overflow them.
int ClockWindow::ShadowOffset() const {
    constexpr std::int32_t kLimit = 30000;
    return std::clamp(shadowDepth_, -kLimit, kLimit);
}

const ClockLabel& ClockWindow::Label(FaceLabel label) const {
    switch (label) {
        case FaceLabel::Shadow: return shadow_;
        case FaceLabel::Outline: return outline_;
        case FaceLabel::Text: break;
    }
    return text_;
}

ClockLabel& ClockWindow::MutableLabel(FaceLabel label) {
    return const_cast<ClockLabel&>(std::as_const(*this).Label(label));
}

void ClockWindow::PlaceShadow() {
    shadow_.SetLeft(text_.Left() + ShadowOffset());
    shadow_.SetTop(text_.Top() + ShadowOffset());
}

void ClockWindow::SetFontSize(int points) {
    text_.SetFontSize(points);
    shadow_.SetFontSize(points);
    outline_.SetFontSize(points);
}

// The window grows and shrinks to the right and downwards; its top-left stays.
void ClockWindow::FitWindowToText() {
    const int width = std::max(0, text_.Width() + ShadowOffset() + 6);
    const int height = std::max(0, text_.Height() + ShadowOffset() + 2);
    if (width == clientWidth_ && height == clientHeight_) return;
    Resize({width, height});  // borderless: the outer size is the client size
}

void ClockWindow::SetBackgroundColour(Colour colour) {
    if (colour == backgroundColour_) return;
    backgroundColour_ = colour;
    RequestRepaint();
}

// Italic glyphs reach beyond their measured boxes and an old text may have been
// wider, so any change repaints the whole (small) face; it is drawn off-screen,
// so this does not flicker. Within a tick the three labels' changes make one.
void ClockWindow::RequestRepaint() {
    if (inTick_) {
        repaintPending_ = true;
    } else if (Handle()) {
        Invalidate(false);
    }
}

void ClockWindow::SetOpacity(std::uint8_t opacity) {
    if (opacity == opacity_) return;
    opacity_ = opacity;
    ApplyLayeredAttributes();
}

void ClockWindow::SetColourKeyOn(bool on) {
    if (on == colourKeyOn_) return;
    colourKeyOn_ = on;
    ApplyLayeredAttributes();
    for (ClockLabel* label : {&shadow_, &text_, &outline_}) label->SetRendering(Dpi(), Edges());
}

void ClockWindow::SetColourKey(Colour key) {
    if (key == colourKey_) return;
    colourKey_ = key;
    ApplyLayeredAttributes();
}

// Anti-aliased glyph edges would blend the text into the key colour, leaving
// a dark rim of almost-key pixels that stay opaque; with the key on, glyphs are
// drawn without anti-aliasing so every pixel is either text or see-through.
ui::GlyphEdges ClockWindow::Edges() const {
    return colourKeyOn_ && !highContrast_ ? ui::GlyphEdges::Crisp : ui::GlyphEdges::Smooth;
}

void ClockWindow::ApplyLayeredAttributes() {
    // The window is layered from its creation: it always has an opacity.
    if (!Handle()) return;
    if (highContrast_) {
        SetLayeredWindowAttributes(Handle(), 0, 255, LWA_ALPHA);  // opaque, nothing see-through
        return;
    }
    const DWORD flags = LWA_ALPHA | (colourKeyOn_ ? LWA_COLORKEY : 0u);
    // The key goes to the platform as stored, without resolving system colours.
    // (Layered attributes belong to this window alone: no toolkit call for them.)
    SetLayeredWindowAttributes(Handle(), static_cast<COLORREF>(colourKey_), opacity_, flags);
}

void ClockWindow::ReadLocale() { locale_ = ReadUserFormatSettings(); }

// In high contrast the face is the system's window text on the window colour,
// opaque, without shadow or outline; the stored look comes back when it ends.
void ClockWindow::ReadHighContrast() {
    const bool on = ui::HighContrastOn();
    if (on == highContrast_) return;
    highContrast_ = on;
    ApplyLayeredAttributes();
    for (ClockLabel* label : {&shadow_, &text_, &outline_}) label->SetRendering(Dpi(), Edges());
    RequestRepaint();
}

LRESULT ClockWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    // The locale's formats may have changed; so may they when the shell restarts.
    if (msg == WM_SETTINGCHANGE) ReadLocale();
    if (msg == WM_SETTINGCHANGE || msg == WM_SYSCOLORCHANGE) ReadHighContrast();
    if (msg == TaskbarCreatedMessage() && msg != 0) {
        ReadLocale();
        return 0;
    }
    LRESULT result = 0;
    if (msg == WM_GETOBJECT && readerObject_.Answer(Handle(), wParam, lParam, result)) return result;
    if (HandlePointer(msg, wParam, lParam, result)) return result;
    if (HandleOthers(msg, wParam, lParam, result)) return result;
    return Window::HandleMessage(msg, wParam, lParam);
}

bool ClockWindow::HandleOthers(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    for (ClockMessageHandler* handler : handlers_) {
        if (handler->HandleClockMessage(msg, wParam, lParam, result)) return true;
    }
    return false;
}

void ClockWindow::OnPaint(HDC dc, const RECT& dirty) {
    const RECT client = ClientRect();
    if (HDC buffer = backBuffer_.Begin(dc, client.right, client.bottom)) {
        PaintFace(buffer, client);
        backBuffer_.Present(dc, dirty);
    } else {
        PaintFace(dc, client);
    }
}

// Background in the window colour, then shadow, text and outline.
void ClockWindow::PaintFace(HDC dc, const RECT& client) const {
    if (highContrast_) {
        FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
        text_.DrawIn(dc, GetSysColor(COLOR_WINDOWTEXT));
        return;
    }
    SetDCBrushColor(dc, ui::ToColourRef(backgroundColour_));
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    shadow_.Draw(dc);
    text_.Draw(dc);
    outline_.Draw(dc);
}

void ClockWindow::OnTimer(UINT_PTR id) {
    if (id == tickTimer_.Id()) Tick();
}

// Every orderly end saves the settings and the alarm list (onClosing); the
// window is then destroyed, which ends the program.
void ClockWindow::OnClose() {
    if (onClosing) onClosing();
    Destroy();
}

void ClockWindow::OnDestroy() {
    tickTimer_.Stop();
    PostQuitMessage(0);  // the main window is gone: the program ends
}

void ClockWindow::OnSize(int width, int height) {
    clientWidth_ = width;
    clientHeight_ = height;
}

void ClockWindow::OnShowWindow(bool shown) {
    // Shown by anyone but ComeBack (the tray, the shortcut): no longer aside.
    // Top-most again from the next look of the program's top-most keeper.
    if (shown) steppedAside_ = false;
    if (!shown || firstShowingDone_) return;
    firstShowingDone_ = true;  // later showings (Hide, then Show) do not check again
    OnFirstShowing();
}

void ClockWindow::OnDpiChanged(UINT dpi) {
    outline_.SetLeft(Scale(1));
    outline_.SetTop(Scale(1));
    for (ClockLabel* label : {&shadow_, &text_, &outline_}) label->SetRendering(dpi, Edges());
    FitWindowToText();
}

}  // namespace quorvel
