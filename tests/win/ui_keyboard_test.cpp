// ctest: RUN_SERIAL
// The keyboard in the one message loop (ui::DispatchOne): a window's own
// accelerators, its default and cancel buttons (also in a window that is not a
// dialog), mnemonics and Tab order in WS_EX_CONTROLPARENT windows, and the
// first tab stop getting the keyboard when a window is shown. Keys are posted
// to the focused control as the system would queue them, so the test needs the
// focus: it runs alone.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "harness/pump.h"
#include "ui/handle.h"
#include "ui/window.h"

namespace quorvel::ui {
namespace {

using namespace std::chrono_literals;
using testing_support::PumpFor;
using testing_support::PumpUntil;

enum Id { kName = 101, kLoud, kOk, kCancel, kNotes, kLabel, kRefresh = 201 };

// Table order is tab order: name, loud, OK, Cancel, notes (the label is no tab stop).
constexpr ControlSpec kTable[] = {
    {kLabel, WC_STATICW, L"&Name:", {8, 8, 40, 16}},
    {kName, WC_EDITW, L"", {50, 8, 140, 20}, Anchor::Left | Anchor::Top, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL},
    {kLoud, WC_BUTTONW, L"&Loud", {8, 32, 80, 20}, Anchor::Left | Anchor::Top, WS_TABSTOP | BS_AUTOCHECKBOX},
    {kOk, WC_BUTTONW, L"&OK", {60, 120, 60, 24}, Anchor::Left | Anchor::Top, WS_TABSTOP | BS_PUSHBUTTON},
    {kCancel, WC_BUTTONW, L"&Cancel", {130, 120, 60, 24}, Anchor::Left | Anchor::Top, WS_TABSTOP | BS_PUSHBUTTON},
    {kNotes, WC_EDITW, L"", {8, 56, 180, 56}, Anchor::Left | Anchor::Top,
     WS_TABSTOP | WS_BORDER | ES_MULTILINE | ES_WANTRETURN},
};

class Form : public Window {
public:
    ~Form() override { Destroy(); }
    void Make(DWORD exStyle, int x) {
        CreateParams p;
        p.className = L"QuorvelKeyboardTest";
        p.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        p.title = L"keyboard";
        p.style = WS_OVERLAPPED | WS_CAPTION;
        p.exStyle = exStyle;
        p.placement = Placement::Exact;
        p.position = {x, 40};
        p.client96 = {214, 174};
        CreateHandle(p);
    }
    using Window::Item;
    using Window::SetAccelerators;
    using Window::SetCancelButton;
    using Window::SetDefaultButton;

    std::vector<int> commands;  // ids of WM_COMMAND from buttons, menus, accelerators

protected:
    void OnCreate() override { CreateControls(kTable, SIZE{200, 160}); }
    void OnCommand(int id, int code, HWND) override {
        if (code == BN_CLICKED || code == 1 /* accelerator */) commands.push_back(id);
    }
};

class Keyboard : public testing::Test {
protected:
    // Shows and activates the form; true once it has the keyboard.
    static bool Activate(Form& form) {
        ShowWindow(form.Handle(), SW_SHOW);
        SetForegroundWindow(form.Handle());
        return PumpUntil([&] { return GetForegroundWindow() == form.Handle() && GetFocus() != nullptr; }, 3s);
    }
    // A key as the system queues it: WM_KEYDOWN (and WM_KEYUP) at the focused control.
    static void Press(UINT vk) {
        const HWND focus = GetFocus();
        const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)) << 16;
        PostMessageW(focus, WM_KEYDOWN, vk, scan | 1);
        PostMessageW(focus, WM_KEYUP, vk, scan | 1 | (3LL << 30));
        PumpFor(50ms);
    }
    static void AltChar(wchar_t c) {
        PostMessageW(GetFocus(), WM_SYSCHAR, c, 1 | (1 << 29));
        PumpFor(50ms);
    }
};

TEST_F(Keyboard, FirstTabStopGetsTheFocusAndTabFollowsTheTable) {
    Form form;
    form.Make(WS_EX_CONTROLPARENT, 40);
    ASSERT_TRUE(Activate(form));
    EXPECT_EQ(GetFocus(), form.Item(kName)) << "the first tab stop, not the label before it";

    const int order[] = {kLoud, kOk, kCancel, kNotes};
    for (int id : order) {
        Press(VK_TAB);
        EXPECT_EQ(GetDlgCtrlID(GetFocus()), id) << "Tab should reach control " << id;
    }

    // Deactivating and activating again gives the keyboard back where it was.
    SetFocus(form.Item(kLoud));
    Form other;
    other.Make(0, 300);
    ASSERT_TRUE(Activate(other));
    ASSERT_TRUE(Activate(form));
    EXPECT_EQ(GetFocus(), form.Item(kLoud));
}

TEST_F(Keyboard, EnterAndEscapePressTheDeclaredButtons) {
    Form form;
    form.Make(WS_EX_CONTROLPARENT, 40);
    form.SetDefaultButton(kOk);
    form.SetCancelButton(kCancel);
    EXPECT_EQ(GetWindowLongW(form.Item(kOk), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON) << "drawn as default";
    ASSERT_TRUE(Activate(form));

    Press(VK_RETURN);  // in the one-line edit
    Press(VK_ESCAPE);
    EXPECT_EQ(form.commands, (std::vector<int>{kOk, kCancel}));

    // Enter on a focused push button presses that one.
    form.commands.clear();
    SetFocus(form.Item(kCancel));
    Press(VK_RETURN);
    EXPECT_EQ(form.commands, std::vector<int>{kCancel});

    // A multi-line edit with ES_WANTRETURN keeps Enter.
    form.commands.clear();
    SetFocus(form.Item(kNotes));
    Press(VK_RETURN);
    EXPECT_TRUE(form.commands.empty()) << form.commands.size() << " " << form.commands[0];
    EXPECT_GT(GetWindowTextLengthW(form.Item(kNotes)), 0) << "the edit got its new line";

    // A disabled default button is not pressed; moving the default redraws both.
    form.commands.clear();
    SetFocus(form.Item(kName));
    EnableWindow(form.Item(kOk), FALSE);
    Press(VK_RETURN);
    EXPECT_TRUE(form.commands.empty());
    form.SetDefaultButton(kCancel);
    EXPECT_EQ(GetWindowLongW(form.Item(kOk), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
    EXPECT_EQ(GetWindowLongW(form.Item(kCancel), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
}

TEST_F(Keyboard, DefaultAndCancelButtonsAlsoWorkInAWindowThatIsNoDialog) {
    Form form;
    form.Make(0, 40);  // no WS_EX_CONTROLPARENT: no IsDialogMessage
    form.SetDefaultButton(kOk);
    form.SetCancelButton(kCancel);
    ASSERT_TRUE(Activate(form));
    SetFocus(form.Item(kName));
    Press(VK_RETURN);
    Press(VK_ESCAPE);
    EXPECT_EQ(form.commands, (std::vector<int>{kOk, kCancel}));
}

TEST_F(Keyboard, MnemonicsPressButtonsAndToggleCheckBoxes) {
    Form form;
    form.Make(WS_EX_CONTROLPARENT, 40);
    ASSERT_TRUE(Activate(form));
    AltChar(L'o');
    EXPECT_EQ(form.commands, std::vector<int>{kOk});
    AltChar(L'l');
    EXPECT_EQ(SendMessageW(form.Item(kLoud), BM_GETCHECK, 0, 0), BST_CHECKED);
    AltChar(L'n');  // the label's mnemonic moves to the control after it
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), kName);
}

TEST_F(Keyboard, AcceleratorsBelongToTheirWindow) {
    Form form;
    form.Make(WS_EX_CONTROLPARENT, 40);
    ACCEL f5{FVIRTKEY, VK_F5, kRefresh};
    form.SetAccelerators(Accelerators(CreateAcceleratorTableW(&f5, 1)));
    Form other;  // no table
    other.Make(WS_EX_CONTROLPARENT, 300);

    ASSERT_TRUE(Activate(form));
    Press(VK_F5);  // in the edit box: still the window's
    EXPECT_EQ(form.commands, std::vector<int>{kRefresh});

    ASSERT_TRUE(Activate(other));
    Press(VK_F5);
    EXPECT_TRUE(other.commands.empty());
    EXPECT_EQ(form.commands.size(), 1u) << "the other window's key is not the first window's command";

    form.SetAccelerators(Accelerators());
    ASSERT_TRUE(Activate(form));
    Press(VK_F5);
    EXPECT_EQ(form.commands.size(), 1u) << "removed";
}

}  // namespace
}  // namespace quorvel::ui
