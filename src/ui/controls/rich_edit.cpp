#include "ui/controls/rich_edit.h"

#include <richedit.h>

#include <algorithm>
#include <cstring>

#include "ui/module.h"
#include "core/wide.h"

namespace quorvel::ui {

bool LoadRichEdit() {
    static const Module msftedit = LoadSystemLibrary(L"Msftedit.dll");
    return static_cast<bool>(msftedit);
}

void RichEdit::SetText(std::string_view text) { SetWindowTextW(Handle(), Wide(text).c_str()); }

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

std::string RichEdit::Text() const {
    const int length = GetWindowTextLengthW(Handle());
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(Handle(), text.data(), length + 1);
    text.resize(static_cast<std::size_t>(got));
    return Narrow(text);
}

}  // namespace quorvel::ui
