// The settings window on a real clock window: what a showing reads back (and
// the values it moves the clock to), the handlers acting on the clock at once,
// the font and colour dialogs answered through their seams, OK/Escape, Quit,
// the Hidden box, and the clock commands that open the settings, calendar and
// about windows. Driven with the messages a user's actions send.
// ctest: RUN_SERIAL (uses the program's registry key and the tray)
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/clock_menu.h"
#include "app/program.h"
#include "core/clock.h"
#include "core/wide.h"
#include "harness/answers.h"
#include "harness/pump.h"
#include "harness/registry.h"
#include "ui/common_dialogs.h"
#include "ui/modal.h"
#include "windows/calendar/calendar_window.h"
#include "windows/settings/settings_window.h"

namespace quorvel {
namespace {

using SettingsControl = SettingsWindow::ControlId;
using enum SettingsWindow::ControlId;

using namespace testing_support;

const DateTime kStart = *EncodeDateTime({2026, 12, 7, 10, 5, 7, 0});
constexpr Colour kRed = 0x000000FF;
constexpr Colour kGreen = 0x0000FF00;

std::wstring ExecutablePath() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

// A clock window, shown and ticked once, with its settings window beside it.
struct Clock {
    CleanRegistry clean;
    Program program;
    ClockWindow& form;
    SettingsWindow& settings;

    Clock() : form(Started(program)), settings(program.Windows().Settings()) { form.Tick(); }
    ~Clock() {
        form.Destroy();
        PumpPending();  // takes the clock's WM_QUIT
    }
    static ClockWindow& Started(Program& program) {
        program.Start();
        return program.Clock();
    }

    HWND Item(SettingsControl id) const { return settings.Control(id); }
    void Click(SettingsControl id) { SendMessageW(Item(id), BM_CLICK, 0, 0); }
    bool Checked(SettingsControl id) const { return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    bool Enabled(SettingsControl id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    int SliderAt(SettingsControl id) const { return static_cast<int>(SendMessageW(Item(id), TBM_GETPOS, 0, 0)); }
    // As a user's drag: the thumb moves, the slider reports it, then the end of the drag.
    void Drag(SettingsControl id, int position) {
        SendMessageW(Item(id), TBM_SETPOS, TRUE, position);
        for (WORD code : {WORD(TB_THUMBTRACK), WORD(TB_ENDTRACK)}) {
            SendMessageW(settings.Handle(), WM_HSCROLL, MAKEWPARAM(code, position),
                         reinterpret_cast<LPARAM>(Item(id)));
        }
    }
    void TypeTimeFormat(const wchar_t* text) {
        SetWindowTextW(Item(kTimeFormatBox), text);
        SendMessageW(settings.Handle(), WM_COMMAND, MAKEWPARAM(kTimeFormatBox, CBN_EDITCHANGE),
                     reinterpret_cast<LPARAM>(Item(kTimeFormatBox)));
    }
    void Key(WPARAM key, HWND target) {
        MSG msg{target, WM_KEYDOWN, key, 0, 0, {}};
        ui::DispatchOne(msg);
    }
    void Wheel(int notches) {
        SendMessageW(form.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(static_cast<SHORT>(notches * 120))), 0);
    }
    std::optional<DWORD> Stored(const wchar_t* name) const {
        const auto v = Find(kSettingsPath, name);
        if (!v || v->bytes.size() != 4) return std::nullopt;
        return DWORD(v->bytes[0] | v->bytes[1] << 8 | v->bytes[2] << 16 | v->bytes[3] << 24);
    }
};

class SettingsWindowTest : public testing_support::AnsweredTest {
protected:
    void SetUp() override { SetClock(kStart); }
    void TearDown() override {
        ResetClock();
        for (const auto& box : answers.boxes) ADD_FAILURE() << "message box: " << box.text;
    }
};

// What the first showing reads back, in the cases that move the clock or the
// controls: each case starts a fresh clock.
TEST_F(SettingsWindowTest, TheFirstShowingReadsTheClockBackAndMovesItOnlyToValuesTheControlsCanShow) {
    struct Case {
        const char* name;
        std::function<void(Clock&)> before;
        std::function<void(Clock&)> check;
    };
    const Case cases[] = {
        {"opacity 128 stays; away and back to 50 gives 127",
         [](Clock& c) { c.form.SetOpacity(128); },
         [](Clock& c) {
             EXPECT_EQ(c.SliderAt(kOpacitySlider), 50);
             EXPECT_EQ(c.form.Opacity(), 128);
             c.Drag(kOpacitySlider, 51);
             EXPECT_EQ(c.form.Opacity(), 125);
             c.Drag(kOpacitySlider, 50);
             EXPECT_EQ(c.form.Opacity(), 127);
         }},
        {"opacity 100 becomes 99",
         [](Clock& c) { c.form.SetOpacity(100); },
         [](Clock& c) {
             EXPECT_EQ(c.SliderAt(kOpacitySlider), 61);
             EXPECT_EQ(c.form.Opacity(), 99);
         }},
        {"size 150 from the wheel gives 100 to all three texts",
         [](Clock& c) { c.Wheel(134); },
         [](Clock& c) {
             EXPECT_EQ(c.SliderAt(kSizeSlider), 100);
             for (FaceLabel l : {FaceLabel::Text, FaceLabel::Shadow, FaceLabel::Outline}) {
                 EXPECT_EQ(c.form.LabelFont(l).size, 100);
             }
         }},
        {"size 20, the slider's laid-out position, runs no handler",
         [](Clock& c) { c.Wheel(4); },
         [](Clock& c) { EXPECT_EQ(c.form.LabelFont(FaceLabel::Text).size, 20); }},
        {"depth 40 gives 25 and moves the shadow",
         [](Clock& c) { c.form.SetShadowDepth(40); },
         [](Clock& c) {
             EXPECT_EQ(c.SliderAt(kShadowDepthSlider), 25);
             EXPECT_EQ(c.form.ShadowDepth(), 25);
             EXPECT_EQ(c.form.Label(FaceLabel::Shadow).Left(), 25);
             EXPECT_EQ(c.form.Label(FaceLabel::Shadow).Top(), 25);
         }},
        {"a painted background checks Background and enables its colour",
         [](Clock& c) { c.form.SetColourKeyOn(false); },
         [](Clock& c) {
             EXPECT_TRUE(c.Checked(kBackgroundBox));
             EXPECT_TRUE(c.Enabled(kBackgroundColourButton));
         }},
        {"see-through background, visible shadow, no outline, shown clock",
         [](Clock&) {},
         [](Clock& c) {
             EXPECT_FALSE(c.Checked(kBackgroundBox));
             EXPECT_FALSE(c.Enabled(kBackgroundColourButton));
             EXPECT_TRUE(c.Checked(kShadowBox));
             EXPECT_TRUE(c.Enabled(kShadowColourButton));
             EXPECT_FALSE(c.Checked(kOutlineBox));
             EXPECT_FALSE(c.Checked(kHiddenBox));
             EXPECT_TRUE(c.Checked(kStartupBox)) << "a first start writes the start-up entry";
             EXPECT_EQ(c.SliderAt(kSizeSlider), 16);
             EXPECT_EQ(c.SliderAt(kShadowDepthSlider), 2);
             wchar_t text[32] = {};
             GetWindowTextW(c.Item(kTimeFormatBox), text, 32);
             EXPECT_STREQ(text, L"hh:mm:ss");
         }},
        {"an existing start-up entry is checked and rewritten with this program's path",
         [](Clock&) { Plant(kRunKeyWide, {Text(kStartupValueNameWide, L"\"C:\\old\\Quorvel.exe\"")}); },
         [](Clock& c) {
             EXPECT_TRUE(c.Checked(kStartupBox));
             const auto entry = Find(kRunKeyWide, kStartupValueNameWide);
             ASSERT_TRUE(entry);
             EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(entry->bytes.data())),
                       L"\"" + ExecutablePath() + L"\"");
         }},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        Clock c;
        test.before(c);
        SendMessageW(c.form.Handle(), WM_COMMAND, kPropertiesCommand, 0);
        ASSERT_TRUE(IsWindowVisible(c.settings.Handle()));
        test.check(c);
    }
}

TEST_F(SettingsWindowTest, TheFontDialogStartsFromTheTextFontAndTheShadowKeepsItsColour) {
    Clock c;
    c.settings.ShowSettings();
    const FontSpec chosen{"Tahoma", 30, kRed, kUnderline | kStrikeOut};
    answers.font = ui::FontChoice{chosen};
    c.Click(kFontButton);
    ASSERT_EQ(answers.fonts.size(), 1u);
    EXPECT_EQ(answers.fonts[0].font, (FontSpec{"Verdana", 16, kNavy, kBold | kItalic}));
    EXPECT_EQ(c.form.LabelFont(FaceLabel::Text), chosen);
    EXPECT_EQ(c.form.LabelFont(FaceLabel::Shadow), (FontSpec{"Tahoma", 30, kSilver, kUnderline | kStrikeOut}));
    EXPECT_EQ(c.form.LabelFont(FaceLabel::Outline), (FontSpec{"Tahoma", 30, kBlack, kUnderline | kStrikeOut}));
    EXPECT_EQ(c.SliderAt(kSizeSlider), 16) << "the size slider waits for the next showing";

    // Cancelling changes nothing; the text colour has its own dialog.
    answers.font = std::nullopt;
    c.Click(kFontButton);
    EXPECT_EQ(c.form.LabelFont(FaceLabel::Text), chosen);
    answers.colour = kGreen;
    c.Click(kTextColourButton);
    EXPECT_EQ(c.form.LabelFont(FaceLabel::Text).colour, kGreen);
    EXPECT_EQ(c.form.LabelFont(FaceLabel::Shadow).colour, kSilver);
    c.Click(kShadowColourButton);
    EXPECT_EQ(c.form.LabelFont(FaceLabel::Shadow).colour, kGreen);
    EXPECT_EQ(answers.colours, (std::vector<COLORREF>{kRed, kSilver}));
}

TEST_F(SettingsWindowTest, BackgroundOffMakesTheWindowBlackAndSeeThroughAndOnPaintsIt) {
    Clock c;
    c.settings.ShowSettings();
    answers.colour = kGreen;
    c.Click(kBackgroundBox);
    EXPECT_TRUE(c.Enabled(kBackgroundColourButton));
    EXPECT_FALSE(c.form.ColourKeyOn());
    c.Click(kBackgroundColourButton);
    EXPECT_EQ(c.form.BackgroundColour(), kGreen);
    EXPECT_EQ(c.form.ColourKey(), kBlack) << "the key is off: left alone";

    c.Click(kBackgroundBox);  // off: black, and black is the key
    EXPECT_FALSE(c.Enabled(kBackgroundColourButton));
    EXPECT_EQ(c.form.BackgroundColour(), kBlack);
    EXPECT_EQ(c.form.ColourKey(), kBlack);
    EXPECT_TRUE(c.form.ColourKeyOn());
    COLORREF key = 1;
    BYTE alpha = 0;
    DWORD flags = 0;
    GetLayeredWindowAttributes(c.form.Handle(), &key, &alpha, &flags);
    EXPECT_EQ(key, 0u);
    EXPECT_EQ(flags, DWORD(LWA_ALPHA | LWA_COLORKEY));

    c.Click(kBackgroundBox);  // on again: black, painted
    EXPECT_EQ(c.form.BackgroundColour(), kBlack);
    EXPECT_FALSE(c.form.ColourKeyOn());
}

TEST_F(SettingsWindowTest, ControlsActOnTheClockAtOnce) {
    Clock c;
    c.settings.ShowSettings();
    c.Drag(kOpacitySlider, 10);
    EXPECT_EQ(c.form.Opacity(), 229);
    c.Drag(kSizeSlider, 40);
    EXPECT_EQ(c.form.LabelFont(FaceLabel::Outline).size, 40);
    c.Drag(kShadowDepthSlider, 7);
    EXPECT_EQ(c.form.ShadowDepth(), 7);
    EXPECT_EQ(c.form.Label(FaceLabel::Shadow).Left(), 7);
    c.Click(kShadowBox);
    EXPECT_FALSE(c.form.LabelVisible(FaceLabel::Shadow));
    EXPECT_FALSE(c.Enabled(kShadowColourButton));
    c.Click(kOutlineBox);
    EXPECT_TRUE(c.form.LabelVisible(FaceLabel::Outline));
    c.Click(kStartupBox);  // checked at the showing: the first start wrote the entry
    EXPECT_FALSE(Find(kRunKeyWide, kStartupValueNameWide));
    c.Click(kStartupBox);
    EXPECT_TRUE(Find(kRunKeyWide, kStartupValueNameWide));

    // Typing and picking a list item; an empty field is an empty format.
    c.TypeTimeFormat(L"hh");
    EXPECT_EQ(c.form.TimeFormat(), "hh");
    SendMessageW(c.Item(kTimeFormatBox), CB_SETCURSEL, 3, 0);
    SendMessageW(c.settings.Handle(), WM_COMMAND, MAKEWPARAM(kTimeFormatBox, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(c.Item(kTimeFormatBox)));
    EXPECT_EQ(c.form.TimeFormat(), "ddd, mm/dd/yy");
    c.TypeTimeFormat(L"");
    EXPECT_EQ(c.form.TimeFormat(), "");
}

TEST_F(SettingsWindowTest, EscapeAndEnterPressOkWhichSavesAndHides) {
    for (WPARAM key : {WPARAM(VK_ESCAPE), WPARAM(VK_RETURN)}) {
        Clock c;
        c.settings.ShowSettings();
        c.Drag(kOpacitySlider, 30);
        c.TypeTimeFormat(L"hh:mm");
        c.Key(key, c.Item(kOpacitySlider));
        EXPECT_FALSE(IsWindowVisible(c.settings.Handle()));
        EXPECT_EQ(c.Stored(L"Alpha"), 179u);
        const auto format = Find(kSettingsPath, L"TimeFormat");
        ASSERT_TRUE(format);
        EXPECT_STREQ(reinterpret_cast<const wchar_t*>(format->bytes.data()), L"hh:mm");
    }
}

TEST_F(SettingsWindowTest, QuitWhileTheClockIsHiddenEndsTheProgramWithHiddenStored) {
    Clock c;
    c.settings.ShowSettings();
    c.program.Tray().ToggleHidden();
    ASSERT_TRUE(c.program.Tray().Hidden()) << "the tray icon was refused";
    quitCode.reset();
    c.Click(kQuitButton);
    EXPECT_FALSE(IsWindowVisible(c.settings.Handle()));
    PumpPending();  // the close is posted, never run inside the button's click
    EXPECT_EQ(c.form.Handle(), nullptr) << "the clock window closed";
    EXPECT_EQ(c.Stored(L"Hidden"), 1u);
    EXPECT_TRUE(quitCode) << "the program ends";
}

TEST_F(SettingsWindowTest, HiddenActsOnlyWhenItDisagreesWithTheClock) {
    Clock c;
    c.settings.ShowSettings();
    c.program.Tray().ToggleHidden();  // from the clock's menu, while this window is open
    ASSERT_TRUE(c.program.Tray().Hidden());
    EXPECT_FALSE(c.Checked(kHiddenBox));
    c.Click(kHiddenBox);  // ticked: the clock is hidden already
    EXPECT_TRUE(c.program.Tray().Hidden());
    EXPECT_TRUE(c.program.Tray().Icon().Active());
    c.Click(kHiddenBox);  // unticked: shown again
    EXPECT_FALSE(c.program.Tray().Hidden());
    EXPECT_FALSE(c.program.Tray().Icon().Active());
    c.Click(kHiddenBox);  // and hidden from here
    EXPECT_TRUE(c.program.Tray().Hidden());
    c.program.Tray().ToggleHidden();
}

TEST_F(SettingsWindowTest, TheClockCommandsOpenTheSettingsCalendarAndAboutWindows) {
    Clock c;
    // A double-click on the text; the first showing is centred on the screen.
    RECT text{};
    GetWindowRect(c.form.Handle(), &text);
    SendMessageW(c.form.Handle(), WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(text.left + 5, text.top + 5));
    ASSERT_TRUE(IsWindowVisible(c.settings.Handle()));
    RECT r{};
    GetWindowRect(c.settings.Handle(), &r);
    EXPECT_NEAR((r.left + r.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((r.top + r.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
    // Closed and shown again from the menu: where the user left it.
    SetWindowPos(c.settings.Handle(), nullptr, 40, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageW(c.settings.Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(c.settings.Handle()));
    SendMessageW(c.form.Handle(), WM_COMMAND, kPropertiesCommand, 0);
    GetWindowRect(c.settings.Handle(), &r);
    EXPECT_EQ(r.left, 40);
    EXPECT_EQ(r.top, 50);

    EXPECT_EQ(c.program.Windows().MadeCalendar(), nullptr) << "made when first needed";
    SendMessageW(c.form.Handle(), WM_COMMAND, kCalendarCommand, 0);
    const CalendarWindow& calendar = c.program.Windows().Calendar();
    EXPECT_TRUE(IsWindowVisible(calendar.Handle()));
    EXPECT_EQ(calendar.SelectedDate(), std::floor(kStart));

    c.Click(kAboutButton);
    SendMessageW(c.form.Handle(), WM_COMMAND, kAboutCommand, 0);
    EXPECT_EQ(c.program.Windows().About().OpenCount(), 2u);
}

}  // namespace
}  // namespace quorvel
