// The about window's notice: what the program is, its version, its licence and
// that it comes without warranty.
#pragma once

#include <string>

namespace quorvel {

// Lines end in "\r\n", as the rich-text box takes them.
std::string NoticeText();

}  // namespace quorvel
