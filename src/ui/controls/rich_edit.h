// A rich-text box of Msftedit.dll (class RICHEDIT50W): formatted read-only
// text, or long plain text. It wraps a long paragraph in linear time, where a
// multi-line EDIT box under Wine takes quadratic time (100,000 characters:
// about 0.4 s against 16 s), so it holds every text that may be long.
//
//   ui::LoadRichEdit();  // before CreateControls with a kRichEditClass row
//   {kAbout, ui::kRichEditClass, L"", {...}, ..., ES_MULTILINE | ES_READONLY | WS_VSCROLL},
//
// Wrapping is quadratic too, in Wine's rich-text box, for a paragraph without
// punctuation (10,000 characters: 3 s; with commas it is fast): a box holding
// a paragraph longer than kLongestWrappedParagraph shows it unwrapped.
//
// As plain text it gives back its line breaks as CR LF, whatever they were
// when set (a lone LF or CR becomes CR LF): Modified() tells whether the user
// changed the text since SetText, so an unchanged text can be kept as it was.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "ui/controls/control.h"

namespace quorvel::ui {

inline constexpr wchar_t kRichEditClass[] = L"RICHEDIT50W";

// The longest paragraph a box wraps at once under Wine (some 300 ms at worst).
inline constexpr std::size_t kLongestWrappedParagraph = 2000;

// Loads Msftedit.dll the first time (it then stays loaded until the program
// ends, as its windows need it); false when it cannot be loaded.
bool LoadRichEdit();

class RichEdit : public Control {
public:
    // Holds plain text only, as an edit box does (pasting drops formatting).
    void UsePlainText();
    // Replaces the content with plain text (UTF-8); not a change by the user.
    void SetText(std::string_view text);
    // Replaces the content with an RTF document ("{\rtf1 ...}"); false when refused.
    bool SetRtf(std::string_view rtf);
    // The user changed the text since it was last set.
    bool Modified() const;
    // Long lines wrap at the box's width (true), or scroll sideways.
    void SetWrapping(bool wrap);
    void SetBackgroundColour(COLORREF colour);
    // Left and right margins, in pixels.
    void SetSideMargins(int pixels);

protected:
    void OnAttach() override;

private:
    static LRESULT CALLBACK AnswerAsEditBox(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                            DWORD_PTR data);
};

}  // namespace quorvel::ui
