#include "windows/alarm_editor/alarm_editor.h"

#include <windows.h>
#include <commctrl.h>

#include <cmath>
#include <exception>
#include <vector>

#include "resource_ids.h"
#include "core/clock.h"
#include "core/system_time.h"
#include "core/wide.h"
#include "ui/common_dialogs.h"
#include "ui/display.h"
#include "ui/feedback.h"
#include "ui/message_box.h"
#include "ui/modal.h"

namespace quorvel {
namespace {

using ui::Anchor;
using Editor = AlarmEditor;

constexpr Anchor kLeftTop = Anchor::Left | Anchor::Top;
constexpr Anchor kAcross = Anchor::Left | Anchor::Top | Anchor::Right;
constexpr Anchor kRightTop = Anchor::Top | Anchor::Right;
constexpr DWORD kTab = WS_TABSTOP;

// In tab order: the repeat list comes after Cancel; labels and the preview
// button take no focus. The check boxes and "Date/time:" reach into the free
// space beside them, so their text is not cut off by fonts wider than MS Sans
// Serif; the time picker is wide enough for "12:44:44 PM" beside its spin
// buttons, and the date picker gives it the room.
constexpr ui::ControlSpec kControls[] = {
    {Editor::kNameBox, WC_EDITW, L"", {64, 12, 243, 21}, kAcross, kTab | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE},
    {Editor::kDatePicker, DATETIMEPICK_CLASSW, L"", {68, 40, 136, 25}, kAcross, kTab | DTS_LONGDATEFORMAT},
    {Editor::kTimePicker, DATETIMEPICK_CLASSW, L"", {211, 40, 98, 25}, kRightTop, kTab | DTS_TIMEFORMAT},
    {Editor::kSoundCheck, WC_BUTTONW, L"Play sound:", {3, 76, 84, 17}, kLeftTop, kTab | BS_AUTOCHECKBOX | BS_LEFTTEXT},
    {Editor::kSoundBox, WC_EDITW, L"", {89, 74, 171, 21}, kAcross, kTab | ES_AUTOHSCROLL | WS_DISABLED,
     WS_EX_CLIENTEDGE},
    {Editor::kBrowseButton, WC_BUTTONW, L"...", {261, 74, 25, 23}, kRightTop, kTab | BS_PUSHBUTTON | WS_DISABLED},
    {Editor::kEnabledCheck, WC_BUTTONW, L"Enabled:", {8, 109, 68, 17}, kLeftTop, kTab | BS_AUTOCHECKBOX | BS_LEFTTEXT},
    {Editor::kReminderCheck, WC_BUTTONW, L"Display reminder", {8, 132, 118, 17}, kLeftTop, kTab | BS_AUTOCHECKBOX},
    {Editor::kReminderBox, WC_EDITW, L"", {6, 160, 299, 95}, Anchor::Left | Anchor::Top | Anchor::Right | Anchor::Bottom,
     kTab | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_DISABLED, WS_EX_CLIENTEDGE},
    {Editor::kOkButton, WC_BUTTONW, L"&OK", {7, 265, 75, 23}, Anchor::Left | Anchor::Bottom, kTab | BS_DEFPUSHBUTTON},
    {Editor::kCancelButton, WC_BUTTONW, L"Cancel", {231, 264, 75, 24}, Anchor::Right | Anchor::Bottom,
     kTab | BS_PUSHBUTTON},
    {Editor::kRepeatList, WC_COMBOBOXW, L"", {137, 127, 171, 200}, kAcross, kTab | CBS_DROPDOWNLIST | WS_VSCROLL},
    {Editor::kNameLabel, WC_STATICW, L"Name:", {24, 16, 40, 13}, kLeftTop},
    {Editor::kDateLabel, WC_STATICW, L"Date/time:", {5, 44, 62, 13}, kLeftTop},
    {Editor::kRepeatLabel, WC_STATICW, L"Repeat:", {139, 111, 60, 13}, kLeftTop},
    {Editor::kPlayButton, WC_BUTTONW, L"", {288, 74, 24, 23}, kRightTop,
     BS_AUTOCHECKBOX | BS_PUSHLIKE | BS_ICON | WS_DISABLED},
};

constexpr SIZE kClientSize{314, 294};
// The window opens wider than the table's design, and the anchors stretch the
// name box and the date picker into the extra width: a long date ("Wednesday,
// September 30, 2026") needs about 220 pixels.
constexpr SIZE kOuterSize{406, 321};
constexpr SIZE kMinimumSize{250, 250};
constexpr int kFontHeight = 11;
constexpr int kBrowseFontHeight = 13;
constexpr int kImageSize = 16;
constexpr UINT kFocusNameBox = WM_APP + 1;

// "Media files" and "All files", as the browser offers them.
const std::vector<ui::FileFilter>& SoundFilters() {
    static const std::vector<ui::FileFilter> filters = {
        {"Media files",
         "*.wav;*.snd;*.au;*.aif;*.aifc;*.aiff;*.wma;*.mp3;*.mid;*.rmi;*.midi;*.asx;*.wax;*.m3u;*.mpe;*.mpg;*.mpeg;"
         "*.mp2;*.mpe;*.mpa;*.m1v;*.asf;*.wm;*.wma;*.wmv"},
        {"All files (may not play correctly)", "*.*"},
    };
    return filters;
}

// %windir% and the like in a folder name resolved, so the dialog opens there.
std::string ExpandEnvironment(const std::string& text) {
    const std::wstring wide = Wide(text);
    const DWORD needed = ExpandEnvironmentStringsW(wide.c_str(), nullptr, 0);
    if (needed == 0) return text;
    std::wstring expanded(needed, L'\0');
    if (ExpandEnvironmentStringsW(wide.c_str(), expanded.data(), needed) == 0) return text;
    return Narrow(expanded.c_str());
}

ui::Font SansSerif(int height, LONG weight) {
    LOGFONTW font{};
    font.lfHeight = -height;
    font.lfWeight = weight;
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(font.lfFaceName, L"MS Sans Serif", LF_FACESIZE);
    return ui::Font(CreateFontIndirectW(&font));
}

ui::Icon LoadImageIcon(int id, int size) {
    return ui::Icon(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

}  // namespace

AlarmEditor::AlarmEditor() {
    player_.OnNotify = [this](MediaPlayer&) { OnPlayerNotify(); };
}

AlarmEditor::~AlarmEditor() { Destroy(); }

void AlarmEditor::Create(HWND owner) {
    CreateParams params;
    params.className = L"QuorvelAlarmEditor";
    params.background = GetSysColorBrush(COLOR_BTNFACE);
    params.title = L"Alarm / reminder details";
    params.style = WS_OVERLAPPEDWINDOW;
    params.exStyle = WS_EX_CONTROLPARENT;
    params.width = kOuterSize.cx;
    params.height = kOuterSize.cy;
    params.owner = owner;
    CreateHandle(params);
}

void AlarmEditor::OnCreate() {
    // The designed outer size at this window's resolution, in the centre of its screen.
    SetWindowPos(Handle(), nullptr, 0, 0, Scale(kOuterSize.cx), Scale(kOuterSize.cy),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ui::CentreOnMonitor(Handle());
    CreateControls(kControls, kClientSize);
    SetMinimumSize(kMinimumSize);
    SetDefaultButton(kOkButton);
    SetCancelButton(kCancelButton);

    datePicker_.Attach(Item(kDatePicker));
    timePicker_.Attach(Item(kTimePicker));
    soundCheck_.Attach(Item(kSoundCheck));
    soundCheck_.onClick = [this] { OnSoundCheckClick(); };
    enabledCheck_.Attach(Item(kEnabledCheck));
    reminderCheck_.Attach(Item(kReminderCheck));
    reminderCheck_.onClick = [this] { OnReminderCheckClick(); };
    for (int kind = 0; kind < kRepeatKindCount; ++kind) {
        const std::wstring caption = Wide(RepeatKindCaption(static_cast<RepeatKind>(kind)));
        SendMessageW(Item(kRepeatList), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(caption.c_str()));
    }
    // Long reminder lines wrap and no scroll bars show (the style has no WS_HSCROLL).
    ApplyImagesAndFonts();
}

void AlarmEditor::OnDpiChanged(UINT) { ApplyImagesAndFonts(); }

// The window's font, the bold browse caption and the preview pictures at the
// window's resolution (the toolkit gives every control the message font on a
// DPI change).
void AlarmEditor::ApplyImagesAndFonts() {
    font_ = SansSerif(Scale(kFontHeight), FW_NORMAL);
    for (const ui::ControlSpec& control : kControls) {
        SendMessageW(Item(control.id), WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), TRUE);
    }
    browseFont_ = SansSerif(Scale(kBrowseFontHeight), FW_BOLD);
    SendMessageW(Item(kBrowseButton), WM_SETFONT, reinterpret_cast<WPARAM>(browseFont_.Get()), TRUE);
    speaker_ = LoadImageIcon(IDI_SPEAKER_IMAGE, Scale(kImageSize));
    speakerDisabled_ = LoadImageIcon(IDI_SPEAKER_DISABLED_IMAGE, Scale(kImageSize));
    ShowPlayImage();
}

void AlarmEditor::ShowPlayImage() {
    const HWND button = Item(kPlayButton);
    const HICON icon = IsWindowEnabled(button) ? speaker_.Get() : speakerDisabled_.Get();
    SendMessageW(button, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
}

std::string AlarmEditor::Text(int id) const {
    const HWND control = Item(id);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    GetWindowTextW(control, text.data(), static_cast<int>(text.size()));
    return Narrow(text.c_str());
}

void AlarmEditor::SetText(int id, const std::string& text) { SetWindowTextW(Item(id), Wide(text).c_str()); }

bool AlarmEditor::PlayDown() const { return SendMessageW(Item(kPlayButton), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void AlarmEditor::SetPlayDown(bool down) {
    SendMessageW(Item(kPlayButton), BM_SETCHECK, down ? BST_CHECKED : BST_UNCHECKED, 0);
}

void AlarmEditor::EnablePlay(bool enabled) {
    EnableWindow(Item(kPlayButton), enabled);
    ShowPlayImage();
}

bool AlarmEditor::EditAlarm(AlarmFields& draft) {
    draft_ = &draft;
    FillFromAlarm(draft);
    int result = IDCANCEL;
    try {
        result = ui::RunModal(*this, GetWindow(Handle(), GW_OWNER));
    } catch (...) {
        FormClose();
        draft_ = nullptr;
        throw;
    }
    FormClose();
    draft_ = nullptr;
    return result == IDOK;
}

void AlarmEditor::FillFromAlarm(const AlarmFields& alarm) {
    SetText(kNameBox, alarm.name);
    // The date picker holds the whole days; the time picker the time of day
    // (on that date: a picker cannot hold day 0). A moment they cannot show
    // (before 1601, damaged) shows as now; OK keeps it unless one is changed.
    const DateTime shown = ToSystemTime(alarm.dateTime) ? alarm.dateTime : Now();
    datePicker_.SetValue(std::trunc(shown));
    timePicker_.SetValue(shown);
    shownMoment_ = Picked();

    soundCheck_.SetChecked(!alarm.sound.empty());
    SetText(kSoundBox, alarm.sound);
    OnSoundCheckClick();
    enabledCheck_.SetChecked(alarm.enabled);
    reminderCheck_.SetChecked(!alarm.reminder.empty());
    OnReminderCheckClick();
    SetText(kReminderBox, alarm.reminder);
    // A kind beyond the list (damaged data) shows as "No repeat"; only OK writes it.
    const auto kind = static_cast<int>(alarm.repeat);
    SendMessageW(Item(kRepeatList), CB_SETCURSEL, kind < kRepeatKindCount ? kind : 0, 0);
}

void AlarmEditor::OnSoundCheckClick() {
    const bool enabled = soundCheck_.Checked();
    EnableWindow(Item(kSoundBox), enabled);
    EnableWindow(Item(kBrowseButton), enabled);
    // The preview follows the text alone, checked or not.
    EnablePlay(!Text(kSoundBox).empty());
}

void AlarmEditor::OnSoundBoxExit() { EnablePlay(!Text(kSoundBox).empty()); }

void AlarmEditor::OnReminderCheckClick() {
    const bool checked = reminderCheck_.Checked();
    EnableWindow(Item(kReminderBox), checked);
    if (checked && IsWindowVisible(Handle())) SetFocus(Item(kReminderBox));
}

void AlarmEditor::OnBrowseButton() {
    ui::OpenFileRequest request;
    request.owner = Handle();
    request.filters = SoundFilters();
    request.filterIndex = 1;
    request.options = OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_ENABLESIZING;
    const std::string current = Text(kSoundBox);
    if (!current.empty()) {
        dialogFileName_ = current;
    } else {
        request.folder = ExpandEnvironment(kSoundFolder);
    }
    request.fileName = dialogFileName_;
    if (const auto chosen = ui::ChooseFileToOpen(request)) {
        dialogFileName_ = *chosen;
        SetText(kSoundBox, *chosen);
    }
    EnablePlay(!Text(kSoundBox).empty());
}

void AlarmEditor::OnPlayButton() {
    if (!PlayDown()) {
        // The device stays open until the next preview or the end of the dialog.
        if (player_.Mode() == PlayerMode::Playing) player_.Stop();
        return;
    }
    try {
        player_.FileName = Text(kSoundBox);
        ui::BusyCursor busy;
        player_.Open();
        player_.SetNotify(true);
        player_.Play();
    } catch (const std::exception& e) {
        ui::ShowMessageBox(Handle(), e.what(), "ERROR playing sound", MB_OK | MB_ICONERROR);
        SetPlayDown(false);
    }
}

// The preview ended or was stopped: the next command asks for no report.
void AlarmEditor::OnPlayerNotify() {
    player_.SetNotify(false);
    SetPlayDown(false);
}

void AlarmEditor::OnOkButton() {
    AlarmFields& alarm = *draft_;
    alarm.name = Text(kNameBox);
    alarm.dateTime = EditedMoment(alarm.dateTime, shownMoment_, Picked());
    alarm.sound = soundCheck_.Checked() ? Text(kSoundBox) : std::string();
    alarm.enabled = enabledCheck_.Checked();
    alarm.reminder = reminderCheck_.Checked() ? Text(kReminderBox) : std::string();
    const LRESULT kind = SendMessageW(Item(kRepeatList), CB_GETCURSEL, 0, 0);
    alarm.repeat = static_cast<RepeatKind>(kind >= 0 ? kind : 0);
    EndModal(IDOK);
}

PickedMoment AlarmEditor::Picked() const { return {datePicker_.Value(), timePicker_.Value()}; }

void AlarmEditor::FormClose() {
    if (player_.Mode() == PlayerMode::Playing) player_.Stop();
    player_.Close();
}

void AlarmEditor::OnCommand(int id, int code, HWND) {
    switch (id) {
        case kOkButton:
            if (code == BN_CLICKED) OnOkButton();
            break;
        case kCancelButton:
            if (code == BN_CLICKED) EndModal(IDCANCEL);
            break;
        case kBrowseButton:
            if (code == BN_CLICKED) OnBrowseButton();
            break;
        case kPlayButton:
            if (code == BN_CLICKED) OnPlayButton();
            break;
        case kSoundBox:
            if (code == EN_KILLFOCUS) OnSoundBoxExit();
            break;
        default:
            break;
    }
}

LRESULT AlarmEditor::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_SHOWWINDOW && wParam) PostMessageW(Handle(), kFocusNameBox, 0, 0);
    if (msg == kFocusNameBox) {
        // Each edit starts on the name, whichever control had the focus last time.
        SetFocus(Item(kNameBox));
        SendMessageW(Item(kNameBox), EM_SETSEL, 0, -1);
        return 0;
    }
    return Window::HandleMessage(msg, wParam, lParam);
}

}  // namespace quorvel
