// The calendar and about windows: today selected again at each showing; the
// about window's text, its links (hover styles and colours, what a click
// opens), its resizing, its keys, and that a closed one is destroyed while
// open ones coexist.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/clock.h"
#include "core/release.h"
#include "core/wide.h"
#include "harness/pump.h"
#include "platform/shell_link.h"
#include "ui/display.h"
#include "ui/modal.h"
#include "windows/about/about_window.h"
#include "windows/calendar/calendar_window.h"

namespace quorvel {
namespace {

using AboutControl = AboutWindow::ControlId;
using enum AboutWindow::ControlId;

std::wstring TextOf(HWND hwnd) {
    wchar_t text[256] = {};
    GetWindowTextW(hwnd, text, 256);
    return text;
}

RECT ClientRectOf(HWND control, HWND parent) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// Top-level windows of this thread with the about window's class.
int AboutWindowsOfThisThread() {
    int count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM counter) -> BOOL {
            wchar_t cls[32] = {};
            GetClassNameW(hwnd, cls, 32);
            if (lstrcmpW(cls, L"QuorvelAbout") == 0) ++*reinterpret_cast<int*>(counter);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

TEST(CalendarWindow, EveryShowingSelectsTodayAgain) {
    const DateTime today = *EncodeDateTime({2026, 12, 7, 10, 5, 7, 0});
    SetClock(today);
    CalendarWindow calendar;
    calendar.Create();
    EXPECT_FALSE(IsWindowVisible(calendar.Handle()));
    calendar.ShowToday();
    EXPECT_TRUE(IsWindowVisible(calendar.Handle()));
    EXPECT_EQ(calendar.SelectedDate(), std::floor(today));

    SYSTEMTIME other{2026, 12, 0, 24, 0, 0, 0, 0};
    SendMessageW(calendar.MonthCalendarHandle(), MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&other));
    SendMessageW(calendar.Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(calendar.Handle())) << "closing hides";
    EXPECT_NE(calendar.SelectedDate(), std::floor(today));
    calendar.ShowToday();
    EXPECT_EQ(calendar.SelectedDate(), std::floor(today));
    ResetClock();
}

class AboutWindowTest : public testing::Test {
protected:
    void SetUp() override {
        AnswerOpenLinks([this](const std::string& address) { opened.push_back(address); });
    }
    void TearDown() override { AnswerOpenLinks(nullptr); }

    // A point on a label's text, in the about window's client area.
    POINT OnLabel(AboutWindow& about, AboutControl id) {
        const RECT r = ClientRectOf(about.Control(id), about.Handle());
        return POINT{r.left + 3, (r.top + r.bottom) / 2};
    }
    void Mouse(AboutWindow& about, UINT msg, POINT at) {
        SendMessageW(about.Handle(), msg, 0, MAKELPARAM(at.x, at.y));
    }
    // The label's drawing as the control gets it: its font and its text colour.
    LOGFONTW DrawnFont(AboutWindow& about, AboutControl id) {
        LOGFONTW lf{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(about.Control(id), WM_GETFONT, 0, 0)), sizeof lf, &lf);
        return lf;
    }
    COLORREF DrawnColour(AboutWindow& about, AboutControl id) {
        const HDC dc = CreateCompatibleDC(nullptr);
        SendMessageW(about.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(about.Control(id)));
        const COLORREF colour = GetTextColor(dc);
        DeleteDC(dc);
        return colour;
    }

    AboutWindows windows;
    std::vector<std::string> opened;
};

TEST_F(AboutWindowTest, ShowsTheProductLineAndTheNoticeReadOnly) {
    AboutWindow& about = windows.ShowNew();
    EXPECT_TRUE(IsWindowVisible(about.Handle()));
    EXPECT_EQ(TextOf(about.Handle()), L"About");
    EXPECT_EQ(TextOf(about.Control(kProductLabel)), L"Quorvel v1.2");
    EXPECT_EQ(TextOf(about.Control(kMailLink)), Wide(std::string("<") + kMailAddress + ">"));
    EXPECT_EQ(TextOf(about.Control(kWebLink)), L"Home page ...");
    const HWND notice = about.Control(kNoticeBox);
    EXPECT_TRUE(GetWindowLongPtrW(notice, GWL_STYLE) & ES_READONLY);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(notice)) + 1, L'\0');
    GetWindowTextW(notice, text.data(), static_cast<int>(text.size()));
    for (const char* part : {kVersionText, "MIT License", "without warranty", kHomePageAddress}) {
        EXPECT_NE(text.find(Wide(part)), std::wstring::npos) << part;
    }
    RECT r{};
    GetWindowRect(about.Handle(), &r);
    EXPECT_NEAR((r.left + r.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1) << "centred";
}

TEST_F(AboutWindowTest, LinksTurnBoldInTheHighlightColourUnderThePointerAndOpenTheirAddresses) {
    AboutWindow& about = windows.ShowNew();
    const struct {
        AboutControl link;
        std::string address;
    } cases[] = {
        {kWebLink, kHomePageAddress},
        {kMailLink, std::string("mailto:") + kMailAddress},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.address);
        const POINT on = OnLabel(about, c.link);
        EXPECT_EQ(about.LinkFont(c.link), (FontSpec{"Verdana", 8, kWindowTextColour, kItalic}));
        Mouse(about, WM_MOUSEMOVE, on);
        EXPECT_EQ(about.LinkFont(c.link), (FontSpec{"Verdana", 8, kHighlightColour, kItalic | kBold}));
        EXPECT_EQ(DrawnFont(about, c.link).lfWeight, FW_BOLD);
        EXPECT_TRUE(DrawnFont(about, c.link).lfItalic);
        EXPECT_EQ(DrawnColour(about, c.link), GetSysColor(COLOR_HIGHLIGHT));

        // Leaving onto the window's background, or out of the window.
        for (UINT leave : {UINT(WM_MOUSEMOVE), UINT(WM_MOUSELEAVE)}) {
            Mouse(about, WM_MOUSEMOVE, on);
            Mouse(about, leave, POINT{2, 30});
            EXPECT_EQ(about.LinkFont(c.link), (FontSpec{"Verdana", 8, kWindowTextColour, kItalic}));
            EXPECT_EQ(DrawnFont(about, c.link).lfWeight, FW_NORMAL);
            EXPECT_TRUE(DrawnFont(about, c.link).lfItalic);
            EXPECT_EQ(DrawnColour(about, c.link), GetSysColor(COLOR_WINDOWTEXT));
        }

        opened.clear();
        Mouse(about, WM_LBUTTONDOWN, on);
        Mouse(about, WM_LBUTTONUP, on);
        EXPECT_EQ(opened, std::vector<std::string>{c.address});
    }
    // A press that ends off the link opens nothing.
    opened.clear();
    Mouse(about, WM_LBUTTONDOWN, OnLabel(about, kWebLink));
    Mouse(about, WM_LBUTTONUP, POINT{2, 30});
    EXPECT_TRUE(opened.empty());
}

TEST_F(AboutWindowTest, TheNoticeStretchesWithTheWindowAndOkStaysBottomLeftAboveAMinimumSize) {
    AboutWindow& about = windows.ShowNew();
    const HWND hwnd = about.Handle();
    MINMAXINFO info{};
    SendMessageW(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, about.Scale(200));
    EXPECT_EQ(info.ptMinTrackSize.y, about.Scale(100));

    auto place = [&](AboutControl id) { return ClientRectOf(about.Control(id), hwnd); };
    const RECT notice = place(kNoticeBox), ok = place(kDoneButton), web = place(kWebLink), mail = place(kMailLink);
    RECT outer{};
    GetWindowRect(hwnd, &outer);
    SetWindowPos(hwnd, nullptr, 0, 0, outer.right - outer.left + 100, outer.bottom - outer.top + 50,
                 SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(place(kNoticeBox).right - notice.right, 100);
    EXPECT_EQ(place(kNoticeBox).bottom - notice.bottom, 50);
    EXPECT_EQ(place(kNoticeBox).left, notice.left);
    EXPECT_EQ(place(kDoneButton).left, ok.left);
    EXPECT_EQ(place(kDoneButton).top - ok.top, 50);
    EXPECT_EQ(place(kWebLink).top - web.top, 50);
    EXPECT_EQ(place(kMailLink).top, mail.top);
}

TEST_F(AboutWindowTest, EnterPressesOkAndEscapeDoesNothing) {
    AboutWindow& about = windows.ShowNew();
    MSG escape{about.Control(kNoticeBox), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
    ui::DispatchOne(escape);
    EXPECT_TRUE(IsWindowVisible(about.Handle()));
    MSG enter{about.Control(kDoneButton), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    ui::DispatchOne(enter);
    testing_support::PumpPending();  // the close it asks for
    EXPECT_EQ(about.Handle(), nullptr);
}

TEST_F(AboutWindowTest, OpenWindowsCoexistAndClosedOnesAreDestroyed) {
    AboutWindow& first = windows.ShowNew();
    AboutWindow& second = windows.ShowNew();
    EXPECT_NE(first.Handle(), second.Handle());
    EXPECT_TRUE(IsWindowVisible(first.Handle()));
    EXPECT_TRUE(IsWindowVisible(second.Handle()));
    EXPECT_EQ(AboutWindowsOfThisThread(), 2);
    SendMessageW(first.Handle(), WM_CLOSE, 0, 0);
    SendMessageW(second.Control(kDoneButton), BM_CLICK, 0, 0);
    testing_support::PumpPending();
    EXPECT_EQ(AboutWindowsOfThisThread(), 0);

    // Many About commands, each closed again, by OK or the close box: a window
    // (or its fonts) kept per cycle would show as hundreds. (A thousand cycles
    // take about a minute under a loaded Wine, too near the test time limit.)
    const DWORD gdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    for (int i = 0; i < 300; ++i) {
        AboutWindow& about = windows.ShowNew();
        if (i % 2) {
            SendMessageW(about.Control(kDoneButton), BM_CLICK, 0, 0);
            testing_support::PumpPending();
        } else {
            SendMessageW(about.Handle(), WM_CLOSE, 0, 0);
        }
    }
    EXPECT_EQ(AboutWindowsOfThisThread(), 0);
    EXPECT_EQ(windows.OpenCount(), 0u);
    EXPECT_LT(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdiBefore + 20) << "no fonts left behind";
}

}  // namespace
}  // namespace quorvel
