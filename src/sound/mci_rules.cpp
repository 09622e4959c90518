#include "sound/mci_rules.h"

namespace quorvel {

TMPModes ModeFromMciStatus(std::uint32_t status) {
    if (status < mci::kModeNotReady || status > mci::kModeOpen) return TMPModes::mpNotReady;
    return static_cast<TMPModes>(status - mci::kModeNotReady);
}

std::optional<TMPNotifyValues> NotifyValueFromOutcome(std::uint32_t outcome) {
    switch (outcome) {
        case mci::kNotifySuccessful: return TMPNotifyValues::nvSuccessful;
        case mci::kNotifySuperseded: return TMPNotifyValues::nvSuperseded;
        case mci::kNotifyAborted: return TMPNotifyValues::nvAborted;
        case mci::kNotifyFailure: return TMPNotifyValues::nvFailure;
        default: return std::nullopt;
    }
}

std::optional<bool> OneShotRequest::Take() {
    if (!requested_) return std::nullopt;
    requested_ = false;
    return value_;
}

std::uint32_t CommandFlags(CommandKind kind, std::optional<bool> notify, std::optional<bool> wait) {
    const bool blocking = kind == CommandKind::Blocking;
    const bool waits = blocking ? wait.value_or(true) : wait.value_or(false);
    const bool reports = blocking ? notify.value_or(false) : notify.value_or(true);
    return (waits ? mci::kWait : 0u) | (reports ? mci::kNotify : 0u);
}

std::uint32_t OpenFlags(std::optional<bool> notify, std::optional<bool> wait, bool shareable) {
    return CommandFlags(CommandKind::Blocking, notify, wait) | mci::kOpenElement |
           (shareable ? mci::kOpenShareable : 0u);
}

}  // namespace quorvel
