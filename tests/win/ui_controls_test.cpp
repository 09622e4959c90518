// The control wrappers of src/ui/controls against the real common controls:
// the list view and status bar (96-dpi sizes re-scaled with the window), the
// track bar and check box behaviour the settings window relies on, date and
// time pickers and the month calendar with the program's date-time, the
// rich-text box, actions shared by a toolbar button and a menu item, and the
// message-only window.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/date_time.h"
#include "harness/pump.h"
#include "ui/action.h"
#include "ui/controls/check_box.h"
#include "ui/controls/date_time_picker.h"
#include "ui/controls/list_view.h"
#include "ui/controls/month_calendar.h"
#include "ui/controls/rich_edit.h"
#include "ui/controls/status_bar.h"
#include "ui/controls/tool_bar.h"
#include "ui/controls/track_bar.h"
#include "ui/handle.h"
#include "ui/message_window.h"
#include "ui/module.h"
#include "ui/window.h"

namespace quorvel::ui {
namespace {

using namespace std::chrono_literals;
using testing_support::PumpFor;
using testing_support::PumpUntil;

enum Id { kList = 101, kStatus, kSlider, kLoud, kDate, kTime, kCalendar, kRich, kTools, kRemove = 201, kMute };

constexpr ControlSpec kTable[] = {
    {kTools, TOOLBARCLASSNAMEW, L"", {0, 0, 400, 28}, Anchor::Left | Anchor::Top | Anchor::Right,
     TBSTYLE_FLAT | TBSTYLE_LIST | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER},
    {kList, WC_LISTVIEWW, L"", {8, 32, 250, 100}, Anchor::Left | Anchor::Top, LVS_REPORT | LVS_SHOWSELALWAYS | WS_BORDER},
    {kSlider, TRACKBAR_CLASSW, L"", {8, 140, 200, 24}, Anchor::Left | Anchor::Top, TBS_HORZ},
    {kLoud, WC_BUTTONW, L"&Loud", {8, 168, 100, 20}, Anchor::Left | Anchor::Top, BS_AUTOCHECKBOX},
    {kDate, DATETIMEPICK_CLASSW, L"", {8, 192, 120, 22}, Anchor::Left | Anchor::Top, DTS_SHORTDATEFORMAT},
    {kTime, DATETIMEPICK_CLASSW, L"", {136, 192, 120, 22}, Anchor::Left | Anchor::Top, DTS_TIMEFORMAT},
    {kCalendar, MONTHCAL_CLASSW, L"", {264, 32, 200, 160}},
    {kRich, kRichEditClass, L"", {8, 220, 250, 60}, Anchor::Left | Anchor::Top,
     ES_MULTILINE | ES_READONLY | WS_BORDER},
    {kStatus, STATUSCLASSNAMEW, L"", {0, 0, 0, 0}},
};

class Form : public Window {
public:
    ~Form() override { Destroy(); }
    void Make() {
        CreateParams p;
        p.className = L"QuorvelControlsTest";
        p.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        p.style = WS_OVERLAPPEDWINDOW;
        p.placement = Placement::Exact;
        p.position = {20, 20};
        p.client96 = {492, 333};
        CreateHandle(p);
        ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    }
    using Window::AddAction;
    using Window::Item;

    ListView list;
    StatusBar status;
    TrackBar slider;
    CheckBox loud;
    DateTimePicker date;
    DateTimePicker time;
    MonthCalendar calendar;
    RichEdit rich;
    ToolBar tools;
    std::vector<int> commands;  // what reached OnCommand
    int scrolls = 0;            // what reached OnScroll
    int notifications = 0;      // what reached OnNotify

protected:
    void OnCreate() override {
        if (!LoadRichEdit()) throw std::runtime_error("no Msftedit.dll");
        CreateControls(kTable, SIZE{480, 320});
        list.Attach(Item(kList));
        status.Attach(Item(kStatus));
        slider.Attach(Item(kSlider));
        loud.Attach(Item(kLoud));
        date.Attach(Item(kDate));
        time.Attach(Item(kTime));
        calendar.Attach(Item(kCalendar));
        rich.Attach(Item(kRich));
        tools.Attach(Item(kTools));
    }
    void OnCommand(int id, int, HWND) override { commands.push_back(id); }
    void OnScroll(HWND, int) override { ++scrolls; }
    LRESULT OnNotify(const NMHDR&) override {
        ++notifications;
        return 0;
    }
};

void ChangeDpi(Form& form, UINT dpi) {
    RECT r{};
    GetWindowRect(form.Handle(), &r);
    SendMessageW(form.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&r));
}

TEST(Controls, ListViewAndStatusBarKeepTheirDesignAtEveryDpi) {
    Form form;
    form.Make();
    ASSERT_EQ(form.Dpi(), 96u) << "this test assumes the session's 96 dpi";
    constexpr ListColumn kColumns[] = {{L"Time", 80}, {L"Text", 120}, {L"Days", 40, LVCFMT_RIGHT}};
    form.list.SetColumns(kColumns);
    EXPECT_EQ(form.list.ColumnWidth(0), 80);
    EXPECT_TRUE(SendMessageW(form.list.Handle(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_FULLROWSELECT);

    int selectionChanges = 0;
    form.list.onSelectionChanged = [&] { ++selectionChanges; };
    EXPECT_EQ(form.list.InsertItem(0, "07:00", 700), 0);
    EXPECT_EQ(form.list.InsertItem(1, "08:30", 830), 1);
    EXPECT_EQ(form.list.InsertItem(0, "06:15", 615), 0);  // before the others
    form.list.SetItemText(1, 1, "Réveil ⏰");
    EXPECT_EQ(form.list.Count(), 3);
    EXPECT_EQ(form.list.ItemText(1, 0), "07:00");
    EXPECT_EQ(form.list.ItemText(1, 1), "Réveil ⏰");
    EXPECT_EQ(form.list.ItemData(2), 830);

    EXPECT_EQ(form.list.Selected(), -1);
    form.list.Select(1);
    EXPECT_EQ(form.list.Selected(), 1);
    EXPECT_GE(selectionChanges, 1);
    // The user moving down a row: the same handler, through the parent's WM_NOTIFY.
    selectionChanges = 0;
    SendMessageW(form.list.Handle(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(form.list.Selected(), 2);
    EXPECT_GE(selectionChanges, 1);
    form.list.DeleteItem(0);
    EXPECT_EQ(form.list.ItemData(0), 700);

    form.status.SetParts({100, 60, -1});
    form.status.SetText(2, "Prochaine alarme à 07:00");
    EXPECT_EQ(form.status.Text(2), "Prochaine alarme à 07:00");
    int edges[3] = {};
    SendMessageW(form.status.Handle(), SB_GETPARTS, 3, reinterpret_cast<LPARAM>(edges));
    EXPECT_EQ(edges[0], 100);
    EXPECT_EQ(edges[1], 160);
    EXPECT_EQ(edges[2], -1);

    // A width the user dragged is kept, scaled.
    SendMessageW(form.list.Handle(), LVM_SETCOLUMNWIDTH, 1, MAKELPARAM(100, 0));
    ChangeDpi(form, 144);
    EXPECT_EQ(form.list.ColumnWidth(0), 120);
    EXPECT_EQ(form.list.ColumnWidth(1), 150);
    EXPECT_EQ(form.list.ColumnWidth(2), 60);
    SendMessageW(form.status.Handle(), SB_GETPARTS, 3, reinterpret_cast<LPARAM>(edges));
    EXPECT_EQ(edges[0], 150);
    EXPECT_EQ(edges[1], 240);
    // The status bar stays at the bottom as the window grows.
    SetWindowPos(form.Handle(), nullptr, 0, 0, 600, 500, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client{}, bar{};
    GetClientRect(form.Handle(), &client);
    GetWindowRect(form.status.Handle(), &bar);
    MapWindowPoints(nullptr, form.Handle(), reinterpret_cast<POINT*>(&bar), 2);
    EXPECT_EQ(bar.bottom, client.bottom);
    EXPECT_EQ(bar.right - bar.left, client.right);
}

TEST(Controls, TrackBarAndCheckBoxRunTheirHandlerOnlyOnRealChanges) {
    Form form;
    form.Make();
    std::vector<int> positions;
    form.slider.onChange = [&](int p) { positions.push_back(p); };
    form.slider.SetRange(0, 10);
    EXPECT_TRUE(positions.empty()) << "the position was 0 and stays 0";

    form.slider.SetPosition(15);  // clamped
    form.slider.SetPosition(10);  // no change
    form.slider.SetPosition(-3);  // clamped
    form.slider.SetPosition(0);   // no change
    EXPECT_EQ(positions, (std::vector<int>{10, 0}));
    EXPECT_EQ(SendMessageW(form.slider.Handle(), TBM_GETPOS, 0, 0), 0);

    // The user: the keyboard moves the thumb and the control reports it.
    SendMessageW(form.slider.Handle(), WM_KEYDOWN, VK_RIGHT, 0);
    SendMessageW(form.slider.Handle(), WM_KEYDOWN, VK_HOME, 0);
    SendMessageW(form.slider.Handle(), WM_KEYDOWN, VK_HOME, 0);  // already there: reported, not a change
    EXPECT_EQ(positions, (std::vector<int>{10, 0, 1, 0}));
    EXPECT_EQ(form.slider.Position(), 0);
    EXPECT_EQ(form.scrolls, 0) << "the wrapper handled the notifications";
    form.slider.SetRange(5, 8);  // the control clamps its position: a change
    EXPECT_EQ(positions.back(), 5);

    int clicks = 0;
    form.loud.onClick = [&] { ++clicks; };
    form.loud.SetChecked(true);
    form.loud.SetChecked(true);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(SendMessageW(form.loud.Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
    SendMessageW(form.loud.Handle(), BM_CLICK, 0, 0);  // the user
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(form.loud.Checked());
    form.loud.SetChecked(false);
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(form.commands.empty()) << "the wrapper handled the clicks";
}

TEST(Controls, PickersAndCalendarHoldTheProgramsDateTime) {
    const DateTime leapDay = *EncodeDateTime({2024, 2, 29, 13, 45, 7});
    const std::optional<SYSTEMTIME> st = ToSystemTime(leapDay);
    ASSERT_TRUE(st);
    EXPECT_EQ(st->wYear, 2024);
    EXPECT_EQ(st->wMonth, 2);
    EXPECT_EQ(st->wDay, 29);
    EXPECT_EQ(st->wDayOfWeek, 4) << "a Thursday";
    EXPECT_EQ(st->wSecond, 7);
    EXPECT_EQ(FromSystemTime(*st), leapDay);
    EXPECT_FALSE(ToSystemTime(*EncodeDate(1600, 12, 31))) << "before SYSTEMTIME's range";
    EXPECT_FALSE(FromSystemTime(SYSTEMTIME{2023, 2, 0, 29}));

    Form form;
    form.Make();
    form.time.ShowSeconds();
    ASSERT_TRUE(form.time.SetValue(leapDay));
    EXPECT_EQ(form.time.Value(), leapDay);
    wchar_t shown[64] = {};
    GetWindowTextW(form.time.Handle(), shown, 64);
    EXPECT_STREQ(shown, L"13:45:07") << "hours, minutes and seconds";

    // The control's change report reaches the wrapper's handler (through the
    // parent's WM_NOTIFY), not the window's OnNotify.
    int changes = 0;
    form.time.onChange = [&] { ++changes; };
    NMDATETIMECHANGE change{{form.time.Handle(), kTime, DTN_DATETIMECHANGE}, GDT_VALID, *st};
    SendMessageW(form.Handle(), WM_NOTIFY, kTime, reinterpret_cast<LPARAM>(&change));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(form.notifications, 0);

    ASSERT_TRUE(form.date.SetValue(*EncodeDate(1999, 12, 31)));
    EXPECT_EQ(form.date.Value(), *EncodeDate(1999, 12, 31));

    ASSERT_TRUE(form.calendar.SetDate(leapDay));
    EXPECT_EQ(form.calendar.Date(), *EncodeDate(2024, 2, 29)) << "the day, at midnight";
}

TEST(Controls, RichEditShowsRtfFromMsftedit) {
    Form form;
    form.Make();
    EXPECT_TRUE(LoadRichEdit()) << "loaded once, then kept";
    EXPECT_NE(GetModuleHandleW(L"msftedit.dll"), nullptr);
    wchar_t cls[32] = {};
    GetClassNameW(form.rich.Handle(), cls, 32);
    EXPECT_EQ(lstrcmpiW(cls, kRichEditClass), 0) << "Msftedit's class";

    ASSERT_TRUE(form.rich.SetRtf("{\\rtf1\\ansi Quorvel {\\b 1.1} \\u8364?}"));
    EXPECT_EQ(form.rich.Text(), "Quorvel 1.1 €");
    form.rich.SetText("Réveil");
    EXPECT_EQ(form.rich.Text(), "Réveil");
    EXPECT_TRUE(GetWindowLongW(form.rich.Handle(), GWL_STYLE) & ES_READONLY);

    // The program's own module, for its resources.
    EXPECT_EQ(ModuleHandle(), GetModuleHandleW(nullptr));
    EXPECT_NE(LoadIconW(ModuleHandle(), MAKEINTRESOURCEW(1)), nullptr) << "the icon of res/test.rc";
}

TEST(Controls, AnActionDrivesItsToolbarButtonAndMenuItem) {
    Form form;
    form.Make();
    ImageList images = CreateImageList(16, 16);
    ASSERT_TRUE(images);
    ui::comctl::ImageList_ReplaceIcon(images.Get(), -1, LoadIconW(nullptr, IDI_APPLICATION));
    ui::comctl::ImageList_ReplaceIcon(images.Get(), -1, LoadIconW(nullptr, IDI_WARNING));
    const HIMAGELIST raw = images.Get();
    form.tools.SetImageList(std::move(images));
    EXPECT_EQ(SendMessageW(form.tools.Handle(), TB_GETIMAGELIST, 0, 0), reinterpret_cast<LRESULT>(raw));

    Action remove(kRemove, "&Remove", 0);
    Action mute(kMute, "&Mute", 1);
    int removed = 0;
    remove.onExecute = [&] { ++removed; };
    form.AddAction(remove);
    form.AddAction(mute);
    form.tools.AddButton(remove);
    form.tools.AddSeparator();
    form.tools.AddButton(mute, BTNS_CHECK);
    EXPECT_EQ(form.tools.ButtonCount(), 3);
    Menu menu(CreatePopupMenu());
    remove.AppendTo(menu.Get());
    mute.AppendTo(menu.Get());

    // Changing the action changes both places.
    remove.SetCaption("&Delete");
    remove.SetImage(1);
    mute.SetChecked(true);
    wchar_t text[32] = {};
    SendMessageW(form.tools.Handle(), TB_GETBUTTONTEXTW, kRemove, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"&Delete");
    GetMenuStringW(menu.Get(), kRemove, text, 32, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"&Delete");
    TBBUTTONINFOW info{sizeof info, TBIF_IMAGE};
    SendMessageW(form.tools.Handle(), TB_GETBUTTONINFOW, kRemove, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.iImage, 1);
    EXPECT_TRUE(SendMessageW(form.tools.Handle(), TB_ISBUTTONCHECKED, kMute, 0));
    EXPECT_TRUE(GetMenuState(menu.Get(), kMute, MF_BYCOMMAND) & MF_CHECKED);

    // The button clicked (mouse down and up on it) and the menu item chosen run the same handler.
    RECT r{};
    SendMessageW(form.tools.Handle(), TB_GETRECT, kRemove, reinterpret_cast<LPARAM>(&r));
    const LPARAM centre = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageW(form.tools.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, centre);
    SendMessageW(form.tools.Handle(), WM_LBUTTONUP, 0, centre);
    EXPECT_EQ(removed, 1);
    SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(kRemove, 0), 0);  // as a menu item sends it
    EXPECT_EQ(removed, 2);
    EXPECT_TRUE(form.commands.empty()) << "actions are not OnCommand's";

    // Disabled: greyed in both places, and neither runs it.
    remove.SetEnabled(false);
    EXPECT_FALSE(SendMessageW(form.tools.Handle(), TB_ISBUTTONENABLED, kRemove, 0));
    EXPECT_TRUE(GetMenuState(menu.Get(), kRemove, MF_BYCOMMAND) & MF_GRAYED);
    SendMessageW(form.tools.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, centre);
    SendMessageW(form.tools.Handle(), WM_LBUTTONUP, 0, centre);
    SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(kRemove, 0), 0);
    EXPECT_FALSE(remove.Execute());
    EXPECT_EQ(removed, 2);
}

TEST(Controls, MessageWindowReceivesReportsAndSurvivesItsHandler) {
    std::vector<UINT> seen;
    bool fail = false;
    std::unique_ptr<MessageWindow> reports;
    reports = std::make_unique<MessageWindow>([&](UINT msg, WPARAM w, LPARAM, LRESULT& result) {
        if (msg < WM_APP) return false;
        seen.push_back(msg);
        if (fail) throw std::runtime_error("a handler's failure");
        if (w == 99) reports.reset();  // the handler ends its own window
        result = 42;
        return true;
    });
    const HWND hwnd = reports->Handle();
    EXPECT_EQ(FindWindowExW(HWND_MESSAGE, nullptr, L"QuorvelMessageWindow", nullptr), hwnd) << "message-only";
    EXPECT_FALSE(IsWindowVisible(hwnd));

    EXPECT_EQ(SendMessageW(hwnd, WM_APP, 0, 0), 42);
    fail = true;
    PostMessageW(hwnd, WM_APP + 1, 0, 0);
    EXPECT_TRUE(PumpUntil([&] { return seen.size() == 2; }, 2s)) << "the exception stopped at the window procedure";
    fail = false;
    PostMessageW(hwnd, WM_APP + 2, 99, 0);
    PostMessageW(hwnd, WM_APP + 3, 0, 0);  // queued behind the end: dropped with the window
    EXPECT_TRUE(PumpUntil([&] { return !reports; }, 2s));
    PumpFor(100ms);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(seen, (std::vector<UINT>{WM_APP, WM_APP + 1, WM_APP + 2}));
}

}  // namespace
}  // namespace quorvel::ui
