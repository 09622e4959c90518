// ctest: RUN_SERIAL
// The one-function seams (message box, open-file, font and colour dialogs,
// alert sound, busy cursor): answered and recorded through the harness's
// Answers, and the real calls — with the dialogs pressed at once — when no
// answer is set. The real dialogs take the focus and the busy cursor shows on
// the pointer: the test runs alone.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <string>

#include "harness/answers.h"
#include "ui/common_dialogs.h"
#include "ui/feedback.h"
#include "ui/message_box.h"
#include "core/wide.h"

namespace quorvel::ui {
namespace {

using testing_support::Answers;
using testing_support::PressOnDialogs;

TEST(Seams, AnswersRecordEveryRequestAndTheRealOnesComeBack) {
    FontChoice courier{{"Courier New", 12, kNavy, kBold | kUnderline}, ANSI_CHARSET};
    {
        Answers answers;
        answers.messageBox = IDNO;
        answers.openFile = "C:\\sons\\réveil.wav";
        answers.font = courier;
        answers.colour = RGB(1, 2, 3);
        CustomColourSet mixed{};
        mixed.fill(RGB(9, 9, 9));
        answers.customColours = mixed;

        EXPECT_EQ(ShowMessageBox(nullptr, "Delete?", "Quorvel", MB_YESNO), IDNO);
        OpenFileRequest request{.title = "Sound", .filters = {{"Sounds", "*.wav;*.mid"}}, .folder = "C:\\sons"};
        EXPECT_EQ(ChooseFileToOpen(request), "C:\\sons\\réveil.wav");
        EXPECT_EQ(ChooseFontFor(nullptr, FontChoice{}), courier);
        EXPECT_EQ(ChooseColour(nullptr, RGB(200, 0, 0)), RGB(1, 2, 3));
        AlertBeep(MB_ICONWARNING);
        {
            BusyCursor busy;
            BusyCursor nested;
            EXPECT_EQ(answers.busyNow, 2);
            EXPECT_TRUE(BusyCursor::Active());
        }
        answers.openFile.reset();  // the user cancels
        EXPECT_FALSE(ChooseFileToOpen(request));

        ASSERT_EQ(answers.boxes.size(), 1u);
        EXPECT_EQ(answers.boxes[0].text, "Delete?");
        EXPECT_EQ(answers.boxes[0].type, static_cast<UINT>(MB_YESNO));
        ASSERT_EQ(answers.openFiles.size(), 2u);
        EXPECT_EQ(answers.openFiles[0].filters[0].patterns, "*.wav;*.mid");
        EXPECT_EQ(answers.openFiles[0].folder, "C:\\sons");
        ASSERT_EQ(answers.fonts.size(), 1u);
        EXPECT_EQ(answers.fonts[0], FontChoice{});
        EXPECT_EQ(answers.colours, std::vector<COLORREF>{RGB(200, 0, 0)});
        EXPECT_EQ(answers.beepTypes, std::vector<UINT>{MB_ICONWARNING});
        EXPECT_EQ(answers.busyCursors, 2);
        EXPECT_EQ(answers.busyNow, 0);
        EXPECT_FALSE(BusyCursor::Active());
        EXPECT_EQ(CustomColours()[15], RGB(9, 9, 9)) << "custom colours are kept for the run";
    }

    // No answers: the real calls. The real colour dialog starts from the custom
    // colours kept above, and OK gives back the colour it started with.
    PressOnDialogs ok(IDOK);
    EXPECT_EQ(ChooseColour(nullptr, RGB(10, 120, 200)), RGB(10, 120, 200));
    EXPECT_EQ(CustomColours()[0], RGB(9, 9, 9));
    ASSERT_EQ(ok.captions.size(), 1u) << "a real dialog opened";

    // The real busy cursor: the wait cursor while it lives, and over our windows.
    const HCURSOR before = SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    {
        BusyCursor busy;
        EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_WAIT));
    }
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
    SetCursor(before);
}

TEST(Seams, TheRealFontDialogTakesAndGivesTheFontDescription) {
    PressOnDialogs ok(IDOK);
    const FontChoice initial{{"DejaVu Sans", 14, RGB(0, 128, 0), kItalic | kUnderline | kStrikeOut},
                             DEFAULT_CHARSET};
    const std::optional<FontChoice> chosen = ChooseFontFor(nullptr, initial);
    ASSERT_TRUE(chosen) << "OK pressed";
    EXPECT_EQ(ok.captions.size(), 1u);
    EXPECT_EQ(chosen->font.name, "DejaVu Sans");
    EXPECT_EQ(chosen->font.size, 14);
    EXPECT_EQ(chosen->font.style, kItalic | kUnderline | kStrikeOut) << "effects included";
    EXPECT_EQ(chosen->font.colour, RGB(0, 128, 0));

    PressOnDialogs cancel(IDCANCEL);
    EXPECT_FALSE(ChooseFontFor(nullptr, initial));
}

TEST(Seams, TheRealOpenFileDialogReturnsThePathChosen) {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + L"quorvel-seams.wav";
    { std::ofstream(path.c_str()) << "RIFF"; }

    PressOnDialogs ok(IDOK);
    OpenFileRequest request{.filters = {{"Sounds", "*.wav"}, {"All", "*.*"}},
                            .folder = Narrow(folder),
                            .fileName = "quorvel-seams.wav"};
    const std::optional<std::string> chosen = ChooseFileToOpen(request);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(lstrcmpiW(Wide(*chosen).c_str(), path.c_str()), 0) << *chosen;

    PressOnDialogs cancel(IDCANCEL);
    EXPECT_FALSE(ChooseFileToOpen(request));
    DeleteFileW(path.c_str());
}

}  // namespace
}  // namespace quorvel::ui
