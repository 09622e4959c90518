// Every caption and value of the settings, alarm editor, calendar and about
// windows fits its control with the fonts this system really has, at 96 dpi
// and after a move to a 144-dpi screen: labels, check boxes and push buttons
// are measured with their own font; the month calendar and the date and time
// pickers say what size they need.
// ctest: RUN_SERIAL (uses the program's registry key and the tray)
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/program.h"
#include "harness/alarm_windows.h"
#include "harness/registry.h"
#include "windows/about/about_window.h"
#include "windows/alarm_editor/alarm_editor.h"
#include "windows/calendar/calendar_window.h"
#include "windows/settings/settings_window.h"

namespace quorvel {
namespace {

using namespace testing_support;

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return name;
}

std::wstring TextOf(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The width of a one-line text in the control's own font.
int TextWidth(HWND control, const std::wstring& text) {
    HDC dc = GetDC(control);
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return r.right - r.left;
}

// What of a window's controls does not fit, one line each; empty when all fit.
std::vector<std::string> CutOff(HWND window) {
    std::vector<std::string> faults;
    const UINT dpi = GetDpiForWindow(window) ? GetDpiForWindow(window) : 96;
    const auto report = [&](HWND control, const std::wstring& what, int needed, int width) {
        if (needed <= width) return;
        std::string line;
        for (wchar_t c : ClassOf(control) + L" \"" + what + L"\"") line += static_cast<char>(c < 128 ? c : '?');
        faults.push_back(line + " needs " + std::to_string(needed) + ", has " + std::to_string(width));
    };
    struct Context {
        std::vector<HWND> children;
    } context;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM lParam) -> BOOL {
            reinterpret_cast<Context*>(lParam)->children.push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&context));
    for (HWND control : context.children) {
        if (!IsWindowVisible(control)) continue;
        RECT client{};
        GetClientRect(control, &client);
        const std::wstring cls = ClassOf(control);
        const std::wstring text = TextOf(control);
        const LONG style = GetWindowLongW(control, GWL_STYLE);
        if (lstrcmpiW(cls.c_str(), WC_STATICW) == 0 && !text.empty()) {
            report(control, text, TextWidth(control, text), client.right);
        } else if (lstrcmpiW(cls.c_str(), WC_BUTTONW) == 0 && !text.empty()) {
            const LONG kind = style & BS_TYPEMASK;
            if (kind == BS_AUTOCHECKBOX || kind == BS_CHECKBOX) {
                // The box (13 pixels at 96 dpi, as the system draws it) and the gap to the text.
                const int box = MulDiv(13, static_cast<int>(dpi), 96) + MulDiv(4, static_cast<int>(dpi), 96);
                report(control, text, TextWidth(control, text) + box, client.right);
            } else if (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON) {
                // The text inside the button's raised edges.
                report(control, text, TextWidth(control, text) + MulDiv(4, static_cast<int>(dpi), 96), client.right);
            }
        } else if (lstrcmpiW(cls.c_str(), MONTHCAL_CLASSW) == 0) {
            RECT needed{};
            SendMessageW(control, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&needed));
            RECT outer{};
            GetWindowRect(control, &outer);
            report(control, L"one month", needed.right - needed.left, outer.right - outer.left);
            report(control, L"one month (height)", needed.bottom - needed.top, outer.bottom - outer.top);
        } else if (lstrcmpiW(cls.c_str(), DATETIMEPICK_CLASSW) == 0) {
            SIZE ideal{};
            if (SendMessageW(control, DTM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)) && ideal.cx > 0) {
                RECT outer{};
                GetWindowRect(control, &outer);
                report(control, (style & DTS_TIMEFORMAT) == DTS_TIMEFORMAT ? L"time" : L"date", ideal.cx,
                       outer.right - outer.left);
            } else {
                ADD_FAILURE() << "the date and time picker does not tell its ideal size";
            }
        }
    }
    return faults;
}

void MoveToDpi(HWND window, UINT dpi) {
    RECT r{};
    GetWindowRect(window, &r);
    const UINT old = GetDpiForWindow(window) ? GetDpiForWindow(window) : 96;
    RECT suggested{r.left, r.top, r.left + MulDiv(r.right - r.left, static_cast<int>(dpi), static_cast<int>(old)),
                   r.top + MulDiv(r.bottom - r.top, static_cast<int>(dpi), static_cast<int>(old))};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string all;
    for (const std::string& line : lines) all += "\n  " + line;
    return all;
}

// The window at the session's resolution and again at 144 dpi.
void ExpectEverythingFits(HWND window) {
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(CutOff(window).empty()) << "cut off at the session's dpi:" << Joined(CutOff(window));
    MoveToDpi(window, 144);
    EXPECT_TRUE(CutOff(window).empty()) << "cut off at 144 dpi:" << Joined(CutOff(window));
}

TEST(CaptionsFit, SettingsWindow) {
    CleanRegistry clean;
    Program program;
    program.Start();
    SettingsWindow& settings = program.Windows().Settings();
    ShowWindow(settings.Handle(), SW_SHOWNOACTIVATE);
    ExpectEverythingFits(settings.Handle());
    program.Clock().Destroy();
}

TEST(CaptionsFit, AlarmEditor) {
    AlarmEditor editor;
    editor.Create(nullptr);
    // A long date (the longest day and month names of en-US) and a long time of day.
    const DateTime longest = *EncodeDateTime({2026, 9, 30, 12, 44, 44, 0});
    AlarmFields alarm = NewAlarmFields(longest);
    alarm.dateTime = longest;
    // Measured while the editor runs: its window is made by its first editing.
    testing_support::ModalSteps steps;
    steps.Then([&] {
        PostMessageW(editor.Handle(), WM_CLOSE, 0, 0);  // once measured
        ExpectEverythingFits(editor.Handle());
    });
    editor.EditAlarm(alarm);
    editor.Destroy();
}

TEST(CaptionsFit, CalendarWindow) {
    CalendarWindow calendar;
    calendar.Create();
    ShowWindow(calendar.Handle(), SW_SHOWNOACTIVATE);
    ExpectEverythingFits(calendar.Handle());
    calendar.Destroy();
}

TEST(CaptionsFit, AboutWindow) {
    AboutWindow about;
    about.Create();
    ExpectEverythingFits(about.Handle());
    about.Destroy();
}

}  // namespace
}  // namespace quorvel
