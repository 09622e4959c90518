#include "windows/reminder/reminder_window.h"

#include <iterator>
#include <utility>

#include "core/input_rest.h"
#include "core/text.h"
#include "core/translation.h"
#include "ui/display.h"
#include "ui/feedback.h"
#include "ui/handle.h"
#include "ui/popup_menu.h"
#include "ui/translated.h"

namespace quorvel {
namespace {

constexpr wchar_t kClassName[] = L"QuorvelReminder";
constexpr wchar_t kCaption[] = NW_("Quorvel Alarm / Reminder");

// Not IDOK or IDCANCEL: Enter and Escape are bound to neither button.
constexpr int kOkButton = 101;
constexpr int kSnoozeButton = 102;
constexpr int kTextBox = 103;

constexpr std::size_t kShownLineLength = 99;
constexpr UINT kCloseMessage = WM_APP;  // a CloseLater request
constexpr UINT_PTR kRestTimer = 1;
constexpr UINT kRestPollMs = 100;

constexpr SIZE kClient{214, 115};  // 96-dpi design

// The Snooze button's menu, by item id - 1; each item with an access key no
// other shares.
constexpr int kSnoozeMenuMinutes[] = {5, 10, 15, 30, 60};
constexpr const wchar_t* kSnoozeMenuCaptions[] = {NW_("Snooze for &5 minutes"), NW_("Snooze for 1&0 minutes"),
                                                   NW_("Snooze for &15 minutes"), NW_("Snooze for &30 minutes"),
                                                   NW_("Snooze for &60 minutes")};
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_CONTROLPARENT;
const FontSpec kFont{"MS Sans Serif", 8, kBlack, 0};  // 11 pixels high at 96 dpi

// In tab order: OK, Snooze, the text box. The text box is a rich-text box: a
// long paragraph shows at once, where an edit box would wrap it for minutes.
constexpr ui::ControlSpec kControls[] = {
    {kOkButton, WC_BUTTONW, NW_("&OK"), {3, 92, 57, 20}, ui::Anchor::Left | ui::Anchor::Bottom,
     BS_PUSHBUTTON | WS_TABSTOP},
    {kSnoozeButton, WC_BUTTONW, NW_("&Snooze"), {153, 93, 57, 20}, ui::Anchor::Right | ui::Anchor::Bottom,
     BS_PUSHBUTTON | WS_TABSTOP},
    // Editable, never read back; long lines wrap (no horizontal scrolling).
    {kTextBox, ui::kRichEditClass, L"", {3, 3, 208, 85},
     ui::Anchor::Left | ui::Anchor::Top | ui::Anchor::Right | ui::Anchor::Bottom,
     ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP},
};

// Whether input of any kind, in any program, has rested long enough for the
// window to take the keyboard. The last input is read first: an input that
// comes between the two reads is then no older than the tick read after it.
bool InputRested() {
    LASTINPUTINFO last{sizeof last, 0};
    if (!GetLastInputInfo(&last)) return true;  // nothing to go by: as without input
    return InputRestMs(GetTickCount(), last.dwTime) >= ReminderWindow::kInputRestMs;
}

}  // namespace

ReminderWindow::ReminderWindow(HWND placeNear, std::function<void(ReminderWindow&)> place,
                               std::function<void(ReminderWindow&)> release)
    : place_(std::move(place)), release_(std::move(release)), restTimer_(kRestTimer, kRestPollMs) {
    player_.onNotify = [this](MediaPlayer&) { OnSoundEnd(); };
    ui::LoadRichEdit();
    // Made on the clock's monitor, with its DPI.
    CreateHandle({.className = kClassName, .title = kCaption, .style = kStyle, .exStyle = kExStyle, .client96 = kClient,
                  .placement = Placement::Centred, .placeNear = placeNear, .font = &kFont});
}

ReminderWindow::~ReminderWindow() { Destroy(); }

void ReminderWindow::OnCreate() {
    CreateControls(kControls, kClient);
    okButton_.Attach(Item(kOkButton));
    okButton_.onClick = [this] { OnOkButton(); };
    snoozeButton_.Attach(Item(kSnoozeButton));
    snoozeButton_.onClick = [this] { OnSnoozeButton(); };
    textBox_.Attach(Item(kTextBox));
    textBox_.UsePlainText();
    static_cast<void>(restTimer_.Attach(Handle()));  // off until a reminder waits for input to rest
}

LRESULT ReminderWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != kCloseMessage) return Window::HandleMessage(msg, wParam, lParam);
    Close();
    return 0;
}

void ReminderWindow::OnClose() { Answer(false, 0); }

void ReminderWindow::OnOkButton() { Answer(false, 0); }

void ReminderWindow::OnSnoozeButton() { Answer(true, 0); }

void ReminderWindow::Answer(bool snoozed, int minutes) {
    if (auto answered = std::exchange(noticeAnswered_, nullptr)) {
        Close();  // no alarm is linked: this releases the window alone
        answered(snoozed, minutes);
    } else if (snoozed) {
        Snooze(minutes);
    } else {
        Close();
    }
}

void ReminderWindow::ShowNotice(const std::string& text, std::function<void(bool, int)> answered) {
    const bool showing = static_cast<bool>(noticeAnswered_);
    noticeAnswered_ = std::move(answered);
    SetText(text);
    if (showing) return;
    ShowInFront();
    Beep();
}

void ReminderWindow::CloseNotice() {
    noticeAnswered_ = nullptr;
    Close();
}

void ReminderWindow::OnSoundEnd() { SoundFinished(); }

bool ReminderWindow::OnContextMenu(HWND control, POINT screen) {
    if (control != snoozeButton_.Handle()) return false;
    const ui::Menu menu(CreatePopupMenu());
    for (std::size_t i = 0; i < std::size(kSnoozeMenuMinutes); ++i)
        AppendMenuW(menu.Get(), MF_STRING, i + 1, ui::TranslateWide(kSnoozeMenuCaptions[i]).c_str());
    const int chosen = ui::ChooseFromPopupMenu(menu.Get(), screen, Handle());
    if (chosen > 0) Answer(true, kSnoozeMenuMinutes[chosen - 1]);
    return true;
}

// A paragraph too long to wrap at once is shown in lines of 99 characters at
// most, which wrap at once: the box is never read back.
void ReminderWindow::SetText(const std::string& text) {
    textBox_.SetText(WithLongParagraphsInLines(text, ui::kLongestWrappedParagraph, kShownLineLength));
}

void ReminderWindow::AppendLine(const std::string& line) {
    std::string text = textBox_.Text();
    if (!text.empty() && !text.ends_with("\r\n")) text += "\r\n";
    textBox_.SetText(text + line);
}

// On top at once; the keyboard only once the user's input has rested.
void ReminderWindow::ShowInFront() {
    const Showing how = howToShow ? howToShow() : Showing::Usual;
    waiting_ = how == Showing::Wait;
    if (waiting_) return;
    if (place_) place_(*this);
    if (how == Showing::Quiet) {
        ShowInactive();
        SetTopMost(true);
        return;
    }
    if (InputRested()) {
        TakeKeyboard();
        return;
    }
    ShowInactive();
    SetTopMost(true);
    // Should it fail, the window stays on top without the keyboard, for a click.
    static_cast<void>(restTimer_.Start());
}

void ReminderWindow::OnTimer(UINT_PTR id) {
    if (id != kRestTimer || !restTimer_.Enabled() || !InputRested()) return;
    // A full-screen program come to the front meanwhile keeps the keyboard.
    if (howToShow && howToShow() != Showing::Usual) return;
    TakeKeyboard();
}

void ReminderWindow::ShowWaiting() {
    if (waiting_ && !Closed()) ShowInFront();
}

void ReminderWindow::TakeKeyboard() {
    restTimer_.Stop();
    const HWND before = GetForegroundWindow();
    if (before != Handle()) keyboardFrom_ = before;
    Show();
    SetTopMost(true);
    BringToFront();
    // A screen reader reads the control that takes the keyboard: with one
    // running that is the reminder's text (Tab reaches OK), else OK.
    if (ui::ScreenReaderRunning()) {
        textBox_.Focus();
    } else {
        okButton_.Focus();
    }
}

std::string ReminderWindow::StartSound(const std::string& path, bool reportEnd) {
    player_.fileName = path;
    player_.Open();
    player_.SetNotify(reportEnd);
    const MCIERROR error = player_.Play();
    return error == 0 ? std::string() : MciErrorText(error);
}

void ReminderWindow::Beep() { ui::AlertBeep(MB_OK); }

void ReminderWindow::StopSound() {
    if (player_.Mode() == PlayerMode::Playing) player_.Stop();
    player_.Close();
}

// The window that had the keyboard before this one took it gets it back, if
// this one has it still.
void ReminderWindow::Release() {
    restTimer_.Stop();
    const bool hadKeyboard = GetForegroundWindow() == Handle();
    Hide();
    if (const ui::WindowRef from(keyboardFrom_); hadKeyboard && from.Visible()) from.BringToFront();
    if (release_) release_(*this);
}

// A full queue keeps the window open, its alarm triggered, until OK: better than an end inside the check.
void ReminderWindow::CloseLater() { static_cast<void>(Post(kCloseMessage)); }

}  // namespace quorvel
