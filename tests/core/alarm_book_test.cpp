// The alarm book's policy: what a load keeps, when a save writes, what counts
// as a change after a failed load, suspending the check, and a reminder window
// that cannot be made. Its storage is a stand-in that records what it is asked.
#include "alarms/alarm_book.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "alarms/alarm_codec.h"
#include "alarms/alarm_options.h"
#include "core/clock.h"

namespace quorvel {
namespace {

using enum RepeatKind;
using Bytes = std::vector<std::uint8_t>;

const DateTime kNow = EncodeDateTime({2026, 12, 7, 10, 0, 0, 0}).value();

struct FakeStorage final : AlarmStorage {
    Found found = Found::Nothing;
    Bytes stored;                          // the "Alarms" value
    Bytes options;                         // the "AlarmOptions" value
    std::optional<std::string> readError;  // Read throws this
    bool reachable = true;                 // false: Write cannot open the key
    bool optionsUnreadable = false;
    std::optional<Bytes> damagedCopy;
    std::vector<Bytes> damagedOptionsCopies;
    int writes = 0;

    Stored Read() override {
        if (readError) throw std::runtime_error(*readError);
        return {found, stored, options, optionsUnreadable};
    }
    bool Write(std::span<const std::uint8_t> bytes, std::span<const std::uint8_t> newOptions) override {
        if (!reachable) return false;
        ++writes;
        stored.assign(bytes.begin(), bytes.end());
        options.assign(newOptions.begin(), newOptions.end());
        found = Found::Bytes;
        return true;
    }
    void KeepDamagedCopy(Part part) override {
        if (part == Part::Alarms)
            damagedCopy = stored;
        else
            damagedOptionsCopies.push_back(options);
    }
};

// A reminder that stays open until OK ends its trigger, as a real window does.
struct OpenReminder final : ReminderLink {
    const AlarmList* list = nullptr;
    AlarmId id = 0;
    bool closed = false;
    void ShowAlarm(Alarm& a) override {
        list = &a.List();
        id = a.Id();
    }
    // Its alarm while it is open and the list holds the alarm.
    Alarm* OpenAlarm() const { return closed ? nullptr : list->Find(id); }
    void PressOk() override {
        Alarm* a = OpenAlarm();
        closed = true;
        if (a) a->EndTrigger(false);
    }
};

struct Reminders final : ReminderFactory {
    bool fail = false;
    std::deque<OpenReminder> open;
    ReminderLink& CreateReminder() override {
        if (fail) throw std::runtime_error("no window");
        return open.emplace_back();
    }
    ReminderLink* OpenReminderOf(AlarmId id) override {
        for (OpenReminder& r : open)
            if (!r.closed && r.id == id) return &r;
        return nullptr;
    }
};

AlarmFields Fields(const std::string& name, DateTime when, RepeatKind repeat = NoRepeat) {
    AlarmFields f = NewAlarmFields(kNow);
    f.name = name;
    f.dateTime = when;
    f.repeat = repeat;
    f.reminder = "text";
    return f;
}

Bytes Encoded(const std::vector<AlarmFields>& alarms) {
    AlarmList list;
    for (const AlarmFields& f : alarms) static_cast<AlarmFields&>(list.AddAlarm()) = f;
    return EncodeAlarms(list);
}

// Two alarms, due an hour ago, the second record cut short: "Stream read error".
Bytes Damaged() {
    Bytes bytes = Encoded({Fields("once", kNow - 1.0 / 24), Fields("daily", kNow - 1.0 / 24, Daily)});
    bytes.resize(bytes.size() - 3);
    return bytes;
}

// A book over its own storage and reminders, counting the view's notifications.
struct Book {
    Book() = default;
    explicit Book(Bytes stored) {
        storage.found = AlarmStorage::Found::Bytes;
        storage.stored = std::move(stored);
    }
    // Loads from the storage as set and starts checking.
    std::optional<std::string> Load() {
        book.onChanged.Add([this] { ++changes; });
        book.SetReminders(&reminders);
        const auto failure = book.Load();
        book.StartChecking();
        return failure;
    }
    AlarmId IdOf(const std::string& name) const {
        for (std::size_t i = 0; i < book.Alarms().Count(); ++i)
            if (book.Alarms()[i].name == name) return book.Alarms()[i].Id();
        return 0;
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (std::size_t i = 0; i < book.Alarms().Count(); ++i) names.push_back(book.Alarms()[i].name);
        return names;
    }
    // Fires what is due, then answers the named alarm's reminder with OK.
    void AnswerOk(const std::string& name) {
        book.CheckAlarms();
        for (OpenReminder& r : reminders.open)
            if (const Alarm* a = r.OpenAlarm(); a && a->name == name) r.PressOk();
    }

    FakeStorage storage;
    AlarmBook book{storage};  // outlives its reminders
    Reminders reminders;
    int changes = 0;
};

class AlarmBookTest : public testing::Test {
protected:
    void SetUp() override { SetClock(kNow); }
    void TearDown() override { ResetClock(); }
};

TEST_F(AlarmBookTest, WhatALoadKeepsAndWhetherSavesWriteOverTheStoredValue) {
    struct Case {
        const char* name;
        std::function<void(FakeStorage&)> store;
        std::optional<std::string> failure;
        std::vector<std::string> loaded;
        bool saveWrites;  // without a change
    };
    const std::vector<Case> cases = {
        {"nothing stored", [](FakeStorage&) {}, std::nullopt, {}, true},
        {"a good list",
         [](FakeStorage& s) {
             s.found = AlarmStorage::Found::Bytes;
             s.stored = Encoded({Fields("tea", kNow + 1)});
         },
         std::nullopt, {"tea"}, true},
        {"damaged bytes",
         [](FakeStorage& s) {
             s.found = AlarmStorage::Found::Bytes;
             s.stored = Damaged();
         },
         "Stream read error", {"once", "daily"}, false},
        {"a value that cannot be read", [](FakeStorage& s) { s.readError = "Invalid data type for 'Alarms'"; },
         "Invalid data type for 'Alarms'", {}, false},
        {"a key that cannot be opened", [](FakeStorage& s) { s.found = AlarmStorage::Found::Unreachable; },
         std::nullopt, {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeStorage s;
        c.store(s);
        const Bytes before = s.stored;
        AlarmBook b(s);
        EXPECT_TRUE(b.Save()) << "before the load";
        EXPECT_EQ(s.writes, 0) << "a save before the load writes nothing";
        EXPECT_EQ(b.Load(), c.failure);
        std::vector<std::string> names;
        for (std::size_t i = 0; i < b.Alarms().Count(); ++i) names.push_back(b.Alarms()[i].name);
        EXPECT_EQ(names, c.loaded);
        EXPECT_TRUE(b.Save());
        EXPECT_EQ(s.writes, c.saveWrites ? 1 : 0);
        if (!c.saveWrites) EXPECT_EQ(s.stored, before) << "the stored value is kept";
        EXPECT_FALSE(s.damagedCopy) << "no copy without a change";
        EXPECT_FALSE(b.Checking()) << "not before StartChecking";
    }
}

// After a failed load, the first save after any change copies the stored value
// and then writes the list; a save with no change leaves both alone.
TEST_F(AlarmBookTest, AfterAFailedLoadEveryChangeOfTheListCounts) {
    struct Case {
        const char* name;
        std::function<void(Book&)> act;
        bool counts;
    };
    const std::vector<Case> cases = {
        {"nothing", [](Book&) {}, false},
        {"firing, its reminder still open", [](Book& b) { b.book.CheckAlarms(); }, false},
        {"a No repeat alarm answered with OK (disabled)", [](Book& b) { b.AnswerOk("once"); }, true},
        {"a Daily alarm answered with OK (a day on)", [](Book& b) { b.AnswerOk("daily"); }, true},
        {"Snooze",
         [](Book& b) {
             b.book.CheckAlarms();
             b.book.Find(b.IdOf("once"))->EndTrigger(true);
         },
         true},
        {"an alarm added", [](Book& b) { b.book.Add(Fields("new", kNow + 1)); }, true},
        {"an edit that changes a field",
         [](Book& b) {
             AlarmFields f = *b.book.OpenForEdit(b.IdOf("once"));
             f.name = "renamed";
             b.book.Update(b.IdOf("once"), f);
         },
         true},
        {"an edit that changes nothing",
         [](Book& b) { b.book.Update(b.IdOf("once"), *b.book.OpenForEdit(b.IdOf("once"))); }, false},
        {"an alarm deleted", [](Book& b) { b.book.Delete(b.IdOf("daily")); }, true},
        {"an alarm switched off", [](Book& b) { b.book.SetEnabled(b.IdOf("daily"), false); }, true},
        {"an alarm switched on that was on", [](Book& b) { b.book.SetEnabled(b.IdOf("daily"), true); }, false},
        {"checking suspended and resumed", [](Book& b) { (void)b.book.SuspendChecking(); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Book b(Damaged());
        ASSERT_TRUE(b.Load());
        c.act(b);
        EXPECT_EQ(b.changes > 0, c.counts) << "the view is told";
        ASSERT_TRUE(b.book.Save());
        EXPECT_EQ(b.storage.writes, c.counts ? 1 : 0);
        if (c.counts) {
            EXPECT_EQ(b.storage.damagedCopy, Damaged()) << "the damaged bytes are kept first";
            EXPECT_EQ(b.storage.stored, EncodeAlarms(b.book.Alarms()));
            EXPECT_TRUE(b.book.Save());
            EXPECT_EQ(b.storage.writes, 2) << "from then on saves write as always";
        } else {
            EXPECT_EQ(b.storage.stored, Damaged());
            EXPECT_FALSE(b.storage.damagedCopy);
        }
    }
}

// Options that cannot be read whole are told once at the load and copied as
// they are by the first save, which then writes them whole.
TEST_F(AlarmBookTest, DamagedOptionsAreToldAndCopiedOnce) {
    Book first(Encoded({Fields("tea", kNow + 1)}));
    ASSERT_FALSE(first.Load());
    const Bytes whole = EncodeAlarmOptions(first.book.Alarms());
    const std::tuple<Bytes, bool, bool> cases[] = {
        // options, stored as another type, damaged
        {whole, false, false}, {Bytes(whole.begin(), whole.end() - 1), false, true}, {{}, true, true}};
    for (const auto& [options, unreadable, damaged] : cases) {
        Book b(Encoded({Fields("tea", kNow + 1)}));
        b.storage.options = options;
        b.storage.optionsUnreadable = unreadable;
        int told = 0;
        b.book.onOptionsDamaged = [&] { ++told; };
        ASSERT_FALSE(b.Load());
        ASSERT_TRUE(b.book.Save() && b.book.Save());
        EXPECT_EQ(told, damaged ? 1 : 0);
        EXPECT_EQ(b.storage.damagedOptionsCopies, damaged ? std::vector<Bytes>{options} : std::vector<Bytes>{});
        EXPECT_EQ(b.storage.options, whole);
    }
}

TEST_F(AlarmBookTest, ASaveThatCannotBeStoredLeavesTheStoredValue) {
    Book b;
    ASSERT_FALSE(b.Load());
    b.storage.reachable = false;
    EXPECT_FALSE(b.book.Save()) << "the key cannot be opened";
    b.storage.reachable = true;
    EXPECT_TRUE(b.book.Save());
    const Bytes stored = b.storage.stored;

    // Larger than the clock stores: refused, with the stored value as it was.
    AlarmFields big = Fields("big", kNow + 1);
    big.reminder.assign(kMaxAlarmsValueBytes, 'x');
    b.book.Add(big);
    EXPECT_THROW((void)b.book.Save(), std::length_error);
    EXPECT_EQ(b.storage.stored, stored);
    b.book.Delete(b.IdOf("big"));
    EXPECT_TRUE(b.book.Save());
    EXPECT_EQ(b.storage.stored, Encoded({}));
}

TEST_F(AlarmBookTest, TheCheckWaitsForTheLoadAndStartAndPausesWhileSuspended) {
    {
        Book early(Encoded({Fields("due", kNow)}));
        early.book.SetReminders(&early.reminders);
        early.book.StartChecking();
        EXPECT_FALSE(early.book.Checking()) << "started, but not before the load";
    }
    Book b(Encoded({Fields("due", kNow)}));
    AlarmBook& book = b.book;
    Reminders& reminders = b.reminders;
    book.SetReminders(&reminders);
    book.CheckAlarms();
    ASSERT_FALSE(book.Load());
    book.CheckAlarms();
    EXPECT_TRUE(reminders.open.empty()) << "nothing before StartChecking";
    book.StartChecking();
    {
        const AlarmBook::Suspension editor = book.SuspendChecking();
        {
            const AlarmBook::Suspension another = book.SuspendChecking();
        }
        book.CheckAlarms();
        EXPECT_FALSE(book.Checking());
        EXPECT_TRUE(reminders.open.empty()) << "nothing while an editor is open";
    }
    EXPECT_TRUE(book.Checking());
    book.CheckAlarms();
    EXPECT_EQ(reminders.open.size(), 1u) << "the alarm due meanwhile fires at the first check after";
}

// The check never throws: a reminder that cannot be made leaves its alarm due
// and is reported once, until a reminder is made again.
TEST_F(AlarmBookTest, AReminderThatCannotBeMadeIsReportedOnce) {
    Book b;
    AlarmBook& book = b.book;
    Reminders& reminders = b.reminders;
    ASSERT_FALSE(b.Load());
    std::vector<std::string> reports;
    book.onReminderFailed = [&](const std::string& message) { reports.push_back(message); };
    const AlarmId due = book.Add(Fields("due", kNow));
    reminders.fail = true;
    for (int tick = 0; tick < 3; ++tick) EXPECT_NO_THROW(book.CheckAlarms());
    EXPECT_EQ(reports, std::vector<std::string>{"no window"});
    EXPECT_FALSE(book.Find(due)->triggered);

    reminders.fail = false;
    book.CheckAlarms();
    EXPECT_TRUE(book.Find(due)->triggered);
    reminders.open.back().PressOk();  // No repeat: disabled
    book.Add(Fields("later", kNow));
    reminders.fail = true;
    book.CheckAlarms();
    book.CheckAlarms();
    EXPECT_EQ(reports.size(), 2u) << "a new failure after a reminder was made is told again";
}

// Editing ends an open trigger first; commands on an alarm that is gone do nothing.
TEST_F(AlarmBookTest, CommandsEndAnOpenTriggerFirstAndIgnoreAlarmsThatAreGone) {
    Book b;
    AlarmBook& book = b.book;
    ASSERT_FALSE(b.Load());
    const AlarmId once = book.Add(Fields("once", kNow, DeleteAfterTrigger));
    const AlarmId daily = book.Add(Fields("daily", kNow - 0.5, Daily));
    const AlarmId gone = book.Add(Fields("gone", kNow, DeleteAfterTrigger));
    book.CheckAlarms();
    ASSERT_EQ(b.reminders.open.size(), 3u);

    // Opened for editing: the reminder closes as with OK; a delete-after-trigger
    // alarm survives as a disabled "No repeat" alarm.
    const std::optional<AlarmFields> edited = book.OpenForEdit(once);
    ASSERT_TRUE(edited);
    EXPECT_FALSE(book.Find(once)->triggered);
    EXPECT_EQ(edited->repeat, NoRepeat);
    EXPECT_FALSE(edited->enabled);

    // Switched off: closed as with OK, advanced by its interval, and off.
    book.SetEnabled(daily, false);
    EXPECT_FALSE(book.Find(daily)->triggered);
    EXPECT_DOUBLE_EQ(book.Find(daily)->dateTime, kNow + 0.5);
    EXPECT_FALSE(book.Find(daily)->enabled);

    // Deleted while its reminder is open: closed, and the alarm is gone.
    book.Delete(gone);
    EXPECT_EQ(b.Names(), (std::vector<std::string>{"once", "daily"}));
    EXPECT_FALSE(book.OpenForEdit(gone));
    EXPECT_FALSE(book.Update(gone, Fields("back", kNow)));
    book.Delete(gone);
    book.SetEnabled(gone, true);
    EXPECT_EQ(b.Names(), (std::vector<std::string>{"once", "daily"}));
}

}  // namespace
}  // namespace quorvel
