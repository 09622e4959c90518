// A command shown in several places at once: a toolbar button and a menu item
// carry the same caption, image, enabled and checked state, and run the same
// handler.
//
//   ui::Action remove_{kRemove, "&Remove", kRemoveImage};
//   remove_.onExecute = [this] { RemoveSelected(); };
//   AddAction(remove_);                // the window routes WM_COMMAND kRemove to it
//   toolBar_.AddButton(remove_);       // the button shows the action
//   remove_.AppendTo(popupMenu_.Get());// so does the menu item
//   remove_.SetEnabled(false);         // both grey out
#pragma once

#include <windows.h>

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/handle.h"

namespace quorvel::ui {

class Action {
public:
    // id: the command id of the button and the menu item; caption in UTF-8 (a
    // "&" marks the menu mnemonic); image: index in the toolbar's image list, -1 none.
    Action(int id, std::string caption, int image = -1);
    Action(const Action&) = delete;
    Action& operator=(const Action&) = delete;

    int Id() const { return id_; }
    const std::string& Caption() const { return caption_; }
    int Image() const { return image_; }
    bool Enabled() const { return enabled_; }
    bool Checked() const { return checked_; }

    // Each setter updates every bound button and menu item.
    void SetCaption(std::string caption);
    void SetImage(int image);
    void SetEnabled(bool enabled);
    void SetChecked(bool checked);

    // What the action does, whichever place it was invoked from.
    std::function<void()> onExecute;
    // Runs onExecute when the action is enabled; true when it ran.
    bool Execute();

    // Shows the action in the toolbar's button with command Id() (added by
    // ToolBar::AddButton) and keeps it up to date.
    void BindToolBar(HWND toolBar);
    // Appends a menu item for the action to menu and keeps it up to date; with
    // an image, the item shows it from the images of the window the menu
    // opens for (Window::SetMenuImages).
    void AppendTo(HMENU menu);

private:
    void Update() const;
    void UpdateToolBar(HWND toolBar) const;
    void UpdateMenu(HMENU menu) const;

    int id_;
    std::string caption_;
    int image_;
    bool enabled_ = true;
    bool checked_ = false;
    std::vector<HWND> toolBars_;
    std::vector<HMENU> menus_;
};

// The key that, with Alt, runs an action whose caption marks it with "&" (in
// any language: "&Add", "&Hinzufügen", "追加(&A)"), as the keyboard layout
// now in use types that letter; 0 when the caption has none or the layout
// has no key for it.
WORD AccessKeyOf(std::string_view caption);
// `keys`, and Alt with each action's access key running that action.
Accelerators AcceleratorsWithAccessKeys(std::span<const ACCEL> keys, std::span<Action* const> actions);

}  // namespace quorvel::ui
