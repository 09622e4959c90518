// A status bar with parts in 96-dpi widths (re-scaled with the window's DPI).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/controls/control.h"

namespace quorvel::ui {

class StatusBar : public Control {
public:
    // The parts' widths in 96-dpi pixels; -1 for a last part taking the rest.
    void SetParts(std::vector<int> widths96);
    void SetText(int part, std::string_view text);  // UTF-8
    std::string Text(int part) const;

    // A status bar places itself at its parent's bottom on WM_SIZE.
    void ParentResized() override;

protected:
    void OnDpiChanged(UINT oldDpi) override;

private:
    void ApplyParts();
    std::vector<int> widths96_;
};

}  // namespace quorvel::ui
