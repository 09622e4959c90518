// The language of the program's texts, chosen at start from the user's
// Windows display languages and the `Language` setting.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// The user's Windows display languages, most wanted first ("de-DE", "en-US").
std::vector<std::string> DisplayLanguages();

// The `Language` setting under the program's key: a tag ("de", "pt-BR"), or
// empty (missing, unreadable) to follow Windows.
std::string LanguageSetting();
// Stores `tag` as the `Language` setting (empty: follow Windows), for the next
// start; false when it could not be written.
[[nodiscard]] bool StoreLanguageSetting(std::string_view tag);

// Chooses the language (core/language_choice.h) and uses it from now on;
// returns its tag. Called once at start, before any window is made.
std::string UseDisplayLanguage();

}  // namespace quorvel
