// AlarmBook: the program's alarms for the whole run. It owns the list, reads
// it from its storage once and writes it back, runs the check of every clock
// tick, suspends that check while an editor is open, and tells its view after
// every change. Windows show and edit the list only through it.
//
//   RegistryAlarmStorage storage;
//   AlarmBook book(storage);
//   if (auto failure = book.Load()) ShowTheFailure(*failure);
//   book.StartChecking();
//   ... book.CheckAlarms() at every tick, book.Save() with the settings ...
//
// A load that failed leaves the stored value as the only full copy of the
// user's alarms, so saves leave it alone until the list changes; the first save
// after a change first copies the stored value, bytes and type as they are, to
// "AlarmsDamaged" (which the program never reads), then writes the list.
// Options that could not be read whole are kept the same way, in
// "AlarmOptionsDamaged", by the first save that writes over them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "alarms/alarm.h"
#include "core/listeners.h"

namespace quorvel {

// The largest "Alarms" value the program writes (8 MiB, some 300,000 alarms of
// everyday length). quorvel-cli reads values up to the same size, so whatever
// the clock stores, the tool reads back.
inline constexpr std::size_t kMaxAlarmsValueBytes = 8 * 1024 * 1024;

// What the user is told once when the stored options could not be read whole.
inline constexpr const char* kDamagedOptionsMessage =
    "Some alarm options could not be read and are back to their defaults. The stored options are kept in the "
    "registry as AlarmOptionsDamaged.";

// Where the list is kept between runs: the alarm bytes, and beside them the
// alarms' options (alarm_options.h). Failures are thrown as std::exception
// whose message the user may see.
class AlarmStorage {
public:
    enum class Found {
        Nothing,      // no key or no value: no alarms stored
        Bytes,        // the stored bytes
        Unreachable,  // a key that is there but cannot be opened
    };
    struct Stored {
        Found found = Found::Nothing;
        std::vector<std::uint8_t> bytes;
        std::vector<std::uint8_t> options;  // empty when there are none or they cannot be read
        bool optionsUnreadable = false;     // options are there, but not as bytes
    };
    // The two stored values.
    enum class Part { Alarms, Options };

    // Throws for an alarm value that cannot be read as bytes (a text or number
    // type, a failed read); options that cannot be read are left out.
    virtual Stored Read() = 0;
    // Replaces the stored alarms, then their options. False when the key can be
    // neither opened nor created (nothing is stored); throws when a write is
    // refused.
    [[nodiscard]] virtual bool Write(std::span<const std::uint8_t> bytes, std::span<const std::uint8_t> options) = 0;
    // Copies the stored value of the part, of whatever type, to its
    // damaged-copy value with its bytes and type unchanged; nothing when none
    // is stored. Throws when it cannot be read or written.
    virtual void KeepDamagedCopy(Part part) = 0;

protected:
    ~AlarmStorage() = default;
};

class AlarmBook {
public:
    explicit AlarmBook(AlarmStorage& storage);
    ~AlarmBook();
    AlarmBook(const AlarmBook&) = delete;
    AlarmBook& operator=(const AlarmBook&) = delete;

    // ---- Storage ----

    // Reads the stored list, once, at start, and gives the alarms their stored
    // options. A failure keeps the alarms read so far (see DecodeAlarms) and
    // gives the failure's message; so does a key that is there but cannot be
    // opened (with no message). Saves then leave the stored value alone until
    // the list changes. Options that do not match their alarms never stop a
    // load; options that cannot be read whole are told to onOptionsDamaged,
    // once, at the end of the load (kDamagedOptionsMessage says it to the user).
    std::optional<std::string> Load();
    std::function<void()> onOptionsDamaged;
    // Writes the list unless there is nothing to write: before Load (nothing
    // was read, so writing would lose what is stored) and while a failed load's
    // value is kept. False when the storage's key cannot be opened or created;
    // throws when the write is refused or the list is larger than
    // kMaxAlarmsValueBytes (then the stored value stays as it was).
    [[nodiscard]] bool Save();
    // Whether saves leave the stored value alone.
    bool KeepsStoredValue() const { return !loaded_ || (keepStored_ && !changed_); }

    // ---- The list, for views ----

    const AlarmList& Alarms() const { return list_; }
    Alarm* Find(AlarmId id) const { return list_.Find(id); }

    // ---- Changes (each one tells onChanged) ----

    // Adds a confirmed alarm at the end of the list.
    AlarmId Add(const AlarmFields& fields);
    // The fields to edit. An open trigger of the alarm ends first, as with OK
    // (a delete-after-trigger alarm survives as "No repeat"), so the fields are
    // those of the re-armed alarm. Nothing when the list no longer holds it.
    std::optional<AlarmFields> OpenForEdit(AlarmId id);
    // Writes the edited fields; an edit sets a new schedule, so a snooze's
    // remembered one is forgotten. False when the alarm is gone. An edit that
    // changes no field is no change.
    bool Update(AlarmId id, const AlarmFields& fields);
    // Deletes the alarm, ending its open trigger as with OK first.
    void Delete(AlarmId id);
    // Switches the alarm on or off, ending its open trigger as with OK first
    // (which re-arms it by its kind before the new state is set).
    void SetEnabled(AlarmId id, bool enabled);

    // Told after every change of the list: a change above, or the end of a
    // trigger (re-arming, snoozing, an alarm deleted after its trigger).
    Listeners onChanged;

    // ---- Checking ----

    // Where firing alarms get their reminder windows; not owned. Without one
    // the check does nothing. The book outlives the reminders' windows (they
    // look their alarms up in its list).
    void SetReminders(ReminderFactory* reminders) { reminders_ = reminders; }
    // Lets the check run, once the list has been loaded.
    void StartChecking();
    // Fires every due alarm, in list order (AlarmList::CheckAlarms). When a
    // reminder window cannot be made, the check ends and its alarm stays due for
    // the next tick; onReminderFailed is told once, and again only after a
    // reminder has been made since.
    void CheckAlarms();
    bool Checking() const { return list_.armed; }
    std::function<void(const std::string& message)> onReminderFailed;

    // The check does nothing while a Suspension lives (an editor is open).
    class [[nodiscard]] Suspension {
    public:
        Suspension(Suspension&& other) noexcept : book_(std::exchange(other.book_, nullptr)) {}
        Suspension(const Suspension&) = delete;
        Suspension& operator=(const Suspension&) = delete;
        Suspension& operator=(Suspension&&) = delete;
        ~Suspension();

    private:
        friend class AlarmBook;
        explicit Suspension(AlarmBook& book) : book_(&book) {}
        AlarmBook* book_;
    };
    Suspension SuspendChecking();

private:
    // Makes reminders through reminders_, noting each one made.
    class CountingFactory final : public ReminderFactory {
    public:
        explicit CountingFactory(AlarmBook& book) : book_(book) {}
        ReminderLink& CreateReminder() override;
        ReminderLink* OpenReminderOf(AlarmId alarm) override;

    private:
        AlarmBook& book_;
    };

    void Changed();
    void UpdateArmed();
    // Ends the alarm's open trigger, if any, as its OK does (see
    // Alarm::CloseReminder); the alarm afterwards, nullptr once it is gone.
    Alarm* EndOpenTrigger(AlarmId id, bool deleteAlarm);

    AlarmStorage& storage_;
    AlarmList list_;
    CountingFactory factory_{*this};
    ReminderFactory* reminders_ = nullptr;
    bool loaded_ = false;       // Load has run
    bool keepStored_ = false;   // the load failed: the stored value is the only full copy
    bool keepOptions_ = false;  // the stored options were damaged: copied before they are written over
    bool changed_ = false;      // the list changed since the load
    bool started_ = false;      // StartChecking has run
    int suspensions_ = 0;
    bool reminderFailing_ = false;  // a failure was reported and no reminder was made since
};

}  // namespace quorvel
