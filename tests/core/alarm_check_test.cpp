// The alarm check and one firing, with a reminder window that records what the
// platform would have done: what is due, the close processing (also when it
// comes from the event loop) and the schedule a snoozed repeating alarm keeps.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "alarms/alarm.h"
#include "alarms/alarm_firing.h"
#include "core/clock.h"

namespace quorvel {
namespace {

using enum RepeatKind;

DateTime At(int hour, int minute, int second = 0, int ms = 0, int day = 14) {
    return EncodeDateTime({2026, 3, day, hour, minute, second, ms}).value();
}

std::string Show(DateTime value) {
    const auto p = DecodeDateTime(value);
    if (!p) return "invalid";
    char text[32];
    std::snprintf(text, sizeof text, "%02d %02d:%02d:%02d.%03d", p->day, p->hour, p->minute, p->second,
                  p->millisecond);
    // The month only when it is not March, the month of the tests.
    return p->month == 3 ? text : (p->month < 10 ? "0" : "") + std::to_string(p->month) + "-" + text;
}

enum class SoundOutcome { Plays, OpenFails, PlayRefused };

// Every step of the platform's part, in order, into one shared log.
class RecordingFiring final : public AlarmFiring {
public:
    RecordingFiring(std::vector<std::string>& log, SoundOutcome sound, const std::string& name)
        : log_(log), sound_(sound), name_(name) {}
    Alarm* alarm = nullptr;  // for the order checks: the alarm's state at each step
    std::string text;
    bool shown = false;
    bool closePosted = false;  // CloseLater: Close once the test runs the event loop

protected:
    void SetText(const std::string& t) override {
        text = t;
        Note("text " + t);
    }
    void AppendLine(const std::string& line) override {
        text += "\r\n" + line;
        Note("line " + line);
    }
    void ShowInFront() override {
        shown = true;
        Note("show");
    }
    std::string StartSound(const std::string& path, bool reportEnd) override {
        Note("play " + path + (reportEnd ? " with report" : " silently"));
        if (sound_ == SoundOutcome::OpenFails) throw std::runtime_error("no such file");
        return sound_ == SoundOutcome::PlayRefused ? "device refused" : "";
    }
    void Beep() override { Note("beep"); }
    void StopSound() override {
        Note(alarm ? std::string("stop (triggered ") + (alarm->triggered ? "yes" : "no") + ")" : "stop");
    }
    void Release() override { Note("release"); }
    void CloseLater() override {
        closePosted = true;
        Note("close later");
    }

private:
    void Note(const std::string& step) { log_.push_back(name_ + ": " + step); }
    std::vector<std::string>& log_;
    SoundOutcome sound_;
    std::string name_;
};

class AlarmCheckTest : public testing::Test, public ReminderFactory {
protected:
    void SetUp() override {
        SetClock([this] { return now; });
        list.armed = true;
    }
    void TearDown() override { ResetClock(); }

    ReminderLink& CreateReminder() override {
        if (failCreation) throw std::runtime_error("no window");
        windows.push_back(std::make_unique<RecordingFiring>(log, sound, "w" + std::to_string(windows.size() + 1)));
        return *windows.back();
    }
    ReminderLink* OpenReminderOf(AlarmId alarm) override {
        for (const auto& w : windows)
            if (w->Fires(alarm)) return w.get();
        return nullptr;
    }
    // What the event loop would run: the posted closes.
    void RunEventLoop() {
        for (const auto& w : windows)
            if (std::exchange(w->closePosted, false)) w->Close();
    }

    Alarm& Add(const std::string& name, DateTime due, RepeatKind repeat = NoRepeat, const std::string& text = "text",
               const std::string& soundFile = "") {
        Alarm& a = list.AddAlarm();
        a.name = name;
        a.dateTime = due;
        a.repeat = repeat;
        a.reminder = text;
        a.sound = soundFile;
        return a;
    }
    RecordingFiring& Window(std::size_t i) { return *windows.at(i); }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (std::size_t i = 0; i < list.Count(); ++i) names.push_back(list[i].name);
        return names;
    }
    std::vector<std::string> FiredNames() const {
        std::vector<std::string> names;
        for (std::size_t i = 0; i < list.Count(); ++i)
            if (list[i].triggered) names.push_back(list[i].name);
        return names;
    }

    DateTime now = At(12, 0);
    SoundOutcome sound = SoundOutcome::Plays;
    bool failCreation = false;
    std::vector<std::string> log;
    AlarmList list;  // outlives its reminders: declared first
    std::vector<std::unique_ptr<RecordingFiring>> windows;
};

TEST_F(AlarmCheckTest, DueMeansEnabledWaitingAndNotLaterThanNow) {
    Alarm& exact = Add("exact", now);
    Alarm& later = Add("later", now + 1.0 / 86'400'000);  // one millisecond on
    Alarm& disabled = Add("disabled", At(1, 0, 0, 0, 1));
    disabled.enabled = false;
    list.armed = false;
    list.CheckAlarms(*this);
    EXPECT_TRUE(windows.empty()) << "nothing fires while the list is not armed";

    list.armed = true;
    list.CheckAlarms(*this);
    EXPECT_EQ(FiredNames(), std::vector<std::string>{"exact"});
    EXPECT_TRUE(Window(0).Fires(exact.Id()));

    list.CheckAlarms(*this);  // a triggered alarm is left alone
    now = later.dateTime;
    list.CheckAlarms(*this);
    EXPECT_EQ(FiredNames(), (std::vector<std::string>{"exact", "later"}));
    EXPECT_EQ(windows.size(), 2u);
    EXPECT_FALSE(disabled.triggered);
}

// The clock read at the start of a walk is refreshed for an alarm falling due
// during the walk: one due a moment after the walk began fires in it.
TEST_F(AlarmCheckTest, EachAlarmIsJudgedByTheTimeOfItsOwnExamination) {
    Add("a", At(12, 0, 0, 1));
    Add("b", At(12, 0, 0, 3));
    Add("far", At(12, 0, 5));
    int reads = 0;
    SetClock([&] { return At(12, 0) + (reads++) / 86'400'000.0; });  // 1 ms later at each read
    list.CheckAlarms(*this);
    EXPECT_EQ(FiredNames(), (std::vector<std::string>{"a", "b"}));
}

TEST_F(AlarmCheckTest, DueAlarmsFireInListOrderEachWithItsOwnWindow) {
    Add("first", At(11, 0));
    Add("waiting", At(13, 0));
    Add("second", At(11, 59));
    list.CheckAlarms(*this);
    EXPECT_EQ(log, (std::vector<std::string>{"w1: text text", "w1: show", "w1: beep", "w2: text text", "w2: show",
                                             "w2: beep"}));
    EXPECT_TRUE(Window(0).Fires(list[0].Id()));
    EXPECT_TRUE(Window(1).Fires(list[2].Id()));
}

// A delete-after-trigger alarm without text or sound is over at once, but ends
// only from the event loop: the check goes on over the whole list, and until
// then the alarm stays triggered, so a second check leaves it alone.
TEST_F(AlarmCheckTest, AFiringOverAtOnceEndsAfterTheCheck) {
    Add("gone", At(11, 0), DeleteAfterTrigger, "");
    Add("next", At(11, 0));
    Add("last", At(11, 30), Daily);
    list.CheckAlarms(*this);
    list.CheckAlarms(*this);
    EXPECT_EQ(FiredNames(), (std::vector<std::string>{"gone", "next", "last"}));
    EXPECT_EQ(log.at(1), "w1: close later");
    EXPECT_EQ(windows.size(), 3u);
    RunEventLoop();
    EXPECT_EQ(Names(), (std::vector<std::string>{"next", "last"}));
    EXPECT_EQ(log.back(), "w1: release");
}

TEST_F(AlarmCheckTest, AWindowThatCannotBeMadeLeavesTheAlarmWaiting) {
    Alarm& a = Add("a", At(11, 0));
    failCreation = true;
    EXPECT_THROW(list.CheckAlarms(*this), std::runtime_error);
    EXPECT_FALSE(a.triggered);
    failCreation = false;
    list.CheckAlarms(*this);
    EXPECT_TRUE(a.triggered);
}

// What each kind of alarm gets when it fires, and whether the firing ends by
// itself; with a sound that cannot be played, a text-less alarm shows its
// window with the error line instead of staying triggered out of sight.
TEST_F(AlarmCheckTest, FourKindsOfAlarmAndSoundsThatCannotPlay) {
    struct Case {
        const char* text;
        const char* file;
        SoundOutcome sound;
        std::vector<std::string> steps;
        bool endsAtOnce;
    };
    const std::vector<Case> cases = {
        {"hello", "a.wav", SoundOutcome::Plays, {"text hello", "show", "play a.wav silently"}, false},
        {"hello", "", SoundOutcome::Plays, {"text hello", "show", "beep"}, false},
        {"", "a.wav", SoundOutcome::Plays, {"play a.wav with report"}, false},
        {"", "", SoundOutcome::Plays, {"beep", "close later"}, true},
        {"hello",
         "a.wav",
         SoundOutcome::OpenFails,
         {"text hello", "show", "play a.wav silently", "line Cannot play sound - no such file", "beep"},
         false},
        {"hello", "a.wav", SoundOutcome::PlayRefused, {"text hello", "show", "play a.wav silently"}, false},
        {"",
         "a.wav",
         SoundOutcome::OpenFails,
         {"play a.wav with report", "line Cannot play sound - no such file", "beep", "show"},
         false},
        {"",
         "a.wav",
         SoundOutcome::PlayRefused,
         {"play a.wav with report", "line Cannot play sound - device refused", "beep", "show"},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("text '") + c.text + "', sound '" + c.file + "', outcome " +
                     std::to_string(static_cast<int>(c.sound)));
        list.Clear();
        log.clear();
        windows.clear();
        sound = c.sound;
        Alarm& a = Add("a", At(11, 0), NoRepeat, c.text, c.file);
        list.CheckAlarms(*this);
        std::vector<std::string> want;
        for (const std::string& step : c.steps) want.push_back("w1: " + step);
        EXPECT_EQ(log, want);
        EXPECT_TRUE(a.triggered);
        RunEventLoop();
        EXPECT_EQ(Window(0).Closed(), c.endsAtOnce);
        EXPECT_EQ(a.triggered, !c.endsAtOnce);
        EXPECT_EQ(a.enabled, !c.endsAtOnce) << "a finished no-repeat alarm is disabled";
    }
}

// The close processing's order, once per window whatever closes it; a report
// queued before it is ignored, even once the alarm is gone.
TEST_F(AlarmCheckTest, CloseProcessingRunsOnceInOrder) {
    Alarm& a = Add("a", At(11, 0), DeleteAfterTrigger, "", "a.wav");
    list.CheckAlarms(*this);
    RecordingFiring& window = Window(0);
    window.alarm = &a;
    log.clear();
    a.CloseReminder(*this, false);  // kept: now "No repeat", disabled
    window.alarm = nullptr;
    EXPECT_EQ(log, (std::vector<std::string>{"w1: stop (triggered no)", "w1: release"}));
    EXPECT_EQ(a.repeat, NoRepeat);
    EXPECT_FALSE(a.enabled);
    EXPECT_FALSE(a.triggered);

    a.enabled = true;  // fires again, and this time OK deletes it
    a.repeat = DeleteAfterTrigger;
    list.CheckAlarms(*this);
    Window(1).Close();
    EXPECT_EQ(list.Count(), 0u);
    log.clear();
    for (RecordingFiring* w : {&Window(0), &Window(1)}) {
        w->SoundFinished();
        w->Snooze();
        w->Close();
        w->PressOk();
    }
    EXPECT_TRUE(log.empty());
}

TEST_F(AlarmCheckTest, AWindowAndItsAlarmMayGoInEitherOrder) {
    Add("a", At(11, 0), Daily);
    list.CheckAlarms(*this);
    list.Clear();  // the program ends with the reminder open
    Window(0).Close();
    EXPECT_EQ(log.back(), "w1: release");

    Alarm& b = Add("b", At(11, 0), Daily);  // and the other way round
    list.CheckAlarms(*this);
    windows.clear();
    EXPECT_TRUE(b.triggered);
    list.Clear();
}

// Snooze moves the alarm to now + 5 minutes and keeps a repeating alarm's own
// schedule for the trigger that ends without Snooze.
TEST_F(AlarmCheckTest, SnoozeKeepsTheScheduleOfARepeatingAlarm) {
    struct Case {
        const char* name;
        RepeatKind repeat;
        int snoozes;          // pressed at the first check, then 5 minutes after each
        bool clearMemory;     // an edit between the last snooze and OK
        std::string dueAfterSnoozes;
        std::string dueAfterOk;
        DateTime firstCheck = At(8, 0, 10);
    };
    const std::vector<Case> cases = {
        {"daily", Daily, 1, false, "14 08:05:10.000", "15 08:00:00.000"},
        {"each 5 minutes", Each5Minutes, 1, false, "14 08:05:10.000", "14 08:10:00.000"},
        {"two snoozes in a row", Daily, 2, false, "14 08:10:10.000", "15 08:00:00.000"},
        {"hourly, three snoozes", Hourly, 3, false, "14 08:15:10.000", "14 09:00:00.000"},
        {"edited after the snooze", Daily, 1, true, "14 08:05:10.000", "15 08:05:10.000"},
        {"no repeat", NoRepeat, 1, false, "14 08:05:10.000", "14 08:05:10.000"},
        // Snoozed back onto its own next moment: that moment is the snooze's, not a second firing.
        {"one interval, from the due moment", Each5Minutes, 1, false, "14 08:05:00.000", "14 08:10:00.000", At(8, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        list.Clear();
        Alarm& a = Add("a", At(8, 0), c.repeat);
        now = c.firstCheck;
        for (int i = 0; i < c.snoozes; ++i) {
            list.CheckAlarms(*this);
            ASSERT_TRUE(a.triggered);
            windows.back()->Snooze();
            EXPECT_FALSE(a.triggered);
            now = a.dateTime;  // the snoozed alarm fires again at its moment
        }
        EXPECT_EQ(Show(a.dateTime), c.dueAfterSnoozes);
        if (c.clearMemory) a.ClearSnoozeMemory();
        list.CheckAlarms(*this);
        ASSERT_TRUE(a.triggered);
        windows.back()->Close();
        EXPECT_EQ(Show(a.dateTime), c.dueAfterOk);
        EXPECT_EQ(a.enabled, c.repeat != NoRepeat);
    }
}

// A trigger closed after the memory was used steps from its own moment again,
// and a snooze during the catch-up of a long-missed alarm lands on the first
// moment of the schedule after the snooze, in one step.
TEST_F(AlarmCheckTest, KeptScheduleIsUsedOnceAndJumpsOverMissedIntervals) {
    Alarm& a = Add("a", At(8, 0, 0, 0, 1), Each5Minutes);  // missed for 13 days
    now = At(8, 0, 10);
    list.CheckAlarms(*this);
    windows.back()->Snooze();
    now = a.dateTime;
    list.CheckAlarms(*this);
    windows.back()->Close();
    EXPECT_EQ(Show(a.dateTime), "14 08:10:00.000");
    now = a.dateTime;
    list.CheckAlarms(*this);
    windows.back()->Close();
    EXPECT_EQ(Show(a.dateTime), "14 08:15:00.000");
}

// The options' stepping rules: the days a Daily alarm leaves out, moments
// missed (due more than a minute late) by each IfMissed rule, and the snooze
// length. 14 March 2026 is a Saturday.
TEST_F(AlarmCheckTest, WeekdaysMissedMomentsAndSnoozeLength) {
    constexpr std::uint8_t kWorkdays = 0x1F;  // Mon-Fri
    enum class End { None, Ok, Snooze, SnoozeFor30, SnoozeThenOk };
    struct Case {
        const char* name;
        RepeatKind repeat;
        AlarmOptions options;
        DateTime due;
        DateTime checkAt;
        bool fires;
        std::string dueAfterCheck;
        End end;
        std::string dueAfterEnd;
        bool enabledAfter = true;
        int noticesAtCheck = 0;  // changes told by the check itself, so they are saved
    };
    const AlarmOptions every;
    const AlarmOptions workdays{kWorkdays};
    const AlarmOptions once{kEveryDay, 5, IfMissed::Once};
    const AlarmOptions skip{kEveryDay, 5, IfMissed::Skip};
    const AlarmOptions workdaysSkip{kWorkdays, 5, IfMissed::Skip};
    const AlarmOptions quarter{kEveryDay, 15};
    const std::vector<Case> cases = {
        {"Daily on a day it leaves out: on to Monday, no reminder", Daily, workdays, At(8, 0), At(8, 0), false,
         "16 08:00:00.000", End::None, "16 08:00:00.000", true, 1},
        {"Daily on a chosen day fires; OK skips the weekend", Daily, workdays, At(8, 0, 0, 0, 13), At(8, 0, 0, 0, 13),
         true, "13 08:00:00.000", End::Ok, "16 08:00:00.000"},
        {"every day: Saturday fires", Daily, every, At(8, 0), At(8, 0), true, "14 08:00:00.000", End::Ok,
         "15 08:00:00.000"},
        {"Weekly ignores the days", Weekly, workdays, At(8, 0), At(8, 0), true, "14 08:00:00.000", End::Ok,
         "21 08:00:00.000"},
        {"missed a day, each: one interval per reminder", Each5Minutes, every, At(12, 0, 0, 0, 13), At(12, 0), true,
         "13 12:00:00.000", End::Ok, "13 12:05:00.000"},
        {"missed a day, once: after OK its first moment after now", Each5Minutes, once, At(11, 58, 0, 0, 13),
         At(12, 1, 30), true, "13 11:58:00.000", End::Ok, "14 12:03:00.000"},
        {"missed a day, skip: no reminder, its first moment after now", Each5Minutes, skip, At(11, 58, 0, 0, 13),
         At(12, 1, 30), false, "14 12:03:00.000", End::None, "14 12:03:00.000", true, 1},
        // Each kind lands on its own grid, however far behind.
        {"missed, skip, each 10 minutes", Each10Minutes, skip, At(8, 8, 0, 0, 1), At(12, 1, 30), false,
         "14 12:08:00.000", End::None, "14 12:08:00.000", true, 1},
        {"missed, skip, each 30 minutes", Each30Minutes, skip, At(8, 13, 0, 0, 1), At(12, 1, 30), false,
         "14 12:13:00.000", End::None, "14 12:13:00.000", true, 1},
        {"missed, skip, hourly", Hourly, skip, At(8, 58, 0, 0, 1), At(12, 1, 30), false, "14 12:58:00.000",
         End::None, "14 12:58:00.000", true, 1},
        {"missed, skip, weekly from 13 February", Weekly, skip, At(11, 58, 0, 0, 13) - 28, At(12, 1, 30), false,
         "20 11:58:00.000", End::None, "20 11:58:00.000", true, 1},
        {"missed, skip, monthly from 10 January: 31 days at a time in March", Monthly, skip,
         At(11, 58, 0, 0, 10) - 59, At(12, 1, 30), false, "04-13 11:58:00.000", End::None, "04-13 11:58:00.000",
         true, 1},
        {"missed, skip, a one-time alarm: switched off", NoRepeat, skip, At(11, 0), At(12, 0), false,
         "14 11:00:00.000", End::None, "14 11:00:00.000", false, 1},
        {"missed, once, a one-time alarm: one reminder, then off", NoRepeat, once, At(11, 0), At(12, 0), true,
         "14 11:00:00.000", End::Ok, "14 11:00:00.000", false},
        {"59 seconds late is on time, skip or not", Hourly, skip, At(11, 59, 1), At(12, 0), true, "14 11:59:01.000",
         End::Ok, "14 12:59:01.000"},
        {"missed since Wednesday, workdays, skip: Monday", Daily, workdaysSkip, At(8, 0, 0, 0, 11), At(9, 0), false,
         "16 08:00:00.000", End::None, "16 08:00:00.000", true, 1},
        {"snooze length 15", Daily, quarter, At(12, 0), At(12, 0), true, "14 12:00:00.000", End::Snooze,
         "14 12:15:00.000"},
        {"snooze for 30, this once", Daily, quarter, At(12, 0), At(12, 0), true, "14 12:00:00.000",
         End::SnoozeFor30, "14 12:30:00.000"},
        {"workdays, snoozed on Friday: OK goes on to Monday", Daily, workdays, At(8, 0, 0, 0, 13),
         At(8, 0, 0, 0, 13), true, "13 08:00:00.000", End::SnoozeThenOk, "16 08:00:00.000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        list.Clear();
        windows.clear();
        Alarm& a = Add("a", c.due, c.repeat);
        a.options = c.options;
        now = c.checkAt;
        int notices = 0;
        list.onChanged = [&] { ++notices; };
        list.CheckAlarms(*this);
        EXPECT_EQ(notices, c.noticesAtCheck);
        EXPECT_EQ(a.triggered, c.fires);
        EXPECT_EQ(Show(a.dateTime), c.dueAfterCheck);
        if (c.fires) {
            ASSERT_FALSE(windows.empty());
            switch (c.end) {
                case End::Ok: windows.back()->Close(); break;
                case End::Snooze: windows.back()->Snooze(); break;
                case End::SnoozeFor30: windows.back()->Snooze(30); break;
                case End::SnoozeThenOk:
                    windows.back()->Snooze();
                    now = a.dateTime;
                    list.CheckAlarms(*this);
                    ASSERT_TRUE(a.triggered);
                    windows.back()->Close();
                    break;
                case End::None: break;
            }
        }
        EXPECT_EQ(Show(a.dateTime), c.dueAfterEnd);
        EXPECT_EQ(a.enabled, c.enabledAfter);
    }
}

// A sound that repeats until answered: the window shows even without text, the
// sound starts again at each end for ten minutes, then the window waits silent.
TEST_F(AlarmCheckTest, ARepeatingSoundPlaysUntilAnsweredForTenMinutes) {
    for (const char* text : {"Wake up", ""}) {
        SCOPED_TRACE(std::string("text '") + text + "'");
        list.Clear();
        windows.clear();
        log.clear();
        Alarm& a = Add("a", At(12, 0), Daily, text, "bell.wav");
        a.options.repeatSound = true;
        list.CheckAlarms(*this);
        EXPECT_TRUE(Window(0).shown);
        EXPECT_EQ(log.back(), "w1: play bell.wav with report");
        now = At(12, 9, 59);
        Window(0).SoundFinished();
        EXPECT_EQ(log.back(), "w1: play bell.wav with report") << "again, within ten minutes";
        const std::size_t steps = log.size();
        now = At(12, 10, 0);
        Window(0).SoundFinished();
        EXPECT_EQ(log.size(), steps) << "silent after ten minutes";
        EXPECT_TRUE(a.triggered) << "the window waits to be answered";
        Window(0).Close();
        EXPECT_EQ(Show(a.dateTime), "15 12:00:00.000");
        now = At(12, 0);
    }
}

}  // namespace
}  // namespace quorvel
