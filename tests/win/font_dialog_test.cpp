// The real font dialog from the settings window's "Font ..." button, at the
// session's resolution and again at 192 dpi (ctest runs this program twice):
// it shows the clock's size, and OK without a change keeps the font. Faces
// the dialog knows are used (Wine has no Verdana: it would open on another).
// ctest: RUN_SERIAL (a dialog that needs the keyboard)
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/program.h"
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
    Program program;
    program.Start();
    ClockWindow& clock = program.Clock();
    SettingsWindow& settings = program.Windows().Settings();
    const FontSpec fonts[] = {{"DejaVu Sans", 8, kNavy, 0},          {"DejaVu Sans", 16, kNavy, kBold | kItalic},
                              {"DejaVu Sans", 20, kNavy, kBold},     {"DejaVu Sans", 21, kNavy, 0},
                              {"DejaVu Serif", 36, kNavy, kItalic},  {"DejaVu Sans Mono", 72, kNavy, kBold}};
    for (const FontSpec& font : fonts) {
        SCOPED_TRACE(testing::Message() << font.name << " " << font.size << " at " << clock.Dpi() << " dpi");
        clock.SetLabelFont(FaceLabel::Text, font);
        wchar_t shownSize[16] = {};
        ModalSteps steps;
        steps.Then([&] {
            const HWND dialog = FindWindowW(L"#32770", L"Font");
            GetDlgItemTextW(dialog, kSizeBox, shownSize, 16);
            PostMessageW(dialog, WM_COMMAND, IDOK, 0);
        });
        SendMessageW(settings.Control(SettingsWindow::kFontButton), BM_CLICK, 0, 0);
        EXPECT_EQ(shownSize, std::to_wstring(font.size));
        EXPECT_EQ(clock.LabelFont(FaceLabel::Text), font);
    }
    clock.Destroy();
    PumpPending();  // takes the clock's WM_QUIT
}

}  // namespace
}  // namespace quorvel
