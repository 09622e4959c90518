// The common dialogs the windows use, each one function with a test seam like
// ShowMessageBox's: while an answer is set, it answers and no dialog opens.
//
//   ui::OpenFileRequest request{.owner = Handle(), .filters = {{"Sounds", "*.wav;*.mid;*.mp3"}}};
//   if (auto path = ui::ChooseFileToOpen(request)) player.fileName = *path;
//   if (auto font = ui::ChooseFontFor(Handle(), {settings.font})) settings.font = font->font;
//   if (auto colour = ui::ChooseColour(Handle(), ToColourRef(settings.back))) ...
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/font.h"

namespace quorvel::ui {

// --- Open file (GetOpenFileNameW) ----------------------------------------------

struct FileFilter {
    std::string name;      // "Sounds" (UTF-8)
    std::string patterns;  // "*.wav;*.mp3"
};

struct OpenFileRequest {
    HWND owner = nullptr;
    std::string title;                // empty: the system's "Open"
    std::vector<FileFilter> filters;  // empty: every file
    int filterIndex = 1;              // the filter shown first, from 1
    std::string folder;               // the folder to start in (UTF-8); empty: the system's choice
    std::string fileName;             // the name proposed
    DWORD options = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
};

// The path the user chose (UTF-8), or nothing when cancelled or on failure.
std::optional<std::string> ChooseFileToOpen(const OpenFileRequest& request);

using OpenFileAnswer = std::function<std::optional<std::string>(const OpenFileRequest&)>;
// Test seam: answers every ChooseFileToOpen while set; nullptr for the real dialog.
void AnswerOpenFileDialogs(OpenFileAnswer answer);

// --- Font (ChooseFontW, with effects) ----------------------------------------

// A font description as the dialog takes and gives it: the program's FontSpec
// (face, size in points, style bits kBold/kItalic/kUnderline/kStrikeOut,
// colour) and the character set.
struct FontChoice {
    FontSpec font;
    BYTE charset = DEFAULT_CHARSET;
    bool operator==(const FontChoice&) const = default;
};

// The font the user chose starting from initial; nothing when cancelled.
std::optional<FontChoice> ChooseFontFor(HWND owner, const FontChoice& initial);

using FontAnswer = std::function<std::optional<FontChoice>(HWND owner, const FontChoice& initial)>;
// Test seam: answers every ChooseFontFor while set; nullptr for the real dialog.
void AnswerFontDialogs(FontAnswer answer);

// --- Colour (ChooseColorW) ---------------------------------------------------

using CustomColourSet = std::array<COLORREF, 16>;

// The 16 custom colours of the colour dialog, kept for the run (white at start)
// so that colours the user mixed are there again the next time.
CustomColourSet& CustomColours();

// The colour the user chose starting from initial; nothing when cancelled.
std::optional<COLORREF> ChooseColour(HWND owner, COLORREF initial);

using ColourAnswer = std::function<std::optional<COLORREF>(HWND owner, COLORREF initial, CustomColourSet& custom)>;
// Test seam: answers every ChooseColour while set (it may change the custom
// colours as the user could); nullptr for the real dialog.
void AnswerColourDialogs(ColourAnswer answer);

}  // namespace quorvel::ui
