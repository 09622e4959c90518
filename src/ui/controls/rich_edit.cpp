#include "ui/controls/rich_edit.h"

#include <richedit.h>

#include <algorithm>
#include <cstring>

#include "ui/common_controls.h"
#include "ui/module.h"
#include "core/wide.h"

namespace quorvel::ui {

bool LoadRichEdit() {
    static LazyLibrary msftedit(L"Msftedit.dll");
    return msftedit.Load();
}

void RichEdit::UsePlainText() {
    SendMessageW(Handle(), EM_SETTEXTMODE, TM_PLAINTEXT | TM_MULTILEVELUNDO | TM_MULTICODEPAGE, 0);
}

void RichEdit::SetText(std::string_view text) {
    Control::SetText(text);
    SendMessageW(Handle(), EM_SETMODIFY, FALSE, 0);
}

void RichEdit::SetWrapping(bool wrap) { SendMessageW(Handle(), EM_SETTARGETDEVICE, 0, wrap ? 0 : 1); }

bool RichEdit::Modified() const { return SendMessageW(Handle(), EM_GETMODIFY, 0, 0) != 0; }

void RichEdit::SetBackgroundColour(COLORREF colour) {
    SendMessageW(Handle(), EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(colour));
}

void RichEdit::SetSideMargins(int pixels) {
    SendMessageW(Handle(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(pixels, pixels));
}

void RichEdit::OnAttach() { comctl::SetWindowSubclass(Handle(), &AnswerAsEditBox, 0, 0); }

// In a window's keyboard handling the box behaves as an edit box does: Tab,
// Escape and mnemonics belong to the window, Enter too unless ES_WANTRETURN
// keeps it for a new line. (A rich-text box would take them all.)
LRESULT CALLBACK RichEdit::AnswerAsEditBox(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                           DWORD_PTR) {
    if (msg == WM_GETDLGCODE) {
        LRESULT code = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
        const auto* key = reinterpret_cast<const MSG*>(lParam);
        const auto style = GetWindowLongPtrW(hwnd, GWL_STYLE);
        if (key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN && (style & ES_MULTILINE) &&
            (style & ES_WANTRETURN)) {
            code |= DLGC_WANTMESSAGE;
        }
        return code;
    }
    if (msg == WM_NCDESTROY) comctl::RemoveWindowSubclass(hwnd, &AnswerAsEditBox, id);
    return comctl::DefSubclassProc(hwnd, msg, wParam, lParam);
}

bool RichEdit::SetRtf(std::string_view rtf) {
    struct Reader {
        std::string_view rest;
        static DWORD CALLBACK Read(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* read) {
            auto& self = *reinterpret_cast<Reader*>(cookie);
            const std::size_t n = std::min<std::size_t>(self.rest.size(), static_cast<std::size_t>(size));
            std::memcpy(buffer, self.rest.data(), n);
            self.rest.remove_prefix(n);
            *read = static_cast<LONG>(n);
            return 0;
        }
    } reader{rtf};
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&reader);
    stream.pfnCallback = &Reader::Read;
    SendMessageW(Handle(), EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    return stream.dwError == 0;
}

}  // namespace quorvel::ui
