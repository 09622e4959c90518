// Entry of every Win32 test program: GoogleTest, common controls, and a guard that
// a test never hangs on a dialog it did not expect.
#include <windows.h>

#include <gtest/gtest.h>

#include "harness/dialogs.h"
#include "ui/common_controls.h"

namespace {

HHOOK dialogHook = nullptr;
const wchar_t* expectedDialog = nullptr;  // the caption of a dialog a test opens on purpose

// A dialog box that opens while a test runs would wait for a user who never comes:
// close it at once and fail the running test with its caption.
LRESULT CALLBACK CloseUnexpectedDialog(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        HWND hwnd = reinterpret_cast<HWND>(wParam);
        wchar_t cls[16] = {};
        GetClassNameW(hwnd, cls, 16);
        wchar_t caption[128] = {};
        GetWindowTextW(hwnd, caption, 128);
        if (lstrcmpW(cls, L"#32770") == 0 && !(expectedDialog && lstrcmpW(caption, expectedDialog) == 0)) {
            char utf8[384] = {};
            WideCharToMultiByte(CP_UTF8, 0, caption, -1, utf8, sizeof utf8, nullptr, nullptr);
            ADD_FAILURE() << "unexpected dialog opened: \"" << utf8 << "\"";
            PostMessageW(hwnd, WM_COMMAND, IDCANCEL, 0);
        }
    }
    return CallNextHookEx(dialogHook, code, wParam, lParam);
}

}  // namespace

namespace quorvel::testing_support {
ExpectedDialog::ExpectedDialog(const wchar_t* caption) { expectedDialog = caption; }
ExpectedDialog::~ExpectedDialog() { expectedDialog = nullptr; }
}  // namespace quorvel::testing_support

int main(int argc, char** argv) {
    // Tells the runner that the program started: a Wine start that ends before
    // running it can then be told apart from a failing test and tried again.
    if (const wchar_t* mark = _wgetenv(L"QUORVEL_STARTED_MARK")) {
        CloseHandle(CreateFileW(mark, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    }
    testing::InitGoogleTest(&argc, argv);
    // As the program does: loaded at run time, not imported.
    (void)quorvel::ui::comctl::Load();
    dialogHook = SetWindowsHookExW(WH_CBT, CloseUnexpectedDialog, nullptr, GetCurrentThreadId());
    int result = RUN_ALL_TESTS();
    UnhookWindowsHookEx(dialogHook);
    return result;
}
