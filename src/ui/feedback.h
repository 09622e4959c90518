// Feedback without words: the alert sound and the busy cursor, each behind a
// one-function seam so tests can count them instead of hearing or seeing them.
//
//   ui::AlertBeep(MB_ICONWARNING);      // a value out of range was typed
//   { ui::BusyCursor busy; LoadAll(); } // hourglass while loading
#pragma once

#include <windows.h>

#include <functional>

namespace quorvel::ui {

// Plays the system's alert sound of the given MB_ICON* type (MessageBeep).
void AlertBeep(UINT type = MB_OK);

// Test seam: while set, AlertBeep calls `answer` with the type and plays nothing.
void AnswerAlertBeeps(std::function<void(UINT type)> answer);

// Shows the wait cursor for its lifetime (nested ones too): windows of this
// toolkit keep it over their client area until the last BusyCursor goes.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

    // Whether a BusyCursor exists now.
    static bool Active();

private:
    HCURSOR previous_ = nullptr;
    bool answered_ = false;  // the seam was set when it started
};

// Test seam: while set, BusyCursor calls `answer(true)` when it starts and
// `answer(false)` when it ends, and leaves the cursor alone.
void AnswerBusyCursor(std::function<void(bool busy)> answer);

}  // namespace quorvel::ui
