// AlarmsWindow, "Alarms and reminders": the table of all alarms with a toolbar
// and a pop-up menu (Add, Edit, Delete, Enabled, Close). A view of the alarm
// book: it shows the book's list, rebuilds its table whenever the book changes
// while it is visible, edits through the book, and saves the book when it is
// closed. Closing it only hides it.
//
// The table is a virtual list over the book, sorted by name: a rebuild sorts
// the alarms' ids, and only the rows on screen are ever formatted.
//
// Keys: Enter edits the selected alarm, Insert and Ctrl+N add, Delete deletes,
// Space switches Enabled, Escape closes; Alt and a command's underlined letter
// runs it; Shift+F10 and the menu key open the pop-up menu.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "alarms/alarm.h"
#include "alarms/alarm_book.h"
#include "core/format/time_format.h"
#include "ui/action.h"
#include "ui/controls/list_view.h"
#include "ui/controls/status_bar.h"
#include "ui/controls/tool_bar.h"
#include "ui/handle.h"
#include "ui/window.h"
#include "windows/alarm_editor/alarm_editing.h"

namespace quorvel {

// The line the load error box adds below the failure's message when the
// stored value is kept.
inline constexpr char kStoredAlarmsKeptNote[] = "The stored alarms are kept as they are until the list is changed.";

class AlarmsWindow : public ui::Window {
public:
    // Command ids of the actions, shared by toolbar buttons and menu items.
    enum CommandId : int { kAddCommand = 200, kEditCommand, kDeleteCommand, kEnableCommand, kCloseCommand };
    enum ControlId : int { kToolBar = 300, kListView, kStatusBar };
    // Columns of the table, left to right.
    enum Column : int { kNameColumn, kEnabledColumn, kDateTimeColumn, kRepeatColumn, kSoundColumn, kReminderColumn };

    // The book and the editor must outlive the window.
    AlarmsWindow(AlarmBook& book, AlarmEditing& editor);
    ~AlarmsWindow() override;

    // Creates the window hidden in its place.
    void Create();
    // Shows the window without waiting (FormShow rebuilds the table) and brings it to the front.
    void Show();

    // For tests: the selection, the table and the context menu.
    Alarm* SelectedAlarm() const { return book_.Find(selected_); }
    ui::ListView& ListView() { return listView_; }
    HMENU PopupMenu() const { return popupMenu_.Get(); }
    HIMAGELIST Images() const { return toolBar_.Images(); }

    // Rebuilds the table from the book's list; the selection stays on the
    // same alarm while it exists, else on the same row position.
    void RefreshList();
    // Makes the alarm (0: none) the selected one and updates the actions.
    void SelectAlarm(AlarmId alarm);

    void OnAddCommand();
    void OnEditCommand();
    void OnDeleteCommand();
    void OnEnableCommand();
    void OnCloseCommand();
    void OnListActivate();
    bool OnListKey(WORD key);
    void OnListSelectionChanged();

    // Has the list saved (onClosing) and hides the window: what Close and the
    // close box do.
    void SaveListAndHide();
    // Told as the window closes: its owner saves the list.
    std::function<void()> onClosing;

    // The "Date / Time" cell of an alarm (the "Repeat" cell is RepeatDescription).
    static std::string DateTimeCell(DateTime value, const FormatSettings& locale);

protected:
    void OnCreate() override;
    void OnClose() override;
    void OnSize(int width, int height) override;
    void OnShowWindow(bool shown) override;
    void OnDpiChanged(UINT dpi) override;
    bool OnContextMenu(HWND control, POINT screen) override;
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // A row of the table: its alarm, and where the list held it at the last
    // rebuild (checked before use; the list may have changed since).
    struct Row {
        AlarmId id;
        std::size_t index;
    };
    struct NamedKey {
        AlarmId id;
        std::string name;
        std::string key;    // the name's sort key in the user's locale
        std::size_t index;  // in the list
    };

    void CreateActions();
    void CreateToolBar();
    const Alarm* AlarmAt(int row) const;
    AlarmId AlarmOfRow(int row) const;
    int RowOf(AlarmId id) const;
    std::string Cell(int row, int column) const;
    // Runs the editor on the draft while alarm checking is suspended.
    bool RunEditor(AlarmFields& draft);
    // The book changed: a visible table shows it at once.
    void OnAlarmsChanged();

    AlarmBook& book_;
    Listeners::Token bookListener_ = 0;
    AlarmEditing& editor_;
    AlarmId selected_ = 0;
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
    std::vector<Row> rows_;  // the table's rows in their order
    std::vector<NamedKey> sortKeys_;  // by id, kept from one rebuild to the next
};

// The book's load failed: the error box, owned by `owner` (the clock) so that
// it comes up in front with the keyboard, with a note when the stored value is kept.
void ShowAlarmLoadFailure(const AlarmBook& book, const std::string& message, HWND owner);

}  // namespace quorvel
