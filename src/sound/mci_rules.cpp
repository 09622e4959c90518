#include "sound/mci_rules.h"

namespace quorvel {

PlayerMode ModeFromMciStatus(std::uint32_t status) {
    if (status < mci::kModeNotReady || status > mci::kModeOpen) return PlayerMode::NotReady;
    return static_cast<PlayerMode>(status - mci::kModeNotReady);
}

std::optional<NotifyResult> NotifyValueFromOutcome(std::uint32_t outcome) {
    switch (outcome) {
        case mci::kNotifySuccessful: return NotifyResult::Successful;
        case mci::kNotifySuperseded: return NotifyResult::Superseded;
        case mci::kNotifyAborted: return NotifyResult::Aborted;
        case mci::kNotifyFailure: return NotifyResult::Failure;
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
    return CommandFlags(CommandKind::Blocking, notify, wait) | mci::kOpenElement | mci::kOpenAlias |
           (shareable ? mci::kOpenShareable : 0u);
}

}  // namespace quorvel
