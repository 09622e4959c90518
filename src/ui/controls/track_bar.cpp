#include "ui/controls/track_bar.h"

#include "ui/control_table.h"

#include <algorithm>

namespace quorvel::ui {

void TrackBar::OnAttach() { position_ = static_cast<int>(SendMessageW(Handle(), TBM_GETPOS, 0, 0)); }

void TrackBar::SetRange(int min, int max) {
    SendMessageW(Handle(), TBM_SETRANGEMIN, FALSE, min);
    SendMessageW(Handle(), TBM_SETRANGEMAX, TRUE, max);
    Changed();  // the control clamps its position itself
}

int TrackBar::Min() const { return static_cast<int>(SendMessageW(Handle(), TBM_GETRANGEMIN, 0, 0)); }

int TrackBar::Max() const { return static_cast<int>(SendMessageW(Handle(), TBM_GETRANGEMAX, 0, 0)); }

void TrackBar::SetPosition(int value) {
    value = std::clamp(value, Min(), std::max(Min(), Max()));
    if (value == position_) return;
    SendMessageW(Handle(), TBM_SETPOS, TRUE, value);
    Changed();
}

void TrackBar::SetPageSize(int size) { SendMessageW(Handle(), TBM_SETPAGESIZE, 0, size); }

void TrackBar::SetTickFrequency(int every) { SendMessageW(Handle(), TBM_SETTICFREQ, static_cast<WPARAM>(every), 0); }

void TrackBar::SetThumbLength96(int length96) {
    thumbLength96_ = length96;
    SendMessageW(Handle(), TBM_SETTHUMBLENGTH, static_cast<WPARAM>(ScaleForDpi(length96, Dpi())), 0);
}

void TrackBar::OnDpiChanged(UINT) {
    if (thumbLength96_ > 0) SetThumbLength96(thumbLength96_);
}

// Every notification (line, page, thumb track, end track ...) may or may not
// have moved the thumb: compare with the position last seen.
bool TrackBar::ReflectScroll(int) {
    Changed();
    return true;
}

void TrackBar::Changed() {
    const int now = static_cast<int>(SendMessageW(Handle(), TBM_GETPOS, 0, 0));
    if (now == position_) return;
    position_ = now;
    if (onChange) onChange(now);
}

}  // namespace quorvel::ui
