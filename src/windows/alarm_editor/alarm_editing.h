// What the alarms window needs of the alarm editor: one modal edit of an
// alarm's fields. Tests give the alarms window an editor of their own through it.
#pragma once

#include "alarms/alarm.h"

namespace quorvel {

class AlarmEditing {
public:
    // Runs the editor on a draft of an alarm's fields; true when the user
    // closed it with OK (the draft then holds the edited values), false
    // otherwise (the draft as it was). The caller suspends alarm checking and
    // decides what the draft becomes.
    virtual bool EditAlarm(AlarmFields& draft) = 0;

protected:
    ~AlarmEditing() = default;
};

}  // namespace quorvel
