// What the alarms window needs of the alarm editor: one modal edit of an alarm.
// Tests give the alarms window an editor of their own through it.
#pragma once

#include "alarms/alarm.h"

namespace quorvel {

class AlarmEditing {
public:
    // Runs the editor on the alarm while alarm checking is suspended; true when
    // the user closed it with OK (the alarm then holds the edited values),
    // false otherwise (the alarm as it was when the editor opened).
    virtual bool EditAlarm(Alarm& alarm) = 0;

protected:
    ~AlarmEditing() = default;
};

}  // namespace quorvel
