#include "windows/settings/desktop_controls.h"

#include "core/translation.h"
#include "windows/settings/settings_window.h"

namespace quorvel {

void DesktopControls::Attach(const SettingsWindow& window) {
    using enum SettingsWindow::ControlId;
    fullScreenBox_.Attach(window.Control(kFullScreenBox));
    remindersBox_.Attach(window.Control(kFullScreenRemindersBox));
    clickThroughBox_.Attach(window.Control(kClickThroughBox));
    shortcutBox_.Attach(window.Control(kShortcutBox));
    shortcutNote_.Attach(window.Control(kShortcutNote));
    fullScreenBox_.onClick = [this] { control_.SetHideWhenFullScreen(fullScreenBox_.Checked()); };
    remindersBox_.onClick = [this] { control_.SetRemindersOverFullScreen(remindersBox_.Checked()); };
    clickThroughBox_.onClick = [this] { control_.SetClickThrough(clickThroughBox_.Checked()); };
    shortcutBox_.onChange = [this](std::uint16_t value) { OnShortcutChange(value); };
}

// Each box acts only when it and the clock disagree: the clock's own menu
// may have changed click-through while the window was hidden.
void DesktopControls::ReadClockState() {
    const DesktopOptions& options = control_.Desktop();
    fullScreenBox_.SetChecked(options.hideWhenFullScreen);
    remindersBox_.SetChecked(options.RemindersOverFullScreen());
    clickThroughBox_.SetChecked(options.clickThrough);
    shortcutBox_.SetValue(static_cast<std::uint16_t>(options.showHideHotKey & 0xFFFF));
}

// The box shows the stored shortcut's key and modifiers; showing it is not a
// change, so the stored value stays exactly as it was.
void DesktopControls::OnShortcutChange(std::uint16_t value) {
    if (value == (control_.Desktop().showHideHotKey & 0xFFFF)) return;
    const bool taken = control_.SetShowHideHotKey(value);
    shortcutNote_.SetText(taken ? std::string() : std::string(Translate("Another program uses this shortcut.")));
}

}  // namespace quorvel
