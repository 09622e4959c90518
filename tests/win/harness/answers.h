// One guard that answers every seam a window can ask the user through, and
// records what was asked: message boxes, the open-file, font and colour
// dialogs, the alert sound and the busy cursor. The real ones come back when
// the guard goes.
//
//   testing_support::Answers answers;              // or derive from AnsweredTest
//   answers.messageBox = IDNO;                     // what the "user" clicks
//   answers.openFile = "C:\\alarm.wav";            // nullopt: Cancel
//   window.OnBrowse();
//   EXPECT_EQ(answers.openFiles.size(), 1u);
//   EXPECT_EQ(answers.beeps, 0);
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "ui/common_dialogs.h"
#include "ui/feedback.h"
#include "ui/message_box.h"

namespace quorvel::testing_support {

class Answers {
public:
    Answers() {
        ui::AnswerMessageBoxes([this](const ui::MessageBoxRequest& r) {
            boxes.push_back(r);
            return messageBox;
        });
        ui::AnswerOpenFileDialogs([this](const ui::OpenFileRequest& r) {
            openFiles.push_back(r);
            return openFile;
        });
        ui::AnswerFontDialogs([this](HWND, const ui::FontChoice& initial) {
            fonts.push_back(initial);
            return font;
        });
        ui::AnswerColourDialogs([this](HWND, COLORREF initial, ui::CustomColourSet& custom) {
            colours.push_back(initial);
            if (customColours) custom = *customColours;
            return colour;
        });
        ui::AnswerAlertBeeps([this](UINT type) { beepTypes.push_back(type); });
        ui::AnswerBusyCursor([this](bool busy) {
            busyNow += busy ? 1 : -1;
            if (busy) ++busyCursors;
        });
    }
    ~Answers() {
        ui::AnswerMessageBoxes(nullptr);
        ui::AnswerOpenFileDialogs(nullptr);
        ui::AnswerFontDialogs(nullptr);
        ui::AnswerColourDialogs(nullptr);
        ui::AnswerAlertBeeps(nullptr);
        ui::AnswerBusyCursor(nullptr);
    }
    Answers(const Answers&) = delete;
    Answers& operator=(const Answers&) = delete;

    // What the "user" answers (change before the code asks).
    int messageBox = IDOK;
    std::optional<std::string> openFile;     // nullopt: Cancel
    std::optional<ui::FontChoice> font;      // nullopt: Cancel
    std::optional<COLORREF> colour;          // nullopt: Cancel
    std::optional<ui::CustomColourSet> customColours;  // what the user leaves as custom colours

    // What was asked.
    std::vector<ui::MessageBoxRequest> boxes;
    std::vector<ui::OpenFileRequest> openFiles;
    std::vector<ui::FontChoice> fonts;  // the initial fonts
    std::vector<COLORREF> colours;      // the initial colours
    std::vector<UINT> beepTypes;
    int busyCursors = 0;  // BusyCursor scopes started
    int busyNow = 0;      // open now
};

// For tests of the real dialogs (no Answers alive): while it lives, every
// dialog box (#32770) that opens on this thread gets WM_COMMAND `button`
// (IDOK, IDCANCEL) as soon as it runs, as if the user clicked it at once, and
// its caption is recorded. It takes those dialogs from the harness's guard
// against unexpected dialogs (test_main.cpp).
class PressOnDialogs {
public:
    explicit PressOnDialogs(int button) : previous_(current) {
        current = this;
        button_ = button;
        hook_ = SetWindowsHookExW(WH_CBT, &PressOnDialogs::Hook, nullptr, GetCurrentThreadId());
    }
    ~PressOnDialogs() {
        UnhookWindowsHookEx(hook_);
        current = previous_;
    }
    PressOnDialogs(const PressOnDialogs&) = delete;
    PressOnDialogs& operator=(const PressOnDialogs&) = delete;

    std::vector<std::wstring> captions;  // of the dialogs pressed

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_ACTIVATE && current) {
            const HWND hwnd = reinterpret_cast<HWND>(wParam);
            wchar_t cls[16] = {};
            GetClassNameW(hwnd, cls, 16);
            if (lstrcmpW(cls, L"#32770") == 0) {
                wchar_t caption[128] = {};
                GetWindowTextW(hwnd, caption, 128);
                current->captions.emplace_back(caption);
                PostMessageW(hwnd, WM_COMMAND, static_cast<WPARAM>(current->button_), 0);
                return 0;  // not passed on: this dialog was expected
            }
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline PressOnDialogs* current = nullptr;
    PressOnDialogs* previous_;  // an outer guard, back in charge when this one goes
    HHOOK hook_ = nullptr;
    int button_ = IDOK;
};

// A GoogleTest fixture holding an Answers for each test.
class AnsweredTest : public ::testing::Test {
protected:
    Answers answers;
};

}  // namespace quorvel::testing_support
