// AdvanceReminders: the reminders an alarm gives ahead of its moment
// (AlarmOptions::remindBeforeMinutes). At each check, an alarm whose moment
// lies less than its lead ahead gets one advance reminder for that moment,
// showing its name, its text and when it is due; OK ends it, Snooze shows it
// again later, but never at or after the alarm's own moment. Answering it
// leaves the alarm as it is.
//
// One per moment: a repeating alarm gets one for each of its moments, a Daily
// one only on its chosen days. A moment already come (missed, or firing now)
// gets none, nor does the moment a Snooze set. An alarm created, moved or
// found at start less than its lead ahead gets it at once. An advance reminder
// whose moment no longer stands (the alarm fired, moved, went or was switched
// off) is closed unanswered.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "alarms/alarm.h"
#include "core/format/time_format.h"

namespace quorvel {

// Where advance reminders show; the reminder windows.
class NoticeBoard {
public:
    // Shows the alarm's advance reminder with the text, or gives the one shown
    // the new text. Throws when it cannot be shown.
    virtual void ShowNotice(AlarmId alarm, const std::string& text) = 0;
    // Closes the alarm's advance reminder unanswered; nothing when none shows.
    virtual void CloseNotice(AlarmId alarm) = 0;

protected:
    ~NoticeBoard() = default;
};

class AdvanceReminders {
public:
    // Both must outlive this.
    AdvanceReminders(const AlarmList& list, NoticeBoard& board);

    // The times in the texts follow the locale.
    void SetLocale(const FormatSettings& locale) { locale_ = locale; }
    // The list changed: the alarms to watch are gathered again at the next check.
    void ListChanged() { gathered_ = false; }

    // Shows, renews and closes advance reminders as of `now`. Costs one look
    // at each alarm that has a lead, none at the others.
    void Check(DateTime now);
    // The user's answer to the alarm's advance reminder: OK, or Snooze for
    // `minutes` (0: the alarm's own snooze length).
    void Answer(AlarmId alarm, bool snoozed, int minutes, DateTime now);

    // "Standup", "Due in 10 minutes, at 10:42 AM", then the alarm's text.
    static std::string NoticeText(const AlarmFields& alarm, DateTime due, DateTime now, const FormatSettings& locale);

private:
    enum class State { Shown, Snoozed, Answered };
    struct Notice {
        Notice(AlarmId id, DateTime moment) : alarm(id), due(moment) {}
        AlarmId alarm;
        DateTime due;  // the moment it is for
        State state = State::Shown;
        DateTime showAgain = 0;  // while snoozed
        std::string text;        // as shown
        bool seen = false;       // still wanted at this check
    };
    struct Watched {
        std::size_t index;
        AlarmId alarm;
    };

    void Gather();
    void CheckAlarm(const Alarm& alarm, DateTime now);
    Notice* Find(AlarmId alarm);
    void Show(Notice& notice, const Alarm& alarm, DateTime now);
    void Close(Notice& notice);

    const AlarmList& list_;
    NoticeBoard& board_;
    FormatSettings locale_;
    std::vector<Watched> watched_;  // alarms with a lead, by place in the list
    bool gathered_ = false;
    std::vector<Notice> notices_;
};

}  // namespace quorvel
