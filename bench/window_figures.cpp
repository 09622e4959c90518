// Figures of the windows under Wine, the program's own time (never a check):
// the Alarms command (what F10 runs) to the window shown with its table
// painted, and a rebuild of the table, with 10,000 and 37,000 alarms; a
// reminder of 100,000 characters in one paragraph from its firing to its
// window painted; and the editor opened on it. Run by bench/window_figures.sh.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <span>
#include <string>
#include <vector>

#include "alarms/alarm_book.h"
#include "core/clock.h"
#include "windows/alarm_editor/alarm_editor.h"
#include "windows/alarms/alarms_window.h"
#include "windows/reminder/reminder_windows.h"

namespace quorvel {
namespace {

// The list kept in memory: the figures leave the registry alone.
class MemoryStorage final : public AlarmStorage {
public:
    Stored Read() override { return {}; }
    bool Write(std::span<const std::uint8_t>, std::span<const std::uint8_t>) override { return true; }
    void KeepDamagedCopy(Part) override {}
};

// An editor never opened by the figures.
class NoEditor final : public AlarmEditing {
public:
    bool EditAlarm(AlarmFields&) override { return false; }
};

class Stopwatch {
public:
    Stopwatch() { QueryPerformanceFrequency(&frequency_); Restart(); }
    void Restart() { QueryPerformanceCounter(&start_); }
    double Ms() const {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        return 1000.0 * static_cast<double>(now.QuadPart - start_.QuadPart) / static_cast<double>(frequency_.QuadPart);
    }

private:
    LARGE_INTEGER frequency_{}, start_{};
};

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

void LargeLists() {
    MemoryStorage storage;
    AlarmBook book(storage);
    NoEditor editor;
    AlarmsWindow window(book, editor);
    window.Create();
    book.Load();
    const DateTime start = Now();
    for (const int count : {10, 10000, 37000}) {
        for (int i = static_cast<int>(book.Alarms().Count()); i < count; ++i) {
            AlarmFields fields = NewAlarmFields(start);
            fields.name = "Alarm " + std::to_string((i * 7919) % count);
            fields.dateTime = start + i / 24.0;
            fields.reminder = i % 2 ? "Reminder text" : "";
            fields.repeat = static_cast<RepeatKind>(i % 10);
            book.Add(fields);
        }
        for (int run = 0; run < 3; ++run) {
            ShowWindow(window.Handle(), SW_HIDE);
            Pump();
            Stopwatch watch;
            window.Show();  // what the Alarms command does
            UpdateWindow(window.Handle());
            UpdateWindow(window.ListView().Handle());
            const double shown = watch.Ms();
            window.ListView().Select(count / 2);
            watch.Restart();
            window.RefreshList();
            const double rebuilt = watch.Ms();
            UpdateWindow(window.ListView().Handle());
            std::printf("%5d alarms: Alarms window shown and painted %6.1f ms; rebuild %6.1f ms, painted %6.1f ms\n",
                        count, shown, rebuilt, watch.Ms());
        }
        ShowWindow(window.Handle(), SW_HIDE);  // no rebuild at every alarm added next
    }
    window.Destroy();
    Pump();
}

void LongReminder() {
    std::string text;
    // Words without punctuation: the slowest text for Wine's text boxes to wrap.
    while (text.size() < 100000) text += "lorem ipsum dolor sit amet ";
    text.resize(100000);
    ReminderWindows reminders(nullptr);
    AlarmList list;
    list.armed = true;
    for (int run = 0; run < 3; ++run) {
        Alarm& alarm = list.AddAlarm();
        alarm.reminder = text;
        alarm.dateTime = Now() - 1.0 / 1440;
        Stopwatch watch;
        list.CheckAlarms(reminders);
        UpdateWindow(reminders[0].Handle());
        UpdateWindow(reminders[0].TextBox());
        std::printf("a 100,000-character reminder: fired to painted window %6.1f ms\n", watch.Ms());
        alarm.CloseReminder(reminders, true);
        Pump();
    }
    // The editor opened on it: filled, shown and painted.
    static AlarmEditor editor;
    static Stopwatch watch;
    editor.Create(nullptr);
    AlarmFields fields = NewAlarmFields(Now());
    fields.reminder = text;
    for (int run = 0; run < 3; ++run) {
        SetTimer(nullptr, 0, 1, [](HWND, UINT, UINT_PTR id, DWORD) {
            KillTimer(nullptr, id);
            UpdateWindow(editor.Handle());
            std::printf("the editor on it: opened and painted in %6.1f ms\n", watch.Ms());
            PostMessageW(editor.Handle(), WM_CLOSE, 0, 0);
        });
        watch.Restart();
        editor.EditAlarm(fields);
    }
    editor.Destroy();
}

}  // namespace
}  // namespace quorvel

int wmain() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    quorvel::LargeLists();
    quorvel::LongReminder();
    return 0;
}
