// AboutWindow, "About": the product line, the notice text and two links, to
// the home page and for a mail to the author. A new one opens, centred, at each
// About command; closing it (OK or the close box) destroys it.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "core/font.h"
#include "ui/controls/button.h"
#include "ui/controls/rich_edit.h"
#include "ui/window.h"

namespace quorvel {

class AboutWindow : public ui::Window {
public:
    enum ControlId : int {
        kNoticeBox = 2001,
        kDoneButton,
        kProductLabel,
        kMailLink,
        kWebLink,
    };
    using AboutControl = ControlId;

    ~AboutWindow() override;

    // Creates the window centred on the screen and shows it without waiting.
    void Create();
    HWND Control(AboutControl id) const { return Item(id); }

    // The font a link label (kMailLink, kWebLink) is drawn with now, its colour included.
    const FontSpec& LinkFont(AboutControl link) const;

    // The pointer entered or left a link label: the highlight colour and bold
    // while it is on the label, the window-text colour and regular weight
    // after; italic and the other style bits stay.
    void OnLinkEnter(AboutControl link);
    void OnLinkLeave(AboutControl link);
    void OnLinkClick(AboutControl link);
    void OnDoneButton();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnCreate() override;
    void OnDestroy() override;
    HBRUSH OnControlColour(HWND control, HDC dc) override;
    void OnDpiChanged(UINT dpi) override;

private:
    struct Link {
        AboutControl id{};
        FontSpec font;
        ui::Control label;
    };
    Link& LinkFor(AboutControl id);
    // The link label whose text lies under a client point; 0 for none.
    AboutControl LinkAt(POINT client) const;
    void ShowLinkFont(Link& link);
    void SetNoticeMargins();
    void PointerAt(POINT client);

    ui::RichEdit notice_;
    ui::Button doneButton_;
    ui::Control productLabel_;
    Link links_[2];
    AboutControl hot_ = AboutControl(0);      // the link under the pointer
    AboutControl pressed_ = AboutControl(0);  // the link the left button went down on
};

// The about windows the program has opened. Each ShowNew opens another one;
// those still open stay open beside it.
class AboutWindows {
public:
    AboutWindow& ShowNew();
    // The about windows that are open.
    std::size_t OpenCount() const;

private:
    // A closed window's object holds no handles; it goes at the next ShowNew,
    // never from inside its own messages.
    void ForgetClosed();
    std::vector<std::unique_ptr<AboutWindow>> windows_;
};

}  // namespace quorvel
