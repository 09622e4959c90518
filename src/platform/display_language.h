// The language of the program's texts, chosen at start from the user's
// Windows display languages and the `Language` setting.
#pragma once

#include <string>
#include <vector>

namespace quorvel {

// The user's Windows display languages, most wanted first ("de-DE", "en-US").
std::vector<std::string> DisplayLanguages();

// The `Language` setting under the program's key: a tag ("de", "pt-BR"), or
// empty (missing, unreadable) to follow Windows.
std::string LanguageSetting();

// Chooses the language (core/language_choice.h) and uses it from now on;
// returns its tag. Called once at start, before any window is made.
std::string UseDisplayLanguage();

}  // namespace quorvel
