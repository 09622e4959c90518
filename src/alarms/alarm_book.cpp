#include "alarms/alarm_book.h"

#include <exception>
#include <stdexcept>

#include "alarms/alarm_codec.h"

namespace quorvel {

AlarmBook::AlarmBook(AlarmStorage& storage) : storage_(storage) {
    list_.onChanged = [this] { Changed(); };
}

AlarmBook::~AlarmBook() { list_.onChanged = nullptr; }

// ---- Storage ----------------------------------------------------------------

std::optional<std::string> AlarmBook::Load() {
    loaded_ = true;
    changed_ = false;
    keepStored_ = false;
    keepOptions_ = false;
    std::optional<std::string> failure;
    AlarmStorage::Stored stored;
    try {
        stored = storage_.Read();
        keepStored_ = stored.found == AlarmStorage::Found::Unreachable;
        if (stored.found == AlarmStorage::Found::Bytes) DecodeAlarms(stored.bytes, list_);
    } catch (const std::exception& e) {
        keepStored_ = true;
        failure = e.what();
    }
    // Also for the alarms of a list read in part: each option matches its alarm.
    keepOptions_ = !ApplyAlarmOptions(stored.options, list_) || stored.optionsUnreadable;
    if (keepOptions_ && onOptionsDamaged) onOptionsDamaged();
    return failure;
}

bool AlarmBook::Save() {
    if (KeepsStoredValue()) return true;
    const std::vector<std::uint8_t> bytes = EncodeAlarms(list_);
    if (bytes.size() > kMaxAlarmsValueBytes) {
        throw std::length_error("The alarm list takes " + std::to_string(bytes.size()) +
                                " bytes, more than the " + std::to_string(kMaxAlarmsValueBytes) +
                                " that can be stored; delete some alarms or shorten their texts");
    }
    // Throws when the stored value cannot be read: then nothing is written over it.
    if (keepStored_) storage_.KeepDamagedCopy(AlarmStorage::Part::Alarms);
    if (keepOptions_) storage_.KeepDamagedCopy(AlarmStorage::Part::Options);
    if (!storage_.Write(bytes, EncodeAlarmOptions(list_))) return false;
    keepStored_ = false;
    keepOptions_ = false;
    return true;
}

// ---- Changes ------------------------------------------------------------------

void AlarmBook::Changed() {
    changed_ = true;
    onChanged.Notify();
}

AlarmId AlarmBook::Add(const AlarmFields& fields) {
    Alarm& alarm = list_.AddAlarm();
    static_cast<AlarmFields&>(alarm) = fields;
    Changed();
    return alarm.Id();
}

Alarm* AlarmBook::EndOpenTrigger(AlarmId id, bool deleteAlarm) {
    Alarm* alarm = list_.Find(id);
    if (!alarm || !alarm->triggered) return alarm;
    alarm->CloseReminder(factory_, deleteAlarm);
    return list_.Find(id);
}

std::optional<AlarmFields> AlarmBook::OpenForEdit(AlarmId id) {
    const Alarm* alarm = EndOpenTrigger(id, false);
    if (!alarm) return std::nullopt;
    return alarm->Fields();
}

bool AlarmBook::Update(AlarmId id, const AlarmFields& fields) {
    // Fired after it was opened for editing: the edit replaces that trigger.
    Alarm* alarm = EndOpenTrigger(id, false);
    if (!alarm) return false;
    const bool changed = !alarm->SameAs(fields);
    static_cast<AlarmFields&>(*alarm) = fields;
    alarm->ClearSnoozeMemory();
    if (changed) Changed();
    return true;
}

void AlarmBook::Delete(AlarmId id) {
    if (!list_.Find(id)) return;
    // An open trigger closes as with OK, and its close processing deletes the alarm.
    if (Alarm* alarm = EndOpenTrigger(id, true)) alarm->Destroy();
    Changed();
}

void AlarmBook::SetEnabled(AlarmId id, bool enabled) {
    Alarm* alarm = EndOpenTrigger(id, false);
    if (!alarm) return;
    const bool changed = alarm->enabled != enabled;
    alarm->enabled = enabled;
    alarm->ClearSnoozeMemory();
    if (changed) Changed();
}

// ---- Checking -------------------------------------------------------------------

void AlarmBook::StartChecking() {
    started_ = true;
    UpdateArmed();
}

void AlarmBook::UpdateArmed() { list_.armed = loaded_ && started_ && suspensions_ == 0; }

AlarmBook::Suspension AlarmBook::SuspendChecking() {
    ++suspensions_;
    UpdateArmed();
    return Suspension(*this);
}

AlarmBook::Suspension::~Suspension() {
    if (!book_) return;
    --book_->suspensions_;
    book_->UpdateArmed();
}

ReminderLink& AlarmBook::CountingFactory::CreateReminder() {
    ReminderLink& reminder = book_.reminders_->CreateReminder();
    book_.reminderFailing_ = false;
    return reminder;
}

ReminderLink* AlarmBook::CountingFactory::OpenReminderOf(AlarmId alarm) {
    return book_.reminders_ ? book_.reminders_->OpenReminderOf(alarm) : nullptr;
}

void AlarmBook::CheckAlarms() {
    if (!reminders_) return;
    try {
        list_.CheckAlarms(factory_);
    } catch (const std::exception& e) {
        // Reported after the check has ended: a message box's own loop may run
        // further ticks, which find the failure reported already.
        if (!std::exchange(reminderFailing_, true) && onReminderFailed) onReminderFailed(e.what());
    }
}

}  // namespace quorvel
