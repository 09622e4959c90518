#include "ui/controls/combo_box.h"

#include "core/wide.h"

namespace quorvel::ui {

void ComboBox::AddItem(std::string_view text) {
    SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(text).c_str()));
}

void ComboBox::Clear() { SendMessageW(Handle(), CB_RESETCONTENT, 0, 0); }

int ComboBox::Count() const { return static_cast<int>(SendMessageW(Handle(), CB_GETCOUNT, 0, 0)); }

std::string ComboBox::ItemText(int index) const {
    const LRESULT length = SendMessageW(Handle(), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(Handle(), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return Narrow(text);
}

int ComboBox::Selected() const {
    const LRESULT index = SendMessageW(Handle(), CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? -1 : static_cast<int>(index);
}

void ComboBox::Select(int index) { SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0); }

bool ComboBox::ReflectCommand(int code) {
    if (code == CBN_SELCHANGE) {
        if (onSelect) onSelect();
        if (onTextChange) onTextChange(Selected() >= 0 ? ItemText(Selected()) : std::string());
        return true;
    }
    if (code == CBN_EDITCHANGE) {
        if (onTextChange) onTextChange(Text());
        return true;
    }
    return false;
}

}  // namespace quorvel::ui
