#include "platform/shell.h"

#include <shellapi.h>

namespace quorvel {
namespace {

std::optional<ShellState>& Overridden() {
    static std::optional<ShellState> state;
    return state;
}

}  // namespace

UINT TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

ShellState QueryShellState() {
    if (Overridden()) return *Overridden();
    QUERY_USER_NOTIFICATION_STATE state{};
    if (FAILED(SHQueryUserNotificationState(&state))) return ShellState::Other;
    switch (state) {
        case QUNS_RUNNING_D3D_FULL_SCREEN: return ShellState::Direct3DFullScreen;
        case QUNS_PRESENTATION_MODE: return ShellState::PresentationMode;
        default: return ShellState::Other;
    }
}

void OverrideShellState(std::optional<ShellState> state) { Overridden() = state; }

}  // namespace quorvel
