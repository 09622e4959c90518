#include "app/clock_menu.h"

#include <iterator>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/translation.h"
#include "core/wide.h"
#include "ui/popup_menu.h"
#include "ui/translated.h"
#include "ui/window.h"

namespace quorvel {
namespace {

constexpr WORD kCtrl = 16384;

constexpr ClockMenuItem kItems[] = {
    {kAlarmsCommand, N_("Alarms/reminders"), VK_F10},
    {kCalendarCommand, N_("Show calendar"), VK_F5},
    {kHideCommand, N_("Hide"), kCtrl + 'S'},
    {kAboutCommand, N_("About"), kCtrl + 'A'},
    {kExitCommand, N_("Exit"), kCtrl + VK_F4},
    {kSeparator, "-", 0},
    {kPropertiesCommand, N_("Properties"), kCtrl + 'P'},
    {kClickThroughCommand, N_("Click through"), 0},
};

// Each with an access key no other item shares.
constexpr const char* kRemindMeCaptions[] = {N_("&5 minutes"), N_("1&0 minutes"), N_("&15 minutes"),
                                             N_("&30 minutes"), N_("&60 minutes")};
static_assert(std::size(kRemindMeCaptions) == std::size(kRemindMeMinutes));

std::string ItemText(const std::string& caption, WORD shortcut) {
    return shortcut != 0 ? caption + "\t" + ShortcutText(shortcut) : caption;
}

WORD ShortcutOf(ClockCommand id) {
    for (const ClockMenuItem& item : kItems) {
        if (item.id == id) return item.shortcut;
    }
    return 0;
}

HMENU NewPopupMenu() {
    const HMENU menu = CreatePopupMenu();
    if (!menu) throw std::runtime_error(N_("Cannot create the pop-up menu"));
    return menu;
}

}  // namespace

std::span<const ClockMenuItem> ClockMenuItems() { return kItems; }

std::string ShortcutText(WORD shortcut) {
    const WORD code = shortcut & 0xFF;
    // Letters and digits are their own key codes.
    const std::string key = code >= VK_F1 && code <= VK_F24 ? "F" + std::to_string(code - VK_F1 + 1)
                                                            : std::string(1, static_cast<char>(code));
    // Translators: a keyboard shortcut beside a menu item; {0} is the key ("S", "F4").
    return (shortcut & kCtrl) ? FillIn(Translate("Ctrl+{0}"), {key}) : key;
}

ClockMenu::ClockMenu() : menu_(NewPopupMenu()) {
    for (const ClockMenuItem& item : kItems) {
        const std::size_t index = item.id - kAlarmsCommand;
        if (item.caption == std::string_view("-")) {
            captions_[index] = item.caption;
            AppendMenuW(menu_.Get(), MF_SEPARATOR, item.id, nullptr);
            continue;
        }
        captions_[index] = Translate(item.caption);
        items_[index] = std::make_unique<ui::Action>(item.id, ItemText(captions_[index], item.shortcut));
        items_[index]->AppendTo(menu_.Get());
    }
    const HMENU remindMe = NewPopupMenu();
    for (std::size_t i = 0; i < remindMe_.size(); ++i) {
        remindMe_[i] = std::make_unique<ui::Action>(static_cast<int>(kRemindMeFirstCommand + i),
                                                   std::string(Translate(kRemindMeCaptions[i])));
        remindMe_[i]->AppendTo(remindMe);
    }
    // Owned by the menu from here on, and destroyed with it.
    InsertMenuW(menu_.Get(), 1, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(remindMe),
                ui::TranslateWide(NW_("&Remind me in")).c_str());
    // The next alarm on top, above a line; it is information, never a command.
    InsertMenuW(menu_.Get(), 0, MF_BYPOSITION | MF_STRING | MF_GRAYED, kNextAlarmLine,
                Wide(Translate("No alarms")).c_str());
    InsertMenuW(menu_.Get(), 1, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
}

void ClockMenu::SetNextAlarm(const std::string& text) {
    // An alarm's "&" is shown, not taken as an access key.
    std::string shown;
    for (const char c : text) shown += c == '&' ? "&&" : std::string(1, c);
    ModifyMenuW(menu_.Get(), kNextAlarmLine, MF_BYCOMMAND | MF_STRING | MF_GRAYED, kNextAlarmLine, Wide(shown).c_str());
}

void ClockMenu::OnCommand(ClockCommand id, std::function<void()> handler) {
    if (auto& action = items_[id - kAlarmsCommand]) action->onExecute = std::move(handler);
}

void ClockMenu::OnRemindMe(std::function<void(int minutes)> handler) {
    for (std::size_t i = 0; i < remindMe_.size(); ++i) {
        remindMe_[i]->onExecute = [handler, minutes = kRemindMeMinutes[i]] { handler(minutes); };
    }
}

ui::Accelerators ClockMenu::Shortcuts() const {
    std::vector<ACCEL> accelerators;
    for (const ClockMenuItem& item : kItems) {
        if (item.shortcut == 0) continue;
        const BYTE flags = FVIRTKEY | ((item.shortcut & kCtrl) ? FCONTROL : 0);
        accelerators.push_back(ACCEL{flags, static_cast<WORD>(item.shortcut & 0xFF), static_cast<WORD>(item.id)});
    }
    return ui::Accelerators(CreateAcceleratorTableW(accelerators.data(), static_cast<int>(accelerators.size())));
}

void ClockMenu::AttachTo(ui::Window& window) {
    for (auto& action : items_) {
        if (action) window.AddAction(*action);
    }
    for (auto& action : remindMe_) window.AddAction(*action);
    window.SetAccelerators(Shortcuts());
}

const std::string& ClockMenu::Caption(ClockCommand id) const { return captions_[id - kAlarmsCommand]; }

void ClockMenu::SetCaption(ClockCommand id, std::string caption) {
    std::string& stored = captions_[id - kAlarmsCommand];
    if (caption == stored) return;
    stored = std::move(caption);
    if (auto& action = items_[id - kAlarmsCommand]) action->SetCaption(ItemText(stored, ShortcutOf(id)));
}

void ClockMenu::SetChecked(ClockCommand id, bool checked) {
    if (auto& action = items_[id - kAlarmsCommand]) action->SetChecked(checked);
}

void ClockMenu::Popup(ui::Window& owner, POINT screen) const {
    // The owner must be the foreground window, or a menu opened from the tray
    // would not close when the user clicks elsewhere.
    owner.BringToFront();
    ui::ShowPopupMenu(menu_.Get(), screen, owner.Handle());
}

}  // namespace quorvel
