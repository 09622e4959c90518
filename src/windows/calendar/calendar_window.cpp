#include "windows/calendar/calendar_window.h"

#include <commctrl.h>

#include <algorithm>

#include "core/clock.h"

namespace quorvel {
namespace {

constexpr wchar_t kClassName[] = L"QuorvelCalendar";
constexpr SIZE kClient{191, 154};
constexpr POINT kPlace{363, 302};  // on the primary monitor, scaled with the DPI, not centred
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;  // fixed size, close box only
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT;
const FontSpec kFont{"MS Sans Serif", 8, kBlack, 0};
constexpr int kCalendarId = 1;

// One month at a time, today named below the grid and ringed in it, one day
// selected, no week numbers; the first day of the week is the user's locale's.
// It follows every edge: the window grows when the calendar's font needs more
// room than the design gives (FitCalendar).
constexpr ui::ControlSpec kControls[] = {
    {kCalendarId, MONTHCAL_CLASSW, L"", {0, 0, 190, 153},
     ui::Anchor::Left | ui::Anchor::Top | ui::Anchor::Right | ui::Anchor::Bottom, WS_TABSTOP},
};

}  // namespace

CalendarWindow::~CalendarWindow() { Destroy(); }

void CalendarWindow::Create() {
    CreateHandle({.className = kClassName, .title = L"Calendar", .style = kStyle, .exStyle = kExStyle,
                  .client96 = kClient, .placement = Placement::Stated, .position = kPlace, .font = &kFont});
}

void CalendarWindow::OnCreate() {
    CreateControls(kControls, kClient);
    calendar_.Attach(Item(kCalendarId));
    calendar_.SetMonthDelta(1);
    FitCalendar();
}

void CalendarWindow::OnDpiChanged(UINT) { FitCalendar(); }

// The designed client area, or more where the month in this font needs more
// (a font wider than MS Sans Serif would cut off the last days of the week).
void CalendarWindow::FitCalendar() {
    const SIZE needed = calendar_.MinimumSize();
    const int margin = Scale(kClient.cx - kControls[0].bounds.width);
    RECT client{0, 0, std::max(Scale(kClient.cx), static_cast<int>(needed.cx) + margin),
                std::max(Scale(kClient.cy), static_cast<int>(needed.cy) + margin)};
    AdjustWindowRectExForDpi(&client, kStyle, FALSE, kExStyle, Dpi());
    Resize({client.right - client.left, client.bottom - client.top});
}

void CalendarWindow::ShowToday() {
    calendar_.SetDate(Now());
    Show();
    BringToFront();
}

void CalendarWindow::OnClose() { Hide(); }

}  // namespace quorvel
