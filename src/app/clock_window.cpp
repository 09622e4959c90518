#include "app/clock_window.h"

#include <algorithm>
#include <utility>

#include "alarms/alarm_book.h"
#include "alarms/alarm_message.h"
#include "resource_ids.h"
#include "platform/session_instance.h"
#include "platform/shell.h"
#include "platform/user_locale.h"
#include "core/clock.h"
#include "core/scope_exit.h"
#include "core/screen_placement.h"
#include "ui/display.h"
#include "ui/message_box.h"

namespace quorvel {
namespace {

constexpr UINT_PTR kTickTimer = 1;
constexpr UINT kTickMs = 250;
constexpr UINT_PTR kTrayClickTimer = 2;
constexpr UINT kSaveNowMessage = WM_APP + 10;

// Creation properties (96-dpi design; the position, kHomePosition, is in screen pixels).
constexpr int kClientWidth = 172;
constexpr int kClientHeight = 34;

const FontSpec kTextFont{"Verdana", 16, kNavy, kBold | kItalic};
const FontSpec kShadowFont{"Verdana", 16, kSilver, kBold | kItalic};
const FontSpec kOutlineFont{"Verdana", 16, kBlack, kBold | kItalic};

constexpr DateTime kSavePeriod = 1.0 / 720;  // 2 minutes

}  // namespace

ClockWindow::ClockWindow()
    : shadow_(2, 2, kShadowFont, true),
      text_(0, 0, kTextFont, true),
      outline_(1, 1, kOutlineFont, false),
      tickTimer_(kTickTimer, kTickMs),
      trayClicks_(kTrayClickTimer, [this](POINT at) { PopupMenuAt(at.x, at.y); }) {}

ClockWindow::~ClockWindow() { Destroy(); }

void ClockWindow::Create() {
    ReadLocale();
    CreateParams params;
    params.className = kClockWindowClass;
    params.classStyle = CS_DBLCLKS;
    params.icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_QUORVEL));
    params.background = nullptr;  // the face paints every pixel
    params.title = kProductNameWide;
    // Borderless. A tool window has no taskbar button and no task-switcher
    // entry, from the start and at every later showing.
    params.style = WS_POPUP;
    params.exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_LAYERED;
    params.placement = Placement::Exact;
    params.position = {kHomePosition.x, kHomePosition.y};
    params.client96 = {kClientWidth, kClientHeight};
    CreateHandle(params);
    // The registry object exists with the window; it holds no key until used.
    LoadSettings();
    KeepOnScreen();
    // An existing entry is rewritten with this executable's path; a missing one stays missing.
    SetStartupEntry(StartupEntryExists());
    nextSaveTime_ = Now() + kSavePeriod;
    // A clock that starts hidden to the tray ticks all the same: its alarms
    // must fire and its list be saved, whether or not it is ever shown.
    if (!showOnStart_) tickTimer_.SetEnabled(true);
}

void ClockWindow::Show() {
    ShowWindow(Handle(), SW_SHOW);
    UpdateWindow(Handle());
}

void ClockWindow::OnCreate() {
    // The labels' design offsets at the monitor's resolution (the toolkit sized the window).
    if (Dpi() != USER_DEFAULT_SCREEN_DPI) {
        shadow_.SetLeft(Scale(2));
        shadow_.SetTop(Scale(2));
        outline_.SetLeft(Scale(1));
        outline_.SetTop(Scale(1));
    }
    for (ClockLabel* label : {&shadow_, &text_, &outline_}) {
        label->Attach([this] { RequestRepaint(); }, Dpi(), Edges());
    }
    tickTimer_.Attach(Handle());
    trayClicks_.Attach(Handle());
    ConfigureTrayIcon();
    RECT client{};
    GetClientRect(Handle(), &client);
    clientWidth_ = client.right;
    clientHeight_ = client.bottom;
    ApplyLayeredAttributes();
}

// The tray icon stands in for the hidden clock: the program's icon at the small
// icon size, the tool tip "Quorvel", and the clock's handlers for its events.
void ClockWindow::ConfigureTrayIcon() {
    trayIcon_.SetTaskIconID(0);
    trayIcon_.OnClick = [this](TrayIcon&) { trayClicks_.Click(); };
    trayIcon_.OnDblClick = [this](TrayIcon&) {
        trayClicks_.DoubleClick();
        ShowFromTray();
        // The release that ends the double-click may come while the clock is
        // being shown (the shell's requests let it in) or wait until after it,
        // which can take a while: it counts from either moment.
        trayClicks_.DoubleClickHandled();
    };
    trayIcon_.OnRightClick = [this](TrayIcon&, int x, int y) { PopupMenuAt(x, y); };
}

// The icon's image is loaded at its first activation, not before the clock is
// first shown: a clock that starts visible may never need it.
void ClockWindow::ActivateTrayIcon() {
    if (!trayIcon_.Icon()) {
        const ui::Icon icon(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_QUORVEL),
                                                          IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                          GetSystemMetrics(SM_CYSMICON), 0)));
        trayIcon_.SetIcon(icon.Get());  // copied; the loaded one goes with `icon`
        trayIcon_.SetToolTip(kProductName);
    }
    trayIcon_.SetActive(true);
}

void ClockWindow::OnFirstShowing() {
    // No taskbar button to remove: the tool-window style keeps the clock out of
    // the taskbar and the task switcher.
    ui::WindowDc dc(Handle());
    if (ui::ColourDepth(dc.Dc()) > 15) {
        tickTimer_.SetEnabled(true);
        return;
    }
    ui::ShowMessageBox(Handle(),
                       "A high color or true color mode is required to run this program.\r\n"
                       "Please use your display control panel to change your color settings.",
                       "ERROR", MB_OK | MB_ICONERROR);
    // Closed once the showing has finished, not from inside it.
    PostMessageW(Handle(), WM_CLOSE, 0, 0);
}

void ClockWindow::OnTick() {
    {
        // The tick's label changes make a single repaint, after them.
        inTick_ = true;
        const ScopeExit batched([this] { inTick_ = false; });
        const DateTime now = Now();
        FormatDateTime(timeText_, timeFormat_, now, locale_);
        text_.SetCaption(timeText_);
        shadow_.SetCaption(text_.Caption());
        outline_.SetCaption(text_.Caption());
        outline_.SetFontColour(backgroundColour_);
        FitWindowToText();
    }
    if (std::exchange(repaintPending_, false)) InvalidateRect(Handle(), nullptr, FALSE);
    if (alarmCheck_) alarmCheck_();
    PeriodicSave();
}

bool ClockWindow::OnCopyData(const COPYDATASTRUCT& data) {
    if (data.dwData != kAddAlarmMessage || !alarmBook_ || !data.lpData || data.cbData > kMaxAlarmMessageBytes)
        return false;
    const auto alarm = DecodeAlarmMessage({static_cast<const std::uint8_t*>(data.lpData), data.cbData});
    if (!alarm) return false;
    alarmBook_->Add(*alarm);
    // Saved once the sender has its answer: a failed save's message box must
    // not keep the sender waiting.
    PostMessageW(Handle(), kSaveNowMessage, 0, 0);
    return true;
}

void ClockWindow::CheckAlarmsNow() {
    if (alarmCheck_ && tickTimer_.Enabled()) alarmCheck_();
}

void ClockWindow::SetAlarmBook(AlarmBook* book) {
    alarmBook_ = book;
    if (book) {
        alarmCheck_ = [book] { book->CheckAlarms(); };
    } else {
        alarmCheck_ = nullptr;
    }
}

// Every 2 minutes, counted from the end of the last save. Ticks keep arriving
// while a failed save's message box waits for the user; they do not start
// another save (and another box) until that one has returned.
void ClockWindow::PeriodicSave() {
    if (saving_ || Now() < nextSaveTime_) return;
    saving_ = true;
    const ScopeExit done([this] { saving_ = false; });
    SaveSettings();
    nextSaveTime_ = Now() + kSavePeriod;
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

// The window grows and shrinks to the right and downwards; its top-left stays.
void ClockWindow::FitWindowToText() {
    const int width = std::max(0, text_.Width() + ShadowOffset() + 6);
    const int height = std::max(0, text_.Height() + ShadowOffset() + 2);
    if (width == clientWidth_ && height == clientHeight_) return;
    SetWindowPos(Handle(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
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
        InvalidateRect(Handle(), nullptr, FALSE);
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
    shadow_.SetRendering(Dpi(), Edges());
    text_.SetRendering(Dpi(), Edges());
    outline_.SetRendering(Dpi(), Edges());
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
    return colourKeyOn_ ? ui::GlyphEdges::Crisp : ui::GlyphEdges::Smooth;
}

void ClockWindow::ApplyLayeredAttributes() {
    // The window is layered from its creation: it always has an opacity.
    if (!Handle()) return;
    const DWORD flags = LWA_ALPHA | (colourKeyOn_ ? LWA_COLORKEY : 0u);
    // The key goes to the platform as stored, without resolving system colours.
    SetLayeredWindowAttributes(Handle(), static_cast<COLORREF>(colourKey_), opacity_, flags);
}

void ClockWindow::ReadLocale() { locale_ = ReadUserFormatSettings(); }

LRESULT ClockWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_SETTINGCHANGE) {
        ReadLocale();
        return DefaultHandling(msg, wParam, lParam);
    }
    if (msg == TaskbarCreatedMessage() && msg != 0) {
        ReadLocale();
        return 0;
    }
    if (msg == ShowClockMessage() && msg != 0) {
        // Another start of the program, which ends at once: this clock comes forward.
        if (IsWindowVisible(Handle())) {
            SetForegroundWindow(Handle());
        } else {
            ShowFromTray();
        }
        return 1;
    }
    if (msg == WM_COPYDATA) return OnCopyData(*reinterpret_cast<const COPYDATASTRUCT*>(lParam)) ? TRUE : FALSE;
    if (msg == kSaveNowMessage) {
        SaveSettings();
        return 0;
    }
    // Moments missed while the computer slept or the clock jumped are judged
    // now rather than at some later tick.
    if ((msg == WM_POWERBROADCAST && (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND)) ||
        msg == WM_TIMECHANGE) {
        CheckAlarmsNow();
        return msg == WM_POWERBROADCAST ? TRUE : 0;
    }
    if (msg == WM_ENDSESSION) {
        // Log-off and shut-down end the program without closing this window;
        // save now, so the changes since the last periodic save are not lost.
        if (wParam) SaveSettings();
        return 0;
    }
    if (HandlePointer(msg, wParam, lParam)) return 0;
    return Window::HandleMessage(msg, wParam, lParam);
}

void ClockWindow::OnPaint(HDC dc, const RECT& dirty) {
    RECT client{};
    GetClientRect(Handle(), &client);
    if (HDC buffer = backBuffer_.Begin(dc, client.right, client.bottom)) {
        PaintFace(buffer, client);
        backBuffer_.Present(dc, dirty);
    } else {
        PaintFace(dc, client);
    }
}

// Background in the window colour, then shadow, text and outline.
void ClockWindow::PaintFace(HDC dc, const RECT& client) const {
    SetDCBrushColor(dc, ui::ToColourRef(backgroundColour_));
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    shadow_.Draw(dc);
    text_.Draw(dc);
    outline_.Draw(dc);
}

void ClockWindow::OnTimer(UINT_PTR id) {
    if (id == tickTimer_.Id()) OnTick();
    if (id == trayClicks_.TimerId()) trayClicks_.OnTimer();
}

// Every orderly end saves the settings (and with them the alarm list); the
// window is then destroyed, which ends the program.
void ClockWindow::OnClose() {
    SaveSettings();
    Destroy();
}

void ClockWindow::OnDestroy() {
    tickTimer_.SetEnabled(false);
    PostQuitMessage(0);  // the main window is gone: the program ends
}

void ClockWindow::OnSize(int width, int height) {
    clientWidth_ = width;
    clientHeight_ = height;
}

void ClockWindow::OnShowWindow(bool shown) {
    if (!shown || firstShowingDone_) return;
    firstShowingDone_ = true;  // later showings (Hide, then Show) do not check again
    OnFirstShowing();
}

void ClockWindow::OnDpiChanged(UINT dpi) {
    outline_.SetLeft(Scale(1));
    outline_.SetTop(Scale(1));
    shadow_.SetRendering(dpi, Edges());
    text_.SetRendering(dpi, Edges());
    outline_.SetRendering(dpi, Edges());
    FitWindowToText();
}

}  // namespace quorvel
