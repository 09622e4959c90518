#include "ui/popup_menu.h"

#include "core/translation.h"

namespace quorvel::ui {
namespace {

int Track(HMENU menu, POINT screen, HWND owner, UINT flags) {
    // Mirrored in a language written right to left.
    flags |= TPM_RIGHTBUTTON | (RightToLeft() ? TPM_LAYOUTRTL : 0u);
    const int result = TrackPopupMenu(menu, flags, screen.x, screen.y, 0, owner, nullptr);
    // A menu whose owner is not the foreground window would otherwise stay open
    // after a click elsewhere until the owner's next message.
    PostMessageW(owner, WM_NULL, 0, 0);
    return result;
}

}  // namespace

void ShowPopupMenu(HMENU menu, POINT screen, HWND owner) { Track(menu, screen, owner, 0); }

int ChooseFromPopupMenu(HMENU menu, POINT screen, HWND owner) {
    return Track(menu, screen, owner, TPM_RETURNCMD | TPM_NONOTIFY);
}

}  // namespace quorvel::ui
