#include "platform/shell_link.h"

#include <windows.h>
#include <shellapi.h>

#include <utility>

#include "core/wide.h"

namespace quorvel {
namespace {

LinkOpener& Seam() {
    static LinkOpener opener;
    return opener;
}

}  // namespace

void OpenLink(std::string_view address) {
    if (const LinkOpener& opener = Seam()) {
        opener(std::string(address));
        return;
    }
    ShellExecuteW(nullptr, L"open", Wide(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void AnswerOpenLinks(LinkOpener opener) { Seam() = std::move(opener); }

}  // namespace quorvel
