#include "ui/action.h"

#include <commctrl.h>

#include <utility>

#include "core/wide.h"

namespace quorvel::ui {

Action::Action(int id, std::string caption, int image) : id_(id), caption_(std::move(caption)), image_(image) {}

void Action::SetCaption(std::string caption) {
    caption_ = std::move(caption);
    Update();
}

void Action::SetImage(int image) {
    image_ = image;
    Update();
}

void Action::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Update();
}

void Action::SetChecked(bool checked) {
    checked_ = checked;
    Update();
}

bool Action::Execute() {
    if (!enabled_ || !onExecute) return false;
    onExecute();
    return true;
}

void Action::BindToolBar(HWND toolBar) {
    toolBars_.push_back(toolBar);
    UpdateToolBar(toolBar);
}

void Action::AppendTo(HMENU menu) {
    AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(id_), Wide(caption_).c_str());
    if (image_ >= 0) {
        // The owner window draws the image (Window::SetMenuImages).
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_BITMAP;
        info.hbmpItem = HBMMENU_CALLBACK;
        SetMenuItemInfoW(menu, static_cast<UINT>(id_), FALSE, &info);
    }
    menus_.push_back(menu);
    UpdateMenu(menu);
}

void Action::Update() const {
    for (HWND toolBar : toolBars_) {
        if (IsWindow(toolBar)) UpdateToolBar(toolBar);
    }
    for (HMENU menu : menus_) {
        if (IsMenu(menu)) UpdateMenu(menu);
    }
}

void Action::UpdateToolBar(HWND toolBar) const {
    std::wstring text = Wide(caption_);
    TBBUTTONINFOW info{};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_TEXT | TBIF_IMAGE | TBIF_STATE;
    info.pszText = text.data();
    info.iImage = image_ >= 0 ? image_ : I_IMAGENONE;
    info.fsState = static_cast<BYTE>((enabled_ ? TBSTATE_ENABLED : 0) | (checked_ ? TBSTATE_CHECKED : 0));
    SendMessageW(toolBar, TB_SETBUTTONINFOW, static_cast<WPARAM>(id_), reinterpret_cast<LPARAM>(&info));
}

WORD AccessKeyOf(std::string_view caption) {
    const std::wstring text = Wide(caption);
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != L'&') continue;
        if (text[i + 1] == L'&') {
            ++i;  // "&&" is a plain "&"
            continue;
        }
        // Lower case: the key itself, without Shift. (CharLowerW takes one character in the pointer's low word.)
        const auto lower = reinterpret_cast<ULONG_PTR>(CharLowerW(reinterpret_cast<LPWSTR>(ULONG_PTR{text[i + 1]})));
        const SHORT key = VkKeyScanW(static_cast<wchar_t>(lower));
        return key == -1 ? 0 : LOBYTE(key);
    }
    return 0;
}

Accelerators AcceleratorsWithAccessKeys(std::span<const ACCEL> keys, std::span<Action* const> actions) {
    std::vector<ACCEL> all(keys.begin(), keys.end());
    for (const Action* action : actions) {
        if (const WORD key = AccessKeyOf(action->Caption()))
            all.push_back(ACCEL{FVIRTKEY | FALT, key, static_cast<WORD>(action->Id())});
    }
    return Accelerators(CreateAcceleratorTableW(all.data(), static_cast<int>(all.size())));
}

void Action::UpdateMenu(HMENU menu) const {
    std::wstring text = Wide(caption_);
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING | MIIM_STATE;
    info.dwTypeData = text.data();
    info.fState = (enabled_ ? MFS_ENABLED : MFS_DISABLED) | (checked_ ? MFS_CHECKED : MFS_UNCHECKED);
    SetMenuItemInfoW(menu, static_cast<UINT>(id_), FALSE, &info);
}

}  // namespace quorvel::ui
