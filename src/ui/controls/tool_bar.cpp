#include "ui/controls/tool_bar.h"

#include <utility>

#include "ui/control_table.h"

namespace quorvel::ui {

ImageList CreateImageList(int width, int height) {
    return ImageList(ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, 4, 4));
}

void ToolBar::OnAttach() { SendMessageW(Handle(), TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0); }

void ToolBar::SetImageList(ImageList images) {
    SendMessageW(Handle(), TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images.Get()));
    SendMessageW(Handle(), TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(images.Get()));
    images_ = std::move(images);  // the old list goes only once the toolbar has let go of it
}

void ToolBar::SetButtonSize96(SIZE size96) {
    buttonSize96_ = size96;
    SendMessageW(Handle(), TB_SETBUTTONSIZE, 0,
                 MAKELPARAM(ScaleForDpi(size96.cx, Dpi()), ScaleForDpi(size96.cy, Dpi())));
    SendMessageW(Handle(), TB_AUTOSIZE, 0, 0);
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
