// A toolbar whose buttons show Actions (ui/action.h), with an owned image list.
#pragma once

#include "ui/action.h"
#include "ui/common_controls.h"
#include "ui/controls/control.h"
#include "ui/handle.h"

namespace quorvel::ui {

struct ImageListDeleter {
    void operator()(HIMAGELIST h) const { comctl::ImageList_Destroy(h); }
};
// An image list, destroyed when it goes (a toolbar or list view never destroys one).
using ImageList = Unique<HIMAGELIST, ImageListDeleter>;

// An empty 32-bit image list with a mask, for images of width x height pixels
// (scale 96-dpi sizes with ScaleForDpi first).
ImageList CreateImageList(int width, int height);

class ToolBar : public Control {
public:
    // Gives the toolbar its images, shown also as its hot images; the toolbar
    // keeps the list alive.
    void SetImageList(ImageList images);
    HIMAGELIST Images() const { return images_.Get(); }
    // Buttons of this 96-dpi size at every DPI, or wider where the widest
    // caption needs more room.
    void SetButtonSize96(SIZE size96);

    // A button for the action (command Action::Id(), its caption, image and
    // state), kept up to date by the action. style: BTNS_BUTTON, BTNS_CHECK ...
    void AddButton(Action& action, BYTE style = BTNS_BUTTON);
    void AddSeparator();
    int ButtonCount() const;
    void RemoveButtons();

    // The toolbar sizes itself to its parent's width.
    void ParentResized() override;

protected:
    void OnAttach() override;
    void OnDpiChanged(UINT oldDpi) override;

private:
    // The width of the widest button caption, in the toolbar's font.
    int WidestCaption() const;

    ImageList images_;
    SIZE buttonSize96_{};
};

}  // namespace quorvel::ui
