// The editor's "Remind before" list and "Wake the computer" box: the lead of
// an alarm's advance reminder (none, 5, 10, 15 or 30 minutes, 1 or 2 hours,
// 1 day, or the alarm's own stored lead among them) and its wake option.
#pragma once

#include <windows.h>

#include <vector>

#include "alarms/alarm_options.h"
#include "ui/controls/check_box.h"
#include "ui/controls/combo_box.h"

namespace quorvel {

class EarlyWarningControls {
public:
    void Attach(HWND remindList, HWND wakeCheck);
    void Fill(const AlarmOptions& options);
    // Writes the chosen lead and wake option into `options`.
    void Pick(AlarmOptions& options) const;

private:
    ui::ComboBox remindList_;
    ui::CheckBox wakeCheck_;
    std::vector<int> leads_;  // the list's leads in minutes, item by item; 0 is none
};

}  // namespace quorvel
