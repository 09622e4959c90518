// `menu_`, the clock's pop-up menu, with the keyboard shortcuts of its items.
// Each item is an action (ui::Action) that the clock window routes; each item's
// shortcut is shown beside its caption, and the same shortcuts form the clock
// window's accelerator table.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "ui/action.h"
#include "ui/handle.h"

namespace quorvel {

namespace ui {
class Window;
}

// Command identifiers of the menu items (WM_COMMAND).
enum ClockCommand : UINT {
    kAlarmsCommand = 101,
    kCalendarCommand,
    kHideCommand,
    kAboutCommand,
    kExitCommand,
    kSeparator,
    kPropertiesCommand,
    kClickThroughCommand,
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

// The menu's first line, greyed: the next alarm due ("Next: Standup at 10:42 AM").
inline constexpr UINT kNextAlarmLine = 119;

// A shortcut as the menu shows it: "F10", "Ctrl+S", "Ctrl+F4".
std::string ShortcutText(WORD shortcut);

class ClockMenu {
public:
    ClockMenu();

    HMENU Handle() const { return menu_.Get(); }

    // What an item does; a "Remind me in" item, with its minutes.
    void OnCommand(ClockCommand id, std::function<void()> handler);
    void OnRemindMe(std::function<void(int minutes)> handler);

    // The items' shortcuts as an accelerator table.
    ui::Accelerators Shortcuts() const;
    // The window whose accelerators are the menu's shortcuts and which routes
    // the items' commands; it must outlive the menu's use.
    void AttachTo(ui::Window& window);

    // The caption as set, translated, without the shortcut ("Hide", "&Show").
    const std::string& Caption(ClockCommand id) const;
    void SetCaption(ClockCommand id, std::string caption);
    // The check mark beside an item.
    void SetChecked(ClockCommand id, bool checked);
    // The first line's text.
    void SetNextAlarm(const std::string& text);

    // Opens the menu at a screen point for `owner`, which routes the chosen
    // command. Returns when the menu has closed.
    void Popup(ui::Window& owner, POINT screen) const;

private:
    static constexpr std::size_t kItemCount = kClickThroughCommand - kAlarmsCommand + 1;

    ui::Menu menu_;
    std::array<std::unique_ptr<ui::Action>, kItemCount> items_;
    std::array<std::unique_ptr<ui::Action>, std::size(kRemindMeMinutes)> remindMe_;
    std::array<std::string, kItemCount> captions_;
};

}  // namespace quorvel
