#include "app/clock_tray.h"

#include "app/clock_menu.h"
#include "app/clock_window.h"
#include "core/product.h"
#include "core/translation.h"
#include "resource_ids.h"
#include "ui/module.h"

namespace quorvel {

// The tool tip "Quorvel", and the clock's handlers for the icon's events.
ClockTray::ClockTray(ClockWindow& clock, ClockMenu& menu)
    : clock_(clock), menu_(menu), clicks_([this](POINT at) { menu_.Popup(clock_, at); }), tip_(kProductName) {
    icon_.SetTaskIconID(0);
    icon_.OnClick = [this](TrayIcon&) { clicks_.Click(); };
    icon_.OnDblClick = [this](TrayIcon&) {
        clicks_.DoubleClick();
        ShowFromTray();
        // The release that ends the double-click may come while the clock is
        // being shown (the shell's requests let it in) or wait until after it,
        // which can take a while: it counts from either moment.
        clicks_.DoubleClickHandled();
    };
    icon_.OnRightClick = [this](TrayIcon&, int x, int y) { menu_.Popup(clock_, {x, y}); };
}

bool ClockTray::Hidden() const { return !clock_.Visible(); }

// The icon's image is loaded at its first activation, not before the clock is
// first hidden: a clock that stays visible never needs it.
void ClockTray::Activate() {
    if (!icon_.Icon()) {
        const ui::Icon image = ui::LoadIconImage(IDI_QUORVEL, GetSystemMetrics(SM_CXSMICON));
        icon_.SetIcon(image.Get());  // copied; the loaded one goes with `image`
        icon_.SetToolTip(tip_);
    }
    icon_.SetActive(true);
}

// Kept while the icon is down too (the shell is asked only while it is up).
void ClockTray::SetNextAlarm(const std::string& text) {
    tip_ = std::string(kProductName) + "\n" + text;
    icon_.SetToolTip(tip_);
}

void ClockTray::MarkHidden(bool hidden) {
    menu_.SetCaption(kHideCommand, std::string(hidden ? Translate("&Show") : Translate("&Hide")));
}

void ClockTray::ToggleHidden() {
    if (!clock_.Visible()) return ShowFromTray();
    Activate();
    if (!icon_.Active()) return;  // no tray icon to come back from: stay visible
    clock_.Hide();
    MarkHidden(true);
}

void ClockTray::ShowFromTray() {
    // The first showing starts the clock.
    clock_.Show();
    clock_.BringToFront();
    if (!keepIconShown_) icon_.SetActive(false);
    MarkHidden(false);
}

void ClockTray::KeepIconShown(bool keep) {
    keepIconShown_ = keep;
    if (keep) {
        Activate();
    } else if (clock_.Visible()) {
        icon_.SetActive(false);
    }
}

bool ClockTray::StartHidden() {
    Activate();
    if (!icon_.Active()) return false;
    MarkHidden(true);
    return true;
}

}  // namespace quorvel
