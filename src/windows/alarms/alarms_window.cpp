#include "windows/alarms/alarms_window.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <exception>
#include <utility>

#include "resource_ids.h"
#include "core/clock.h"
#include "core/wide.h"
#include "platform/user_locale.h"
#include "ui/message_box.h"

namespace quorvel {
namespace {

using ui::Anchor;
constexpr Anchor kAllEdges = Anchor::Left | Anchor::Top | Anchor::Right | Anchor::Bottom;

// The toolbar and the status bar place themselves; the table is laid out
// between them on every resize (OnSize).
constexpr ui::ControlSpec kControls[] = {
    {AlarmsWindow::kToolBar, TOOLBARCLASSNAMEW, L"", {0, 0, 478, 45}, Anchor::Left | Anchor::Top | Anchor::Right,
     TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP | CCS_NODIVIDER},
    {AlarmsWindow::kListView, WC_LISTVIEWW, L"", {0, 45, 478, 233}, kAllEdges,
     WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, WS_EX_CLIENTEDGE},
    {AlarmsWindow::kStatusBar, STATUSCLASSNAMEW, L"", {0, 278, 478, 19}, Anchor::Left | Anchor::Bottom | Anchor::Right,
     SBARS_SIZEGRIP},
};
constexpr SIZE kClientSize{478, 297};

constexpr ui::ListColumn kColumns[] = {
    {L"Name", 100}, {L"Enabled", 60}, {L"Date / Time", 150}, {L"Repeat", 100}, {L"Sound", 50}, {L"Reminder", 150},
};

constexpr POINT kPlace{649, 288};
constexpr SIZE kOuterSize{486, 324};
constexpr SIZE kMinimumSize{250, 150};
constexpr SIZE kButtonSize{47, 35};
constexpr int kImageSize = 16;
constexpr int kWindowFontHeight = 11;
constexpr int kToolBarFontHeight = 9;

// The image list's images by index: 0 Edit, 1 Delete, 2 Enabled, 3 Close, 4 Add.
constexpr int kImageIds[] = {IDI_EDIT_IMAGE, IDI_DELETE_IMAGE, IDI_ENABLED_IMAGE, IDI_CLOSE_IMAGE, IDI_ADD_IMAGE};
enum Image : int { kEditImage, kDeleteImage, kEnabledImage, kCloseImage, kAddImage };

ui::Font Verdana(int height) {
    LOGFONTW font{};
    font.lfHeight = -height;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(font.lfFaceName, L"Verdana", LF_FACESIZE);
    return ui::Font(CreateFontIndirectW(&font));
}

// The platform's locale-aware, case-sensitive order of the names.
bool NameBefore(const std::wstring& a, const std::wstring& b) {
    return CompareStringW(LOCALE_USER_DEFAULT, 0, a.data(), static_cast<int>(a.size()), b.data(),
                          static_cast<int>(b.size())) == CSTR_LESS_THAN;
}

}  // namespace

AlarmsWindow::AlarmsWindow(AlarmBook& book, AlarmEditing& editor)
    : book_(book),
      editor_(editor),
      addAction_(kAddCommand, "Add", kAddImage),
      editAction_(kEditCommand, "Edit", kEditImage),
      deleteAction_(kDeleteCommand, "Delete", kDeleteImage),
      closeAction_(kCloseCommand, "Close", kCloseImage),
      enableAction_(kEnableCommand, "Enabled", kEnabledImage) {
    book_.onChanged = [this] { OnAlarmsChanged(); };
    book_.onReminderFailed = [this](const std::string& message) { ShowReminderFailure(message); };
}

AlarmsWindow::~AlarmsWindow() {
    book_.onChanged = nullptr;
    book_.onReminderFailed = nullptr;
    Destroy();
}

void AlarmsWindow::Create() {
    CreateParams params;
    params.className = L"QuorvelAlarms";
    params.background = GetSysColorBrush(COLOR_BTNFACE);
    params.title = L"Alarms and reminders";
    params.style = WS_OVERLAPPEDWINDOW;
    params.x = kPlace.x;
    params.y = kPlace.y;
    params.width = kOuterSize.cx;
    params.height = kOuterSize.cy;
    CreateHandle(params);
}

void AlarmsWindow::OnCreate() {
    SetWindowPos(Handle(), nullptr, 0, 0, Scale(kOuterSize.cx), Scale(kOuterSize.cy),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CreateControls(kControls, kClientSize);
    SetMinimumSize(kMinimumSize);
    locale_ = ReadUserFormatSettings();
    toolBar_.Attach(Item(kToolBar));
    listView_.Attach(Item(kListView));
    statusBar_.Attach(Item(kStatusBar));
    listView_.SetColumns(kColumns);
    listView_.onSelectionChanged = [this] { OnListSelectionChanged(); };
    CreateActions();
    CreateToolBar();
    ApplyFonts();
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

void AlarmsWindow::CreateToolBar() {
    ui::ImageList images = ui::CreateImageList(Scale(kImageSize), Scale(kImageSize));
    for (const int id : kImageIds) {
        const ui::Icon icon(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON,
                                                          Scale(kImageSize), Scale(kImageSize), LR_DEFAULTCOLOR)));
        ImageList_AddIcon(images.Get(), icon.Get());
    }
    toolBar_.SetImageList(std::move(images));
    SendMessageW(toolBar_.Handle(), TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(toolBar_.Images()));
    toolBar_.AddButton(addAction_);
    toolBar_.AddButton(editAction_);
    toolBar_.AddButton(deleteAction_);
    toolBar_.AddButton(enableAction_, BTNS_CHECK);
    toolBar_.AddSeparator();
    toolBar_.AddButton(closeAction_);
}

void AlarmsWindow::ApplyFonts() {
    listFont_ = Verdana(Scale(kWindowFontHeight));
    toolBarFont_ = Verdana(Scale(kToolBarFontHeight));
    SendMessageW(listView_.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(listFont_.Get()), TRUE);
    SendMessageW(toolBar_.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(toolBarFont_.Get()), TRUE);
    SendMessageW(toolBar_.Handle(), TB_SETBUTTONSIZE, 0, MAKELPARAM(Scale(kButtonSize.cx), Scale(kButtonSize.cy)));
    SendMessageW(toolBar_.Handle(), TB_AUTOSIZE, 0, 0);
    RECT client{};
    GetClientRect(Handle(), &client);
    OnSize(client.right, client.bottom);
}

void AlarmsWindow::OnDpiChanged(UINT) {
    // The toolbar's images at the new size; the actions keep their indexes.
    while (toolBar_.ButtonCount() > 0) SendMessageW(toolBar_.Handle(), TB_DELETEBUTTON, 0, 0);
    CreateToolBar();
    ApplyFonts();
}

// The table fills the space between the toolbar and the status bar.
void AlarmsWindow::OnSize(int width, int height) {
    if (!listView_.Handle()) return;
    RECT bar{}, status{};
    GetWindowRect(toolBar_.Handle(), &bar);
    GetWindowRect(statusBar_.Handle(), &status);
    const int top = bar.bottom - bar.top;
    const int bottom = height - (status.bottom - status.top);
    SetWindowPos(listView_.Handle(), nullptr, 0, top, width, std::max(0, bottom - top), SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- The table ------------------------------------------------------------------

std::string AlarmsWindow::DateTimeCell(DateTime value, const FormatSettings& locale) {
    // The short date, and the long time unless it is exactly midnight.
    return FormatDateTime("c", value, locale);
}

std::string AlarmsWindow::RepeatCell(RepeatKind kind) {
    const std::string_view caption = RepeatKindCaption(kind);
    if (!caption.empty()) return std::string(caption);
    // Only damaged stored data carries a kind beyond the list.
    return "Unknown (" + std::to_string(static_cast<unsigned>(kind)) + ")";
}

AlarmId AlarmsWindow::AlarmOfRow(int row) const {
    return row < 0 ? 0 : static_cast<AlarmId>(listView_.ItemData(row));
}

void AlarmsWindow::AddRow(const Alarm& alarm, std::string& cell) {
    const int row = listView_.InsertItem(listView_.Count(), alarm.name, static_cast<LPARAM>(alarm.Id()));
    if (row < 0) throw std::runtime_error("Cannot add a row");
    listView_.SetItemText(row, kEnabledColumn, alarm.enabled ? "Yes" : "No");
    cell = DateTimeCell(alarm.dateTime, locale_);
    listView_.SetItemText(row, kDateTimeColumn, cell);
    listView_.SetItemText(row, kRepeatColumn, RepeatCell(alarm.repeat));
    listView_.SetItemText(row, kSoundColumn, alarm.sound.empty() ? "-" : alarm.sound);
    listView_.SetItemText(row, kReminderColumn, alarm.reminder.empty() ? "-" : alarm.reminder);
}

void AlarmsWindow::RefreshList() {
    // The alarm selected now keeps the selection if it is still in the list;
    // otherwise the row at the same position takes it. Rows name their alarms
    // by id, so a row is never taken for an alarm the list no longer holds.
    const int selectedRow = listView_.Selected();
    const AlarmId selected = selected_;
    const HWND table = listView_.Handle();

    // Rows sorted by name, equal names in list order.
    const AlarmList& alarms = book_.Alarms();
    std::vector<std::pair<std::wstring, const Alarm*>> rows;
    rows.reserve(alarms.Count());
    for (std::size_t i = 0; i < alarms.Count(); ++i) rows.emplace_back(Wide(alarms[i].name), &alarms[i]);
    std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return NameBefore(a.first, b.first); });

    SendMessageW(table, WM_SETREDRAW, FALSE, 0);
    listView_.onSelectionChanged = nullptr;  // the selection is set once, below
    int target = -1;
    struct Finish {
        AlarmsWindow& window;
        const int& target;
        const int selectedRow;
        ~Finish() {
            ui::ListView& list = window.listView_;
            SendMessageW(list.Handle(), WM_SETREDRAW, TRUE, 0);
            InvalidateRect(list.Handle(), nullptr, TRUE);
            int row = target;
            if (row < 0 && selectedRow >= 0 && selectedRow < list.Count()) row = selectedRow;
            list.Select(row);
            list.onSelectionChanged = [w = &window] { w->OnListSelectionChanged(); };
            window.SelectAlarm(window.AlarmOfRow(list.Selected()));
        }
    } finish{*this, target, selectedRow};

    listView_.Clear();
    selected_ = 0;
    SendMessageW(table, LVM_SETITEMCOUNT, static_cast<WPARAM>(rows.size()), LVSICF_NOINVALIDATEALL);
    std::string cell;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        AddRow(*rows[i].second, cell);
        if (rows[i].second->Id() == selected) target = static_cast<int>(i);
    }
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

void AlarmsWindow::OnListDoubleClick() { editAction_.Execute(); }

LRESULT AlarmsWindow::OnNotify(const NMHDR& header) {
    if (header.hwndFrom == listView_.Handle() && header.code == NM_DBLCLK) OnListDoubleClick();
    return 0;
}

bool AlarmsWindow::OnContextMenu(HWND control, POINT screen) {
    if (control != listView_.Handle()) return false;
    TrackPopupMenu(popupMenu_.Get(), TPM_RIGHTBUTTON, screen.x, screen.y, 0, Handle(), nullptr);
    return true;
}

// ---- Commands ---------------------------------------------------------------------

bool AlarmsWindow::RunEditor(AlarmFields& draft) {
    const AlarmBook::Suspension suspended = book_.SuspendChecking();
    return editor_.EditAlarm(draft);
}

// A new alarm joins the list only when the editor returns OK: until then no
// table, check or save sees it.
void AlarmsWindow::OnAddCommand() {
    AlarmFields draft = NewAlarmFields(Now());
    if (RunEditor(draft)) book_.Add(draft);
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

void AlarmsWindow::OnCloseCommand() { SendMessageW(Handle(), WM_CLOSE, 0, 0); }

void AlarmsWindow::OnAlarmsChanged() {
    if (Handle() && IsWindowVisible(Handle())) RefreshList();
}

// ---- Showing and closing ------------------------------------------------------------

void AlarmsWindow::ShowLoadFailure(const std::string& message) {
    std::string text = message;
    if (book_.KeepsStoredValue()) text += std::string("\r\n") + kStoredAlarmsKeptNote;
    ui::ShowMessageBox(Handle(), text, "ERROR loading data from the registry", MB_OK | MB_ICONERROR);
}

// Owned by no window: the alarms window is usually hidden, and the user must see this.
void AlarmsWindow::ShowReminderFailure(const std::string& message) {
    ui::ShowMessageBox(nullptr,
                       "An alarm is due, but its reminder window cannot be opened: " + message +
                           "\r\nThe alarm stays due and is tried again at every tick.",
                       "ERROR showing reminder", MB_OK | MB_ICONERROR | MB_TOPMOST);
}

void AlarmsWindow::Show() {
    ShowWindow(Handle(), IsIconic(Handle()) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(Handle());
}

void AlarmsWindow::OnShowWindow(bool shown) {
    if (shown) FormShow();
}

void AlarmsWindow::FormShow() { RefreshList(); }

void AlarmsWindow::OnClose() { FormClose(); }

void AlarmsWindow::FormClose() {
    try {
        book_.Save();
    } catch (const std::exception& e) {
        ui::ShowMessageBox(Handle(), e.what(), "ERROR saving data to the registry", MB_OK | MB_ICONERROR);
    }
    // Closing only hides: the list and alarm checking go on.
    ShowWindow(Handle(), SW_HIDE);
}

LRESULT AlarmsWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_SETTINGCHANGE) {
        locale_ = ReadUserFormatSettings();
        if (IsWindowVisible(Handle())) RefreshList();
    }
    return Window::HandleMessage(msg, wParam, lParam);
}

}  // namespace quorvel
