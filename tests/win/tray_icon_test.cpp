// TrayIcon against Wine's real notification area: every request goes to
// Shell_NotifyIconW and is also recorded, and the shell is asked directly
// whether it knows an icon. Mouse notifications are sent to the component's
// window as the shell sends them.
// ctest: RUN_SERIAL (moves the pointer)
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resource_ids.h"
#include "trayicon/tray_icon.h"

namespace quorvel {
namespace {

struct Sent {
    DWORD operation;
    NOTIFYICONDATAW data;
    BOOL result;
};

// One request of the test's own for (window, id); a modify that changes nothing
// succeeds exactly when the shell knows the icon.
bool Shell(DWORD operation, HWND hwnd, UINT id) {
    NOTIFYICONDATAW data{};
    data.cbSize = NOTIFYICONDATAW_V1_SIZE;
    data.hWnd = hwnd;
    data.uID = id;
    return Shell_NotifyIconW(operation, &data) != FALSE;
}
bool ShellKnows(HWND hwnd, UINT id) { return Shell(NIM_MODIFY, hwnd, id); }

class TaskIcon : public ::testing::Test {
protected:
    void SetUp() override {
        TrayIcon::ObserveRequests([this](DWORD op, const NOTIFYICONDATAW& data, BOOL result) {
            sent.push_back({op, data, result});
        });
        appIcon = static_cast<HICON>(
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_QUORVEL), IMAGE_ICON, 16, 16, 0));
        ASSERT_NE(appIcon, nullptr);
    }
    void TearDown() override {
        TrayIcon::ObserveRequests(nullptr);
        DestroyIcon(appIcon);
    }
    std::vector<DWORD> Operations() const {
        std::vector<DWORD> ops;
        for (const Sent& s : sent) ops.push_back(s.operation);
        return ops;
    }

    std::vector<Sent> sent;
    HICON appIcon = nullptr;
};

TEST_F(TaskIcon, ActivationAddsTheIconAndDeactivationRemovesIt) {
    TrayIcon icon;
    icon.SetIcon(appIcon);
    icon.SetToolTip("Quorvel");
    icon.SetActive(true);
    icon.SetActive(true);  // unchanged: no request
    ASSERT_TRUE(icon.Active());
    ASSERT_EQ(Operations(), std::vector<DWORD>{NIM_ADD});
    const NOTIFYICONDATAW& add = sent[0].data;
    EXPECT_EQ(add.cbSize, NOTIFYICONDATAW_V1_SIZE);
    EXPECT_EQ(add.hWnd, icon.WindowHandle());
    EXPECT_EQ(add.uID, 0u);
    EXPECT_EQ(add.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(add.uCallbackMessage, static_cast<UINT>(WM_USER));
    EXPECT_EQ(add.hIcon, icon.Icon());
    EXPECT_NE(add.hIcon, appIcon) << "its own copy";
    EXPECT_EQ(std::wstring(add.szTip), L"Quorvel");
    EXPECT_TRUE(ShellKnows(icon.WindowHandle(), 0));

    icon.SetActive(false);
    icon.SetActive(false);
    EXPECT_FALSE(icon.Active());
    EXPECT_EQ(Operations(), (std::vector<DWORD>{NIM_ADD, NIM_DELETE}));
    EXPECT_FALSE(ShellKnows(icon.WindowHandle(), 0));
}

TEST_F(TaskIcon, RequestsGoOutOnlyForChangesWhileActive) {
    TrayIcon icon;
    icon.SetToolTip("first");
    icon.SetToolTip("second");
    icon.SetIcon(appIcon);
    icon.SetTaskIconID(7);
    EXPECT_TRUE(sent.empty()) << "inactive: values are only stored";
    icon.SetActive(true);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].data.uID, 7u);
    EXPECT_EQ(std::wstring(sent[0].data.szTip), L"second");

    icon.SetToolTip("second");
    icon.SetIcon(icon.Icon());  // its own image
    icon.SetTaskIconID(7);
    EXPECT_EQ(sent.size(), 1u);
    icon.SetToolTip("third");
    icon.SetIcon(appIcon);  // another object with an equal image is a change
    EXPECT_EQ(Operations(), (std::vector<DWORD>{NIM_ADD, NIM_MODIFY, NIM_MODIFY}));
    EXPECT_EQ(std::wstring(sent[1].data.szTip), L"third");
    EXPECT_EQ(sent[2].data.hIcon, icon.Icon());

    // A new identifier: the modify names it (unknown to the shell, ignored);
    // the removal names the icon recorded at the add.
    icon.SetTaskIconID(5);
    EXPECT_EQ(sent[3].data.uID, 5u);
    EXPECT_FALSE(sent[3].result);
    EXPECT_TRUE(icon.Active());
    icon.SetActive(false);
    EXPECT_EQ(sent[4].data.uID, 7u);
    EXPECT_TRUE(sent[4].result);
    EXPECT_FALSE(ShellKnows(icon.WindowHandle(), 7));
}

TEST_F(TaskIcon, KeepsSixtyFourCharactersOfAToolTipAndSendsSixtyThree) {
    std::string accented;
    for (int i = 0; i < 70; ++i) accented += "\xC3\xA9";  // é
    const std::string clock = std::string(62, 'd') + "\xF0\x9F\x95\x92";  // ends outside the basic plane
    const struct {
        std::string text, kept;
        std::wstring sent;
    } cases[] = {
        {std::string(70, 'a'), std::string(64, 'a'), std::wstring(63, L'a')},
        {std::string(63, 'c'), std::string(63, 'c'), std::wstring(63, L'c')},
        {accented, accented.substr(0, 128), std::wstring(63, L'\u00E9')},
        {clock, clock, std::wstring(62, L'd')},  // a surrogate pair is never cut in half
    };
    for (const auto& c : cases) {
        TrayIcon icon;
        icon.SetToolTip(c.text);
        EXPECT_EQ(icon.ToolTip(), c.kept);
        sent.clear();
        icon.SetActive(true);
        ASSERT_EQ(sent.size(), 1u);
        EXPECT_EQ(std::wstring(sent[0].data.szTip), c.sent);
    }
}

TEST_F(TaskIcon, RefusedRequestsLeaveActiveAsItWas) {
    TrayIcon icon;
    const HWND hwnd = icon.WindowHandle();
    ASSERT_TRUE(Shell(NIM_ADD, hwnd, 0));  // someone else holds this window and identifier
    icon.SetActive(true);
    EXPECT_FALSE(icon.Active());
    ASSERT_TRUE(Shell(NIM_DELETE, hwnd, 0));
    icon.SetActive(true);  // a later write tries again
    EXPECT_TRUE(icon.Active());
    ASSERT_TRUE(Shell(NIM_DELETE, hwnd, 0));  // the icon vanished behind its back
    icon.SetActive(false);
    EXPECT_TRUE(icon.Active());
}

TEST_F(TaskIcon, MouseNotificationsRaiseTheirEvents) {
    TrayIcon icon;
    icon.SetTaskIconID(3);
    std::vector<std::string> events;
    POINT rightAt{};
    icon.OnClick = [&](TrayIcon& sender) { events.push_back(&sender == &icon ? "click" : "?"); };
    icon.OnDblClick = [&](TrayIcon& sender) { events.push_back(&sender == &icon ? "dblclick" : "?"); };
    icon.OnRightClick = [&](TrayIcon& sender, int x, int y) {
        events.push_back(&sender == &icon ? "right" : "?");
        rightAt = {x, y};
    };
    const struct {
        WPARAM id;
        std::vector<LPARAM> messages;
        std::vector<std::string> events;
    } cases[] = {
        {3, {WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONUP}, {"click", "dblclick", "right"}},
        // The shell's report of a left double click.
        {3, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}, {"click", "dblclick", "click"}},
        {3, {WM_MOUSEMOVE, WM_RBUTTONDOWN, WM_MBUTTONUP, WM_RBUTTONDBLCLK}, {}},
        {4, {WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONUP}, {}},  // another icon's identifier
        {static_cast<WPARAM>(-1), {WM_LBUTTONUP}, {}},
    };
    for (const auto& c : cases) {
        events.clear();
        for (LPARAM m : c.messages) SendMessageW(icon.WindowHandle(), WM_USER, c.id, m);
        EXPECT_EQ(events, c.events) << "id " << c.id;
    }

    // The cursor where it is when the notification is handled, in screen pixels.
    ASSERT_TRUE(SetCursorPos(301, 207));
    SendMessageW(icon.WindowHandle(), WM_USER, 3, WM_RBUTTONUP);
    EXPECT_EQ(rightAt.x, 301);
    EXPECT_EQ(rightAt.y, 207);

    // An identifier with the top bit set is still its own.
    icon.SetTaskIconID(0x80000001u);
    events.clear();
    SendMessageW(icon.WindowHandle(), WM_USER, 0x80000001u, WM_LBUTTONUP);
    EXPECT_EQ(events, std::vector<std::string>{"click"});
}

TEST_F(TaskIcon, ARecreatedTaskbarGetsTheActiveIconBack) {
    const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    TrayIcon icon;
    icon.SetIcon(appIcon);
    icon.SetActive(true);
    ASSERT_TRUE(Shell(NIM_DELETE, icon.WindowHandle(), 0));  // the old taskbar took it along
    SendMessageW(icon.WindowHandle(), taskbarCreated, 0, 0);
    EXPECT_TRUE(icon.Active());
    EXPECT_TRUE(ShellKnows(icon.WindowHandle(), 0));

    // The message while the shell still shows the icon: it stays, and active.
    SendMessageW(icon.WindowHandle(), taskbarCreated, 0, 0);
    EXPECT_TRUE(icon.Active());
    EXPECT_TRUE(ShellKnows(icon.WindowHandle(), 0));
    icon.SetActive(false);
    EXPECT_FALSE(ShellKnows(icon.WindowHandle(), 0)) << "and it can still be removed";

    sent.clear();
    SendMessageW(icon.WindowHandle(), taskbarCreated, 0, 0);
    EXPECT_TRUE(sent.empty()) << "an inactive icon stays away";
}

TEST_F(TaskIcon, DestroyingAnActiveIconRemovesIt) {
    HWND hwnd = nullptr;
    {
        TrayIcon icon;
        icon.SetIcon(appIcon);
        icon.SetTaskIconID(9);
        icon.SetActive(true);
        hwnd = icon.WindowHandle();
        sent.clear();
    }
    ASSERT_EQ(Operations(), std::vector<DWORD>{NIM_DELETE});
    EXPECT_TRUE(sent[0].result);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_FALSE(ShellKnows(hwnd, 9));
}

}  // namespace
}  // namespace quorvel
