// AlarmEditor, the modal dialog "Alarm / reminder details" that sets every
// field of one alarm: name, date and time, enabled, sound file (with a file
// browser and a preview button), reminder text and repeat kind, and its
// options: the days of a Daily alarm, the snooze length, what happens to missed
// moments, a sound repeated until answered, a reminder ahead of each moment
// and waking the computer for it. One editor exists for the
// whole run and is reused for every alarm, with its player and the file
// dialog's last file name.
#pragma once

#include <string>
#include <vector>

#include "alarms/alarm.h"
#include "alarms/edited_moment.h"
#include "sound/media_player.h"
#include "ui/controls/button.h"
#include "ui/controls/check_box.h"
#include "ui/controls/combo_box.h"
#include "ui/controls/date_time_picker.h"
#include "ui/controls/edit_box.h"
#include "ui/controls/rich_edit.h"
#include "ui/handle.h"
#include "ui/window.h"
#include "windows/alarm_editor/alarm_editing.h"
#include "windows/alarm_editor/early_warning_controls.h"

namespace quorvel {

class AlarmEditor : public ui::Window, public AlarmEditing {
public:
    // Control ids, in tab order; the labels and the preview button take no focus.
    enum ControlId : int {
        kNameBox = 100,
        kDatePicker,
        kTimePicker,
        kSoundCheck,
        kSoundBox,
        kBrowseButton,
        kEnabledCheck,
        kReminderCheck,
        kReminderBox,
        kOkButton,
        kCancelButton,
        kRepeatList,
        kFirstDayCheck,  // Mon ... Sun, shown for a Daily alarm
        kSnoozeList = kFirstDayCheck + kDaysPerWeek,
        kIfMissedList,
        kRepeatSoundCheck,
        kNameLabel,
        kDateLabel,
        kRepeatLabel,
        kSnoozeLabel,
        kIfMissedLabel,
        kPlayButton,
        kRemindList,
        kWakeCheck,
        kRemindLabel,
        kWakeNote,
    };

    // The start folder of the sound browser when the sound box is empty.
    static constexpr char kSoundFolder[] = "%windir%\\media";

    AlarmEditor();
    ~AlarmEditor() override;

    // Sets the editor up for owner, the window disabled while it runs (the
    // alarms window). Its window is made hidden, centred on the owner's monitor,
    // at the first EditAlarm: its reminder box needs the rich-text library,
    // which a run that edits no alarm never loads.
    void Create(HWND owner) { owner_ = owner; }

    bool EditAlarm(AlarmFields& draft) override;
    MediaPlayer& Player() { return player_; }

    void OnSoundCheckClick();
    void OnReminderCheckClick();
    void OnSoundBoxExit();
    void OnBrowseButton();
    void OnPlayButton();
    void OnPlayerNotify();
    void OnOkButton();
    void OnRepeatSelect();
    void OnDayClick(int day);
    // Stops a preview that plays and releases the player's device: whenever
    // the dialog ends.
    void ReleasePlayer();

protected:
    void OnCreate() override;
    void OnDpiChanged(UINT dpi) override;
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void MakeWindow();
    void AttachControls();
    void FillFromAlarm(const AlarmFields& alarm);
    void EnablePlay(bool enabled);
    void LoadPlayImages();
    void ShowPlayImage();
    PickedMoment Picked() const;
    void FillOptions(const AlarmOptions& options);
    AlarmOptions PickedOptions() const;

    HWND owner_ = nullptr;
    AlarmFields* draft_ = nullptr;
    PickedMoment shownMoment_;  // what the date and time pickers showed when the editor opened
    std::string shownReminder_;  // the reminder text as the alarm held it when the editor opened
    MediaPlayer player_;
    ui::EditBox nameBox_;
    ui::DateTimePicker datePicker_;
    ui::DateTimePicker timePicker_;
    ui::CheckBox soundCheck_;
    ui::EditBox soundBox_;
    ui::Button browseButton_;
    ui::CheckBox enabledCheck_;
    ui::CheckBox reminderCheck_;
    ui::RichEdit reminderBox_;
    ui::Button okButton_;
    ui::Button cancelButton_;
    ui::ComboBox repeatList_;
    ui::CheckBox dayChecks_[kDaysPerWeek];
    ui::ComboBox snoozeList_;
    std::vector<int> snoozeMinutes_;  // the snooze list's lengths, item by item
    ui::ComboBox ifMissedList_;
    ui::CheckBox repeatSoundCheck_;
    EarlyWarningControls earlyWarnings_;
    ui::CheckBox playButton_;  // push-like, taking no focus
    std::string dialogFileName_;  // the file dialog's file name, kept through the run
    ui::Icon speaker_;
    ui::Icon speakerDisabled_;
};

}  // namespace quorvel
