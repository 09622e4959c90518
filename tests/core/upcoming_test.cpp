// What comes next: the next-alarm line through changes, firings and a day
// change, and the wake-up moment after each kind of change to the book.
#include "alarms/upcoming.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "alarms/wake_schedule.h"
#include "core/clock.h"

namespace quorvel {
namespace {

using enum RepeatKind;

// 14 March 2026 is a Saturday.
DateTime At(int day, int hour, int minute) { return EncodeDateTime({2026, 3, day, hour, minute, 0, 0}).value(); }

std::string Stamp(const std::optional<DateTime>& value) {
    if (!value) return "none";
    const auto p = DecodeDateTime(*value).value();
    char text[16];
    std::snprintf(text, sizeof text, "%02d %02d:%02d", p.day, p.hour, p.minute);
    return text;
}

AlarmFields Named(const std::string& name, DateTime due, RepeatKind repeat = NoRepeat) {
    AlarmFields a;
    a.name = name;
    a.dateTime = due;
    a.repeat = repeat;
    return a;
}

// Reminders that stay open until answered, as real windows do.
struct OpenReminders final : ReminderFactory, ReminderLink {
    AlarmList* list = nullptr;
    std::vector<AlarmId> open;
    ReminderLink& CreateReminder() override { return *this; }
    ReminderLink* OpenReminderOf(AlarmId) override { return nullptr; }
    void ShowAlarm(Alarm& alarm) override {
        list = &alarm.List();
        open.push_back(alarm.Id());
    }
    void PressOk() override {}
    void Answer(bool snooze) {
        for (const AlarmId id : std::exchange(open, {})) {
            if (Alarm* alarm = list->Find(id)) {
                alarm->triggered = false;
                alarm->EndTrigger(snooze);
            }
        }
    }
};

TEST(NextAlarmLine, StaysCurrentThroughChangesFiringsAndTheDay) {
    DateTime now = At(14, 9, 0);
    SetClock([&now] { return now; });
    AlarmList list;
    OpenReminders reminders;
    NextAlarmLine line;
    list.onChanged = [&line] { line.Invalidate(); };
    list.armed = true;
    struct Step {
        const char* name;
        DateTime at;
        std::function<void()> action;
        const char* expected;  // "" when the line stays as it was
    };
    const Step steps[] = {
        {"an empty list", At(14, 9, 0), [] {}, "No alarms"},
        {"a daily alarm, Mon-Fri, dated on Saturday",
         At(14, 9, 0),
         [&] {
             Alarm& a = list.AddAlarm(now);
             static_cast<AlarmFields&>(a) = Named("Standup", At(14, 10, 42), Daily);
             a.options.days = 0x1F;
             list.onChanged();
         },
         "Next: Standup on 3/16/2026 at 10:42 AM"},
        {"one earlier today", At(14, 9, 1),
         [&] {
             static_cast<AlarmFields&>(list.AddAlarm(now)) = Named("Tea", At(14, 9, 30));
             list.onChanged();
         },
         "Next: Tea at 9:30 AM"},
        {"nothing changed", At(14, 9, 20), [] {}, ""},
        {"it fires and waits for an answer", At(14, 9, 30), [] {}, "Next: Standup on 3/16/2026 at 10:42 AM"},
        {"answered OK: switched off", At(14, 9, 31), [&] { reminders.Answer(false); }, ""},
        {"one tomorrow, switched off", At(14, 22, 0),
         [&] {
             Alarm& a = list.AddAlarm(now);
             static_cast<AlarmFields&>(a) = Named("Walk", At(15, 7, 0));
             a.enabled = false;
             list.onChanged();
         },
         ""},
        {"switched on", At(14, 22, 1),
         [&] {
             list[2].enabled = true;
             list.onChanged();
         },
         "Next: Walk tomorrow at 7:00 AM"},
        {"past midnight: tomorrow is today", At(15, 0, 0), [] {}, "Next: Walk at 7:00 AM"},
        {"it fires and is snoozed for 5 minutes", At(15, 7, 0), [&] { reminders.Answer(true); },
         "Next: Walk at 7:05 AM"},
        {"every alarm gone", At(15, 7, 1),
         [&] {
             list.Clear();
             list.onChanged();
         },
         "No alarms"},
    };
    const FormatSettings& us = EnUsFormatSettings();
    for (const Step& step : steps) {
        now = step.at;
        list.CheckAlarms(reminders);
        step.action();
        const auto text = line.Update(list, now, us);
        EXPECT_EQ(text.value_or(""), step.expected) << step.name;
    }
    ResetClock();
}

struct NoStorage final : AlarmStorage {
    Stored Read() override { return {}; }
    bool Write(std::span<const std::uint8_t>, std::span<const std::uint8_t>) override { return true; }
    void KeepDamagedCopy(Part) override {}
};

struct RecordingDevice final : WakeDevice {
    std::vector<std::string> set;
    void SetWake(std::optional<DateTime> moment) override { set.push_back(Stamp(moment)); }
};

TEST(WakeSchedule, IsSetForTheEarliestWakingAlarmAfterEachChange) {
    DateTime now = At(14, 9, 0);
    SetClock([&now] { return now; });
    NoStorage storage;
    AlarmBook book(storage);
    OpenReminders reminders;
    book.SetReminders(&reminders);
    ASSERT_FALSE(book.Load());
    book.StartChecking();
    RecordingDevice device;
    WakeSchedule schedule(book, device);
    const auto waking = [](const std::string& name, DateTime due, RepeatKind repeat = NoRepeat) {
        AlarmFields a = Named(name, due, repeat);
        a.options.wake = true;
        return a;
    };
    AlarmId hourly = 0, once = 0;
    struct Step {
        const char* name;
        std::function<void()> change;
        const char* expected;  // the device's moment afterwards; "" when it was not told
    };
    const Step steps[] = {
        {"at start, none waits", [&] { schedule.Update(); }, "none"},
        {"an alarm that does not wake", [&] { book.Add(Named("quiet", At(14, 9, 30))); }, ""},
        {"a waking hourly alarm", [&] { hourly = book.Add(waking("hourly", At(14, 11, 0), Hourly)); }, "14 11:00"},
        {"an earlier waking one", [&] { once = book.Add(waking("once", At(14, 10, 0))); }, "14 10:00"},
        {"moved later", [&] { book.Update(once, waking("once", At(14, 12, 30))); }, "14 11:00"},
        {"its wake option taken away", [&] { book.Update(hourly, Named("hourly", At(14, 11, 0), Hourly)); },
         "14 12:30"},
        {"given back", [&] { book.Update(hourly, waking("hourly", At(14, 11, 0), Hourly)); }, "14 11:00"},
        {"fired and answered: its next moment", [&] {
             now = At(14, 11, 0);
             book.CheckAlarms();
             reminders.Answer(false);
         }, "14 12:00"},
        {"fired and snoozed: the snooze's moment", [&] {
             now = At(14, 12, 0);
             book.CheckAlarms();
             reminders.Answer(true);
         }, "14 12:05"},
        {"switched off", [&] { book.SetEnabled(hourly, false); }, "14 12:30"},
        {"deleted", [&] { book.Delete(once); }, "none"},
    };
    for (const Step& step : steps) {
        device.set.clear();
        step.change();
        EXPECT_EQ(device.set.empty() ? "" : device.set.back(), step.expected) << step.name;
    }
    ResetClock();
}

}  // namespace
}  // namespace quorvel
