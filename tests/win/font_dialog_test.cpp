// The real font dialog from the settings window's "Font ..." button, at the
// session's resolution and again at 192 dpi (ctest runs this program twice):
// it shows the clock's size, and OK without a change keeps the font. Faces
// the dialog knows are used (Wine has no Verdana: it would open on another).
// ctest: RUN_SERIAL (a dialog that needs the keyboard)
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "app/clock_window.h"
#include "harness/alarm_windows.h"
#include "harness/dialogs.h"
#include "harness/pump.h"
#include "harness/registry.h"
#include "windows/settings/settings_window.h"

namespace quorvel {
namespace {

using namespace testing_support;

constexpr int kSizeBox = 0x472;  // the dialog's size combo box (cmb3)

TEST(FontDialog, ShowsTheClocksSizeAndOkWithoutAChangeKeepsIt) {
    CleanRegistry clean;
    ExpectedDialog fontDialog(L"Font");
    ClockWindow clock;
    SettingsWindow settings(clock);
    clock.Create();
    settings.Create();
    const UINT dpi = GetDpiForWindow(clock.Handle());
    std::printf("running at %u dpi\n", dpi);
    struct Case {
        const char* face;
        int size;
        std::uint8_t style;
    };
    const Case cases[] = {
        {"DejaVu Sans", 8, 0},       {"DejaVu Sans", 16, kBold | kItalic}, {"DejaVu Sans", 18, kBold},
        {"DejaVu Sans", 20, kBold | kItalic}, {"DejaVu Sans", 21, 0}, {"DejaVu Serif", 36, kItalic},
        {"DejaVu Sans Mono", 72, kBold},
    };
    for (const Case& c : cases) {
        const FontSpec font{c.face, c.size, kNavy, c.style};
        clock.SetLabelFont(FaceLabel::Text, font);
        std::wstring shownSize;
        ModalSteps steps;
        steps.Then([&] {
            const HWND dialog = FindWindowW(L"#32770", L"Font");
            ASSERT_NE(dialog, nullptr);
            wchar_t text[16] = {};
            GetDlgItemTextW(dialog, kSizeBox, text, 16);
            shownSize = text;
            PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        });
        SendMessageW(settings.Control(SettingsWindow::kFontButton), BM_CLICK, 0, 0);
        EXPECT_TRUE(steps.Done()) << c.size;
        EXPECT_EQ(shownSize, std::to_wstring(c.size)) << c.face << " " << c.size;
        EXPECT_EQ(clock.LabelFont(FaceLabel::Text), font) << c.face << " " << c.size;
        EXPECT_EQ(clock.LabelFont(FaceLabel::Shadow).size, c.size);
    }
    settings.Destroy();
    clock.Destroy();
    PumpPending();  // takes the clock's WM_QUIT
}

}  // namespace
}  // namespace quorvel
