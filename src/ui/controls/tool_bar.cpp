#include "ui/controls/tool_bar.h"

#include <algorithm>
#include <string>
#include <utility>

#include "ui/control_table.h"

namespace quorvel::ui {

ImageList CreateImageList(int width, int height) {
    return ImageList(comctl::ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, 4, 4));
}

void ToolBar::OnAttach() { SendMessageW(Handle(), TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0); }

void ToolBar::SetImageList(ImageList images) {
    SendMessageW(Handle(), TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images.Get()));
    SendMessageW(Handle(), TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(images.Get()));
    images_ = std::move(images);  // the old list goes only once the toolbar has let go of it
}

void ToolBar::SetButtonSize96(SIZE size96) {
    buttonSize96_ = size96;
    // Wider where a caption needs it (a longer language), with a margin each side.
    const int width = std::max(ScaleForDpi(size96.cx, Dpi()), WidestCaption() + ScaleForDpi(8, Dpi()));
    SendMessageW(Handle(), TB_SETBUTTONSIZE, 0, MAKELPARAM(width, ScaleForDpi(size96.cy, Dpi())));
    SendMessageW(Handle(), TB_AUTOSIZE, 0, 0);
}

int ToolBar::WidestCaption() const {
    const HDC dc = GetDC(Handle());
    const HGDIOBJ old = SelectObject(dc, Font());
    int widest = 0;
    for (int i = 0; i < ButtonCount(); ++i) {
        TBBUTTON button{};
        SendMessageW(Handle(), TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&button));
        const auto id = static_cast<WPARAM>(button.idCommand);
        const auto length = static_cast<int>(SendMessageW(Handle(), TB_GETBUTTONTEXTW, id, 0));
        if (button.fsStyle & BTNS_SEP || length <= 0) continue;
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        SendMessageW(Handle(), TB_GETBUTTONTEXTW, id, reinterpret_cast<LPARAM>(text.data()));
        RECT r{};
        DrawTextW(dc, text.c_str(), length, &r, DT_CALCRECT | DT_SINGLELINE);
        widest = std::max(widest, static_cast<int>(r.right - r.left));
    }
    SelectObject(dc, old);
    ReleaseDC(Handle(), dc);
    return widest;
}

// The font is new (the window's layout gave it); the buttons are measured again.
void ToolBar::OnDpiChanged(UINT) {
    if (buttonSize96_.cx > 0) SetButtonSize96(buttonSize96_);
}

void ToolBar::RemoveButtons() {
    while (ButtonCount() > 0) SendMessageW(Handle(), TB_DELETEBUTTON, 0, 0);
}

void ToolBar::AddButton(Action& action, BYTE style) {
    TBBUTTON button{};
    button.iBitmap = action.Image() >= 0 ? action.Image() : I_IMAGENONE;
    button.idCommand = action.Id();
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = style;
    button.iString = -1;
    SendMessageW(Handle(), TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
    action.BindToolBar(Handle());
}

void ToolBar::AddSeparator() {
    TBBUTTON button{};
    button.fsStyle = BTNS_SEP;
    SendMessageW(Handle(), TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
}

int ToolBar::ButtonCount() const { return static_cast<int>(SendMessageW(Handle(), TB_BUTTONCOUNT, 0, 0)); }

void ToolBar::ParentResized() { SendMessageW(Handle(), TB_AUTOSIZE, 0, 0); }

}  // namespace quorvel::ui
