// `menu_`, the clock window's pop-up menu, with the keyboard shortcuts of its items.
// Each item's shortcut is shown beside its caption, and the same shortcuts form
// an accelerator table that the clock window applies while it has the focus.
#pragma once

#include <windows.h>

#include <span>
#include <string>

#include "ui/handle.h"

namespace quorvel {

// Command identifiers of the menu items (WM_COMMAND).
enum ClockCommand : UINT {
    kAlarmsCommand = 101,
    kCalendarCommand,
    kHideCommand,
    kAboutCommand,
    kExitCommand,
    kSeparator,
    kPropertiesCommand,
};

struct ClockMenuItem {
    ClockCommand id;
    const char* caption;  // "-" is a separator line
    WORD shortcut;        // virtual-key code, +16384 with Ctrl; 0 for none
};

// The items in menu order.
std::span<const ClockMenuItem> ClockMenuItems();

// "Remind me in", the submenu below "Alarms/reminders": each item adds a
// one-time reminder that many minutes from now.
inline constexpr UINT kRemindMeFirstCommand = 120;
inline constexpr int kRemindMeMinutes[] = {5, 10, 15, 30, 60};
// The minutes of a "Remind me in" command; 0 for another command.
int RemindMeMinutes(UINT command);

// A shortcut as the menu shows it: "F10", "Ctrl+S", "Ctrl+F4".
std::string ShortcutText(WORD shortcut);

class ClockMenu {
public:
    ClockMenu();

    HMENU Handle() const { return menu_.Get(); }
    HACCEL Accelerators() const { return accelerators_.Get(); }

    // The caption as set, without the shortcut ("Hide", "&Show").
    const std::string& Caption(ClockCommand id) const;
    void SetCaption(ClockCommand id, std::string caption);

    // Opens the menu at a screen point for `owner`, which receives the chosen
    // command as WM_COMMAND. Returns when the menu has closed.
    void Popup(HWND owner, int x, int y) const;

private:
    ui::Menu menu_;
    ui::Accelerators accelerators_;
    std::string captions_[kPropertiesCommand - kAlarmsCommand + 1];
};

}  // namespace quorvel
