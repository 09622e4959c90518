#include "windows/about/about_window.h"

#include <richedit.h>
#include <windowsx.h>

#include <algorithm>
#include <string>
#include <utility>

#include "core/release.h"
#include "core/wide.h"
#include "platform/shell_link.h"
#include "ui/dc.h"
#include "ui/display.h"
#include "windows/about/notice_text.h"

namespace quorvel {
namespace {

constexpr wchar_t kClassName[] = L"QuorvelAbout";
constexpr SIZE kClient{465, 337};
constexpr SIZE kMinimumOuter{200, 100};
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;  // resizable, close box only
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT;
const FontSpec kFont{"Verdana", 8, kWindowTextColour, 0};
const FontSpec kLinkFont{"Verdana", 8, kWindowTextColour, kItalic};

constexpr ui::Anchor kAllEdges = ui::Anchor::Left | ui::Anchor::Top | ui::Anchor::Right | ui::Anchor::Bottom;
constexpr DWORD kLabel = SS_LEFTNOWORDWRAP | SS_NOPREFIX;  // no SS_NOTIFY: the window hears the pointer

// The notice box first in the tab order, OK second. The mail label is wider
// than its designed 97 pixels, from just after the product line to the
// window's edge, so that a longer address set at build time (or a wider italic
// font) still shows; the pointer counts on its text only.
using About = AboutWindow;
constexpr ui::ControlSpec kControls[] = {
    {About::kNoticeBox, ui::kRichEditClass, L"", {6, 38, 455, 266}, kAllEdges,
     ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP, WS_EX_STATICEDGE},
    {About::kDoneButton, WC_BUTTONW, L"OK", {7, 311, 75, 22}, ui::Anchor::Left | ui::Anchor::Bottom,
     BS_PUSHBUTTON | WS_TABSTOP},
    {About::kProductLabel, WC_STATICW, L"", {7, 5, 305, 13}, ui::Anchor::Left | ui::Anchor::Top, kLabel},
    {About::kMailLink, WC_STATICW, L"", {316, 5, 145, 13}, ui::Anchor::Left | ui::Anchor::Top, kLabel, 0, &kLinkFont},
    {About::kWebLink, WC_STATICW, L"Home page ...", {95, 315, 81, 13}, ui::Anchor::Left | ui::Anchor::Bottom, kLabel, 0,
     &kLinkFont},
};

}  // namespace

AboutWindow::~AboutWindow() { Destroy(); }

void AboutWindow::Create() {
    ui::LoadRichEdit();
    CreateHandle({.className = kClassName, .title = L"About", .style = kStyle, .exStyle = kExStyle,
                  .client96 = kClient, .placement = Placement::Centred, .font = &kFont});
    Show();
}

void AboutWindow::OnCreate() {
    SetMinimumSize(kMinimumOuter);
    CreateControls(kControls, kClient);
    productLabel_.Attach(Item(kProductLabel));
    productLabel_.SetText(kProductLine);
    for (Link& link : links_) link.font = kLinkFont;
    links_[0].id = kMailLink;
    links_[1].id = kWebLink;
    for (Link& link : links_) link.label.Attach(Item(link.id));
    links_[0].label.SetText(std::string("<") + kMailAddress + ">");
    doneButton_.Attach(Item(kDoneButton));
    doneButton_.onClick = [this] { OnDoneButton(); };

    notice_.Attach(Item(kNoticeBox));
    SetNoticeMargins();
    notice_.SetBackgroundColour(GetSysColor(COLOR_BTNFACE));
    notice_.SetText(NoticeText());
    SetDefaultButton(kDoneButton);
}

void AboutWindow::SetNoticeMargins() {
    notice_.SetSideMargins(Scale(2));
}

void AboutWindow::OnDpiChanged(UINT) { SetNoticeMargins(); }

// The link's font as it is now (bold while the pointer is on it); its colour
// is painted by OnControlColour.
void AboutWindow::ShowLinkFont(Link& link) { SetControlFont(link.id, link.font); }

AboutWindow::Link& AboutWindow::LinkFor(AboutControl id) { return id == kMailLink ? links_[0] : links_[1]; }

const FontSpec& AboutWindow::LinkFont(AboutControl link) const {
    return (link == kMailLink ? links_[0] : links_[1]).font;
}

void AboutWindow::OnLinkEnter(AboutControl id) {
    Link& link = LinkFor(id);
    link.font.colour = kHighlightColour;
    link.font.style = static_cast<std::uint8_t>(link.font.style | kBold);
    ShowLinkFont(link);
}

void AboutWindow::OnLinkLeave(AboutControl id) {
    Link& link = LinkFor(id);
    link.font.colour = kWindowTextColour;
    link.font.style = static_cast<std::uint8_t>(link.font.style & ~kBold);
    ShowLinkFont(link);
}

void AboutWindow::OnLinkClick(AboutControl id) {
    if (id == kWebLink) OpenLink(kHomePageAddress);
    if (id == kMailLink) OpenLink(std::string("mailto:") + kMailAddress);
}

// Posted: the window may go with the close, and the button's click is still under way.
void AboutWindow::OnDoneButton() {
    if (!PostClose()) OnClose();
}

AboutWindow::AboutControl AboutWindow::LinkAt(POINT client) const {
    for (const Link& link : links_) {
        const HWND label = link.label.Handle();
        RECT r = RectInClient(label);
        // Only the text counts, as it would for a label sized to it.
        const HDC dc = ui::MeasuringDc();
        const ui::SelectGuard font(dc, link.label.Font());
        const std::wstring text = Wide(link.label.Text());
        SIZE extent{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        r.right = std::min(r.right, r.left + extent.cx);
        if (PtInRect(&r, client)) return link.id;
    }
    return AboutControl(0);
}

void AboutWindow::PointerAt(POINT client) {
    const AboutControl now = LinkAt(client);
    if (now == hot_) return;
    if (hot_) OnLinkLeave(hot_);
    hot_ = now;
    if (hot_) {
        OnLinkEnter(hot_);
        // Told when the pointer leaves the window, so the link is left too.
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
        TrackMouseEvent(&track);
    }
}

LRESULT AboutWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (msg) {
        case WM_MOUSEMOVE:
            PointerAt(at);
            return 0;
        case WM_MOUSELEAVE:
            if (hot_) OnLinkLeave(std::exchange(hot_, AboutControl(0)));
            return 0;
        case WM_LBUTTONDOWN:
            pressed_ = LinkAt(at);
            return 0;
        case WM_LBUTTONUP: {
            const AboutControl released = LinkAt(at);
            if (released && released == std::exchange(pressed_, AboutControl(0))) OnLinkClick(released);
            return 0;
        }
        default:
            return Window::HandleMessage(msg, wParam, lParam);
    }
}

void AboutWindow::OnDestroy() { hot_ = pressed_ = AboutControl(0); }

HBRUSH AboutWindow::OnControlColour(HWND control, HDC dc) {
    for (const Link& link : links_) {
        if (control == link.label.Handle()) {
            SetTextColor(dc, ui::ToColourRef(link.font.colour));
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            return GetSysColorBrush(COLOR_BTNFACE);
        }
    }
    return nullptr;
}

AboutWindow& AboutWindows::ShowNew() {
    ForgetClosed();
    windows_.push_back(std::make_unique<AboutWindow>());
    try {
        windows_.back()->Create();
    } catch (...) {
        windows_.pop_back();
        throw;
    }
    return *windows_.back();
}

std::size_t AboutWindows::OpenCount() const {
    return static_cast<std::size_t>(
        std::count_if(windows_.begin(), windows_.end(), [](const auto& w) { return w->Handle() != nullptr; }));
}

void AboutWindows::ForgetClosed() {
    std::erase_if(windows_, [](const auto& w) { return w->Handle() == nullptr; });
}

}  // namespace quorvel
