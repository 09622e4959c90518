// The message loop, and modal runs on the same loop.
//
// A modal window is an ordinary Window shown with RunModal: its owner is
// disabled and the thread's messages keep being pumped, so every other window
// (the clock's 250 ms timer above all) goes on working while it is open.
//
//   AlarmEditor editor(...);
//   if (ui::RunModal(editor, Handle()) == IDOK) ...
//
// The dialog ends the run with EndModal(result); closing it ends it with
// IDCANCEL. The window is hidden afterwards, not destroyed, and the keyboard
// goes back to the control that had it before.
#pragma once

#include <windows.h>

#include "ui/window.h"

namespace quorvel::ui {

// Pre-translation (Window::PreTranslateMessage of the message's top-level
// window, if it is one of ours), then TranslateMessage and DispatchMessageW.
void DispatchOne(MSG& msg);

// Runs until WM_QUIT and returns its exit code.
int RunMessageLoop();

// Shows dialog modally over owner (may be null) and returns the result given to
// EndModal. A WM_QUIT arriving meanwhile ends the run and is posted again for
// the outer loop. The dialog object must outlive the call.
int RunModal(Window& dialog, HWND owner);

}  // namespace quorvel::ui
