// Menus that pop up at a point (context menus), shown the one way: the right
// button as well as the left picks an item, and the menu closes as it should
// when the user clicks elsewhere.
#pragma once

#include <windows.h>

namespace quorvel::ui {

// Shows menu with its top left corner at a screen point for owner; the item
// chosen reaches owner as WM_COMMAND (an Action's Execute, Window::OnCommand).
void ShowPopupMenu(HMENU menu, POINT screen, HWND owner);

// Shows menu and returns the id of the item chosen, 0 for none; nothing is
// sent to owner for it. For a menu made for one question.
int ChooseFromPopupMenu(HMENU menu, POINT screen, HWND owner);

}  // namespace quorvel::ui
