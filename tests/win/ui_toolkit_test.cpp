// The toolkit every window stands on, against the real window system: handle
// ownership, the Window base's dispatch and exception boundary, control tables
// under resizing and DPI changes, and modal runs. (The message box and colour
// depth seams are exercised by the clock window's tests.)
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <stdexcept>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "harness/pump.h"
#include "ui/callback_timer.h"
#include "ui/control_table.h"
#include "ui/handle.h"
#include "ui/modal.h"
#include "ui/module.h"
#include "ui/popup_menu.h"
#include "ui/timer.h"
#include "ui/window.h"

namespace quorvel::ui {
namespace {

using namespace std::chrono_literals;

// --- Unique ----------------------------------------------------------------

std::vector<int> released;
struct RecordingDeleter {
    void operator()(int h) const { released.push_back(h); }
};
using Recorded = Unique<int, RecordingDeleter>;

TEST(Unique, ReleasesEachHandleExactlyOnce) {
    released.clear();
    {
        Recorded a(1);
        Recorded b(std::move(a));  // ownership moves, nothing released
        EXPECT_FALSE(a);
        EXPECT_EQ(b.Get(), 1);
        Recorded c(2);
        c = std::move(b);  // c's old handle goes, 1 moves on
        EXPECT_EQ(released, std::vector<int>{2});
        c.Reset(3);
        EXPECT_EQ(released, (std::vector<int>{2, 1}));
        EXPECT_EQ(c.Release(), 3);  // given up: never released
        Recorded d(4);
    }
    EXPECT_EQ(released, (std::vector<int>{2, 1, 4}));
}

TEST(Unique, OwnsRealGdiObjects) {
    Brush brush(CreateSolidBrush(RGB(1, 2, 3)));
    ASSERT_TRUE(brush);
    const HBRUSH raw = brush.Get();
    EXPECT_EQ(GetObjectType(raw), static_cast<DWORD>(OBJ_BRUSH));
    brush.Reset();
    EXPECT_EQ(GetObjectType(raw), 0u) << "the brush was not deleted";
}

// --- Window ----------------------------------------------------------------

enum ControlId { kName = 101, kOk, kCancel, kList };

const FontSpec kBoldFont{"DejaVu Sans", 12, kBlack, kBold};

// A 200 x 100 design: an edit box stretching with the width, two buttons kept at
// the bottom right (OK in a font of its own), a list growing in both directions.
constexpr ControlSpec kControls[] = {
    {kName, WC_EDITW, L"", {8, 8, 184, 20}, Anchor::Left | Anchor::Top | Anchor::Right, WS_BORDER},
    {kOk, WC_BUTTONW, L"OK", {60, 72, 60, 20}, Anchor::Right | Anchor::Bottom, 0, 0, &kBoldFont},
    {kCancel, WC_BUTTONW, L"Cancel", {132, 72, 60, 20}, Anchor::Right | Anchor::Bottom},
    {kList, WC_LISTBOXW, L"", {8, 32, 184, 36}, Anchor::Left | Anchor::Top | Anchor::Right | Anchor::Bottom},
};

class TestWindow : public Window {
public:
    explicit TestWindow(bool withControls = false, bool failCreate = false)
        : withControls_(withControls), failCreate_(failCreate) {}
    ~TestWindow() override { Destroy(); }

    void Make(DWORD exStyle = 0, HWND owner = nullptr) {
        CreateParams p;
        p.className = L"QuorvelToolkitTest";
        p.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        p.style = WS_POPUP;
        p.exStyle = exStyle;
        p.placement = Placement::Exact;
        p.position = {10, 10};
        p.client96 = {200, 100};
        p.owner = owner;
        CreateHandle(p);
    }

    std::vector<UINT> seen;
    std::vector<std::string> errors;
    std::function<void()> whileReporting;  // as if the report's box ran a message loop
    int ticks = 0;
    int endModalAfter = 0;  // ticks
    bool throwOnTimer = false;
    bool destroyed = false;
    std::vector<int> commands;
    using Window::Item;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        seen.push_back(msg);
        return Window::HandleMessage(msg, wParam, lParam);
    }
    void OnCreate() override {
        if (failCreate_) throw std::invalid_argument("refused by OnCreate");
        if (withControls_) CreateControls(kControls, SIZE{200, 100});
    }
    void OnTimer(UINT_PTR) override {
        if (throwOnTimer) throw std::runtime_error("tick failed");
        ++ticks;
        if (endModalAfter && ticks >= endModalAfter) EndModal(IDOK);
    }
    void OnDestroy() override { destroyed = true; }
    void OnCommand(int id, int, HWND) override { commands.push_back(id); }
    void OnError(const char* what) override {
        errors.emplace_back(what);
        if (whileReporting) whileReporting();
    }

private:
    bool withControls_;
    bool failCreate_;
};

TEST(Window, FindsItsObjectFromTheFirstMessageOn) {
    TestWindow w;
    w.Make();
    ASSERT_NE(w.Handle(), nullptr);
    EXPECT_EQ(Window::FromHandle(w.Handle()), &w);
    EXPECT_EQ(Window::FromHandle(GetDesktopWindow()), nullptr);
    ASSERT_FALSE(w.seen.empty());
    EXPECT_EQ(w.seen.front(), static_cast<UINT>(WM_NCCREATE));
    EXPECT_EQ(w.Dpi(), GetDpiForWindow(w.Handle()));

    const HWND hwnd = w.Handle();
    w.Destroy();
    EXPECT_TRUE(w.destroyed);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(w.Handle(), nullptr);
}

TEST(Window, AnExceptionStopsAtTheWindowProcedure) {
    TestWindow w;
    w.Make();
    w.throwOnTimer = true;
    EXPECT_EQ(SendMessageW(w.Handle(), WM_TIMER, 1, 0), 0);
    EXPECT_EQ(w.errors, std::vector<std::string>{"tick failed"});
    // Ticks that fail again while the report is open add no second report.
    w.whileReporting = [&] {
        for (int i = 0; i < 3; ++i) SendMessageW(w.Handle(), WM_TIMER, 1, 0);
    };
    SendMessageW(w.Handle(), WM_TIMER, 1, 0);
    EXPECT_EQ(w.errors.size(), 2u);
    // The window goes on working.
    w.throwOnTimer = false;
    SendMessageW(w.Handle(), WM_TIMER, 1, 0);
    EXPECT_EQ(w.ticks, 1);
}

TEST(Window, AFailedCreationRethrowsWhatOnCreateThrew) {
    TestWindow w(false, true);
    EXPECT_THROW(w.Make(), std::invalid_argument);
    EXPECT_EQ(w.Handle(), nullptr);
    EXPECT_TRUE(w.errors.empty()) << "a creation failure is the caller's to report";
}

TEST(Window, DestructorDestroysTheWindow) {
    HWND hwnd = nullptr;
    {
        TestWindow w;
        w.Make();
        hwnd = w.Handle();
    }
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST(Window, ACloseIsPostedNotRunInsideTheCaller) {
    TestWindow w;
    w.Make();
    ASSERT_TRUE(w.PostClose());
    EXPECT_FALSE(w.destroyed) << "closed inside the caller";
    EXPECT_TRUE(testing_support::PumpUntil([&] { return w.destroyed; }, 2s));
    EXPECT_FALSE(w.PostClose()) << "a close for no window reported as queued";
}

// --- Timer -----------------------------------------------------------------

TEST(Timer, ReportsAStartThatFailedAndFollowsItsInterval) {
    TestWindow gone;
    gone.Make();
    const HWND dead = gone.Handle();
    gone.Destroy();
    Timer timer(7, 10);
    ASSERT_TRUE(timer.Start()) << "without an owner it waits for one";
    EXPECT_FALSE(timer.Attach(dead));
    EXPECT_FALSE(timer.Enabled()) << "a timer that could not start passes for running";

    TestWindow w;
    w.Make();
    ASSERT_TRUE(timer.Attach(w.Handle()));
    EXPECT_FALSE(timer.Enabled());
    ASSERT_TRUE(timer.Start());
    EXPECT_TRUE(testing_support::PumpUntil([&] { return w.ticks >= 2; }, 2s));
    ASSERT_TRUE(timer.SetInterval(60'000));
    const int ticks = w.ticks;
    testing_support::PumpFor(200ms);
    EXPECT_EQ(w.ticks, ticks) << "the old interval still runs";
}

// Two timers of their own at once (each on its own window, both with the
// same id): each calls its own function, and a stopped one calls no more.
TEST(CallbackTimer, EachCallsItsOwnUntilStopped) {
    int first = 0, second = 0;
    CallbackTimer a(10, [&] { ++first; });
    CallbackTimer b(10, [&] { ++second; });
    ASSERT_TRUE(a.Start());
    ASSERT_TRUE(b.Start());
    EXPECT_TRUE(testing_support::PumpUntil([&] { return first >= 2 && second >= 2; }, 2s));
    a.Stop();
    const int stopped = first;
    testing_support::PumpFor(200ms);
    EXPECT_EQ(first, stopped);
    EXPECT_GT(second, 2);
}

// --- Popup menus -----------------------------------------------------------

// Picks the menu's second item from inside the menu's own loop, as the keyboard would.
void CALLBACK PickSecondItem(HWND, UINT, UINT_PTR id, DWORD) {
    if (HWND menu = FindWindowW(L"#32768", nullptr); menu && IsWindowVisible(menu)) {
        KillTimer(nullptr, id);
        for (const WPARAM key : {VK_DOWN, VK_DOWN, VK_RETURN}) PostMessageW(menu, WM_KEYDOWN, key, 0);
    }
}

TEST(PopupMenu, TheItemChosenIsReturnedOrSentAsACommand) {
    TestWindow w;
    w.Make();
    const Menu menu(CreatePopupMenu());
    AppendMenuW(menu.Get(), MF_STRING, 41, L"First");
    AppendMenuW(menu.Get(), MF_STRING, 42, L"Second");
    w.seen.clear();
    const UINT_PTR picking = SetTimer(nullptr, 0, 20, PickSecondItem);
    EXPECT_EQ(ChooseFromPopupMenu(menu.Get(), {20, 20}, w.Handle()), 42);
    KillTimer(nullptr, picking);
    testing_support::PumpPending();
    EXPECT_EQ(std::count(w.seen.begin(), w.seen.end(), static_cast<UINT>(WM_COMMAND)), 0);

    const UINT_PTR pickingAgain = SetTimer(nullptr, 0, 20, PickSecondItem);
    ShowPopupMenu(menu.Get(), {20, 20}, w.Handle());
    KillTimer(nullptr, pickingAgain);
    testing_support::PumpUntil([&] { return !w.commands.empty(); }, 2s);
    EXPECT_EQ(w.commands, std::vector<int>{42});
}

// --- Libraries loaded on first use --------------------------------------------

TEST(LazyLibrary, GivesTheSystemDllsFunctionsAndNothingForAMissingOne) {
    LazyLibrary user32(L"user32.dll");
    const auto desktop = user32.Function<decltype(&GetDesktopWindow)>("GetDesktopWindow");
    ASSERT_NE(desktop, nullptr);
    EXPECT_EQ(desktop(), GetDesktopWindow());
    EXPECT_EQ(user32.Function<decltype(&GetDesktopWindow)>("NoSuchFunction"), nullptr);

    LazyLibrary missing(L"quorvel_no_such_library.dll");
    EXPECT_FALSE(missing.Load());
    EXPECT_EQ(missing.Function<decltype(&GetDesktopWindow)>("GetDesktopWindow"), nullptr);
}

// --- Control tables --------------------------------------------------------

TEST(ControlTable, PlacesByAnchorsAndResolution) {
    struct Case {
        int control;
        UINT dpi;
        int clientWidth, clientHeight;
        RECT expected;
    };
    const Case kCases[] = {
        {0, 96, 200, 100, {8, 8, 192, 28}},      // as designed
        {0, 96, 300, 100, {8, 8, 292, 28}},      // left+right: stretches
        {1, 96, 300, 150, {160, 122, 220, 142}}, // right+bottom: moves
        {3, 96, 300, 150, {8, 32, 292, 118}},    // all four: grows both ways
        {1, 144, 300, 150, {90, 108, 180, 138}}, // scaled 1.5; designed client 300 x 150
        {1, 144, 330, 170, {120, 128, 210, 158}},
        {0, 120, 250, 125, {10, 10, 240, 35}},   // 1.25
        {3, 96, 100, 40, {8, 32, 92, 32}},       // shrunk past the design: no negative size
    };
    for (const Case& c : kCases) {
        const RECT r = PlaceControl(kControls[c.control], SIZE{200, 100}, c.dpi, c.clientWidth, c.clientHeight);
        EXPECT_EQ(r.left, c.expected.left) << "control " << c.control << " at " << c.dpi;
        EXPECT_EQ(r.top, c.expected.top) << "control " << c.control << " at " << c.dpi;
        EXPECT_EQ(r.right, c.expected.right) << "control " << c.control << " at " << c.dpi;
        EXPECT_EQ(r.bottom, c.expected.bottom) << "control " << c.control << " at " << c.dpi;
    }
}

RECT ChildRect(HWND parent, HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

TEST(ControlTable, FollowsResizeAndDpiChange) {
    TestWindow w(true);
    w.Make();
    ASSERT_EQ(w.Dpi(), 96u) << "this test assumes the session's 96 dpi";
    const HWND ok = w.Item(kOk);
    ASSERT_NE(ok, nullptr);
    wchar_t text[16] = {};
    GetWindowTextW(ok, text, 16);
    EXPECT_STREQ(text, L"OK");
    // A row's font, or the window's (here the message font), made for the resolution.
    auto charHeight = [](HWND control) {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
        return std::pair{std::wstring(font.lfFaceName), static_cast<int>(-font.lfHeight)};
    };
    EXPECT_EQ(charHeight(ok), std::pair(std::wstring(L"DejaVu Sans"), 16));
    EXPECT_NE(charHeight(w.Item(kCancel)).first, L"DejaVu Sans") << "the others the window's";

    RECT r = ChildRect(w.Handle(), ok);
    EXPECT_EQ(r.left, 60);
    EXPECT_EQ(r.top, 72);

    SetWindowPos(w.Handle(), nullptr, 0, 0, 300, 150, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    r = ChildRect(w.Handle(), ok);
    EXPECT_EQ(r.left, 160);
    EXPECT_EQ(r.top, 122);
    r = ChildRect(w.Handle(), w.Item(kName));
    EXPECT_EQ(r.right - r.left, 284);

    const LRESULT oldFont = SendMessageW(ok, WM_GETFONT, 0, 0);
    RECT suggested{10, 10, 310, 160};  // 200 x 100 at 1.5
    SendMessageW(w.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(w.Dpi(), 144u);
    r = ChildRect(w.Handle(), ok);
    EXPECT_EQ(r.left, 90);
    EXPECT_EQ(r.top, 108);
    EXPECT_EQ(r.right - r.left, 90);
    EXPECT_NE(SendMessageW(ok, WM_GETFONT, 0, 0), oldFont) << "a new font for the new resolution";
    EXPECT_EQ(charHeight(ok), std::pair(std::wstring(L"DejaVu Sans"), 24));
}

// --- Modal runs ------------------------------------------------------------

TEST(ModalRun, OtherWindowsKeepTickingAndTheOwnerComesBack) {
    TestWindow owner;
    owner.Make();
    ShowWindow(owner.Handle(), SW_SHOWNOACTIVATE);
    TestWindow dialog;
    dialog.Make(WS_EX_CONTROLPARENT, owner.Handle());
    dialog.endModalAfter = 3;  // the dialog closes itself after three of its ticks

    SetTimer(owner.Handle(), 1, 20, nullptr);
    SetTimer(dialog.Handle(), 1, 40, nullptr);
    owner.seen.clear();
    const int result = RunModal(dialog, owner.Handle());
    const bool ownerDisabledDuringRun =
        std::find(owner.seen.begin(), owner.seen.end(), static_cast<UINT>(WM_ENABLE)) != owner.seen.end();
    KillTimer(owner.Handle(), 1);

    EXPECT_EQ(result, IDOK);
    EXPECT_GE(owner.ticks, 2) << "the owner's timer kept ticking during the modal run";
    EXPECT_TRUE(ownerDisabledDuringRun);
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
    EXPECT_FALSE(IsWindowVisible(dialog.Handle())) << "hidden afterwards";
    EXPECT_TRUE(IsWindow(dialog.Handle())) << "not destroyed";
    EXPECT_FALSE(dialog.IsModal());
}

TEST(ModalRun, ClosingEndsWithCancelAndQuitIsPassedOn) {
    TestWindow dialog;
    dialog.Make();
    PostMessageW(dialog.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(RunModal(dialog, nullptr), IDCANCEL);
    EXPECT_TRUE(IsWindow(dialog.Handle())) << "closing a modal window does not destroy it";

    PostQuitMessage(7);
    EXPECT_EQ(RunModal(dialog, nullptr), IDCANCEL);
    testing_support::quitCode.reset();
    testing_support::PumpPending();
    EXPECT_EQ(testing_support::quitCode, 7) << "WM_QUIT is posted again";
}

}  // namespace
}  // namespace quorvel::ui
