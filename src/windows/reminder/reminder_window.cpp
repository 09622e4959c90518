#include "windows/reminder/reminder_window.h"

#include <utility>

#include "core/wide.h"
#include "ui/display.h"
#include "ui/feedback.h"

namespace quorvel {
namespace {

constexpr wchar_t kClassName[] = L"QuorvelReminder";
constexpr wchar_t kCaption[] = L"Quorvel Alarm / Reminder";

// Not IDOK or IDCANCEL: Enter and Escape are bound to neither button.
constexpr int kOkButton = 101;
constexpr int kSnoozeButton = 102;
constexpr int kTextBox = 103;

constexpr SIZE kClient{214, 115};  // 96-dpi design
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_CONTROLPARENT;

// In tab order: OK, Snooze, the text box.
constexpr ui::ControlSpec kControls[] = {
    {kOkButton, L"BUTTON", L"&OK", {3, 92, 57, 20}, ui::Anchor::Left | ui::Anchor::Bottom, BS_PUSHBUTTON | WS_TABSTOP},
    {kSnoozeButton, L"BUTTON", L"&Snooze", {153, 93, 57, 20}, ui::Anchor::Right | ui::Anchor::Bottom,
     BS_PUSHBUTTON | WS_TABSTOP},
    // Editable, never read back; long lines wrap (no horizontal scrolling).
    {kTextBox, L"EDIT", L"", {3, 3, 208, 85},
     ui::Anchor::Left | ui::Anchor::Top | ui::Anchor::Right | ui::Anchor::Bottom,
     ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP},
};

}  // namespace

ReminderWindow::ReminderWindow(HWND placeNear, std::function<void(ReminderWindow&)> release)
    : placeNear_(placeNear), release_(std::move(release)) {
    player_.OnNotify = [this](MediaPlayer&) { OnSoundEnd(); };
    const RECT screen = ui::MonitorRectOf(placeNear_);
    CreateParams params;
    params.className = kClassName;
    params.background = GetSysColorBrush(COLOR_BTNFACE);
    params.title = kCaption;
    params.style = kStyle;
    params.exStyle = kExStyle;
    // Created on the clock's monitor, so that it takes that monitor's DPI;
    // OnCreate sizes and centres it there.
    params.x = (screen.left + screen.right) / 2;
    params.y = (screen.top + screen.bottom) / 2;
    params.client96 = kClient;
    CreateHandle(params);
}

ReminderWindow::~ReminderWindow() { Destroy(); }

HWND ReminderWindow::OkButton() const { return Item(kOkButton); }
HWND ReminderWindow::SnoozeButton() const { return Item(kSnoozeButton); }
HWND ReminderWindow::TextBox() const { return Item(kTextBox); }

void ReminderWindow::OnCreate() {
    ui::CentreOnMonitor(Handle(), placeNear_);
    CreateControls(kControls, kClient);
}

void ReminderWindow::OnCommand(int id, int code, HWND) {
    if (code != BN_CLICKED) return;
    if (id == kOkButton) OnOkButton();
    if (id == kSnoozeButton) OnSnoozeButton();
}

void ReminderWindow::OnClose() { Close(); }

void ReminderWindow::OnOkButton() { Close(); }

void ReminderWindow::OnSnoozeButton() { Snooze(); }

void ReminderWindow::OnSoundEnd() { SoundFinished(); }

void ReminderWindow::SetText(const std::string& text) { SetWindowTextW(TextBox(), Wide(text).c_str()); }

void ReminderWindow::AppendLine(const std::string& line) {
    const HWND box = TextBox();
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(box)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(box, text.data(), static_cast<int>(text.size()))));
    if (!text.empty() && !text.ends_with(L"\r\n")) text += L"\r\n";
    text += Wide(line);
    SetWindowTextW(box, text.c_str());
}

void ReminderWindow::ShowInFront() {
    ShowWindow(Handle(), SW_SHOW);
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(Handle());
    SetFocus(OkButton());
}

std::string ReminderWindow::StartSound(const std::string& path, bool reportEnd) {
    player_.FileName = path;
    player_.Open();
    player_.SetNotify(reportEnd);
    player_.Play();
    return player_.ErrorCode() == 0 ? std::string() : MciErrorText(player_.ErrorCode());
}

void ReminderWindow::Beep() { ui::AlertBeep(MB_OK); }

void ReminderWindow::StopSound() {
    if (player_.Mode() == PlayerMode::Playing) player_.Stop();
    player_.Close();
}

void ReminderWindow::Release() {
    ShowWindow(Handle(), SW_HIDE);
    if (release_) release_(*this);
}

}  // namespace quorvel
