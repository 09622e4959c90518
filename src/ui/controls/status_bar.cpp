#include "ui/controls/status_bar.h"

#include <utility>

#include "ui/control_table.h"
#include "core/wide.h"

namespace quorvel::ui {

void StatusBar::SetParts(std::vector<int> widths96) {
    widths96_ = std::move(widths96);
    ApplyParts();
}

// SB_SETPARTS takes each part's right edge.
void StatusBar::ApplyParts() {
    std::vector<int> edges;
    int right = 0;
    for (int width : widths96_) {
        right += ScaleForDpi(width, Dpi());
        edges.push_back(width < 0 ? -1 : right);
    }
    SendMessageW(Handle(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

void StatusBar::SetText(int part, std::string_view text) {
    const std::wstring wide = Wide(text);
    SendMessageW(Handle(), SB_SETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(wide.c_str()));
}

std::string StatusBar::Text(int part) const {
    const auto length = LOWORD(SendMessageW(Handle(), SB_GETTEXTLENGTHW, static_cast<WPARAM>(part), 0));
    std::wstring text(length + 1u, L'\0');
    SendMessageW(Handle(), SB_GETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text.data()));
    text.resize(length);
    return Narrow(text);
}

void StatusBar::ParentResized() { SendMessageW(Handle(), WM_SIZE, 0, 0); }

void StatusBar::OnDpiChanged(UINT) { ApplyParts(); }

}  // namespace quorvel::ui
