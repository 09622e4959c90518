// What ui::Window dispatches beyond the basics: WM_NOTIFY (with its result),
// track bar scrolling, WM_CTLCOLOR*, the minimum size at the window's DPI, and
// WM_CONTEXTMENU from the mouse and from the keyboard.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "ui/handle.h"
#include "ui/window.h"

namespace quorvel::ui {
namespace {

enum Id { kList = 101, kSlider, kVertical, kLabel, kEdit };

constexpr ControlSpec kTable[] = {
    {kList, WC_LISTVIEWW, L"", {8, 8, 184, 80}, Anchor::Left | Anchor::Top, LVS_REPORT | WS_BORDER},
    {kSlider, TRACKBAR_CLASSW, L"", {8, 96, 184, 24}, Anchor::Left | Anchor::Top, TBS_HORZ},
    {kVertical, TRACKBAR_CLASSW, L"", {196, 8, 24, 112}, Anchor::Left | Anchor::Top, TBS_VERT},
    {kLabel, WC_STATICW, L"label", {8, 124, 100, 16}},
    {kEdit, WC_EDITW, L"", {8, 144, 100, 20}, Anchor::Left | Anchor::Top, WS_BORDER},
};

class Form : public Window {
public:
    ~Form() override { Destroy(); }
    void Make() {
        CreateParams p;
        p.className = L"QuorvelDispatchTest";
        p.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        p.style = WS_OVERLAPPEDWINDOW;  // resizable: DefWindowProc enforces the minimum size
        p.placement = Placement::Exact;
        p.position = {20, 20};
        p.client96 = {252, 213};
        CreateHandle(p);
    }
    using Window::Item;
    using Window::SetMinimumSize;

    std::vector<std::pair<HWND, UINT>> notes;  // (from, code)
    LRESULT notifyResult = 0;
    std::vector<std::pair<HWND, int>> scrolls;
    std::vector<HWND> coloured;
    Brush labelBrush{CreateSolidBrush(RGB(255, 255, 0))};
    std::vector<std::pair<HWND, POINT>> menus;
    bool handleMenus = true;

protected:
    void OnCreate() override { CreateControls(kTable, SIZE{244, 200}); }
    LRESULT OnNotify(const NMHDR& header) override {
        notes.emplace_back(header.hwndFrom, header.code);
        return notifyResult;
    }
    void OnScroll(HWND control, int code) override { scrolls.emplace_back(control, code); }
    HBRUSH OnControlColour(HWND control, HDC dc) override {
        coloured.push_back(control);
        if (control != Item(kLabel)) return nullptr;
        SetTextColor(dc, RGB(0, 0, 255));
        SetBkMode(dc, TRANSPARENT);
        return labelBrush.Get();
    }
    bool OnContextMenu(HWND control, POINT screen) override {
        menus.emplace_back(control, screen);
        return handleMenus;
    }
};

SIZE OuterSize(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

TEST(Dispatch, NotificationsScrollingAndColoursReachTheirHandlers) {
    Form form;
    form.Make();
    ShowWindow(form.Handle(), SW_SHOWNOACTIVATE);
    const HWND list = form.Item(kList);

    // A list view's own notification (the selection changing) arrives with its sender.
    LVCOLUMNW column{LVCF_WIDTH, 0, 100};
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.pszText = const_cast<wchar_t*>(L"one");
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    form.notes.clear();
    item.state = item.stateMask = LVIS_SELECTED;
    SendMessageW(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&item));
    ASSERT_FALSE(form.notes.empty());
    EXPECT_EQ(form.notes.back(), std::make_pair(list, static_cast<UINT>(LVN_ITEMCHANGED)));
    // The handler's result goes back to the control (here: "prevent the change").
    form.notifyResult = TRUE;
    NMHDR header{list, kList, LVN_ITEMCHANGING};
    EXPECT_EQ(SendMessageW(form.Handle(), WM_NOTIFY, kList, reinterpret_cast<LPARAM>(&header)), TRUE);

    // Track bars moved by the keyboard report WM_HSCROLL / WM_VSCROLL with their handle.
    SendMessageW(form.Item(kSlider), WM_KEYDOWN, VK_RIGHT, 0);
    SendMessageW(form.Item(kVertical), WM_KEYDOWN, VK_DOWN, 0);
    const std::pair<HWND, int> line{form.Item(kSlider), TB_LINEDOWN};
    const std::pair<HWND, int> vertical{form.Item(kVertical), TB_LINEDOWN};
    EXPECT_NE(std::find(form.scrolls.begin(), form.scrolls.end(), line), form.scrolls.end());
    EXPECT_NE(std::find(form.scrolls.begin(), form.scrolls.end(), vertical), form.scrolls.end());

    // The label paints with the handler's brush; the edit box keeps the default.
    RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    EXPECT_NE(std::find(form.coloured.begin(), form.coloured.end(), form.Item(kLabel)), form.coloured.end());
    const HDC dc = GetDC(form.Item(kLabel));
    EXPECT_EQ(SendMessageW(form.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(form.Item(kLabel))),
              reinterpret_cast<LRESULT>(form.labelBrush.Get()));
    const LRESULT editBrush = SendMessageW(form.Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                           reinterpret_cast<LPARAM>(form.Item(kEdit)));
    EXPECT_NE(editBrush, 0) << "null from the handler means DefWindowProc's default brush";
    EXPECT_NE(editBrush, reinterpret_cast<LRESULT>(form.labelBrush.Get()));
    ReleaseDC(form.Item(kLabel), dc);
}

TEST(Dispatch, MinimumSizeIsKeptAtTheWindowsDpi) {
    Form form;
    form.Make();
    ASSERT_EQ(form.Dpi(), 96u) << "this test assumes the session's 96 dpi";
    SetWindowPos(form.Handle(), nullptr, 0, 0, 50, 50, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const SIZE free = OuterSize(form.Handle());
    EXPECT_LT(free.cx, 200) << "no minimum yet";

    form.SetMinimumSize(SIZE{200, 150});
    SetWindowPos(form.Handle(), nullptr, 0, 0, 50, 50, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(OuterSize(form.Handle()).cx, 200);
    EXPECT_EQ(OuterSize(form.Handle()).cy, 150);

    RECT suggested{20, 20, 20 + 390, 20 + 360};
    SendMessageW(form.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    SetWindowPos(form.Handle(), nullptr, 0, 0, 50, 50, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(OuterSize(form.Handle()).cx, 300) << "200 at 1.5";
    EXPECT_EQ(OuterSize(form.Handle()).cy, 225);
    MINMAXINFO info{};
    SendMessageW(form.Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 300);
}

TEST(Dispatch, ContextMenuFromTheMouseAndFromTheKeyboard) {
    Form form;
    form.Make();
    ShowWindow(form.Handle(), SW_SHOWNOACTIVATE);
    const HWND list = form.Item(kList);
    LVCOLUMNW column{LVCF_WIDTH, 0, 100};
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    for (int i = 0; i < 3; ++i) {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = const_cast<wchar_t*>(L"row");
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }

    // The mouse: the control asks its parent (DefWindowProc), with the click's point.
    SendMessageW(list, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), MAKELPARAM(120, 130));
    ASSERT_EQ(form.menus.size(), 1u);
    EXPECT_EQ(form.menus[0].first, list);
    EXPECT_EQ(form.menus[0].second.x, 120);
    EXPECT_EQ(form.menus[0].second.y, 130);

    // The keyboard (-1, -1): below the list's focused row.
    LVITEMW focus{};
    focus.state = focus.stateMask = LVIS_FOCUSED | LVIS_SELECTED;
    SendMessageW(list, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&focus));
    RECT row{LVIR_BOUNDS};
    SendMessageW(list, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
    POINT expected{row.left, row.bottom};
    ClientToScreen(list, &expected);
    SendMessageW(list, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), MAKELPARAM(-1, -1));
    ASSERT_EQ(form.menus.size(), 2u);
    EXPECT_EQ(form.menus[1].second.x, expected.x);
    EXPECT_EQ(form.menus[1].second.y, expected.y);

    // Elsewhere: the control's top left corner.
    POINT corner{0, 0};
    ClientToScreen(form.Item(kEdit), &corner);
    SendMessageW(form.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(form.Item(kEdit)), MAKELPARAM(-1, -1));
    ASSERT_EQ(form.menus.size(), 3u);
    EXPECT_EQ(form.menus[2].second.x, corner.x);
    EXPECT_EQ(form.menus[2].second.y, corner.y);

    // Not handled: DefWindowProc's turn (a top-level window has no parent to ask).
    form.handleMenus = false;
    EXPECT_EQ(SendMessageW(form.Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(form.Handle()), MAKELPARAM(5, 5)), 0);
    EXPECT_EQ(form.menus.size(), 4u);
}

}  // namespace
}  // namespace quorvel::ui
