// One alarm and the list that owns all of them: fields and defaults, firing,
// what happens after an alarm has fired (re-arming, snoozing), and ending a
// trigger from outside its reminder window.
//
// Reminders name their alarm by AlarmId and look it up in its list when they
// close, so an alarm deleted meanwhile is simply not found. The list outlives
// the reminders of its alarms.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "alarms/alarm_options.h"
#include "core/date_time.h"

namespace quorvel {

// What happens to an alarm after it has fired. The value is also the index of
// its caption in the editor's repeat list. Stored data may carry any byte, so a
// variable of this type can hold values above Annually.
enum class RepeatKind : std::uint8_t {
    NoRepeat = 0,
    DeleteAfterTrigger = 1,
    Each5Minutes = 2,
    Each10Minutes = 3,
    Each30Minutes = 4,
    Hourly = 5,
    Daily = 6,
    Weekly = 7,
    Monthly = 8,
    Annually = 9,
};

inline constexpr int kRepeatKindCount = 10;

// "No repeat" ... "Annualy" (sic: the caption users know); empty above Annually.
std::string_view RepeatKindCaption(RepeatKind kind);

class Alarm;
class AlarmList;

// Names one alarm for the whole run, however the list changes around it; never
// reused, so a name kept after its alarm went finds nothing.
using AlarmId = std::uint64_t;

// The reminder window of one trigger, as the alarms see it.
class ReminderLink {
public:
    // Starts the trigger: shows the text, plays the sound or beeps. Never ends
    // it before returning: a trigger that is over at once (an alarm with neither
    // text nor sound) ends from the event loop, so the check that fired it goes
    // on over an unchanged list.
    virtual void ShowAlarm(Alarm& alarm) = 0;
    // Closes the window exactly as the user's OK does; its close processing ends
    // the trigger (Alarm::EndTrigger), which may destroy the alarm.
    virtual void PressOk() = 0;

protected:
    ~ReminderLink() = default;
};

// Makes the reminder windows of firing alarms and knows the open ones.
class ReminderFactory {
public:
    // A new reminder window with no owner, not yet started. Throws when the
    // window cannot be made.
    virtual ReminderLink& CreateReminder() = 0;
    // The window of the alarm's current trigger while it is open (its close
    // processing has not run), else nullptr.
    virtual ReminderLink* OpenReminderOf(AlarmId alarm) = 0;

protected:
    ~ReminderFactory() = default;
};

// What is stored of an alarm, and what an editor edits: a plain value, so an
// alarm being made or edited is a draft that no list holds until it is confirmed.
// The fields every check reads come first (see Alarm).
struct AlarmFields {
    bool enabled = true;
    RepeatKind repeat = RepeatKind::NoRepeat;
    DateTime dateTime = 0.0;      // the next moment it comes due
    std::string name = "Noname";  // UTF-8
    std::string sound;            // full path of the sound file, UTF-8; empty: none
    std::string reminder;         // lines separated by CR LF, UTF-8; empty: none
    AlarmOptions options;         // stored beside the alarm bytes (alarm_options.h)

    // Field by field; two NaN moments (damaged data) count as equal.
    bool SameAs(const AlarmFields& other) const;
};

// The fields of a new alarm: "Noname", enabled, due one minute after `now`,
// no sound, no reminder text, "No repeat".
AlarmFields NewAlarmFields(DateTime now);
// A one-time reminder `minutes` after `now`: "Timer", with the text
// "N minutes are up", deleted after its trigger.
AlarmFields TimerAlarm(int minutes, DateTime now);
// The repeat as people read it: its caption, with the days of a Daily alarm
// that leaves some out ("Daily (Mon-Fri)"); "Unknown (N)" for a kind beyond
// the list, which only damaged stored data carries.
std::string RepeatDescription(const AlarmFields& alarm);

// What an alarm has only while the program runs, never stored.
struct AlarmTrigger {
    // True from firing until the reminder window's close processing has run.
    bool triggered = false;
    // Due again by a Snooze rather than by its schedule, until it next fires or is edited.
    bool dueBySnooze = false;
};

// One alarm. Created only by AlarmList::AddAlarm and owned by that list. The
// check of every tick reads `triggered`, `enabled` and `dateTime` of every
// alarm: they lie together at its start, in one cache line.
class Alarm : public AlarmTrigger, public AlarmFields {
public:
    Alarm(const Alarm&) = delete;
    Alarm& operator=(const Alarm&) = delete;

    AlarmId Id() const { return id_; }
    const AlarmFields& Fields() const { return *this; }
    // The list that owns the alarm.
    AlarmList& List() const { return *collection_; }
    // Position in the list, 0-based.
    std::size_t Index() const;

    // Starts a trigger unless one is under way: marks the alarm triggered and
    // hands it to a new reminder window. The alarm is still in its list, and
    // still triggered, when this returns.
    void Fire(ReminderFactory& reminders);

    // Moves the alarm on after a trigger that ended without Snooze, by its
    // repeat kind, then tells the list (onChanged). DeleteAfterTrigger
    // destroys the alarm: nothing may touch it after this call.
    void Rearm();

    // The alarm's side of a reminder window's close processing: clears the
    // trigger, then snoozes (now + `snoozeMinutes`, or its own snooze length
    // for 0) or re-arms. May destroy the alarm.
    //
    // A repeating alarm keeps its schedule through snoozes: the first snooze
    // remembers (in memory only) the moment it was due, and a later trigger
    // that ends without Snooze moves it to the first moment of that schedule
    // after the snoozed one, instead of stepping from the snoozed moment. A
    // trigger fired once for missed moments (IfMissed::Once) moves it to its
    // first moment after now.
    void EndTrigger(bool snoozed, int snoozeMinutes = 0);

    // A due alarm, before it fires at `now`: a Daily alarm on a day it leaves
    // out moves to its next chosen day, and missed moments (due more than a
    // minute late) are dealt with by its IfMissed rule. True when it is to fire
    // now; `moved` tells that its moment or state changed.
    bool PrepareToFire(DateTime now, bool& moved);

    // Forgets the schedule remembered by a snooze. Any edit of the alarm calls
    // it: the edited alarm's own DateTime and repeat kind are its schedule.
    void ClearSnoozeMemory() {
        dueBeforeSnooze_.reset();
        dueBySnooze = false;
    }

    // Ends the current trigger from outside the reminder window, keeping the
    // alarm (a delete-after-trigger alarm becomes "No repeat") or deleting it:
    // presses OK in the open window `reminders` has for it, or, without one,
    // ends the trigger as OK would. Only for a triggered alarm. May destroy the
    // alarm.
    void CloseReminder(ReminderFactory& reminders, bool deleteAlarm);

    // Removes the alarm from its list and destroys it.
    void Destroy();

private:
    friend class AlarmList;
    friend struct std::default_delete<Alarm>;

    Alarm(AlarmList& owner, AlarmId id) : id_(id), collection_(&owner) {}
    ~Alarm() = default;

    // Adds an interval in extended precision, stored as a double.
    void Advance(long double days);
    void AdvanceOneYear();
    // One interval of a repeating kind (a Daily one to its next chosen day);
    // false for kinds that do not repeat.
    bool StepBySchedule();
    // A Daily alarm dated on a day it leaves out: on, day by day, to the next chosen one.
    void StepToChosenDay();
    // By schedule to its first moment after `moment`.
    void StepPast(DateTime moment);
    // After a snoozed trigger: the remembered moment stepped past the snoozed one.
    void ResumeSchedule(DateTime snoozedMoment);
    bool Repeating() const { return repeat >= RepeatKind::Each5Minutes && repeat <= RepeatKind::Annually; }

    AlarmId id_;
    AlarmList* collection_;
    std::optional<DateTime> dueBeforeSnooze_;
    bool catchUp_ = false;  // the open trigger stands for missed moments (IfMissed::Once)
};

// The ordered list of all alarms; it owns them.
class AlarmList {
public:
    AlarmList() = default;
    AlarmList(const AlarmList&) = delete;
    AlarmList& operator=(const AlarmList&) = delete;
    ~AlarmList();

    // Alarm checking does nothing while this is false.
    bool armed = false;

    // Called after the list changed by itself: a trigger ended (re-arming,
    // snoozing, an alarm deleted after its trigger), or the check moved an
    // alarm on without firing it.
    std::function<void()> onChanged;

    std::size_t Count() const { return items_.size(); }
    Alarm& operator[](std::size_t index) const { return *items_[index]; }

    // Appends an alarm with the values of a new alarm: "Noname", enabled, due
    // one minute from now, no sound, no reminder text, "No repeat".
    Alarm& AddAlarm();
    // The same with "now" read once by the caller, for a loader that creates
    // many alarms in one go.
    Alarm& AddAlarm(DateTime now);

    // Destroys the alarm at the index; the alarms behind it move up one place.
    void Delete(std::size_t index);
    void Clear();

    std::optional<std::size_t> IndexOf(const Alarm& alarm) const;
    // The alarm of that id while the list holds it, else nullptr.
    Alarm* Find(AlarmId id) const;

    // Fires every due alarm, in list order: enabled, not triggered, and its
    // DateTime not later than now (see Alarm::PrepareToFire for the days it
    // leaves out and missed moments). Does nothing while the list is not armed.
    // Firing removes no alarm (see ReminderLink::ShowAlarm). Allocates nothing
    // unless an alarm fires.
    void CheckAlarms(ReminderFactory& reminders);

private:
    friend class Alarm;

    void RemoveAt(std::size_t index);
    void NotifyChanged() const;

    std::vector<std::unique_ptr<Alarm>> items_;
    AlarmId nextId_ = 1;
};

}  // namespace quorvel
