// Which of the program's languages to show, from the `Language` setting and
// the user's Windows display languages.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace quorvel {

// `setting` first (empty: none), then `displayLanguages` in the user's order
// ("de-DE", "pt-BR", "zh-Hans" ...); the first that one of `available`
// (Languages(): "en", "de", "pt-BR", "zh-CN" ...) speaks gives that language's
// tag, and none gives "en". Tags match without regard to case, "_" as "-":
//   - the tag itself ("pt-BR" takes "pt-BR");
//   - else the language without its region ("de-AT" takes "de"; "pt-PT" takes
//     "pt-BR", the one Portuguese there is: Portuguese readers read it better
//     than English);
//   - Chinese by its script: Simplified ("zh-Hans...", "zh-CN", "zh-SG", "zh")
//     takes "zh-CN"; Traditional ("zh-Hant...", "zh-TW", "zh-HK", "zh-MO") is
//     not the same written language and takes nothing.
// A setting that names a language not there is passed over, as if empty.
std::string ChooseLanguage(std::string_view setting, std::span<const std::string> displayLanguages,
                           std::span<const std::string_view> available);

}  // namespace quorvel
