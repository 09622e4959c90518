#include "windows/about/notice_text.h"

#include "core/release.h"
#include "core/translation.h"

namespace quorvel {

std::string NoticeText() {
    const auto paragraph = [](std::string_view text) { return std::string(text) + "\r\n\r\n"; };
    std::string text;
    text += std::string("Quorvel ") + kVersionText + "\r\n";
    text += paragraph(Translate("A small desktop clock that stays on top of other windows, with alarms and reminders."));
    text += paragraph(Translate("Copyright (c) 2026 The Quorvel authors."));
    text += paragraph(Translate(
        "Quorvel is free software, released under the MIT License. You may use, copy, modify, merge, publish, "
        "distribute, sublicense and sell copies of it, provided that the copyright notice and the licence text "
        "go with every copy or substantial portion. The full licence text is in the file LICENSE that comes with "
        "the program."));
    text += paragraph(Translate(
        "NO WARRANTY. The program is provided \"as is\", without warranty of any kind, express or implied, "
        "including but not limited to the warranties of merchantability, fitness for a particular purpose and "
        "noninfringement. In no event shall the authors be liable for any claim, damages or other liability "
        "arising from, out of or in connection with the program or its use."));
    text += FillIn(Translate("Home page: {0}"), {kHomePageAddress}) + "\r\n";
    text += FillIn(Translate("Mail: {0}"), {kMailAddress}) + "\r\n";
    return text;
}

}  // namespace quorvel
