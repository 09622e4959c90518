// Every message box of the program goes through ShowMessageBox, the one place a
// test can answer one instead of a user.
//
//   ui::ShowMessageBox(hwnd, "Error reading config", ui::ApplicationTitle(), MB_OK);
//
//   // in a test:
//   ui::AnswerMessageBoxes([&](const ui::MessageBoxRequest& r) { seen.push_back(r); return IDOK; });
//   ...
//   ui::AnswerMessageBoxes(nullptr);  // back to real message boxes
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace quorvel::ui {

struct MessageBoxRequest {
    HWND owner = nullptr;
    std::string text;     // UTF-8
    std::string caption;  // UTF-8
    UINT type = MB_OK;    // MB_ button, icon and modality flags
};

// The caption of the program's plain message boxes.
std::string_view ApplicationTitle();

// Shows a message box (MessageBoxW) and returns the button chosen (IDOK ...).
// Timer messages keep being delivered while it waits, as in any modal loop.
int ShowMessageBox(HWND owner, std::string_view text, std::string_view caption, UINT type);

// Test seam: while set, every ShowMessageBox call is answered by `answer` and no
// box opens. Pass nullptr to restore the real boxes.
using MessageBoxAnswer = std::function<int(const MessageBoxRequest&)>;
void AnswerMessageBoxes(MessageBoxAnswer answer);

}  // namespace quorvel::ui
