// One alarm and the list that owns all of them: fields and defaults, what
// happens after an alarm has fired (re-arming), ending a trigger from outside
// its reminder window, and a walk of the list that survives removals.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/date_time.h"

namespace quorvel {

// What happens to an alarm after it has fired. The value is also the index of
// its caption in the editor's repeat list. Stored data may carry any byte, so a
// variable of this type can hold values above rkAnnually.
enum class TRepeatKind : std::uint8_t {
    rkNoRepeat = 0,
    rkDeleteAfterTrigger = 1,
    rkEach5Minutes = 2,
    rkEach10Minutes = 3,
    rkEach30Minutes = 4,
    rkHourly = 5,
    rkDaily = 6,
    rkWeekly = 7,
    rkMonthly = 8,
    rkAnnually = 9,
};

inline constexpr int kRepeatKindCount = 10;

// "No repeat" ... "Annualy" (sic: the caption users know); empty above rkAnnually.
std::string_view RepeatKindCaption(TRepeatKind kind);

// What an alarm knows of the reminder window open for its current trigger.
class ReminderLink {
public:
    // Closes the window exactly as the user's OK does; its close processing ends
    // the trigger (Talarm::EndTrigger), which may destroy the alarm.
    virtual void PressOk() = 0;

protected:
    ~ReminderLink() = default;
};

class Talarms;

// One alarm. Created only by Talarms::AddAlarm and owned by that list.
class Talarm {
public:
    Talarm(const Talarm&) = delete;
    Talarm& operator=(const Talarm&) = delete;

    // Run-time only: true from firing until the reminder window has closed.
    bool Triggered = false;
    std::string Name = "Noname";  // UTF-8
    bool Enabled = true;
    TDateTime DateTime = 0.0;     // set by AddAlarm to now + 1 minute
    std::string Sound;            // full path of the sound file, UTF-8; empty: none
    std::string Reminder;         // lines separated by CR LF, UTF-8; empty: none
    TRepeatKind Repeat = TRepeatKind::rkNoRepeat;
    // Run-time only, not owned: the window of the current trigger.
    ReminderLink* ReminderWindow = nullptr;

    Talarms& Collection() const { return *collection; }
    // Position in the list, 0-based.
    std::size_t Index() const;

    // Moves the alarm on after a trigger that ended without Snooze, by its
    // repeat kind, then asks the list's window to refresh. rkDeleteAfterTrigger
    // destroys the alarm: nothing may touch it after this call.
    void Rearm();

    // The alarm's side of a reminder window's close processing: clears the
    // trigger, then snoozes (now + 5 minutes) or re-arms. May destroy the alarm.
    void EndTrigger(bool snoozed);

    // Ends the current trigger from outside the reminder window, keeping the
    // alarm (a delete-after-trigger alarm becomes "No repeat") or deleting it.
    // Only for a triggered alarm. May destroy the alarm.
    void CloseReminder(bool deleteAlarm);

    // Removes the alarm from its list and destroys it.
    void Destroy();

private:
    friend class Talarms;
    friend struct std::default_delete<Talarm>;

    explicit Talarm(Talarms& owner) : collection(&owner) {}
    ~Talarm() = default;

    // Adds an interval in extended precision, stored as a double.
    void Advance(long double days);
    void AdvanceOneYear();

    Talarms* collection;
};

// The ordered list of all alarms; it owns them.
class Talarms {
public:
    Talarms() = default;
    Talarms(const Talarms&) = delete;
    Talarms& operator=(const Talarms&) = delete;
    ~Talarms();

    // Alarm checking does nothing while this is false.
    bool Armed = false;

    // Called after re-arming or snoozing changed the list, so that the alarms
    // window can rebuild its table when it is visible.
    std::function<void()> RefreshIfVisible;

    std::size_t Count() const { return items.size(); }
    Talarm& operator[](std::size_t index) const { return *items[index]; }

    // Appends an alarm with the values of a new alarm: "Noname", enabled, due
    // one minute from now, no sound, no reminder text, "No repeat".
    Talarm& AddAlarm();
    // The same with "now" read once by the caller, for a loader that creates
    // many alarms in one go.
    Talarm& AddAlarm(TDateTime now);

    // Destroys the alarm at the index; the alarms behind it move up one place.
    void Delete(std::size_t index);
    void Clear();

    std::optional<std::size_t> IndexOf(const Talarm& alarm) const;

    // Visits the alarms in list order while they may be destroyed on the way
    // (firing can re-arm and delete alarms): an alarm removed during the walk
    // is not visited again, the walk goes on with the one that followed it, and
    // none is skipped or visited twice. Allocates nothing.
    class Walk {
    public:
        explicit Walk(Talarms& list);
        ~Walk();
        Walk(const Walk&) = delete;
        Walk& operator=(const Walk&) = delete;

        // The next alarm, or nullptr at the end.
        Talarm* Next();

    private:
        friend class Talarms;
        Talarms& list;
        std::size_t position = 0;  // index of the alarm Next hands out
        Walk* nextWalk = nullptr;  // intrusive chain of the list's open walks
    };

private:
    friend class Talarm;

    void RemoveAt(std::size_t index);
    void NotifyRefresh() const;

    std::vector<std::unique_ptr<Talarm>> items;
    Walk* walks = nullptr;
};

}  // namespace quorvel
