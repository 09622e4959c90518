// Links opened through the shell: a web address in the user's browser, a
// "mailto:" address in the user's mail program.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace quorvel {

// Asks the shell to open address ("open", no owner, shown normally). Whether
// a browser or mail program took it is not reported: nothing can be done about it.
void OpenLink(std::string_view address);

// Test seam: while set, every OpenLink goes here and no program starts;
// nullptr for the real shell.
using LinkOpener = std::function<void(const std::string& address)>;
void AnswerOpenLinks(LinkOpener opener);

}  // namespace quorvel
