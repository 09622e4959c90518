// The alarm editor, real and modal, driven from inside its own loop (steps
// queued on a thread timer) with BM_CLICK, WM_SETTEXT, DTM_SETSYSTEMTIME and
// CB_SETCURSEL; the file dialog and the busy cursor through their seams; the
// preview into the prefix's null audio device.
// ctest: RUN_SERIAL (keyboard focus and a modal window)
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <functional>
#include <string>
#include <vector>

#include "alarms/alarm_book.h"
#include "alarms/alarm_registry.h"
#include "core/clock.h"
#include "core/wide.h"
#include "harness/alarm_windows.h"
#include "harness/answers.h"
#include "harness/pump.h"
#include "harness/registry.h"
#include "windows/alarm_editor/alarm_editor.h"
#include "windows/alarms/alarms_window.h"

namespace quorvel {
namespace {

using namespace testing_support;
using namespace std::chrono_literals;
using Editor = AlarmEditor;

const DateTime kStart = *EncodeDateTime({2026, 12, 7, 10, 5, 7, 0});
// 3 March 2027 07:08:09.250
const DateTime kMoment = *EncodeDateTime({2027, 3, 3, 7, 8, 9, 250});

class AlarmEditorTest : public AnsweredTest {
public:
    void SetUp() override {
        SetClock(kStart);
        editor.Create(nullptr);
    }
    void TearDown() override {
        editor.Destroy();
        ResetClock();
    }

    HWND Item(int id) const { return GetDlgItem(editor.Handle(), id); }
    void Click(int id) { SendMessageW(Item(id), BM_CLICK, 0, 0); }
    bool Checked(int id) const { return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    std::string Text(int id) const {
        wchar_t text[512] = {};
        GetWindowTextW(Item(id), text, 512);
        return Narrow(text);
    }
    void Type(int id, const std::string& text) { SetWindowTextW(Item(id), Wide(text).c_str()); }
    SYSTEMTIME Picker(int id) const {
        SYSTEMTIME st{};
        SendMessageW(Item(id), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st));
        return st;
    }
    void SetTime(WORD hour, WORD minute, WORD second) {
        SYSTEMTIME st = Picker(Editor::kTimePicker);
        st.wHour = hour;
        st.wMinute = minute;
        st.wSecond = second;
        st.wMilliseconds = 0;
        SendMessageW(Item(Editor::kTimePicker), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
    }
    LRESULT Repeat() const { return SendMessageW(Item(Editor::kRepeatList), CB_GETCURSEL, 0, 0); }
    // Picks a list's item by its text, as the user's choice announces it.
    void Pick(int id, const std::string& item) {
        const LRESULT index =
            SendMessageW(Item(id), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(Wide(item).c_str()));
        ASSERT_GE(index, 0) << item;
        SendMessageW(Item(id), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageW(editor.Handle(), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(Item(id)));
    }
    std::string Picked(int id) const {
        const LRESULT index = SendMessageW(Item(id), CB_GETCURSEL, 0, 0);
        wchar_t text[64] = {};
        if (index >= 0) SendMessageW(Item(id), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
        return Narrow(text);
    }

    static AlarmFields Full() {
        AlarmFields alarm = NewAlarmFields(kStart);
        alarm.name = "Tea";
        alarm.dateTime = kMoment;
        alarm.sound = "C:\\Sounds\\bell.wav";
        alarm.reminder = "Tea is\r\nready";
        alarm.repeat = RepeatKind::Weekly;
        alarm.enabled = false;
        return alarm;
    }

    Editor editor;
    ModalSteps steps;
};

TEST_F(AlarmEditorTest, ShowsEveryFieldAndOkWritesThemBack) {
    AlarmFields alarm = Full();
    steps.Then([&] {
        EXPECT_TRUE(IsWindowVisible(editor.Handle()));
        EXPECT_EQ(Text(Editor::kNameBox), "Tea");
        const SYSTEMTIME date = Picker(Editor::kDatePicker);
        EXPECT_EQ(std::vector<int>({date.wYear, date.wMonth, date.wDay}), std::vector<int>({2027, 3, 3}));
        const SYSTEMTIME time = Picker(Editor::kTimePicker);
        EXPECT_EQ(std::vector<int>({time.wHour, time.wMinute, time.wSecond}), std::vector<int>({7, 8, 9}));
        EXPECT_TRUE(Checked(Editor::kSoundCheck));
        EXPECT_EQ(Text(Editor::kSoundBox), "C:\\Sounds\\bell.wav");
        EXPECT_TRUE(Enabled(Editor::kSoundBox) && Enabled(Editor::kBrowseButton) && Enabled(Editor::kPlayButton));
        EXPECT_FALSE(Checked(Editor::kEnabledCheck));
        EXPECT_TRUE(Checked(Editor::kReminderCheck) && Enabled(Editor::kReminderBox));
        EXPECT_EQ(Text(Editor::kReminderBox), "Tea is\r\nready");
        EXPECT_EQ(Repeat(), 7);

        // Unchecking the sound keeps the path and the preview, and stores no sound.
        Click(Editor::kSoundCheck);
        EXPECT_FALSE(Enabled(Editor::kSoundBox) || Enabled(Editor::kBrowseButton));
        EXPECT_TRUE(Enabled(Editor::kPlayButton));
        Type(Editor::kNameBox, "");
        SetTime(0, 0, 0);
        Click(Editor::kEnabledCheck);
        SendMessageW(Item(Editor::kRepeatList), CB_SETCURSEL, 2, 0);
        Click(Editor::kOkButton);
    });
    EXPECT_TRUE(editor.EditAlarm(alarm));
    EXPECT_TRUE(steps.Done());
    EXPECT_FALSE(IsWindowVisible(editor.Handle()));
    EXPECT_EQ(alarm.name, "");
    EXPECT_EQ(alarm.dateTime, *EncodeDate(2027, 3, 3)) << "midnight can be set";
    EXPECT_EQ(alarm.sound, "");
    EXPECT_EQ(alarm.reminder, "Tea is\r\nready");
    EXPECT_TRUE(alarm.enabled);
    EXPECT_EQ(alarm.repeat, RepeatKind::Each5Minutes);
}

// The options: the days show for a Daily alarm alone and one stays checked, an
// alarm's own snooze length and lead join the offered ones, and OK writes them all.
TEST_F(AlarmEditorTest, TheOptionsShowAndOkWritesThem) {
    AlarmFields alarm = Full();  // weekly
    alarm.options = {0x1F, 7, IfMissed::Once, true, 45, false};
    const auto day = [](int index) { return Editor::kFirstDayCheck + index; };
    steps.Then([&] {
        EXPECT_FALSE(IsWindowVisible(Item(day(0)))) << "no days for a weekly alarm";
        Pick(Editor::kRepeatList, "Daily");
        std::string checked;
        for (int i = 0; i < kDaysPerWeek; ++i) {
            EXPECT_TRUE(IsWindowVisible(Item(day(i))));
            checked += Checked(day(i)) ? 'x' : '-';
        }
        EXPECT_EQ(checked, "xxxxx--");
        EXPECT_EQ(Picked(Editor::kSnoozeList), "7 minutes");
        EXPECT_EQ(Picked(Editor::kIfMissedList), "Remind once");
        EXPECT_TRUE(Checked(Editor::kRepeatSoundCheck));
        EXPECT_EQ(Picked(Editor::kRemindList), "45 minutes");
        EXPECT_FALSE(Checked(Editor::kWakeCheck));

        for (int i = 0; i < 5; ++i) Click(day(i));  // every day off: Friday, the last, stays on
        EXPECT_TRUE(Checked(day(4)));
        Click(day(5));
        Pick(Editor::kSnoozeList, "15 minutes");
        Pick(Editor::kIfMissedList, "Skip");
        Click(Editor::kRepeatSoundCheck);
        Pick(Editor::kRemindList, "1 day");
        Click(Editor::kWakeCheck);
        Click(Editor::kOkButton);
    });
    ASSERT_TRUE(editor.EditAlarm(alarm));
    EXPECT_EQ(alarm.repeat, RepeatKind::Daily);
    EXPECT_TRUE(alarm.options == (AlarmOptions{0x30, 15, IfMissed::Skip, false, 1440, true}));
}

TEST_F(AlarmEditorTest, EveryWayOutButOkLeavesTheDraftAsItWas) {
    struct Way {
        const char* name;
        std::function<void(AlarmEditorTest&)> leave;
    };
    const std::vector<Way> ways = {
        {"Cancel", [](AlarmEditorTest& t) { t.Click(Editor::kCancelButton); }},
        {"close box", [](AlarmEditorTest& t) { PostMessageW(t.editor.Handle(), WM_CLOSE, 0, 0); }},
        {"Escape", [](AlarmEditorTest& t) {
             PostMessageW(t.Item(Editor::kNameBox), WM_KEYDOWN, VK_ESCAPE, 0);
         }},
    };
    AlarmFields alarm = Full();
    alarm.repeat = static_cast<RepeatKind>(200);  // damaged
    for (const Way& way : ways) {
        steps.Then([&] {
            EXPECT_EQ(Repeat(), 0) << "an unknown kind shows as No repeat";
            Type(Editor::kNameBox, "changed");
            Click(Editor::kReminderCheck);
            SetTime(1, 2, 3);
            way.leave(*this);
        });
        EXPECT_FALSE(editor.EditAlarm(alarm)) << way.name;
        EXPECT_EQ(alarm.name, "Tea") << way.name;
        EXPECT_EQ(alarm.reminder, "Tea is\r\nready") << way.name;
        EXPECT_EQ(alarm.dateTime, kMoment) << way.name;
        EXPECT_EQ(static_cast<int>(alarm.repeat), 200) << way.name;
    }
    // OK without a change writes "No repeat" and keeps the moment to the millisecond.
    steps.Then([&] { Click(Editor::kOkButton); });
    EXPECT_TRUE(editor.EditAlarm(alarm));
    EXPECT_EQ(alarm.repeat, RepeatKind::NoRepeat);
    EXPECT_EQ(alarm.dateTime, kMoment);
}

// OK keeps a moment the pickers cannot show (or a damaged one) unless the user
// changes the date or the time; a moment before 1899 comes back exactly, and a
// time set on it counts from that day's midnight.
TEST_F(AlarmEditorTest, OkWritesOnlyTheMomentTheUserSet) {
    const DateTime old = *EncodeDateTime({1800, 6, 1, 8, 30, 15, 0});
    const DateTime ancient = *EncodeDateTime({100, 1, 1, 12, 0, 0, 0});
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinite = std::numeric_limits<double>::infinity();
    for (const DateTime stored : {kMoment, old, ancient, nan, infinite}) {
        AlarmFields alarm = Full();
        alarm.dateTime = stored;
        steps.Then([&] { Click(Editor::kOkButton); });
        ASSERT_TRUE(editor.EditAlarm(alarm));
        if (std::isnan(stored)) {
            EXPECT_TRUE(std::isnan(alarm.dateTime));
        } else {
            EXPECT_EQ(alarm.dateTime, stored);
        }
    }
    AlarmFields alarm = Full();
    alarm.dateTime = old;
    steps.Then([&] {
        SetTime(9, 0, 0);
        Click(Editor::kOkButton);
    });
    ASSERT_TRUE(editor.EditAlarm(alarm));
    EXPECT_EQ(alarm.dateTime, *EncodeDateTime({1800, 6, 1, 9, 0, 0, 0}));
}

TEST_F(AlarmEditorTest, BrowsingStartsInTheSystemSoundsAndRemembersTheLastFile) {
    answers.openFile = "C:\\Sounds\\gong.wav";
    AlarmFields alarm = NewAlarmFields(kStart);
    steps.Then([&] {
        EXPECT_FALSE(Enabled(Editor::kPlayButton));
        Click(Editor::kSoundCheck);
        Click(Editor::kBrowseButton);  // empty box
        EXPECT_EQ(Text(Editor::kSoundBox), "C:\\Sounds\\gong.wav");
        EXPECT_TRUE(Enabled(Editor::kPlayButton));
        Type(Editor::kSoundBox, "");
        answers.openFile = std::nullopt;
        Click(Editor::kBrowseButton);  // empty again: the last file name, the folder
        Type(Editor::kSoundBox, "D:\\bell.wav");
        Click(Editor::kBrowseButton);  // a path: that file, cancelled
        EXPECT_EQ(Text(Editor::kSoundBox), "D:\\bell.wav");
        Click(Editor::kOkButton);
    });
    EXPECT_TRUE(editor.EditAlarm(alarm));
    EXPECT_EQ(alarm.sound, "D:\\bell.wav");
    const std::vector<ui::OpenFileRequest>& requests = answers.openFiles;
    ASSERT_EQ(requests.size(), 3u);

    wchar_t windows[MAX_PATH] = {};
    GetWindowsDirectoryW(windows, MAX_PATH);
    const std::string media = Narrow(windows) + "\\media";
    EXPECT_EQ(requests[0].folder, media);
    EXPECT_EQ(requests[0].fileName, "");
    EXPECT_EQ(requests[1].folder, media);
    EXPECT_EQ(requests[1].fileName, "C:\\Sounds\\gong.wav");
    EXPECT_EQ(requests[2].fileName, "D:\\bell.wav");
    const ui::OpenFileRequest& r = requests[0];
    ASSERT_EQ(r.filters.size(), 2u);
    EXPECT_EQ(r.filters[0].name, "Media files");
    EXPECT_EQ(r.filters[0].patterns,
              "*.wav;*.snd;*.au;*.aif;*.aifc;*.aiff;*.wma;*.mp3;*.mid;*.rmi;*.midi;*.asx;*.wax;*.m3u;*.mpe;*.mpg;"
              "*.mpeg;*.mp2;*.mpe;*.mpa;*.m1v;*.asf;*.wm;*.wma;*.wmv");
    EXPECT_EQ(r.filters[1].name, "All files (may not play correctly)");
    EXPECT_EQ(r.filters[1].patterns, "*.*");
    EXPECT_EQ(r.filterIndex, 1);
    EXPECT_EQ(r.options, static_cast<DWORD>(OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_ENABLESIZING));
    EXPECT_EQ(r.title, "");
}

TEST_F(AlarmEditorTest, ThePreviewTogglesAndClosingReleasesTheDevice) {
    const std::string sound = WriteSilence(L"quorvel-editor-preview.wav", 30000);
    AlarmFields alarm = NewAlarmFields(kStart);
    alarm.sound = sound;
    auto playDown = [&] { return Checked(Editor::kPlayButton); };
    steps.Then([&] {
        Click(Editor::kPlayButton);
        EXPECT_TRUE(playDown());
        EXPECT_EQ(answers.busyCursors, 1) << "busy while the device opens";
        EXPECT_EQ(answers.busyNow, 0) << "and no longer once it is open";
        EXPECT_EQ(editor.Player().Mode(), PlayerMode::Playing);
        Click(Editor::kPlayButton);  // stops; the report of the stop brings the button up
        EXPECT_EQ(editor.Player().Mode(), PlayerMode::Stopped);
        EXPECT_TRUE(editor.Player().IsOpen()) << "kept open until the next preview";
    });
    steps.Then([&] {
        EXPECT_FALSE(playDown());
        Click(Editor::kPlayButton);  // from the start again
        EXPECT_EQ(editor.Player().Mode(), PlayerMode::Playing);
        Click(Editor::kCancelButton);  // closing during the preview
    });
    EXPECT_FALSE(editor.EditAlarm(alarm));
    EXPECT_FALSE(editor.Player().IsOpen()) << "the device is released";
    EXPECT_TRUE(PumpUntil([&] { return !playDown(); }, 5s)) << "the report of the stopped play brings the button up";
    EXPECT_TRUE(answers.boxes.empty());

    // A file that cannot be opened: the error box, and the button comes up.
    alarm.sound = sound + ".missing";
    steps.Then([&] {
        Click(Editor::kPlayButton);
        EXPECT_FALSE(playDown());
        Click(Editor::kCancelButton);
    });
    editor.EditAlarm(alarm);
    ASSERT_EQ(answers.boxes.size(), 1u);
    EXPECT_EQ(answers.boxes[0].caption, "ERROR playing sound");
    EXPECT_EQ(answers.boxes[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
    EXPECT_FALSE(answers.boxes[0].text.empty());
    DeleteFileW(Wide(sound).c_str());
}

// The reminder box gives back its line breaks as CR LF: a text the user left
// alone is stored exactly as the alarm held it, however long; a text the user
// changed is stored as the box holds it.
TEST_F(AlarmEditorTest, AReminderTextLeftAloneIsStoredExactly) {
    std::string paragraph;
    while (paragraph.size() < 100000) paragraph += "lorem ipsum dolor sit amet, ";
    struct Case {
        const char* what;
        std::string text;
        std::string typed;  // empty: left alone
        std::string stored;
    };
    const std::vector<Case> cases = {
        {"a lone line feed", "a\nb", "", "a\nb"},
        {"a soft break sequence", "x\r\r\ny", "", "x\r\r\ny"},
        {"a long paragraph", paragraph, "", paragraph},
        {"changed", "a\nb", "new\r\ntext", "new\r\ntext"},
    };
    for (const Case& c : cases) {
        AlarmFields alarm = Full();
        alarm.reminder = c.text;
        steps.Then([&] {
            if (!c.typed.empty()) {
                SetFocus(Item(Editor::kReminderBox));
                SendMessageW(Item(Editor::kReminderBox), EM_SETSEL, 0, -1);
                SendMessageW(Item(Editor::kReminderBox), EM_REPLACESEL, TRUE,
                             reinterpret_cast<LPARAM>(Wide(c.typed).c_str()));
            }
            Click(Editor::kOkButton);
        });
        EXPECT_TRUE(editor.EditAlarm(alarm)) << c.what;
        EXPECT_EQ(alarm.reminder, c.stored) << c.what;
    }
}

// GDI objects that can still be made (Wine counts none for GetGuiResources):
// made until refused, then freed.
int FreeGdiObjects() {
    std::vector<HPEN> made;
    while (made.size() < 200000) {
        const HPEN pen = CreatePen(PS_SOLID, 1, 0);
        if (!pen) break;
        made.push_back(pen);
    }
    for (HPEN pen : made) DeleteObject(pen);
    return static_cast<int>(made.size());
}

TEST_F(AlarmEditorTest, AThousandOpeningsLeaveTheGdiObjectsAsTheyWere) {
    const std::string sound = WriteSilence(L"quorvel-editor-gdi.wav", 100);
    AlarmFields alarm = Full();
    alarm.sound = sound;
    auto openAndCancel = [&] {
        PostMessageW(Item(Editor::kCancelButton), BM_CLICK, 0, 0);  // taken by the editor's own loop
        EXPECT_FALSE(editor.EditAlarm(alarm));
    };
    // The first opening makes the window, and what stays for the run.
    steps.Then([&] { Click(Editor::kCancelButton); });
    EXPECT_FALSE(editor.EditAlarm(alarm));
    const int before = FreeGdiObjects();
    for (int i = 0; i < 1000; ++i) openAndCancel();
    EXPECT_NEAR(FreeGdiObjects(), before, 20);
    DeleteFileW(Wide(sound).c_str());
}

// The preview is pressed with the pointer while the keyboard stays where the
// user was typing.
TEST_F(AlarmEditorTest, ThePreviewButtonTakesNoFocus) {
    const std::string sound = WriteSilence(L"quorvel-editor-focus.wav", 100);
    AlarmFields alarm = Full();
    alarm.sound = sound;
    steps.Then([&] {
        SetFocus(Item(Editor::kSoundBox));
        Click(Editor::kPlayButton);
        EXPECT_TRUE(Checked(Editor::kPlayButton)) << "pressed";
        EXPECT_EQ(GetFocus(), Item(Editor::kSoundBox));
        Click(Editor::kCancelButton);
    });
    editor.EditAlarm(alarm);
    DeleteFileW(Wide(sound).c_str());
}

// The editor as the alarms window opens it, with reminders that stay open.
class EditorOfAlarmsWindowTest : public AlarmEditorTest {
public:
    void SetUp() override {
        AlarmEditorTest::SetUp();
        book.SetReminders(&reminders);
        book.Load();
        book.StartChecking();
        window.Create();
        window.Show();
    }
    void TearDown() override {
        window.Destroy();
        AlarmEditorTest::TearDown();
    }
    void Command(int id) { SendMessageW(window.Handle(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }

    CleanRegistry clean;
    RegistryAlarmStorage storage;
    AlarmBook book{storage};  // outlives its reminders
    FakeReminders reminders;
    AlarmsWindow window{book, editor};
};

TEST_F(EditorOfAlarmsWindowTest, APastMomentFiresOnTheFirstCheckAfterTheEditorCloses) {
    steps.Then([&] {
        Type(Editor::kNameBox, "past");
        const SYSTEMTIME yesterday = *ToSystemTime(kStart - 1);
        SendMessageW(Item(Editor::kDatePicker), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&yesterday));
        book.CheckAlarms();  // ticks while the editor is open
        book.CheckAlarms();
        EXPECT_TRUE(reminders.Fired().empty());
        Click(Editor::kOkButton);
    });
    Command(AlarmsWindow::kAddCommand);
    ASSERT_EQ(book.Alarms().Count(), 1u);
    EXPECT_EQ(window.ListView().ItemText(0, AlarmsWindow::kNameColumn), "past");
    book.CheckAlarms();
    EXPECT_EQ(reminders.Fired(), std::vector<std::string>{"past"});
}

// A snoozed repeating alarm remembers its schedule, to resume it after the
// snooze; an edit sets a new schedule, so the next trigger steps from the
// edited moment (a day on), never from the remembered 08:00.
TEST_F(EditorOfAlarmsWindowTest, AnEditForgetsTheScheduleASnoozeRemembered) {
    const DateTime eight = *EncodeDateTime({2026, 12, 7, 8, 0, 0, 0});
    struct Edit {
        const char* name;
        std::function<void()> run;
    };
    const Edit edits[] = {
        {"OK in the editor at 09:00",
         [&] {
             steps.Then([&] {
                 SetTime(9, 0, 0);
                 Click(Editor::kOkButton);
             });
             Command(AlarmsWindow::kEditCommand);
             EXPECT_EQ(book.Alarms()[0].dateTime, *EncodeDateTime({2026, 12, 7, 9, 0, 0, 0}));
         }},
        {"Enabled off and on again",
         [&] {
             Command(AlarmsWindow::kEnableCommand);
             Command(AlarmsWindow::kEnableCommand);
             EXPECT_TRUE(book.Alarms()[0].enabled);
         }},
    };
    for (const Edit& edit : edits) {
        SCOPED_TRACE(edit.name);
        SetClock(kStart);
        if (book.Alarms().Count() > 0) book.Delete(book.Alarms()[0].Id());
        AlarmFields fields = NewAlarmFields(kStart);
        fields.dateTime = eight;
        fields.repeat = RepeatKind::Daily;
        Alarm& alarm = *book.Find(book.Add(fields));
        window.ListView().Select(0);
        book.CheckAlarms();
        ASSERT_TRUE(alarm.triggered);
        alarm.EndTrigger(true);  // Snooze
        ASSERT_GT(alarm.dateTime, kStart);

        edit.run();
        const DateTime edited = alarm.dateTime;
        SetClock(std::max(kStart, edited));
        book.CheckAlarms();
        ASSERT_TRUE(alarm.triggered);
        reminders.windows.back().PressOk();
        EXPECT_DOUBLE_EQ(alarm.dateTime, edited + 1);
    }
}

// Insert, a name, Enter: the new alarm is selected in the table, which has the
// keyboard again.
TEST_F(EditorOfAlarmsWindowTest, AfterAddAndOkTheNewAlarmIsSelectedAndTheTableHasTheKeyboard) {
    for (const char* name : {"b", "c", "d"}) {
        steps.Then([&] {
            Type(Editor::kNameBox, name);
            Click(Editor::kOkButton);
        });
        Command(AlarmsWindow::kAddCommand);
    }
    window.ListView().Focus();
    steps.Then([&] {
        Type(Editor::kNameBox, "a");
        Click(Editor::kOkButton);
    });
    Command(AlarmsWindow::kAddCommand);
    ASSERT_NE(window.SelectedAlarm(), nullptr);
    EXPECT_EQ(window.SelectedAlarm()->name, "a");
    EXPECT_EQ(window.ListView().Selected(), 0);
    EXPECT_EQ(GetFocus(), window.ListView().Handle());
}

}  // namespace
}  // namespace quorvel
