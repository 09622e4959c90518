// AlarmsWindow, "Alarms and reminders": the table of all alarms with a toolbar
// and a pop-up menu (Add, Edit, Delete, Enabled, Close). It owns the program's
// alarm list from its creation at start (where the list is loaded and checking
// armed) to the end, saves the list when it is closed, and runs the alarm check
// of every clock tick. Closing it only hides it.
#pragma once

#include <string>
#include <vector>

#include "alarms/alarm.h"
#include "alarms/alarm_store.h"
#include "core/format/time_format.h"
#include "platform/settings_registry.h"
#include "ui/action.h"
#include "ui/controls/list_view.h"
#include "ui/controls/status_bar.h"
#include "ui/controls/tool_bar.h"
#include "ui/handle.h"
#include "ui/window.h"
#include "windows/alarm_editor/alarm_editing.h"

namespace quorvel {

class AlarmsWindow : public ui::Window {
public:
    // Command ids of the actions, shared by toolbar buttons and menu items.
    enum CommandId : int { kAddCommand = 200, kEditCommand, kDeleteCommand, kEnableCommand, kCloseCommand };
    enum ControlId : int { kToolBar = 300, kListView, kStatusBar };
    // Columns of the table, left to right.
    enum Column : int { kNameColumn, kEnabledColumn, kDateTimeColumn, kRepeatColumn, kSoundColumn, kReminderColumn };

    // The registry object and the editor must outlive the window.
    AlarmsWindow(SettingsRegistry& registry, AlarmEditing& editor);
    ~AlarmsWindow() override;

    // Creates the window hidden in its place and runs FormCreate: loads the
    // stored list (an error box on failure) and arms alarm checking.
    void Create();
    // Shows the window without waiting (FormShow rebuilds the table) and brings it to the front.
    void Show();

    // The program's alarm list, owned by this window.
    AlarmList& Alarms() { return alarmList_; }
    // The list's registry binding; the clock's SaveSettings saves through it.
    AlarmStore& Store() { return store_; }
    // For tests: the selection, the table and the context menu.
    Alarm* SelectedAlarm() const { return selectedAlarm_; }
    ui::ListView& ListView() { return listView_; }
    HMENU PopupMenu() const { return popupMenu_.Get(); }

    // Where firing alarms get their reminder windows; not owned. Without one
    // the check does nothing.
    void SetReminders(ReminderFactory* reminders) { reminders_ = reminders; }

    // Rebuilds the table from the list; the selection stays on the same alarm
    // while it exists, else on the same row position.
    void RefreshList();
    // Makes the alarm (or none) the selected one and updates the actions.
    void SelectAlarm(Alarm* alarm);
    // Fires every due alarm, in list order; nothing while the list is not armed.
    void CheckAlarms();

    void OnAddCommand();
    void OnEditCommand();
    void OnDeleteCommand();
    void OnEnableCommand();
    void OnCloseCommand();
    void OnListDoubleClick();
    void OnListSelectionChanged();

    void FormCreate();
    void FormShow();
    void FormClose();

    // The "Date / Time" and "Repeat" cells of an alarm.
    static std::string DateTimeCell(DateTime value, const FormatSettings& locale);
    static std::string RepeatCell(RepeatKind kind);

protected:
    void OnCreate() override;
    void OnClose() override;
    void OnSize(int width, int height) override;
    void OnShowWindow(bool shown) override;
    void OnDpiChanged(UINT dpi) override;
    LRESULT OnNotify(const NMHDR& header) override;
    bool OnContextMenu(HWND control, POINT screen) override;
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateActions();
    void CreateToolBar();
    void ApplyFonts();
    Alarm* AlarmOfRow(int row) const;
    void AddRow(Alarm& alarm, std::string& cell);
    // The user changed the list: it may now be saved over a value that failed to load.
    void ListChanged();

    AlarmList alarmList_;
    AlarmStore store_;
    AlarmEditing& editor_;
    ReminderFactory* reminders_ = nullptr;
    Alarm* selectedAlarm_ = nullptr;
    FormatSettings locale_;

    ui::Action addAction_;
    ui::Action editAction_;
    ui::Action deleteAction_;
    ui::Action closeAction_;
    ui::Action enableAction_;
    std::vector<ui::Action*> actions_;
    ui::Menu popupMenu_;
    ui::ToolBar toolBar_;
    ui::ListView listView_;
    ui::StatusBar statusBar_;
    ui::Font listFont_;
    ui::Font toolBarFont_;
};

}  // namespace quorvel
