#include "windows/alarms/alarms_window.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <exception>
#include <utility>

#include "core/translation.h"
#include "resource_ids.h"
#include "core/clock.h"
#include "core/scope_exit.h"
#include "core/wide.h"
#include "platform/sort_key.h"
#include "platform/user_locale.h"
#include "ui/common_controls.h"
#include "ui/message_box.h"
#include "ui/module.h"
#include "ui/popup_menu.h"

namespace quorvel {
namespace {

using ui::Anchor;
using Window = AlarmsWindow;
constexpr Anchor kAllEdges = Anchor::Left | Anchor::Top | Anchor::Right | Anchor::Bottom;

const FontSpec kWindowFont{"Verdana", 8, kBlack, 0};   // 11 pixels high at 96 dpi
const FontSpec kToolBarFont{"Verdana", 7, kBlack, 0};  // 9 pixels

// The toolbar and the status bar place themselves; the table is laid out
// between them on every resize (OnSize). The table is virtual: its rows are
// the alarm book's, asked for when shown.
constexpr ui::ControlSpec kControls[] = {
    {Window::kToolBar, TOOLBARCLASSNAMEW, L"", {0, 0, 478, 45}, Anchor::Left | Anchor::Top | Anchor::Right,
     TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP | CCS_NODIVIDER, 0, &kToolBarFont},
    {Window::kListView, WC_LISTVIEWW, L"", {0, 45, 478, 233}, kAllEdges,
     WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDATA, WS_EX_CLIENTEDGE},
    {Window::kStatusBar, STATUSCLASSNAMEW, L"", {0, 278, 478, 19}, Anchor::Left | Anchor::Bottom | Anchor::Right,
     SBARS_SIZEGRIP},
};
constexpr SIZE kClientSize{478, 297};

constexpr ui::ListColumn kColumns[] = {
    {NW_("Name"), 100},   {NW_("Enabled"), 60}, {NW_("Date / Time"), 150},
    {NW_("Repeat"), 100}, {NW_("Sound"), 50},   {NW_("Reminder"), 150},
};

constexpr POINT kPlace{649, 288};
constexpr SIZE kMinimumSize{250, 150};
constexpr SIZE kButtonSize{47, 35};
constexpr int kImageSize = 16;

// The image list's images by index: 0 Edit, 1 Delete, 2 Enabled, 3 Close, 4 Add.
constexpr int kImageIds[] = {IDI_EDIT_IMAGE, IDI_DELETE_IMAGE, IDI_ENABLED_IMAGE, IDI_CLOSE_IMAGE, IDI_ADD_IMAGE};
enum Image : int { kEditImage, kDeleteImage, kEnabledImage, kCloseImage, kAddImage };

// Keys of the window besides the list's own and the commands' access keys:
// Ctrl+N adds, Escape closes.
constexpr ACCEL kKeys[] = {
    {FVIRTKEY | FCONTROL, 'N', Window::kAddCommand},
    {FVIRTKEY, VK_ESCAPE, Window::kCloseCommand},
};

}  // namespace

AlarmsWindow::AlarmsWindow(AlarmBook& book, AlarmEditing& editor)
    : book_(book),
      editor_(editor),
      addAction_(kAddCommand, std::string(Translate("&Add")), kAddImage),
      editAction_(kEditCommand, std::string(Translate("&Edit")), kEditImage),
      deleteAction_(kDeleteCommand, std::string(Translate("&Delete")), kDeleteImage),
      closeAction_(kCloseCommand, std::string(Translate("&Close")), kCloseImage),
      enableAction_(kEnableCommand, std::string(Translate("E&nabled")), kEnabledImage) {
    bookListener_ = book_.onChanged.Add([this] { OnAlarmsChanged(); });
}

AlarmsWindow::~AlarmsWindow() {
    book_.onChanged.Remove(bookListener_);
    Destroy();
}

void AlarmsWindow::Create() {
    CreateHandle({.className = L"QuorvelAlarms", .title = NW_("Alarms and reminders"), .client96 = kClientSize,
                  .placement = Placement::Stated, .position = kPlace, .font = &kWindowFont});
}

void AlarmsWindow::OnCreate() {
    CreateControls(kControls, kClientSize);
    SetMinimumSize(kMinimumSize);
    locale_ = ReadUserFormatSettings();
    toolBar_.Attach(Item(kToolBar));
    listView_.Attach(Item(kListView));
    statusBar_.Attach(Item(kStatusBar));
    listView_.SetColumns(kColumns);
    listView_.onSelectionChanged = [this] { OnListSelectionChanged(); };
    listView_.onCellText = [this](int row, int column) { return Cell(row, column); };
    listView_.onActivate = [this](int) { OnListActivate(); };
    listView_.onKey = [this](WORD key) { return OnListKey(key); };
    CreateActions();
    SetAccelerators(ui::AcceleratorsWithAccessKeys(kKeys, actions_));
    CreateToolBar();
    SelectAlarm(0);
}

void AlarmsWindow::CreateActions() {
    addAction_.onExecute = [this] { OnAddCommand(); };
    editAction_.onExecute = [this] { OnEditCommand(); };
    deleteAction_.onExecute = [this] { OnDeleteCommand(); };
    closeAction_.onExecute = [this] { OnCloseCommand(); };
    // A checkable action: each execution flips its state first.
    enableAction_.onExecute = [this] {
        enableAction_.SetChecked(!enableAction_.Checked());
        OnEnableCommand();
    };
    actions_ = {&addAction_, &editAction_, &deleteAction_, &enableAction_, &closeAction_};
    popupMenu_ = ui::Menu(CreatePopupMenu());
    for (ui::Action* action : actions_) {
        AddAction(*action);
        action->AppendTo(popupMenu_.Get());
    }
}

// The toolbar's buttons and the menu's images, at the window's resolution.
void AlarmsWindow::CreateToolBar() {
    ui::ImageList images = ui::CreateImageList(Scale(kImageSize), Scale(kImageSize));
    for (const int id : kImageIds) {
        const ui::Icon icon = ui::LoadIconImage(id, Scale(kImageSize));
        ui::comctl::ImageList_ReplaceIcon(images.Get(), -1, icon.Get());
    }
    toolBar_.RemoveButtons();
    toolBar_.SetImageList(std::move(images));
    SetMenuImages(toolBar_.Images());
    toolBar_.AddButton(addAction_);
    toolBar_.AddButton(editAction_);
    toolBar_.AddButton(deleteAction_);
    toolBar_.AddButton(enableAction_, BTNS_CHECK);
    toolBar_.AddSeparator();
    toolBar_.AddButton(closeAction_);
    toolBar_.SetButtonSize96(kButtonSize);
    const RECT client = ClientRect();
    OnSize(client.right, client.bottom);
}

void AlarmsWindow::OnDpiChanged(UINT) { CreateToolBar(); }

// The table fills the space between the toolbar and the status bar.
void AlarmsWindow::OnSize(int width, int height) {
    if (!listView_.Handle()) return;
    const RECT bar = ui::WindowRef(toolBar_.Handle()).OuterRect();
    const RECT status = ui::WindowRef(statusBar_.Handle()).OuterRect();
    const int top = bar.bottom - bar.top;
    const int bottom = height - (status.bottom - status.top);
    ui::WindowRef(listView_.Handle()).MoveAndSize({0, top, width, std::max(top, bottom)});
}

// ---- The table ------------------------------------------------------------------

std::string AlarmsWindow::DateTimeCell(DateTime value, const FormatSettings& locale) {
    // The short date, and the long time unless it is exactly midnight.
    return FormatDateTime("c", value, locale);
}

const Alarm* AlarmsWindow::AlarmAt(int row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= rows_.size()) return nullptr;
    const Row& r = rows_[static_cast<std::size_t>(row)];
    const AlarmList& alarms = book_.Alarms();
    if (r.index < alarms.Count() && alarms[r.index].Id() == r.id) return &alarms[r.index];
    return book_.Find(r.id);
}

AlarmId AlarmsWindow::AlarmOfRow(int row) const {
    const Alarm* alarm = AlarmAt(row);
    return alarm ? alarm->Id() : 0;
}

int AlarmsWindow::RowOf(AlarmId id) const {
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        if (rows_[row].id == id) return static_cast<int>(row);
    }
    return -1;
}

std::string AlarmsWindow::Cell(int row, int column) const {
    const Alarm* alarm = AlarmAt(row);
    if (!alarm) return {};
    switch (column) {
        case kNameColumn: return alarm->name;
        case kEnabledColumn: return std::string(alarm->enabled ? Translate("Yes") : Translate("No"));
        case kDateTimeColumn: return DateTimeCell(alarm->dateTime, locale_);
        case kRepeatColumn: return RepeatDescription(*alarm, [](std::string_view text) { return Translate(text); });
        case kSoundColumn: return alarm->sound.empty() ? "-" : alarm->sound;
        case kReminderColumn: return alarm->reminder.empty() ? "-" : alarm->reminder;
        default: return {};
    }
}

void AlarmsWindow::RefreshList() {
    // The alarm selected now keeps the selection if it is still in the list;
    // otherwise the row at the same position takes it. Rows name their alarms
    // by id, so a row is never taken for an alarm the list no longer holds.
    const int selectedRow = listView_.Selected();
    const AlarmId selected = selected_;

    // Rows sorted by name in the platform's locale-aware, case-sensitive
    // order, equal names in list order. A name's sort key is made once and
    // kept while the alarm keeps that name.
    const AlarmList& alarms = book_.Alarms();
    std::vector<NamedKey> keys;
    keys.reserve(alarms.Count());
    for (std::size_t i = 0; i < alarms.Count(); ++i) {
        const Alarm& alarm = alarms[i];
        const auto kept = std::lower_bound(sortKeys_.begin(), sortKeys_.end(), alarm.Id(),
                                           [](const NamedKey& k, AlarmId id) { return k.id < id; });
        if (kept != sortKeys_.end() && kept->id == alarm.Id() && kept->name == alarm.name) {
            keys.push_back({alarm.Id(), std::move(kept->name), std::move(kept->key), i});
        } else {
            keys.push_back({alarm.Id(), alarm.name, SortKey(alarm.name), i});
        }
    }
    std::vector<const NamedKey*> sorted;
    sorted.reserve(keys.size());
    for (const NamedKey& key : keys) sorted.push_back(&key);
    std::stable_sort(sorted.begin(), sorted.end(), [](const NamedKey* a, const NamedKey* b) { return a->key < b->key; });
    rows_.clear();
    rows_.reserve(sorted.size());
    for (const NamedKey* key : sorted) rows_.push_back(Row{key->id, key->index});
    // Kept by id, for the next rebuild to find.
    std::sort(keys.begin(), keys.end(), [](const NamedKey& a, const NamedKey& b) { return a.id < b.id; });
    sortKeys_ = std::move(keys);

    // The selection is set once, below, whatever happens on the way.
    listView_.onSelectionChanged = nullptr;
    const ScopeExit reselect([&] {
        int row = RowOf(selected);
        if (row < 0 && selectedRow >= 0 && static_cast<std::size_t>(selectedRow) < rows_.size()) row = selectedRow;
        listView_.Select(row);
        listView_.onSelectionChanged = [this] { OnListSelectionChanged(); };
        SelectAlarm(AlarmOfRow(listView_.Selected()));
    });
    selected_ = 0;
    listView_.SetVirtualCount(static_cast<int>(rows_.size()));
}

void AlarmsWindow::SelectAlarm(AlarmId id) {
    const Alarm* alarm = book_.Find(id);
    selected_ = alarm ? id : 0;
    editAction_.SetEnabled(alarm != nullptr);
    deleteAction_.SetEnabled(alarm != nullptr);
    enableAction_.SetEnabled(alarm != nullptr);
    enableAction_.SetChecked(alarm != nullptr && alarm->enabled);
}

void AlarmsWindow::OnListSelectionChanged() { SelectAlarm(AlarmOfRow(listView_.Selected())); }

// Enter or a double-click: Edit, which does nothing without a selected row.
void AlarmsWindow::OnListActivate() { editAction_.Execute(); }

// The keys every Windows list answers.
bool AlarmsWindow::OnListKey(WORD key) {
    switch (key) {
        case VK_INSERT: return addAction_.Execute();
        case VK_DELETE: return deleteAction_.Execute();
        case VK_SPACE: return enableAction_.Execute();
        default: return false;
    }
}

bool AlarmsWindow::OnContextMenu(HWND control, POINT screen) {
    if (control != listView_.Handle()) return false;
    ui::ShowPopupMenu(popupMenu_.Get(), screen, Handle());
    return true;
}

// ---- Commands ---------------------------------------------------------------------

bool AlarmsWindow::RunEditor(AlarmFields& draft) {
    const AlarmBook::Suspension suspended = book_.SuspendChecking();
    return editor_.EditAlarm(draft);
}

// A new alarm joins the list only when the editor returns OK: until then no
// table, check or save sees it. It is then the selected row, scrolled into view.
void AlarmsWindow::OnAddCommand() {
    AlarmFields draft = NewAlarmFields(Now());
    if (!RunEditor(draft)) return;
    const AlarmId added = book_.Add(draft);
    if (Visible()) listView_.Select(RowOf(added));
}

void AlarmsWindow::OnEditCommand() {
    const AlarmId id = selected_;
    std::optional<AlarmFields> draft = book_.OpenForEdit(id);
    if (draft && RunEditor(*draft)) book_.Update(id, *draft);
}

void AlarmsWindow::OnDeleteCommand() {
    if (selected_) book_.Delete(selected_);
}

void AlarmsWindow::OnEnableCommand() {
    if (selected_) book_.SetEnabled(selected_, enableAction_.Checked());
}

// Posted: the command may come from the toolbar's or the menu's own handling.
void AlarmsWindow::OnCloseCommand() {
    if (!PostClose()) OnClose();
}

void AlarmsWindow::OnAlarmsChanged() {
    if (Visible()) RefreshList();
}

// ---- Showing and closing ------------------------------------------------------------

void ShowAlarmLoadFailure(const AlarmBook& book, const std::string& message, HWND owner) {
    std::string text(Translate(message));
    if (book.KeepsStoredValue()) text += "\r\n" + std::string(Translate(kStoredAlarmsKeptNote));
    ui::ShowMessageBox(owner, text, Translate("ERROR loading data from the registry"), MB_OK | MB_ICONERROR);
}

void AlarmsWindow::Show() {
    ShowRestored();
    BringToFront();
}

// Each showing rebuilds the table.
void AlarmsWindow::OnShowWindow(bool shown) {
    if (shown) RefreshList();
}

void AlarmsWindow::OnClose() { SaveListAndHide(); }

void AlarmsWindow::SaveListAndHide() {
    if (onClosing) onClosing();
    // Closing only hides: the list and alarm checking go on.
    Hide();
}

LRESULT AlarmsWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_SETTINGCHANGE) {
        locale_ = ReadUserFormatSettings();
        sortKeys_.clear();  // the order may have changed with the locale
        if (Visible()) RefreshList();
    }
    return Window::HandleMessage(msg, wParam, lParam);
}

}  // namespace quorvel
