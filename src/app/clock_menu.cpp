#include "app/clock_menu.h"

#include <iterator>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/wide.h"

namespace quorvel {
namespace {

constexpr WORD kCtrl = 16384;

constexpr ClockMenuItem kItems[] = {
    {kAlarmsCommand, "Alarms/reminders", VK_F10},
    {kCalendarCommand, "Show calendar", VK_F5},
    {kHideCommand, "Hide", kCtrl + 'S'},
    {kAboutCommand, "About", kCtrl + 'A'},
    {kExitCommand, "Exit", kCtrl + VK_F4},
    {kSeparator, "-", 0},
    {kPropertiesCommand, "Properties", kCtrl + 'P'},
};

// Each with an access key no other item shares.
constexpr const wchar_t* kRemindMeCaptions[] = {L"&5 minutes", L"1&0 minutes", L"&15 minutes", L"&30 minutes",
                                                L"&60 minutes"};
static_assert(std::size(kRemindMeCaptions) == std::size(kRemindMeMinutes));

std::wstring ItemText(const std::string& caption, WORD shortcut) {
    std::string text = caption;
    if (shortcut != 0) text += "\t" + ShortcutText(shortcut);
    return Wide(text);
}

}  // namespace

std::span<const ClockMenuItem> ClockMenuItems() { return kItems; }

int RemindMeMinutes(UINT command) {
    const UINT index = command - kRemindMeFirstCommand;
    return command >= kRemindMeFirstCommand && index < std::size(kRemindMeMinutes) ? kRemindMeMinutes[index] : 0;
}

std::string ShortcutText(WORD shortcut) {
    std::string text = (shortcut & kCtrl) ? "Ctrl+" : "";
    const WORD key = shortcut & 0xFF;
    if (key >= VK_F1 && key <= VK_F24) {
        text += "F" + std::to_string(key - VK_F1 + 1);
    } else {
        text += static_cast<char>(key);  // letters and digits are their own key codes
    }
    return text;
}

ClockMenu::ClockMenu() : menu_(CreatePopupMenu()) {
    if (!menu_) throw std::runtime_error("Cannot create the pop-up menu");
    std::vector<ACCEL> accelerators;
    for (const ClockMenuItem& item : kItems) {
        std::string& caption = captions_[item.id - kAlarmsCommand];
        caption = item.caption;
        if (caption == "-") {
            AppendMenuW(menu_.Get(), MF_SEPARATOR, item.id, nullptr);
            continue;
        }
        AppendMenuW(menu_.Get(), MF_STRING, item.id, ItemText(caption, item.shortcut).c_str());
        if (item.shortcut != 0) {
            const BYTE flags = FVIRTKEY | ((item.shortcut & kCtrl) ? FCONTROL : 0);
            accelerators.push_back(ACCEL{flags, static_cast<WORD>(item.shortcut & 0xFF), static_cast<WORD>(item.id)});
        }
    }
    accelerators_.Reset(CreateAcceleratorTableW(accelerators.data(), static_cast<int>(accelerators.size())));

    const HMENU remindMe = CreatePopupMenu();
    if (!remindMe) throw std::runtime_error("Cannot create the pop-up menu");
    for (std::size_t i = 0; i < std::size(kRemindMeMinutes); ++i) {
        AppendMenuW(remindMe, MF_STRING, kRemindMeFirstCommand + i, kRemindMeCaptions[i]);
    }
    // Owned by the menu from here on, and destroyed with it.
    InsertMenuW(menu_.Get(), 1, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(remindMe), L"&Remind me in");
}

const std::string& ClockMenu::Caption(ClockCommand id) const { return captions_[id - kAlarmsCommand]; }

void ClockMenu::SetCaption(ClockCommand id, std::string caption) {
    std::string& stored = captions_[id - kAlarmsCommand];
    if (caption == stored) return;
    stored = std::move(caption);
    WORD shortcut = 0;
    for (const ClockMenuItem& item : kItems) {
        if (item.id == id) shortcut = item.shortcut;
    }
    const std::wstring text = ItemText(stored, shortcut);
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = const_cast<wchar_t*>(text.c_str());
    SetMenuItemInfoW(menu_.Get(), id, FALSE, &info);
}

void ClockMenu::Popup(HWND owner, int x, int y) const {
    // The owner must be the foreground window, or a menu opened from the tray
    // would not close when the user clicks elsewhere; the posted message lets
    // the menu's loop end cleanly afterwards.
    SetForegroundWindow(owner);
    TrackPopupMenuEx(menu_.Get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_VERPOSANIMATION, x, y, owner,
                     nullptr);
    PostMessageW(owner, WM_NULL, 0, 0);
}

}  // namespace quorvel
