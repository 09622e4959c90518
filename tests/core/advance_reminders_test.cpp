// Advance reminders against the real check: repeats, chosen days, snoozes of
// the alarm and of the reminder, missed moments, late starts and moved alarms,
// run tick by tick over a stretch of time.
#include "alarms/advance_reminders.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "core/clock.h"

namespace quorvel {
namespace {

using enum RepeatKind;

// 14 March 2026 is a Saturday.
DateTime At(int day, int hour, int minute) { return EncodeDateTime({2026, 3, day, hour, minute, 0, 0}).value(); }

std::string Stamp(DateTime value) {
    const auto p = DecodeDateTime(value).value();
    char text[16];
    std::snprintf(text, sizeof text, "%02d %02d:%02d:%02d", p.day, p.hour, p.minute, p.second);
    return text;
}

// Reminders answered right after the check that fired them: OK, or Snooze for `snooze` minutes.
class AnsweringReminders final : public ReminderFactory, public ReminderLink {
public:
    int snooze = 0;
    ReminderLink& CreateReminder() override { return *this; }
    ReminderLink* OpenReminderOf(AlarmId) override { return nullptr; }
    void ShowAlarm(Alarm& alarm) override { fired_.push_back(alarm.Id()); }
    void PressOk() override {}
    void AnswerAll(AlarmList& list) {
        for (const AlarmId id : std::exchange(fired_, {})) {
            if (Alarm* alarm = list.Find(id)) {
                alarm->triggered = false;
                alarm->EndTrigger(snooze > 0, snooze);
            }
        }
    }

private:
    std::vector<AlarmId> fired_;
};

class RecordingBoard final : public NoticeBoard {
public:
    explicit RecordingBoard(const DateTime& now) : now_(now) {}
    void ShowNotice(AlarmId alarm, const std::string& text) override {
        lastText = text;
        if (!open.insert(alarm).second) return;  // a new text for the one showing
        log.push_back(Stamp(now_) + " shown");
        fresh.push_back(alarm);
    }
    void CloseNotice(AlarmId alarm) override {
        open.erase(alarm);
        log.push_back(Stamp(now_) + " closed");
    }
    std::vector<std::string> log;
    std::set<AlarmId> open;
    std::vector<AlarmId> fresh;  // shown since the last answers
    std::string lastText;

private:
    const DateTime& now_;
};

constexpr int kLeave = -1;  // the advance reminder is left unanswered

struct Case {
    const char* name;
    std::function<void(AlarmFields&)> alarm;  // lead, moment, repeat ...
    DateTime from, to;
    std::vector<std::string> expected;
    int noticeAnswer = 0;  // kLeave, 0 for OK, or Snooze minutes
    int alarmSnooze = 0;   // the alarm's own reminder: 0 for OK, or Snooze minutes
    DateTime changeAt = 0;
    std::function<void(Alarm&)> change;  // an edit at changeAt, as the book makes it
};

AlarmFields Lead(int minutes, DateTime due, RepeatKind repeat = NoRepeat) {
    AlarmFields a;
    a.name = "Standup";
    a.dateTime = due;
    a.repeat = repeat;
    a.options.remindBeforeMinutes = static_cast<std::uint16_t>(minutes);
    return a;
}

std::vector<std::string> Simulate(const Case& c) {
    DateTime now = c.from;
    SetClock([&now] { return now; });
    AlarmList list;
    RecordingBoard board(now);
    AdvanceReminders advance(list, board);
    AnsweringReminders reminders;
    reminders.snooze = c.alarmSnooze;
    list.onChanged = [&advance] { advance.ListChanged(); };
    AlarmFields fields;
    c.alarm(fields);
    static_cast<AlarmFields&>(list.AddAlarm(now)) = fields;
    list.armed = true;
    // Ticks every 15 s, each a hair past its second, so a tick on a minute is past the minute.
    constexpr DateTime kStep = 15.0 / 86'400, kHair = 1e-9;
    for (int tick = 0; (now = c.from + tick * kStep + kHair) <= c.to; ++tick) {
        if (c.change && now >= c.changeAt && now < c.changeAt + kStep) {
            c.change(list[0]);
            list[0].ClearSnoozeMemory();
            list.onChanged();
        }
        list.CheckAlarms(reminders);
        reminders.AnswerAll(list);
        advance.Check(now);
        for (const AlarmId id : std::exchange(board.fresh, {})) {
            if (c.noticeAnswer == kLeave) continue;
            board.open.erase(id);
            advance.Answer(id, c.noticeAnswer > 0, c.noticeAnswer, now - kHair);
        }
    }
    ResetClock();
    return board.log;
}

TEST(AdvanceReminders, OncePerMomentItsLeadAhead) {
    const Case cases[] = {
        {"one-time: its lead ahead", [](auto& a) { a = Lead(10, At(14, 10, 0)); }, At(14, 9, 30), At(14, 10, 30),
         {"14 09:50:00 shown"}},
        {"each moment of a repeating alarm", [](auto& a) { a = Lead(10, At(14, 10, 0), Each30Minutes); },
         At(14, 9, 30), At(14, 11, 5), {"14 09:50:00 shown", "14 10:20:00 shown", "14 10:50:00 shown"}},
        {"a lead longer than the interval: at once after each moment",
         [](auto& a) { a = Lead(90, At(14, 10, 0), Hourly); }, At(14, 9, 0), At(14, 11, 30),
         {"14 09:00:00 shown", "14 10:00:00 shown", "14 11:00:00 shown"}},
        {"a Daily alarm on its chosen days alone (Saturday to Monday)",
         [](auto& a) {
             a = Lead(60, At(14, 8, 0), Daily);
             a.options.days = 0x1F;
         },
         At(14, 6, 0), At(16, 8, 30), {"16 07:00:00 shown"}},
        {"a day's lead, the day before", [](auto& a) { a = Lead(1440, At(15, 9, 0)); }, At(14, 8, 0), At(15, 9, 30),
         {"14 09:00:00 shown"}},
        {"none for the moments its Snoozes set", [](auto& a) { a = Lead(10, At(14, 10, 0)); }, At(14, 9, 30),
         At(14, 10, 30), {"14 09:50:00 shown"}, 0, 5},
        {"a missed moment gets none", [](auto& a) { a = Lead(10, At(14, 9, 0)); }, At(14, 9, 30), At(14, 10, 0), {}},
        {"a clock started within the lead shows it at once", [](auto& a) { a = Lead(10, At(14, 10, 0)); },
         At(14, 9, 55), At(14, 10, 5), {"14 09:55:00 shown"}},
        {"switched off: none", [](auto& a) { a = Lead(10, At(14, 10, 0)), a.enabled = false; }, At(14, 9, 30),
         At(14, 10, 5), {}},
        {"no lead: none", [](auto& a) { a = Lead(0, At(14, 10, 0)); }, At(14, 9, 30), At(14, 10, 5), {}},
        {"snoozed, it shows again, never at the alarm's moment", [](auto& a) { a = Lead(10, At(14, 10, 0)); },
         At(14, 9, 30), At(14, 10, 30), {"14 09:50:00 shown", "14 09:54:00 shown", "14 09:58:00 shown"}, 4},
        {"unanswered, it closes when the alarm fires", [](auto& a) { a = Lead(10, At(14, 10, 0)); }, At(14, 9, 30),
         At(14, 10, 30), {"14 09:50:00 shown", "14 10:00:00 closed"}, kLeave},
        {"moved to less than its lead ahead: at once", [](auto& a) { a = Lead(10, At(14, 11, 0)); }, At(14, 9, 30),
         At(14, 10, 0), {"14 09:45:00 shown"}, 0, 0, At(14, 9, 45),
         [](Alarm& a) { a.dateTime = At(14, 9, 52); }},
        {"moved later after it showed: one for the new moment, the shown one closed",
         [](auto& a) { a = Lead(10, At(14, 10, 0)); }, At(14, 9, 30), At(14, 10, 40),
         {"14 09:50:00 shown", "14 09:55:00 closed", "14 10:20:00 shown", "14 10:30:00 closed"}, kLeave, 0,
         At(14, 9, 55),
         [](Alarm& a) { a.dateTime = At(14, 10, 30); }},
        {"switched off while it shows: closed", [](auto& a) { a = Lead(10, At(14, 10, 0)); }, At(14, 9, 30),
         At(14, 10, 30), {"14 09:50:00 shown", "14 09:52:00 closed"}, kLeave, 0, At(14, 9, 52),
         [](Alarm& a) { a.enabled = false; }},
    };
    for (const Case& c : cases) EXPECT_EQ(Simulate(c), c.expected) << c.name;
}

TEST(AdvanceReminders, TheTextNamesTheAlarmItsTextAndWhenItIsDue) {
    AlarmFields alarm = Lead(10, At(14, 10, 42));
    alarm.reminder = "Room 4";
    const FormatSettings& us = EnUsFormatSettings();
    EXPECT_EQ(AdvanceReminders::NoticeText(alarm, alarm.dateTime, At(14, 10, 32), us),
              "Standup\r\nDue in 10 minutes, at 10:42 AM\r\n\r\nRoom 4");
    alarm.reminder.clear();
    EXPECT_EQ(AdvanceReminders::NoticeText(alarm, At(15, 8, 0), At(14, 6, 30), us),
              "Standup\r\nDue in 1 day, tomorrow at 8:00 AM");
}

}  // namespace
}  // namespace quorvel
