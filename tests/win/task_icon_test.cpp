// TTaskIcon against Wine's real notification area: every request goes to
// Shell_NotifyIconW and is also recorded, and the shell is asked directly
// whether it knows an icon. Mouse notifications are sent to the component's
// window as the shell sends them.
// ctest: RUN_SERIAL (moves the pointer)
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../../res/resource_ids.h"
#include "trayicon/task_icon.h"

namespace quorvel {
namespace {

struct Sent {
    DWORD operation;
    NOTIFYICONDATAW data;
    BOOL result;
};

// Whether the shell holds an icon for (window, id): a modify that changes
// nothing succeeds exactly for a known icon.
bool ShellKnows(HWND hwnd, UINT id) {
    NOTIFYICONDATAW probe{};
    probe.cbSize = NOTIFYICONDATAW_V1_SIZE;
    probe.hWnd = hwnd;
    probe.uID = id;
    return Shell_NotifyIconW(NIM_MODIFY, &probe) != FALSE;
}

bool ShellAdd(HWND hwnd, UINT id) {
    NOTIFYICONDATAW data{};
    data.cbSize = NOTIFYICONDATAW_V1_SIZE;
    data.hWnd = hwnd;
    data.uID = id;
    return Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
}

bool ShellDelete(HWND hwnd, UINT id) {
    NOTIFYICONDATAW data{};
    data.cbSize = NOTIFYICONDATAW_V1_SIZE;
    data.hWnd = hwnd;
    data.uID = id;
    return Shell_NotifyIconW(NIM_DELETE, &data) != FALSE;
}

class TaskIcon : public ::testing::Test {
protected:
    void SetUp() override {
        TTaskIcon::ObserveRequests([this](DWORD op, const NOTIFYICONDATAW& data, BOOL result) {
            sent.push_back({op, data, result});
        });
        appIcon = static_cast<HICON>(
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_QUORVEL), IMAGE_ICON, 16, 16, 0));
        ASSERT_NE(appIcon, nullptr);
    }
    void TearDown() override {
        TTaskIcon::ObserveRequests(nullptr);
        DestroyIcon(appIcon);
    }

    void Notify(TTaskIcon& icon, WPARAM id, LPARAM mouseMessage) {
        SendMessageW(icon.WindowHandle(), WM_USER, id, mouseMessage);
    }

    std::vector<Sent> sent;
    HICON appIcon = nullptr;
};

TEST_F(TaskIcon, ActivationAddsTheIconAndDeactivationRemovesIt) {
    TTaskIcon icon;
    icon.SetIcon(appIcon);
    icon.SetToolTip("Quorvel");
    EXPECT_TRUE(sent.empty());
    icon.SetActive(true);
    ASSERT_TRUE(icon.Active());
    ASSERT_EQ(sent.size(), 1u);
    const NOTIFYICONDATAW& add = sent[0].data;
    EXPECT_EQ(sent[0].operation, static_cast<DWORD>(NIM_ADD));
    EXPECT_EQ(add.cbSize, NOTIFYICONDATAW_V1_SIZE);
    EXPECT_EQ(add.hWnd, icon.WindowHandle());
    EXPECT_EQ(add.uID, 0u);
    EXPECT_EQ(add.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(add.uCallbackMessage, static_cast<UINT>(WM_USER));
    EXPECT_EQ(add.hIcon, icon.Icon());
    EXPECT_NE(add.hIcon, appIcon);  // its own copy
    EXPECT_EQ(std::wstring(add.szTip), L"Quorvel");
    EXPECT_TRUE(ShellKnows(icon.WindowHandle(), 0));

    icon.SetActive(true);  // unchanged: no request
    EXPECT_EQ(sent.size(), 1u);

    icon.SetActive(false);
    EXPECT_FALSE(icon.Active());
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[1].operation, static_cast<DWORD>(NIM_DELETE));
    EXPECT_FALSE(ShellKnows(icon.WindowHandle(), 0));
    icon.SetActive(false);
    EXPECT_EQ(sent.size(), 2u);
}

TEST_F(TaskIcon, WritesWhileInactiveOnlyStoreAndActivationUsesTheLatest) {
    TTaskIcon icon;
    icon.SetToolTip("first");
    icon.SetToolTip("second");
    icon.SetIcon(appIcon);
    icon.SetTaskIconID(7);
    EXPECT_TRUE(sent.empty());
    EXPECT_EQ(icon.ToolTip(), "second");
    EXPECT_EQ(icon.TaskIconID(), 7u);

    icon.SetActive(true);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].data.uID, 7u);
    EXPECT_EQ(std::wstring(sent[0].data.szTip), L"second");
    EXPECT_EQ(sent[0].data.hIcon, icon.Icon());
    EXPECT_TRUE(ShellKnows(icon.WindowHandle(), 7));
}

TEST_F(TaskIcon, WritesWhileActiveSendAModifyOnlyForAChange) {
    TTaskIcon icon;
    icon.SetIcon(appIcon);
    icon.SetToolTip("Quorvel");
    icon.SetActive(true);
    sent.clear();

    icon.SetToolTip("Quorvel");  // same text
    icon.SetIcon(icon.Icon());   // its own image
    EXPECT_TRUE(sent.empty());

    icon.SetToolTip("Quorvel 1.1");
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].operation, static_cast<DWORD>(NIM_MODIFY));
    EXPECT_EQ(std::wstring(sent[0].data.szTip), L"Quorvel 1.1");
    EXPECT_TRUE(sent[0].result);

    const HICON before = icon.Icon();
    icon.SetIcon(appIcon);  // another object holding an equal image is a change
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[1].operation, static_cast<DWORD>(NIM_MODIFY));
    EXPECT_NE(icon.Icon(), before);
    EXPECT_EQ(sent[1].data.hIcon, icon.Icon());
}

// A new identifier is used by modifies at once, but the icon removed is the one
// recorded at the last add; the modify that names an unknown icon is ignored.
TEST_F(TaskIcon, AChangedIdentifierModifiesByTheNewAndDeletesByTheAdded) {
    TTaskIcon icon;
    icon.SetIcon(appIcon);
    icon.SetActive(true);
    icon.SetTaskIconID(5);
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[1].operation, static_cast<DWORD>(NIM_MODIFY));
    EXPECT_EQ(sent[1].data.uID, 5u);
    EXPECT_FALSE(sent[1].result);
    EXPECT_EQ(icon.TaskIconID(), 5u);
    EXPECT_TRUE(icon.Active());

    icon.SetActive(false);
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[2].data.uID, 0u);
    EXPECT_TRUE(sent[2].result);
    EXPECT_FALSE(ShellKnows(icon.WindowHandle(), 0));
}

TEST_F(TaskIcon, KeepsSixtyFourCharactersOfAToolTipAndSendsSixtyThree) {
    const std::string e = "\xC3\xA9";  // é, two bytes of UTF-8
    std::string accented;
    for (int i = 0; i < 70; ++i) accented += e;
    struct Case {
        std::string text;
        std::string kept;
        std::wstring sent;
    };
    const Case cases[] = {
        {std::string(70, 'a'), std::string(64, 'a'), std::wstring(63, L'a')},
        {std::string(64, 'b'), std::string(64, 'b'), std::wstring(63, L'b')},
        {std::string(63, 'c'), std::string(63, 'c'), std::wstring(63, L'c')},
        {accented, accented.substr(0, 128), std::wstring(63, L'\u00E9')},
        // A character outside the basic plane is never cut in half.
        {std::string(62, 'd') + "\xF0\x9F\x95\x92", std::string(62, 'd') + "\xF0\x9F\x95\x92",
         std::wstring(62, L'd')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TTaskIcon icon;
        icon.SetToolTip(c.text);
        EXPECT_EQ(icon.ToolTip(), c.kept);
        sent.clear();
        icon.SetActive(true);
        ASSERT_EQ(sent.size(), 1u);
        EXPECT_EQ(std::wstring(sent[0].data.szTip), c.sent);
    }
}

TEST_F(TaskIcon, RefusedRequestsLeaveActiveAsItWas) {
    TTaskIcon icon;
    // Someone else holds the same window and identifier: the add is refused.
    ASSERT_TRUE(ShellAdd(icon.WindowHandle(), 0));
    icon.SetActive(true);
    EXPECT_FALSE(icon.Active());
    ASSERT_TRUE(ShellDelete(icon.WindowHandle(), 0));
    icon.SetActive(true);  // a later write tries again
    EXPECT_TRUE(icon.Active());

    // The icon vanished behind the component's back: the removal is refused.
    ASSERT_TRUE(ShellDelete(icon.WindowHandle(), 0));
    icon.SetActive(false);
    EXPECT_TRUE(icon.Active());
}

TEST_F(TaskIcon, MouseNotificationsRaiseTheirEvents) {
    TTaskIcon icon;
    icon.SetTaskIconID(3);
    std::vector<std::string> events;
    POINT rightAt{};
    icon.OnClick = [&](TTaskIcon& sender) {
        EXPECT_EQ(&sender, &icon);
        events.push_back("click");
    };
    icon.OnDblClick = [&](TTaskIcon& sender) {
        EXPECT_EQ(&sender, &icon);
        events.push_back("dblclick");
    };
    icon.OnRightClick = [&](TTaskIcon& sender, int x, int y) {
        EXPECT_EQ(&sender, &icon);
        events.push_back("right");
        rightAt = {x, y};
    };

    struct Case {
        WPARAM id;
        std::vector<LPARAM> messages;
        std::vector<std::string> events;
    };
    const Case cases[] = {
        {3, {WM_LBUTTONUP}, {"click"}},
        {3, {WM_LBUTTONDBLCLK}, {"dblclick"}},
        {3, {WM_RBUTTONUP}, {"right"}},
        // The shell's report of a left double click.
        {3, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}, {"click", "dblclick", "click"}},
        {3, {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONUP, WM_RBUTTONDBLCLK}, {}},
        {4, {WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONUP}, {}},  // another icon's identifier
        {static_cast<WPARAM>(-1), {WM_LBUTTONUP}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "id " << c.id << ", first message " << c.messages[0]);
        events.clear();
        for (LPARAM m : c.messages) Notify(icon, c.id, m);
        EXPECT_EQ(events, c.events);
    }

    // The cursor where it is when the notification is handled, in screen pixels.
    ASSERT_TRUE(SetCursorPos(301, 207));
    Notify(icon, 3, WM_RBUTTONUP);
    POINT cursor{};
    GetCursorPos(&cursor);
    EXPECT_EQ(rightAt.x, cursor.x);
    EXPECT_EQ(rightAt.y, cursor.y);
    EXPECT_EQ(cursor.x, 301);
    EXPECT_EQ(cursor.y, 207);

    // Without handlers, notifications are simply dropped.
    TTaskIcon bare;
    for (LPARAM m : {WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONUP}) Notify(bare, 0, m);
}

TEST_F(TaskIcon, AnIdentifierAboveTwoToTheThirtyOneStillReachesItsEvents) {
    TTaskIcon icon;
    icon.SetTaskIconID(0x80000001u);
    int clicks = 0;
    icon.OnClick = [&](TTaskIcon&) { ++clicks; };
    Notify(icon, 0x80000001u, WM_LBUTTONUP);
    Notify(icon, 1, WM_LBUTTONUP);
    EXPECT_EQ(clicks, 1);
}

TEST_F(TaskIcon, ARecreatedTaskbarGetsTheActiveIconBack) {
    const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    TTaskIcon icon;
    icon.SetIcon(appIcon);
    icon.SetActive(true);
    // The old taskbar took the icon with it.
    ASSERT_TRUE(ShellDelete(icon.WindowHandle(), 0));
    sent.clear();
    SendMessageW(icon.WindowHandle(), taskbarCreated, 0, 0);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].operation, static_cast<DWORD>(NIM_ADD));
    EXPECT_TRUE(icon.Active());
    EXPECT_TRUE(ShellKnows(icon.WindowHandle(), 0));

    icon.SetActive(false);
    sent.clear();
    SendMessageW(icon.WindowHandle(), taskbarCreated, 0, 0);
    EXPECT_TRUE(sent.empty());  // an inactive icon stays away
    EXPECT_FALSE(ShellKnows(icon.WindowHandle(), 0));
}

TEST_F(TaskIcon, DestroyingAnActiveIconRemovesIt) {
    HWND hwnd = nullptr;
    {
        TTaskIcon icon;
        icon.SetIcon(appIcon);
        icon.SetTaskIconID(9);
        icon.SetActive(true);
        hwnd = icon.WindowHandle();
        ASSERT_TRUE(ShellKnows(hwnd, 9));
        sent.clear();
    }
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].operation, static_cast<DWORD>(NIM_DELETE));
    EXPECT_TRUE(sent[0].result);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_FALSE(ShellKnows(hwnd, 9));

    {
        TTaskIcon inactive;
        inactive.SetToolTip("never shown");
    }
    EXPECT_EQ(sent.size(), 1u);  // nothing to remove
}

}  // namespace
}  // namespace quorvel
