// The settings window's chime controls: how often it chimes (off, every hour,
// half hour or quarter hour), whether the hour is struck, the quiet hours (in
// half hours as 24-hour times, a stored other minute among them) and the sound file, with a
// browser and a button to hear it. They show a ChimeSettings and tell every
// change the user makes.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "core/chime.h"
#include "ui/controls/button.h"
#include "ui/controls/check_box.h"
#include "ui/controls/combo_box.h"
#include "ui/controls/edit_box.h"

namespace quorvel {

class ChimeControls {
public:
    struct Handles {
        HWND interval, strike, quietFrom, quietTo, sound, browse, hear;
    };
    void Attach(const Handles& handles);
    // Shows the settings; tells no change.
    void Fill(const ChimeSettings& settings);
    ChimeSettings Picked() const;
    void SetEnabled(bool enabled);

    std::function<void()> onChange;  // the user changed a setting
    std::function<void()> onHear;    // the button to hear it

private:
    void FillQuiet(ui::ComboBox& list, std::vector<int>& minutes, int value);
    void Changed();
    void OnBrowse();

    ui::ComboBox interval_;
    ui::CheckBox strike_;
    ui::ComboBox quietFrom_;
    ui::ComboBox quietTo_;
    ui::EditBox sound_;
    ui::Button browse_;
    ui::Button hear_;
    std::vector<int> fromMinutes_, toMinutes_;  // the quiet lists' minutes, item by item
    bool filling_ = false;
};

}  // namespace quorvel
