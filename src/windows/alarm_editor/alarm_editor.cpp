#include "windows/alarm_editor/alarm_editor.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <exception>
#include <vector>

#include "resource_ids.h"
#include "core/clock.h"
#include "core/system_time.h"
#include "core/text.h"
#include "core/translation.h"
#include "core/wide.h"
#include "ui/common_dialogs.h"
#include "ui/feedback.h"
#include "ui/message_box.h"
#include "ui/modal.h"
#include "ui/module.h"

namespace quorvel {
namespace {

using ui::Anchor;
using Editor = AlarmEditor;

constexpr Anchor kLeftTop = Anchor::Left | Anchor::Top;
constexpr Anchor kAcross = Anchor::Left | Anchor::Top | Anchor::Right;
constexpr Anchor kRightTop = Anchor::Top | Anchor::Right;
constexpr DWORD kTab = WS_TABSTOP;

const FontSpec kWindowFont{"MS Sans Serif", 8, kBlack, 0};     // 11 pixels high at 96 dpi
const FontSpec kBrowseFont{"MS Sans Serif", 10, kBlack, kBold};  // 13 pixels

// In tab order: the repeat list comes after Cancel; labels and the preview
// button take no focus. The check boxes and "Date/time:" reach into the free
// space beside them, so their text is not cut off by fonts wider than MS Sans
// Serif; the time picker is wide enough for "12:44:44 PM" beside its spin
// buttons, and the date picker gives it the room. The reminder text is a
// rich-text box: it shows a long paragraph at once where an edit box would not.
// The options follow the repeat list, in a band below the reminder text.
constexpr Anchor kLeftBottom = Anchor::Left | Anchor::Bottom;
constexpr ui::ControlSpec kControls[] = {
    {Editor::kNameBox, WC_EDITW, L"", {64, 12, 243, 21}, kAcross, kTab | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE},
    {Editor::kDatePicker, DATETIMEPICK_CLASSW, L"", {68, 40, 136, 25}, kAcross, kTab | DTS_LONGDATEFORMAT},
    {Editor::kTimePicker, DATETIMEPICK_CLASSW, L"", {211, 40, 98, 25}, kRightTop, kTab | DTS_TIMEFORMAT},
    {Editor::kSoundCheck, WC_BUTTONW, L"Play sound:", {3, 76, 84, 17}, kLeftTop, kTab | BS_AUTOCHECKBOX | BS_LEFTTEXT},
    {Editor::kSoundBox, WC_EDITW, L"", {89, 74, 171, 21}, kAcross, kTab | ES_AUTOHSCROLL | WS_DISABLED,
     WS_EX_CLIENTEDGE},
    {Editor::kBrowseButton, WC_BUTTONW, L"...", {261, 74, 25, 23}, kRightTop, kTab | BS_PUSHBUTTON | WS_DISABLED, 0,
     &kBrowseFont},
    {Editor::kEnabledCheck, WC_BUTTONW, L"Enabled:", {8, 109, 68, 17}, kLeftTop, kTab | BS_AUTOCHECKBOX | BS_LEFTTEXT},
    {Editor::kReminderCheck, WC_BUTTONW, L"Display reminder", {8, 132, 118, 17}, kLeftTop, kTab | BS_AUTOCHECKBOX},
    {Editor::kReminderBox, ui::kRichEditClass, L"", {6, 160, 299, 95},
     Anchor::Left | Anchor::Top | Anchor::Right | Anchor::Bottom,
     kTab | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_DISABLED, WS_EX_CLIENTEDGE},
    {Editor::kOkButton, WC_BUTTONW, L"&OK", {7, 382, 75, 23}, Anchor::Left | Anchor::Bottom, kTab | BS_DEFPUSHBUTTON},
    {Editor::kCancelButton, WC_BUTTONW, L"Cancel", {231, 381, 75, 24}, Anchor::Right | Anchor::Bottom,
     kTab | BS_PUSHBUTTON},
    {Editor::kRepeatList, WC_COMBOBOXW, L"", {137, 127, 171, 200}, kAcross, kTab | CBS_DROPDOWNLIST | WS_VSCROLL},
    {Editor::kFirstDayCheck + 0, WC_BUTTONW, L"Mon", {8, 263, 43, 17}, kLeftBottom, kTab | BS_AUTOCHECKBOX},
    {Editor::kFirstDayCheck + 1, WC_BUTTONW, L"Tue", {51, 263, 43, 17}, kLeftBottom, kTab | BS_AUTOCHECKBOX},
    {Editor::kFirstDayCheck + 2, WC_BUTTONW, L"Wed", {94, 263, 43, 17}, kLeftBottom, kTab | BS_AUTOCHECKBOX},
    {Editor::kFirstDayCheck + 3, WC_BUTTONW, L"Thu", {137, 263, 43, 17}, kLeftBottom, kTab | BS_AUTOCHECKBOX},
    {Editor::kFirstDayCheck + 4, WC_BUTTONW, L"Fri", {180, 263, 43, 17}, kLeftBottom, kTab | BS_AUTOCHECKBOX},
    {Editor::kFirstDayCheck + 5, WC_BUTTONW, L"Sat", {223, 263, 43, 17}, kLeftBottom, kTab | BS_AUTOCHECKBOX},
    {Editor::kFirstDayCheck + 6, WC_BUTTONW, L"Sun", {266, 263, 43, 17}, kLeftBottom, kTab | BS_AUTOCHECKBOX},
    {Editor::kSnoozeList, WC_COMBOBOXW, L"", {57, 287, 88, 200}, kLeftBottom, kTab | CBS_DROPDOWNLIST | WS_VSCROLL},
    {Editor::kIfMissedList, WC_COMBOBOXW, L"", {212, 287, 96, 200}, Anchor::Left | Anchor::Right | Anchor::Bottom,
     kTab | CBS_DROPDOWNLIST | WS_VSCROLL},
    {Editor::kRepeatSoundCheck, WC_BUTTONW, L"Repeat the sound until answered", {8, 313, 230, 17}, kLeftBottom,
     kTab | BS_AUTOCHECKBOX},
    {Editor::kRemindList, WC_COMBOBOXW, L"", {98, 337, 76, 200}, kLeftBottom, kTab | CBS_DROPDOWNLIST | WS_VSCROLL},
    {Editor::kWakeCheck, WC_BUTTONW, NW_("Wake the computer"), {178, 339, 130, 17}, kLeftBottom, kTab | BS_AUTOCHECKBOX},
    {Editor::kRemindLabel, WC_STATICW, NW_("Remind before:"), {8, 341, 90, 13}, kLeftBottom},
    {Editor::kWakeNote, WC_STATICW, NW_("Wake timers must be allowed in the power plan."), {8, 361, 300, 13},
     kLeftBottom},
    {Editor::kNameLabel, WC_STATICW, L"Name:", {24, 16, 40, 13}, kLeftTop},
    {Editor::kDateLabel, WC_STATICW, L"Date/time:", {5, 44, 62, 13}, kLeftTop},
    {Editor::kRepeatLabel, WC_STATICW, L"Repeat:", {139, 111, 60, 13}, kLeftTop},
    {Editor::kSnoozeLabel, WC_STATICW, L"Snooze:", {8, 290, 48, 13}, kLeftBottom},
    {Editor::kIfMissedLabel, WC_STATICW, L"If missed:", {151, 290, 60, 13}, kLeftBottom},
    {Editor::kPlayButton, WC_BUTTONW, L"", {288, 74, 24, 23}, kRightTop,
     BS_AUTOCHECKBOX | BS_PUSHLIKE | BS_ICON | WS_DISABLED},
};

// The controls' design. The window opens wider, and the anchors stretch the
// name box and the date picker into the extra width: a long date ("Wednesday,
// September 30, 2026") needs about 220 pixels.
constexpr SIZE kDesignSize{314, 411};
constexpr SIZE kClientSize{398, 411};
constexpr SIZE kMinimumSize{250, 374};

// The snooze lengths offered, in minutes; an alarm's own length joins them
// when it is not one of these.
constexpr int kSnoozeChoices[] = {1, 2, 3, 5, 10, 15, 20, 30, 45, 60, 90, 120, 180, 240, 480, 720, 1440};
// The missed-moment rules by IfMissed value.
constexpr std::string_view kIfMissedCaptions[] = {"Remind each time", "Remind once", "Skip"};

std::string SnoozeCaption(int minutes) {
    if (minutes % 60 == 0) return std::to_string(minutes / 60) + (minutes == 60 ? " hour" : " hours");
    return std::to_string(minutes) + (minutes == 1 ? " minute" : " minutes");
}
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

}  // namespace

AlarmEditor::AlarmEditor() {
    player_.onNotify = [this](MediaPlayer&) { OnPlayerNotify(); };
}

AlarmEditor::~AlarmEditor() { Destroy(); }

void AlarmEditor::MakeWindow() {
    ui::LoadRichEdit();
    CreateHandle({.className = L"QuorvelAlarmEditor", .title = L"Alarm / reminder details",
                  .exStyle = WS_EX_CONTROLPARENT, .client96 = kClientSize, .placement = Placement::Centred,
                  .placeNear = owner_, .font = &kWindowFont, .owner = owner_});
}

void AlarmEditor::OnCreate() {
    CreateControls(kControls, kDesignSize);
    SetMinimumSize(kMinimumSize);
    SetDefaultButton(kOkButton);
    SetCancelButton(kCancelButton);
    AttachControls();
    for (int kind = 0; kind < kRepeatKindCount; ++kind) repeatList_.AddItem(RepeatKindCaption(static_cast<RepeatKind>(kind)));
    for (const std::string_view caption : kIfMissedCaptions) ifMissedList_.AddItem(caption);
    LoadPlayImages();
}

void AlarmEditor::AttachControls() {
    nameBox_.Attach(Item(kNameBox));
    datePicker_.Attach(Item(kDatePicker));
    timePicker_.Attach(Item(kTimePicker));
    soundCheck_.Attach(Item(kSoundCheck));
    soundCheck_.onClick = [this] { OnSoundCheckClick(); };
    soundBox_.Attach(Item(kSoundBox));
    soundBox_.onExit = [this] { OnSoundBoxExit(); };
    browseButton_.Attach(Item(kBrowseButton));
    browseButton_.onClick = [this] { OnBrowseButton(); };
    enabledCheck_.Attach(Item(kEnabledCheck));
    reminderCheck_.Attach(Item(kReminderCheck));
    reminderCheck_.onClick = [this] { OnReminderCheckClick(); };
    // Long reminder lines wrap and no scroll bars show (the style has no WS_HSCROLL).
    reminderBox_.Attach(Item(kReminderBox));
    reminderBox_.UsePlainText();
    okButton_.Attach(Item(kOkButton));
    okButton_.onClick = [this] { OnOkButton(); };
    cancelButton_.Attach(Item(kCancelButton));
    cancelButton_.onClick = [this] { EndModal(IDCANCEL); };
    repeatList_.Attach(Item(kRepeatList));
    repeatList_.onSelect = [this] { OnRepeatSelect(); };
    for (int day = 0; day < kDaysPerWeek; ++day) {
        dayChecks_[day].Attach(Item(kFirstDayCheck + day));
        dayChecks_[day].onClick = [this, day] { OnDayClick(day); };
    }
    snoozeList_.Attach(Item(kSnoozeList));
    ifMissedList_.Attach(Item(kIfMissedList));
    repeatSoundCheck_.Attach(Item(kRepeatSoundCheck));
    earlyWarnings_.Attach(Item(kRemindList), Item(kWakeCheck));
    playButton_.Attach(Item(kPlayButton));
    playButton_.SetTakesFocus(false);
    playButton_.onClick = [this] { OnPlayButton(); };
}

void AlarmEditor::OnDpiChanged(UINT) { LoadPlayImages(); }

// The preview button's pictures at the window's resolution.
void AlarmEditor::LoadPlayImages() {
    // The button lets go of the old picture before it is destroyed.
    playButton_.SetIcon(nullptr);
    speaker_ = ui::LoadIconImage(IDI_SPEAKER_IMAGE, Scale(kImageSize));
    speakerDisabled_ = ui::LoadIconImage(IDI_SPEAKER_DISABLED_IMAGE, Scale(kImageSize));
    ShowPlayImage();
}

void AlarmEditor::ShowPlayImage() {
    playButton_.SetIcon(playButton_.Enabled() ? speaker_.Get() : speakerDisabled_.Get());
}

void AlarmEditor::EnablePlay(bool enabled) {
    playButton_.SetEnabled(enabled);
    ShowPlayImage();
}

bool AlarmEditor::EditAlarm(AlarmFields& draft) {
    if (!Handle()) MakeWindow();
    draft_ = &draft;
    FillFromAlarm(draft);
    int result = IDCANCEL;
    try {
        result = ui::RunModal(*this, owner_);
    } catch (...) {
        ReleasePlayer();
        draft_ = nullptr;
        throw;
    }
    ReleasePlayer();
    draft_ = nullptr;
    return result == IDOK;
}

void AlarmEditor::FillFromAlarm(const AlarmFields& alarm) {
    nameBox_.SetText(alarm.name);
    // The date picker holds the whole days; the time picker the time of day
    // (on that date: a picker cannot hold day 0). A moment they cannot show
    // (before 1601, damaged) shows as now; OK keeps it unless one is changed.
    const DateTime shown = ToSystemTime(alarm.dateTime) ? alarm.dateTime : Now();
    datePicker_.SetValue(std::trunc(shown));
    timePicker_.SetValue(shown);
    shownMoment_ = Picked();

    soundCheck_.SetChecked(!alarm.sound.empty());
    soundBox_.SetText(alarm.sound);
    OnSoundCheckClick();
    enabledCheck_.SetChecked(alarm.enabled);
    reminderCheck_.SetChecked(!alarm.reminder.empty());
    OnReminderCheckClick();
    // The box gives back its line breaks as CR LF: an unchanged text is kept as the alarm held it.
    shownReminder_ = alarm.reminder;
    // A paragraph too long to wrap at once scrolls sideways instead.
    reminderBox_.SetWrapping(LongestParagraph(alarm.reminder) <= ui::kLongestWrappedParagraph);
    reminderBox_.SetText(alarm.reminder);
    // A kind beyond the list (damaged data) shows as "No repeat"; only OK writes it.
    const auto kind = static_cast<int>(alarm.repeat);
    repeatList_.Select(kind < kRepeatKindCount ? kind : 0);
    FillOptions(alarm.options);
}

void AlarmEditor::FillOptions(const AlarmOptions& options) {
    for (int day = 0; day < kDaysPerWeek; ++day) dayChecks_[day].SetChecked((options.days & (kMonday << day)) != 0);
    OnRepeatSelect();
    // The offered lengths, with the alarm's own in its place among them.
    snoozeMinutes_.assign(std::begin(kSnoozeChoices), std::end(kSnoozeChoices));
    const int own = options.snoozeMinutes;
    const auto at = std::lower_bound(snoozeMinutes_.begin(), snoozeMinutes_.end(), own);
    if (at == snoozeMinutes_.end() || *at != own) snoozeMinutes_.insert(at, own);
    snoozeList_.Clear();
    for (const int minutes : snoozeMinutes_) snoozeList_.AddItem(SnoozeCaption(minutes));
    snoozeList_.Select(static_cast<int>(std::find(snoozeMinutes_.begin(), snoozeMinutes_.end(), own) -
                                        snoozeMinutes_.begin()));
    ifMissedList_.Select(static_cast<int>(options.ifMissed));
    repeatSoundCheck_.SetChecked(options.repeatSound);
    earlyWarnings_.Fill(options);
}

AlarmOptions AlarmEditor::PickedOptions() const {
    AlarmOptions options;
    options.days = 0;
    for (int day = 0; day < kDaysPerWeek; ++day)
        if (dayChecks_[day].Checked()) options.days |= static_cast<std::uint8_t>(kMonday << day);
    const int snooze = snoozeList_.Selected();
    options.snoozeMinutes = static_cast<std::uint16_t>(
        snooze >= 0 && snooze < static_cast<int>(snoozeMinutes_.size()) ? snoozeMinutes_[snooze] : kDefaultSnoozeMinutes);
    options.ifMissed = static_cast<IfMissed>(std::max(ifMissedList_.Selected(), 0));
    options.repeatSound = repeatSoundCheck_.Checked();
    earlyWarnings_.Pick(options);
    return options;
}

// The days matter to a Daily alarm alone, and show for it alone.
void AlarmEditor::OnRepeatSelect() {
    const bool daily = repeatList_.Selected() == static_cast<int>(RepeatKind::Daily);
    for (ui::CheckBox& check : dayChecks_) check.SetVisible(daily);
}

// A Daily alarm comes due on one day at least: the last day checked stays so.
void AlarmEditor::OnDayClick(int day) {
    for (const ui::CheckBox& check : dayChecks_)
        if (check.Checked()) return;
    dayChecks_[day].SetChecked(true);
}

void AlarmEditor::OnSoundCheckClick() {
    const bool enabled = soundCheck_.Checked();
    soundBox_.SetEnabled(enabled);
    browseButton_.SetEnabled(enabled);
    // The preview follows the text alone, checked or not.
    EnablePlay(!soundBox_.Text().empty());
}

void AlarmEditor::OnSoundBoxExit() { EnablePlay(!soundBox_.Text().empty()); }

void AlarmEditor::OnReminderCheckClick() {
    const bool checked = reminderCheck_.Checked();
    reminderBox_.SetEnabled(checked);
    if (checked && Visible()) reminderBox_.Focus();
}

void AlarmEditor::OnBrowseButton() {
    ui::OpenFileRequest request;
    request.owner = Handle();
    request.filters = SoundFilters();
    request.filterIndex = 1;
    request.options = OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_ENABLESIZING;
    const std::string current = soundBox_.Text();
    if (!current.empty()) {
        dialogFileName_ = current;
    } else {
        request.folder = ExpandEnvironment(kSoundFolder);
    }
    request.fileName = dialogFileName_;
    if (const auto chosen = ui::ChooseFileToOpen(request)) {
        dialogFileName_ = *chosen;
        soundBox_.SetText(*chosen);
    }
    EnablePlay(!soundBox_.Text().empty());
}

void AlarmEditor::OnPlayButton() {
    if (!playButton_.Checked()) {
        // The device stays open until the next preview or the end of the dialog.
        if (player_.Mode() == PlayerMode::Playing) player_.Stop();
        return;
    }
    try {
        player_.fileName = soundBox_.Text();
        ui::BusyCursor busy;
        player_.Open();
        player_.SetNotify(true);
        // A refused play is told as a failed open is, and the button comes back up.
        if (const MCIERROR error = player_.Play()) throw MciDeviceError(MciErrorText(error));
    } catch (const std::exception& e) {
        ui::ShowMessageBox(Handle(), e.what(), "ERROR playing sound", MB_OK | MB_ICONERROR);
        playButton_.SetChecked(false);
    }
}

// The preview ended or was stopped: the next command asks for no report.
void AlarmEditor::OnPlayerNotify() {
    player_.SetNotify(false);
    playButton_.SetChecked(false);
}

void AlarmEditor::OnOkButton() {
    AlarmFields& alarm = *draft_;
    alarm.name = nameBox_.Text();
    alarm.dateTime = EditedMoment(alarm.dateTime, shownMoment_, Picked());
    alarm.sound = soundCheck_.Checked() ? soundBox_.Text() : std::string();
    alarm.enabled = enabledCheck_.Checked();
    const std::string reminder = reminderBox_.Modified() ? reminderBox_.Text() : shownReminder_;
    alarm.reminder = reminderCheck_.Checked() ? reminder : std::string();
    alarm.repeat = static_cast<RepeatKind>(std::max(repeatList_.Selected(), 0));
    alarm.options = PickedOptions();
    EndModal(IDOK);
}

PickedMoment AlarmEditor::Picked() const { return {datePicker_.Value(), timePicker_.Value()}; }

void AlarmEditor::ReleasePlayer() {
    if (player_.Mode() == PlayerMode::Playing) player_.Stop();
    player_.Close();
}

LRESULT AlarmEditor::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    // Posted, to come after the activation, which puts the keyboard back where it
    // was; with the queue full, at least now.
    if (msg == WM_SHOWWINDOW && wParam && !Post(kFocusNameBox)) nameBox_.Focus();
    if (msg == kFocusNameBox) {
        // Each edit starts on the name, whichever control had the focus last time.
        nameBox_.Focus();
        nameBox_.SelectAll();
        return 0;
    }
    return Window::HandleMessage(msg, wParam, lParam);
}

}  // namespace quorvel
