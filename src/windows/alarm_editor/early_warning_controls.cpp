#include "windows/alarm_editor/early_warning_controls.h"

#include <algorithm>
#include <iterator>

namespace quorvel {
namespace {

constexpr int kLeadChoices[] = {0, 5, 10, 15, 30, 60, 120, 1440};

}  // namespace

void EarlyWarningControls::Attach(HWND remindList, HWND wakeCheck) {
    remindList_.Attach(remindList);
    wakeCheck_.Attach(wakeCheck);
}

void EarlyWarningControls::Fill(const AlarmOptions& options) {
    leads_.assign(std::begin(kLeadChoices), std::end(kLeadChoices));
    const int own = options.remindBeforeMinutes;
    const auto at = std::lower_bound(leads_.begin(), leads_.end(), own);
    if (at == leads_.end() || *at != own) leads_.insert(at, own);
    remindList_.Clear();
    for (const int lead : leads_) remindList_.AddItem(RemindBeforeCaption(lead));
    remindList_.Select(static_cast<int>(std::find(leads_.begin(), leads_.end(), own) - leads_.begin()));
    wakeCheck_.SetChecked(options.wake);
}

void EarlyWarningControls::Pick(AlarmOptions& options) const {
    const int chosen = remindList_.Selected();
    options.remindBeforeMinutes =
        static_cast<std::uint16_t>(chosen >= 0 && chosen < static_cast<int>(leads_.size()) ? leads_[chosen] : 0);
    options.wake = wakeCheck_.Checked();
}

}  // namespace quorvel
