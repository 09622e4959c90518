// A rich-text box of Msftedit.dll (class RICHEDIT50W), for formatted read-only text.
//
//   ui::LoadRichEdit();  // before CreateControls with a kRichEditClass row
//   {kAbout, ui::kRichEditClass, L"", {...}, ..., ES_MULTILINE | ES_READONLY | WS_VSCROLL},
#pragma once

#include <string>
#include <string_view>

#include "ui/controls/control.h"

namespace quorvel::ui {

inline constexpr wchar_t kRichEditClass[] = L"RICHEDIT50W";

// Loads Msftedit.dll the first time (it then stays loaded until the program
// ends, as its windows need it); false when it cannot be loaded.
bool LoadRichEdit();

class RichEdit : public Control {
public:
    // Replaces the content with plain text (UTF-8).
    void SetText(std::string_view text);
    // Replaces the content with an RTF document ("{\rtf1 ...}"); false when refused.
    bool SetRtf(std::string_view rtf);
    // The content as plain text (UTF-8).
    std::string Text() const;
};

}  // namespace quorvel::ui
